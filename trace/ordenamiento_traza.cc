// ordenamiento_traza: writes one self-contained HTML page that replays the
// sorting strategies on the same input, on the array and on the list.

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "trace/escritura.h"
#include "trace/opciones_traza.h"
#include "trace/pagina_traza.h"
#include "trace/visible.h"

namespace {

// Flushes standard output; false, with falla on standard error, if what was
// written there did not all arrive (closed, or a full device).
bool Llego(const std::string& falla) {
  if (std::cout.flush()) {
    return true;
  }
  std::cerr << falla << std::endl;
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  Opciones_Traza opciones;
  switch (opciones.Lea(argc, argv)) {
    case Opciones_Traza::Resultado::kAyuda:
      std::cout << opciones.Mensaje();
      return Llego("ERROR: no se pudo escribir la ayuda en la salida estándar")
                 ? EXIT_SUCCESS
                 : EXIT_FAILURE;
    case Opciones_Traza::Resultado::kError:
      std::cerr << opciones.Mensaje() << std::endl;
      return EXIT_FAILURE;
    case Opciones_Traza::Resultado::kTrazar:
      break;
  }

  // A strategy that goes wrong is shown all the same, up to where it went
  // wrong: the page is written, and each such strategy named in a line.
  const Pagina_Traza pagina(opciones);
  for (const std::string& aviso : pagina.Avisos()) {
    std::cerr << aviso << std::endl;
  }
  std::string error;
  if (!pagina.Escriba(opciones.Salida(), error)) {
    std::cerr << error << std::endl;
    return EXIT_FAILURE;
  }
  if (Flujo(opciones.Salida())) {
    return EXIT_SUCCESS;  // the page itself went to the stream
  }
  std::error_code codigo;
  const std::filesystem::path ruta =
      std::filesystem::absolute(opciones.Salida(), codigo);
  const std::string escrita =
      Visible(codigo ? opciones.Salida() : ruta.string());
  std::cout << "Página escrita en: " << escrita << '\n';
  return Llego("ERROR: se escribió " + escrita +
               ", pero no el aviso en la salida estándar")
             ? EXIT_SUCCESS
             : EXIT_FAILURE;
}
