#ifndef ORDENAMIENTO_LECTOR_LLAMADAS_ESCRITAS_H_
#define ORDENAMIENTO_LECTOR_LLAMADAS_ESCRITAS_H_

#include <cstddef>
#include <string>
#include <vector>

#include "lector/texto_fuente.h"

// A call of the sortable container's interface, as written: '.' or '->',
// then Es_Menor or Intercambie, then '(' and an argument. A declaration or
// a free function of either name is no such call.
struct Llamada_Escrita {
  int linea = 0;               // the line where its name stands
  std::size_t parentesis = 0;  // its '(' token
  bool en_macro = false;       // written inside a macro's definition
};

// The calls of the interface among a file's tokens, those of its macros'
// definitions included.
std::vector<Llamada_Escrita> Llamadas_Escritas(
    const std::vector<Ficha>& fichas);

// Where no token is.
constexpr std::size_t kNingunaFicha = static_cast<std::size_t>(-1);

// A lambda as written: the '(' of its parameters (kNingunaFicha where it
// has none), the '{' of its body, and a name for it: that of the variable
// it initializes (auto menor = [...]), or "lambda".
struct Lambda_Escrita {
  std::size_t parametros = kNingunaFicha;
  std::size_t llave = kNingunaFicha;
  std::string nombre;
};

// The lambdas among a file's tokens, but constexpr ones, in which no object
// of the recording may stand.
std::vector<Lambda_Escrita> Lambdas_Escritas(const std::vector<Ficha>& fichas);

// The position after the sign at p paired with it, counting only tokens of
// the same kind (preprocessing or code) as p: for '<', template brackets;
// otherwise parentheses, brackets and braces. fichas.size() if none.
std::size_t Tras_Pareja(const std::vector<Ficha>& fichas, std::size_t p);

#endif  // ORDENAMIENTO_LECTOR_LLAMADAS_ESCRITAS_H_
