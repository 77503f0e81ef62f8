// How each strategy's cost grows on each container, and what the interfaces
// cost against the same algorithms written directly on an int array.
//
// Every strategy of sorting/estrategias.h is measured on both containers.
// Families are named <strategy>/<container>, or <strategy>/int[] for the
// direct versions, which only some strategies have. One iteration is one
// sort of a freshly filled container. Containers are built and filled with
// the timer stopped, a batch at a time, so that stopping the timer costs
// next to nothing against the sorting. Before anything is timed, each
// strategy sorts one list through a recorder that stops it past the calls
// any sort needs.
//
// At a given N every family sorts the same values, drawn from the seed given
// as --semilla S (1 without it) and N, in every iteration and repetition: so
// the array and the list get the same answers from Es_Menor, and a strategy
// makes the same calls on both, and a run can be made again. The results
// file's context records the seed, and the names the plot shows.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "bench/directos.h"
#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"
#include "recording/contenedor_registro.h"
#include "recording/veredicto.h"
#include "sorting/estrategias.h"

namespace {

constexpr std::uint32_t kSemilla = 1;

// The n values sorted at size n: the first n outputs of std::mt19937 seeded
// with std::seed_seq{semilla, n}, each taken % 100, from 0 to 99 as in the
// demonstration. The standard fixes both the generator and the seeding, so
// every platform sorts the same values, and the values at one size do not
// depend on which other sizes are run.
std::vector<int> Valores(std::uint32_t semilla, std::int64_t n) {
  std::seed_seq semillas{semilla, static_cast<std::uint32_t>(n)};
  std::mt19937 generador(semillas);
  std::vector<int> valores(static_cast<std::size_t>(n));
  std::generate(valores.begin(), valores.end(),
                [&generador] { return static_cast<int>(generador() % 100); });
  return valores;
}

// How many containers of n elements are filled at a time, with the timer
// stopped: 16384 / n of them, and at least one, so that a batch holds some
// 16384 values whatever n is. Even an N lg N strategy then makes some 60000
// comparisons or more between one stop of the timer and the next, against
// which stopping and restarting it costs next to nothing. A batch sized for
// N^2 work would hold a single container from n = 256 on, and the timer's
// cost, a share of each N lg N sort that shrinks as n grows, would bend
// those strategies' fitted growth.
std::size_t Lote(std::int64_t n) {
  return static_cast<std::size_t>(std::max<std::int64_t>(1, 16384 / n));
}

// Sorts freshly filled containers of type K with strategy S, through the
// two interfaces. After the timed loop it sorts one more container through
// a Contenedor_Registro to report how many comparisons and exchanges one
// sort makes at this size.
template <typename S, typename K>
void Ordene_Contenedor(benchmark::State& state, std::uint32_t semilla) {
  const std::vector<int> valores = Valores(semilla, state.range(0));
  S concreto;
  Algoritmo_Ordenador& ordenador = concreto;
  std::vector<std::unique_ptr<Contenedor_Ordenable>> lote(Lote(state.range(0)));
  std::size_t siguiente = lote.size();
  for (auto _ : state) {
    if (siguiente == lote.size()) {
      state.PauseTiming();
      std::generate(lote.begin(), lote.end(),
                    [&valores] { return std::make_unique<K>(valores); });
      siguiente = 0;
      state.ResumeTiming();
    }
    ordenador.Ordene(*lote[siguiente++]);
  }
  K real(valores);
  Contenedor_Registro registro(real, Contenedor_Registro::Memoria::kCuentas);
  ordenador.Ordene(registro);
  state.counters["comparaciones"] = static_cast<double>(
      registro.Cuenta(Contenedor_Registro::Operacion::kEs_Menor));
  state.counters["intercambios"] = static_cast<double>(
      registro.Cuenta(Contenedor_Registro::Operacion::kIntercambie));
  state.SetComplexityN(state.range(0));
}

// Sorts freshly filled arrays with one of the direct algorithms, on the
// values the containers sort.
void Ordene_Arreglo(benchmark::State& state, Orden_Directo ordene,
                    std::uint32_t semilla) {
  const std::vector<int> valores = Valores(semilla, state.range(0));
  std::vector<std::vector<int>> lote(Lote(state.range(0)));
  std::size_t siguiente = lote.size();
  for (auto _ : state) {
    if (siguiente == lote.size()) {
      state.PauseTiming();
      std::fill(lote.begin(), lote.end(), valores);
      siguiente = 0;
      state.ResumeTiming();
    }
    std::vector<int>& arreglo = lote[siguiente++];
    ordene(arreglo.data(), static_cast<int>(arreglo.size()));
    benchmark::DoNotOptimize(arreglo.data());
    benchmark::ClobberMemory();
  }
  state.SetComplexityN(state.range(0));
}

constexpr int kMenor = 16;
constexpr int kMayorVector = 1024;  // the array answers each call at once
constexpr int kMayorLista = 512;    // the list walks, so it grows as N^3

void Configure(benchmark::internal::Benchmark* familia, int mayor) {
  familia->RangeMultiplier(2)
      ->Range(kMenor, mayor)
      ->Unit(benchmark::kMicrosecond)
      ->Complexity();
}

// Whether strategy S sorts 64 values within the calls any sort
// needs, and within its positions; if not, says so on standard error in the
// verdict's line. A strategy that does not end would otherwise keep the
// benchmark timing it for ever.
template <typename S>
bool Ordena(std::uint32_t semilla) {
  S ordenador;
  const std::vector<int> valores = Valores(semilla, 64);
  Contenedor_Registro contador(valores, Contenedor_Registro::Memoria::kCuentas);
  std::string falla;
  try {
    ordenador.Ordene(contador);
  } catch (const Contenedor_Registro::Sin_Fin& sin_fin) {
    falla = sin_fin.what();
  } catch (const std::out_of_range& fuera) {
    falla = fuera.what();
  }
  const std::string veredicto =
      Veredicto(S::kNombre, Contenedor_Registro::kNombre, valores,
                contador.Valores(), falla);
  if (!veredicto.empty()) {
    std::cerr << "ERROR: " << veredicto << std::endl;
  }
  return veredicto.empty();
}

template <typename S>
void Registre_Estrategia(std::uint32_t semilla) {
  const std::string estrategia = S::kNombre;
  Configure(benchmark::RegisterBenchmark(
                (estrategia + "/" + Vector_Ordenable::kNombre).c_str(),
                Ordene_Contenedor<S, Vector_Ordenable>, semilla),
            kMayorVector);
  Configure(benchmark::RegisterBenchmark(
                (estrategia + "/" + Lista_Ordenable::kNombre).c_str(),
                Ordene_Contenedor<S, Lista_Ordenable>, semilla),
            kMayorLista);
  const Orden_Directo directo = Directo(estrategia);
  if (directo != nullptr) {
    Configure(benchmark::RegisterBenchmark((estrategia + "/int[]").c_str(),
                                           Ordene_Arreglo, directo, semilla),
              kMayorVector);
  }
}

// Takes --<nombre> V or --<nombre>=V out of the command line, before
// Google Benchmark reads the rest, and returns V (the last, if given
// twice); nothing where it is not given. A flag with nothing after it
// gives "".
std::optional<std::string> Tome_Opcion(int& argc, char** argv,
                                       std::string_view opcion) {
  std::optional<std::string> valor;
  int quedan = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argumento = argv[i];
    if (argumento.substr(0, opcion.size()) != opcion ||
        (argumento.size() > opcion.size() && argumento[opcion.size()] != '=')) {
      argv[quedan++] = argv[i];
      continue;
    }
    if (argumento.size() > opcion.size()) {
      valor = std::string(argumento.substr(opcion.size() + 1));  // past '='
    } else {
      valor = i + 1 < argc ? argv[++i] : "";
    }
  }
  argc = quedan;
  argv[quedan] = nullptr;
  return valor;
}

// The seed given as --semilla S: kSemilla if none is given, or nothing,
// after one line on standard error, if S is not a whole number from 0 to
// 4294967295.
std::optional<std::uint32_t> Tome_Semilla(int& argc, char** argv) {
  const std::optional<std::string> texto = Tome_Opcion(argc, argv, "--semilla");
  std::uint32_t semilla = kSemilla;
  if (!texto) {
    return semilla;
  }
  const char* fin = texto->data() + texto->size();
  const auto [resto, error] = std::from_chars(texto->data(), fin, semilla);
  if (texto->empty() || error != std::errc() || resto != fin) {
    std::cerr << "ERROR: --semilla espera un entero de 0 a 4294967295, no '"
              << *texto << "'" << std::endl;
    return std::nullopt;
  }
  return semilla;
}

// Adds to the results file's context what bench/grafico.py reads beyond
// Google Benchmark's own: the seed, how the values come from it, and the
// name a reader is shown for each strategy and container, under
// "nombre/<class>" ("nombre/Ordenador_Rapido": "Rápido").
void Describa(std::uint32_t semilla) {
  benchmark::AddCustomContext("semilla", std::to_string(semilla));
  benchmark::AddCustomContext(
      "valores",
      "los N primeros de std::mt19937(std::seed_seq{semilla, N}), % 100");
  const std::string nombre = "nombre/";
  benchmark::AddCustomContext(nombre + Vector_Ordenable::kNombre, "Arreglo");
  benchmark::AddCustomContext(nombre + Lista_Ordenable::kNombre, "Lista");
  benchmark::AddCustomContext(nombre + "int[]", "int[] directo");
  Estrategias::Para_Cada([&nombre](auto estrategia) {
    using S = typename decltype(estrategia)::Tipo;
    benchmark::AddCustomContext(nombre + S::kNombre, Nombre_Visible<S>());
  });
}

}  // namespace

// Runs every strategy, or with --estrategia Ordenador_X that one alone:
// its check, and its families.
int main(int argc, char** argv) {
  const std::optional<std::uint32_t> semilla = Tome_Semilla(argc, argv);
  if (!semilla) {
    return 1;
  }
  const std::optional<std::string> sola =
      Tome_Opcion(argc, argv, "--estrategia");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  const auto elegida = [&sola](auto estrategia) {
    return !sola || *sola == decltype(estrategia)::Tipo::kNombre;
  };
  bool ordenan = true;
  bool hallada = !sola;
  Estrategias::Para_Cada([&](auto estrategia) {
    if (elegida(estrategia)) {
      hallada = true;
      ordenan =
          Ordena<typename decltype(estrategia)::Tipo>(*semilla) && ordenan;
    }
  });
  if (!hallada) {
    std::cerr << "ERROR: --estrategia: no hay estrategia '" << *sola
              << "' en sorting/estrategias.h" << std::endl;
    return 1;
  }
  if (!ordenan) {
    return 1;
  }
  Describa(*semilla);
  Estrategias::Para_Cada([&](auto estrategia) {
    if (elegida(estrategia)) {
      Registre_Estrategia<typename decltype(estrategia)::Tipo>(*semilla);
    }
  });
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
