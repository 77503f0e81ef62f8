#include "bench/directos.h"

#include <utility>

#include "sorting/ordenador_burbuja.h"
#include "sorting/ordenador_burbuja_optimizada.h"
#include "sorting/ordenador_seleccion.h"

void Burbuja(int* v, int n) {
  for (; n > 0; --n) {
    for (int i = 1; i < n; ++i) {
      if (v[i] < v[i - 1]) {
        std::swap(v[i], v[i - 1]);
      }
    }
  }
}

void Burbuja_Optimizada(int* v, int n) {
  for (bool hubo_intercambio = true; n > 0 && hubo_intercambio; --n) {
    hubo_intercambio = false;
    for (int i = 1; i < n; ++i) {
      if (v[i] < v[i - 1]) {
        std::swap(v[i], v[i - 1]);
        hubo_intercambio = true;
      }
    }
  }
}

void Seleccion(int* v, int n) {
  for (int i = 0; i < n - 1; ++i) {
    int m = i;
    for (int j = i + 1; j < n; ++j) {
      if (v[j] < v[m]) {
        m = j;
      }
    }
    std::swap(v[i], v[m]);
  }
}

Orden_Directo Directo(std::string_view estrategia) {
  if (estrategia == Ordenador_Burbuja::kNombre) {
    return Burbuja;
  }
  if (estrategia == Ordenador_Burbuja_Optimizada::kNombre) {
    return Burbuja_Optimizada;
  }
  if (estrategia == Ordenador_Seleccion::kNombre) {
    return Seleccion;
  }
  return nullptr;
}
