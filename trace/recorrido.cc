#include "trace/recorrido.h"

#include "sorting/algoritmo_ordenador.h"

Recorrido::Recorrido(Algoritmo_Ordenador& ordenador,
                     const std::vector<int>& entrada)
    : estrategia_(ordenador.Nombre()), entrada_(entrada) {
  Contenedor_Registro registro(entrada);
  ordenador.Ordene(registro);
  llamadas_ = registro.Llamadas();
  resultado_ = registro.Valores();
}
