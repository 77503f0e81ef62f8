#include "containers/lista_ordenable.h"

#include <cstdlib>
#include <ctime>
#include <iostream>

Lista_Ordenable::Nodo::Nodo(int v) : Siguiente(nullptr), Valor(v) {}

Lista_Ordenable::Nodo::~Nodo() {
  // Releases the successors one at a time, detaching each before deleting
  // it so that its own destructor has nothing left to release. A nested
  // call per node would exhaust the stack on a long chain.
  Nodo* siguiente = Siguiente;
  while (siguiente != nullptr) {
    Nodo* despues = siguiente->Siguiente;
    siguiente->Siguiente = nullptr;
    delete siguiente;
    siguiente = despues;
  }
}

Lista_Ordenable::Lista_Ordenable(unsigned N)
    : Contenedor_Ordenable(N), Primero(nullptr) {
  Cantidad = N;
  srand(static_cast<unsigned>(time(nullptr)));
  try {
    for (unsigned i = 0; i < N; ++i) {
      Agregar_Valor(rand() % 100);
    }
  } catch (...) {
    // A constructor that throws never reaches the destructor, so the nodes
    // linked so far are released here before the exception goes on.
    delete Primero;
    throw;
  }
}

Lista_Ordenable::Lista_Ordenable(const std::vector<int>& valores)
    : Contenedor_Ordenable(static_cast<unsigned>(valores.size())),
      Primero(nullptr) {
  try {
    // Agregar_Valor pushes onto the front: the last value goes in first.
    for (auto v = valores.rbegin(); v != valores.rend(); ++v) {
      Agregar_Valor(*v);
    }
  } catch (...) {
    delete Primero;  // as in the constructor above
    throw;
  }
}

Lista_Ordenable::~Lista_Ordenable() {
  if (Primero != nullptr) {
    delete Primero;
  }
}

void Lista_Ordenable::Agregar_Valor(int v) {
  Nodo* nuevo = new Nodo(v);
  nuevo->Siguiente = Primero;
  Primero = nuevo;
}

namespace {

// Follows p links from nodo. N is Nodo or const Nodo, so that both Localice
// share the one walk and the const one never holds a mutable node.
template <typename N>
N* Siga(N* nodo, int p) {
  for (int paso = 0; paso < p; ++paso) {
    nodo = nodo->Siguiente;
  }
  return nodo;
}

}  // namespace

const Lista_Ordenable::Nodo* Lista_Ordenable::Localice(int p) const {
  return Siga<const Nodo>(Primero, p);
}

Lista_Ordenable::Nodo* Lista_Ordenable::Localice(int p) {
  return Siga(Primero, p);
}

void Lista_Ordenable::Intercambie(int i, int j) {
  Nodo* a = Localice(i);
  Nodo* b = Localice(j);
  int guardado = b->Valor;
  b->Valor = a->Valor;
  a->Valor = guardado;
}

bool Lista_Ordenable::Es_Menor(int i, int j) const {
  return Localice(i)->Valor < Localice(j)->Valor;
}

void Lista_Ordenable::ImprimaSe() const {
  std::cout << "[";
  for (const Nodo* nodo = Primero; nodo != nullptr; nodo = nodo->Siguiente) {
    std::cout << nodo->Valor;
    if (nodo->Siguiente != nullptr) {
      std::cout << " ";
    }
  }
  std::cout << "]" << std::endl;
}

const char* Lista_Ordenable::Nombre() const { return kNombre; }
