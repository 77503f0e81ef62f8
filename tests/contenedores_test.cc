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
#include "recording/contenedor_registro.h"
#include "sorting/ordenador_burbuja.h"

namespace {

// A container owns its storage, so neither may be copied or assigned.
static_assert(!std::is_copy_constructible_v<Vector_Ordenable>);
static_assert(!std::is_copy_assignable_v<Vector_Ordenable>);
static_assert(!std::is_copy_constructible_v<Lista_Ordenable>);
static_assert(!std::is_copy_assignable_v<Lista_Ordenable>);
static_assert(!std::is_copy_constructible_v<Lista_Ordenable::Nodo>);

// Nor may either interface: through a base reference only the base's part
// would be copied. An abstract class is never copy-constructible, so its
// copy constructor is checked through a subclass that declares none itself.
static_assert(!std::is_copy_assignable_v<Contenedor_Ordenable>);
static_assert(!std::is_copy_constructible_v<Contenedor_Registro>);
static_assert(!std::is_copy_assignable_v<Algoritmo_Ordenador>);
static_assert(!std::is_copy_constructible_v<Ordenador_Burbuja>);

template <typename T>
class ContenedorTest : public ::testing::Test {
 protected:
  // Builds a container of n values together with the values it should hold:
  // the first n draws after seeding with the clock, reversed for the list,
  // which pushes each value onto its front. The draw after those must come
  // next from the generator, so the constructor drew exactly n values after
  // its own srand (even for n = 0). If the clock's second changed during the
  // construction, it tries again.
  static std::pair<std::unique_ptr<Contenedor_Ordenable>, std::vector<int>>
  Construya(unsigned n) {
    for (;;) {
      srand(12345);  // a seed the constructor must replace
      const time_t antes = time(nullptr);
      auto contenedor = std::make_unique<T>(n);
      const int siguiente = rand() % 100;
      if (time(nullptr) != antes) {
        continue;
      }
      std::vector<int> esperado = Sorteo(static_cast<unsigned>(antes), n + 1);
      EXPECT_EQ(siguiente, esperado.back()) << "n=" << n;
      esperado.pop_back();
      if (std::is_same_v<T, Lista_Ordenable>) {
        std::reverse(esperado.begin(), esperado.end());
      }
      return {std::move(contenedor), esperado};
    }
  }
};

using Contenedores = ::testing::Types<Vector_Ordenable, Lista_Ordenable>;
TYPED_TEST_SUITE(ContenedorTest, Contenedores, NombreDeClase);

TYPED_TEST(ContenedorTest, HoldsTheDrawsAfterItsOwnReseedingInTheExactFormat) {
  for (unsigned n : {0U, 1U, 2U, 20U}) {
    auto [contenedor, esperado] = this->Construya(n);
    EXPECT_EQ(contenedor->Dimension(), n);
    EXPECT_STREQ(contenedor->Nombre(), TypeParam::kNombre);
    EXPECT_EQ(Impresion(*contenedor), Formato(esperado) + "\n") << "n=" << n;
  }
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

TYPED_TEST(ContenedorTest, HoldsGivenValuesInOrderAndLeavesTheGeneratorAlone) {
  const int primero = Sorteo(12345, 1).front();  // after srand(12345)
  const std::vector<int> casos[] = {{}, {42}, {5, -3, 7, 7, 0, 99, -100}};
  for (const std::vector<int>& valores : casos) {
    srand(12345);
    const TypeParam contenedor(valores);
    EXPECT_EQ(rand() % 100, primero) << "reseeded or drew";
    EXPECT_EQ(contenedor.Dimension(), valores.size());
    EXPECT_EQ(Impresion(contenedor), Formato(valores) + "\n");
  }
}

}  // namespace
