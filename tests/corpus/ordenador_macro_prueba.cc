#include "tests/corpus/ordenador_macro_prueba.h"

#include "containers/contenedor_ordenable.h"

// The panel shows this file whole ("entero"), with the mark "sin luz" on
// the call it never lights.
// clang-format off
#define MENOR(a, b) C.Es_Menor(a, b)  /* NOLINT(cppcoreguidelines-macro-usage) */  // sin luz
#define ORDENE_DE(Clase) void Clase::Ordene(Contenedor_Ordenable& C)  // NOLINT(cppcoreguidelines-macro-usage)
#define ABRA {

ORDENE_DE(Ordenador_Macro_Prueba) ABRA
  const int n = static_cast<int>(C.Dimension());
  for (int i = 1; i < n; ++i) {
    for (int j = i; j > 0 && MENOR(j, j - 1); --j) {
      C.Intercambie(j, j - 1);  // luz
    }
  }
}
// clang-format on
