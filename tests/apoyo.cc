#include "apoyo.h"

#include <cstdlib>
#include <iostream>
#include <numeric>
#include <sstream>

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
