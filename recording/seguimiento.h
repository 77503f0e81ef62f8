#ifndef ORDENAMIENTO_RECORDING_SEGUIMIENTO_H_
#define ORDENAMIENTO_RECORDING_SEGUIMIENTO_H_

#include <map>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "recording/contenedor_registro.h"

// A Seguimiento follows what a strategy's own functions do while a
// Contenedor_Registro records its calls: which functions run at each call
// (the chain of calls from Ordene in), and the values of their integral
// variables, parameters included, with nothing added to the strategy's
// code. The replay builds each strategy from a copy (lector/) in which each
// function the page shows starts with a Marco, and each integral variable
// is followed, where it is declared, by a Variable: C++'s own scopes then
// decide when a function runs and when a variable lives. While a
// Seguimiento follows a recorder, the recorder has it read the live
// variables before each call, and it keeps only what changed.
//
// Calls are counted as the recorder counts them, from 0. A function runs
// at call t if it was entered before call t and left after it: one that
// makes no call is never seen running.
class Seguimiento {
 public:
  // What a variable is, as a set of flags: a parameter, and a position,
  // one that the function passes whole to Es_Menor or Intercambie.
  enum Clase : int { kLocal = 0, kParametro = 1, kPosicion = 2 };

  // A run of one function: Seguido::funciones[funcion], entered before call
  // entrada and left before call salida (or when the recording stopped).
  struct Marco_Seguido {
    int funcion;
    int entrada;
    int salida;
  };
  // A variable of one run of a function: Seguido::marcos[marco]'s, named
  // Seguido::nombres[nombre], with its flags.
  struct Variable_Seguida {
    int marco;
    int nombre;
    int clase;
  };
  // A variable's value from call llamada on, read before that call, where
  // it changed or came to life; or, where vive is false, its end: it no
  // longer lived at that call.
  struct Cambio {
    int llamada;
    int variable;
    long long valor;
    bool vive;
  };

  // Follows registro from now until it is destroyed.
  explicit Seguimiento(Contenedor_Registro& registro);
  Seguimiento(const Seguimiento&) = delete;
  Seguimiento& operator=(const Seguimiento&) = delete;
  ~Seguimiento();

  // All that was followed: the runs of functions, by their names, and the
  // variables of each run, by their names, with what changed.
  struct Seguido {
    std::vector<std::string> funciones;
    std::vector<Marco_Seguido> marcos;
    std::vector<std::string> nombres;
    std::vector<Variable_Seguida> variables;
    std::vector<Cambio> cambios;
  };
  const Seguido& Lo_Seguido() const { return seguido_; }

  // Reads the live variables before call llamada: the recorder calls it.
  void Antes_De_Llamada(int llamada);

  // Stands at the start of each function of the replay's copy of a
  // strategy, named as the page names it. It notes the function's run
  // where a Seguimiento follows. It also keeps the call's line aside: a
  // function called while the arguments of a call are computed, as in
  // C.Intercambie(i, Posicion_Del_Menor(C, i)), would otherwise take that
  // call's line, or leave it none; the line noted when the function is
  // entered is noted again when it returns.
  class Marco {
   public:
    explicit Marco(const char* funcion);
    Marco(const Marco&) = delete;
    Marco& operator=(const Marco&) = delete;
    ~Marco();

   private:
    int guardada_;
    int indice_ = -1;  // its run in the Seguimiento, if one follows
  };

  // Stands right after the declaration of a variable of the replay's copy
  // of a strategy, and follows it while it lives: a variable of integral
  // type (bool aside) is read at each call; any other is left out.
  class Variable {
   public:
    template <typename T>
    Variable(const char* nombre, const T& valor, int clase) {
      if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>) {
        Empiece(nombre, &valor, &Lea<T>, clase);
      }
    }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;
    ~Variable();

    // Reads a variable's value, whatever its integral type.
    using Lector = long long (*)(const void*);

   private:
    template <typename T>
    static long long Lea(const void* valor) {
      return static_cast<long long>(*static_cast<const T*>(valor));
    }
    void Empiece(const char* nombre, const void* valor, Lector lector,
                 int clase);

    bool seguida_ = false;
  };

 private:
  // A variable that lives now.
  struct Viva {
    int variable;
    const void* valor;
    Variable::Lector lector;
  };
  // The value last kept of a variable, if one was.
  struct Ultimo {
    bool vivia = false;  // at the call before
    long long valor = 0;
  };

  static Seguimiento*& Actual();
  int Llamadas() const;
  static int Indice(std::vector<std::string>& tabla,
                    std::map<std::string, int>& indices, const char* nombre);

  Contenedor_Registro& registro_;
  Seguido seguido_;
  std::map<std::string, int> indices_de_funciones_;
  std::map<std::string, int> indices_de_nombres_;
  // A variable by its run, its place in memory and its name: a loop's
  // variable, registered again at each turn, stays one variable.
  std::map<std::tuple<int, const void*, int>, int> indices_de_variables_;
  std::vector<int> abiertos_;  // the runs not yet left, outermost first
  std::vector<Viva> vivas_;
  std::vector<Ultimo> ultimos_;   // by variable
  std::vector<int> vivas_antes_;  // the variables read at the call before
};

#endif  // ORDENAMIENTO_RECORDING_SEGUIMIENTO_H_
