#ifndef ORDENAMIENTO_TESTS_APOYO_H_
#define ORDENAMIENTO_TESTS_APOYO_H_

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "containers/contenedor_ordenable.h"
#include "recording/contenedor_registro.h"
#include "recording/veredicto.h"
#include "sorting/algoritmo_ordenador.h"

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

// What ordenador did to C, in the verdict's one line (recording/veredicto.h),
// or "" if it left C sorted. C is sorted through a Contenedor_Registro in
// front of it, which counts the calls and keeps none, and stops a strategy
// that would never end.
std::string Veredicto(Algoritmo_Ordenador& ordenador, Contenedor_Ordenable& C);

// 0, 1, ..., n - 1.
std::vector<int> Creciente(int n);

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

#endif  // ORDENAMIENTO_TESTS_APOYO_H_
