// The strategies, run over a recording container that shows each call they
// make, and over both real containers: what every strategy of
// sorting/estrategias.h must do, then the first three's exact calls, and
// the bounds and properties particular to the other four.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "apoyo.h"
#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"
#include "registradas.h"
#include "sorting/estrategias.h"
#include "sorting/ordenador_burbuja.h"
#include "sorting/ordenador_burbuja_optimizada.h"
#include "sorting/ordenador_insercion.h"
#include "sorting/ordenador_monticulo.h"
#include "sorting/ordenador_rapido.h"
#include "sorting/ordenador_seleccion.h"
#include "sorting/ordenador_shell.h"

namespace {

std::vector<int> Decreciente(int n) {
  std::vector<int> v = Creciente(n);
  std::reverse(v.begin(), v.end());
  return v;
}

// Every sequence of length n over the values 0, 1 and 2 (so with repeats).
std::vector<std::vector<int>> Secuencias(int n) {
  std::vector<std::vector<int>> todas(1);
  for (int largo = 0; largo < n; ++largo) {
    std::vector<std::vector<int>> mas;
    for (const auto& s : todas) {
      for (int v = 0; v < 3; ++v) {
        mas.push_back(s);
        mas.back().push_back(v);
      }
    }
    todas.swap(mas);
  }
  return todas;
}

// ---- Properties every strategy must have, typed over all of them, each
// used through the interface alone.

template <typename T>
class OrdenadorTest : public EstrategiaTest<T> {};
TYPED_TEST_SUITE(OrdenadorTest, Registradas, NombreDeClase);

// A failure says in one line which strategy, which input, what it left and
// what was expected, for the smallest input that fails. Sizes 0 and 1 are
// left to the next test: a strategy that loops there without calling
// anything cannot be stopped from inside, and that test then fails by its
// timeout, under its own name.
TYPED_TEST(OrdenadorTest, SortsEverySmallSequenceWithRepeats) {
  // One object sorts all of them: a strategy keeps nothing between calls.
  for (int n = 2; n <= 6; ++n) {
    for (const auto& entrada : Secuencias(n)) {
      Contenedor_Registro C(entrada);
      const std::string veredicto = Veredicto(this->ordenador_, C);
      if (!veredicto.empty()) {
        FAIL() << veredicto;
      }
    }
  }
}

// With none or one value there is nothing to compare, so no call; a
// failure speaks as the verdict does.
TYPED_TEST(OrdenadorTest, EmptyAndSingleElementCostNothing) {
  for (const std::vector<int>& entrada : {std::vector<int>{}, {5}}) {
    Contenedor_Registro C(entrada);
    std::string veredicto = Veredicto(this->ordenador_, C);
    const std::size_t llamadas = C.Llamadas().size();
    if (veredicto.empty() && llamadas > 0) {
      veredicto =
          Veredicto(TypeParam::kNombre, C.Nombre(), entrada, entrada,
                    "hizo " + std::to_string(llamadas) +
                        (llamadas == 1 ? " llamada" : " llamadas") +
                        "; con menos de dos valores no debe hacer ninguna");
    }
    if (!veredicto.empty()) {
      ADD_FAILURE() << veredicto;
    }
  }
  const std::string nombre = this->ordenador_.Nombre();
  if (nombre != TypeParam::kNombre) {
    ADD_FAILURE() << TypeParam::kNombre << ": Nombre() devuelve \"" << nombre
                  << "\"; debe devolver \"" << TypeParam::kNombre << "\"";
  }
}

TYPED_TEST(OrdenadorTest, SortsBothRealContainers) {
  Vector_Ordenable vector(20);
  Lista_Ordenable lista(20);
  for (Contenedor_Ordenable* C : {static_cast<Contenedor_Ordenable*>(&vector),
                                  static_cast<Contenedor_Ordenable*>(&lista)}) {
    const std::string veredicto = Veredicto(this->ordenador_, *C);
    if (!veredicto.empty()) {
      ADD_FAILURE() << veredicto;
    }
  }
}

// ---- What a student reads of a faulty strategy.

// Leaves the container as it was.
class Ordenador_Perezoso : public Algoritmo_Ordenador {
 public:
  void Ordene(Contenedor_Ordenable& /*C*/) override {}
  const char* Nombre() const override { return "Ordenador_Perezoso"; }
};

// Compares one position past the end, as an off-by-one loop does.
class Ordenador_Desbordado : public Algoritmo_Ordenador {
 public:
  void Ordene(Contenedor_Ordenable& C) override {
    C.Es_Menor(static_cast<int>(C.Dimension()), 0);
  }
  const char* Nombre() const override { return "Ordenador_Desbordado"; }
};

// An early-exit bubble sort that forgets to clear its flag, so never ends.
class Ordenador_Sin_Fin : public Algoritmo_Ordenador {
 public:
  void Ordene(Contenedor_Ordenable& C) override {
    const int n = static_cast<int>(C.Dimension());
    bool cambio = true;
    while (cambio) {
      for (int i = 1; i < n; ++i) {
        if (C.Es_Menor(i, i - 1)) {
          C.Intercambie(i, i - 1);
          cambio = true;
        }
      }
    }
  }
  const char* Nombre() const override { return "Ordenador_Sin_Fin"; }
};

TEST(VeredictoTest, SaysWhatAFaultyStrategyLeftOrThatItDoesNotEnd) {
  Ordenador_Perezoso perezoso;
  Contenedor_Registro al_reves({1, 0});
  EXPECT_EQ(Veredicto(perezoso, al_reves),
            "Ordenador_Perezoso sobre Contenedor_Registro: la entrada [1, 0] "
            "quedó [1, 0]; debía quedar [0, 1]");

  Ordenador_Desbordado desbordado;
  EXPECT_EQ(Veredicto(desbordado, al_reves),
            "Ordenador_Desbordado sobre Contenedor_Registro: la entrada [1, 0] "
            "usa la posición 2, y solo hay de 0 a 1");

  // Stopped at n^3 + 1000 calls, at once, and at any size: on the real
  // containers the recorder keeps no call, so memory stays small.
  Ordenador_Sin_Fin sin_fin;
  Contenedor_Registro dos({0, 0});
  EXPECT_EQ(Veredicto(sin_fin, dos),
            "Ordenador_Sin_Fin sobre Contenedor_Registro: la entrada [0, 0] no "
            "termina: más de 1008 llamadas");
  Lista_Ordenable lista(20);
  const std::string veredicto = Veredicto(sin_fin, lista);
  EXPECT_EQ(veredicto.rfind(
                "Ordenador_Sin_Fin sobre Lista_Ordenable: la entrada [", 0),
            0U)
      << veredicto;
  EXPECT_NE(veredicto.find("] no termina: más de 9000 llamadas"),
            std::string::npos)
      << veredicto;
}

// The demonstration's three come first, in the order of its report, so
// that the replay page numbers its panels as the report does; no strategy
// is listed twice.
TEST(EstrategiasTest, TheDemonstrationsThreeFirstAndEachOnce) {
  std::vector<std::string> nombres = Nombres_Registrados();
  ASSERT_GE(nombres.size(), 3U);
  EXPECT_EQ(std::vector<std::string>(nombres.begin(), nombres.begin() + 3),
            (std::vector<std::string>{Ordenador_Burbuja::kNombre,
                                      Ordenador_Burbuja_Optimizada::kNombre,
                                      Ordenador_Seleccion::kNombre}));
  std::sort(nombres.begin(), nombres.end());
  EXPECT_EQ(std::adjacent_find(nombres.begin(), nombres.end()), nombres.end());
}

// ---- Exact numbers of comparisons and exchanges at 20 elements.

struct Costo {
  std::string caso;
  std::function<Algoritmo_Ordenador*()> cree;
  std::vector<int> entrada;
  int comparaciones;
  int intercambios;
};

std::vector<int> UltimosCambiados() {
  std::vector<int> v = Creciente(20);
  std::swap(v[18], v[19]);
  return v;
}

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Costo& costo, std::ostream* salida) {
  *salida << costo.caso;
}

class CostoTest : public ::testing::TestWithParam<Costo> {};

TEST_P(CostoTest, MakesExactlyTheExpectedCalls) {
  const Costo& costo = GetParam();
  std::unique_ptr<Algoritmo_Ordenador> ordenador(costo.cree());
  Contenedor_Registro C(costo.entrada);
  ordenador->Ordene(C);
  EXPECT_EQ(C.Cuenta(Operacion::kEs_Menor), costo.comparaciones);
  EXPECT_EQ(C.Cuenta(Operacion::kIntercambie), costo.intercambios);
  EXPECT_EQ(C.Valores(), Creciente(20));
}

template <typename T>
std::function<Algoritmo_Ordenador*()> Fabrica() {
  return [] { return new T; };
}

INSTANTIATE_TEST_SUITE_P(
    Veinte, CostoTest,
    ::testing::Values(
        Costo{"BurbujaOrdenado", Fabrica<Ordenador_Burbuja>(), Creciente(20),
              190, 0},
        Costo{"BurbujaDecreciente", Fabrica<Ordenador_Burbuja>(),
              Decreciente(20), 190, 190},
        Costo{"BurbujaUltimos", Fabrica<Ordenador_Burbuja>(),
              UltimosCambiados(), 190, 1},
        Costo{"OptimizadaOrdenado", Fabrica<Ordenador_Burbuja_Optimizada>(),
              Creciente(20), 19, 0},
        Costo{"OptimizadaDecreciente", Fabrica<Ordenador_Burbuja_Optimizada>(),
              Decreciente(20), 190, 190},
        Costo{"OptimizadaUltimos", Fabrica<Ordenador_Burbuja_Optimizada>(),
              UltimosCambiados(), 19 + 18, 1},
        Costo{"SeleccionOrdenado", Fabrica<Ordenador_Seleccion>(),
              Creciente(20), 190, 19},
        Costo{"SeleccionDecreciente", Fabrica<Ordenador_Seleccion>(),
              Decreciente(20), 190, 19}),
    [](const auto& prueba) { return prueba.param.caso; });

// ---- The order of the calls, and what it means for equal values.

TEST(BurbujaTest, ComparesNeighboursLaterFirstAndShortensEachPass) {
  Contenedor_Registro C({2, 1, 0});
  Ordenador_Burbuja().Ordene(C);
  EXPECT_EQ(Sin_Respuestas(C.Llamadas()),
            (std::vector{Menor(1, 0), Cambio(1, 0), Menor(2, 1), Cambio(2, 1),
                         Menor(1, 0), Cambio(1, 0)}));
}

TEST(BurbujaOptimizadaTest, EndsAfterTheFirstPassWithoutExchange) {
  Contenedor_Registro C({0, 2, 1, 3});
  Ordenador_Burbuja_Optimizada().Ordene(C);
  EXPECT_EQ(Sin_Respuestas(C.Llamadas()),
            (std::vector{Menor(1, 0), Menor(2, 1), Cambio(2, 1), Menor(3, 2),
                         Menor(1, 0), Menor(2, 1)}));
}

TEST(BurbujaTest, BothBubbleSortsKeepEqualValuesInTheirOrder) {
  Ordenador_Burbuja burbuja;
  Ordenador_Burbuja_Optimizada optimizada;
  for (Algoritmo_Ordenador* ordenador :
       {static_cast<Algoritmo_Ordenador*>(&burbuja),
        static_cast<Algoritmo_Ordenador*>(&optimizada)}) {
    for (const auto& entrada : Secuencias(6)) {
      Contenedor_Registro C(entrada);
      ordenador->Ordene(C);
      for (std::size_t p = 1; p < entrada.size(); ++p) {
        if (C.Valores()[p] == C.Valores()[p - 1]) {
          ASSERT_LT(C.Origenes()[p - 1], C.Origenes()[p])
              << ordenador->Nombre() << ::testing::PrintToString(entrada);
        }
      }
    }
  }
}

TEST(SeleccionTest, PicksTheFirstOfEqualMinimaAndAlwaysExchanges) {
  Contenedor_Registro C({7, 3, 3});
  Ordenador_Seleccion().Ordene(C);
  EXPECT_EQ(Sin_Respuestas(C.Llamadas()),
            (std::vector{Menor(1, 0), Menor(2, 1), Cambio(0, 1), Menor(2, 1),
                         Cambio(1, 2)}));
  Contenedor_Registro ordenado(Creciente(4));
  Ordenador_Seleccion().Ordene(ordenado);
  ASSERT_EQ(ordenado.Llamadas().size(), 6U + 3U);  // comparisons, exchanges
  EXPECT_EQ(Sin_Respuestas(ordenado.Llamadas())[3], Cambio(0, 0));
}

TEST(SeleccionTest, IsNotStableTheLongExchangeJumpsEqualValues) {
  Contenedor_Registro C({5, 5, 3});
  Ordenador_Seleccion().Ordene(C);
  EXPECT_EQ(C.Valores(), (std::vector<int>{3, 5, 5}));
  EXPECT_EQ(C.Origenes(), (std::vector<int>{2, 1, 0}));
}

// ---- What is particular to the course's four.

// How many pairs of positions hold their values out of order.
long long Inversiones(const std::vector<int>& v) {
  long long cuantas = 0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    for (std::size_t j = i + 1; j < v.size(); ++j) {
      cuantas += v[i] > v[j] ? 1 : 0;
    }
  }
  return cuantas;
}

// Each exchange of neighbours out of order removes exactly one inversion,
// and each value's walk back ends on one comparison that exchanges nothing.
TEST(InsercionTest, ExchangesAreTheInversionsAndEqualValuesKeepTheirOrder) {
  std::vector<std::vector<int>> entradas = Secuencias(6);
  std::vector<int> pocos = Sorteo(3, 300);
  for (int& v : pocos) {
    v %= 3;
  }
  entradas.insert(entradas.end(), {Sorteo(3, 300), pocos, Decreciente(300)});
  for (const auto& entrada : entradas) {
    Contenedor_Registro C(entrada, Contenedor_Registro::Memoria::kCuentas);
    Ordenador_Insercion().Ordene(C);
    const long long inversiones = Inversiones(entrada);
    const auto n = static_cast<long long>(entrada.size());
    ASSERT_EQ(C.Cuenta(Operacion::kIntercambie), inversiones)
        << ::testing::PrintToString(entrada);
    ASSERT_LE(C.Cuenta(Operacion::kEs_Menor), inversiones + n - 1)
        << ::testing::PrintToString(entrada);
    for (std::size_t p = 1; p < entrada.size(); ++p) {
      if (C.Valores()[p] == C.Valores()[p - 1]) {
        ASSERT_LT(C.Origenes()[p - 1], C.Origenes()[p])
            << ::testing::PrintToString(entrada);
      }
    }
  }
}

// A strategy and the most comparisons it may make on n values, whatever the
// input's shape.
struct Cota {
  std::function<Algoritmo_Ordenador*()> cree;
  const char* nombre;
  double (*maximo)(double n);
};

void PrintTo(const Cota& cota, std::ostream* salida) { *salida << cota.nombre; }

class CotaTest : public ::testing::TestWithParam<Cota> {};

// The shapes that send a careless N lg N sort to N^2: all equal, few
// distinct, drawn, sorted and reversed; and sizes 64 to 1024. The sort is
// checked too, so that a fast wrong answer cannot pass.
TEST_P(CotaTest, StaysWithinItsBoundOnEveryShapeAndSize) {
  const Cota& cota = GetParam();
  std::unique_ptr<Algoritmo_Ordenador> ordenador(cota.cree());
  for (int n = 64; n <= 1024; n *= 2) {
    std::vector<int> pocos = Sorteo(5, static_cast<unsigned>(n));
    for (int& v : pocos) {
      v %= 3;
    }
    const std::vector<std::pair<const char*, std::vector<int>>> formas = {
        {"iguales", std::vector<int>(static_cast<std::size_t>(n), 5)},
        {"pocos distintos", pocos},
        {"sorteo", Sorteo(5, static_cast<unsigned>(n))},
        {"creciente", Creciente(n)},
        {"decreciente", Decreciente(n)}};
    for (const auto& [forma, entrada] : formas) {
      Contenedor_Registro C(entrada, Contenedor_Registro::Memoria::kCuentas);
      ordenador->Ordene(C);
      ASSERT_TRUE(std::is_sorted(C.Valores().begin(), C.Valores().end()))
          << forma << ", n = " << n;
      EXPECT_LE(C.Cuenta(Operacion::kEs_Menor), cota.maximo(n))
          << forma << ", n = " << n;
    }
  }
}

// Quicksort: about N lg N comparisons where each pivot splits its part in
// halves, and 1.39 N lg N on average; 2 N lg N leaves room for uneven
// splits, but not for a partition that does not stop on equal values
// (N^2 / 2 on equal values) nor for a pivot taken from one end (N^2 / 2 on
// sorted input). Heap sort: sinking the top of a heap of m values costs at
// most 2 lg m comparisons, which over the N - 1 values taken out comes to
// about 2 N lg N - 4 N, and building the heap costs less than 2 N. Shell
// sort with the gaps 1, 4, 13, 40, ...: O(N^1.5) comparisons at worst, where
// insertion sort alone makes N^2 / 2 on reversed input.
double Dos_N_Lg_N(double n) { return 2 * n * std::log2(n); }
double N_A_La_1_5(double n) { return std::pow(n, 1.5); }

INSTANTIATE_TEST_SUITE_P(
    Cotas, CotaTest,
    ::testing::Values(Cota{Fabrica<Ordenador_Rapido>(),
                           Ordenador_Rapido::kNombre, Dos_N_Lg_N},
                      Cota{Fabrica<Ordenador_Monticulo>(),
                           Ordenador_Monticulo::kNombre, Dos_N_Lg_N},
                      Cota{Fabrica<Ordenador_Shell>(), Ordenador_Shell::kNombre,
                           N_A_La_1_5}),
    [](const auto& prueba) { return std::string(prueba.param.nombre); });

}  // namespace
