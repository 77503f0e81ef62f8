#ifndef ORDENAMIENTO_BENCH_DIRECTOS_H_
#define ORDENAMIENTO_BENCH_DIRECTOS_H_

#include <string_view>

// The demonstration's three strategies written directly on the n ints at v:
// no interface and no virtual call, but the same comparisons and exchanges
// in the same order. They are the baseline that shows what the interfaces
// cost.

void Burbuja(int* v, int n);
void Burbuja_Optimizada(int* v, int n);
void Seleccion(int* v, int n);

using Orden_Directo = void (*)(int* v, int n);

// The direct version of the strategy whose kNombre is estrategia, or
// nullptr: a strategy needs none, and one without is measured on the two
// containers alone.
Orden_Directo Directo(std::string_view estrategia);

#endif  // ORDENAMIENTO_BENCH_DIRECTOS_H_
