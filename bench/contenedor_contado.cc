#include "bench/contenedor_contado.h"

Contenedor_Contado::Contenedor_Contado(Contenedor_Ordenable& real)
    : Contenedor_Ordenable(real.Dimension()), real_(real) {}

Contenedor_Contado::~Contenedor_Contado() = default;

void Contenedor_Contado::Intercambie(int i, int j) {
  ++intercambios_;
  real_.Intercambie(i, j);
}

bool Contenedor_Contado::Es_Menor(int i, int j) const {
  ++comparaciones_;
  return real_.Es_Menor(i, j);
}

void Contenedor_Contado::ImprimaSe() const { real_.ImprimaSe(); }

const char* Contenedor_Contado::Nombre() const { return real_.Nombre(); }
