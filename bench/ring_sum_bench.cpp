// One frame's radial profile on the pattern screen, against the term-by-term reference.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "numerics/zone_series.h"

namespace {

constexpr int kSamples = 470;
constexpr double kA = 0.002, kLambda = 500e-9, kZ = 2.0;

void BM_FrameProfile(benchmark::State& state) {
    std::vector<double> values(kSamples);
    const double r_end = 1.5 * std::sqrt(2.0) * kA;
    for (auto _ : state) {
        double maximum = 0;
        numerics::IntensityOverRadius(kSamples, &maximum, values.data(), kA, kA / 1000, kZ, kLambda, 0.0, r_end);
        benchmark::DoNotOptimize(maximum);
    }
}
BENCHMARK(BM_FrameProfile)->Unit(benchmark::kMillisecond);

void BM_FrameProfileReference(benchmark::State& state) {
    std::vector<double> values(kSamples);
    const double r_end = 1.5 * std::sqrt(2.0) * kA;
    for (auto _ : state) {
        for (int i = 0; i < kSamples; ++i)
            values[i] = numerics::RingSumIntensity(kA, kA / 1000, kZ, kLambda, i * (r_end / kSamples));
        benchmark::DoNotOptimize(values.data());
    }
}
BENCHMARK(BM_FrameProfileReference)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
