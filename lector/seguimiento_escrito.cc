#include "lector/seguimiento_escrito.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

// Words that name a type, or qualify one, and so are no variable's name.
bool Es_Palabra_De_Tipo(const Ficha& f) {
  static const std::set<std::string> kPalabras = {
      "auto",   "bool",     "char", "const",    "constexpr",   "double",
      "float",  "int",      "long", "register", "short",       "signed",
      "static", "unsigned", "void", "volatile", "thread_local"};
  return kPalabras.count(f.texto) > 0;
}

// The types whose variables are followed: integral ones, as spelled here,
// and auto, whose deduced type Seguimiento::Variable checks.
bool Es_Tipo_Entero(const Ficha& f) {
  static const std::set<std::string> kTipos = {
      "int",      "long",     "short",     "unsigned", "signed",
      "auto",     "size_t",   "ptrdiff_t", "int8_t",   "int16_t",
      "int32_t",  "int64_t",  "uint8_t",   "uint16_t", "uint32_t",
      "uint64_t", "intptr_t", "uintptr_t", "ssize_t"};
  return kTipos.count(f.texto) > 0;
}

// Reads tokens of one region of code: a function's body without the
// bodies of the lambdas in it.
class Region {
 public:
  Region(const std::vector<Ficha>& fichas, std::size_t llave,
         const std::vector<Lambda_Escrita>& lambdas)
      : fichas_(fichas),
        llave_(llave),
        cierre_(Tras_Pareja(fichas, llave) - 1) {
    for (const Lambda_Escrita& l : lambdas) {
      if (l.llave > llave_ && l.llave < cierre_) {
        ajenas_.emplace_back(l.llave, Tras_Pareja(fichas, l.llave) - 1);
      }
    }
  }

  std::size_t Llave() const { return llave_; }
  std::size_t Cierre() const { return cierre_; }

  // Whether token i is code of this region.
  bool Propia(std::size_t i) const {
    return i > llave_ && i < cierre_ && !fichas_[i].en_directiva &&
           std::none_of(ajenas_.begin(), ajenas_.end(),
                        [i](const std::pair<std::size_t, std::size_t>& a) {
                          return i >= a.first && i <= a.second;
                        });
  }

  bool Es(std::size_t i, const char* texto) const {
    return i < fichas_.size() && fichas_[i].Es(texto);
  }

 private:
  const std::vector<Ficha>& fichas_;
  std::size_t llave_;
  std::size_t cierre_;
  std::vector<std::pair<std::size_t, std::size_t>> ajenas_;
};

// The names that the region passes whole to Es_Menor or Intercambie: its
// calls' first arguments before their ',', and last ones before their ')'.
std::set<std::string> Posiciones(const std::vector<Ficha>& fichas,
                                 const Region& region,
                                 const std::vector<Llamada_Escrita>& llamadas) {
  std::set<std::string> nombres;
  for (const Llamada_Escrita& l : llamadas) {
    if (l.en_macro || !region.Propia(l.parentesis)) {
      continue;
    }
    const std::size_t p = l.parentesis;
    const std::size_t cierre = Tras_Pareja(fichas, p) - 1;
    if (fichas[p + 1].Es_Nombre() && region.Es(p + 2, ",")) {
      nombres.insert(fichas[p + 1].texto);
    }
    if (cierre > p + 2 && fichas[cierre - 1].Es_Nombre() &&
        region.Es(cierre - 2, ",")) {
      nombres.insert(fichas[cierre - 1].texto);
    }
  }
  return nombres;
}

// The pieces of the parameter list between the '(' at p and its ')', each
// a range of tokens [first, last), split at commas outside template
// brackets.
std::vector<std::pair<std::size_t, std::size_t>> Piezas(
    const std::vector<Ficha>& fichas, std::size_t p) {
  std::vector<std::pair<std::size_t, std::size_t>> piezas;
  const std::size_t cierre = Tras_Pareja(fichas, p) - 1;
  std::size_t desde = p + 1;
  int angulos = 0;
  for (std::size_t i = p + 1; i < cierre; ++i) {
    const Ficha& f = fichas[i];
    if (f.Es("(") || f.Es("[") || f.Es("{")) {
      i = Tras_Pareja(fichas, i) - 1;
    } else if (f.Es("<") && fichas[i - 1].Es_Nombre()) {
      ++angulos;
    } else if (f.Es(">") && angulos > 0) {
      --angulos;
    } else if (f.Es(",") && angulos == 0) {
      piezas.emplace_back(desde, i);
      desde = i + 1;
    }
  }
  piezas.emplace_back(desde, cierre);
  return piezas;
}

// The name that the parameter of tokens [desde, hasta) declares: the last
// name of its type and name, before any default, where that name is no
// type's; "" for a parameter in any other form (unnamed, a function's
// pointer, an array, a pack).
std::string Nombre_De_Parametro(const std::vector<Ficha>& fichas,
                                std::size_t desde, std::size_t hasta) {
  std::string nombre;
  int angulos = 0;
  for (std::size_t i = desde; i < hasta && !fichas[i].Es("="); ++i) {
    const Ficha& f = fichas[i];
    if (f.Es("(") || f.Es("[") || f.Es("...")) {
      return "";
    }
    angulos += f.Es("<") ? 1 : f.Es(">") ? -1 : 0;
    if (angulos == 0) {
      nombre = f.Es_Nombre() && !Es_Palabra_De_Tipo(f) ? f.texto : "";
    }
  }
  return nombre;
}

// The names of the parameters between the '(' at p and its ')'.
std::vector<std::string> Parametros(const std::vector<Ficha>& fichas,
                                    std::size_t p) {
  std::vector<std::string> nombres;
  if (p == kNingunaFicha) {
    return nombres;
  }
  for (const auto& [desde, hasta] : Piezas(fichas, p)) {
    std::string nombre = Nombre_De_Parametro(fichas, desde, hasta);
    if (!nombre.empty()) {
      nombres.push_back(std::move(nombre));
    }
  }
  return nombres;
}

// Past the type that may start a declaration at q: its specifiers and
// words. Whether it is integral, or auto.
bool Salte_Tipo(const std::vector<Ficha>& fichas, const Region& region,
                std::size_t& q) {
  bool entero = false;
  while (region.Propia(q) &&
         (Es_Palabra_De_Tipo(fichas[q]) || Es_Tipo_Entero(fichas[q]) ||
          (fichas[q].Es("std") && region.Es(q + 1, "::")))) {
    entero = entero || Es_Tipo_Entero(fichas[q]);
    q += fichas[q].Es("std") ? 2U : 1U;
  }
  return entero;
}

// Reads the declarator at q up to the ',' or ';' that ends it, where q is
// left. Whether it is one: a name, after any '&', '*' or const; nombre is
// that name where it is given an initial value, "" otherwise.
bool Lea_Declarador(const std::vector<Ficha>& fichas, const Region& region,
                    std::size_t& q, std::string& nombre) {
  while (region.Es(q, "&") || region.Es(q, "*") || region.Es(q, "&&") ||
         region.Es(q, "const")) {
    ++q;
  }
  if (!region.Propia(q) || !fichas[q].Es_Nombre() ||
      Es_Palabra_De_Tipo(fichas[q])) {
    return false;
  }
  const bool inicial =
      region.Es(q + 1, "=") || region.Es(q + 1, "{") || region.Es(q + 1, "(");
  nombre = inicial ? fichas[q].texto : "";
  for (++q; region.Propia(q) && !region.Es(q, ",") && !region.Es(q, ";");) {
    q = region.Es(q, "(") || region.Es(q, "[") || region.Es(q, "{")
            ? Tras_Pareja(fichas, q)
            : q + 1;
  }
  return region.Es(q, ",") || region.Es(q, ";");
}

// The variables declared by the declaration that may start at token i and
// end at a ';' in the region: those of integral type given an initial
// value. Sets fin to that ';'. Nothing where the tokens are not such a
// declaration.
std::vector<std::string> Declarados(const std::vector<Ficha>& fichas,
                                    const Region& region, std::size_t i,
                                    std::size_t& fin) {
  std::size_t q = i;
  if (!Salte_Tipo(fichas, region, q)) {
    return {};
  }
  std::vector<std::string> nombres;
  for (std::string nombre; Lea_Declarador(fichas, region, q, nombre); ++q) {
    if (!nombre.empty()) {
      nombres.push_back(nombre);
    }
    if (region.Es(q, ";")) {
      fin = q;
      return nombres;
    }
  }
  return {};
}

// Writes what follows one function: see Escriba_Seguimiento.
class Escritor {
 public:
  Escritor(const std::vector<Ficha>& fichas, const Funcion_Seguida& funcion,
           const std::vector<Lambda_Escrita>& lambdas,
           const std::vector<Llamada_Escrita>& llamadas,
           std::map<std::size_t, std::string>& inserciones, int& contador)
      : fichas_(fichas),
        funcion_(funcion),
        region_(fichas, funcion.llave, lambdas),
        posiciones_(Posiciones(fichas, region_, llamadas)),
        inserciones_(inserciones),
        contador_(contador) {}

  void Escriba() {
    std::string entrada = " ::Seguimiento::Marco marco_del_registro_" +
                          std::to_string(++contador_) + "{\"" +
                          funcion_.nombre + "\"};";
    for (const std::string& nombre : Parametros(fichas_, funcion_.parametros)) {
      entrada += Variable(nombre, true, false);
    }
    inserciones_[fichas_[funcion_.llave].fin] += entrada;
    std::size_t anterior = funcion_.llave;  // the region's token before i
    for (std::size_t i = funcion_.llave + 1; i < region_.Cierre(); ++i) {
      if (!region_.Propia(i)) {
        continue;
      }
      if (fichas_[i].Es("for") && region_.Es(i + 1, "(")) {
        Escriba_For(i);
      } else if (fichas_[anterior].Es("{") || fichas_[anterior].Es(";") ||
                 fichas_[anterior].Es("}")) {
        Escriba_Declaracion(i);
      }
      anterior = i;
    }
  }

 private:
  // The object that follows the variable nombre: a named one, or a
  // temporary one followed by a comma.
  std::string Variable(const std::string& nombre, bool parametro,
                       bool temporal) {
    std::vector<std::string> clases;
    if (parametro) {
      clases.emplace_back("::Seguimiento::kParametro");
    }
    if (posiciones_.count(nombre) > 0) {
      clases.emplace_back("::Seguimiento::kPosicion");
    }
    std::string clase = clases.empty() ? "::Seguimiento::kLocal" : clases[0];
    if (clases.size() > 1) {
      clase += " | " + clases[1];
    }
    const std::string argumentos =
        "\"" + nombre + "\", " + nombre + ", " + clase;
    return temporal ? "::Seguimiento::Variable(" + argumentos + "), "
                    : " ::Seguimiento::Variable variable_del_registro_" +
                          std::to_string(++contador_) + "{" + argumentos + "};";
  }

  // A for loop at token i whose first part declares variables, and whose
  // body is in braces.
  void Escriba_For(std::size_t i) {
    std::size_t fin = 0;
    const std::vector<std::string> nombres =
        Declarados(fichas_, region_, i + 2, fin);
    const std::size_t cierre = Tras_Pareja(fichas_, i + 1) - 1;
    if (nombres.empty() || !region_.Es(cierre + 1, "{")) {
      return;
    }
    for (const std::string& nombre : nombres) {
      if (!region_.Es(fin + 1, ";")) {
        inserciones_[fichas_[fin + 1].inicio] += Variable(nombre, false, true);
      }
      inserciones_[fichas_[cierre + 1].fin] += Variable(nombre, false, false);
    }
  }

  // A declaration that may start the statement at token i.
  void Escriba_Declaracion(std::size_t i) {
    std::size_t fin = 0;
    for (const std::string& nombre : Declarados(fichas_, region_, i, fin)) {
      inserciones_[fichas_[fin].fin] += Variable(nombre, false, false);
    }
  }

  const std::vector<Ficha>& fichas_;
  const Funcion_Seguida& funcion_;
  Region region_;
  std::set<std::string> posiciones_;
  std::map<std::size_t, std::string>& inserciones_;
  int& contador_;
};

}  // namespace

void Escriba_Seguimiento(const std::vector<Ficha>& fichas,
                         const Funcion_Seguida& funcion,
                         const std::vector<Lambda_Escrita>& lambdas,
                         const std::vector<Llamada_Escrita>& llamadas,
                         std::map<std::size_t, std::string>& inserciones,
                         int& contador) {
  Escritor(fichas, funcion, lambdas, llamadas, inserciones, contador).Escriba();
}
