#ifndef ORDENAMIENTO_TESTS_APOYO_H_
#define ORDENAMIENTO_TESTS_APOYO_H_

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "containers/contenedor_ordenable.h"
#include "recording/contenedor_registro.h"
#include "sorting/algoritmo_ordenador.h"
#include "sorting/estrategias.h"

using Operacion = Contenedor_Registro::Operacion;

// A recorded call without Es_Menor's answer, which follows from the values:
// the form in which a test writes the calls it expects.
struct Llamada_Sin_Respuesta {
  Operacion operacion;
  int i;
  int j;
  bool operator==(const Llamada_Sin_Respuesta& otra) const {
    return operacion == otra.operacion && i == otra.i && j == otra.j;
  }
};
void PrintTo(const Llamada_Sin_Respuesta& llamada, std::ostream* salida);

inline Llamada_Sin_Respuesta Menor(int i, int j) {
  return {Operacion::kEs_Menor, i, j};
}
inline Llamada_Sin_Respuesta Cambio(int i, int j) {
  return {Operacion::kIntercambie, i, j};
}

// llamadas without their answers.
std::vector<Llamada_Sin_Respuesta> Sin_Respuestas(
    const std::vector<Contenedor_Registro::Llamada>& llamadas);

// What C.ImprimaSe() writes to standard output.
std::string Impresion(const Contenedor_Ordenable& C);

// The values of C in position order, read back from its printout.
std::vector<int> Contenido(const Contenedor_Ordenable& C);

// The printout of a container holding valores, without its end of line.
std::string Formato(const std::vector<int>& valores);

// What ordenador did wrong to C, in one line in Spanish, or "" if it left C
// sorted: "Ordenador_X sobre Vector_Ordenable: la entrada [1, 0] quedó
// [1, 0]; debía quedar [0, 1]", or, for a strategy that went past
// Contenedor_Registro::Limite() and so would never end, "...: la entrada
// [1, 0] no termina: más de 1008 llamadas", or for a position out of range
// "...: la entrada [1, 0] usa la posición 2, y solo hay de 0 a 1". C is
// sorted through a Contenedor_Registro in front of it, which counts the
// calls and keeps none.
std::string Veredicto(Algoritmo_Ordenador& ordenador, Contenedor_Ordenable& C);

// 0, 1, ..., n - 1.
std::vector<int> Creciente(int n);

// The kNombre of every strategy of sorting/estrategias.h, in its order.
std::vector<std::string> Nombres_Registrados();

// The first n results of rand() % 100 after srand(semilla).
std::vector<int> Sorteo(unsigned semilla, unsigned n);

// The bytes of the file at ruta.
std::string Lea_Archivo(const std::filesystem::path& ruta);

// A fresh empty folder, removed with everything in it at the end of the test.
class Carpeta {
 public:
  Carpeta();
  Carpeta(const Carpeta&) = delete;
  Carpeta& operator=(const Carpeta&) = delete;
  ~Carpeta();

  const std::filesystem::path& Ruta() const { return ruta_; }
  std::size_t Archivos() const;

 private:
  std::filesystem::path ruta_;
};

// Names each case of a typed test after the class it runs on, through the
// class's kNombre: naming a test builds no object, since the names are wanted
// while the test list is read, and test discovery reads it too.
struct NombreDeClase {
  template <typename T>
  static std::string GetName(int /*indice*/) {
    return T::kNombre;
  }
};

// Every strategy of sorting/estrategias.h, for a typed test over them all.
using Registradas = Estrategias::Como<::testing::Types>;

// The fixture of a typed test over the strategies: one object of the
// strategy T, which a test uses through the interface alone, as ordenador_.
// A test file names its own suite after it, "class OrdenadorTest : public
// EstrategiaTest<T> {};", over Registradas and with NombreDeClase.
template <typename T>
class EstrategiaTest : public ::testing::Test {
 protected:
  T estrategia_;
  Algoritmo_Ordenador& ordenador_ = estrategia_;
};

#endif  // ORDENAMIENTO_TESTS_APOYO_H_
