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

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "bench/directos.h"
#include "containers/lista_ordenable.h"
#include "containers/vector_ordenable.h"
#include "recording/contenedor_registro.h"
#include "sorting/estrategias.h"

namespace {

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
void Ordene_Contenedor(benchmark::State& state) {
  const auto n = static_cast<unsigned>(state.range(0));
  S concreto;
  Algoritmo_Ordenador& ordenador = concreto;
  std::vector<std::unique_ptr<Contenedor_Ordenable>> lote(Lote(n));
  std::size_t siguiente = lote.size();
  for (auto _ : state) {
    if (siguiente == lote.size()) {
      state.PauseTiming();
      std::generate(lote.begin(), lote.end(),
                    [n] { return std::make_unique<K>(n); });
      siguiente = 0;
      state.ResumeTiming();
    }
    ordenador.Ordene(*lote[siguiente++]);
  }
  K real(n);
  Contenedor_Registro registro(real, Contenedor_Registro::Memoria::kCuentas);
  ordenador.Ordene(registro);
  state.counters["comparaciones"] = static_cast<double>(
      registro.Cuenta(Contenedor_Registro::Operacion::kEs_Menor));
  state.counters["intercambios"] = static_cast<double>(
      registro.Cuenta(Contenedor_Registro::Operacion::kIntercambie));
  state.SetComplexityN(state.range(0));
}

// Sorts freshly filled arrays with one of the direct algorithms. The arrays
// are filled as Vector_Ordenable fills itself.
void Ordene_Arreglo(benchmark::State& state, Orden_Directo ordene) {
  const auto n = static_cast<std::size_t>(state.range(0));
  std::vector<std::vector<int>> lote(Lote(state.range(0)), std::vector<int>(n));
  std::size_t siguiente = lote.size();
  for (auto _ : state) {
    if (siguiente == lote.size()) {
      state.PauseTiming();
      for (auto& arreglo : lote) {
        srand(static_cast<unsigned>(time(nullptr)));
        std::generate(arreglo.begin(), arreglo.end(),
                      [] { return rand() % 100; });
      }
      siguiente = 0;
      state.ResumeTiming();
    }
    std::vector<int>& arreglo = lote[siguiente++];
    ordene(arreglo.data(), static_cast<int>(n));
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

// Whether strategy S sorts a list of 64 values within the calls any sort
// needs; if not, says so on standard error. A strategy that does not end
// would otherwise keep the benchmark timing it for ever.
template <typename S>
bool Ordena() {
  S ordenador;
  Lista_Ordenable lista(64);
  Contenedor_Registro contador(lista, Contenedor_Registro::Memoria::kCuentas);
  try {
    ordenador.Ordene(contador);
  } catch (const Contenedor_Registro::Sin_Fin& sin_fin) {
    std::cerr << "ERROR: " << S::kNombre << " " << sin_fin.what()
              << " con 64 valores" << std::endl;
    return false;
  }
  if (!Esta_Ordenado(lista)) {
    std::cerr << "ERROR: " << S::kNombre << " deja desordenados 64 valores"
              << std::endl;
    return false;
  }
  return true;
}

template <typename S>
void Registre_Estrategia() {
  const std::string estrategia = S::kNombre;
  Configure(benchmark::RegisterBenchmark(
                (estrategia + "/" + Vector_Ordenable::kNombre).c_str(),
                Ordene_Contenedor<S, Vector_Ordenable>),
            kMayorVector);
  Configure(benchmark::RegisterBenchmark(
                (estrategia + "/" + Lista_Ordenable::kNombre).c_str(),
                Ordene_Contenedor<S, Lista_Ordenable>),
            kMayorLista);
  const Orden_Directo directo = Directo(estrategia);
  if (directo != nullptr) {
    Configure(benchmark::RegisterBenchmark((estrategia + "/int[]").c_str(),
                                           Ordene_Arreglo, directo),
              kMayorVector);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  bool ordenan = true;
  Estrategias::Para_Cada([&ordenan](auto estrategia) {
    ordenan = Ordena<typename decltype(estrategia)::Tipo>() && ordenan;
  });
  if (!ordenan) {
    return 1;
  }
  Estrategias::Para_Cada([](auto estrategia) {
    Registre_Estrategia<typename decltype(estrategia)::Tipo>();
  });
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
