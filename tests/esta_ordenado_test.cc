#include <gtest/gtest.h>

#include <vector>

#include "trace/contenedor_registro.h"

namespace {

using Llamadas = std::vector<Contenedor_Registro::Llamada>;

TEST(EstaOrdenadoTest, EmptyAndSingleElementAreInOrderWithoutReading) {
  Contenedor_Registro vacio({});
  Contenedor_Registro uno({42});
  EXPECT_TRUE(Esta_Ordenado(vacio));
  EXPECT_TRUE(Esta_Ordenado(uno));
  EXPECT_TRUE(vacio.Llamadas().empty());
  EXPECT_TRUE(uno.Llamadas().empty());
}

TEST(EstaOrdenadoTest, SortedAndEqualNeighboursCostOneComparisonEach) {
  Contenedor_Registro creciente({0, 3, 3, 9, 99});
  Contenedor_Registro iguales({7, 7, 7, 7});
  EXPECT_TRUE(Esta_Ordenado(creciente));
  EXPECT_TRUE(Esta_Ordenado(iguales));
  EXPECT_EQ(creciente.Llamadas(),
            (Llamadas{{'<', 1, 0}, {'<', 2, 1}, {'<', 3, 2}, {'<', 4, 3}}));
  EXPECT_EQ(iguales.Cuenta('<'), 3);
}

TEST(EstaOrdenadoTest, StopsAtTheFirstDescentFromTheFront) {
  Contenedor_Registro al_final({1, 2, 3, 5, 4});
  Contenedor_Registro dos_caidas({0, 2, 1, 0});
  EXPECT_FALSE(Esta_Ordenado(al_final));
  EXPECT_FALSE(Esta_Ordenado(dos_caidas));
  EXPECT_EQ(al_final.Cuenta('<'), 4);
  EXPECT_EQ(dos_caidas.Llamadas(), (Llamadas{{'<', 1, 0}, {'<', 2, 1}}));
  EXPECT_EQ(dos_caidas.Valores(), (std::vector<int>{0, 2, 1, 0}));
}

}  // namespace
