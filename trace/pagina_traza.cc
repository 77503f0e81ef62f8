#include "trace/pagina_traza.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string_view>
#include <system_error>

#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"
#include "sorting/estrategias.h"
#include "trace/pagina_html.h"

namespace {

namespace fs = std::filesystem;

// Where the template takes the data.
constexpr std::string_view kMarca = "@DATOS_TRAZA@";

// The containers each strategy's calls are shown on, in the report's order:
// what the page calls each, and the links it follows to reach position p,
// p times enlaces_por_posicion (Lista_Ordenable walks from Primero).
struct Contenedor_Mostrado {
  const char* nombre;
  const char* etiqueta;
  int enlaces_por_posicion;
};
constexpr std::array<Contenedor_Mostrado, 2> kContenedores = {
    {{Vector_Ordenable::kNombre, "Arreglo", 0},
     {Lista_Ordenable::kNombre, "Lista", 1}}};

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

// The line that says why ruta could not be written, from the system's error.
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
      codigo == std::errc::operation_not_permitted ||
      codigo == std::errc::read_only_file_system) {
    return "ERROR: permiso denegado para escribir " + visible;
  }
  if (codigo == std::errc::no_space_on_device) {
    return "ERROR: no queda espacio para escribir " + visible;
  }
  return "ERROR: no se pudo escribir " + visible + " (" + codigo.message() +
         ")";
}

std::error_code Ultimo_Error() { return {errno, std::generic_category()}; }

// Writes texto into a new file beside destino, with a name no other file
// has: it is created only if it does not exist yet. Returns its path, or an
// empty path with codigo set.
fs::path Temporal(const fs::path& destino, std::string_view texto,
                  std::error_code& codigo) {
  for (int intento = 0; intento < 100; ++intento) {
    fs::path temporal = destino;
    temporal += ".parcial-" + std::to_string(intento);
    std::FILE* archivo = Abra(temporal, "wbx");
    if (archivo == nullptr) {
      codigo = Ultimo_Error();
      if (codigo == std::errc::file_exists) {
        continue;
      }
      return {};
    }
    bool escrito =
        std::fwrite(texto.data(), 1, texto.size(), archivo) == texto.size() &&
        std::fflush(archivo) == 0;
    codigo = Ultimo_Error();
    if (std::fclose(archivo) != 0 && escrito) {
      escrito = false;
      codigo = Ultimo_Error();
    }
    if (escrito) {
      codigo.clear();
      return temporal;
    }
    std::error_code ignorado;
    fs::remove(temporal, ignorado);
    return {};
  }
  return {};
}

}  // namespace

Pagina_Traza::Pagina_Traza(const Opciones_Traza& opciones)
    : opciones_(opciones) {
  Estrategias::Para_Cada([this, &opciones](auto estrategia) {
    typename decltype(estrategia)::Tipo ordenador;
    recorridos_.emplace_back(ordenador, opciones.Entrada());
  });
}

std::string Pagina_Traza::Datos() const {
  using nlohmann::json;
  std::vector<std::string> contenedores;
  json mostrados = json::array();
  for (const Contenedor_Mostrado& c : kContenedores) {
    contenedores.emplace_back(c.nombre);
    mostrados.push_back({{"nombre", c.nombre},
                         {"etiqueta", c.etiqueta},
                         {"enlaces_por_posicion", c.enlaces_por_posicion}});
  }
  json estrategias = json::array();
  json paneles = json::array();
  for (const Recorrido& recorrido : recorridos_) {
    // A comparison is [i, j, answer], an exchange [i, j].
    json llamadas = json::array();
    std::transform(recorrido.Llamadas().begin(), recorrido.Llamadas().end(),
                   std::back_inserter(llamadas),
                   [](const Contenedor_Registro::Llamada& l) {
                     return l.operacion ==
                                    Contenedor_Registro::Operacion::kEs_Menor
                                ? json::array({l.i, l.j, l.respuesta ? 1 : 0})
                                : json::array({l.i, l.j});
                   });
    // The panels in the order of the demonstration's report, with its
    // headers.
    for (std::size_t c = 0; c < contenedores.size(); ++c) {
      const std::size_t numero = paneles.size() + 1;
      paneles.push_back(
          {{"titulo", "<<< " + std::to_string(numero) + " >>> => " +
                          contenedores[c] + " <===> " + recorrido.Estrategia()},
           {"estrategia", estrategias.size()},
           {"contenedor", c}});
    }
    estrategias.push_back(
        {{"nombre", recorrido.Estrategia()}, {"ops", std::move(llamadas)}});
  }
  const bool sorteada = opciones_.Sorteada();
  const json datos = {
      {"entrada", opciones_.Entrada()},
      {"origen", opciones_.Origen()},
      {"descripcion", opciones_.Descripcion()},
      {"semilla", sorteada ? json(opciones_.Semilla()) : json(nullptr)},
      {"comando", opciones_.Comando()},
      {"comando_semilla",
       sorteada ? json(opciones_.Comando_Semilla()) : json(nullptr)},
      {"contenedores", std::move(mostrados)},
      {"paneles", std::move(paneles)},
      {"estrategias", std::move(estrategias)}};
  const std::string texto = datos.dump();
  // '<' can stand only inside a JSON string, where \u003c means the same;
  // without it "</script>" or "<!--" in a string would end or bend the
  // script element.
  std::string seguro;
  seguro.reserve(texto.size());
  for (char c : texto) {
    if (c == '<') {
      seguro += "\\u003c";
    } else {
      seguro += c;
    }
  }
  return seguro;
}

std::string Pagina_Traza::Html() const {
  std::string pagina(kPaginaHtml.data(), kPaginaHtml.size());
  const std::size_t marca = pagina.find(kMarca);
  if (marca != std::string::npos) {
    pagina.replace(marca, kMarca.size(), Datos());
  }
  return pagina;
}

bool Pagina_Traza::Escriba(const std::string& ruta, std::string& error) const {
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

  const fs::path temporal = Temporal(destino, Html(), codigo);
  if (temporal.empty()) {
    error = Por_Que(ruta, codigo);
    return false;
  }
  if (existe) {
    // The page keeps the permissions of the file it replaces.
    fs::permissions(temporal, estado.permissions(), codigo);
  }
  // std::filesystem::rename replaces an existing file on every platform,
  // where std::rename fails on Windows.
  fs::rename(temporal, destino, codigo);
  if (codigo) {
    std::error_code ignorado;
    fs::remove(temporal, ignorado);
    error = Por_Que(ruta, codigo);
    return false;
  }
  error.clear();
  return true;
}
