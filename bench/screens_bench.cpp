// The pure work behind the animated screens at 1920 x 1080: what a wavelength change recomputes on the
// axial screen (the plot's m + 1 samples and the zone picture's first step), what the radial screen
// computes when it opens (its plot), and one animation step's zone geometry and sum text.
#include <benchmark/benchmark.h>

#include "screens/axial/axial_model.h"
#include "screens/axial/zone_picture_model.h"
#include "screens/radial/radial_model.h"

namespace {

void BM_AxialWavelengthChange(benchmark::State& state) {
    const AxialLayout l = ComputeAxialLayout(1920, 1080);
    const double lambda = 601 * 1e-9;
    for (auto _ : state) {
        const DistanceRange r = AxialDistanceRange(0.001, lambda);
        AxialPlotModel plot =
            ComputeAxialPlot(l.plot.width, l.my, lambda, 0.001, r.z_min, r.z_max, l.plot.height, l.mx);
        ZoneStep step = AxialZoneStep(lambda, 0.001, r.z_min, r.z_max, 0, 310, l.zones.side);
        benchmark::DoNotOptimize(plot.points.data());
        benchmark::DoNotOptimize(step.sum_text.get());
    }
}
BENCHMARK(BM_AxialWavelengthChange)->Unit(benchmark::kMillisecond);

void BM_AxialAnimationStep(benchmark::State& state) {
    const AxialLayout l = ComputeAxialLayout(1920, 1080);
    const DistanceRange r = AxialDistanceRange(0.001, 600 * 1e-9);
    int k = 0;
    for (auto _ : state) {
        ZoneStep step = AxialZoneStep(600 * 1e-9, 0.001, r.z_min, r.z_max, k, 310, l.zones.side);
        benchmark::DoNotOptimize(step.sum_text.get());
        k = (k + 1) % 311;
    }
}
BENCHMARK(BM_AxialAnimationStep)->Unit(benchmark::kMicrosecond);

void BM_RadialPlotCreation(benchmark::State& state) {
    const RadialLayout l = ComputeRadialLayout(1920, 1080);
    const double z = RadialScreenDistance();
    for (auto _ : state) {
        RadialPlotModel plot =
            ComputeRadialPlot(l.plot_width, l.plot_height, l.mx, l.my, kRadialWavelength, kRadialAperture, z);
        benchmark::DoNotOptimize(plot.points.data());
    }
}
BENCHMARK(BM_RadialPlotCreation)->Unit(benchmark::kMillisecond);

void BM_RadialAnimationStep(benchmark::State& state) {
    const RadialLayout l = ComputeRadialLayout(1920, 1080);
    const double z = RadialScreenDistance();
    int k = 0;
    for (auto _ : state) {
        ZoneStep step = RadialZoneStep(kRadialWavelength, kRadialAperture, z, k, 304, l.side);
        benchmark::DoNotOptimize(step.sum_text.get());
        k = (k + 1) % 305;
    }
}
BENCHMARK(BM_RadialAnimationStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
