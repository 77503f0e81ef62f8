#ifndef ORDENAMIENTO_LECTOR_SEGUIMIENTO_ESCRITO_H_
#define ORDENAMIENTO_LECTOR_SEGUIMIENTO_ESCRITO_H_

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "lector/llamadas_escritas.h"
#include "lector/texto_fuente.h"

// A function or a lambda of a strategy that the replay follows: the name
// the page gives it, the '(' of its parameters (kNingunaFicha if none) and
// the '{' of its body.
struct Funcion_Seguida {
  std::string nombre;
  std::size_t parametros = kNingunaFicha;
  std::size_t llave = kNingunaFicha;
};

// Adds to inserciones (text to write at an offset of the file, in order)
// what the replay's copy writes into funcion so that a Seguimiento
// (recording/seguimiento.h) follows it, with nothing else of its code
// changed and every line where it stands:
//
// - at the start of its body, a Seguimiento::Marco that names it, and a
//   Seguimiento::Variable for each named parameter;
// - after each declaration that starts a statement and gives each of its
//   variables an initial value, with an integral type (int, long,
//   unsigned, std::size_t, ... or auto), a Seguimiento::Variable for each;
// - for a variable declared where a for loop starts, whose body is in
//   braces, one at the start of the body, and a temporary one at the start
//   of the loop's condition, which lives while the condition is computed.
//
// A variable counts as a position where the function passes it whole, as
// an argument of its own, to Es_Menor or Intercambie (llamadas). The
// lambdas of lambdas lie outside funcion's body: each is followed apart.
// Declarations in any other form are left out; a variable left out is
// never shown, and so never shown wrong. contador numbers the objects
// written, so that no two share a name.
void Escriba_Seguimiento(const std::vector<Ficha>& fichas,
                         const Funcion_Seguida& funcion,
                         const std::vector<Lambda_Escrita>& lambdas,
                         const std::vector<Llamada_Escrita>& llamadas,
                         std::map<std::size_t, std::string>& inserciones,
                         int& contador);

#endif  // ORDENAMIENTO_LECTOR_SEGUIMIENTO_ESCRITO_H_
