#ifndef ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_MACRO_PRUEBA_H_
#define ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_MACRO_PRUEBA_H_

#include "sorting/algoritmo_ordenador.h"

// Insertion sort written as the source reader cannot follow it: the head
// of Ordene and a brace come from macros, and a comparison is written in a
// macro's definition, where no line can be numbered.
class Ordenador_Macro_Prueba : public Algoritmo_Ordenador {
 public:
  static constexpr const char* kNombre = "Ordenador_Macro_Prueba";
  void Ordene(Contenedor_Ordenable& C) override;
  const char* Nombre() const override { return kNombre; }
};

#endif  // ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_MACRO_PRUEBA_H_
