// The browser page's way into the project's own code, compiled to
// WebAssembly: the page records every strategy through the same
// Opciones_Traza and Pagina_Traza as the command-line tool
// ordenamiento_traza, and runs the demonstration's own main, which is
// linked into the same module.

#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "trace/entradas.h"
#include "trace/escritor_json.h"
#include "trace/opciones_traza.h"
#include "trace/pagina_traza.h"

namespace {

// The words that texto holds, each written as its length in bytes, a colon
// and its bytes ("10:--valores5:7,3,3"), put after those of palabras;
// false where texto is not such a list. A word may hold any character but
// the null character, which ends texto.
bool Lea_Palabras(const char* texto, std::vector<std::string>& palabras) {
  std::string_view resto(texto);
  while (!resto.empty()) {
    // Its length: 1 to 9 digits before a colon (with no colon, npos).
    const std::size_t dos_puntos = resto.find(':');
    if (dos_puntos == 0 || dos_puntos > 9) {
      return false;
    }
    std::size_t largo = 0;
    for (const char cifra : resto.substr(0, dos_puntos)) {
      if (cifra < '0' || cifra > '9') {
        return false;
      }
      largo = largo * 10 + static_cast<std::size_t>(cifra - '0');
    }
    resto.remove_prefix(dos_puntos + 1);
    if (largo > resto.size()) {
      return false;
    }
    palabras.emplace_back(resto.substr(0, largo));
    resto.remove_prefix(largo);
  }
  return true;
}

}  // namespace

extern "C" {

// Reads palabras, the words of a command line without the program, such
// as 10:--valores5:7,3,3 for --valores 7,3,3 (Lea_Palabras, above), as
// ordenamiento_traza reads its own, and returns {"datos": <the page's
// data>} or {"error": "<one line in Spanish>"} for input it cannot take,
// worded for the page: its form's fields rather than the tool's options.
// The text stays valid until the next call. The words do not come as
// JSON, which would take a JSON parser into the module.
EMSCRIPTEN_KEEPALIVE const char* Traza_Datos(const char* palabras) {
  static std::string respuesta;
  std::vector<std::string> textos = {"ordenamiento_traza"};
  if (!Lea_Palabras(palabras, textos)) {
    respuesta = R"({"error":"ERROR: la entrada no es una lista de palabras"})";
    return respuesta.c_str();
  }
  std::vector<const char*> argv(textos.size());
  std::transform(textos.begin(), textos.end(), argv.begin(),
                 [](const std::string& texto) { return texto.c_str(); });
  Opciones_Traza opciones;
  if (opciones.Lea(static_cast<int>(argv.size()), argv.data(),
                   Opciones_Traza::Voz::kPagina) ==
      Opciones_Traza::Resultado::kTrazar) {
    // A strategy that goes wrong is shown up to where it went wrong, and
    // says so at its panels' end, as on the tool's page.
    respuesta = "{\"datos\":" + Pagina_Traza(opciones).Datos() + "}";
  } else {
    Escritor_Json json;
    json.Abra_Objeto().Clave("error").Valor(opciones.Mensaje()).Cierre_Objeto();
    respuesta = json.Texto();
  }
  return respuesta.c_str();
}

// The inputs that the page's form offers, from the table the tool reads
// its options with: {"formas":["aleatoria",...],"n":20}, the shapes in the
// help's order, the first being the default, and how many values are drawn
// when none is said. The text stays valid for as long as the module.
EMSCRIPTEN_KEEPALIVE const char* Traza_Entradas() {
  static const std::string respuesta = [] {
    Escritor_Json json;
    json.Abra_Objeto().Clave("formas").Abra_Lista();
    for (const Entradas::Forma& forma : Entradas::Formas()) {
      json.Valor(forma.nombre);
    }
    json.Cierre_Lista().Clave("n").Valor(Entradas::kCuantos).Cierre_Objeto();
    return json.Texto();
  }();
  return respuesta.c_str();
}

}  // extern "C"
