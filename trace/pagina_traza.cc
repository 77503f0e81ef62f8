#include "trace/pagina_traza.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string_view>

#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"
#include "recording/veredicto.h"
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

// What the strategy's own functions did, into its entry of the data, each
// list flat, as few characters as its numbers take: "funciones" and
// "nombres", the names; "marcos", three numbers a run of a function (the
// function, the call it was entered before, the call it was left before);
// "variables", three a variable (its run, its name, its flags:
// Seguimiento::Clase); "cambios", three a change of value, or a variable's
// coming to life (the calls since the change before it, the variable, its
// value from that call on); "fines", two a variable's end (the calls since
// the end before it, the variable, which no longer lives at that call).
// Only the first mostradas calls are kept, and what happened before them.
void Escriba_Seguido(const Seguimiento::Seguido& seguido, int mostradas,
                     nlohmann::json& estrategia) {
  using nlohmann::json;
  json marcos = json::array();
  int marcos_mostrados = 0;
  for (const Seguimiento::Marco_Seguido& m : seguido.marcos) {
    if (m.entrada < mostradas) {
      marcos.insert(marcos.end(),
                    {m.funcion, m.entrada, std::min(m.salida, mostradas)});
      ++marcos_mostrados;
    }
  }
  json variables = json::array();
  for (const Seguimiento::Variable_Seguida& v : seguido.variables) {
    if (v.marco < marcos_mostrados) {
      variables.insert(variables.end(), {v.marco, v.nombre, v.clase});
    }
  }
  json cambios = json::array();
  json fines = json::array();
  int llamada = 0;
  int fin = 0;
  for (const Seguimiento::Cambio& c : seguido.cambios) {
    if (c.llamada >= mostradas) {
      break;
    }
    if (c.vive) {
      cambios.insert(cambios.end(), {c.llamada - llamada, c.variable});
      cambios.push_back(c.valor);
      llamada = c.llamada;
    } else {
      fines.insert(fines.end(), {c.llamada - fin, c.variable});
      fin = c.llamada;
    }
  }
  estrategia["funciones"] = seguido.funciones;
  estrategia["marcos"] = std::move(marcos);
  estrategia["nombres"] = seguido.nombres;
  estrategia["variables"] = std::move(variables);
  estrategia["cambios"] = std::move(cambios);
  estrategia["fines"] = std::move(fines);
}

// The recordings of every strategy of the registry on the input of
// opciones, and the names they show.
Pagina_Traza::Grabadas Registradas(const Opciones_Traza& opciones) {
  Pagina_Traza::Grabadas registradas;
  Estrategias::Para_Cada([&registradas, &opciones](auto estrategia) {
    using Tipo = typename decltype(estrategia)::Tipo;
    Tipo ordenador;
    registradas.recorridos.emplace_back(ordenador, opciones.Entrada());
    registradas.visibles.emplace_back(Nombre_Visible<Tipo>());
  });
  return registradas;
}

}  // namespace

Pagina_Traza::Pagina_Traza(const Opciones_Traza& opciones)
    : Pagina_Traza(opciones, Registradas(opciones)) {}

Pagina_Traza::Pagina_Traza(Opciones_Traza opciones, Grabadas&& grabadas)
    : opciones_(std::move(opciones)),
      recorridos_(std::move(grabadas.recorridos)),
      visibles_(std::move(grabadas.visibles)) {
  for (const Recorrido& recorrido : recorridos_) {
    const std::string veredicto = Veredicto(
        recorrido.Estrategia(), Contenedor_Registro::kNombre,
        recorrido.Entrada(), recorrido.Resultado(), recorrido.Falla());
    if (!veredicto.empty()) {
      avisos_.push_back("AVISO: " + veredicto);
    }
  }
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
    const std::vector<Contenedor_Registro::Llamada>& hechas =
        recorrido.Llamadas();
    const std::size_t mostradas = std::min(hechas.size(), kLlamadasMostradas);
    json llamadas = json::array();
    json lineas = json::array();
    for (std::size_t t = 0; t < mostradas; ++t) {
      const Contenedor_Registro::Llamada& l = hechas[t];
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
    json estrategia = {{"nombre", recorrido.Estrategia()},
                       {"visible", visibles_.at(s)},
                       {"ops", std::move(llamadas)},
                       {"lineas", std::move(lineas)}};
    Escriba_Seguido(recorrido.Seguido(), static_cast<int>(mostradas),
                    estrategia);
    if (!recorrido.Falla().empty()) {
      estrategia["falla"] = recorrido.Falla();
    }
    if (mostradas < hechas.size()) {
      estrategia["hechas"] = hechas.size();
    }
    estrategias.push_back(std::move(estrategia));
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
