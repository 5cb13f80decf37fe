// Speed of the ring sums on the screens' hot paths, each beside its term-by-term reference in the same
// run, and of the J0 and sine/cosine underneath; the disc's and the zone plate's radial profiles beside the
// aperture's at the pattern screen's sample counts. Every benchmark runs 10 repetitions (unless
// --benchmark_repetitions says otherwise) and reports their median; at the end the program prints how many
// times faster each fast path is than its reference, and what the disc's and the plate's profiles cost
// against the aperture's.
//
//   build/native/bench/ring_sum_bench [--benchmark_repetitions=N] [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "numerics/bessel_j0.h"
#include "numerics/object_series.h"
#include "numerics/trig.h"
#include "numerics/zone_series.h"

namespace {

// The pattern screen's profile for one frame at its starting controls: 470 radii from the axis to
// 1.5*sqrt(2)*a, a = 2 mm, 500 nm, 2 m, 1000 rings.
constexpr int kProfileSamples = 470;
constexpr double kA = 0.002, kLambda = 500e-9, kZ = 2.0;
const double kProfileEnd = 1.5 * std::sqrt(2.0) * kA;

void BM_FrameProfile(benchmark::State& state) {
    std::vector<double> values(kProfileSamples);
    for (auto _ : state) {
        double maximum = 0;
        numerics::IntensityOverRadius(kProfileSamples, &maximum, values.data(), kA, kA / 1000, kZ, kLambda,
                                      0.0, kProfileEnd);
        benchmark::DoNotOptimize(maximum);
    }
}
BENCHMARK(BM_FrameProfile)->Unit(benchmark::kMillisecond);

void BM_FrameProfileReference(benchmark::State& state) {
    std::vector<double> values(kProfileSamples);
    const double step = kProfileEnd / kProfileSamples;
    for (auto _ : state) {
        for (int i = 0; i < kProfileSamples; ++i)
            values[i] = numerics::RingSumIntensity(kA, kA / 1000, kZ, kLambda, i * step);
        benchmark::DoNotOptimize(values.data());
    }
}
BENCHMARK(BM_FrameProfileReference)->Unit(benchmark::kMillisecond);

// The three objects' profiles as the pattern screen computes them, at the sample counts of its frames at
// 1920 x 1080 and 3840 x 2160 (660 and 1320 pixels: 467 and 934 radii to the frame's corner, at the view
// factor 1.5): a = 2 mm, 500 nm, 2 m; the plate made for 500 nm and 1 m (four ring radii within 2 mm).
void ObjectProfile(benchmark::State& state, numerics::BeamObject kind) {
    const int samples = static_cast<int>(state.range(0));
    const numerics::DiffractingObject object{kind, kA, {500e-9, 1.0}};
    std::vector<double> values(samples);
    for (auto _ : state) {
        double maximum = 0;
        numerics::ObjectIntensityOverRadius(samples, &maximum, values.data(), object, kA / 1000, kZ, kLambda,
                                            0.0, kProfileEnd);
        benchmark::DoNotOptimize(maximum);
    }
}
void BM_ApertureProfile(benchmark::State& state) {
    ObjectProfile(state, numerics::BeamObject::kAperture);
}
void BM_DiscProfile(benchmark::State& state) {
    ObjectProfile(state, numerics::BeamObject::kDisc);
}
void BM_PlateProfile(benchmark::State& state) {
    ObjectProfile(state, numerics::BeamObject::kZonePlate);
}
BENCHMARK(BM_ApertureProfile)->Arg(467)->Arg(934)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiscProfile)->Arg(467)->Arg(934)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlateProfile)->Arg(467)->Arg(934)->Unit(benchmark::kMillisecond);

// The axial screen's curve at 1920 x 1080 after a wavelength change: a = 1 mm, 311 distances from six
// open zones to 0.8 of a zone, on the axis.
constexpr int kAxialSamples = 311;
constexpr double kAxialA = 0.001;
const double kAxialStart = kAxialA * kAxialA / (kLambda * 6.0);
const double kAxialStep = (kAxialA * kAxialA / (kLambda * 0.8) - kAxialStart) / (kAxialSamples - 1);

void BM_AxialSeries(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<double> values = numerics::IntensityOverDistanceSamples(
            kAxialA, kAxialA / 1000, 0.0, kLambda, kAxialStart, kAxialStep, kAxialSamples);
        benchmark::DoNotOptimize(values.data());
    }
}
BENCHMARK(BM_AxialSeries)->Unit(benchmark::kMillisecond);

void BM_AxialSeriesReference(benchmark::State& state) {
    std::vector<double> values(kAxialSamples);
    for (auto _ : state) {
        for (int i = 0; i < kAxialSamples; ++i)
            values[i] = numerics::RingSumIntensity(kAxialA, kAxialA / 1000, kAxialStart + i * kAxialStep,
                                                   kLambda, 0.0);
        benchmark::DoNotOptimize(values.data());
    }
}
BENCHMARK(BM_AxialSeriesReference)->Unit(benchmark::kMillisecond);

// One sine/cosine pair through the scalar function, at the axial curve's phases j^2*alpha (up to -13 rad).
void BM_SinCos(benchmark::State& state) {
    const double alpha = -numerics::kPi * 1e-12 / (kLambda * kAxialStart);
    std::vector<double> phases(1000);
    for (int j = 1; j <= 1000; ++j) phases[j - 1] = static_cast<double>(j) * j * alpha;
    for (auto _ : state) {
        double sum = 0;
        for (double x : phases) {
            double s, c;
            numerics::SinCos(x, &s, &c);
            sum += s + c;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_SinCos);

// One J0 through the scalar function, at arguments spread over the table's range.
void BM_BesselJ0(benchmark::State& state) {
    std::vector<double> arguments(1000);
    for (int i = 0; i < 1000; ++i) arguments[i] = i * 0.3017;
    for (auto _ : state) {
        double sum = 0;
        for (double x : arguments) sum += numerics::BesselJ0(x);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_BesselJ0);

// The console output, plus the ratio of each reference's median to its fast path's median.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& reports) override {
        for (const Run& run : reports) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[run.run_name.function_name +
                         (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] =
                    run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(reports);
    }

    void PrintRatios() const {
        for (const auto& [name, time] : medians_) {
            const auto reference = medians_.find(name + "Reference");
            if (reference == medians_.end()) continue;
            std::printf("%s: median %.3f ms, reference %.3f ms, %.1f times faster\n", name.c_str(), time,
                        reference->second, reference->second / time);
        }
        for (const char* samples : {"/467", "/934"}) {
            const auto aperture = medians_.find(std::string("BM_ApertureProfile") + samples);
            if (aperture == medians_.end()) continue;
            for (const char* object : {"BM_DiscProfile", "BM_PlateProfile"}) {
                const auto other = medians_.find(object + std::string(samples));
                if (other == medians_.end()) continue;
                std::printf("%s%s: median %.3f ms, %.3f times the aperture's %.3f ms\n", object, samples,
                            other->second, other->second / aperture->second, aperture->second);
            }
        }
    }

private:
    std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    // Defaults first, so that the same flags given on the command line override them.
    std::vector<char*> args = {argv[0], const_cast<char*>("--benchmark_repetitions=10"),
                               const_cast<char*>("--benchmark_report_aggregates_only=true")};
    args.insert(args.end(), argv + 1, argv + argc);
    argc = static_cast<int>(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
