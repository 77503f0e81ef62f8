#ifndef ORDENAMIENTO_LECTOR_CODIGO_ESTRATEGIA_H_
#define ORDENAMIENTO_LECTOR_CODIGO_ESTRATEGIA_H_

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "lector/estructura_fuente.h"
#include "lector/texto_fuente.h"

// One of a strategy's two files: where it is, how the page and the build's
// warnings name it (from the project's folder), and its text.
struct Archivo_Fuente {
  std::string ruta;
  std::string nombre;
  Texto_Fuente texto;
};

// A strategy's code as the replay sees it: its header and its source read
// together, since Ordene may call helpers defined in either.
//
// The code panel shows the strategy's Ordene, every definition of either
// file that calls Es_Menor or Intercambie, and every one that these name, to
// the end: its helpers, in any number, recursion included, and lambdas or
// tables at namespace scope that they use. Where a file's braces do not
// pair up, or no definition of Ordene is found, the panel shows the file
// whole, and the build says why.
//
// The replay builds copies of both files in which each call of the
// interface notes the line where its name stands (n on line n of the
// source, -n on line n of the header), and each function shown notes its
// entry, so that a call made in the arguments of another leaves that
// other's line as it was. The notes are written into the copy without
// touching the call's arguments, and keep every line where it stands:
//
//   C.Es_Menor(j, m)   becomes   C.Es_Menor(::Contenedor_Registro::Linea{14} =
//   j, m)
//
// A call written inside a macro's definition cannot be numbered so; it is
// named instead, by the build's warnings and by the page.
class Codigo_Estrategia {
 public:
  Codigo_Estrategia(std::string clase, Archivo_Fuente cabecera,
                    Archivo_Fuente fuente);

  // A run of lines the panel shows: lines desde to hasta of the header or
  // of the source.
  struct Tramo {
    bool de_cabecera;
    int desde;
    int hasta;
  };
  // A call never lit, since it is written inside a macro's definition.
  struct Sin_Luz {
    bool de_cabecera;
    int linea;
  };

  // What the panel shows, header first, each file in its order.
  std::vector<Tramo> Tramos() const;
  std::vector<Sin_Luz> Llamadas_Sin_Luz() const;
  // Why the code cannot be followed, if it cannot: the panel then shows
  // the file whole.
  const Problema& Problema_De_Lectura() const { return problema_; }

  // What the build warns of, one line each, naming file and line.
  std::vector<std::string> Avisos() const;

  // The copy of the header (or of the source) that the replay compiles:
  // numbered, or, where that copy would not compile, the file as it is.
  std::string Copia(bool de_cabecera, bool numerada) const;

  // The strategy's entry of the page's code: Tramos() and the rest, as a
  // JSON object:
  //   {"archivo": "sorting/x.cc", "cabecera": "sorting/x.h", "aviso": null,
  //    "tramos": [{"archivo": "sorting/x.h", "desde": 12, "lineas": [...]}],
  //    "sin_luz": [{"archivo": ..., "linea": 14, "motivo": "..."}]}
  // "aviso" says in Spanish why the code is shown whole, if it is.
  std::string Json() const;

 private:
  // One definition of one of the two files.
  struct Lugar {
    bool de_cabecera;
    const Definicion* definicion;
  };

  const Archivo_Fuente& Archivo(bool de_cabecera) const {
    return de_cabecera ? cabecera_ : fuente_;
  }
  const Estructura_Fuente& Estructura(bool de_cabecera) const {
    return de_cabecera ? estructura_cabecera_ : estructura_fuente_;
  }
  // Adds to inserciones what follows each function shown of one file, and
  // each lambda in it (lector/seguimiento_escrito.h).
  void Siga_Mostradas(bool de_cabecera,
                      std::map<std::size_t, std::string>& inserciones) const;
  // Whether the panel shows a file whole, as it does where it cannot be
  // followed.
  bool Entera(bool de_cabecera) const;
  void Elija_Mostradas();

  std::string clase_;
  Archivo_Fuente cabecera_;
  Archivo_Fuente fuente_;
  Estructura_Fuente estructura_cabecera_;
  Estructura_Fuente estructura_fuente_;
  Problema problema_;  // why the code cannot be followed, if it cannot
  std::vector<Lugar> mostradas_;
};

#endif  // ORDENAMIENTO_LECTOR_CODIGO_ESTRATEGIA_H_
