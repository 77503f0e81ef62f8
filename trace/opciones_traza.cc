#include "trace/opciones_traza.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

namespace {

// The ints of texto, which holds them in plain decimal separated by single
// commas, or nothing if it does not.
std::optional<std::vector<int>> Lista(std::string_view texto) {
  std::vector<int> valores;
  while (true) {
    const std::string_view pieza = texto.substr(0, texto.find(','));
    int valor = 0;
    const char* fin = pieza.data() + pieza.size();
    const auto [donde, error] = std::from_chars(pieza.data(), fin, valor);
    if (pieza.empty() || error != std::errc() || donde != fin) {
      return std::nullopt;
    }
    valores.push_back(valor);
    if (pieza.size() == texto.size()) {
      return valores;
    }
    texto.remove_prefix(pieza.size() + 1);
  }
}

// A list of kMinimo to kMaximo ints separated by commas, as --valores takes.
CLI::Validator Lista_De_Valores() {
  return CLI::Validator(
      [](const std::string& texto) {
        const std::optional<std::vector<int>> valores = Lista(texto);
        const bool valida =
            valores &&
            valores->size() >= std::size_t{Opciones_Traza::kMinimo} &&
            valores->size() <= std::size_t{Opciones_Traza::kMaximo};
        return valida ? std::string() : std::string("not a list of values");
      },
      "", "");
}

// Accepts what base accepts; anything else fails with the line "ERROR:
// <regla>, no "<value>"", which it also keeps in mensaje. CLI11 reports a
// failed check in English, with the option's name inside its text, so the
// caller reads the line from mensaje rather than from CLI11's error.
CLI::Validator En_Espanol(const CLI::Validator& base, const std::string& regla,
                          std::string& mensaje) {
  return {[base, regla, &mensaje](std::string& valor) {
            if (base(valor).empty()) {
              return std::string();
            }
            mensaje = "ERROR: " + regla + ", no \"" + Visible(valor) + "\"";
            return mensaje;
          },
          "", ""};
}

// The line for words that no option took: the first of them, as an unknown
// option or, when it is not one or comes after "--", an unexpected argument.
std::string Sobrante(const std::vector<std::string>& sobrantes) {
  bool tras_fin_de_opciones = false;
  for (const std::string& palabra : sobrantes) {
    if (palabra == "--") {
      tras_fin_de_opciones = true;
      continue;
    }
    const bool opcion =
        !tras_fin_de_opciones && palabra.size() > 1 && palabra[0] == '-';
    return (opcion ? "ERROR: opción desconocida: "
                   : "ERROR: argumento inesperado: ") +
           Visible(palabra) + " (vea ordenamiento_traza --help)";
  }
  return "ERROR: no se entienden los argumentos (vea ordenamiento_traza "
         "--help)";
}

// CLI11's help, in Spanish, with each option's value named and its rules
// told in its description.
class Formato_De_Ayuda : public CLI::Formatter {
 public:
  Formato_De_Ayuda() {
    label("Usage", "Uso");
    label("OPTIONS", "OPCIONES");
    column_width(24);
  }
  std::string make_option_opts(const CLI::Option* opcion) const override {
    return opcion->get_type_name().empty() ? "" : " " + opcion->get_type_name();
  }
};

std::string Unidos(const std::vector<int>& valores) {
  std::string lista;
  for (int valor : valores) {
    lista += (lista.empty() ? "" : ",") + std::to_string(valor);
  }
  return lista;
}

}  // namespace

std::string Visible(std::string texto) {
  std::replace_if(
      texto.begin(), texto.end(),
      [](char c) { return static_cast<unsigned char>(c) < ' ' || c == '\x7f'; },
      '?');
  return texto;
}

Opciones_Traza::Resultado Opciones_Traza::Lea(int argc,
                                              const char* const* argv) {
  CLI::App app(
      "Escribe una página HTML que reproduce, paso a paso, las tres "
      "estrategias de ordenamiento sobre Vector_Ordenable y Lista_Ordenable "
      "con la misma entrada.",
      "ordenamiento_traza");
  app.formatter(std::make_shared<Formato_De_Ayuda>());
  app.option_defaults()->group("Opciones");
  app.set_help_flag("-h,--help", "Muestra esta ayuda y termina");

  // Each option takes at most one word, and CLI11 takes the next word as a
  // value only when it is not an option (a negative number is not one). So
  // in "-o --help" or "--n --semilla 3" the value is missing rather than
  // taken from the option that follows; missing values are reported below.
  int n = 20;
  std::string dados;
  unsigned semilla = 0;
  CLI::Option* entrada =
      app.add_option("--entrada", origen_,
                     "Cómo es la entrada: aleatoria, ordenada, invertida o "
                     "casi_ordenada (por omisión, aleatoria)")
          ->type_name("FORMA")
          ->check(En_Espanol(CLI::IsMember({"aleatoria", "ordenada",
                                            "invertida", "casi_ordenada"}),
                             "--entrada debe ser aleatoria, ordenada, "
                             "invertida o casi_ordenada",
                             mensaje_));
  CLI::Option* cuantos =
      app.add_option("--n", n, "Cuántos valores, de 2 a 64 (por omisión, 20)")
          ->type_name("N")
          ->check(En_Espanol(CLI::Range(kMinimo, kMaximo),
                             "--n debe ser un entero de 2 a 64", mensaje_));
  CLI::Option* sembrada =
      app.add_option("--semilla", semilla,
                     "Semilla de srand para sortear los valores rand() % 100 "
                     "(por omisión, el reloj)")
          ->type_name("S")
          ->check(En_Espanol(
              CLI::Range(0U, std::numeric_limits<unsigned>::max()),
              "--semilla debe ser un entero de 0 a 4294967295", mensaje_));
  CLI::Option* valores =
      app.add_option("--valores", dados,
                     "Valores dados, de 2 a 64 enteros separados por comas; "
                     "no se combina con --entrada, --n ni --semilla")
          ->type_name("7,3,3")
          ->check(En_Espanol(Lista_De_Valores(),
                             "--valores debe ser una lista de 2 a 64 enteros "
                             "(int) separados por comas, como 7,3,3",
                             mensaje_))
          ->excludes(entrada)
          ->excludes(cuantos)
          ->excludes(sembrada);
  CLI::Option* salida =
      app.add_option("-o,--salida", salida_,
                     "Archivo de la página, o - para la salida estándar (por "
                     "omisión, traza.html)")
          ->type_name("ARCHIVO");
  const std::vector<CLI::Option*> opciones = {entrada, cuantos, sembrada,
                                              valores, salida};
  for (CLI::Option* opcion : opciones) {
    opcion->expected(0, 1);
  }

  std::exception_ptr fallo;
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError&) {
    fallo = std::current_exception();
  }
  // What went wrong is read from the options themselves and from the kind
  // of error, never from the English text of CLI11's errors. CLI11 stops
  // at the first error it meets, so the mistakes that explain the others
  // are looked for first: a missing value, an option given twice, and
  // --valores with the options it replaces.
  for (const CLI::Option* opcion : opciones) {
    const std::vector<std::string>& dichos = opcion->results();
    if (std::find(dichos.begin(), dichos.end(), "") != dichos.end()) {
      mensaje_ = "ERROR: falta el valor de " + opcion->get_name();
      return Resultado::kError;
    }
    if (opcion->count() > 1) {
      mensaje_ = "ERROR: " + opcion->get_name() + " se dio más de una vez";
      return Resultado::kError;
    }
  }
  if (valores->count() > 0 &&
      entrada->count() + cuantos->count() + sembrada->count() > 0) {
    mensaje_ = "ERROR: --valores no se combina con --entrada, --n ni --semilla";
    return Resultado::kError;
  }
  if (fallo) {
    try {
      std::rethrow_exception(fallo);
    } catch (const CLI::CallForHelp&) {
      mensaje_ = app.help();
      return Resultado::kAyuda;
    } catch (const CLI::ValidationError&) {
      // The validator wrote the line.
    } catch (const CLI::ExtrasError&) {
      mensaje_ = Sobrante(app.remaining());
    } catch (const CLI::ParseError&) {
      mensaje_ =
          "ERROR: no se entienden los argumentos (vea ordenamiento_traza "
          "--help)";
    }
    return Resultado::kError;
  }
  if (valores->count() > 0) {
    origen_ = "valores";
  }
  semilla_ =
      sembrada->count() > 0 ? semilla : static_cast<unsigned>(time(nullptr));
  Construya_Entrada(n, Lista(dados).value_or(std::vector<int>()));
  return Resultado::kTrazar;
}

void Opciones_Traza::Construya_Entrada(int n, const std::vector<int>& dados) {
  if (origen_ == "valores") {
    entrada_ = dados;
    return;
  }
  srand(semilla_);
  entrada_.resize(static_cast<std::size_t>(n));
  std::generate(entrada_.begin(), entrada_.end(), [] { return rand() % 100; });
  if (origen_ == "invertida") {
    std::sort(entrada_.begin(), entrada_.end(), std::greater<>());
  } else if (origen_ != "aleatoria") {
    std::sort(entrada_.begin(), entrada_.end());
  }
  if (origen_ != "casi_ordenada") {
    return;
  }
  // The positions p whose neighbours p and p + 1 may still be exchanged:
  // unequal, so that the exchange puts them out of order, and untouched by
  // any exchange so far, so that no exchange undoes or overlaps another.
  std::vector<int> libres;
  for (int p = 0; p + 1 < n; ++p) {
    if (entrada_[static_cast<std::size_t>(p)] !=
        entrada_[static_cast<std::size_t>(p) + 1]) {
      libres.push_back(p);
    }
  }
  for (cambios_ = 0; cambios_ < std::max(1, n / 10) && !libres.empty();
       ++cambios_) {
    const int p = libres[static_cast<std::size_t>(rand()) % libres.size()];
    std::swap(entrada_[static_cast<std::size_t>(p)],
              entrada_[static_cast<std::size_t>(p) + 1]);
    libres.erase(std::remove_if(libres.begin(), libres.end(),
                                [p](int q) { return std::abs(q - p) <= 1; }),
                 libres.end());
  }
}

std::string Opciones_Traza::Descripcion() const {
  std::string texto = std::to_string(entrada_.size()) + " valores ";
  if (origen_ == "valores") {
    return texto + "dados con --valores";
  }
  texto += "al azar, rand() % 100";
  if (origen_ == "ordenada") {
    texto += ", ya ordenados";
  } else if (origen_ == "invertida") {
    texto += ", en orden inverso";
  } else if (origen_ == "casi_ordenada" && cambios_ == 0) {
    texto +=
        ", ordenados; son todos iguales, así que ningún cambio de "
        "vecinos los desordena";
  } else if (origen_ == "casi_ordenada") {
    texto += ", ordenados y luego con " + std::to_string(cambios_) +
             (cambios_ == 1 ? " cambio" : " cambios") +
             " de vecinos distintos al azar";
  }
  return texto;
}

std::string Opciones_Traza::Comando() const {
  return "ordenamiento_traza --valores " + Unidos(entrada_);
}

std::string Opciones_Traza::Comando_Semilla() const {
  if (!Sorteada()) {
    return "";
  }
  return "ordenamiento_traza --entrada " + origen_ + " --n " +
         std::to_string(entrada_.size()) + " --semilla " +
         std::to_string(semilla_);
}
