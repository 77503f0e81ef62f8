// Runs the built ordenamiento_traza as a user would: bad input must leave
// no page behind. The page it writes is driven in a browser by
// traza_pagina_test.js.

#include <gtest/gtest.h>

#include <cstring>
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

// ---- Where the page and the messages go.

// What cannot reach standard output is a failure, told on standard error:
// the help, and the line that says where the page was written.
TEST(SalidaTest, WhatStandardOutputDidNotTakeIsAFailure) {
  const Carpeta carpeta;
  const std::string pagina = (carpeta.Ruta() / "traza.html").string();
  std::vector<Destino> destinos = {Destino::kCerrada};
  if (HayDispositivoLleno()) {
    destinos.push_back(Destino::kDispositivoLleno);
  }
  for (const Destino destino : destinos) {
    const Ejecucion ayuda = Ejecute(Traza(), {"--help"}, destino);
    EXPECT_NE(ayuda.codigo, 0) << ayuda.estado;
    EXPECT_EQ(ayuda.errores,
              "ERROR: no se pudo escribir la ayuda en la salida estándar" +
                  std::string(kFinDeLinea));
    // Any strategy that goes wrong is named first, on lines of its own.
    const Ejecucion escrita = Ejecute(Traza(), {"-o", pagina}, destino);
    EXPECT_NE(escrita.codigo, 0) << escrita.estado;
    EXPECT_NE(escrita.errores.find("ERROR: se escribió "), std::string::npos)
        << escrita.errores;
    EXPECT_EQ(carpeta.Archivos(), 1U);
    fs::remove(pagina);
  }
}

#ifndef _WIN32
// The names of standard output and of other open descriptors are streams
// to write to, as "-" is, and not links to the file behind them, which
// would be replaced and lose what it held.
TEST(SalidaTest, TheNamesOfStreamsAreWrittenTo) {
  const auto ejecute = [](const std::string& salida) {
    return Ejecute(Traza(), {"--valores", "3,1,2", "-o", salida},
                   Destino::kAnexada);
  };
  const std::string pagina = ejecute("-").salida.substr(strlen(kAntes));
  ASSERT_NE(pagina.find("<html"), std::string::npos);
  for (const char* salida : {"/dev/stdout", "/dev/fd/1", "/proc/self/fd/1"}) {
    const Ejecucion ejecucion = ejecute(salida);
    EXPECT_EQ(ejecucion.codigo, 0) << salida << ": " << ejecucion.errores;
    // Compared whole, but not printed whole: the page is 50 KB.
    EXPECT_TRUE(ejecucion.salida == kAntes + pagina)
        << salida << ": " << ejecucion.salida.substr(0, 100);
  }
  // After any line naming a strategy that goes wrong.
  const Ejecucion en_errores = ejecute("/dev/stderr");
  const std::string& errores = en_errores.errores;
  EXPECT_TRUE(errores.size() >= pagina.size() &&
              errores.compare(errores.size() - pagina.size(), pagina.size(),
                              pagina) == 0)
      << errores.substr(0, 100);
  EXPECT_EQ(en_errores.salida, kAntes);
}
#endif

}  // namespace
