#include "tests/corpus/ordenador_peine_prueba.h"

#include "containers/contenedor_ordenable.h"

// Each line that makes a call ends with the mark "luz"; no line marked
// "oculta" is shown.

namespace {

// Neither the panel nor the copy takes a brace or a call from a comment,
// { C.Es_Menor(0, 1) }, nor from a literal.
// clang-format off
// NOLINTNEXTLINE(cppcoreguidelines-avoid-c-arrays,modernize-avoid-c-arrays)
constexpr char kContinuada[] = "} C.Es_Menor(0, 1) {\
C.Intercambie(";
constexpr char kCruda[] = R"x(C.Intercambie(1, 0) } ")" {)x";  // NOLINT(cppcoreguidelines-avoid-c-arrays,modernize-avoid-c-arrays)
static_assert(sizeof kContinuada == 35 && sizeof kCruda == 28 && '{' != '}',
              "the copy leaves the literals as they are");
// clang-format on

// The interface's exchange under its own name: its declaration and its
// calls are no calls of the interface.
void Intercambie(Contenedor_Ordenable& C, int a, int b) {
  C.Intercambie(a, b);  // luz
}

template <typename Contenedor>
bool Menor(const Contenedor& C, int a, int b) {
  return C.Es_Menor(a, b);  // luz
}

const auto kNoMayor = [](const Contenedor_Ordenable& C, int a, int b) {
  return !C.Es_Menor(b, a);  // luz
};

[[maybe_unused]] int Nunca(int x) { return x; }  // oculta

}  // namespace

#if 0
void Ordenador_Peine_Prueba::Ordene(Contenedor_Ordenable& C) {  // oculta
  C.Intercambie(0, 0);  // oculta
#endif

void Ordenador_Peine_Prueba::Ordene(Contenedor_Ordenable& C) {
  const int n = static_cast<int>(C.Dimension());
  int salto = n;
  for (bool cambio = true; salto > 1 || cambio;) {
    salto = salto * 10 / 13 > 1 ? salto * 10 / 13 : 1;
    cambio = false;
    for (int i = 0; i + salto < n; ++i) {
      const bool menor = Menor(C, i + salto, i);
      // clang-format off
      if (C.Es_Menor(  // luz
              i + salto, i) && menor && !kNoMayor(C, i, i + salto)) {
        Intercambie(C, i, i + salto);
        cambio = true;
      }
    }
  }
  C.Intercambie  // luz
      (0, 0);
  // clang-format on
}
