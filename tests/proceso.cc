#include "proceso.h"

#include <cstdlib>

std::string Programa(const char* variable, const char* compilado) {
  const char* ruta = std::getenv(variable);
  return ruta != nullptr ? ruta : compilado;
}
