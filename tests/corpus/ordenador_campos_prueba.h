#ifndef ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_CAMPOS_PRUEBA_H_
#define ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_CAMPOS_PRUEBA_H_

#include "sorting/algoritmo_ordenador.h"

// Bubble sort that keeps its position in a bit-field: legal C++ whose copy
// with numbered calls does not compile (a bit-field cannot be passed on by
// reference), so that the replay builds the file as it is, with a warning,
// and its calls note no line.
class Ordenador_Campos_Prueba : public Algoritmo_Ordenador {
 public:
  static constexpr const char* kNombre = "Ordenador_Campos_Prueba";
  void Ordene(Contenedor_Ordenable& C) override;
  const char* Nombre() const override { return kNombre; }
};

#endif  // ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_CAMPOS_PRUEBA_H_
