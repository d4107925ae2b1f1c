#include <benchmark/benchmark.h>

#include "calc/round3.h"

namespace {

void BM_Round3(benchmark::State& state) {
    double x = 0.12345;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fljudge::Round3(x));
        x += 0.000137;
    }
}
BENCHMARK(BM_Round3);

}  // namespace
