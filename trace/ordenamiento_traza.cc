// ordenamiento_traza: writes one self-contained HTML page that replays the
// sorting strategies on the same input, on the array and on the list.

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

#include "trace/opciones_traza.h"
#include "trace/pagina_traza.h"

namespace {

// The descriptor that salida names when it names a stream rather than a
// file: "-" is standard output, and so are, on POSIX systems, /dev/stdout,
// /dev/stderr, /dev/fd/N and /proc/self/fd/N for their descriptors. Taken
// as paths, they would be links followed to the file behind the stream,
// which would be replaced rather than written to.
std::optional<int> Flujo(const std::string& salida) {
  if (salida == "-") {
    return 1;
  }
#ifndef _WIN32
  const std::string ruta =
      std::filesystem::path(salida).lexically_normal().generic_string();
  if (ruta == "/dev/stdin" || ruta == "/dev/stdout" || ruta == "/dev/stderr") {
    return ruta == "/dev/stdin" ? 0 : ruta == "/dev/stdout" ? 1 : 2;
  }
  for (const std::string_view carpeta : {"/dev/fd/", "/proc/self/fd/"}) {
    if (ruta.rfind(carpeta, 0) == 0) {
      int descriptor = -1;
      const char* fin = ruta.data() + ruta.size();
      const auto [donde, error] =
          std::from_chars(ruta.data() + carpeta.size(), fin, descriptor);
      if (error == std::errc() && donde == fin && descriptor >= 0) {
        return descriptor;
      }
    }
  }
#endif
  return std::nullopt;
}

// Writes texto, all of it, to descriptor; false if it cannot.
bool Escriba_En(int descriptor, std::string_view texto) {
#ifdef _WIN32
  // The page's bytes as they are, without a carriage return for each '\n'.
  static_cast<void>(_setmode(descriptor, _O_BINARY));
#endif
  while (!texto.empty()) {
    constexpr std::size_t kBloque = 1 << 16;
    const unsigned largo =
        static_cast<unsigned>(std::min(texto.size(), kBloque));
#ifdef _WIN32
    const int escritos = _write(descriptor, texto.data(), largo);
#else
    const ssize_t escritos = write(descriptor, texto.data(), largo);
#endif
    if (escritos < 0 && errno == EINTR) {
      continue;
    }
    if (escritos <= 0) {
      return false;
    }
    texto.remove_prefix(static_cast<std::size_t>(escritos));
  }
  return true;
}

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

  const Pagina_Traza pagina(opciones);
  if (const std::optional<int> descriptor = Flujo(opciones.Salida())) {
    if (!Escriba_En(*descriptor, pagina.Html())) {
      std::cerr << "ERROR: no se pudo escribir la página en "
                << (*descriptor == 1 ? "la salida estándar"
                                     : Visible(opciones.Salida()))
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
  const std::string escrita =
      Visible(codigo ? opciones.Salida() : ruta.string());
  std::cout << "Página escrita en: " << escrita << '\n';
  return Llego("ERROR: se escribió " + escrita +
               ", pero no el aviso en la salida estándar")
             ? EXIT_SUCCESS
             : EXIT_FAILURE;
}
