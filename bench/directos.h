#ifndef ORDENAMIENTO_BENCH_DIRECTOS_H_
#define ORDENAMIENTO_BENCH_DIRECTOS_H_

// The three strategies written directly on the n ints at v: no interface and
// no virtual call, but the same comparisons and exchanges in the same order.
// They are the baseline that shows what the interfaces cost.

void Burbuja(int* v, int n);
void Burbuja_Optimizada(int* v, int n);
void Seleccion(int* v, int n);

#endif  // ORDENAMIENTO_BENCH_DIRECTOS_H_
