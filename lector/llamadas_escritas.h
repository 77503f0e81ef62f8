#ifndef ORDENAMIENTO_LECTOR_LLAMADAS_ESCRITAS_H_
#define ORDENAMIENTO_LECTOR_LLAMADAS_ESCRITAS_H_

#include <cstddef>
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

// The '{' of each lambda's body among a file's tokens, but those of
// constexpr lambdas, in which no object of the recording may stand.
std::vector<std::size_t> Cuerpos_De_Lambdas(const std::vector<Ficha>& fichas);

#endif  // ORDENAMIENTO_LECTOR_LLAMADAS_ESCRITAS_H_
