#include "sorting/ordenador_mio.h"

#include "containers/contenedor_ordenable.h"

// What the replay page shows of this file and its header, beside your
// strategy's panels: Ordene, every function of the two files that calls
// Es_Menor or Intercambie, every function these name, and so on (helpers,
// recursion, lambdas, function objects), with the files' line numbers; a
// "⋮" stands for the lines left out between them, such as the comments
// above each function. As the replay runs, the line where the name of
// each call of Es_Menor or Intercambie stands is lit, in Ordene or in a
// helper, however the call is written. So:
// - keep your helpers in this file or in its header (as members defined in
//   the class, say). A call made from another file lights no line, and
//   the page says so beside the code when it is the current one;
// - a call written inside a macro's definition (#define) cannot be lit:
//   the build names it, with its line, and so does the page.
// Code the page cannot follow (braces or the head of Ordene written by a
// macro) never stops the build: the build warns once, naming this file and
// saying why, and the page shows the file whole.

namespace {

// REPLACE from here to the end of Ordene with your own strategy. Keep the
// first line of Ordene as it is, with your class's name.

// The position of the largest value among positions 0 to n - 1 (the first
// of several equal ones).
int Posicion_Del_Mayor(const Contenedor_Ordenable& C, int n) {
  int mayor = 0;
  for (int i = 1; i < n; ++i) {
    if (C.Es_Menor(mayor, i)) {
      mayor = i;
    }
  }
  return mayor;
}

// Sorts positions 0 to n - 1: the largest value goes to n - 1, then the
// positions before it are sorted the same way.
void Ordene_Hasta(Contenedor_Ordenable& C, int n) {
  if (n < 2) {
    return;
  }
  int mayor = Posicion_Del_Mayor(C, n);
  if (mayor != n - 1) {
    C.Intercambie(mayor, n - 1);
  }
  Ordene_Hasta(C, n - 1);
}

}  // namespace

void Ordenador_Mio::Ordene(Contenedor_Ordenable& C) {
  Ordene_Hasta(C, static_cast<int>(C.Dimension()));
}

// Up to here. What follows stays as it is, with your class's name.

Ordenador_Mio::~Ordenador_Mio() = default;

const char* Ordenador_Mio::Nombre() const { return kNombre; }
