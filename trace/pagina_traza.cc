#include "trace/pagina_traza.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string_view>

#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"
#include "sorting/estrategias.h"
#include "trace/escritura.h"
#include "trace/pagina_html.h"

namespace {

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

}  // namespace

Pagina_Traza::Pagina_Traza(const Opciones_Traza& opciones)
    : opciones_(opciones) {
  Estrategias::Para_Cada([this, &opciones](auto estrategia) {
    using Tipo = typename decltype(estrategia)::Tipo;
    Tipo ordenador;
    visibles_.emplace_back(Nombre_Visible<Tipo>());
    const Recorrido& recorrido =
        recorridos_.emplace_back(ordenador, opciones.Entrada());
    if (error_.empty() && !recorrido.Falla().empty()) {
      error_ = std::string("ERROR: ") + recorrido.Estrategia() + " " +
               recorrido.Falla();
    }
  });
}

std::string Pagina_Traza::Datos() const {
  using nlohmann::json;
  json mostrados = json::array();
  std::transform(
      kContenedores.begin(), kContenedores.end(), std::back_inserter(mostrados),
      [](const Contenedor_Mostrado& c) {
        return json{{"nombre", c.nombre},
                    {"etiqueta", c.etiqueta},
                    {"enlaces_por_posicion", c.enlaces_por_posicion}};
      });
  json estrategias = json::array();
  json paneles = json::array();
  for (std::size_t s = 0; s < recorridos_.size(); ++s) {
    const Recorrido& recorrido = recorridos_.at(s);
    // A comparison is [i, j, answer], an exchange [i, j]; each call's line
    // stands apart, in a list of numbers.
    json llamadas = json::array();
    json lineas = json::array();
    for (const Contenedor_Registro::Llamada& l : recorrido.Llamadas()) {
      llamadas.push_back(l.operacion ==
                                 Contenedor_Registro::Operacion::kEs_Menor
                             ? json::array({l.i, l.j, l.respuesta ? 1 : 0})
                             : json::array({l.i, l.j}));
      lineas.push_back(l.linea);
    }
    // The panels in the order of the demonstration's report, with its
    // headers.
    for (std::size_t c = 0; c < kContenedores.size(); ++c) {
      const std::size_t numero = paneles.size() + 1;
      paneles.push_back(
          {{"titulo", "<<< " + std::to_string(numero) + " >>> => " +
                          kContenedores.at(c).nombre + " <===> " +
                          recorrido.Estrategia()},
           {"estrategia", estrategias.size()},
           {"contenedor", c}});
    }
    estrategias.push_back({{"nombre", recorrido.Estrategia()},
                           {"visible", visibles_.at(s)},
                           {"ops", std::move(llamadas)},
                           {"lineas", std::move(lineas)}});
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
  return Escriba_Salida(ruta, Html(), error);
}
