#ifndef ORDENAMIENTO_SORTING_ORDENADOR_MIO_H_
#define ORDENAMIENTO_SORTING_ORDENADOR_MIO_H_

#include "sorting/algoritmo_ordenador.h"

// A strategy of your own starts as this file and ordenador_mio.cc, copied
// into sorting/ and renamed. The class's name is your strategy's name,
// Ordenador_ and a word or two (Ordenador_Insercion); the files are that
// name in lower case (sorting/ordenador_insercion.h and .cc); kNombre is
// the name itself, letter for letter; and the guard above and below becomes
// ORDENAMIENTO_SORTING_ORDENADOR_INSERCION_H_. Rename in both files.
//
// Then give the strategy its line in the registry, sorting/estrategias.h:
// after the last line that starts with ::Con, and before ::Fin, a line
//     ::Con<Ordenador_Insercion>
// That line is all the build needs: configure reads the registry and
// compiles sorting/ordenador_insercion.cc, and the tests, the benchmark and
// the replay page take the strategy from there.
//
// REPLACE the next paragraph with what your strategy does, as the
// headers of the other strategies in sorting/ say what theirs do.
//
// Ordenador_Mio is selection sort from the back, written with recursion: it
// finds the largest value of positions 0 to n - 1, exchanges it into
// position n - 1, where it stays, and sorts positions 0 to n - 2 the same
// way. It makes n * (n - 1) / 2 comparisons, and at most n - 1 exchanges:
// none where the largest value is already at the end.
class Ordenador_Mio : public Algoritmo_Ordenador {
 public:
  // What Nombre() returns, for naming the class without building an object.
  static constexpr const char* kNombre = "Ordenador_Mio";

  // What Ordene must do, whatever way it sorts:
  // - sort C in place into non-decreasing order, as judged by C.Es_Menor;
  // - work on C only through C.Dimension(), C.Es_Menor(i, j) and
  //   C.Intercambie(i, j), with positions from 0 to C.Dimension() - 1;
  // - keep nothing between calls: one object sorts any number of
  //   containers, each call independent of the ones before;
  // - end: more than N * N * N + 1000 calls of Es_Menor and Intercambie on
  //   N values is taken as a sort that never ends, and stopped.
  void Ordene(Contenedor_Ordenable& C) override;
  ~Ordenador_Mio() override;
  const char* Nombre() const override;

  // Copying stays deleted, as Algoritmo_Ordenador declares it: a strategy is
  // used through a reference to that base.
};

#endif  // ORDENAMIENTO_SORTING_ORDENADOR_MIO_H_
