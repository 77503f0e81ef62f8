// The counting wrapper that the benchmark reports its counts through.

#include <gtest/gtest.h>

#include <vector>

#include "bench/contenedor_contado.h"
#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"
#include "sorting/ordenador_burbuja.h"
#include "sorting/ordenador_burbuja_optimizada.h"
#include "sorting/ordenador_seleccion.h"
#include "trace/contenedor_registro.h"

namespace {

TEST(ContadoTest, ForwardsEveryCallAndCountsWhatTheStrategyAsked) {
  Contenedor_Registro real({3, 1, 2, 0});
  Contenedor_Contado contado(real);
  Ordenador_Burbuja().Ordene(contado);
  EXPECT_EQ(real.Valores(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(contado.Comparaciones(), real.Cuenta('<'));
  EXPECT_EQ(contado.Intercambios(), real.Cuenta('x'));
  EXPECT_STREQ(contado.Nombre(), "Contenedor_Registro");
  EXPECT_EQ(contado.Dimension(), 4U);
}

TEST(ContadoTest, CountsAtSixtyFourElementsOnBothContainers) {
  Vector_Ordenable vector(64);
  Lista_Ordenable lista(64);
  for (Contenedor_Ordenable* real :
       {static_cast<Contenedor_Ordenable*>(&vector),
        static_cast<Contenedor_Ordenable*>(&lista)}) {
    Contenedor_Contado burbuja(*real);
    Ordenador_Burbuja().Ordene(burbuja);
    EXPECT_EQ(burbuja.Comparaciones(), 2016);

    Contenedor_Contado seleccion(*real);
    Ordenador_Seleccion().Ordene(seleccion);
    EXPECT_EQ(seleccion.Comparaciones(), 2016);
    EXPECT_EQ(seleccion.Intercambios(), 63);

    Contenedor_Contado optimizada(*real);  // already sorted: one pass
    Ordenador_Burbuja_Optimizada().Ordene(optimizada);
    EXPECT_EQ(optimizada.Comparaciones(), 63);
    EXPECT_EQ(optimizada.Intercambios(), 0);
  }
}

}  // namespace
