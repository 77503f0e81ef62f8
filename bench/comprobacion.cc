// Built and run when the project is configured: a Google Benchmark built
// against another standard library than this build's (libstdc++ under a
// libc++ build, say) may link and then crash, so the benchmark is built only
// if this small program runs.

#include <benchmark/benchmark.h>

#include <string>

namespace {

void Texto(benchmark::State& state) {
  for (auto _ : state) {
    std::string texto(64, 'x');
    benchmark::DoNotOptimize(texto);
  }
  state.SetLabel("comprobacion");
}

}  // namespace

BENCHMARK(Texto);
BENCHMARK_MAIN();
