#ifndef ORDENAMIENTO_SORTING_ALGORITMO_ORDENADOR_H_
#define ORDENAMIENTO_SORTING_ALGORITMO_ORDENADOR_H_

class Contenedor_Ordenable;

// An Algoritmo_Ordenador is a sorting strategy. It sorts any
// Contenedor_Ordenable in place, working only through Dimension, Es_Menor
// and Intercambie, so it never learns the container's concrete type.
// A strategy holds no state: one object may sort any number of containers,
// each call independent of the ones before.
class Algoritmo_Ordenador {
 public:
  // A strategy is used through a reference to this base; a copy through it
  // would slice.
  Algoritmo_Ordenador(const Algoritmo_Ordenador&) = delete;
  Algoritmo_Ordenador& operator=(const Algoritmo_Ordenador&) = delete;

  // Rearranges the values of C into non-decreasing order, as judged by
  // Es_Menor, changing C only through Intercambie.
  virtual void Ordene(Contenedor_Ordenable& C) = 0;

  virtual ~Algoritmo_Ordenador();

  // Returns the name of the concrete class. The result is a string literal:
  // the caller must not free it.
  virtual const char* Nombre() const = 0;

 protected:
  Algoritmo_Ordenador() = default;
};

#endif  // ORDENAMIENTO_SORTING_ALGORITMO_ORDENADOR_H_
