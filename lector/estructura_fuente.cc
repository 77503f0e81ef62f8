#include "lector/estructura_fuente.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "lector/llamadas_escritas.h"

namespace {

bool Es_Signo(const Ficha& f, std::string_view signo) {
  return f.clase == Ficha::Clase::kSigno && f.texto == signo;
}

// Where a declaration at namespace or class scope stands.
struct Ambito {
  bool es_clase = false;
  std::string clase;  // the class's name, if it has one
};

// What the head of a declaration has shown so far, read up to its body or
// its ';'.
struct Cabecera {
  std::string clave;             // class, struct, union or enum, if first
  std::string nombre_de_clase;   // the name after that key
  bool espacio = false;          // namespace, or extern "C"
  bool igual = false;            // an '=' outside brackets
  bool constante = false;        // constexpr or consteval
  bool inicializadores = false;  // past a constructor's ':'
  bool llaves = false;           // an initializer in braces
  std::size_t parentesis = kNingunaFicha;  // the '(' of a function's parameters
  std::string nombre;                      // the function's, or the variable's
  std::string calificador;                 // X in X::nombre
  int angulos = 0;                         // template brackets open
  bool primera_palabra = true;             // nothing but specifiers read yet
};

// Reads the definitions of a file's code, the tokens outside preprocessing
// lines, with its braces, brackets and parentheses paired.
class Lector_De_Definiciones {
 public:
  explicit Lector_De_Definiciones(const std::vector<Ficha>& fichas)
      : fichas_(fichas) {
    for (std::size_t i = 0; i < fichas.size(); ++i) {
      if (!fichas[i].en_directiva) {
        codigo_.push_back(i);
      }
    }
  }

  void Lea() { Lea_Declaraciones(Ambito{}, false); }

  std::vector<Definicion> definiciones;
  Problema problema;

 private:
  std::size_t Cuantas() const { return codigo_.size(); }
  const Ficha& F(std::size_t p) const { return fichas_[codigo_[p]]; }
  bool Es(std::size_t p, std::string_view signo) const {
    return p < Cuantas() && Es_Signo(F(p), signo);
  }

  void Falle(const std::string& en_ingles, const std::string& en_espanol) {
    if (!problema.Hay()) {
      problema = {en_ingles, en_espanol};
    }
  }

  // Notes that the sign f is never closed (abre) or closes nothing.
  void Falle_En(const Ficha& f, bool abre) {
    const std::string linea = std::to_string(f.linea);
    Falle("a '" + f.texto + "' on line " + linea +
              (abre ? " is never closed" : " closes nothing"),
          "el signo '" + f.texto + "' de la línea " + linea +
              (abre ? " no se cierra nunca" : " no cierra nada"));
  }

  // The position of the sign that closes the one at p, or Cuantas() where
  // the signs do not pair up, which is then the problem.
  std::size_t Pareja(std::size_t p) {
    std::string abiertos;
    for (std::size_t q = p; q < Cuantas(); ++q) {
      const Ficha& f = F(q);
      const char c = f.texto.size() == 1 ? f.texto[0] : ' ';
      if (f.clase != Ficha::Clase::kSigno) {
        continue;
      }
      if (c == '(' || c == '[' || c == '{') {
        abiertos.push_back(c == '(' ? ')' : c == '[' ? ']' : '}');
      } else if (c == ')' || c == ']' || c == '}') {
        if (abiertos.empty() || abiertos.back() != c) {
          Falle_En(f, false);
          return Cuantas();
        }
        abiertos.pop_back();
        if (abiertos.empty()) {
          return q;
        }
      }
    }
    Falle_En(F(p), true);
    return Cuantas();
  }

  void Lea_Declaraciones(const Ambito& ambito, bool anidado) {
    while (!problema.Hay()) {
      if (p_ >= Cuantas()) {
        if (anidado) {
          Falle("a '{' is never closed", "una llave '{' no se cierra nunca");
        }
        return;
      }
      const Ficha& f = F(p_);
      if (Es_Signo(f, "}")) {
        if (!anidado) {
          Falle_En(f, false);
        }
        ++p_;
        return;
      }
      if (Es_Signo(f, ";")) {
        ++p_;
      } else if (ambito.es_clase &&
                 (f.Es("public") || f.Es("private") || f.Es("protected")) &&
                 Es(p_ + 1, ":")) {
        p_ += 2;
      } else {
        Lea_Declaracion(ambito);
      }
    }
  }

  // Notes a word of a declaration's head read outside brackets.
  static void Tome_Palabra(Cabecera& c, const Ficha& f, bool antes_de_igual) {
    const bool clave =
        f.Es("class") || f.Es("struct") || f.Es("union") || f.Es("enum");
    if (f.Es("constexpr") || f.Es("consteval")) {
      c.constante = true;
    } else if (f.Es("namespace")) {
      c.espacio = true;
    } else if (clave && c.primera_palabra) {
      c.clave = f.texto;
    } else if (!c.clave.empty() && c.nombre_de_clase.empty() &&
               !f.Es("class") && !f.Es("final") && !f.Es("alignas")) {
      c.nombre_de_clase = f.texto;
    }
    if (!(f.Es("template") || f.Es("static") || f.Es("inline") ||
          f.Es("extern") || f.Es("constexpr") || f.Es("consteval") ||
          f.Es("typedef") || f.Es("friend"))) {
      c.primera_palabra = false;
    }
    if (antes_de_igual && c.parentesis == kNingunaFicha) {
      c.nombre = f.texto;
    }
  }

  // operator(), operator<, operator new[], operator int: the name runs
  // from p to the '(' of the parameters, where it leaves p.
  std::string Nombre_De_Operador() {
    std::string nombre = F(p_).texto;
    ++p_;
    if (Es(p_, "(") && Es(p_ + 1, ")")) {
      p_ += 2;
      return nombre + "()";
    }
    while (p_ < Cuantas() && !Es(p_, "(")) {
      nombre += F(p_).texto;
      ++p_;
    }
    return nombre;
  }

  void Lea_Declaracion(const Ambito& ambito) {
    const std::size_t inicio = p_;
    Cabecera c;
    while (p_ < Cuantas() && !problema.Hay()) {
      const Ficha& f = F(p_);
      if (Es_Signo(f, "}")) {
        return;
      }
      if (Es_Signo(f, ";")) {
        Guarde_Declaracion(inicio, p_, c, ambito);
        ++p_;
        return;
      }
      if (Es_Signo(f, "{")) {
        if (Lea_Llave(inicio, c, ambito)) {
          return;
        }
      } else if (f.Es("operator") && c.parentesis == kNingunaFicha &&
                 !c.igual) {
        c.nombre = Nombre_De_Operador();
        c.calificador = Calificador(p_ - 1);
        c.parentesis = p_;
      } else if (Es_Signo(f, "(") || Es_Signo(f, "[")) {
        Lea_Parentesis(inicio, c);
      } else {
        Tome_Ficha(inicio, c);
        ++p_;
      }
    }
  }

  // A '(' or '[' at p of a declaration's head, and what it holds: the
  // first '(' after a name, outside template brackets and before any '=',
  // opens a function's parameters.
  void Lea_Parentesis(std::size_t inicio, Cabecera& c) {
    if (Es(p_, "(") && c.parentesis == kNingunaFicha && c.angulos == 0 &&
        !c.igual && c.clave.empty() && p_ > inicio && F(p_ - 1).Es_Nombre()) {
      c.parentesis = p_;
      c.nombre = (Es(p_ - 2, "~") ? "~" : "") + F(p_ - 1).texto;
      c.calificador = Calificador(p_ - 1);
    }
    p_ = Pareja(p_) + 1;
  }

  // Any other token at p of a declaration's head, outside brackets.
  void Tome_Ficha(std::size_t inicio, Cabecera& c) const {
    const Ficha& f = F(p_);
    const bool tras_nombre = p_ > inicio && F(p_ - 1).Es_Nombre();
    if (Es_Signo(f, "<") && (c.angulos > 0 || tras_nombre)) {
      ++c.angulos;
    } else if (Es_Signo(f, ">") && c.angulos > 0) {
      --c.angulos;
    } else if (Es_Signo(f, "=") && c.angulos == 0) {
      c.igual = true;
    } else if (Es_Signo(f, ":") && c.parentesis != kNingunaFicha) {
      c.inicializadores = true;
    } else if (f.Es("extern") && p_ + 1 < Cuantas() &&
               F(p_ + 1).clase == Ficha::Clase::kLiteral && Es(p_ + 2, "{")) {
      c.espacio = true;
    } else if (f.Es_Nombre() && c.angulos == 0) {
      Tome_Palabra(c, f, !c.igual);
    }
  }

  // A '{' at p outside brackets: a namespace's or a class's body, a
  // function's, or an initializer. True where the declaration has ended.
  bool Lea_Llave(std::size_t inicio, Cabecera& c, const Ambito& ambito) {
    if (c.espacio) {
      ++p_;
      Lea_Declaraciones(Ambito{}, true);
      return true;
    }
    const bool de_clase =
        c.clave == "class" || c.clave == "struct" || c.clave == "union";
    if (de_clase && !c.igual && c.parentesis == kNingunaFicha) {
      ++p_;
      Lea_Declaraciones(Ambito{true, c.nombre_de_clase}, true);
      c.clave.clear();
      return false;
    }
    const bool de_inicializador =
        c.inicializadores && (F(p_ - 1).Es_Nombre() || Es(p_ - 1, ">"));
    if (c.parentesis != kNingunaFicha && !c.igual && c.clave.empty() &&
        !de_inicializador) {
      Guarde_Funcion(inicio, c, ambito);
      return true;
    }
    c.llaves = c.llaves || c.parentesis == kNingunaFicha;
    p_ = Pareja(p_) + 1;
    return false;
  }

  // The class that qualifies the name at p: X in X::f or X<T>::f.
  std::string Calificador(std::size_t p) const {
    std::size_t q = p;
    while (q > 0 && !F(q).Es_Nombre()) {
      --q;  // the signs of an operator's name
    }
    if (q < 2 || !Es(q - 1, "::")) {
      return "";
    }
    std::size_t r = q - 2;
    if (Es(r, ">")) {
      int profundidad = 0;
      for (; r > 0; --r) {
        profundidad += Es(r, ">") ? 1 : Es(r, "<") ? -1 : 0;
        if (profundidad == 0) {
          break;
        }
      }
      r = r > 0 ? r - 1 : r;
    }
    return F(r).Es_Nombre() ? F(r).texto : "";
  }

  // Keeps the definition named as c says, from the token at inicio to the
  // one at fin.
  void Guarde(std::size_t inicio, std::size_t fin, const Cabecera& c,
              const Ambito& ambito, std::size_t cuerpo) {
    Definicion d;
    d.nombre = c.nombre;
    d.clase = c.calificador.empty() ? ambito.clase : c.calificador;
    d.desde = F(inicio).linea;
    d.hasta = F(fin).linea;
    d.primera = codigo_[inicio];
    d.ultima = codigo_[fin];
    if (cuerpo != kNingunaFicha) {
      d.cuerpo = c.constante ? kNingunaFicha : codigo_[cuerpo];
      d.parametros = codigo_[c.parentesis];
    }
    definiciones.push_back(std::move(d));
  }

  // A function whose body opens at p, with the handlers of a
  // function-try-block that follow it.
  void Guarde_Funcion(std::size_t inicio, const Cabecera& c,
                      const Ambito& ambito) {
    const std::size_t cuerpo = p_;
    std::size_t fin = Pareja(p_);
    while (fin + 1 < Cuantas() && F(fin + 1).Es("catch")) {
      std::size_t q = fin + 2;
      if (Es(q, "(")) {
        q = Pareja(q) + 1;
      }
      if (!Es(q, "{")) {
        break;
      }
      fin = Pareja(q);
    }
    p_ = std::min(fin + 1, Cuantas());
    if (fin < Cuantas()) {
      Guarde(inicio, fin, c, ambito, cuerpo);
    }
  }

  // A declaration that ends at the ';' at fin: a variable's with an
  // initializer, which may hold code, is kept.
  void Guarde_Declaracion(std::size_t inicio, std::size_t fin,
                          const Cabecera& c, const Ambito& ambito) {
    if ((c.igual || c.llaves) && !c.nombre.empty() && c.clave.empty() &&
        c.parentesis == kNingunaFicha) {
      Guarde(inicio, fin, c, ambito, kNingunaFicha);
    }
  }

  const std::vector<Ficha>& fichas_;
  std::vector<std::size_t> codigo_;  // the indices of the code's tokens
  std::size_t p_ = 0;                // the position read, in codigo_
};

}  // namespace

Estructura_Fuente::Estructura_Fuente(const Texto_Fuente& texto)
    : llamadas_(Llamadas_Escritas(texto.Fichas())),
      lambdas_(Lambdas_Escritas(texto.Fichas())) {
  const std::vector<Ficha>& fichas = texto.Fichas();
  Lector_De_Definiciones lector(fichas);
  lector.Lea();
  definiciones_ = std::move(lector.definiciones);
  problema_ = std::move(lector.problema);
  for (Definicion& d : definiciones_) {
    for (std::size_t i = d.primera; i <= d.ultima && i < fichas.size(); ++i) {
      if (fichas[i].Es_Nombre() && !fichas[i].en_directiva) {
        d.nombrados.insert(fichas[i].texto);
      }
    }
    d.llama_a_la_interfaz = std::any_of(
        llamadas_.begin(), llamadas_.end(), [&d](const Llamada_Escrita& l) {
          return l.parentesis > d.primera && l.parentesis < d.ultima;
        });
  }
}
