#include "lector/texto_fuente.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>

namespace {

bool Es_De_Nombre(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') || c == '_' || c == '$' || u >= 0x80;
}

bool Es_Cifra(char c) { return c >= '0' && c <= '9'; }

bool Es_Blanco(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The file as the compiler reads it once lines continued with a backslash
// are joined: logico[k] is a character of that text, and fisico[k] the
// offset in the file of the byte it came from.
struct Texto_Unido {
  std::string logico;
  std::vector<std::size_t> fisico;
};

Texto_Unido Una_Lineas(const std::string& texto) {
  Texto_Unido unido;
  for (std::size_t p = 0; p < texto.size(); ++p) {
    if (texto[p] == '\\') {
      std::size_t q = p + 1;
      if (q < texto.size() && texto[q] == '\r') {
        ++q;
      }
      if (q < texto.size() && texto[q] == '\n') {
        p = q;
        continue;
      }
    }
    unido.logico.push_back(texto[p]);
    unido.fisico.push_back(p);
  }
  return unido;
}

// Whether the code of the current conditional group reaches the compiler:
// one entry per #if open. A group whose condition is not 0 or 1 is taken as
// seen, and so are the groups after it.
class Condicionales {
 public:
  bool Activo() const {
    return std::all_of(pila_.begin(), pila_.end(),
                       [](const Grupo& g) { return g.activo; });
  }

  // Takes the directive whose words (after '#') are palabras.
  void Tome(const std::vector<std::string>& palabras) {
    if (palabras.empty()) {
      return;
    }
    const std::string& nombre = palabras.front();
    const Valor valor = Valor_De(palabras);
    if (nombre == "if") {
      pila_.push_back({valor != Valor::kFalso, valor == Valor::kCierto,
                       valor == Valor::kDesconocido});
    } else if (nombre == "ifdef" || nombre == "ifndef") {
      pila_.push_back({true, false, true});
    } else if (pila_.empty()) {
      return;
    } else if (nombre == "elif" || nombre == "else") {
      Grupo& g = pila_.back();
      const Valor este = nombre == "else" ? Valor::kCierto : valor;
      if (g.tomado) {
        g.activo = false;
      } else {
        g.activo = g.dudoso || este != Valor::kFalso;
        g.tomado = !g.dudoso && este == Valor::kCierto;
        g.dudoso = g.dudoso || este == Valor::kDesconocido;
      }
    } else if (nombre == "endif") {
      pila_.pop_back();
    }
  }

 private:
  enum class Valor { kFalso, kCierto, kDesconocido };

  struct Grupo {
    bool activo;  // whether its current group's code is seen
    bool tomado;  // whether an earlier group was surely taken
    bool dudoso;  // whether an earlier condition was not known
  };

  // The condition of #if or #elif: 0 or false, 1 or true, or not known.
  static Valor Valor_De(const std::vector<std::string>& palabras) {
    if (palabras.size() != 2) {
      return Valor::kDesconocido;
    }
    if (palabras[1] == "0" || palabras[1] == "false") {
      return Valor::kFalso;
    }
    if (palabras[1] == "1" || palabras[1] == "true") {
      return Valor::kCierto;
    }
    return Valor::kDesconocido;
  }

  std::vector<Grupo> pila_;
};

// Reads the tokens of a joined text, one at a time.
class Lector_De_Fichas {
 public:
  Lector_De_Fichas(const std::string& texto, std::vector<Ficha>& fichas)
      : unido_(Una_Lineas(texto)), fichas_(fichas) {
    for (std::size_t p = 0; p < texto.size(); ++p) {
      if (texto[p] == '\n') {
        comienzos_.push_back(p + 1);
      }
    }
  }

  void Lea() {
    const std::string& s = unido_.logico;
    while (k_ < s.size()) {
      const char c = s[k_];
      if (c == '\n') {
        Termine_Directiva();
        inicio_de_linea_ = true;
        ++k_;
      } else if (Es_Blanco(c)) {
        ++k_;
      } else if (s.compare(k_, 2, "//") == 0) {
        k_ = std::min(s.size(), s.find('\n', k_));
      } else if (s.compare(k_, 2, "/*") == 0) {
        const std::size_t cierre = s.find("*/", k_ + 2);
        k_ = cierre == std::string::npos ? s.size() : cierre + 2;
      } else {
        if (inicio_de_linea_ && c == '#') {
          en_directiva_ = true;
          directiva_ = fichas_.size();
        }
        inicio_de_linea_ = false;
        Lea_Ficha();
      }
    }
    Termine_Directiva();
  }

 private:
  char En(std::size_t k) const {
    return k < unido_.logico.size() ? unido_.logico[k] : '\0';
  }

  int Linea_De(std::size_t offset) const {
    return static_cast<int>(std::distance(
        comienzos_.begin(),
        std::upper_bound(comienzos_.begin(), comienzos_.end(), offset)));
  }

  // Keeps the token from logical character desde to k_, unless it stands
  // in code the compiler does not see.
  void Guarde(Ficha::Clase clase, std::size_t desde) {
    if (!condicionales_.Activo() && !en_directiva_) {
      return;
    }
    Ficha ficha;
    ficha.clase = clase;
    ficha.texto = unido_.logico.substr(desde, k_ - desde);
    ficha.inicio = unido_.fisico[desde];
    ficha.fin = unido_.fisico[k_ - 1] + 1;
    ficha.linea = Linea_De(ficha.inicio);
    ficha.en_directiva = en_directiva_;
    fichas_.push_back(std::move(ficha));
  }

  // A preprocessing line ends: a conditional one changes what is seen, and
  // none is kept where it is not.
  void Termine_Directiva() {
    if (!en_directiva_) {
      return;
    }
    en_directiva_ = false;
    std::vector<std::string> palabras;
    for (std::size_t f = directiva_ + 1; f < fichas_.size(); ++f) {
      palabras.push_back(fichas_[f].texto);
    }
    const bool antes = condicionales_.Activo();
    condicionales_.Tome(palabras);
    if (!antes || !condicionales_.Activo()) {
      fichas_.resize(directiva_);
    }
  }

  void Lea_Ficha() {
    const std::string& s = unido_.logico;
    const std::size_t desde = k_;
    const char c = s[k_];
    if (Es_Cifra(c) || (c == '.' && Es_Cifra(En(k_ + 1)))) {
      Lea_Numero();
      Guarde(Ficha::Clase::kNumero, desde);
    } else if (Es_De_Nombre(c)) {
      while (Es_De_Nombre(En(k_))) {
        ++k_;
      }
      const std::string nombre = s.substr(desde, k_ - desde);
      const char siguiente = En(k_);
      if (siguiente == '"' &&
          (nombre == "R" || nombre == "u8R" || nombre == "uR" ||
           nombre == "UR" || nombre == "LR")) {
        Lea_Crudo();
        Guarde(Ficha::Clase::kLiteral, desde);
      } else if ((siguiente == '"' || siguiente == '\'') &&
                 (nombre == "u8" || nombre == "u" || nombre == "U" ||
                  nombre == "L")) {
        Lea_Literal(siguiente);
        Guarde(Ficha::Clase::kLiteral, desde);
      } else {
        Guarde(Ficha::Clase::kNombre, desde);
      }
    } else if (c == '"' || c == '\'') {
      Lea_Literal(c);
      Guarde(Ficha::Clase::kLiteral, desde);
    } else {
      const bool doble =
          (c == ':' && En(k_ + 1) == ':') || (c == '-' && En(k_ + 1) == '>');
      k_ += doble ? 2 : 1;
      Guarde(Ficha::Clase::kSigno, desde);
    }
  }

  // A number, digit separators and exponents' signs included.
  void Lea_Numero() {
    while (true) {
      const char c = En(k_);
      const bool signo_de_exponente =
          (c == '+' || c == '-') &&
          std::string("eEpP").find(En(k_ - 1)) != std::string::npos;
      if (Es_De_Nombre(c) || c == '.' || signo_de_exponente) {
        ++k_;
      } else if (c == '\'' && Es_De_Nombre(En(k_ + 1))) {
        k_ += 2;
      } else {
        return;
      }
    }
  }

  // A string or character literal from its opening comilla, and its
  // suffix; one left open ends at its line's end.
  void Lea_Literal(char comilla) {
    ++k_;
    while (k_ < unido_.logico.size()) {
      const char c = En(k_);
      if (c == '\n') {
        return;
      }
      ++k_;
      if (c == '\\') {
        k_ = std::min(k_ + 1, unido_.logico.size());
      } else if (c == comilla) {
        break;
      }
    }
    while (Es_De_Nombre(En(k_))) {
      ++k_;
    }
  }

  // A raw string, R"delimiter( ... )delimiter", from its opening comilla.
  void Lea_Crudo() {
    const std::string& s = unido_.logico;
    const std::size_t parentesis = s.find('(', k_);
    if (parentesis == std::string::npos) {
      Lea_Literal('"');
      return;
    }
    const std::string cierre =
        ")" + s.substr(k_ + 1, parentesis - k_ - 1) + "\"";
    const std::size_t fin = s.find(cierre, parentesis);
    k_ = fin == std::string::npos ? s.size() : fin + cierre.size();
    while (Es_De_Nombre(En(k_))) {
      ++k_;
    }
  }

  Texto_Unido unido_;
  std::vector<Ficha>& fichas_;
  std::vector<std::size_t> comienzos_{0};
  Condicionales condicionales_;
  std::size_t k_ = 0;
  bool inicio_de_linea_ = true;
  bool en_directiva_ = false;
  std::size_t directiva_ = 0;
};

}  // namespace

Texto_Fuente::Texto_Fuente(std::string texto) : texto_(std::move(texto)) {
  Lea_Fichas();
}

std::optional<Texto_Fuente> Texto_Fuente::Lea(const std::string& ruta) {
  std::ifstream archivo(ruta, std::ios::binary);
  if (!archivo) {
    return std::nullopt;
  }
  std::ostringstream texto;
  texto << archivo.rdbuf();
  if (archivo.bad()) {
    return std::nullopt;
  }
  return Texto_Fuente(texto.str());
}

std::vector<std::string> Texto_Fuente::Lineas() const {
  std::vector<std::string> lineas;
  std::size_t desde = 0;
  while (desde < texto_.size()) {
    std::size_t fin = texto_.find('\n', desde);
    const std::size_t siguiente =
        fin == std::string::npos ? texto_.size() : fin + 1;
    if (fin == std::string::npos) {
      fin = texto_.size();
    }
    if (fin > desde && texto_[fin - 1] == '\r') {
      --fin;
    }
    lineas.push_back(texto_.substr(desde, fin - desde));
    desde = siguiente;
  }
  return lineas;
}

void Texto_Fuente::Lea_Fichas() {
  Lector_De_Fichas lector(texto_, fichas_);
  lector.Lea();
}
