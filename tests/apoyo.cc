#include "apoyo.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <numeric>
#include <sstream>
#include <stdexcept>
#include <system_error>

void PrintTo(const Llamada_Sin_Respuesta& llamada, std::ostream* salida) {
  *salida << (llamada.operacion == Operacion::kEs_Menor ? "Es_Menor("
                                                        : "Intercambie(")
          << llamada.i << ", " << llamada.j << ")";
}

std::vector<Llamada_Sin_Respuesta> Sin_Respuestas(
    const std::vector<Contenedor_Registro::Llamada>& llamadas) {
  std::vector<Llamada_Sin_Respuesta> sin;
  std::transform(llamadas.begin(), llamadas.end(), std::back_inserter(sin),
                 [](const Contenedor_Registro::Llamada& l) {
                   return Llamada_Sin_Respuesta{l.operacion, l.i, l.j};
                 });
  return sin;
}

std::string Lea_Archivo(const std::filesystem::path& ruta) {
  std::ifstream archivo(ruta, std::ios::binary);
  return {std::istreambuf_iterator<char>(archivo), {}};
}

Carpeta::Carpeta()
    : ruta_(
          std::filesystem::temp_directory_path() /
          ("ordenamiento_" +
           std::to_string(
               std::chrono::steady_clock::now().time_since_epoch().count()))) {
  std::filesystem::create_directories(ruta_);
}

Carpeta::~Carpeta() {
  std::error_code codigo;
  std::filesystem::remove_all(ruta_, codigo);
}

std::size_t Carpeta::Archivos() const {
  return static_cast<std::size_t>(
      std::distance(std::filesystem::directory_iterator(ruta_),
                    std::filesystem::directory_iterator()));
}

std::string Impresion(const Contenedor_Ordenable& C) {
  std::ostringstream captura;
  std::streambuf* anterior = std::cout.rdbuf(captura.rdbuf());
  C.ImprimaSe();
  std::cout.rdbuf(anterior);
  return captura.str();
}

std::vector<int> Contenido(const Contenedor_Ordenable& C) {
  std::string texto = Impresion(C);
  std::istringstream entrada(texto.substr(1));  // past the "["
  std::vector<int> valores;
  int valor = 0;
  while (entrada >> valor) {
    valores.push_back(valor);
  }
  return valores;
}

std::string Formato(const std::vector<int>& valores) {
  std::ostringstream salida;
  salida << "[";
  for (std::size_t p = 0; p < valores.size(); ++p) {
    salida << (p == 0 ? "" : " ") << valores[p];
  }
  salida << "]";
  return salida.str();
}

std::string Veredicto(Algoritmo_Ordenador& ordenador, Contenedor_Ordenable& C) {
  const std::vector<int> entrada = Contenido(C);
  Contenedor_Registro contador(C, Contenedor_Registro::Memoria::kCuentas);
  std::string falla;
  try {
    ordenador.Ordene(contador);
  } catch (const Contenedor_Registro::Sin_Fin& sin_fin) {
    falla = sin_fin.what();
  } catch (const std::out_of_range& fuera) {
    falla = fuera.what();
  }
  return Veredicto(ordenador.Nombre(), C.Nombre(), entrada, Contenido(C),
                   falla);
}

std::vector<int> Creciente(int n) {
  std::vector<int> valores(static_cast<std::size_t>(n));
  std::iota(valores.begin(), valores.end(), 0);
  return valores;
}

std::vector<int> Sorteo(unsigned semilla, unsigned n) {
  srand(semilla);
  std::vector<int> valores;
  for (unsigned i = 0; i < n; ++i) {
    valores.push_back(rand() % 100);
  }
  return valores;
}
