// The replay tool's recordings (Recorrido), checked against the library:
// the calls each strategy makes on both real containers, the result they
// replay to, the line that made each, and a strategy that never ends.

#include "trace/recorrido.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "apoyo.h"
#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"
#include "registradas.h"
#include "sorting/ordenador_seleccion.h"
#include "trace/opciones_traza.h"
#include "trace/pagina_traza.h"

namespace {

template <typename T>
class RecorridoTest : public EstrategiaTest<T> {};
TYPED_TEST_SUITE(RecorridoTest, Registradas, NombreDeClase);

// The recording, played back on the input, gives what the strategy left:
// the values sorted, or else the verdict's line on what it left, for the
// shortest input that fails.
TYPED_TEST(RecorridoTest, ReplayingTheCallsOnTheInputGivesTheSortedResult) {
  for (const std::vector<int>& entrada :
       {std::vector<int>{2, 1}, std::vector<int>{7, 3, 3}, Creciente(5),
        std::vector<int>{5, 4, 3, 2, 1}, Sorteo(7, 20), Sorteo(11, 64)}) {
    const Recorrido recorrido(this->ordenador_, entrada);
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
    EXPECT_EQ(v, recorrido.Resultado());
    const std::string veredicto =
        Veredicto(recorrido.Estrategia(), Contenedor_Registro::kNombre, entrada,
                  v, recorrido.Falla());
    if (!veredicto.empty()) {
      FAIL() << veredicto;
    }
  }
}

// The page shows one list of calls for both containers of a strategy. A
// strategy that goes wrong on one gets the verdict's line.
TYPED_TEST(RecorridoTest, CallsAreThoseMadeOnBothRealContainers) {
  Vector_Ordenable vector(20);
  Lista_Ordenable lista(20);
  for (Contenedor_Ordenable* C : {static_cast<Contenedor_Ordenable*>(&vector),
                                  static_cast<Contenedor_Ordenable*>(&lista)}) {
    const std::vector<int> entrada = Contenido(*C);
    const Recorrido recorrido(this->ordenador_, entrada);
    Contenedor_Registro registro(*C);
    try {
      this->ordenador_.Ordene(registro);
    } catch (const std::exception& fallo) {
      FAIL() << Veredicto(this->ordenador_.Nombre(), C->Nombre(), entrada,
                          Contenido(*C), fallo.what());
    }
    EXPECT_EQ(Sin_Respuestas(recorrido.Llamadas()),
              Sin_Respuestas(registro.Llamadas()))
        << C->Nombre();
    EXPECT_EQ(recorrido.Resultado(), Contenido(*C)) << C->Nombre();
  }
}

// Each call lights the line that made it: a line of the code the page
// shows, which makes that kind of call. Lines are named as the recording
// names them, n in the source and -n in the header. A call whose line is
// not known (0) lights none, and the page says so.
TYPED_TEST(RecorridoTest, EachCallLightsAShownLineThatMakesIt) {
  const nlohmann::json codigo = nlohmann::json::parse(
      Lea_Archivo(ORDENAMIENTO_CODIGO))[TypeParam::kNombre];
  std::map<int, std::string> mostradas;
  for (const nlohmann::json& tramo : codigo["tramos"]) {
    const int signo = tramo["archivo"] == codigo["cabecera"] ? -1 : 1;
    int numero = tramo["desde"];
    for (const nlohmann::json& linea : tramo["lineas"]) {
      mostradas[signo * numero++] = linea;
    }
  }
  const std::vector<int> entrada = Sorteo(5, 20);
  const Recorrido recorrido(this->ordenador_, entrada);
  for (const Contenedor_Registro::Llamada& l : recorrido.Llamadas()) {
    const char* nombre =
        l.operacion == Operacion::kEs_Menor ? "Es_Menor" : "Intercambie";
    if (l.linea != 0 && mostradas[l.linea].find(nombre) == std::string::npos) {
      FAIL() << Veredicto(TypeParam::kNombre, Contenedor_Registro::kNombre,
                          entrada, entrada,
                          std::string("enciende para ") + nombre +
                              " la línea " + std::to_string(std::abs(l.linea)) +
                              (l.linea < 0 ? " de la cabecera" : "") +
                              ", que no lo llama: " + mostradas[l.linea]);
    }
  }
}

// The replay numbers every call of the demonstration's strategies.
TEST(RecorridoLineasTest, EveryCallOfSelectionSortCarriesItsLine) {
  Ordenador_Seleccion seleccion;
  const Recorrido recorrido(seleccion, {3, 1, 2});
  for (const auto& l : recorrido.Llamadas()) {
    EXPECT_GT(l.linea, 0);
  }
}

// A strategy that never ends is stopped at the limit, its recording kept
// that far: memory stays bounded. Its page keeps the first calls, says why
// it was stopped and how many calls it made, and the tool names it in one
// line.
TEST(RecorridoLineasTest, AStrategyThatNeverEndsIsStoppedAtTheLimit) {
  class Ordenador_Sin_Fin : public Algoritmo_Ordenador {
   public:
    void Ordene(Contenedor_Ordenable& C) override {
      while (!C.Es_Menor(0, 0)) {
      }
    }
    const char* Nombre() const override { return "Ordenador_Sin_Fin"; }
  } sin_fin;
  const std::vector<int> entrada = Sorteo(3, 64);
  const Recorrido recorrido(sin_fin, entrada);
  EXPECT_EQ(recorrido.Falla(),
            "no termina: más de 263144 llamadas con 64 valores");
  EXPECT_EQ(recorrido.Llamadas().size(), 263144U);

  Opciones_Traza opciones;
  std::string valores = "--valores=" + std::to_string(entrada[0]);
  for (std::size_t p = 1; p < entrada.size(); ++p) {
    valores += "," + std::to_string(entrada[p]);
  }
  const std::vector<const char*> argv = {"ordenamiento_traza", valores.c_str()};
  ASSERT_EQ(opciones.Lea(2, argv.data()), Opciones_Traza::Resultado::kTrazar);
  const Pagina_Traza pagina(opciones, {{recorrido}, {"Sin fin"}});
  const nlohmann::json estrategia =
      nlohmann::json::parse(pagina.Datos())["estrategias"][0];
  EXPECT_EQ(estrategia["ops"].size(), Pagina_Traza::kLlamadasMostradas);
  EXPECT_EQ(estrategia["hechas"], 263144);
  EXPECT_EQ(estrategia["falla"], recorrido.Falla());
  ASSERT_EQ(pagina.Avisos().size(), 1U);
  EXPECT_EQ(pagina.Avisos()[0].rfind("AVISO: Ordenador_Sin_Fin sobre "
                                     "Contenedor_Registro: la entrada [",
                                     0),
            0U);
}

}  // namespace
