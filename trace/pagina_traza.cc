#include "trace/pagina_traza.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string_view>
#include <system_error>

#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"
#include "sorting/ordenador_burbuja.h"
#include "sorting/ordenador_burbuja_optimizada.h"
#include "sorting/ordenador_seleccion.h"
#include "trace/opciones_traza.h"
#include "trace/pagina_html.h"

namespace {

// Where the template takes the data.
constexpr std::string_view kMarca = "@DATOS_TRAZA@";

}  // namespace

Pagina_Traza::Pagina_Traza(const Opciones_Traza& opciones)
    : origen_(opciones.Origen()),
      sorteada_(opciones.Sorteada()),
      semilla_(opciones.Semilla()),
      orden_(opciones.Orden()) {
  const std::vector<int> entrada = opciones.Entrada();
  Ordenador_Burbuja burbuja;
  Ordenador_Burbuja_Optimizada optimizada;
  Ordenador_Seleccion seleccion;
  recorridos_.emplace_back(burbuja, entrada);
  recorridos_.emplace_back(optimizada, entrada);
  recorridos_.emplace_back(seleccion, entrada);
}

std::string Pagina_Traza::Datos() const {
  using nlohmann::json;
  json estrategias = json::array();
  for (const Recorrido& recorrido : recorridos_) {
    // A comparison is [i, j, answer], an exchange [i, j].
    json llamadas = json::array();
    std::transform(recorrido.Llamadas().begin(), recorrido.Llamadas().end(),
                   std::back_inserter(llamadas),
                   [](const Contenedor_Registro::Llamada& l) {
                     return l.operacion == '<'
                                ? json::array({l.i, l.j, l.respuesta ? 1 : 0})
                                : json::array({l.i, l.j});
                   });
    estrategias.push_back(
        {{"nombre", recorrido.Estrategia()}, {"ops", std::move(llamadas)}});
  }
  // Built empty, the containers only lend their names; they reseed the
  // generator, which nothing draws from after the input.
  const Vector_Ordenable vector(0);
  const Lista_Ordenable lista(0);
  const json datos = {{"entrada", recorridos_.front().Entrada()},
                      {"origen", origen_},
                      {"semilla", sorteada_ ? json(semilla_) : json(nullptr)},
                      {"orden", orden_},
                      {"contenedores", {vector.Nombre(), lista.Nombre()}},
                      {"estrategias", std::move(estrategias)}};
  // The command comes from the command line and may be any bytes: what is
  // not UTF-8 is shown as U+FFFD rather than refused.
  const std::string texto =
      datos.dump(-1, ' ', false, json::error_handler_t::replace);
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
  namespace fs = std::filesystem;
  error = "ERROR: no se pudo escribir la página en " + Visible(ruta);
  const fs::path destino(ruta);
  if (!destino.has_filename()) {
    return false;
  }
  // A name no other run is writing at the same moment, in the folder of the
  // page, so that the rename stays within one file system.
  fs::path temporal = destino;
  temporal += ".parcial-" +
              std::to_string(
                  std::chrono::steady_clock::now().time_since_epoch().count());
  std::error_code codigo;
  {
    std::ofstream archivo(temporal, std::ios::binary);
    archivo << Html();
    archivo.close();
    if (!archivo) {
      fs::remove(temporal, codigo);
      return false;
    }
  }
  // std::filesystem::rename replaces an existing file on every platform,
  // where std::rename fails on Windows.
  fs::rename(temporal, destino, codigo);
  if (codigo) {
    fs::remove(temporal, codigo);
    return false;
  }
  error.clear();
  return true;
}
