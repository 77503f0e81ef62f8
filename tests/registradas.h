#ifndef ORDENAMIENTO_TESTS_REGISTRADAS_H_
#define ORDENAMIENTO_TESTS_REGISTRADAS_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sorting/algoritmo_ordenador.h"
#include "sorting/estrategias.h"

// What the tests of the registry's strategies share. Kept out of apoyo.h:
// only a test program that links the strategies includes their headers, so
// that it reads the same ones they were built from.

// The kNombre of every strategy of sorting/estrategias.h, in its order.
inline std::vector<std::string> Nombres_Registrados() {
  std::vector<std::string> nombres;
  Estrategias::Para_Cada([&nombres](auto estrategia) {
    nombres.emplace_back(decltype(estrategia)::Tipo::kNombre);
  });
  return nombres;
}

// Every strategy of sorting/estrategias.h, for a typed test over them all.
using Registradas = Estrategias::Como<::testing::Types>;

// The fixture of a typed test over the strategies: one object of the
// strategy T, which a test uses through the interface alone, as ordenador_.
// A test file names its own suite after it, "class OrdenadorTest : public
// EstrategiaTest<T> {};", over Registradas and with NombreDeClase.
template <typename T>
class EstrategiaTest : public ::testing::Test {
 protected:
  T estrategia_;
  Algoritmo_Ordenador& ordenador_ = estrategia_;
};

#endif  // ORDENAMIENTO_TESTS_REGISTRADAS_H_
