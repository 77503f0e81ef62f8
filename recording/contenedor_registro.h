#ifndef ORDENAMIENTO_RECORDING_CONTENEDOR_REGISTRO_H_
#define ORDENAMIENTO_RECORDING_CONTENEDOR_REGISTRO_H_

#include <vector>

#include "containers/contenedor_ordenable.h"

// A recording container: it records every call of Es_Menor and Intercambie
// made on it, in order, with its positions and, for Es_Menor, its answer.
// It either holds values of its own, given to it, or stands in front of a
// real container and passes every call on to it, so that a strategy sorting
// the recorder sorts the real container. The tests read from it the calls a
// strategy makes, the replay tool plays them back on its page, and the
// benchmark counts them.
//
// Each position also carries where its value started, so that one can see
// how equal values were moved. Positions out of range throw
// std::out_of_range.
class Contenedor_Registro : public Contenedor_Ordenable {
 public:
  static constexpr const char* kNombre = "Contenedor_Registro";

  enum class Operacion { kEs_Menor, kIntercambie };

  struct Llamada {
    Operacion operacion{};
    int i{};
    int j{};
    bool respuesta = false;  // what Es_Menor answered; false for Intercambie
  };

  // Holds valores, position 0 first.
  explicit Contenedor_Registro(std::vector<int> valores);

  // Stands in front of real, which must outlive the recorder.
  explicit Contenedor_Registro(Contenedor_Ordenable& real);

  ~Contenedor_Registro() override;
  void Intercambie(int i, int j) override;
  bool Es_Menor(int i, int j) const override;
  void ImprimaSe() const override;  // the values, or the real container's
  const char* Nombre() const override;

  // The values it holds, as the calls have left them; empty in front of a
  // real container.
  const std::vector<int>& Valores() const { return valores_; }
  // Origenes()[p]: the position that the value now at p started at.
  const std::vector<int>& Origenes() const { return origenes_; }
  const std::vector<Llamada>& Llamadas() const { return llamadas_; }
  long Cuenta(Operacion operacion) const {
    return Cuenta(llamadas_, operacion);
  }

  // How many of llamadas are calls of operacion.
  static long Cuenta(const std::vector<Llamada>& llamadas, Operacion operacion);

 private:
  // Throws std::out_of_range unless p is a position of this container.
  void Compruebe(int p) const;

  Contenedor_Ordenable* real_ = nullptr;  // where calls go, if anywhere
  std::vector<int> valores_;
  std::vector<int> origenes_;
  mutable std::vector<Llamada> llamadas_;
};

#endif  // ORDENAMIENTO_RECORDING_CONTENEDOR_REGISTRO_H_
