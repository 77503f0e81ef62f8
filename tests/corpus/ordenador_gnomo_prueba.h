#ifndef ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_GNOMO_PRUEBA_H_
#define ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_GNOMO_PRUEBA_H_

#include "sorting/algoritmo_ordenador.h"

// Gnome sort, comparing through a function object and exchanging through a
// lambda in Ordene, with a call whose first argument holds a template's
// comma, and one whose second argument calls a helper that calls the
// interface in turn.
class Ordenador_Gnomo_Prueba : public Algoritmo_Ordenador {
 public:
  static constexpr const char* kNombre = "Ordenador_Gnomo_Prueba";
  void Ordene(Contenedor_Ordenable& C) override;
  const char* Nombre() const override { return kNombre; }
};

#endif  // ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_GNOMO_PRUEBA_H_
