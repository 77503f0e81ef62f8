#include "recording/contenedor_registro.h"

#include <cstddef>
#include <iostream>
#include <limits>
#include <numeric>
#include <string>
#include <utility>

#include "recording/seguimiento.h"

namespace {

std::size_t Indice(int p) { return static_cast<std::size_t>(p); }

// The line noted for the next call of this thread, or 0.
int& Linea_Anotada() {
  thread_local int linea = 0;
  return linea;
}

}  // namespace

Contenedor_Registro::Sin_Fin::Sin_Fin(long long limite)
    : std::runtime_error("no termina: más de " + std::to_string(limite) +
                         " llamadas") {}

Contenedor_Registro::Contenedor_Registro(std::vector<int> valores,
                                         Memoria memoria)
    : Contenedor_Ordenable(static_cast<unsigned>(valores.size())),
      memoria_(memoria),
      valores_(std::move(valores)),
      origenes_(valores_.size()) {
  std::iota(origenes_.begin(), origenes_.end(), 0);
  Anote(0);
}

Contenedor_Registro::Contenedor_Registro(Contenedor_Ordenable& real,
                                         Memoria memoria)
    : Contenedor_Ordenable(real.Dimension()),
      real_(&real),
      memoria_(memoria),
      origenes_(real.Dimension()) {
  std::iota(origenes_.begin(), origenes_.end(), 0);
  Anote(0);
}

Contenedor_Registro::~Contenedor_Registro() = default;

long long Contenedor_Registro::Limite(unsigned n) {
  // Past two million values n^3 no longer fits: no limit then.
  constexpr long long kMayor = 2'000'000;
  const auto m = static_cast<long long>(n);
  return m > kMayor ? std::numeric_limits<long long>::max() : m * m * m + 1000;
}

void Contenedor_Registro::Anote(int numero) { Linea_Anotada() = numero; }

int Contenedor_Registro::Aparte_Linea() {
  return std::exchange(Linea_Anotada(), 0);
}

void Contenedor_Registro::Compruebe(int p) const {
  if (p < 0 || Indice(p) >= origenes_.size()) {
    const std::size_t n = origenes_.size();
    throw std::out_of_range(
        "usa la posición " + std::to_string(p) +
        (n == 0 ? ", y no hay ninguna"
                : ", y solo hay de 0 a " + std::to_string(n - 1)));
  }
}

Contenedor_Registro::Llamada Contenedor_Registro::Empiece(Operacion operacion,
                                                          int i, int j) const {
  Compruebe(i);
  Compruebe(j);
  // The line is taken first: a recorder in front of another must take it
  // before the call passed on does.
  const Llamada llamada{operacion, i, j, false,
                        std::exchange(Linea_Anotada(), 0)};
  const long long limite = Limite(Dimension());
  if (comparaciones_ + intercambios_ >= limite) {
    throw Sin_Fin(limite);
  }
  if (seguimiento_ != nullptr) {
    seguimiento_->Antes_De_Llamada(
        static_cast<int>(comparaciones_ + intercambios_));
  }
  ++(operacion == Operacion::kEs_Menor ? comparaciones_ : intercambios_);
  return llamada;
}

void Contenedor_Registro::Guarde(const Llamada& llamada) const {
  if (memoria_ == Memoria::kLlamadas) {
    llamadas_.push_back(llamada);
  }
}

void Contenedor_Registro::Intercambie(int i, int j) {
  Guarde(Empiece(Operacion::kIntercambie, i, j));
  if (real_ != nullptr) {
    real_->Intercambie(i, j);
  } else {
    std::swap(valores_[Indice(i)], valores_[Indice(j)]);
  }
  std::swap(origenes_[Indice(i)], origenes_[Indice(j)]);
}

bool Contenedor_Registro::Es_Menor(int i, int j) const {
  Llamada llamada = Empiece(Operacion::kEs_Menor, i, j);
  llamada.respuesta = real_ != nullptr
                          ? real_->Es_Menor(i, j)
                          : valores_[Indice(i)] < valores_[Indice(j)];
  Guarde(llamada);
  return llamada.respuesta;
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
