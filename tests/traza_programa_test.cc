// Runs the built ordenamiento_traza as a user would: bad input must leave
// no page behind, and the page it writes, loaded in a headless Chromium,
// must show what the library computes.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "apoyo.h"
#include "proceso.h"
#include "trace/opciones_traza.h"
#include "trace/pagina_traza.h"
#include "trace/recorrido.h"

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

// ---- The page in a browser.

std::string Lista(const std::vector<int>& valores) {
  std::string lista;
  for (int valor : valores) {
    lista += (lista.empty() ? "" : ",") + std::to_string(valor);
  }
  return lista;
}

// What one panel shows, read from the DOM as Chromium serialises it.
struct Panel {
  std::string estrategia;
  std::string contenedor;
  std::vector<int> valores;
  std::vector<int> marcadas;     // positions highlighted as compared
  std::vector<long> contadores;  // comparisons, exchanges, operations, links
};

std::vector<Panel> Paneles(const std::string& dom) {
  const std::regex cabecera(
      R"re(data-estrategia="(\w+)" data-contenedor="(\w+)")re");
  const std::regex columna(R"re(class="([^"]*)" data-valor="(-?\d+)")re");
  const std::regex contador(R"re(data-contador="\w+">(\d+)<)re");
  std::vector<Panel> paneles;
  for (std::size_t s = dom.find("<section"); s != std::string::npos;
       s = dom.find("<section", s + 1)) {
    const std::string seccion = dom.substr(s, dom.find("</section>", s) - s);
    std::smatch nombres;
    std::regex_search(seccion, nombres, cabecera);
    Panel panel{nombres[1], nombres[2], {}, {}, {}};
    const std::sregex_iterator fin;
    for (auto c = std::sregex_iterator(seccion.begin(), seccion.end(), columna);
         c != fin; ++c) {
      if ((*c)[1].str().find("comparada") != std::string::npos) {
        panel.marcadas.push_back(static_cast<int>(panel.valores.size()));
      }
      panel.valores.push_back(std::stoi((*c)[2]));
    }
    for (auto c =
             std::sregex_iterator(seccion.begin(), seccion.end(), contador);
         c != fin; ++c) {
      panel.contadores.push_back(std::stol((*c)[1]));
    }
    paneles.push_back(panel);
  }
  return paneles;
}

class NavegadorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string(NAVEGADOR).empty()) {
      GTEST_SKIP() << "chromium was not found when this test was built";
    }
    const Ejecucion traza = Ejecute(
        Traza(), {"--valores", Lista(entrada_), "-o", pagina_.string()});
    ASSERT_EQ(traza.codigo, 0) << traza.errores;
    // What the page should show, recorded by the library as the tool does.
    const std::string valores = "--valores=" + Lista(entrada_);
    const char* const argv[] = {"ordenamiento_traza", valores.c_str()};
    Opciones_Traza opciones;
    ASSERT_EQ(opciones.Lea(2, argv), Opciones_Traza::Resultado::kTrazar);
    recorridos_ = Pagina_Traza(opciones).Recorridos();
  }

  // The panels of the page opened at fragmento, once its script has run.
  std::vector<Panel> Abra(const std::string& fragmento) {
    const Carpeta perfil;
    std::string url = "file://";
    if (pagina_.generic_string().front() != '/') {
      url += '/';
    }
    const Ejecucion chromium = Ejecute(
        Programa("NAVEGADOR", NAVEGADOR),
        {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
         "--no-first-run", "--disable-background-networking",
         "--disable-component-update", "--disable-sync",
         "--user-data-dir=" + perfil.Ruta().string(), "--dump-dom",
         "--virtual-time-budget=5000",
         url + pagina_.generic_string() + fragmento});
    EXPECT_EQ(chromium.codigo, 0) << chromium.errores;
    EXPECT_NE(chromium.salida.find("<body data-estado=\"listo\""),
              std::string::npos)
        << "the page's script did not finish";
    std::vector<Panel> paneles = Paneles(chromium.salida);
    EXPECT_EQ(paneles.size(), 6U);
    for (std::size_t p = 0; p < paneles.size() && p < 6; ++p) {
      const Panel& panel = paneles[p];
      EXPECT_EQ(panel.estrategia, recorridos_[p / 2].Estrategia());
      EXPECT_EQ(panel.contenedor,
                p % 2 == 0 ? "Vector_Ordenable" : "Lista_Ordenable");
      EXPECT_EQ(panel.contadores.size(), p % 2 == 0 ? 3U : 4U);
    }
    return paneles;
  }

  const std::vector<int> entrada_ = Sorteo(5, 20);
  Carpeta carpeta_;
  fs::path pagina_ = carpeta_.Ruta() / "traza.html";
  std::vector<Recorrido> recorridos_;
};

TEST_F(NavegadorTest, AtTheEndEveryPanelIsSortedWithTheLibrarysCounts) {
  const std::vector<Panel> paneles = Abra("#fin");
  for (std::size_t p = 0; p < paneles.size() && p < 6; ++p) {
    const Recorrido& r = recorridos_[p / 2];
    EXPECT_EQ(paneles[p].valores, r.Resultado()) << "panel " << p + 1;
    std::vector<long> esperados = {r.Comparaciones(), r.Intercambios(),
                                   r.Comparaciones() + r.Intercambios()};
    if (p % 2 == 1) {
      esperados.push_back(r.Enlaces());
    }
    EXPECT_EQ(paneles[p].contadores, esperados) << "panel " << p + 1;
  }
}

TEST_F(NavegadorTest, AtStepOneEveryPanelShowsItsFirstComparison) {
  const std::vector<Panel> paneles = Abra("#paso=1");
  for (std::size_t p = 0; p < paneles.size() && p < 6; ++p) {
    const Contenedor_Registro::Llamada& primera =
        recorridos_[p / 2].Llamadas().front();
    ASSERT_EQ(primera.operacion, Operacion::kEs_Menor);
    EXPECT_EQ(paneles[p].valores, entrada_) << "panel " << p + 1;
    std::vector<int> marcadas = {primera.i, primera.j};
    std::sort(marcadas.begin(), marcadas.end());
    EXPECT_EQ(paneles[p].marcadas, marcadas) << "panel " << p + 1;
    std::vector<long> esperados = {1, 0, 1};
    if (p % 2 == 1) {
      esperados.push_back(primera.i + primera.j);
    }
    EXPECT_EQ(paneles[p].contadores, esperados) << "panel " << p + 1;
  }
}

}  // namespace
