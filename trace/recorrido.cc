#include "trace/recorrido.h"

#include "sorting/algoritmo_ordenador.h"

Recorrido::Recorrido(Algoritmo_Ordenador& ordenador,
                     const std::vector<int>& entrada)
    : estrategia_(ordenador.Nombre()), entrada_(entrada) {
  Contenedor_Registro registro(entrada);
  try {
    ordenador.Ordene(registro);
  } catch (const Contenedor_Registro::Sin_Fin& sin_fin) {
    falla_ = sin_fin.what();
  }
  llamadas_ = registro.Llamadas();
  resultado_ = registro.Valores();
}
