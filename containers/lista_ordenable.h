#ifndef ORDENAMIENTO_CONTAINERS_LISTA_ORDENABLE_H_
#define ORDENAMIENTO_CONTAINERS_LISTA_ORDENABLE_H_

#include <vector>

#include "containers/contenedor_ordenable.h"

// A Lista_Ordenable keeps its values in a singly linked chain of nodes:
// position p is the node reached from Primero by following Siguiente p
// times. There is no cursor or index, so every positional call walks from
// the first node; a call with positions i and j follows i + j links.
// Sorting moves values between nodes; the chain itself is never relinked.
class Lista_Ordenable : public Contenedor_Ordenable {
 public:
  // What Nombre() returns, for naming the class without building an object.
  static constexpr const char* kNombre = "Lista_Ordenable";

  // One link of the chain. A node owns its successor: deleting a node deletes
  // every node after it.
  class Nodo {
   public:
    explicit Nodo(int v);

    // A node owns the rest of its chain: a copy would release it twice.
    Nodo(const Nodo&) = delete;
    Nodo& operator=(const Nodo&) = delete;

    ~Nodo();

    Nodo* Siguiente;  // next node, owned; null on the last node
    int Valor;
  };

  // Reseeds the generator with the current time in seconds, then draws N
  // values rand() % 100 and pushes each onto the front: position 0 holds the
  // last value drawn.
  explicit Lista_Ordenable(unsigned N);

  // Holds valores, position p holding valores[p]; the generator is left
  // alone. For sorting the same values on both containers (the benchmark).
  explicit Lista_Ordenable(const std::vector<int>& valores);

  // The list owns its chain: a copy would release it twice.
  Lista_Ordenable(const Lista_Ordenable&) = delete;
  Lista_Ordenable& operator=(const Lista_Ordenable&) = delete;

  ~Lista_Ordenable() override;
  void Intercambie(int i, int j) override;
  bool Es_Menor(int i, int j) const override;
  void ImprimaSe() const override;
  const char* Nombre() const override;

 private:
  // Pushes a new node holding v onto the front. Leaves Cantidad alone: the
  // constructor sets the count itself.
  void Agregar_Valor(int v);

  // Returns the node at position p, walking p links from Primero. A const
  // list hands out only const nodes.
  const Nodo* Localice(int p) const;
  Nodo* Localice(int p);

  Nodo* Primero;  // first node, owned (and the chain with it); null if empty
};

#endif  // ORDENAMIENTO_CONTAINERS_LISTA_ORDENABLE_H_
