// Runs the built program and reads its report as a user would receive it.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "proceso.h"

namespace {

// The lines of texto, each of which must end with this platform's end of
// line and hold nothing but printable ASCII and the byte 0xE1 of "está".
// A stray carriage return, a bare line feed or an unterminated last line
// fails the test.
std::vector<std::string> Lineas(const std::string& texto) {
  const std::string fin = kFinDeLinea;
  std::vector<std::string> lineas;
  std::size_t inicio = 0;
  for (std::size_t final = texto.find(fin); final != std::string::npos;
       final = texto.find(fin, inicio)) {
    lineas.push_back(texto.substr(inicio, final - inicio));
    inicio = final + fin.size();
  }
  EXPECT_EQ(inicio, texto.size()) << "text after the last end of line";
  for (const std::string& linea : lineas) {
    EXPECT_TRUE(std::all_of(
        linea.begin(), linea.end(),
        [](char c) { return (c >= ' ' && c <= '~') || c == '\xE1'; }))
        << "not printable: " << linea;
  }
  return lineas;
}

// The values of a printout "[v v ... v]" that follows label, or an empty
// list when the line is not exactly label and a printout of 20 values from 0
// to 99 separated by single blanks.
std::vector<int> Valores(const std::string& linea, const std::string& rotulo) {
  if (linea.rfind(rotulo + "[", 0) != 0 || linea.back() != ']') {
    return {};
  }
  std::istringstream entrada(linea.substr(rotulo.size() + 1));
  std::vector<int> valores;
  std::string rehecho = rotulo + "[";
  for (int v = 0; entrada >> v;) {
    if (v < 0 || v > 99) {
      return {};
    }
    rehecho += (valores.empty() ? "" : " ") + std::to_string(v);
    valores.push_back(v);
  }
  if (rehecho + "]" != linea || valores.size() != 20) {
    return {};
  }
  return valores;
}

const char* const kRegla =
    "==================================================================";

TEST(InformeTest, SixDemonstrationsInFortyFiveExactLines) {
  const Ejecucion ejecucion = Ejecute(Programa("ORDENAMIENTO", ORDENAMIENTO));
  ASSERT_EQ(ejecucion.final, Final::kSalio) << ejecucion.estado;
  EXPECT_EQ(ejecucion.codigo, 0);
  EXPECT_EQ(ejecucion.errores, "");
  const std::string& texto = ejecucion.salida;
  EXPECT_EQ(texto.find('\xE1'), std::string::npos);

  const std::vector<std::string> lineas = Lineas(texto);
  ASSERT_EQ(lineas.size(), 45U);
  EXPECT_EQ(lineas[0] + lineas[1] + lineas[2], "");
  const char* const pares[6][2] = {
      {"Vector_Ordenable", "Ordenador_Burbuja"},
      {"Lista_Ordenable", "Ordenador_Burbuja"},
      {"Vector_Ordenable", "Ordenador_Burbuja_Optimizada"},
      {"Lista_Ordenable", "Ordenador_Burbuja_Optimizada"},
      {"Vector_Ordenable", "Ordenador_Seleccion"},
      {"Lista_Ordenable", "Ordenador_Seleccion"}};
  for (std::size_t d = 0; d < 6; ++d) {
    const std::string* l = &lineas[3 + 7 * d];
    EXPECT_EQ(l[0] + l[3] + l[5], "");
    EXPECT_EQ(l[1], kRegla);
    EXPECT_EQ(l[2], "<<< " + std::to_string(d + 1) + " >>> => " + pares[d][0] +
                        " <===> " + pares[d][1]);
    std::vector<int> sin_orden = Valores(l[4], "[Sin orden]: ");
    const std::vector<int> ordenados = Valores(l[6], "[Ordenados]: ");
    ASSERT_EQ(sin_orden.size(), 20U) << l[4];
    ASSERT_EQ(ordenados.size(), 20U) << l[6];
    std::sort(sin_orden.begin(), sin_orden.end());
    EXPECT_EQ(ordenados, sin_orden) << "demonstration " << d + 1;
  }
}

// The driver built with a bubble sort that sorts backwards. The environment
// variable lets the same test check a build of another type.
TEST(FallaTest, UnsortedResultPrintsTheErrorLineAndAborts) {
  const Ejecucion ejecucion =
      Ejecute(Programa("ORDENAMIENTO_DEFECTUOSO", ORDENAMIENTO_DEFECTUOSO));
  EXPECT_EQ(ejecucion.final, Final::kAbortado) << ejecucion.estado;

  const std::vector<std::string> lineas = Lineas(ejecucion.salida);
  ASSERT_EQ(lineas.size(), 3U + 7U + 2U) << ejecucion.salida;
  EXPECT_EQ(lineas[10], "");
  EXPECT_EQ(lineas[11],
            "ERRROR: El contenedor Vector_Ordenable NO est\xE1 ordenado");
  EXPECT_NE(ejecucion.errores.find("\"ERRROR: El contenedor NO est"),
            std::string::npos)
      << ejecucion.errores;
}

// A report that cannot be written is a failure, not a success.
void EspereInformeFallido(Destino destino) {
  const Ejecucion ejecucion =
      Ejecute(Programa("ORDENAMIENTO", ORDENAMIENTO), {}, destino);
  ASSERT_EQ(ejecucion.final, Final::kSalio) << ejecucion.estado;
  EXPECT_NE(ejecucion.codigo, 0);
  EXPECT_EQ(ejecucion.errores,
            std::string("ERROR: no se pudo escribir el informe") + kFinDeLinea);
}

TEST(SalidaTest, AReportToAFullDeviceIsAFailure) {
  if (!HayDispositivoLleno()) {
    GTEST_SKIP() << "this system has no /dev/full";
  }
  EspereInformeFallido(Destino::kDispositivoLleno);
}

TEST(SalidaTest, AReportToAClosedStandardOutputIsAFailure) {
  EspereInformeFallido(Destino::kCerrada);
}

}  // namespace
