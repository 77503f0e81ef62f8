// The same tests over both containers, through Contenedor_Ordenable&.

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "apoyo.h"
#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"

namespace {

// A container owns its storage, so neither may be copied or assigned.
static_assert(!std::is_copy_constructible_v<Vector_Ordenable>);
static_assert(!std::is_copy_assignable_v<Vector_Ordenable>);
static_assert(!std::is_copy_constructible_v<Lista_Ordenable>);
static_assert(!std::is_copy_assignable_v<Lista_Ordenable>);
static_assert(!std::is_copy_constructible_v<Lista_Ordenable::Nodo>);

template <typename T>
class ContenedorTest : public ::testing::Test {
 protected:
  // Builds a container of n values together with the values it should hold:
  // the first n draws after seeding with the clock, reversed for the list,
  // which pushes each value onto its front. The clock is read before and
  // after; if its second changed meanwhile, it tries again.
  static std::pair<std::unique_ptr<Contenedor_Ordenable>, std::vector<int>>
  Construya(unsigned n) {
    for (;;) {
      srand(12345);  // a seed the constructor must replace
      time_t antes = time(nullptr);
      auto contenedor = std::make_unique<T>(n);
      if (time(nullptr) != antes) {
        continue;
      }
      std::vector<int> esperado = Sorteo(static_cast<unsigned>(antes), n);
      if (std::is_same_v<T, Lista_Ordenable>) {
        std::reverse(esperado.begin(), esperado.end());
      }
      return {std::move(contenedor), esperado};
    }
  }
};

// Names each typed case after the class it runs on.
struct NombreDeClase {
  template <typename T>
  static std::string GetName(int /*indice*/) {
    return T(0).Nombre();
  }
};

using Contenedores = ::testing::Types<Vector_Ordenable, Lista_Ordenable>;
TYPED_TEST_SUITE(ContenedorTest, Contenedores, NombreDeClase);

TYPED_TEST(ContenedorTest, HoldsTheDrawsAfterReseedingInTheExactFormat) {
  for (unsigned n : {0U, 1U, 2U, 20U}) {
    auto [contenedor, esperado] = this->Construya(n);
    EXPECT_EQ(contenedor->Dimension(), n);
    EXPECT_EQ(Impresion(*contenedor), Formato(esperado) + "\n") << "n=" << n;
  }
}

TYPED_TEST(ContenedorTest, EmptyContainerStillReseedsAndPrintsBrackets) {
  srand(12345);
  time_t antes = time(nullptr);
  TypeParam vacio(0);
  int siguiente = rand();
  srand(static_cast<unsigned>(antes));
  if (time(nullptr) == antes) {
    EXPECT_EQ(siguiente, rand());
  }
  EXPECT_EQ(Impresion(vacio), "[]\n");
  EXPECT_TRUE(Esta_Ordenado(vacio));
}

TYPED_TEST(ContenedorTest, EsMenorIsStrictLessThanOnEveryPair) {
  auto [contenedor, valores] = this->Construya(20);
  for (int i = 0; i < 20; ++i) {
    for (int j = 0; j < 20; ++j) {
      const auto vi = valores[static_cast<std::size_t>(i)];
      const auto vj = valores[static_cast<std::size_t>(j)];
      EXPECT_EQ(contenedor->Es_Menor(i, j), vi < vj) << i << "," << j;
    }
  }
  EXPECT_EQ(Contenido(*contenedor), valores);  // comparing changed nothing
}

TYPED_TEST(ContenedorTest, IntercambieMovesExactlyTheTwoValues) {
  auto [contenedor, valores] = this->Construya(20);
  const std::pair<int, int> pares[] = {
      {0, 19}, {19, 0}, {3, 7}, {5, 5}, {0, 0}};
  for (auto [i, j] : pares) {
    contenedor->Intercambie(i, j);
    std::swap(valores[static_cast<std::size_t>(i)],
              valores[static_cast<std::size_t>(j)]);
    EXPECT_EQ(Contenido(*contenedor), valores) << i << "," << j;
  }
}

TEST(NombreTest, EachContainerNamesItsClass) {
  Vector_Ordenable vector(1);
  Lista_Ordenable lista(1);
  EXPECT_STREQ(static_cast<Contenedor_Ordenable&>(vector).Nombre(),
               "Vector_Ordenable");
  EXPECT_STREQ(static_cast<Contenedor_Ordenable&>(lista).Nombre(),
               "Lista_Ordenable");
}

}  // namespace
