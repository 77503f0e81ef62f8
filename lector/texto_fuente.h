#ifndef ORDENAMIENTO_LECTOR_TEXTO_FUENTE_H_
#define ORDENAMIENTO_LECTOR_TEXTO_FUENTE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// One token of a C++ source file: a name (identifiers and keywords alike), a
// number, a string or character literal (raw ones included), or a sign.
// inicio and fin are byte offsets into the file itself, so that a copy of
// the file can be changed at the token's place; texto is the token as the
// compiler reads it, with any backslash-newline inside it removed.
struct Ficha {
  enum class Clase { kNombre, kNumero, kLiteral, kSigno };

  Clase clase = Clase::kSigno;
  std::string texto;
  std::size_t inicio = 0;     // the offset of its first byte
  std::size_t fin = 0;        // the offset just past its last byte
  int linea = 0;              // the line of its first byte, from 1
  bool en_directiva = false;  // part of a preprocessing line (#define ...)

  bool Es(const char* otro) const { return texto == otro; }
  bool Es_Nombre() const { return clase == Clase::kNombre; }
};

// A C++ source file read as a compiler's first phases read it: lines
// continued with a backslash are joined, comments are dropped, a string or
// character literal is one token whatever it holds, and a preprocessing
// line (# first on its line) is marked as such. Code that the compiler
// never sees is dropped: the lines of an `#if 0` (or `#if false`) group, and
// those of an `#else` or `#elif` after an `#if 1`. Every other conditional
// group is kept, since its condition is not known here. A literal left open
// ends at its line's end, so that any text can be read.
class Texto_Fuente {
 public:
  explicit Texto_Fuente(std::string texto);

  // The file at ruta, or nothing if it cannot be read.
  static std::optional<Texto_Fuente> Lea(const std::string& ruta);

  // The file's bytes, as read.
  const std::string& Texto() const { return texto_; }
  // Its tokens in order, those of preprocessing lines included.
  const std::vector<Ficha>& Fichas() const { return fichas_; }
  // Its lines without their ends (LF, or CR LF), from line 1.
  std::vector<std::string> Lineas() const;

 private:
  void Lea_Fichas();

  std::string texto_;
  std::vector<Ficha> fichas_;
};

#endif  // ORDENAMIENTO_LECTOR_TEXTO_FUENTE_H_
