// ordenamiento_traza: writes one self-contained HTML page that replays the
// three sorting strategies on the same input, on the array and on the list.

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

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
