#include "lector/registro_estrategias.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "lector/estructura_fuente.h"

namespace {

// The text of line n of registro, without its indentation.
std::string Linea(const Texto_Fuente& registro, int n) {
  const std::vector<std::string> lineas = registro.Lineas();
  const std::string& linea = lineas.at(static_cast<std::size_t>(n - 1));
  const std::size_t desde = linea.find_first_not_of(" \t");
  return desde == std::string::npos ? "" : linea.substr(desde);
}

// The pieces joined, for messages built in a loop.
std::string Junte(std::initializer_list<std::string_view> piezas) {
  std::string junto;
  for (const std::string_view pieza : piezas) {
    junto += pieza;
  }
  return junto;
}

std::string En_Minusculas(const std::string& clase) {
  std::string archivo;
  for (const char c : clase) {
    archivo += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return archivo;
}

}  // namespace

Registro_Leido Lea_Registro(const Texto_Fuente& registro,
                            const std::string& nombre) {
  std::vector<const Ficha*> f;
  for (const Ficha& ficha : registro.Fichas()) {
    if (!ficha.en_directiva) {
      f.push_back(&ficha);
    }
  }
  const auto es = [&f](std::size_t p, const char* texto) {
    return p < f.size() && f[p]->Es(texto);
  };
  Registro_Leido leido;
  std::size_t p = 0;
  while (p < f.size() &&
         !(es(p, "Lista_Estrategias") && es(p + 1, "<") && es(p + 2, ">"))) {
    ++p;
  }
  if (p == f.size()) {
    leido.error = nombre +
                  " holds no list Lista_Estrategias<> ::Con<Ordenador_X> "
                  "... ::Fin";
    return leido;
  }
  for (p += 3; es(p, "::") && es(p + 1, "Con"); p += 5) {
    const bool una_clase = es(p + 2, "<") && p + 3 < f.size() &&
                           f[p + 3]->clase == Ficha::Clase::kNombre &&
                           es(p + 4, ">");
    if (!una_clase) {
      leido.error = nombre + ": `" + Linea(registro, f[p + 1]->linea) +
                    "` names no class: each strategy's line is "
                    "`::Con<Ordenador_X>`";
      return leido;
    }
    const std::string& clase = f[p + 3]->texto;
    if (std::find(leido.clases.begin(), leido.clases.end(), clase) !=
        leido.clases.end()) {
      leido.error = Junte({nombre, " names ", clase, " twice"});
      return leido;
    }
    leido.clases.push_back(clase);
  }
  if (!(es(p, "::") && es(p + 1, "Fin"))) {
    leido.error = nombre + ": the list of strategies ends at line " +
                  std::to_string(p < f.size() ? f[p]->linea : 0) +
                  " without ::Fin";
  }
  return leido;
}

std::string Clase_Definida(const Texto_Fuente& fuente) {
  const Estructura_Fuente estructura(fuente);
  const std::vector<Definicion>& definiciones = estructura.Definiciones();
  const auto ordene = std::find_if(
      definiciones.begin(), definiciones.end(), [](const Definicion& d) {
        return d.nombre == "Ordene" && !d.clase.empty();
      });
  return ordene == definiciones.end() ? "" : ordene->clase;
}

Registro_Revisado Revise_Registro(const std::string& carpeta,
                                  const std::string& nombre) {
  namespace fs = std::filesystem;
  Registro_Revisado revisado;
  const std::string registro = nombre + "/estrategias.h";
  const std::optional<Texto_Fuente> texto =
      Texto_Fuente::Lea((fs::path(carpeta) / "estrategias.h").string());
  if (!texto) {
    revisado.error = "cannot read " + registro;
    return revisado;
  }
  Registro_Leido leido = Lea_Registro(*texto, registro);
  if (!leido.error.empty()) {
    revisado.error = leido.error;
    return revisado;
  }
  std::vector<std::string> archivos;
  for (const std::string& clase : leido.clases) {
    const std::string archivo = En_Minusculas(clase);
    const std::vector<std::string> par = {archivo + ".h", archivo + ".cc"};
    const auto falta = std::find_if(
        par.begin(), par.end(), [&carpeta](const std::string& uno) {
          return !fs::exists(fs::path(carpeta) / uno);
        });
    if (falta != par.end()) {
      const std::string ruta = Junte({nombre, "/", archivo});
      revisado.error =
          Junte({registro, " names ", clase, ", but ", nombre, "/", *falta,
                 " does not exist: the strategy ", clase, " is the pair ", ruta,
                 ".h and ", ruta, ".cc, named after the class in lower case"});
      return revisado;
    }
    archivos.push_back(archivo);
  }
  std::vector<fs::path> presentes;
  for (const fs::directory_entry& e : fs::directory_iterator(carpeta)) {
    const std::string stem = e.path().stem().string();
    if (stem.rfind("ordenador_", 0) == 0 && e.path().extension() == ".cc" &&
        std::find(archivos.begin(), archivos.end(), stem) == archivos.end()) {
      presentes.push_back(e.path());
    }
  }
  std::sort(presentes.begin(), presentes.end());
  for (const fs::path& fuente : presentes) {
    const std::optional<Texto_Fuente> propio =
        Texto_Fuente::Lea(fuente.string());
    const std::string clase = propio ? Clase_Definida(*propio) : "";
    revisado.avisos.push_back(
        Junte({nombre, "/", fuente.filename().string(),
               " is in no line of the registry ", registro,
               ", so nothing builds, tests or shows it: add the line `::Con<",
               clase.empty() ? "<its class>" : clase, ">` there"}));
  }
  revisado.clases = std::move(leido.clases);
  return revisado;
}
