#include "trace/opciones_traza.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

#include "trace/entradas.h"
#include "trace/visible.h"

namespace {

// The number that texto holds in plain decimal, with no sign for an
// unsigned T, or nothing; error tells a number too large for T (out of
// range) from anything else.
template <typename T>
std::optional<T> Decimal(std::string_view texto, std::errc& error) {
  T valor{};
  const char* fin = texto.data() + texto.size();
  const auto [donde, fallo] = std::from_chars(texto.data(), fin, valor);
  error = fallo;
  if (texto.empty() || fallo != std::errc() || donde != fin) {
    if (fallo == std::errc() || donde != fin) {
      error = std::errc::invalid_argument;
    }
    return std::nullopt;
  }
  return valor;
}

// texto without the spaces at its ends.
std::string_view Sin_Espacios(std::string_view texto) {
  const std::size_t inicio = texto.find_first_not_of(' ');
  if (inicio == std::string_view::npos) {
    return {};
  }
  return texto.substr(inicio, texto.find_last_not_of(' ') + 1 - inicio);
}

// valor between quotes, as a message shows what the user typed.
std::string Citado(std::string_view valor) {
  return "\"" + Visible(valor, kCita) + "\"";
}

// The line for words that no option took: the first of them, as an unknown
// option or, when it is not one or comes after "--", an unexpected argument.
std::string Sobrante(const std::vector<std::string>& sobrantes,
                     const std::string& ayuda) {
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
           Citado(palabra) + ayuda;
  }
  return "ERROR: no se entienden los argumentos" + ayuda;
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

// What the command line gave each option, as the text typed: CLI11 would
// read numbers in any base ("010" as 8, "0x10" as 16) and word its errors
// in English, so every value is read here. The options themselves are
// kept, to ask how often each was given; voz says whose words the messages
// use.
struct Dichas {
  explicit Dichas(Opciones_Traza::Voz en_voz) : voz(en_voz) {}

  Opciones_Traza::Voz voz;
  std::string forma{Entradas::Formas().front().nombre};
  std::string cuantos;
  std::string semilla;
  std::string valores;
  std::string salida{Entradas::kSalida};
  CLI::Option* por_forma = nullptr;
  CLI::Option* por_cuantos = nullptr;
  CLI::Option* por_semilla = nullptr;
  CLI::Option* por_valores = nullptr;
  CLI::Option* por_salida = nullptr;

  // Where a message may send the user for help: nowhere on the page.
  std::string Ayuda() const {
    return voz == Opciones_Traza::Voz::kHerramienta
               ? " (vea ordenamiento_traza --help)"
               : "";
  }

  // The name of opcion in a message: itself for the tool, the form's field
  // for the page.
  std::string Nombre(std::string_view opcion) const {
    constexpr std::array<std::string_view, 4> kCampos = {
        "--entrada", "--n", "--semilla", "--valores"};
    if (voz == Opciones_Traza::Voz::kPagina &&
        std::find(kCampos.begin(), kCampos.end(), opcion) != kCampos.end()) {
      return "«" + std::string(opcion.substr(2)) + "»";
    }
    return std::string(opcion);
  }
};

// Declares on app the tool's options, with their help, each read into
// dichas. Each takes at most one word, and CLI11 takes the next word as a
// value only when it is not an option (a negative number is not one). So
// in "-o --help" or "--n --semilla 3" the value is missing rather than
// taken from the option that follows; Mal_Dadas tells it.
void Declare(CLI::App& app, Dichas& d) {
  app.formatter(std::make_shared<Formato_De_Ayuda>());
  app.option_defaults()->group("Opciones");
  app.set_help_flag("-h,--help", "Muestra esta ayuda y termina");
  const std::string omision = " (por omisión, ";
  d.por_forma =
      app.add_option("--entrada", d.forma,
                     "Cómo es la entrada: " + Entradas::Lista_De_Formas(true) +
                         omision + d.forma + ")")
          ->type_name("FORMA");
  d.por_cuantos =
      app.add_option("-n,--n", d.cuantos,
                     "Cuántos valores, " + Entradas::Cuantos_Admite() +
                         omision + std::to_string(Entradas::kCuantos) + ")")
          ->type_name("N");
  d.por_semilla = app.add_option("--semilla", d.semilla,
                                 "Semilla de srand para sortear los valores "
                                 "rand() % 100 (por omisión, el reloj)")
                      ->type_name("S");
  d.por_valores =
      app.add_option("--valores", d.valores,
                     "Valores dados, " + Entradas::Cuantos_Admite() +
                         " enteros separados por comas; no se combina con "
                         "--entrada, --n ni --semilla")
          ->type_name("7,3,3")
          ->excludes(d.por_forma)
          ->excludes(d.por_cuantos)
          ->excludes(d.por_semilla);
  d.por_salida = app.add_option("-o,--salida", d.salida,
                                "Archivo de la página, o - para la salida "
                                "estándar" +
                                    omision + d.salida + ")")
                     ->type_name("ARCHIVO");
  for (CLI::Option* opcion : {d.por_forma, d.por_cuantos, d.por_semilla,
                              d.por_valores, d.por_salida}) {
    opcion->expected(0, 1);
  }
}

// The line for the mistakes that explain the others, looked for before
// CLI11's own error, since CLI11 stops at the first it meets: a missing
// value, an option given twice, and --valores with the options it
// replaces. "" when there is none. What went wrong is read from the
// options themselves, never from the English text of CLI11's errors.
std::string Mal_Dadas(const Dichas& d) {
  for (const CLI::Option* opcion : {d.por_forma, d.por_cuantos, d.por_semilla,
                                    d.por_valores, d.por_salida}) {
    const std::vector<std::string>& dichos = opcion->results();
    if (std::find(dichos.begin(), dichos.end(), "") != dichos.end()) {
      return "ERROR: falta el valor de " + d.Nombre(opcion->get_name());
    }
    if (opcion->count() > 1) {
      return "ERROR: " + d.Nombre(opcion->get_name()) +
             " se dio más de una vez";
    }
  }
  if (d.por_valores->count() > 0 &&
      d.por_forma->count() + d.por_cuantos->count() + d.por_semilla->count() >
          0) {
    return "ERROR: " + d.Nombre("--valores") + " no se combina con " +
           d.Nombre("--entrada") + ", " + d.Nombre("--n") + " ni " +
           d.Nombre("--semilla");
  }
  return "";
}

// Reads argv with app into d. kAyuda, with the help in mensaje, for
// --help; kError, with its line in mensaje, for the mistakes that explain
// the others (Mal_Dadas) and for any other that CLI11 meets, except words
// that no option took; kTrazar otherwise, with sobran set when there are
// such words, which are told after the values, since those say more.
Opciones_Traza::Resultado Analice(CLI::App& app, int argc,
                                  const char* const* argv, const Dichas& d,
                                  std::string& mensaje, bool& sobran) {
  std::exception_ptr fallo;
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError&) {
    fallo = std::current_exception();
  }
  mensaje = Mal_Dadas(d);
  if (!mensaje.empty()) {
    return Opciones_Traza::Resultado::kError;
  }
  if (fallo) {
    try {
      std::rethrow_exception(fallo);
    } catch (const CLI::CallForHelp&) {
      mensaje = app.help();
      return Opciones_Traza::Resultado::kAyuda;
    } catch (const CLI::ExtrasError&) {
      sobran = true;
    } catch (const CLI::ParseError&) {
      mensaje = "ERROR: no se entienden los argumentos" + d.Ayuda();
      return Opciones_Traza::Resultado::kError;
    }
  }
  return Opciones_Traza::Resultado::kTrazar;
}

// Checks the shape, --n and --semilla, and reads the last two into n and
// semilla when they were given. Returns the line for a bad one, or "".
std::string Lea_Sorteo(const Dichas& d, int& n,
                       std::optional<unsigned>& semilla) {
  std::errc error{};
  if (Entradas::Busque_Forma(d.forma) == nullptr) {
    return "ERROR: " + d.Nombre("--entrada") + " debe ser " +
           Entradas::Lista_De_Formas(false) + ", no " + Citado(d.forma);
  }
  if (!d.cuantos.empty()) {
    const std::optional<int> leido = Decimal<int>(d.cuantos, error);
    if (!leido || *leido < Entradas::kMinimo || *leido > Entradas::kMaximo) {
      return "ERROR: " + d.Nombre("--n") + " debe ser un entero " +
             Entradas::Cuantos_Admite() + ", no " + Citado(d.cuantos);
    }
    n = *leido;
  }
  if (!d.semilla.empty()) {
    semilla = Decimal<unsigned>(d.semilla, error);
    if (!semilla) {
      return "ERROR: " + d.Nombre("--semilla") + " debe ser un entero de 0 a " +
             std::to_string(std::numeric_limits<unsigned>::max()) + ", no " +
             Citado(d.semilla);
    }
  }
  return "";
}

// Reads --valores, each value between commas with spaces around it or not,
// into dados. Returns the line for a bad list, or "".
std::string Lea_Valores(const Dichas& d, std::vector<int>& dados) {
  std::errc error{};
  for (std::string_view resto = d.valores;;) {
    const std::size_t coma = resto.find(',');
    const std::string_view pieza = Sin_Espacios(resto.substr(0, coma));
    const std::optional<int> valor = Decimal<int>(pieza, error);
    if (error == std::errc::result_out_of_range) {
      return "ERROR: " + d.Nombre("--valores") + " admite enteros de " +
             std::to_string(std::numeric_limits<int>::min()) + " a " +
             std::to_string(std::numeric_limits<int>::max()) + ", no " +
             Citado(pieza);
    }
    if (!valor) {
      return "ERROR: " + d.Nombre("--valores") +
             " debe ser una lista de enteros separados por comas, como "
             "7,3,3; " +
             Citado(pieza) + " no es un entero";
    }
    dados.push_back(*valor);
    if (coma == std::string_view::npos) {
      break;
    }
    resto.remove_prefix(coma + 1);
  }
  if (dados.size() < std::size_t{Entradas::kMinimo} ||
      dados.size() > std::size_t{Entradas::kMaximo}) {
    return "ERROR: " + d.Nombre("--valores") + " admite " +
           Entradas::Cuantos_Admite() + " valores, no " +
           std::to_string(dados.size());
  }
  return "";
}

std::string Unidos(const std::vector<int>& valores) {
  std::string lista;
  for (int valor : valores) {
    lista += (lista.empty() ? "" : ",") + std::to_string(valor);
  }
  return lista;
}

}  // namespace

Opciones_Traza::Resultado Opciones_Traza::Lea(int argc, const char* const* argv,
                                              Voz voz) {
  CLI::App app(
      "Escribe una página HTML que reproduce, paso a paso, las estrategias "
      "de ordenamiento sobre Vector_Ordenable y Lista_Ordenable con la misma "
      "entrada.",
      "ordenamiento_traza");
  Dichas dichas(voz);
  Declare(app, dichas);
  bool sobran = false;
  const Resultado analizado =
      Analice(app, argc, argv, dichas, mensaje_, sobran);
  if (analizado != Resultado::kTrazar) {
    return analizado;
  }
  int n = Entradas::kCuantos;
  std::optional<unsigned> semilla;
  std::vector<int> dados;
  mensaje_ = Lea_Sorteo(dichas, n, semilla);
  if (mensaje_.empty() && !dichas.valores.empty()) {
    mensaje_ = Lea_Valores(dichas, dados);
  }
  if (mensaje_.empty() && sobran) {
    mensaje_ = Sobrante(app.remaining(), dichas.Ayuda());
  }
  if (!mensaje_.empty()) {
    return Resultado::kError;
  }
  origen_ = dichas.valores.empty() ? dichas.forma : "valores";
  salida_ = dichas.salida;
  semilla_ = semilla ? *semilla : static_cast<unsigned>(time(nullptr));
  Construya_Entrada(n, dados);
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
  cambios_ = Entradas::Busque_Forma(origen_)->forme(entrada_);
}

std::string Opciones_Traza::Descripcion() const {
  std::string texto = std::to_string(entrada_.size()) + " valores ";
  if (origen_ == "valores") {
    return texto + "dados con --valores";
  }
  texto += "al azar, rand() % 100";
  texto += Entradas::Busque_Forma(origen_)->en_la_pagina;
  if (origen_ == "casi_ordenada" && cambios_ == 0) {
    texto +=
        "; son todos iguales, así que ningún cambio de vecinos los desordena";
  } else if (origen_ == "casi_ordenada") {
    texto += " y luego con " + std::to_string(cambios_) +
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
