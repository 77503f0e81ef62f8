#include "trace/opciones_traza.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
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

std::string Unidos(const std::vector<int>& valores) {
  std::string lista;
  for (int valor : valores) {
    lista += (lista.empty() ? "" : ",") + std::to_string(valor);
  }
  return lista;
}

}  // namespace

std::string Opciones_Traza::Nombre(std::string_view opcion) const {
  constexpr std::array<std::string_view, 4> kCampos = {
      "--entrada", "--n", "--semilla", "--valores"};
  if (voz_ == Voz::kPagina &&
      std::find(kCampos.begin(), kCampos.end(), opcion) != kCampos.end()) {
    return "«" + std::string(opcion.substr(2)) + "»";
  }
  return std::string(opcion);
}

Opciones_Traza::Resultado Opciones_Traza::Lea(int argc, const char* const* argv,
                                              Voz voz) {
  voz_ = voz;
  // Where a message may send the user for help.
  const std::string ayuda =
      voz == Voz::kHerramienta ? " (vea ordenamiento_traza --help)" : "";
  CLI::App app(
      "Escribe una página HTML que reproduce, paso a paso, las estrategias "
      "de ordenamiento sobre Vector_Ordenable y Lista_Ordenable con la misma "
      "entrada.",
      "ordenamiento_traza");
  app.formatter(std::make_shared<Formato_De_Ayuda>());
  app.option_defaults()->group("Opciones");
  app.set_help_flag("-h,--help", "Muestra esta ayuda y termina");

  // Each option takes at most one word, and CLI11 takes the next word as a
  // value only when it is not an option (a negative number is not one). So
  // in "-o --help" or "--n --semilla 3" the value is missing rather than
  // taken from the option that follows; missing values are reported below.
  // Every value is taken as text and read here: CLI11 would read numbers
  // in any base ("010" as 8, "0x10" as 16) and word its errors in English.
  std::string cuantos_dado;
  std::string semilla_dada;
  std::string dados;
  CLI::Option* entrada =
      app.add_option("--entrada", origen_,
                     "Cómo es la entrada: aleatoria, ordenada, invertida, "
                     "casi_ordenada u organo, que sube hasta el centro y "
                     "baja de nuevo (por omisión, aleatoria)")
          ->type_name("FORMA");
  CLI::Option* cuantos =
      app.add_option("-n,--n", cuantos_dado,
                     "Cuántos valores, de 2 a 64 (por omisión, 20)")
          ->type_name("N");
  CLI::Option* sembrada =
      app.add_option("--semilla", semilla_dada,
                     "Semilla de srand para sortear los valores rand() % 100 "
                     "(por omisión, el reloj)")
          ->type_name("S");
  CLI::Option* valores =
      app.add_option("--valores", dados,
                     "Valores dados, de 2 a 64 enteros separados por comas; "
                     "no se combina con --entrada, --n ni --semilla")
          ->type_name("7,3,3")
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
      mensaje_ = "ERROR: falta el valor de " + Nombre(opcion->get_name());
      return Resultado::kError;
    }
    if (opcion->count() > 1) {
      mensaje_ =
          "ERROR: " + Nombre(opcion->get_name()) + " se dio más de una vez";
      return Resultado::kError;
    }
  }
  if (valores->count() > 0 &&
      entrada->count() + cuantos->count() + sembrada->count() > 0) {
    mensaje_ = "ERROR: " + Nombre("--valores") + " no se combina con " +
               Nombre("--entrada") + ", " + Nombre("--n") + " ni " +
               Nombre("--semilla");
    return Resultado::kError;
  }
  bool sobran = false;
  if (fallo) {
    try {
      std::rethrow_exception(fallo);
    } catch (const CLI::CallForHelp&) {
      mensaje_ = app.help();
      return Resultado::kAyuda;
    } catch (const CLI::ExtrasError&) {
      sobran = true;  // told after the values, which say more
    } catch (const CLI::ParseError&) {
      mensaje_ = "ERROR: no se entienden los argumentos" + ayuda;
      return Resultado::kError;
    }
  }
  int n = 20;
  std::vector<int> dadas;
  if (!Compruebe(cuantos_dado, semilla_dada, dados, n, dadas)) {
    return Resultado::kError;
  }
  if (sobran) {
    mensaje_ = Sobrante(app.remaining(), ayuda);
    return Resultado::kError;
  }
  if (valores->count() > 0) {
    origen_ = "valores";
  }
  semilla_ =
      sembrada->count() > 0 ? semilla_ : static_cast<unsigned>(time(nullptr));
  Construya_Entrada(n, dadas);
  return Resultado::kTrazar;
}

bool Opciones_Traza::Compruebe(const std::string& cuantos,
                               const std::string& semilla,
                               const std::string& valores, int& n,
                               std::vector<int>& dados) {
  std::errc error{};
  const std::vector<std::string> formas = {"aleatoria", "ordenada", "invertida",
                                           "casi_ordenada", "organo"};
  if (std::find(formas.begin(), formas.end(), origen_) == formas.end()) {
    mensaje_ = "ERROR: " + Nombre("--entrada") +
               " debe ser aleatoria, ordenada, invertida, casi_ordenada u "
               "organo, no " +
               Citado(origen_);
    return false;
  }
  if (!cuantos.empty()) {
    const std::optional<int> leido = Decimal<int>(cuantos, error);
    if (!leido || *leido < kMinimo || *leido > kMaximo) {
      mensaje_ = "ERROR: " + Nombre("--n") +
                 " debe ser un entero de 2 a 64, no " + Citado(cuantos);
      return false;
    }
    n = *leido;
  }
  if (!semilla.empty()) {
    const std::optional<unsigned> leida = Decimal<unsigned>(semilla, error);
    if (!leida) {
      mensaje_ = "ERROR: " + Nombre("--semilla") +
                 " debe ser un entero de 0 a " +
                 std::to_string(std::numeric_limits<unsigned>::max()) +
                 ", no " + Citado(semilla);
      return false;
    }
    semilla_ = *leida;
  }
  if (valores.empty()) {
    return true;
  }
  // Each value between commas, with spaces around it or not.
  for (std::string_view resto = valores;;) {
    const std::size_t coma = resto.find(',');
    const std::string_view pieza = Sin_Espacios(resto.substr(0, coma));
    const std::optional<int> valor = Decimal<int>(pieza, error);
    if (error == std::errc::result_out_of_range) {
      mensaje_ = "ERROR: " + Nombre("--valores") + " admite enteros de " +
                 std::to_string(std::numeric_limits<int>::min()) + " a " +
                 std::to_string(std::numeric_limits<int>::max()) + ", no " +
                 Citado(pieza);
      return false;
    }
    if (!valor) {
      mensaje_ = "ERROR: " + Nombre("--valores") +
                 " debe ser una lista de enteros separados por comas, como "
                 "7,3,3; " +
                 Citado(pieza) + " no es un entero";
      return false;
    }
    dados.push_back(*valor);
    if (coma == std::string_view::npos) {
      break;
    }
    resto.remove_prefix(coma + 1);
  }
  if (dados.size() < std::size_t{kMinimo} ||
      dados.size() > std::size_t{kMaximo}) {
    mensaje_ = "ERROR: " + Nombre("--valores") +
               " admite de 2 a 64 valores, no " + std::to_string(dados.size());
    return false;
  }
  return true;
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
  if (origen_ == "organo") {
    // The 1st, 3rd, 5th, ... smallest rise from the front to the middle and
    // the 2nd, 4th, ... fall from the middle to the back, so that the
    // largest meet in the middle: 0 0 1 1 ... 31 31 becomes 0 1 ... 31 31
    // ... 1 0.
    const std::vector<int> ordenados = entrada_;
    for (std::size_t k = 0; k < ordenados.size(); ++k) {
      entrada_[k % 2 == 0 ? k / 2 : ordenados.size() - 1 - k / 2] =
          ordenados[k];
    }
    return;
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
  } else if (origen_ == "organo") {
    texto += ", en forma de órgano: suben hasta el centro y bajan de nuevo";
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
