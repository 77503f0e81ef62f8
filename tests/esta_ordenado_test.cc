#include <gtest/gtest.h>

#include <vector>

#include "apoyo.h"

namespace {

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
  EXPECT_EQ(Sin_Respuestas(creciente.Llamadas()),
            (std::vector{Menor(1, 0), Menor(2, 1), Menor(3, 2), Menor(4, 3)}));
  EXPECT_EQ(iguales.Cuenta(Operacion::kEs_Menor), 3);
}

TEST(EstaOrdenadoTest, StopsAtTheFirstDescentFromTheFront) {
  Contenedor_Registro al_final({1, 2, 3, 5, 4});
  Contenedor_Registro dos_caidas({0, 2, 1, 0});
  EXPECT_FALSE(Esta_Ordenado(al_final));
  EXPECT_FALSE(Esta_Ordenado(dos_caidas));
  EXPECT_EQ(al_final.Cuenta(Operacion::kEs_Menor), 4);
  EXPECT_EQ(Sin_Respuestas(dos_caidas.Llamadas()),
            (std::vector{Menor(1, 0), Menor(2, 1)}));
  EXPECT_EQ(dos_caidas.Valores(), (std::vector<int>{0, 2, 1, 0}));
}

}  // namespace
