#ifndef ORDENAMIENTO_TRACE_RECORRIDO_H_
#define ORDENAMIENTO_TRACE_RECORRIDO_H_

#include <string>
#include <vector>

#include "recording/contenedor_registro.h"
#include "recording/seguimiento.h"

class Algoritmo_Ordenador;

// A Recorrido is what one strategy did to sort one input: every call it
// made, in order, recorded through a Contenedor_Registro, and the values it
// left. A strategy sees nothing of a container but the answers of Es_Menor,
// so on any container holding the same values in the same order it makes
// the same calls: one Recorrido stands for the strategy on the array and on
// the list alike. Only the cost of each call differs.
//
// Beside the calls, it keeps what the strategy's own functions did at each
// call (Seguimiento): which of them ran, and the values of their integral
// variables.
//
// A strategy that goes past Contenedor_Registro::Limite(), or asks for a
// position out of range, is stopped there: its recording ends with the
// last call allowed, and Falla() says why.
class Recorrido {
 public:
  // Sorts a copy of entrada with ordenador through Ordene, recording it.
  Recorrido(Algoritmo_Ordenador& ordenador, const std::vector<int>& entrada);

  // The strategy's name, from its Nombre().
  const char* Estrategia() const { return estrategia_; }
  const std::vector<int>& Entrada() const { return entrada_; }
  const std::vector<Contenedor_Registro::Llamada>& Llamadas() const {
    return llamadas_;
  }
  // The strategy's functions and variables at each call.
  const Seguimiento::Seguido& Seguido() const { return seguido_; }
  // The values as the strategy left them.
  const std::vector<int>& Resultado() const { return resultado_; }
  // Empty if the strategy ended within the limit, or else why it was
  // stopped, in Spanish: "no termina: más de K llamadas con N valores", or
  // "usa la posición 3, y solo hay de 0 a 2".
  const std::string& Falla() const { return falla_; }

 private:
  const char* estrategia_;
  std::vector<int> entrada_;
  std::vector<Contenedor_Registro::Llamada> llamadas_;
  Seguimiento::Seguido seguido_;
  std::vector<int> resultado_;
  std::string falla_;
};

#endif  // ORDENAMIENTO_TRACE_RECORRIDO_H_
