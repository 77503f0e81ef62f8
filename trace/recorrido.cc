#include "trace/recorrido.h"

#include <stdexcept>

#include "sorting/algoritmo_ordenador.h"

Recorrido::Recorrido(Algoritmo_Ordenador& ordenador,
                     const std::vector<int>& entrada)
    : estrategia_(ordenador.Nombre()), entrada_(entrada) {
  Contenedor_Registro registro(entrada);
  Seguimiento seguimiento(registro);
  try {
    ordenador.Ordene(registro);
  } catch (const Contenedor_Registro::Sin_Fin& sin_fin) {
    falla_ = sin_fin.what() + std::string(" con ") +
             std::to_string(entrada.size()) + " valores";
  } catch (const std::out_of_range& fuera) {
    falla_ = fuera.what();
  }
  llamadas_ = registro.Llamadas();
  seguido_ = seguimiento.Lo_Seguido();
  resultado_ = registro.Valores();
}
