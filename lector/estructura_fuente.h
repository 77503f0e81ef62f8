#ifndef ORDENAMIENTO_LECTOR_ESTRUCTURA_FUENTE_H_
#define ORDENAMIENTO_LECTOR_ESTRUCTURA_FUENTE_H_

#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "lector/llamadas_escritas.h"
#include "lector/texto_fuente.h"

// A definition that holds code: a function (free, a member defined in its
// class or out of it, an operator() ...), or a declaration whose
// initializer holds code, such as a lambda at namespace scope. Token
// indices are into Texto_Fuente::Fichas().
struct Definicion {
  std::string nombre;  // Particione, operator(), or the declared variable's
  std::string clase;   // X in X::Ordene, or the class it is defined in
  int desde = 0;       // its first line: its template<...> or its type
  int hasta = 0;       // its last line
  std::size_t primera = 0;  // its first token
  std::size_t ultima = 0;   // its last token
  // The '{' that opens a function's body; kNingunaFicha for a declaration,
  // and for a constexpr function, in which no object of the recording may
  // stand.
  std::size_t cuerpo = kNingunaFicha;
  std::size_t parametros = kNingunaFicha;  // the '(' of a function's
  std::set<std::string> nombrados;         // every name its code mentions
  bool llama_a_la_interfaz = false;        // it calls Es_Menor or Intercambie
};

// Why the structure of a file could not be followed, in English for the
// build's warning and in Spanish for the page.
struct Problema {
  std::string en_ingles;
  std::string en_espanol;
  bool Hay() const { return !en_ingles.empty(); }
};

// The structure of a C++ source file as far as the replay needs it: its
// definitions that hold code, its lambdas, and its calls of the interface.
// Braces are paired as the compiler pairs them, once comments, literals and the
// code of #if 0 are set aside. Where they do not pair up (a brace written in a
// macro, say), Problema() says so, and the definitions found are not to be
// trusted; the calls still are, since they are read from the tokens alone.
class Estructura_Fuente {
 public:
  explicit Estructura_Fuente(const Texto_Fuente& texto);

  const std::vector<Definicion>& Definiciones() const { return definiciones_; }
  const std::vector<Llamada_Escrita>& Llamadas() const { return llamadas_; }
  const std::vector<Lambda_Escrita>& Lambdas() const { return lambdas_; }
  const Problema& Problema_De_Lectura() const { return problema_; }

 private:
  std::vector<Definicion> definiciones_;
  std::vector<Llamada_Escrita> llamadas_;
  std::vector<Lambda_Escrita> lambdas_;
  Problema problema_;
};

#endif  // ORDENAMIENTO_LECTOR_ESTRUCTURA_FUENTE_H_
