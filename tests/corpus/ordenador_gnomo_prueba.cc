#include "tests/corpus/ordenador_gnomo_prueba.h"

#include <utility>

#include "containers/contenedor_ordenable.h"

namespace {

struct Menor_Que {
  const Contenedor_Ordenable& C;
  bool operator()(int a, int b) const { return C.Es_Menor(a, b); }  // luz
};

// The position before i, after one more look at the two.
int Anterior(const Contenedor_Ordenable& C, int i) {
  static_cast<void>(C.Es_Menor(i, i - 1));  // luz
  return i - 1;
}

}  // namespace

void Ordenador_Gnomo_Prueba::Ordene(Contenedor_Ordenable& C) {
  const Menor_Que menor{C};
  const auto intercambie = [&C](int a, int b) {
    C.Intercambie(std::pair<int, int>(a, 0).first, b);  // luz
  };
  const int n = static_cast<int>(C.Dimension());
  for (int i = 1; i < n;) {
    if (i == 0 || !menor(i, i - 1)) {
      ++i;
    } else if (i % 2 == 0) {
      intercambie(i, i - 1);
      --i;
    } else {
      C.Intercambie(i, Anterior(C, i));  // luz
      --i;
    }
  }
}
