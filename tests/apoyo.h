#ifndef ORDENAMIENTO_TESTS_APOYO_H_
#define ORDENAMIENTO_TESTS_APOYO_H_

#include <string>
#include <vector>

#include "containers/contenedor_ordenable.h"

// What C.ImprimaSe() writes to standard output.
std::string Impresion(const Contenedor_Ordenable& C);

// The values of C in position order, read back from its printout.
std::vector<int> Contenido(const Contenedor_Ordenable& C);

// The printout of a container holding valores, without its end of line.
std::string Formato(const std::vector<int>& valores);

// 0, 1, ..., n - 1.
std::vector<int> Creciente(int n);

// The first n results of rand() % 100 after srand(semilla).
std::vector<int> Sorteo(unsigned semilla, unsigned n);

class Vector_Ordenable;
class Lista_Ordenable;
class Ordenador_Burbuja;
class Ordenador_Burbuja_Optimizada;
class Ordenador_Seleccion;

// The name of each class the typed tests run on, as its Nombre() returns it.
// Written out so that naming a test builds no object: the names are wanted
// while the test list is read, and test discovery reads it too.
template <typename T>
constexpr const char* kNombreDe = nullptr;
template <>
inline constexpr const char* kNombreDe<Vector_Ordenable> = "Vector_Ordenable";
template <>
inline constexpr const char* kNombreDe<Lista_Ordenable> = "Lista_Ordenable";
template <>
inline constexpr const char* kNombreDe<Ordenador_Burbuja> = "Ordenador_Burbuja";
template <>
inline constexpr const char* kNombreDe<Ordenador_Burbuja_Optimizada> =
    "Ordenador_Burbuja_Optimizada";
template <>
inline constexpr const char* kNombreDe<Ordenador_Seleccion> =
    "Ordenador_Seleccion";

// Names each case of a typed test after the class it runs on.
struct NombreDeClase {
  template <typename T>
  static std::string GetName(int /*indice*/) {
    static_assert(kNombreDe<T> != nullptr, "a tested class without a name");
    return kNombreDe<T>;
  }
};

#endif  // ORDENAMIENTO_TESTS_APOYO_H_
