#include "trace/contenedor_registro.h"

#include <algorithm>
#include <cstddef>
#include <iostream>
#include <numeric>
#include <utility>

namespace {
std::size_t Indice(int p) { return static_cast<std::size_t>(p); }
}  // namespace

Contenedor_Registro::Contenedor_Registro(std::vector<int> valores)
    : Contenedor_Ordenable(static_cast<unsigned>(valores.size())),
      valores_(std::move(valores)),
      origenes_(valores_.size()) {
  std::iota(origenes_.begin(), origenes_.end(), 0);
}

Contenedor_Registro::~Contenedor_Registro() = default;

void Contenedor_Registro::Intercambie(int i, int j) {
  llamadas_.push_back({'x', i, j});
  std::swap(valores_.at(Indice(i)), valores_.at(Indice(j)));
  std::swap(origenes_.at(Indice(i)), origenes_.at(Indice(j)));
}

bool Contenedor_Registro::Es_Menor(int i, int j) const {
  const bool respuesta = valores_.at(Indice(i)) < valores_.at(Indice(j));
  llamadas_.push_back({'<', i, j, respuesta});
  return respuesta;
}

void Contenedor_Registro::ImprimaSe() const {
  std::cout << "[";
  for (std::size_t p = 0; p < valores_.size(); ++p) {
    std::cout << (p == 0 ? "" : " ") << valores_[p];
  }
  std::cout << "]" << std::endl;
}

const char* Contenedor_Registro::Nombre() const {
  return "Contenedor_Registro";
}

int Contenedor_Registro::Cuenta(char operacion) const {
  return static_cast<int>(std::count_if(
      llamadas_.begin(), llamadas_.end(),
      [&](const Llamada& l) { return l.operacion == operacion; }));
}
