#ifndef ORDENAMIENTO_TESTS_REGISTRADAS_H_
#define ORDENAMIENTO_TESTS_REGISTRADAS_H_

#include <string>
#include <vector>

#include "sorting/estrategias.h"

// The kNombre of every strategy of sorting/estrategias.h, in its order. Kept
// out of apoyo.h: only a test program that links the strategies includes
// their headers, so that it reads the same ones they were built from.
inline std::vector<std::string> Nombres_Registrados() {
  std::vector<std::string> nombres;
  Estrategias::Para_Cada([&nombres](auto estrategia) {
    nombres.emplace_back(decltype(estrategia)::Tipo::kNombre);
  });
  return nombres;
}

#endif  // ORDENAMIENTO_TESTS_REGISTRADAS_H_
