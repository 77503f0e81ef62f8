#include "lector/llamadas_escritas.h"

namespace {

constexpr std::size_t kSinCuerpo = static_cast<std::size_t>(-1);

// A word after which '[' opens a lambda rather than a subscript.
bool Precede_A_Lambda(const Ficha& f) {
  if (f.Es_Nombre()) {
    return f.Es("return") || f.Es("case") || f.Es("throw") || f.Es("else") ||
           f.Es("do") || f.Es("co_return") || f.Es("co_yield");
  }
  return f.clase == Ficha::Clase::kSigno && !f.Es(")") && !f.Es("]") &&
         !f.Es(">");
}

// The position after the sign at p paired with it, counting only tokens of
// the same kind (preprocessing or code) as p: for '<', the template
// brackets; otherwise parentheses, brackets and braces. fichas.size() if
// none.
std::size_t Tras_Pareja(const std::vector<Ficha>& fichas, std::size_t p) {
  const bool angulos = fichas[p].Es("<");
  int profundidad = 0;
  for (std::size_t q = p; q < fichas.size(); ++q) {
    const Ficha& f = fichas[q];
    if (f.en_directiva != fichas[p].en_directiva) {
      continue;
    }
    if (angulos ? f.Es("<") : f.Es("(") || f.Es("[") || f.Es("{")) {
      ++profundidad;
    } else if (angulos ? f.Es(">") : f.Es(")") || f.Es("]") || f.Es("}")) {
      --profundidad;
    }
    if (profundidad == 0) {
      return q + 1;
    }
  }
  return fichas.size();
}

// The '{' of the body of the lambda whose '[' is at p, or kSinCuerpo if what
// follows is not a lambda's.
std::size_t Cuerpo_De_Lambda(const std::vector<Ficha>& fichas, std::size_t p,
                             bool& constante) {
  std::size_t q = Tras_Pareja(fichas, p);
  auto es = [&fichas, &q](const char* signo) {
    return q < fichas.size() && fichas[q].Es(signo);
  };
  if (es("<")) {
    q = Tras_Pareja(fichas, q);
  }
  if (es("(")) {
    q = Tras_Pareja(fichas, q);
  }
  constante = false;
  while (q < fichas.size() && !es("{")) {
    const Ficha& f = fichas[q];
    if (f.Es(";") || f.Es(")") || f.Es(",") || f.Es("}") || f.Es("=")) {
      return kSinCuerpo;
    }
    constante = constante || f.Es("constexpr") || f.Es("consteval");
    q = f.Es("(") || f.Es("[") ? Tras_Pareja(fichas, q) : q + 1;
  }
  return q < fichas.size() ? q : kSinCuerpo;
}

}  // namespace

std::vector<Llamada_Escrita> Llamadas_Escritas(
    const std::vector<Ficha>& fichas) {
  std::vector<Llamada_Escrita> llamadas;
  for (std::size_t i = 0; i + 3 < fichas.size(); ++i) {
    const Ficha& nombre = fichas[i + 1];
    const bool juntas = fichas[i].en_directiva == nombre.en_directiva &&
                        nombre.en_directiva == fichas[i + 2].en_directiva;
    if ((fichas[i].Es(".") || fichas[i].Es("->")) &&
        (nombre.Es("Es_Menor") || nombre.Es("Intercambie")) &&
        fichas[i + 2].Es("(") && !fichas[i + 3].Es(")") && juntas) {
      llamadas.push_back({nombre.linea, i + 2, nombre.en_directiva});
    }
  }
  return llamadas;
}

std::vector<std::size_t> Cuerpos_De_Lambdas(const std::vector<Ficha>& fichas) {
  std::vector<std::size_t> cuerpos;
  for (std::size_t i = 0; i < fichas.size(); ++i) {
    const bool introductor =
        fichas[i].Es("[") && !fichas[i].en_directiva &&
        (i + 1 >= fichas.size() || !fichas[i + 1].Es("[")) &&
        (i == 0 || Precede_A_Lambda(fichas[i - 1]));
    bool constante = false;
    const std::size_t cuerpo =
        introductor ? Cuerpo_De_Lambda(fichas, i, constante) : kSinCuerpo;
    if (cuerpo != kSinCuerpo && !constante) {
      cuerpos.push_back(cuerpo);
    }
  }
  return cuerpos;
}
