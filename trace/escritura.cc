#include "trace/escritura.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <wchar.h>
#else
#include <unistd.h>
#endif

#include "trace/visible.h"

namespace {

namespace fs = std::filesystem;

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

// Opens ruta with a C mode such as "wbx", wide on Windows so that any path
// works there too. errno says why when it returns null.
std::FILE* Abra(const fs::path& ruta, const char* modo) {
#ifdef _WIN32
  const std::string estrecho(modo);
  const std::wstring ancho(estrecho.begin(), estrecho.end());
  return _wfopen(ruta.c_str(), ancho.c_str());
#else
  return std::fopen(ruta.c_str(), modo);
#endif
}

// ruta with a symbolic link at its end followed, to where it finally leads,
// so that a link is replaced through its target and stays a link.
fs::path Sin_Enlaces(fs::path ruta) {
  // A loop of links is left to the system, which reports it.
  for (int saltos = 0; saltos < 40; ++saltos) {
    std::error_code codigo;
    if (!fs::is_symlink(fs::symlink_status(ruta, codigo))) {
      break;
    }
    const fs::path objetivo = fs::read_symlink(ruta, codigo);
    if (codigo) {
      break;
    }
    ruta = objetivo.is_absolute() ? objetivo : ruta.parent_path() / objetivo;
  }
  return ruta;
}

// The line that says why ruta could not be written, from the system's error:
// in Spanish for the errors that writing a page meets, and in the system's
// words for any other.
std::string Por_Que(const std::string& ruta, std::error_code codigo) {
  const std::string visible = Visible(ruta);
  if (codigo == std::errc::no_such_file_or_directory) {
    return "ERROR: no existe la carpeta de " + visible;
  }
  if (codigo == std::errc::not_a_directory) {
    return "ERROR: parte de la ruta " + visible + " no es una carpeta";
  }
  if (codigo == std::errc::is_a_directory) {
    return "ERROR: " + visible + " es una carpeta";
  }
  if (codigo == std::errc::permission_denied ||
      codigo == std::errc::operation_not_permitted) {
    return "ERROR: permiso denegado para escribir " + visible;
  }
  if (codigo == std::errc::read_only_file_system) {
    return "ERROR: no se puede escribir " + visible +
           ": el sistema de archivos es de solo lectura";
  }
  if (codigo == std::errc::no_space_on_device) {
    return "ERROR: no queda espacio para escribir " + visible;
  }
  if (codigo == std::errc::filename_too_long) {
    return "ERROR: la ruta " + visible + " es demasiado larga";
  }
  if (codigo == std::errc::too_many_symbolic_link_levels) {
    return "ERROR: los enlaces simbólicos de " + visible +
           " forman un ciclo o son demasiados";
  }
  if (codigo == std::errc::file_exists) {
    return "ERROR: no se pudo escribir " + visible +
           ": ya existe un archivo con el nombre que se eligió";
  }
  return "ERROR: no se pudo escribir " + visible + " (" +
         Visible(codigo.message()) + ")";
}

std::error_code Ultimo_Error() { return {errno, std::generic_category()}; }

// ---- The temporary page, and the signals that would leave it behind.

#ifdef _WIN32
// Windows has no SIGHUP; Ctrl+Break is its own signal.
constexpr std::array<int, 3> kSenales = {SIGINT, SIGTERM, SIGBREAK};
#else
constexpr std::array<int, 3> kSenales = {SIGINT, SIGTERM, SIGHUP};
#endif

// The path of the temporary page while it exists, for the signal handler,
// which can only read a buffer that is already there: zero-terminated, and
// meant only when hay_temporal is set. A handler sees only globals.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
std::array<fs::path::value_type, 4096> temporal_en_curso;
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
volatile std::sig_atomic_t hay_temporal = 0;

// Removes the temporary page and dies of senal, as if there were no
// handler. Only async-signal-safe calls.
void Al_Recibir_Senal(int senal) {
  if (hay_temporal != 0) {
#ifdef _WIN32
    _wunlink(temporal_en_curso.data());
#else
    unlink(temporal_en_curso.data());
#endif
  }
  static_cast<void>(std::signal(senal, SIG_DFL));
  static_cast<void>(std::raise(senal));  // delivered when the handler returns
}

// Runs accion with the signals of kSenales held until it returns: around
// every step that creates, renames or removes the temporary page, so that
// the handler never sees a name that is not, or no longer, the page's own.
// Windows, whose signals run in another thread, has no way to hold them.
template <typename Accion>
void Con_Senales_En_Espera(Accion accion) {
#ifdef _WIN32
  accion();
#else
  sigset_t senales{};
  sigset_t anteriores{};
  sigemptyset(&senales);
  for (int senal : kSenales) {
    sigaddset(&senales, senal);
  }
  sigprocmask(SIG_BLOCK, &senales, &anteriores);
  accion();
  sigprocmask(SIG_SETMASK, &anteriores, nullptr);
#endif
}

// The temporary page: a new file beside the page, under a short random name
// of its own, so that names never run out and a page whose name is as long
// as the system allows still has one. From its creation until it is renamed
// over the page or removed, SIGINT, SIGTERM and SIGHUP remove it before the
// program dies of them; a signal that was ignored stays ignored. The file
// is removed if it is still there when this goes out of scope.
class Temporal {
 public:
  explicit Temporal(fs::path carpeta) : carpeta_(std::move(carpeta)) {
#ifdef _WIN32
    for (std::size_t i = 0; i < kSenales.size(); ++i) {
      anteriores_.at(i) = std::signal(kSenales.at(i), Al_Recibir_Senal);
      if (anteriores_.at(i) == SIG_IGN) {
        static_cast<void>(std::signal(kSenales.at(i), SIG_IGN));
      }
    }
#else
    struct sigaction accion {};
    accion.sa_handler = Al_Recibir_Senal;
    sigemptyset(&accion.sa_mask);
    for (int senal : kSenales) {
      sigaddset(&accion.sa_mask, senal);
    }
    for (std::size_t i = 0; i < kSenales.size(); ++i) {
      sigaction(kSenales.at(i), nullptr, &anteriores_.at(i));
      if (anteriores_.at(i).sa_handler != SIG_IGN) {
        sigaction(kSenales.at(i), &accion, nullptr);
      }
    }
#endif
  }
  Temporal(const Temporal&) = delete;
  Temporal& operator=(const Temporal&) = delete;
  ~Temporal() {
    Con_Senales_En_Espera([this] {
      if (hay_temporal != 0) {
        std::error_code ignorado;
        fs::remove(ruta_, ignorado);
        hay_temporal = 0;
      }
    });
    for (std::size_t i = 0; i < kSenales.size(); ++i) {
#ifdef _WIN32
      static_cast<void>(std::signal(kSenales.at(i), anteriores_.at(i)));
#else
      sigaction(kSenales.at(i), &anteriores_.at(i), nullptr);
#endif
    }
  }

  const fs::path& Ruta() const { return ruta_; }

  // Creates the file, to write as with mode "wb"; null with codigo set if
  // it cannot.
  std::FILE* Cree(std::error_code& codigo) {
    std::random_device azar;
    std::mt19937_64 generador(
        (std::uint64_t{azar()} << 32) ^ azar() ^
        static_cast<std::uint64_t>(
            std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int intento = 0; intento < 100; ++intento) {
      std::string nombre = ".traza-";
      for (std::uint64_t bits = generador(); nombre.size() < 23; bits >>= 4) {
        nombre += std::string_view("0123456789abcdef")[bits & 0xF];
      }
      nombre += ".tmp";
      ruta_ = carpeta_ / nombre;
      if (ruta_.native().size() >= temporal_en_curso.size()) {
        codigo = std::make_error_code(std::errc::filename_too_long);
        return nullptr;
      }
      std::FILE* archivo = nullptr;
      Con_Senales_En_Espera([&] {
        // "x": created only if no file has that name.
        archivo = Abra(ruta_, "wbx");
        codigo = Ultimo_Error();
        if (archivo != nullptr) {
          std::copy(ruta_.native().begin(), ruta_.native().end(),
                    temporal_en_curso.begin());
          temporal_en_curso.at(ruta_.native().size()) = 0;
          hay_temporal = 1;
        }
      });
      if (archivo != nullptr) {
        codigo.clear();
        return archivo;
      }
      if (codigo != std::errc::file_exists) {
        return nullptr;
      }
    }
    return nullptr;
  }

  // Renames the file over destino; false with codigo set if it cannot.
  bool Renombre(const fs::path& destino, std::error_code& codigo) {
    Con_Senales_En_Espera([&] {
      // std::filesystem::rename replaces an existing file on every
      // platform, where std::rename fails on Windows.
      fs::rename(ruta_, destino, codigo);
      if (!codigo) {
        hay_temporal = 0;
      }
    });
    return !codigo;
  }

 private:
  fs::path carpeta_;
  fs::path ruta_;
#ifdef _WIN32
  using Manejador = void (*)(int);
  std::array<Manejador, kSenales.size()> anteriores_{};
#else
  std::array<struct sigaction, kSenales.size()> anteriores_{};
#endif
};

}  // namespace

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

bool Escriba_Salida(const std::string& salida, std::string_view texto,
                    std::string& error) {
  if (const std::optional<int> descriptor = Flujo(salida)) {
    if (!Escriba_En(*descriptor, texto)) {
      error = "ERROR: no se pudo escribir la página en " +
              (*descriptor == 1 ? std::string("la salida estándar")
                                : Visible(salida));
      return false;
    }
    error.clear();
    return true;
  }
  const std::string& ruta = salida;
  if (ruta.empty()) {
    error = "ERROR: falta la ruta de la página";
    return false;
  }
  const fs::path destino = Sin_Enlaces(fs::path(ruta));
  std::error_code codigo;
  const fs::file_status estado = fs::status(destino, codigo);
  if (codigo && codigo != std::errc::no_such_file_or_directory) {
    error = Por_Que(ruta, codigo);
    return false;
  }
  if (fs::is_directory(estado)) {
    error = Por_Que(ruta, std::make_error_code(std::errc::is_a_directory));
    return false;
  }
  const bool existe = fs::exists(estado);
  if (existe && !fs::is_regular_file(estado)) {
    error = "ERROR: " + Visible(ruta) + " no es un archivo regular";
    return false;
  }
  // Replacing a file takes only the folder's permission; like cp, refuse a
  // file that this user may not write. Opening it to append changes nothing.
  if (existe) {
    std::FILE* archivo = Abra(destino, "ab");
    if (archivo == nullptr) {
      error = Por_Que(ruta, Ultimo_Error());
      return false;
    }
    static_cast<void>(std::fclose(archivo));  // nothing was written
  }

  Temporal temporal(destino.parent_path());
  std::FILE* archivo = temporal.Cree(codigo);
  if (archivo == nullptr) {
    error = Por_Que(ruta, codigo);
    return false;
  }
  bool escrito =
      std::fwrite(texto.data(), 1, texto.size(), archivo) == texto.size() &&
      std::fflush(archivo) == 0;
  codigo = Ultimo_Error();
  if (std::fclose(archivo) != 0 && escrito) {
    escrito = false;
    codigo = Ultimo_Error();
  }
  if (!escrito) {
    error = Por_Que(ruta, codigo);
    return false;
  }
  if (existe) {
    // The page keeps the permissions of the file it replaces.
    fs::permissions(temporal.Ruta(), estado.permissions(), codigo);
  }
  if (!temporal.Renombre(destino, codigo)) {
    error = Por_Que(ruta, codigo);
    return false;
  }
  error.clear();
  return true;
}
