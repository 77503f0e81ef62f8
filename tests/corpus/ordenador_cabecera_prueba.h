#ifndef ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_CABECERA_PRUEBA_H_
#define ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_CABECERA_PRUEBA_H_

#include "containers/contenedor_ordenable.h"
#include "sorting/algoritmo_ordenador.h"

// Heap sort whose sift-down is a static member defined in the class.
class Ordenador_Cabecera_Prueba : public Algoritmo_Ordenador {
 public:
  static constexpr const char* kNombre = "Ordenador_Cabecera_Prueba";
  void Ordene(Contenedor_Ordenable& C) override;
  const char* Nombre() const override { return kNombre; }

 private:
  static void Hunda(Contenedor_Ordenable& C, int k, int n) {
    for (int hijo = 2 * k + 1; hijo < n; k = hijo, hijo = 2 * k + 1) {
      if (hijo + 1 < n && C.Es_Menor(hijo, hijo + 1)) {  // luz
        ++hijo;
      }
      if (!C.Es_Menor(k, hijo)) {  // luz
        return;
      }
      C.Intercambie(k, hijo);  // luz
    }
  }
};

#endif  // ORDENAMIENTO_TESTS_CORPUS_ORDENADOR_CABECERA_PRUEBA_H_
