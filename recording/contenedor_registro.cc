#include "recording/contenedor_registro.h"

#include <algorithm>
#include <cstddef>
#include <iostream>
#include <numeric>
#include <stdexcept>
#include <string>
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

Contenedor_Registro::Contenedor_Registro(Contenedor_Ordenable& real)
    : Contenedor_Ordenable(real.Dimension()),
      real_(&real),
      origenes_(real.Dimension()) {
  std::iota(origenes_.begin(), origenes_.end(), 0);
}

Contenedor_Registro::~Contenedor_Registro() = default;

void Contenedor_Registro::Compruebe(int p) const {
  if (p < 0 || Indice(p) >= origenes_.size()) {
    throw std::out_of_range("Contenedor_Registro: no position " +
                            std::to_string(p));
  }
}

void Contenedor_Registro::Intercambie(int i, int j) {
  Compruebe(i);
  Compruebe(j);
  llamadas_.push_back({Operacion::kIntercambie, i, j});
  if (real_ != nullptr) {
    real_->Intercambie(i, j);
  } else {
    std::swap(valores_[Indice(i)], valores_[Indice(j)]);
  }
  std::swap(origenes_[Indice(i)], origenes_[Indice(j)]);
}

bool Contenedor_Registro::Es_Menor(int i, int j) const {
  Compruebe(i);
  Compruebe(j);
  const bool respuesta = real_ != nullptr
                             ? real_->Es_Menor(i, j)
                             : valores_[Indice(i)] < valores_[Indice(j)];
  llamadas_.push_back({Operacion::kEs_Menor, i, j, respuesta});
  return respuesta;
}

void Contenedor_Registro::ImprimaSe() const {
  if (real_ != nullptr) {
    real_->ImprimaSe();
    return;
  }
  std::cout << "[";
  for (std::size_t p = 0; p < valores_.size(); ++p) {
    std::cout << (p == 0 ? "" : " ") << valores_[p];
  }
  std::cout << "]" << std::endl;
}

const char* Contenedor_Registro::Nombre() const { return kNombre; }

long Contenedor_Registro::Cuenta(const std::vector<Llamada>& llamadas,
                                 Operacion operacion) {
  return static_cast<long>(std::count_if(
      llamadas.begin(), llamadas.end(),
      [operacion](const Llamada& l) { return l.operacion == operacion; }));
}
