// ordenamiento_lector: the one reader of the strategies' sources, which the
// build runs wherever it reads them.
//
//   ordenamiento_lector registro SORTING [RAIZ]
//       Prints "clase X" for each class of the registry SORTING/estrategias.h,
//       in its order, and "aviso ..." for each SORTING/ordenador_*.cc that
//       no line names. A registry that cannot be read, or names a class
//       without its two files, gets one line on standard error and status 1.
//   ordenamiento_lector numere CLASE X.h X.cc SALIDA.h SALIDA.cc [RAIZ]
//                              [--sin-numeros]
//       Writes the copies of the strategy's two files that the replay
//       compiles, and warns of what it cannot light.
//   ordenamiento_lector codigo SALIDA.json RAIZ CLASE X.h X.cc ...
//       Writes the code the replay page shows of each strategy.
//
// RAIZ is the project's folder, from which files are named. A file is
// written only where its contents change, so that nothing after it is
// rebuilt for nothing.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "lector/codigo_estrategia.h"
#include "lector/registro_estrategias.h"
#include "lector/texto_fuente.h"

namespace {

namespace fs = std::filesystem;

// ruta as it is named from raiz, where it lies within raiz.
std::string Nombre(const std::string& ruta, const std::string& raiz) {
  if (raiz.empty()) {
    return ruta;
  }
  const std::string relativa =
      fs::path(ruta).lexically_relative(raiz).generic_string();
  return relativa.empty() || relativa.rfind("..", 0) == 0 ? ruta : relativa;
}

std::optional<Archivo_Fuente> Lea(const std::string& ruta,
                                  const std::string& raiz) {
  std::optional<Texto_Fuente> texto = Texto_Fuente::Lea(ruta);
  if (!texto) {
    std::cerr << "ordenamiento_lector: cannot read " << ruta << "\n";
    return std::nullopt;
  }
  return Archivo_Fuente{ruta, Nombre(ruta, raiz), std::move(*texto)};
}

bool Escriba(const std::string& ruta, const std::string& texto) {
  std::ifstream antes(ruta, std::ios::binary);
  if (antes) {
    std::ostringstream leido;
    leido << antes.rdbuf();
    if (leido.str() == texto) {
      return true;
    }
  }
  const fs::path carpeta = fs::path(ruta).parent_path();
  std::error_code error;
  if (!carpeta.empty()) {
    fs::create_directories(carpeta, error);
  }
  std::ofstream salida(ruta, std::ios::binary | std::ios::trunc);
  salida << texto;
  salida.close();
  if (!salida) {
    std::cerr << "ordenamiento_lector: cannot write " << ruta << "\n";
    return false;
  }
  return true;
}

int Registro(const std::string& carpeta, const std::string& raiz) {
  const Registro_Revisado registro =
      Revise_Registro(carpeta, Nombre(carpeta, raiz));
  if (!registro.error.empty()) {
    std::cerr << registro.error << "\n";
    return 1;
  }
  for (const std::string& clase : registro.clases) {
    std::cout << "clase " << clase << "\n";
  }
  for (const std::string& aviso : registro.avisos) {
    std::cout << "aviso " << aviso << "\n";
  }
  return 0;
}

int Numere(const std::vector<std::string>& a) {
  if (a.size() < 5) {
    std::cerr << "ordenamiento_lector numere: CLASE X.h X.cc SALIDA.h "
                 "SALIDA.cc [RAIZ] [--sin-numeros]\n";
    return 2;
  }
  bool numerada = true;
  std::string raiz;
  for (std::size_t i = 5; i < a.size(); ++i) {
    if (a[i] == "--sin-numeros") {
      numerada = false;
    } else {
      raiz = a[i];
    }
  }
  std::optional<Archivo_Fuente> cabecera = Lea(a[1], raiz);
  std::optional<Archivo_Fuente> fuente = Lea(a[2], raiz);
  if (!cabecera || !fuente) {
    return 1;
  }
  const Codigo_Estrategia codigo(a[0], std::move(*cabecera),
                                 std::move(*fuente));
  if (numerada) {
    for (const std::string& aviso : codigo.Avisos()) {
      std::cerr << "warning: " << aviso << "\n";
    }
  }
  return Escriba(a[3], codigo.Copia(true, numerada)) &&
                 Escriba(a[4], codigo.Copia(false, numerada))
             ? 0
             : 1;
}

int Codigo(const std::vector<std::string>& a) {
  if (a.size() < 2 || (a.size() - 2) % 3 != 0) {
    std::cerr << "ordenamiento_lector codigo: SALIDA.json RAIZ "
                 "CLASE X.h X.cc ...\n";
    return 2;
  }
  std::string json = "{";
  for (std::size_t i = 2; i < a.size(); i += 3) {
    std::optional<Archivo_Fuente> cabecera = Lea(a[i + 1], a[1]);
    std::optional<Archivo_Fuente> fuente = Lea(a[i + 2], a[1]);
    if (!cabecera || !fuente) {
      return 1;
    }
    const Codigo_Estrategia codigo(a[i], std::move(*cabecera),
                                   std::move(*fuente));
    json += std::string(i == 2 ? "" : ",") + "\n \"" + a[i] +
            "\": " + codigo.Json();
  }
  return Escriba(a[0], json + "\n}\n") ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::vector<std::string> argumentos(argv + 1, argv + argc);
  if (argumentos.empty()) {
    std::cerr << "ordenamiento_lector registro|numere|codigo ...\n";
    return 2;
  }
  const std::string& orden = argumentos.front();
  const std::vector<std::string> resto(argumentos.begin() + 1,
                                       argumentos.end());
  if (orden == "registro" && !resto.empty()) {
    return Registro(resto[0], resto.size() > 1 ? resto[1] : "");
  }
  if (orden == "numere") {
    return Numere(resto);
  }
  if (orden == "codigo") {
    return Codigo(resto);
  }
  std::cerr << "ordenamiento_lector registro|numere|codigo ...\n";
  return 2;
}
