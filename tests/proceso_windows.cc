// Runs built programs for the tests on Windows (and under wine): the child
// starts through CreateProcessW with standard input from NUL and standard
// output and standard error in temporary files that are read back byte for
// byte and deleted when closed.

// Only the core of windows.h, and no min and max macros.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif

#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "proceso.h"

namespace {

// The exit code of a program ended by abort(), raise(SIGABRT) or a failed
// assert in the Microsoft C runtimes and in MinGW.
constexpr DWORD kCodigoDeAbort = 3;

// The UTF-16 of the wide Windows API for a UTF-8 std::string.
std::wstring Ancho(const std::string& texto) {
  if (texto.empty()) {
    return {};
  }
  const int largo = static_cast<int>(texto.size());
  const int ancho =
      MultiByteToWideChar(CP_UTF8, 0, texto.data(), largo, nullptr, 0);
  std::wstring resultado(static_cast<std::size_t>(ancho), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, texto.data(), largo, resultado.data(), ancho);
  return resultado;
}

// Appends argumento to linea so that the C runtime of the child (and
// CommandLineToArgvW) reads it back unchanged: quoted when empty or when it
// holds blanks or quotes, with quotes escaped and the backslashes that
// precede a quote, or the closing quote, doubled.
void Agregue_Argumento(std::wstring& linea, const std::wstring& argumento) {
  if (!linea.empty()) {
    linea += L' ';
  }
  if (!argumento.empty() &&
      argumento.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    linea += argumento;
    return;
  }
  linea += L'"';
  std::size_t barras = 0;
  for (const wchar_t c : argumento) {
    if (c == L'\\') {
      ++barras;
      continue;
    }
    if (c == L'"') {
      linea.append(2 * barras + 1, L'\\');
    } else {
      linea.append(barras, L'\\');
    }
    barras = 0;
    linea += c;
  }
  linea.append(2 * barras, L'\\');
  linea += L'"';
}

// A handle closed when it goes out of scope.
class Manija {
 public:
  explicit Manija(HANDLE h) : h_(h) {}
  ~Manija() {
    if (Valida()) {
      CloseHandle(h_);
    }
  }
  Manija(const Manija&) = delete;
  Manija& operator=(const Manija&) = delete;

  HANDLE Get() const { return h_; }
  bool Valida() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

// An empty temporary file, opened for reading and writing with a handle the
// child inherits. The system deletes it once every handle to it is closed.
HANDLE Cree_Temporal(const SECURITY_ATTRIBUTES& heredable) {
  wchar_t carpeta[MAX_PATH + 1];
  wchar_t ruta[MAX_PATH];
  if (GetTempPathW(MAX_PATH + 1, carpeta) == 0 ||
      GetTempFileNameW(carpeta, L"ord", 0, ruta) == 0) {
    return INVALID_HANDLE_VALUE;
  }
  SECURITY_ATTRIBUTES atributos = heredable;
  return CreateFileW(ruta, GENERIC_READ | GENERIC_WRITE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     &atributos, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                     nullptr);
}

// Everything in the file of archivo, from its start.
std::string Lea(HANDLE archivo) {
  std::string contenido;
  LARGE_INTEGER inicio;
  inicio.QuadPart = 0;
  if (SetFilePointerEx(archivo, inicio, nullptr, FILE_BEGIN) == FALSE) {
    const DWORD error = GetLastError();
    ADD_FAILURE() << "cannot rewind a temporary file, error " << error;
    return contenido;
  }
  char bloque[4096];
  DWORD leidos = 0;
  while (ReadFile(archivo, bloque, static_cast<DWORD>(sizeof bloque), &leidos,
                  nullptr) != FALSE &&
         leidos > 0) {
    contenido.append(bloque, leidos);
  }
  return contenido;
}

}  // namespace

const char* const kFinDeLinea = "\r\n";

bool HayDispositivoLleno() { return false; }

Ejecucion Ejecute(const std::string& programa,
                  const std::vector<std::string>& argumentos, Destino destino) {
  Ejecucion ejecucion;
  if (destino == Destino::kDispositivoLleno || destino == Destino::kAnexada) {
    ADD_FAILURE() << "Windows has no device that is always full, and the "
                     "tests do not append here";
    ejecucion.estado = "not started: destination for POSIX only";
    return ejecucion;
  }

  SECURITY_ATTRIBUTES heredable{};
  heredable.nLength = static_cast<DWORD>(sizeof heredable);
  heredable.bInheritHandle = TRUE;

  const Manija entrada(CreateFileW(L"NUL", GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   &heredable, OPEN_EXISTING, 0, nullptr));
  const Manija salida(Cree_Temporal(heredable));
  const Manija errores(Cree_Temporal(heredable));
  if (!entrada.Valida() || !salida.Valida() || !errores.Valida()) {
    ADD_FAILURE() << "cannot open NUL or a temporary file";
    ejecucion.estado = "not started: no temporary files";
    return ejecucion;
  }

  // A null handle is how Windows says a process has no standard output:
  // GetStdHandle returns it, and the C runtime leaves stdout unopened.
  STARTUPINFOW inicio{};
  inicio.cb = static_cast<DWORD>(sizeof inicio);
  inicio.dwFlags = STARTF_USESTDHANDLES;
  inicio.hStdInput = entrada.Get();
  inicio.hStdOutput = destino == Destino::kArchivo ? salida.Get() : nullptr;
  inicio.hStdError = errores.Get();

  const std::wstring aplicacion = Ancho(programa);
  // The program name is parsed without backslash escapes, so it is only
  // quoted; a path cannot hold a quote.
  std::wstring linea = L"\"" + aplicacion + L"\"";
  for (const std::string& argumento : argumentos) {
    Agregue_Argumento(linea, Ancho(argumento));
  }

  PROCESS_INFORMATION proceso{};
  if (CreateProcessW(aplicacion.c_str(), linea.data(), nullptr, nullptr, TRUE,
                     0, nullptr, nullptr, &inicio, &proceso) == FALSE) {
    ejecucion.estado = "not started: CreateProcess error " +
                       std::to_string(GetLastError()) + " for " + programa;
    return ejecucion;
  }
  const Manija hilo(proceso.hThread);
  const Manija hijo(proceso.hProcess);

  DWORD codigo = 0;
  if (WaitForSingleObject(hijo.Get(), INFINITE) != WAIT_OBJECT_0 ||
      GetExitCodeProcess(hijo.Get(), &codigo) == FALSE) {
    const DWORD error = GetLastError();
    ADD_FAILURE() << "cannot wait for " << programa << ", error " << error;
    ejecucion.estado = "lost: the wait failed";
    return ejecucion;
  }

  // Windows keeps no record of how a process ended beyond its exit code:
  // 3 is the code abort() leaves, and an unhandled exception leaves its own
  // code, such as 0xC0000005 for an access violation.
  ejecucion.codigo = static_cast<int>(codigo);
  if (codigo == kCodigoDeAbort) {
    ejecucion.final = Final::kAbortado;
    ejecucion.estado = "exit code 3 (abort)";
  } else if (codigo >= 0xC0000000U) {
    ejecucion.final = Final::kOtro;
    std::ostringstream texto;
    texto << "exception 0x" << std::hex << std::uppercase << codigo;
    ejecucion.estado = texto.str();
  } else {
    ejecucion.final = Final::kSalio;
    ejecucion.estado = "exit code " + std::to_string(codigo);
  }
  if (destino == Destino::kArchivo) {
    ejecucion.salida = Lea(salida.Get());
  }
  ejecucion.errores = Lea(errores.Get());
  return ejecucion;
}
