#ifndef ORDENAMIENTO_TESTS_PROCESO_H_
#define ORDENAMIENTO_TESTS_PROCESO_H_

#include <string>
#include <vector>

// Runs built programs for the tests and reports what a user would see:
// their standard output and standard error, byte for byte, and how they
// ended. One implementation for POSIX systems and one for Windows.

// Where the child's standard output goes.
enum class Destino {
  kArchivo,           // a temporary file, read back into Ejecucion::salida
  kDispositivoLleno,  // /dev/full, where every write fails (see
                      // HayDispositivoLleno)
  kCerrada,           // nowhere: the child starts with standard output closed
  kAnexada,  // a temporary file that already holds kAntes, opened to append
             // as the shell's >> does, read back whole (POSIX only)
};

// What a kAnexada file holds before the child starts.
inline constexpr const char* kAntes = "antes\n";

// How a program ended.
enum class Final {
  kNoLanzado,  // it could not be started, or the wait for it failed
  kSalio,      // through exit or a return from main, with an exit status
  kAbortado,   // through abort(): SIGABRT on POSIX, exit status 3 on Windows
  kOtro,       // killed by another signal, or by an exception on Windows
};

struct Ejecucion {
  Final final = Final::kNoLanzado;
  int codigo = -1;      // the exit status, when final is kSalio or kAbortado
                        // on Windows
  std::string salida;   // standard output, when sent to a file
  std::string errores;  // standard error
  std::string estado;   // how it ended, in words, for failure messages
};

// Runs programa with argumentos, standard input empty, standard output to
// destino and standard error to a file, and waits for it to end.
Ejecucion Ejecute(const std::string& programa,
                  const std::vector<std::string>& argumentos = {},
                  Destino destino = Destino::kArchivo);

// Whether this system has /dev/full.
bool HayDispositivoLleno();

// The end of line of a text stream on this platform: "\r\n" on Windows,
// whose C runtime writes a text-mode '\n' that way, and "\n" elsewhere.
extern const char* const kFinDeLinea;

// The path of a built program: the environment variable named variable if
// it is set, otherwise the path the test was built with.
std::string Programa(const char* variable, const char* compilado);

#endif  // ORDENAMIENTO_TESTS_PROCESO_H_
