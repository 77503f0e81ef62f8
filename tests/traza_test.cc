// The replay tool's recordings, checked against the library, and the data
// its page carries.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "apoyo.h"
#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"
#include "sorting/ordenador_burbuja.h"
#include "sorting/ordenador_burbuja_optimizada.h"
#include "sorting/ordenador_seleccion.h"
#include "trace/opciones_traza.h"
#include "trace/pagina_traza.h"
#include "trace/recorrido.h"

namespace {

template <typename T>
class RecorridoTest : public ::testing::Test {
 protected:
  T estrategia_;
};

using Estrategias =
    ::testing::Types<Ordenador_Burbuja, Ordenador_Burbuja_Optimizada,
                     Ordenador_Seleccion>;
TYPED_TEST_SUITE(RecorridoTest, Estrategias, NombreDeClase);

TYPED_TEST(RecorridoTest, ReplayingTheCallsOnTheInputGivesTheSortedResult) {
  for (const std::vector<int>& entrada :
       {Sorteo(7, 20), Sorteo(11, 64), std::vector<int>{7, 3, 3}, Creciente(5),
        std::vector<int>{5, 4, 3, 2, 1}, std::vector<int>{2, 1}}) {
    const Recorrido recorrido(this->estrategia_, entrada);
    std::vector<int> v = entrada;
    for (const Contenedor_Registro::Llamada& l : recorrido.Llamadas()) {
      auto& a = v.at(static_cast<std::size_t>(l.i));
      auto& b = v.at(static_cast<std::size_t>(l.j));
      if (l.operacion == Operacion::kIntercambie) {
        std::swap(a, b);
      } else {
        ASSERT_EQ(l.respuesta, a < b) << "the page shows this answer";
      }
    }
    std::vector<int> ordenada = entrada;
    std::sort(ordenada.begin(), ordenada.end());
    EXPECT_EQ(v, recorrido.Resultado());
    EXPECT_EQ(v, ordenada);
  }
}

TYPED_TEST(RecorridoTest, CountsAreThoseRecordedOnBothRealContainers) {
  Vector_Ordenable vector(20);
  Lista_Ordenable lista(20);
  for (Contenedor_Ordenable* C : {static_cast<Contenedor_Ordenable*>(&vector),
                                  static_cast<Contenedor_Ordenable*>(&lista)}) {
    const Recorrido recorrido(this->estrategia_, Contenido(*C));
    Contenedor_Registro registro(*C);
    TypeParam().Ordene(registro);
    EXPECT_EQ(recorrido.Comparaciones(), registro.Cuenta(Operacion::kEs_Menor))
        << C->Nombre();
    EXPECT_EQ(recorrido.Intercambios(),
              registro.Cuenta(Operacion::kIntercambie))
        << C->Nombre();
    EXPECT_EQ(recorrido.Resultado(), Contenido(*C)) << C->Nombre();
  }
}

TYPED_TEST(RecorridoTest, LinksAreBothPositionsOfEveryCallAdded) {
  const Recorrido recorrido(this->estrategia_, Sorteo(3, 30));
  long enlaces = 0;
  for (const Contenedor_Registro::Llamada& l : recorrido.Llamadas()) {
    enlaces += l.i + l.j;
  }
  EXPECT_EQ(recorrido.Enlaces(), enlaces);
  EXPECT_EQ(static_cast<std::size_t>(recorrido.Comparaciones() +
                                     recorrido.Intercambios()),
            recorrido.Llamadas().size());
}

// On sorted input every call is known in advance: bubble sort compares
// (i, i - 1) over passes of n down to 2, the early exit stops after the
// first pass, and selection sort compares (j, i) for every i < j and
// exchanges (i, i).
TEST(EnlacesTest, SortedInputCostsTheClosedForm) {
  Ordenador_Burbuja burbuja;
  Ordenador_Burbuja_Optimizada optimizada;
  Ordenador_Seleccion seleccion;
  for (long n : {2L, 3L, 20L, 64L}) {
    const std::vector<int> ordenada = Creciente(static_cast<int>(n));
    EXPECT_EQ(Recorrido(burbuja, ordenada).Enlaces(),
              (n - 1) * n * (2 * n - 1) / 6);
    EXPECT_EQ(Recorrido(optimizada, ordenada).Enlaces(), (n - 1) * (n - 1));
    EXPECT_EQ(Recorrido(seleccion, ordenada).Enlaces(),
              (n - 1) * (n - 1) * n / 2 + (n - 1) * (n - 2));
  }
}

Opciones_Traza Lea(const std::vector<std::string>& palabras) {
  std::vector<const char*> argv;
  argv.reserve(palabras.size());
  for (const std::string& palabra : palabras) {
    argv.push_back(palabra.c_str());
  }
  Opciones_Traza opciones;
  EXPECT_EQ(opciones.Lea(static_cast<int>(argv.size()), argv.data()),
            Opciones_Traza::Resultado::kTrazar)
      << opciones.Mensaje();
  return opciones;
}

TEST(OpcionesTest, BothCommandsShownBuildTheSameInputAgain) {
  for (const std::vector<std::string>& palabras :
       std::vector<std::vector<std::string>>{
           {"ordenamiento_traza"},
           {"ordenamiento_traza", "--entrada", "ordenada", "--n", "7"},
           {"ordenamiento_traza", "--entrada=invertida", "--semilla", "9"},
           {"ordenamiento_traza", "--entrada", "casi_ordenada", "--n", "64"},
           {"ordenamiento_traza", "--valores=-5,0,2147483647"}}) {
    const Opciones_Traza opciones = Lea(palabras);
    for (const std::string& comando :
         {opciones.Comando(), opciones.Comando_Semilla()}) {
      if (comando.empty()) {
        continue;
      }
      std::istringstream palabras_del_comando(comando);
      std::vector<std::string> de_nuevo;
      for (std::string palabra; palabras_del_comando >> palabra;) {
        de_nuevo.push_back(palabra);
      }
      EXPECT_EQ(Lea(de_nuevo).Entrada(), opciones.Entrada()) << comando;
    }
  }
}

// The program's path as it was called may be any bytes: the page names the
// program by its installed name instead, and nothing in the data can end
// the script element that carries it.
TEST(PaginaTest, NoStringCanEndTheScriptThatCarriesTheData) {
  const std::string programa =
      "/tmp/</script><script>alert(1)</script><!--<script>\xff/traza";
  const Pagina_Traza pagina(Lea({programa, "--valores", "3,1,2"}));
  const std::string datos = pagina.Datos();
  EXPECT_EQ(datos.find('<'), std::string::npos);

  const std::string html = pagina.Html();
  const std::string apertura = R"(<script type="application/json" id="datos">)";
  const std::size_t inicio = html.find(apertura);
  ASSERT_NE(inicio, std::string::npos);
  const std::size_t desde = inicio + apertura.size();
  EXPECT_EQ(html.substr(desde, html.find("</script>", desde) - desde), datos);

  const nlohmann::json leidos = nlohmann::json::parse(datos);
  EXPECT_EQ(leidos["comando"], "ordenamiento_traza --valores 3,1,2");
  EXPECT_EQ(leidos["entrada"], nlohmann::json({3, 1, 2}));
  EXPECT_EQ(leidos["estrategias"].size(), 3U);
}

}  // namespace
