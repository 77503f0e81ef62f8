#ifndef ORDENAMIENTO_CONTAINERS_VECTOR_ORDENABLE_H_
#define ORDENAMIENTO_CONTAINERS_VECTOR_ORDENABLE_H_

#include <vector>

#include "containers/contenedor_ordenable.h"

// A Vector_Ordenable keeps its values in one array: position p is Datos[p],
// so every comparison and exchange costs constant time.
class Vector_Ordenable : public Contenedor_Ordenable {
 public:
  // What Nombre() returns, for naming the class without building an object.
  static constexpr const char* kNombre = "Vector_Ordenable";

  // Reseeds the generator with the current time in seconds, then fills the
  // container with N values rand() % 100 in the order they are drawn.
  explicit Vector_Ordenable(unsigned N);

  // Holds valores, position p holding valores[p]; the generator is left
  // alone. For sorting the same values on both containers (the benchmark).
  explicit Vector_Ordenable(const std::vector<int>& valores);

  // The container owns its array: a copy would release it twice.
  Vector_Ordenable(const Vector_Ordenable&) = delete;
  Vector_Ordenable& operator=(const Vector_Ordenable&) = delete;

  ~Vector_Ordenable() override;
  void Intercambie(int i, int j) override;
  bool Es_Menor(int i, int j) const override;
  void ImprimaSe() const override;
  const char* Nombre() const override;

 private:
  int* Datos;  // Cantidad values, owned
};

#endif  // ORDENAMIENTO_CONTAINERS_VECTOR_ORDENABLE_H_
