#ifndef ORDENAMIENTO_RECORDING_CONTENEDOR_REGISTRO_H_
#define ORDENAMIENTO_RECORDING_CONTENEDOR_REGISTRO_H_

#include <stdexcept>
#include <utility>
#include <vector>

#include "containers/contenedor_ordenable.h"

class Seguimiento;

// A recording container: it records every call of Es_Menor and Intercambie
// made on it, in order, with its positions and, for Es_Menor, its answer.
// It either holds values of its own, given to it, or stands in front of a
// real container and passes every call on to it, so that a strategy sorting
// the recorder sorts the real container. The tests read from it the calls a
// strategy makes, the replay tool plays them back on its page, and the
// benchmark counts them.
//
// Each position also carries where its value started, so that one can see
// how equal values were moved. A position out of range throws
// std::out_of_range, which says in Spanish which position was asked for. A
// strategy that makes more calls than Limite() allows is taken as never ending:
// the call past it throws Sin_Fin, so that a faulty strategy is stopped rather
// than run until memory runs out.
class Contenedor_Registro : public Contenedor_Ordenable {
 public:
  static constexpr const char* kNombre = "Contenedor_Registro";

  enum class Operacion { kEs_Menor, kIntercambie };

  struct Llamada {
    Operacion operacion{};
    int i{};
    int j{};
    bool respuesta = false;  // what Es_Menor answered; false for Intercambie
    // The line of the strategy's code that made the call: n for line n of
    // its source, -n for line n of its header; 0 if not known.
    int linea = 0;
  };

  // What the recorder keeps: every call, or only how many of each kind,
  // for sorts too long to keep (the benchmark's).
  enum class Memoria { kLlamadas, kCuentas };

  // Thrown by the call that goes past the limit.
  class Sin_Fin : public std::runtime_error {
   public:
    explicit Sin_Fin(long long limite);
  };

  // Holds valores, position 0 first.
  explicit Contenedor_Registro(std::vector<int> valores,
                               Memoria memoria = Memoria::kLlamadas);

  // Stands in front of real, which must outlive the recorder.
  explicit Contenedor_Registro(Contenedor_Ordenable& real,
                               Memoria memoria = Memoria::kLlamadas);

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
  // Every call, with Memoria::kLlamadas; none with Memoria::kCuentas.
  const std::vector<Llamada>& Llamadas() const { return llamadas_; }
  // How many calls of operacion were made.
  long long Cuenta(Operacion operacion) const {
    return operacion == Operacion::kEs_Menor ? comparaciones_ : intercambios_;
  }

  // The most calls that a strategy may make on n values: n^3 + 1000. Any
  // sort, however slow, makes fewer: the slowest in this project make about
  // n^2 / 2 comparisons and as many exchanges.
  static long long Limite(unsigned n);

  // Notes that the next call on a recorder comes from the line numero (as
  // Llamada::linea counts), and gives the position assigned to it back
  // unchanged, of its own type, so that a call notes its line while its
  // first argument is computed, with nothing else of the call changed:
  //   C.Es_Menor(::Contenedor_Registro::Linea{9} = i, j)
  // The replay builds each strategy from a copy written so (lector/). A
  // call takes the line noted before it and leaves none for the next.
  struct Linea {
    int numero;
    template <typename T>
    // NOLINTNEXTLINE(misc-unconventional-assign-operator,cppcoreguidelines-c-copy-assignment-signature)
    T&& operator=(T&& posicion) const {
      Anote(numero);
      return std::forward<T>(posicion);
    }
  };

  // Notes numero as the line of the next call on a recorder.
  static void Anote(int numero);
  // Takes the line noted for the next call, leaving none.
  static int Aparte_Linea();

  // Has seguimiento read the strategy's variables before each call, until
  // told nullptr (recording/seguimiento.h).
  void Siga(Seguimiento* seguimiento) { seguimiento_ = seguimiento; }

 private:
  // Throws std::out_of_range unless p is a position of this container.
  void Compruebe(int p) const;
  // A call of operacion on i and j, with the line noted for it: checks its
  // positions and counts it, or throws Sin_Fin if it goes past the limit.
  Llamada Empiece(Operacion operacion, int i, int j) const;
  // Keeps llamada, with Memoria::kLlamadas.
  void Guarde(const Llamada& llamada) const;

  Contenedor_Ordenable* real_ = nullptr;  // where calls go, if anywhere
  Seguimiento* seguimiento_ = nullptr;    // what reads before each call
  Memoria memoria_;
  std::vector<int> valores_;
  std::vector<int> origenes_;
  mutable std::vector<Llamada> llamadas_;
  mutable long long comparaciones_ = 0;
  mutable long long intercambios_ = 0;
};

#endif  // ORDENAMIENTO_RECORDING_CONTENEDOR_REGISTRO_H_
