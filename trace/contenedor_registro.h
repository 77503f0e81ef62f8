#ifndef ORDENAMIENTO_TRACE_CONTENEDOR_REGISTRO_H_
#define ORDENAMIENTO_TRACE_CONTENEDOR_REGISTRO_H_

#include <string>
#include <vector>

#include "containers/contenedor_ordenable.h"

// A recording container: it holds the values it is given and records every
// call of Es_Menor and Intercambie, in order, with its arguments and, for
// Es_Menor, its answer. The tests read from it the calls a strategy makes;
// the replay tool ordenamiento_traza records each sort through it and plays
// the calls back on its page. Each slot also carries the position its value
// started at, so that a test can see how equal values were moved. Positions
// out of range throw.
class Contenedor_Registro : public Contenedor_Ordenable {
 public:
  struct Llamada {
    char operacion{};  // '<' for Es_Menor, 'x' for Intercambie
    int i{};
    int j{};
    // What Es_Menor answered; false for Intercambie. Equality ignores it: a
    // call is named by its operation and positions, and the answer follows
    // from the values, so a list of expected calls can be written as
    // {'<', 1, 0} while the replay, which needs the answers, reads them here.
    bool respuesta = false;
    bool operator==(const Llamada& otra) const {
      return operacion == otra.operacion && i == otra.i && j == otra.j;
    }
  };

  explicit Contenedor_Registro(std::vector<int> valores);

  ~Contenedor_Registro() override;
  void Intercambie(int i, int j) override;
  bool Es_Menor(int i, int j) const override;
  void ImprimaSe() const override;
  const char* Nombre() const override;

  const std::vector<int>& Valores() const { return valores_; }
  const std::vector<int>& Origenes() const { return origenes_; }
  const std::vector<Llamada>& Llamadas() const { return llamadas_; }
  int Cuenta(char operacion) const;

 private:
  std::vector<int> valores_;
  std::vector<int> origenes_;  // origenes_[p]: where valores_[p] started
  mutable std::vector<Llamada> llamadas_;
};

#endif  // ORDENAMIENTO_TRACE_CONTENEDOR_REGISTRO_H_
