#ifndef ORDENAMIENTO_LECTOR_REGISTRO_ESTRATEGIAS_H_
#define ORDENAMIENTO_LECTOR_REGISTRO_ESTRATEGIAS_H_

#include <string>
#include <vector>

#include "lector/texto_fuente.h"

// The registry of strategies, sorting/estrategias.h, as the build reads it:
// the classes of its list, an empty Lista_Estrategias<> followed by one
// ::Con<Ordenador_X> per strategy and closed by ::Fin, in their order. Any
// layout C++ allows gives the same list: several on a line, comments, line
// breaks. error is one line naming what is wrong, or empty.
struct Registro_Leido {
  std::vector<std::string> clases;
  std::string error;
};
Registro_Leido Lea_Registro(const Texto_Fuente& registro,
                            const std::string& nombre);

// The class whose Ordene the source defines (X in X::Ordene), or "".
std::string Clase_Definida(const Texto_Fuente& fuente);

// The registry of the folder carpeta (named nombre in messages, "sorting"),
// read and checked against the folder: each class has its two files,
// carpeta/x.h and carpeta/x.cc, x the class's name in lower case, or error
// says which is missing; and avisos holds a line for each
// carpeta/ordenador_*.cc that no line names, which nothing would build.
struct Registro_Revisado {
  std::vector<std::string> clases;
  std::vector<std::string> avisos;
  std::string error;
};
Registro_Revisado Revise_Registro(const std::string& carpeta,
                                  const std::string& nombre);

#endif  // ORDENAMIENTO_LECTOR_REGISTRO_ESTRATEGIAS_H_
