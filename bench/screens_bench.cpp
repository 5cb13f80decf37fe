// The pure work behind the animated screens at 1920 x 1080: what a wavelength change recomputes on the
// axial screen (the plot's m + 1 samples and the zone picture's first step), what the radial screen
// computes when it opens (its plot), one animation step's zone geometry and sum text, and one step's
// phasor diagram (its running sums and its picture) at 1920 x 1080 and at 3840 x 2160.
#include <benchmark/benchmark.h>

#include "screens/axial/axial_model.h"
#include "screens/radial/radial_model.h"
#include "screens/zones/phasor_panel_model.h"
#include "screens/zones/zone_picture_model.h"

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

// The axial panel at the point of observation of a step k of 310, the steps cycling over the run.
void BM_AxialPhasorStep(benchmark::State& state) {
    const AxialLayout l =
        ComputeAxialLayout(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const double lambda = 600 * 1e-9;
    const DistanceRange r = AxialDistanceRange(0.001, lambda);
    const AxialPlotModel plot =
        ComputeAxialPlot(l.plot.width, l.my, lambda, 0.001, r.z_min, r.z_max, l.plot.height, l.mx);
    const PhasorPanelLayout panel = AxialPhasorPanel(l);
    int k = 0;
    for (auto _ : state) {
        const int sample = AxialPlotAt(plot, k, 310).marked_sample;
        const numerics::RingPhasorSums phasor =
            numerics::RingPhasor(plot.a, plot.a / 1000, AxialSampleDistance(plot, sample), lambda, 0.0);
        PhasorPicture picture = DrawPhasorPicture(panel, phasor, 0x00FF8000, 0x00804000);
        benchmark::DoNotOptimize(picture.pixels.data());
        k = (k + 1) % 311;
    }
}
BENCHMARK(BM_AxialPhasorStep)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

// The radial panel off the axis: every ring's J0 weight enters the running sums.
void BM_RadialPhasorStep(benchmark::State& state) {
    const RadialLayout l =
        ComputeRadialLayout(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const double z = RadialScreenDistance();
    const RadialPlotModel plot =
        ComputeRadialPlot(l.plot_width, l.plot_height, l.mx, l.my, kRadialWavelength, kRadialAperture, z);
    const PhasorPanelLayout panel = RadialPhasorPanel(l);
    int k = 0;
    for (auto _ : state) {
        const int sample = RadialMarkedSample(plot, k, 304);
        const numerics::RingPhasorSums phasor =
            numerics::RingPhasor(plot.a, plot.a / 1000, z, plot.lambda, RadialSampleRadius(plot, sample));
        PhasorPicture picture = DrawPhasorPicture(panel, phasor, 0x00FF8000, 0x00804000);
        benchmark::DoNotOptimize(picture.pixels.data());
        k = (k + 1) % 305;
    }
}
BENCHMARK(BM_RadialPhasorStep)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
