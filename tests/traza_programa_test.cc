// Runs the built ordenamiento_traza as a user would: bad input must leave
// no page behind. The page it writes is driven in a browser by
// traza_pagina_test.js.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "apoyo.h"
#include "proceso.h"

namespace {

namespace fs = std::filesystem;

std::string Traza() {
  return Programa("ORDENAMIENTO_TRAZA", ORDENAMIENTO_TRAZA);
}

// ---- Bad input: one line on standard error, a failure status, no page.

struct Caso {
  std::string nombre;
  std::vector<std::string> argumentos;  // a leading "{}" is the test's folder
};

void PrintTo(const Caso& caso, std::ostream* salida) { *salida << caso.nombre; }

class EntradaInvalidaTest : public ::testing::TestWithParam<Caso> {};

TEST_P(EntradaInvalidaTest, OneLineOnStandardErrorAndThePageLeftAsItWas) {
  const Carpeta carpeta;
  const fs::path existente = carpeta.Ruta() / "traza.html";
  std::ofstream(existente, std::ios::binary) << "la página anterior";
  // The case's own --salida, if any, comes later and wins.
  std::vector<std::string> argumentos = {"--salida", existente.string()};
  for (std::string argumento : GetParam().argumentos) {
    if (argumento.rfind("{}", 0) == 0) {
      argumento.replace(0, 2, carpeta.Ruta().string());
    }
    argumentos.push_back(argumento);
  }

  const Ejecucion ejecucion = Ejecute(Traza(), argumentos);
  ASSERT_EQ(ejecucion.final, Final::kSalio) << ejecucion.estado;
  EXPECT_NE(ejecucion.codigo, 0);
  const std::string fin = kFinDeLinea;
  EXPECT_EQ(ejecucion.errores.rfind("ERROR: ", 0), 0U) << ejecucion.errores;
  EXPECT_EQ(ejecucion.errores.find(fin), ejecucion.errores.size() - fin.size())
      << ejecucion.errores;
  EXPECT_EQ(ejecucion.salida, "");
  EXPECT_EQ(Lea_Archivo(existente), "la página anterior");
  EXPECT_EQ(carpeta.Archivos(), 1U);
}

INSTANTIATE_TEST_SUITE_P(
    Traza, EntradaInvalidaTest,
    ::testing::Values(
        Caso{"UnknownOption", {"--desconocida"}},
        Caso{"UnexpectedArgument", {"sobrante"}},
        Caso{"UnknownInput", {"--entrada", "desordenada"}},
        Caso{"MissingValue", {"--n"}}, Caso{"TooFew", {"--n", "1"}},
        Caso{"TooMany", {"--n", "65"}}, Caso{"NotANumber", {"--n", "x"}},
        Caso{"BadSeed", {"--semilla", "-1"}},
        Caso{"EmptyValue", {"--valores", "1,,2"}},
        Caso{"NotAValue", {"--valores", "a"}},
        Caso{"ValueOutsideInt", {"--valores", "1,2147483648"}},
        Caso{"OneValue", {"--valores", "5"}},
        Caso{"NewlineInValue", {"--n", "2\n3"}},
        Caso{"MissingFolder", {"--salida", "{}/falta/traza.html"}},
        Caso{"OutputIsAFolder", {"--salida", "{}"}}),
    [](const auto& prueba) { return prueba.param.nombre; });

}  // namespace
