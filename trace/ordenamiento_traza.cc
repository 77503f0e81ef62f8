// ordenamiento_traza: writes one self-contained HTML page that replays the
// sorting strategies on the same input, on the array and on the list.

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#endif

#include "trace/opciones_traza.h"
#include "trace/pagina_traza.h"

int main(int argc, char* argv[]) {
  Opciones_Traza opciones;
  switch (opciones.Lea(argc, argv)) {
    case Opciones_Traza::Resultado::kAyuda:
      std::cout << opciones.Mensaje();
      return EXIT_SUCCESS;
    case Opciones_Traza::Resultado::kError:
      std::cerr << opciones.Mensaje() << std::endl;
      return EXIT_FAILURE;
    case Opciones_Traza::Resultado::kTrazar:
      break;
  }

  const Pagina_Traza pagina(opciones);
  if (opciones.Salida() == "-") {
#ifdef _WIN32
    // The page's bytes as they are, without a carriage return for each '\n'.
    static_cast<void>(_setmode(_fileno(stdout), _O_BINARY));
#endif
    std::cout << pagina.Html() << std::flush;
    if (!std::cout) {
      std::cerr << "ERROR: no se pudo escribir la página en la salida estándar"
                << std::endl;
      return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
  }
  std::string error;
  if (!pagina.Escriba(opciones.Salida(), error)) {
    std::cerr << error << std::endl;
    return EXIT_FAILURE;
  }
  std::error_code codigo;
  const std::filesystem::path ruta =
      std::filesystem::absolute(opciones.Salida(), codigo);
  std::cout << "Página escrita en: "
            << (codigo ? opciones.Salida() : ruta.string()) << std::endl;
  return EXIT_SUCCESS;
}
