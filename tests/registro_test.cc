// The recording container in front of a real container, as the benchmark
// counts a strategy's calls through it.

#include <gtest/gtest.h>

#include <cstddef>
#include <stdexcept>
#include <vector>

#include "apoyo.h"
#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"
#include "sorting/ordenador_burbuja.h"
#include "sorting/ordenador_burbuja_optimizada.h"
#include "sorting/ordenador_seleccion.h"

namespace {

TEST(RegistroTest, InFrontOfAContainerPassesEveryCallOnAndRecordsIt) {
  Contenedor_Registro real({3, 1, 2, 0});
  Contenedor_Registro delante(static_cast<Contenedor_Ordenable&>(real));
  Ordenador_Burbuja().Ordene(delante);
  EXPECT_EQ(real.Valores(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_TRUE(delante.Valores().empty());
  EXPECT_EQ(delante.Origenes(), real.Origenes());
  EXPECT_EQ(Sin_Respuestas(delante.Llamadas()),
            Sin_Respuestas(real.Llamadas()));
  ASSERT_EQ(delante.Llamadas().size(), real.Llamadas().size());
  for (std::size_t k = 0; k < real.Llamadas().size(); ++k) {
    EXPECT_EQ(delante.Llamadas()[k].respuesta, real.Llamadas()[k].respuesta);
  }
  EXPECT_EQ(delante.Dimension(), 4U);
  EXPECT_THROW(delante.Es_Menor(0, 4), std::out_of_range);
}

// A call keeps the line noted just before it, and no later call does; a
// recorder in front of another takes the line before passing the call on.
TEST(RegistroTest, EachCallKeepsTheLineNotedForItAlone) {
  Contenedor_Registro real({2, 1});
  Contenedor_Registro delante(static_cast<Contenedor_Ordenable&>(real));
  EXPECT_TRUE(delante.Es_Menor(Contenedor_Registro::Linea{9} = 1, 0));
  delante.Intercambie(Contenedor_Registro::Linea{-10} = 1, 0);
  delante.Es_Menor(1, 0);
  std::vector<int> lineas;
  for (const auto& llamada : delante.Llamadas()) {
    lineas.push_back(llamada.linea);
  }
  EXPECT_EQ(lineas, (std::vector<int>{9, -10, 0}));
  EXPECT_EQ(real.Llamadas().front().linea, 0);
  EXPECT_EQ(real.Valores(), (std::vector<int>{1, 2}));
}

TEST(RegistroTest, CountsAtSixtyFourElementsOnBothContainers) {
  Vector_Ordenable vector(64);
  Lista_Ordenable lista(64);
  for (Contenedor_Ordenable* real :
       {static_cast<Contenedor_Ordenable*>(&vector),
        static_cast<Contenedor_Ordenable*>(&lista)}) {
    Contenedor_Registro burbuja(*real);
    Ordenador_Burbuja().Ordene(burbuja);
    EXPECT_EQ(burbuja.Cuenta(Operacion::kEs_Menor), 2016);

    Contenedor_Registro seleccion(*real);
    Ordenador_Seleccion().Ordene(seleccion);
    EXPECT_EQ(seleccion.Cuenta(Operacion::kEs_Menor), 2016);
    EXPECT_EQ(seleccion.Cuenta(Operacion::kIntercambie), 63);

    Contenedor_Registro optimizada(*real);  // already sorted: one pass
    Ordenador_Burbuja_Optimizada().Ordene(optimizada);
    EXPECT_EQ(optimizada.Cuenta(Operacion::kEs_Menor), 63);
    EXPECT_EQ(optimizada.Cuenta(Operacion::kIntercambie), 0);
  }
}

}  // namespace
