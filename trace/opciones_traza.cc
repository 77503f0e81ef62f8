#include "trace/opciones_traza.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>
#include <string_view>
#include <system_error>

namespace {

constexpr std::array<std::string_view, 4> kTipos = {
    "aleatoria", "ordenada", "invertida", "casi_ordenada"};

// The whole of texto as a T, or nothing when it is not one in plain decimal
// (a sign is allowed only for signed types) or does not fit.
template <typename T>
std::optional<T> Numero(std::string_view texto) {
  if (texto.empty()) {
    return std::nullopt;
  }
  T valor{};
  const char* fin = texto.data() + texto.size();
  const auto [donde, error] = std::from_chars(texto.data(), fin, valor);
  if (error != std::errc() || donde != fin) {
    return std::nullopt;
  }
  return valor;
}

// A word as a POSIX shell reads it back unchanged: as it is when made of
// characters the shell leaves alone, otherwise in single quotes.
std::string Cita(const std::string& palabra) {
  const bool simple =
      !palabra.empty() &&
      std::all_of(palabra.begin(), palabra.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               (c >= '0' && c <= '9') ||
               std::string_view("_-./,:=+@%").find(c) != std::string_view::npos;
      });
  if (simple) {
    return palabra;
  }
  std::string citada = "'";
  for (char c : palabra) {
    citada += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return citada + "'";
}

// The integers of texto, which holds them separated by single commas, or
// nothing if any of them is not an int in plain decimal.
std::optional<std::vector<int>> Lista(const std::string& texto) {
  std::vector<int> valores;
  std::size_t inicio = 0;
  while (true) {
    const std::size_t coma = std::min(texto.find(',', inicio), texto.size());
    const std::optional<int> valor =
        Numero<int>(std::string_view(texto).substr(inicio, coma - inicio));
    if (!valor) {
      return std::nullopt;
    }
    valores.push_back(*valor);
    if (coma == texto.size()) {
      return valores;
    }
    inicio = coma + 1;
  }
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
  if (argc > 0 && argv[0] != nullptr && argv[0][0] != '\0') {
    programa_ = argv[0];
  }
  CLI::App app(
      "Escribe una página HTML que reproduce, paso a paso, las tres "
      "estrategias de ordenamiento sobre Vector_Ordenable y Lista_Ordenable "
      "con la misma entrada.",
      "ordenamiento_traza");
  app.get_formatter()->label("Usage", "Uso");
  app.get_formatter()->label("OPTIONS", "OPCIONES");
  app.get_formatter()->column_width(26);
  app.option_defaults()
      ->group("Opciones")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app.set_help_flag("-h,--help", "Muestra esta ayuda y termina");
  // Every value is read as text and checked here, so that each kind of bad
  // input gets its own message in Spanish; options nobody declared are
  // collected instead of rejected, for the same reason.
  app.allow_extras();

  std::string tipo = tipo_;
  std::string n = std::to_string(n_);
  std::string semilla;
  std::string valores;
  app.add_option("--entrada", tipo,
                 "Cómo es la entrada (por omisión, aleatoria)")
      ->type_name("aleatoria|ordenada|invertida|casi_ordenada");
  app.add_option("--n", n, "Cuántos valores, de 2 a 64 (por omisión, 20)")
      ->type_name("N");
  app.add_option("--semilla", semilla,
                 "Semilla de srand para sortear los valores rand() % 100 "
                 "(por omisión, el reloj)")
      ->type_name("S");
  app.add_option("--valores", valores,
                 "Valores dados, separados por comas; reemplazan a --entrada "
                 "y a --n")
      ->type_name("7,3,3");
  app.add_option("-o,--salida", salida_,
                 "Archivo de la página (por omisión, traza.html)")
      ->type_name("ARCHIVO");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    mensaje_ = app.help();
    return Resultado::kAyuda;
  } catch (const CLI::ArgumentMismatch& error) {
    // CLI11 names the option first: "--n: 1 required N missing".
    const std::string texto = error.what();
    mensaje_ =
        "ERROR: falta el valor de " + Visible(texto.substr(0, texto.find(':')));
    return Resultado::kError;
  } catch (const CLI::ParseError& error) {
    mensaje_ = "ERROR: no se entienden los argumentos";
    return Resultado::kError;
  }

  const std::vector<std::string> sobrantes = app.remaining();
  if (!sobrantes.empty()) {
    const std::string& primero = sobrantes.front();
    mensaje_ = (primero.size() > 1 && primero[0] == '-'
                    ? "ERROR: opción desconocida: "
                    : "ERROR: argumento inesperado: ") +
               Visible(primero) + " (vea ordenamiento_traza --help)";
    return Resultado::kError;
  }
  if (std::find(kTipos.begin(), kTipos.end(), tipo) == kTipos.end()) {
    mensaje_ =
        "ERROR: --entrada debe ser aleatoria, ordenada, invertida o "
        "casi_ordenada, no \"" +
        Visible(tipo) + "\"";
    return Resultado::kError;
  }
  tipo_ = tipo;
  const std::optional<int> cuantos = Numero<int>(n);
  if (!cuantos || *cuantos < kMinimo || *cuantos > kMaximo) {
    mensaje_ =
        "ERROR: --n debe ser un entero de 2 a 64, no \"" + Visible(n) + "\"";
    return Resultado::kError;
  }
  n_ = *cuantos;
  if (app.count("--semilla") == 0) {
    semilla_ = static_cast<unsigned>(time(nullptr));
  } else if (const std::optional<unsigned> dada = Numero<unsigned>(semilla)) {
    semilla_ = *dada;
  } else {
    mensaje_ = "ERROR: --semilla debe ser un entero de 0 a 4294967295, no \"" +
               Visible(semilla) + "\"";
    return Resultado::kError;
  }
  if (app.count("--valores") > 0) {
    valores_dados_ = true;
    const std::optional<std::vector<int>> lista = Lista(valores);
    if (!lista) {
      mensaje_ =
          "ERROR: --valores debe ser una lista de enteros (int) separados "
          "por comas, como 7,3,3, no \"" +
          Visible(valores) + "\"";
      return Resultado::kError;
    }
    valores_ = *lista;
    if (valores_.size() < static_cast<std::size_t>(kMinimo) ||
        valores_.size() > static_cast<std::size_t>(kMaximo)) {
      mensaje_ = "ERROR: --valores debe tener de 2 a 64 valores, no " +
                 std::to_string(valores_.size());
      return Resultado::kError;
    }
  }
  salida_dada_ = app.count("--salida") > 0;
  if (salida_.empty()) {
    mensaje_ = "ERROR: --salida no puede ser vacía";
    return Resultado::kError;
  }
  return Resultado::kTrazar;
}

std::string Opciones_Traza::Origen() const {
  return valores_dados_ ? "valores" : tipo_;
}

std::vector<int> Opciones_Traza::Entrada() const {
  if (valores_dados_) {
    return valores_;
  }
  srand(semilla_);
  std::vector<int> valores(static_cast<std::size_t>(n_));
  std::generate(valores.begin(), valores.end(), [] { return rand() % 100; });
  if (tipo_ == "ordenada" || tipo_ == "casi_ordenada") {
    std::sort(valores.begin(), valores.end());
  } else if (tipo_ == "invertida") {
    std::sort(valores.begin(), valores.end(), std::greater<>());
  }
  if (tipo_ == "casi_ordenada") {
    for (int cambio = 0; cambio < std::max(1, n_ / 10); ++cambio) {
      const auto p = static_cast<std::size_t>(rand() % (n_ - 1));
      std::swap(valores[p], valores[p + 1]);
    }
  }
  return valores;
}

std::string Opciones_Traza::Orden() const {
  std::string orden = Cita(programa_);
  if (valores_dados_) {
    std::string lista;
    for (int valor : valores_) {
      lista += (lista.empty() ? "" : ",") + std::to_string(valor);
    }
    orden += " --valores " + lista;
  } else {
    orden += " --entrada " + tipo_ + " --n " + std::to_string(n_) +
             " --semilla " + std::to_string(semilla_);
  }
  if (salida_dada_) {
    orden += " --salida " + Cita(salida_);
  }
  return orden;
}
