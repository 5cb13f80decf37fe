// The pure work behind the animated screens at 1920 x 1080: what a wavelength change recomputes on the
// axial screen (the plot's m + 1 samples and the zone picture's first step), what the radial screen
// computes when it opens (its plot), one animation step's zone geometry and sum text, and one step's
// phasor diagram (its running sums and its picture) at 1920 x 1080 and at 3840 x 2160; and the same with the
// opaque disc and the zone plate in the beam beside the aperture (argument 0, 1, 2: aperture, disc, plate).
#include <benchmark/benchmark.h>

#include "screens/axial/axial_model.h"
#include "screens/radial/radial_model.h"
#include "screens/zones/beam_objects.h"
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

numerics::DiffractingObject AxialObject(int kind) {
    return ObjectInBeam(static_cast<numerics::BeamObject>(kind), 0.001, AxialZonePlate(0.001, 600e-9));
}

// A wavelength change with an object in the beam: the plot's samples (closed forms on the axis for the disc
// and the plate) and the first step's zones and sum.
void BM_AxialObjectWavelengthChange(benchmark::State& state) {
    const AxialLayout l = ComputeAxialLayout(1920, 1080);
    const numerics::DiffractingObject object = AxialObject(static_cast<int>(state.range(0)));
    const double lambda = 601 * 1e-9;
    for (auto _ : state) {
        const DistanceRange r = AxialDistanceRange(0.001, lambda);
        AxialPlotModel plot =
            ComputeAxialObjectPlot(l.plot.width, l.my, object, lambda, r.z_min, r.z_max, l.plot.height, l.mx);
        ZoneStep step = AxialObjectZoneStep(object, lambda, r.z_min, r.z_max, 0, 310, l.zones.side);
        benchmark::DoNotOptimize(plot.points.data());
        benchmark::DoNotOptimize(step.sum_text.get());
    }
}
BENCHMARK(BM_AxialObjectWavelengthChange)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// One axial step with an object: its zones, sum, and the picture's pixels, which the disc zones out to the
// corners and the plate covers with its rings.
void BM_AxialObjectStepPicture(benchmark::State& state) {
    const AxialLayout l = ComputeAxialLayout(1920, 1080);
    const numerics::DiffractingObject object = AxialObject(static_cast<int>(state.range(0)));
    const DistanceRange r = AxialDistanceRange(0.001, 600 * 1e-9);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(l.zones.side) * l.zones.side);
    const ZoneColours colours = ZonePictureColours(600e-9, 0xCDCEFF);
    int k = 0;
    for (auto _ : state) {
        ZoneStep step = AxialObjectZoneStep(object, 600 * 1e-9, r.z_min, r.z_max, k, 310, l.zones.side);
        PaintZonePicture(pixels.data(), l.zones.side, colours, &step);
        benchmark::DoNotOptimize(pixels.data());
        k = (k + 1) % 311;
    }
}
BENCHMARK(BM_AxialObjectStepPicture)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The radial screen opening with an object: the plot (the plate's at its focus, 1.6 m).
void BM_RadialObjectPlotCreation(benchmark::State& state) {
    const RadialLayout l = ComputeRadialLayout(1920, 1080);
    const numerics::DiffractingObject object =
        RadialObject(static_cast<numerics::BeamObject>(state.range(0)));
    const double z = RadialObjectDistance(object);
    for (auto _ : state) {
        RadialPlotModel plot =
            ComputeRadialObjectPlot(l.plot_width, l.plot_height, l.mx, l.my, object, kRadialWavelength, z);
        benchmark::DoNotOptimize(plot.points.data());
    }
}
BENCHMARK(BM_RadialObjectPlotCreation)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// One radial step's phasor diagram with an object, off the axis.
void BM_RadialObjectPhasorStep(benchmark::State& state) {
    const RadialLayout l = ComputeRadialLayout(1920, 1080);
    const numerics::DiffractingObject object =
        RadialObject(static_cast<numerics::BeamObject>(state.range(0)));
    const double z = RadialObjectDistance(object);
    const RadialPlotModel plot =
        ComputeRadialObjectPlot(l.plot_width, l.plot_height, l.mx, l.my, object, kRadialWavelength, z);
    const PhasorPanelLayout panel = RadialPhasorPanel(l);
    PhasorPicture picture;
    int k = 0;
    for (auto _ : state) {
        const PhasorView view = ObjectPhasorView(object, z, kRadialWavelength,
                                                 RadialSampleRadius(plot, RadialMarkedSample(plot, k, 304)));
        DrawPhasorPicture(panel, view, 0x00FF8000, 0x00804000, &picture);
        benchmark::DoNotOptimize(picture.pixels.data());
        k = (k + 1) % 305;
    }
}
BENCHMARK(BM_RadialObjectPhasorStep)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
