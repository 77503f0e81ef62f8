#ifndef ORDENAMIENTO_SORTING_ESTRATEGIAS_H_
#define ORDENAMIENTO_SORTING_ESTRATEGIAS_H_

#include <cstddef>
#include <type_traits>

// The header of every strategy named below. Configure reads the list
// below with the source reader (lector/), builds sorting/x.cc for each
// class Ordenador_X named there (x the class's name in lower case), and
// writes this header into the build tree: one #include "sorting/x.h" for
// each. So a strategy needs no #include line here, only its name below.
#include "sorting/estrategias_incluidas.h"

// Stands for the strategy S where a function takes a type as an argument:
// given an Estrategia<S> e, typename decltype(e)::Tipo is S.
template <typename S>
struct Estrategia {
  using Tipo = S;
};

// Whether the strategy S declares a name to show, kNombreVisible.
template <typename S, typename = void>
struct Tiene_Nombre_Visible : std::false_type {};
template <typename S>
struct Tiene_Nombre_Visible<S, std::void_t<decltype(S::kNombreVisible)>>
    : std::true_type {};

// The name the replay page shows for the strategy S, accents and spaces
// allowed ("Selección"): its kNombreVisible where it declares one, beside
// kNombre; otherwise its class's name, kNombre.
template <typename S>
constexpr const char* Nombre_Visible() {
  if constexpr (Tiene_Nombre_Visible<S>::value) {
    return S::kNombreVisible;
  } else {
    return S::kNombre;
  }
}

// A list of strategy classes, each derived from Algoritmo_Ordenador and
// built with no arguments.
template <typename... S>
struct Lista_Estrategias {
  // This list with Otra added at its end.
  template <typename Otra>
  using Con = Lista_Estrategias<S..., Otra>;
  // This list itself: what closes a list written with Con.
  using Fin = Lista_Estrategias;

  // The template T given these strategies, as in
  // Estrategias::Como<::testing::Types>.
  template <template <typename...> class T>
  using Como = T<S...>;

  static constexpr std::size_t kCuantas = sizeof...(S);

  // Calls f(Estrategia<S>()) for each strategy, in the order of the list.
  template <typename F>
  static void Para_Cada(F&& f) {
    (f(Estrategia<S>()), ...);
  }
};

// Every strategy of the program, in the order of the demonstration's report
// and then any other: an empty list, each strategy added with ::Con on a
// line of its own, and ::Fin after the last, so that every strategy's line
// looks the same. The tests, the benchmark and the replay page take their
// strategies from here, and the build its list of sources. A new strategy
// Ordenador_X is its two files sorting/ordenador_x.h and .cc, and here a
// copy of the last ::Con line with the name changed. Configure stops if a
// line names a class without those files, and warns about a
// sorting/ordenador_*.cc that no line names.
// clang-format off
using Estrategias = Lista_Estrategias<>
    ::Con<Ordenador_Burbuja>
    ::Con<Ordenador_Burbuja_Optimizada>
    ::Con<Ordenador_Seleccion>
    ::Con<Ordenador_Insercion>
    ::Con<Ordenador_Shell>
    ::Con<Ordenador_Rapido>
    ::Con<Ordenador_Monticulo>
    ::Fin;
// clang-format on

#endif  // ORDENAMIENTO_SORTING_ESTRATEGIAS_H_
