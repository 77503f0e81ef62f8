#include "containers/vector_ordenable.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <iostream>

Vector_Ordenable::Vector_Ordenable(unsigned N)
    : Contenedor_Ordenable(N), Datos(new int[N]) {
  srand(static_cast<unsigned>(time(nullptr)));
  for (unsigned i = 0; i < Cantidad; ++i) {
    Datos[i] = rand() % 100;
  }
}

Vector_Ordenable::Vector_Ordenable(const std::vector<int>& valores)
    : Contenedor_Ordenable(static_cast<unsigned>(valores.size())),
      Datos(new int[valores.size()]) {
  std::copy(valores.begin(), valores.end(), Datos);
}

Vector_Ordenable::~Vector_Ordenable() {
  if (Datos != nullptr) {
    delete[] Datos;
  }
}

void Vector_Ordenable::Intercambie(int i, int j) {
  int guardado = Datos[i];
  Datos[i] = Datos[j];
  Datos[j] = guardado;
}

bool Vector_Ordenable::Es_Menor(int i, int j) const {
  return Datos[i] < Datos[j];
}

void Vector_Ordenable::ImprimaSe() const {
  const int* fin = Datos + Cantidad;
  std::cout << "[";
  for (const int* p = Datos; p != fin; ++p) {
    std::cout << *p;
    if (p + 1 != fin) {
      std::cout << " ";
    }
  }
  std::cout << "]" << std::endl;
}

const char* Vector_Ordenable::Nombre() const { return kNombre; }
