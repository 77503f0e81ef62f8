#include "lector/codigo_estrategia.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

#include "lector/seguimiento_escrito.h"

namespace {

// texto as a JSON string. '<' is written \u003c, so that no line of code
// can end the <script> element that carries the JSON.
std::string Cadena_Json(const std::string& texto) {
  std::string json = "\"";
  for (const char c : texto) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (c == '\t') {
      json += "\\t";
    } else if (static_cast<unsigned char>(c) < 0x20 || c == '<') {
      const std::string cifras = "0123456789abcdef";
      const auto u = static_cast<unsigned char>(c);
      json += "\\u00";
      json += cifras.at(u / 16U);
      json += cifras.at(u % 16U);
    } else {
      json += c;
    }
  }
  return json + "\"";
}

// ruta as a string literal of a #line directive.
std::string Cadena_Cpp(const std::string& ruta) {
  std::string cadena = "\"";
  for (const char c : ruta) {
    if (c == '"' || c == '\\') {
      cadena += '\\';
    }
    cadena += c;
  }
  return cadena + "\"";
}

bool En_Blanco(const std::string& linea) {
  return linea.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

Codigo_Estrategia::Codigo_Estrategia(std::string clase, Archivo_Fuente cabecera,
                                     Archivo_Fuente fuente)
    : clase_(std::move(clase)),
      cabecera_(std::move(cabecera)),
      fuente_(std::move(fuente)),
      estructura_cabecera_(cabecera_.texto),
      estructura_fuente_(fuente_.texto) {
  Elija_Mostradas();
}

void Codigo_Estrategia::Elija_Mostradas() {
  std::vector<Lugar> todas;
  for (const bool de_cabecera : {true, false}) {
    const std::vector<Definicion>& suyas =
        Estructura(de_cabecera).Definiciones();
    std::transform(suyas.begin(), suyas.end(), std::back_inserter(todas),
                   [de_cabecera](const Definicion& d) {
                     return Lugar{de_cabecera, &d};
                   });
  }
  std::vector<std::size_t> por_ver;
  bool hay_ordene = false;
  for (std::size_t k = 0; k < todas.size(); ++k) {
    const Definicion& d = *todas[k].definicion;
    const bool es_ordene = d.nombre == "Ordene" && d.clase == clase_;
    hay_ordene = hay_ordene || es_ordene;
    if (es_ordene || d.llama_a_la_interfaz) {
      por_ver.push_back(k);
    }
  }
  std::vector<bool> elegida(todas.size(), false);
  while (!por_ver.empty()) {
    const std::size_t k = por_ver.back();
    por_ver.pop_back();
    if (elegida[k]) {
      continue;
    }
    elegida[k] = true;
    for (std::size_t g = 0; g < todas.size(); ++g) {
      if (!elegida[g] && todas[k].definicion->nombrados.count(
                             todas[g].definicion->nombre) > 0) {
        por_ver.push_back(g);
      }
    }
  }
  for (std::size_t k = 0; k < todas.size(); ++k) {
    if (elegida[k]) {
      mostradas_.push_back(todas[k]);
    }
  }
  if (estructura_fuente_.Problema_De_Lectura().Hay()) {
    problema_ = estructura_fuente_.Problema_De_Lectura();
  } else if (estructura_cabecera_.Problema_De_Lectura().Hay()) {
    problema_ = estructura_cabecera_.Problema_De_Lectura();
  } else if (!hay_ordene) {
    problema_ = {"no definition of " + clase_ + "::Ordene(...) { was found",
                 "no se halló la definición de " + clase_ + "::Ordene(...) {"};
  }
}

bool Codigo_Estrategia::Entera(bool de_cabecera) const {
  if (Estructura(de_cabecera).Problema_De_Lectura().Hay()) {
    return true;
  }
  return !de_cabecera && problema_.Hay() &&
         !estructura_cabecera_.Problema_De_Lectura().Hay();
}

std::vector<std::string> Codigo_Estrategia::Avisos() const {
  std::vector<std::string> avisos;
  for (const bool de_cabecera : {true, false}) {
    const Problema& problema =
        Estructura(de_cabecera).Problema_De_Lectura().Hay()
            ? Estructura(de_cabecera).Problema_De_Lectura()
            : problema_;
    if (Entera(de_cabecera)) {
      avisos.push_back(Archivo(de_cabecera).nombre +
                       ": the replay page shows this file whole, since " +
                       problema.en_ingles);
    }
    const std::vector<Ficha>& fichas = Archivo(de_cabecera).texto.Fichas();
    for (const Llamada_Escrita& l : Estructura(de_cabecera).Llamadas()) {
      if (l.en_macro) {
        avisos.push_back(Archivo(de_cabecera).nombre + ":" +
                         std::to_string(l.linea) + ": a call of " +
                         fichas[l.parentesis - 1].texto +
                         " written inside a macro's definition: the replay "
                         "page cannot light its line");
      }
    }
  }
  return avisos;
}

std::string Codigo_Estrategia::Copia(bool de_cabecera, bool numerada) const {
  const Archivo_Fuente& archivo = Archivo(de_cabecera);
  const std::vector<Ficha>& fichas = archivo.texto.Fichas();
  std::map<std::size_t, std::string> inserciones;
  if (numerada) {
    for (const Llamada_Escrita& l : Estructura(de_cabecera).Llamadas()) {
      if (!l.en_macro) {
        inserciones[fichas[l.parentesis].fin] +=
            "::Contenedor_Registro::Linea{" +
            std::to_string(de_cabecera ? -l.linea : l.linea) + "} = ";
      }
    }
  }
  if (numerada && !problema_.Hay()) {
    Siga_Mostradas(de_cabecera, inserciones);
  }

  std::string copia =
      "// Written by ordenamiento_lector from " + archivo.nombre +
      (numerada ? ": each call notes its line for the replay.\n"
                : " as it is, since its copy with numbered calls did not "
                  "compile.\n") +
      "#include \"recording/seguimiento.h\"\n#line 1 " +
      Cadena_Cpp(archivo.ruta) + "\n";
  const std::string& texto = archivo.texto.Texto();
  std::size_t desde = 0;
  for (const auto& [donde, que] : inserciones) {
    copia.append(texto, desde, donde - desde);
    copia += que;
    desde = donde;
  }
  copia += texto.substr(desde);
  return copia;
}

void Codigo_Estrategia::Siga_Mostradas(
    bool de_cabecera, std::map<std::size_t, std::string>& inserciones) const {
  const std::vector<Ficha>& fichas = Archivo(de_cabecera).texto.Fichas();
  const Estructura_Fuente& estructura = Estructura(de_cabecera);
  int contador = 0;
  for (const Lugar& lugar : mostradas_) {
    if (lugar.de_cabecera != de_cabecera) {
      continue;
    }
    const Definicion& d = *lugar.definicion;
    if (d.cuerpo != kNingunaFicha) {
      // A function object's operator() is named after its class.
      const std::string nombre = d.nombre == "operator()" ? d.clase : d.nombre;
      Escriba_Seguimiento(fichas, {nombre, d.parametros, d.cuerpo},
                          estructura.Lambdas(), estructura.Llamadas(),
                          inserciones, contador);
    }
    for (const Lambda_Escrita& l : estructura.Lambdas()) {
      if (l.llave > d.primera && l.llave < d.ultima) {
        Escriba_Seguimiento(fichas, {l.nombre, l.parametros, l.llave},
                            estructura.Lambdas(), estructura.Llamadas(),
                            inserciones, contador);
      }
    }
  }
}

std::vector<Codigo_Estrategia::Tramo> Codigo_Estrategia::Tramos() const {
  std::vector<Tramo> tramos;
  for (const bool de_cabecera : {true, false}) {
    const std::vector<std::string> lineas = Archivo(de_cabecera).texto.Lineas();
    std::vector<Tramo> propios;
    if (Entera(de_cabecera)) {
      propios.push_back({de_cabecera, 1, static_cast<int>(lineas.size())});
    }
    for (const Lugar& lugar : mostradas_) {
      if (!Entera(de_cabecera) && lugar.de_cabecera == de_cabecera) {
        propios.push_back(
            {de_cabecera, lugar.definicion->desde, lugar.definicion->hasta});
      }
    }
    std::sort(propios.begin(), propios.end(),
              [](const Tramo& a, const Tramo& b) { return a.desde < b.desde; });
    // Runs joined where only blank lines stand between them.
    const auto en_blanco = [&lineas](int desde, int hasta) {
      for (int n = desde; n < hasta; ++n) {
        if (!En_Blanco(lineas[static_cast<std::size_t>(n - 1)])) {
          return false;
        }
      }
      return true;
    };
    const std::size_t primero = tramos.size();
    for (const Tramo& tramo : propios) {
      if (tramos.size() > primero &&
          en_blanco(tramos.back().hasta + 1, tramo.desde)) {
        tramos.back().hasta = std::max(tramos.back().hasta, tramo.hasta);
      } else if (tramo.hasta >= tramo.desde) {
        tramos.push_back(tramo);
      }
    }
  }
  return tramos;
}

std::vector<Codigo_Estrategia::Sin_Luz> Codigo_Estrategia::Llamadas_Sin_Luz()
    const {
  std::vector<Sin_Luz> sin_luz;
  for (const bool de_cabecera : {true, false}) {
    for (const Llamada_Escrita& l : Estructura(de_cabecera).Llamadas()) {
      if (l.en_macro) {
        sin_luz.push_back({de_cabecera, l.linea});
      }
    }
  }
  return sin_luz;
}

std::string Codigo_Estrategia::Json() const {
  std::string tramos;
  for (const Tramo& tramo : Tramos()) {
    const std::vector<std::string> lineas =
        Archivo(tramo.de_cabecera).texto.Lineas();
    tramos += std::string(tramos.empty() ? "" : ",") + "\n  {\"archivo\": " +
              Cadena_Json(Archivo(tramo.de_cabecera).nombre) +
              ", \"desde\": " + std::to_string(tramo.desde) + ", \"lineas\": [";
    for (int n = tramo.desde; n <= tramo.hasta; ++n) {
      tramos += (n == tramo.desde ? "" : ", ") +
                Cadena_Json(lineas[static_cast<std::size_t>(n - 1)]);
    }
    tramos += "]}";
  }
  std::string sin_luz;
  for (const Sin_Luz& l : Llamadas_Sin_Luz()) {
    sin_luz += std::string(sin_luz.empty() ? "" : ", ") +
               "{\"archivo\": " + Cadena_Json(Archivo(l.de_cabecera).nombre) +
               ", \"linea\": " + std::to_string(l.linea) +
               ", \"motivo\": \"está escrita en la definición de una "
               "macro\"}";
  }
  const std::string aviso =
      problema_.Hay()
          ? Cadena_Json("No se pudo seguir este código: " +
                        problema_.en_espanol + "; se muestra entero.")
          : "null";
  return "{\"archivo\": " + Cadena_Json(fuente_.nombre) +
         ", \"cabecera\": " + Cadena_Json(cabecera_.nombre) +
         ", \"aviso\": " + aviso + ", \"tramos\": [" + tramos +
         "], \"sin_luz\": [" + sin_luz + "]}";
}
