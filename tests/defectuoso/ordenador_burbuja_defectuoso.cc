// A broken Ordenador_Burbuja, linked into a test build of the driver in place
// of the real one: it sorts into descending order, so the driver's check must
// catch the very first demonstration.

#include "containers/contenedor_ordenable.h"
#include "sorting/ordenador_burbuja.h"

#ifdef _WIN32
#include <crtdbg.h>
#include <stdlib.h>

namespace {

// On Windows a failed assert may open a dialog and wait for a click (always
// in an MSVC Debug build, and in a GUI session otherwise), which would hang
// the test run. This build alone sends the report to standard error and
// skips the crash-report step of abort, which still ends the program with
// status 3. The shipped program keeps the platform's own behaviour.
[[maybe_unused]] const bool kInformeEnErrores = [] {
  _set_error_mode(_OUT_TO_STDERR);
#ifdef _MSC_VER
  static_cast<void>(_CrtSetReportMode(_CRT_ASSERT, _CRTDBG_MODE_FILE));
  static_cast<void>(_CrtSetReportFile(_CRT_ASSERT, _CRTDBG_FILE_STDERR));
  _set_abort_behavior(0, _WRITE_ABORT_MSG | _CALL_REPORTFAULT);
#endif
  return true;
}();

}  // namespace
#endif

void Ordenador_Burbuja::Ordene(Contenedor_Ordenable& C) {
  const int n = static_cast<int>(C.Dimension());
  for (int pasada = 0; pasada < n; ++pasada) {
    for (int i = 1; i < n; ++i) {
      if (C.Es_Menor(i - 1, i)) {
        C.Intercambie(i, i - 1);
      }
    }
  }
}

Ordenador_Burbuja::~Ordenador_Burbuja() = default;

const char* Ordenador_Burbuja::Nombre() const { return kNombre; }
