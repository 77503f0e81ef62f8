#include "trace/pagina_traza.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"
#include "recording/veredicto.h"
#include "sorting/estrategias.h"
#include "trace/escritor_json.h"
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
                     Escritor_Json& json) {
  json.Clave("funciones").Lista(seguido.funciones);
  json.Clave("nombres").Lista(seguido.nombres);
  json.Clave("marcos").Abra_Lista();
  int marcos_mostrados = 0;
  for (const Seguimiento::Marco_Seguido& m : seguido.marcos) {
    if (m.entrada < mostradas) {
      json.Valor(m.funcion).Valor(m.entrada).Valor(
          std::min(m.salida, mostradas));
      ++marcos_mostrados;
    }
  }
  json.Cierre_Lista().Clave("variables").Abra_Lista();
  for (const Seguimiento::Variable_Seguida& v : seguido.variables) {
    if (v.marco < marcos_mostrados) {
      json.Valor(v.marco).Valor(v.nombre).Valor(v.clase);
    }
  }
  json.Cierre_Lista().Clave("cambios").Abra_Lista();
  std::vector<int> fines;
  int llamada = 0;
  int fin = 0;
  for (const Seguimiento::Cambio& c : seguido.cambios) {
    if (c.llamada >= mostradas) {
      break;
    }
    if (c.vive) {
      json.Valor(c.llamada - llamada).Valor(c.variable).Valor(c.valor);
      llamada = c.llamada;
    } else {
      fines.insert(fines.end(), {c.llamada - fin, c.variable});
      fin = c.llamada;
    }
  }
  json.Cierre_Lista().Clave("fines").Lista(fines);
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
  Escritor_Json json;
  json.Abra_Objeto();
  json.Clave("entrada").Lista(opciones_.Entrada());
  json.Clave("origen").Valor(opciones_.Origen());
  json.Clave("descripcion").Valor(opciones_.Descripcion());
  if (opciones_.Sorteada()) {
    json.Clave("semilla").Valor(opciones_.Semilla());
    json.Clave("comando_semilla").Valor(opciones_.Comando_Semilla());
  } else {
    json.Clave("semilla").Nulo();
    json.Clave("comando_semilla").Nulo();
  }
  json.Clave("comando").Valor(opciones_.Comando());
  json.Clave("contenedores").Abra_Lista();
  for (const Contenedor_Mostrado& c : kContenedores) {
    json.Abra_Objeto();
    json.Clave("nombre").Valor(c.nombre);
    json.Clave("etiqueta").Valor(c.etiqueta);
    json.Clave("enlaces_por_posicion").Valor(c.enlaces_por_posicion);
    json.Cierre_Objeto();
  }
  // The panels in the order of the demonstration's report, with its
  // headers: each strategy on each container.
  json.Cierre_Lista().Clave("paneles").Abra_Lista();
  for (std::size_t s = 0; s < recorridos_.size(); ++s) {
    for (std::size_t c = 0; c < kContenedores.size(); ++c) {
      const std::size_t numero = s * kContenedores.size() + c + 1;
      json.Abra_Objeto();
      json.Clave("titulo").Valor("<<< " + std::to_string(numero) + " >>> => " +
                                 kContenedores.at(c).nombre + " <===> " +
                                 recorridos_.at(s).Estrategia());
      json.Clave("estrategia").Valor(s);
      json.Clave("contenedor").Valor(c);
      json.Cierre_Objeto();
    }
  }
  json.Cierre_Lista().Clave("estrategias").Abra_Lista();
  for (std::size_t s = 0; s < recorridos_.size(); ++s) {
    const Recorrido& recorrido = recorridos_.at(s);
    json.Abra_Objeto();
    json.Clave("nombre").Valor(recorrido.Estrategia());
    json.Clave("visible").Valor(visibles_.at(s));
    // A comparison is [i, j, answer], an exchange [i, j]; each call's line
    // stands apart, in a list of numbers.
    const std::vector<Contenedor_Registro::Llamada>& hechas =
        recorrido.Llamadas();
    const std::size_t mostradas = std::min(hechas.size(), kLlamadasMostradas);
    json.Clave("ops").Abra_Lista();
    for (std::size_t t = 0; t < mostradas; ++t) {
      const Contenedor_Registro::Llamada& l = hechas[t];
      json.Abra_Lista().Valor(l.i).Valor(l.j);
      if (l.operacion == Contenedor_Registro::Operacion::kEs_Menor) {
        json.Valor(l.respuesta ? 1 : 0);
      }
      json.Cierre_Lista();
    }
    json.Cierre_Lista().Clave("lineas").Abra_Lista();
    for (std::size_t t = 0; t < mostradas; ++t) {
      json.Valor(hechas[t].linea);
    }
    json.Cierre_Lista();
    Escriba_Seguido(recorrido.Seguido(), static_cast<int>(mostradas), json);
    if (!recorrido.Falla().empty()) {
      json.Clave("falla").Valor(recorrido.Falla());
    }
    if (mostradas < hechas.size()) {
      json.Clave("hechas").Valor(hechas.size());
    }
    json.Cierre_Objeto();
  }
  json.Cierre_Lista().Cierre_Objeto();
  return json.Texto();
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
