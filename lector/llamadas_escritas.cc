#include "lector/llamadas_escritas.h"

namespace {

// A word after which '[' opens a lambda rather than a subscript.
bool Precede_A_Lambda(const Ficha& f) {
  if (f.Es_Nombre()) {
    return f.Es("return") || f.Es("case") || f.Es("throw") || f.Es("else") ||
           f.Es("do") || f.Es("co_return") || f.Es("co_yield");
  }
  return f.clase == Ficha::Clase::kSigno && !f.Es(")") && !f.Es("]") &&
         !f.Es(">");
}

// The lambda whose '[' is at p: the '(' of its parameters, if any, and the
// '{' of its body, or nothing if what follows is not a lambda's, or is a
// constexpr one's.
bool Lea_Lambda(const std::vector<Ficha>& fichas, std::size_t p,
                Lambda_Escrita& lambda) {
  std::size_t q = Tras_Pareja(fichas, p);
  auto es = [&fichas, &q](const char* signo) {
    return q < fichas.size() && fichas[q].Es(signo);
  };
  if (es("<")) {
    q = Tras_Pareja(fichas, q);
  }
  lambda.parametros = es("(") ? q : kNingunaFicha;
  if (es("(")) {
    q = Tras_Pareja(fichas, q);
  }
  while (q < fichas.size() && !es("{")) {
    const Ficha& f = fichas[q];
    if (f.Es(";") || f.Es(")") || f.Es(",") || f.Es("}") || f.Es("=") ||
        f.Es("constexpr") || f.Es("consteval")) {
      return false;
    }
    q = f.Es("(") || f.Es("[") ? Tras_Pareja(fichas, q) : q + 1;
  }
  lambda.llave = q;
  // Named after the variable it initializes, where it does.
  const bool nombrada =
      p >= 2 && fichas[p - 1].Es("=") && fichas[p - 2].Es_Nombre();
  lambda.nombre = nombrada ? fichas[p - 2].texto : "lambda";
  return q < fichas.size();
}

}  // namespace

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

std::vector<Lambda_Escrita> Lambdas_Escritas(const std::vector<Ficha>& fichas) {
  std::vector<Lambda_Escrita> lambdas;
  for (std::size_t i = 0; i < fichas.size(); ++i) {
    Lambda_Escrita lambda;
    const bool introductor =
        fichas[i].Es("[") && !fichas[i].en_directiva &&
        (i + 1 >= fichas.size() || !fichas[i + 1].Es("[")) &&
        (i == 0 || Precede_A_Lambda(fichas[i - 1]));
    if (introductor && Lea_Lambda(fichas, i, lambda)) {
      lambdas.push_back(lambda);
    }
  }
  return lambdas;
}
