#ifndef ORDENAMIENTO_CONTAINERS_CONTENEDOR_ORDENABLE_H_
#define ORDENAMIENTO_CONTAINERS_CONTENEDOR_ORDENABLE_H_

// A Contenedor_Ordenable is the sequence of integers that every sorting
// strategy works on. It is reduced to what a comparison sort needs (a count,
// a strict comparison of two positions and an exchange of two positions),
// plus a printout and a name for the report.
//
// A position is an int from 0 to Dimension() - 1; position 0 is the first
// element in the container's own order. No operation checks its positions:
// keeping them in range is the caller's job.
class Contenedor_Ordenable {
 public:
  // Only a subclass knows what it owns: copying through the base would copy
  // Cantidad alone and leave the storage behind.
  Contenedor_Ordenable(const Contenedor_Ordenable&) = delete;
  Contenedor_Ordenable& operator=(const Contenedor_Ordenable&) = delete;

  virtual ~Contenedor_Ordenable();

  // Exchanges the values at positions i and j; every other position keeps its
  // value. Intercambie(i, i) leaves the container unchanged.
  virtual void Intercambie(int i, int j) = 0;

  // Returns true exactly when the value at position i is strictly less than
  // the value at position j. Equal values give false. Changes nothing.
  virtual bool Es_Menor(int i, int j) const = 0;

  // Writes the values to standard output in position order: "[", the values
  // in decimal separated by single blanks, "]" and std::endl. An empty
  // container writes "[]". Writes nothing before the "[".
  virtual void ImprimaSe() const = 0;

  // Returns the name of the concrete class. The result is a string literal:
  // the caller must not free it.
  virtual const char* Nombre() const = 0;

  // Returns the number of elements.
  unsigned Dimension() const { return Cantidad; }

 protected:
  // Records the count only; filling the container is the subclass's job.
  explicit Contenedor_Ordenable(unsigned N);

  unsigned Cantidad;  // number of elements
};

// Returns true when C is in non-decreasing order. It compares each element
// with the one before it, from the front, and stops at the first that is
// strictly less; a sorted container of n elements costs n - 1 calls of
// Es_Menor. An empty container is in order. C is only read.
bool Esta_Ordenado(const Contenedor_Ordenable& C);

#endif  // ORDENAMIENTO_CONTAINERS_CONTENEDOR_ORDENABLE_H_
