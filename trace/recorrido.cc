#include "trace/recorrido.h"

#include <numeric>

#include "sorting/algoritmo_ordenador.h"

Recorrido::Recorrido(Algoritmo_Ordenador& ordenador,
                     const std::vector<int>& entrada)
    : estrategia_(ordenador.Nombre()), entrada_(entrada) {
  Contenedor_Registro registro(entrada);
  ordenador.Ordene(registro);
  llamadas_ = registro.Llamadas();
  resultado_ = registro.Valores();
}

long Recorrido::Comparaciones() const {
  return Contenedor_Registro::Cuenta(llamadas_,
                                     Contenedor_Registro::Operacion::kEs_Menor);
}

long Recorrido::Intercambios() const {
  return Contenedor_Registro::Cuenta(
      llamadas_, Contenedor_Registro::Operacion::kIntercambie);
}

long Recorrido::Enlaces() const {
  return std::accumulate(
      Llamadas().begin(), Llamadas().end(), 0L,
      [](long enlaces, const Contenedor_Registro::Llamada& llamada) {
        return enlaces + llamada.i + llamada.j;
      });
}
