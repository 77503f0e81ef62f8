// The process runner on POSIX systems: posix_spawn, with the child's
// standard streams redirected by the spawn's file actions.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "proceso.h"

extern char** environ;  // NOLINT(readability-redundant-declaration)

const char* const kFinDeLinea = "\n";

namespace {

// A temporary file that is removed when it goes out of scope.
class Temporal {
 public:
  Temporal() : ruta_(Plantilla()), descriptor_(mkstemp(ruta_.data())) {}
  Temporal(const Temporal&) = delete;
  Temporal& operator=(const Temporal&) = delete;
  ~Temporal() {
    if (descriptor_ >= 0) {
      close(descriptor_);
      unlink(ruta_.data());
    }
  }

  bool Valido() const { return descriptor_ >= 0; }
  const char* Ruta() const { return ruta_.data(); }

  std::string Lea() const {
    std::ifstream archivo(ruta_.data(), std::ios::binary);
    return {std::istreambuf_iterator<char>(archivo), {}};
  }

 private:
  // A name for mkstemp to complete, as a writable, zero-terminated array.
  static std::vector<char> Plantilla() {
    const std::string plantilla =
        (std::filesystem::temp_directory_path() / "ordenamiento_XXXXXX")
            .string();
    std::vector<char> ruta(plantilla.begin(), plantilla.end());
    ruta.push_back('\0');
    return ruta;
  }

  std::vector<char> ruta_;
  int descriptor_;
};

}  // namespace

Ejecucion Ejecute(const std::string& programa,
                  const std::vector<std::string>& argumentos, Destino destino) {
  Ejecucion ejecucion;
  const Temporal salida;
  const Temporal errores;
  if (!salida.Valido() || !errores.Valido()) {
    ADD_FAILURE() << "no temporary files";
    return ejecucion;
  }

  posix_spawn_file_actions_t acciones;
  posix_spawn_file_actions_init(&acciones);
  posix_spawn_file_actions_addopen(&acciones, STDIN_FILENO, "/dev/null",
                                   O_RDONLY, 0);
  if (destino == Destino::kArchivo) {
    posix_spawn_file_actions_addopen(&acciones, STDOUT_FILENO, salida.Ruta(),
                                     O_WRONLY | O_TRUNC, 0);
  } else if (destino == Destino::kAnexada) {
    std::ofstream(salida.Ruta(), std::ios::binary) << kAntes;
    posix_spawn_file_actions_addopen(&acciones, STDOUT_FILENO, salida.Ruta(),
                                     O_WRONLY | O_APPEND, 0);
  } else if (destino == Destino::kDispositivoLleno) {
    posix_spawn_file_actions_addopen(&acciones, STDOUT_FILENO, "/dev/full",
                                     O_WRONLY, 0);
  } else {
    posix_spawn_file_actions_addclose(&acciones, STDOUT_FILENO);
  }
  posix_spawn_file_actions_addopen(&acciones, STDERR_FILENO, errores.Ruta(),
                                   O_WRONLY | O_TRUNC, 0);

  std::vector<std::string> textos = {programa};
  textos.insert(textos.end(), argumentos.begin(), argumentos.end());
  std::vector<char*> argv;
  argv.reserve(textos.size() + 1);
  for (std::string& texto : textos) {
    argv.push_back(texto.data());
  }
  argv.push_back(nullptr);

  pid_t hijo = 0;
  const int error = posix_spawn(&hijo, programa.c_str(), &acciones, nullptr,
                                argv.data(), environ);
  posix_spawn_file_actions_destroy(&acciones);
  if (error != 0) {
    ejecucion.estado =
        "could not start " + programa + ": error " + std::to_string(error);
    return ejecucion;
  }

  int estado = 0;
  while (waitpid(hijo, &estado, 0) < 0) {
    if (errno != EINTR) {
      ejecucion.estado = "waitpid failed: error " + std::to_string(errno);
      return ejecucion;
    }
  }
  ejecucion.salida = salida.Lea();
  ejecucion.errores = errores.Lea();
  if (WIFEXITED(estado)) {
    ejecucion.final = Final::kSalio;
    ejecucion.codigo = WEXITSTATUS(estado);
    ejecucion.estado = "exit status " + std::to_string(ejecucion.codigo);
  } else if (WIFSIGNALED(estado)) {
    ejecucion.final =
        WTERMSIG(estado) == SIGABRT ? Final::kAbortado : Final::kOtro;
    ejecucion.estado = "signal " + std::to_string(WTERMSIG(estado));
  }
  return ejecucion;
}

bool HayDispositivoLleno() { return access("/dev/full", W_OK) == 0; }
