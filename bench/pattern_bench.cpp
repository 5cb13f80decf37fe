// A full repaint of the Fresnel pattern screen, pure work only: both frames computed from scratch (profile,
// levels, pixels, plot), with the projection and the plots on, as the screen does after every parameter
// change and on every position of a dragged thumb. 1920 x 1080 gives frames of 660 pixels, 3840 x 2160 frames
// of 1320. The same repaint done the straightforward way (plain ring sum per sample, a square root per pixel)
// runs alongside, and the ratio of the medians is printed at the end; run with --benchmark_repetitions=N for
// medians. The drag step (one frame, as a scroll step renders it) is measured for each object in the beam,
// and the opaque disc's and the zone plate's medians are printed against the aperture's.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "screens/pattern/pattern_image.h"
#include "screens/pattern/pattern_layout.h"
#include "tests/pattern_reference.h"

namespace {

using Render = bool (*)(int, double, double, double, double, double, bool, bool, PatternImage*);

// The current frame at the starting parameters and a comparison taken elsewhere in the ranges.
void Repaint(Render render, int size, PatternImage* current, PatternImage* comparison) {
    render(size, 500e-9, 0.002, 0.002 / 1000, 2.0, 1.5, true, true, current);
    render(size, 650e-9, 0.0027, 0.0027 / 1000, 6.3, 1.5, true, true, comparison);
    benchmark::DoNotOptimize(current->pixels.data());
    benchmark::DoNotOptimize(comparison->pixels.data());
}

int FrameSize(const benchmark::State& state) {
    return ComputePatternLayout(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))).size;
}

bool RenderAlone(int size, double lambda, double a, double delta, double z, double view, bool projection,
                 bool plots, PatternImage* image) {
    return ComputePatternImage(size, lambda, a, delta, z, view, projection, plots, image);
}

// The screen keeps its two frame records and renders into them again, so their storage is reused.
void BM_PatternRepaint(benchmark::State& state) {
    const int size = FrameSize(state);
    state.SetLabel("S = " + std::to_string(size));
    PatternImage current, comparison;
    for (auto _ : state) Repaint(RenderAlone, size, &current, &comparison);
}
BENCHMARK(BM_PatternRepaint)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

// One frame, as a scroll step renders it, on the calling thread alone and shared with a pool of one
// thread fewer than the processors (as the screen's).
void BM_PatternFrame(benchmark::State& state) {
    const int size = FrameSize(state);
    WorkerPool pool(state.range(2) != 0 ? WorkerPool::WorkersForThisComputer() : 0);
    state.SetLabel("S = " + std::to_string(size) + ", " + std::to_string(pool.workers() + 1) + " threads");
    PatternImage frame;
    for (auto _ : state) {
        ComputePatternImage(size, 500e-9, 0.002, 0.002 / 1000, 2.0, 1.5, true, true, &frame, &pool);
        benchmark::DoNotOptimize(frame.pixels.data());
    }
}
BENCHMARK(BM_PatternFrame)
    ->Args({1920, 1080, 0})
    ->Args({1920, 1080, 1})
    ->Args({3840, 2160, 0})
    ->Args({3840, 2160, 1})
    ->Unit(benchmark::kMillisecond);

// A drag of the distance bar with each object in the beam: the current frame of every step computed as the
// screen computes it (its pool of threads, the switches off), a millimetre further each time from 2 m. The
// zone plate is made for 500 nm and 2 m, so the drag runs through its focus.
void BM_PatternDragStep(benchmark::State& state) {
    const int size = FrameSize(state);
    const auto kind = static_cast<numerics::BeamObject>(state.range(2));
    const char* const names[] = {"aperture", "opaque disc", "zone plate"};
    WorkerPool pool(WorkerPool::WorkersForThisComputer());
    state.SetLabel(std::string(names[state.range(2)]) + ", S = " + std::to_string(size));
    PatternImage frame;
    int mm = 2000;
    for (auto _ : state) {
        const numerics::DiffractingObject object{kind, 0.002, {500e-9, 2.0}};
        ComputePatternImage(size, 500e-9, object, 0.002 / 1000, mm * 0.001, 1.5, false, false, &frame, &pool);
        benchmark::DoNotOptimize(frame.pixels.data());
        mm = mm < 2100 ? mm + 1 : 2000;
    }
}
BENCHMARK(BM_PatternDragStep)
    ->ArgsProduct({{1920}, {1080}, {0, 1, 2}})
    ->ArgsProduct({{3840}, {2160}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// New records for every repaint: the same work plus the first touch of size * size * 4 fresh bytes per
// frame, whose page faults cost more than the pixels themselves.
void BM_PatternRepaintFreshRecords(benchmark::State& state) {
    const int size = FrameSize(state);
    state.SetLabel("S = " + std::to_string(size));
    for (auto _ : state) {
        PatternImage current, comparison;
        Repaint(RenderAlone, size, &current, &comparison);
    }
}
BENCHMARK(BM_PatternRepaintFreshRecords)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);

void BM_PatternRepaintReference(benchmark::State& state) {
    const int size = FrameSize(state);
    state.SetLabel("S = " + std::to_string(size));
    PatternImage current, comparison;
    for (auto _ : state) Repaint(ComputePatternImageReference, size, &current, &comparison);
}
BENCHMARK(BM_PatternRepaintReference)->Args({1920, 1080})->Unit(benchmark::kMillisecond);

// The pixels alone (one frame), fast and pixel by pixel, from an already computed profile.
void BM_PatternPixels(benchmark::State& state) {
    PatternImage frame;
    for (auto _ : state) {
        // A ring width wider than the aperture leaves no ring to sum: what remains is the pixel work.
        ComputePatternImage(static_cast<int>(state.range(0)), 500e-9, 0.002, 0.004, 2.0, 1.5, true, false,
                            &frame);
        benchmark::DoNotOptimize(frame.pixels.data());
    }
}
BENCHMARK(BM_PatternPixels)->Arg(660)->Arg(1320)->Unit(benchmark::kMillisecond);

void BM_PatternPixelsReference(benchmark::State& state) {
    PatternImage image;
    ComputePatternImage(static_cast<int>(state.range(0)), 500e-9, 0.002, 0.004, 2.0, 1.5, true, false,
                        &image);
    for (auto _ : state) {
        PaintPatternPixelsReference(&image);
        benchmark::DoNotOptimize(image.pixels.data());
    }
}
BENCHMARK(BM_PatternPixelsReference)->Arg(660)->Arg(1320)->Unit(benchmark::kMillisecond);

// Prints the usual table and, at the end, each benchmark's median against its reference's.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            medians_[run.run_name.str()] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [name, time] : medians_) {
            std::string reference = name;
            const std::size_t slash = reference.find('/');
            reference.insert(slash == std::string::npos ? reference.size() : slash, "Reference");
            const auto found = medians_.find(reference);
            if (found == medians_.end()) continue;
            std::printf("%s: %.3f ms, reference %.3f ms, %.1f times faster\n", name.c_str(), time,
                        found->second, found->second / time);
        }
        // The drag step of the disc (.../1) and the plate (.../2) against the aperture's (.../0).
        for (const auto& [name, time] : medians_) {
            const std::size_t last = name.rfind('/');
            if (name.rfind("BM_PatternDragStep/", 0) != 0 || name.compare(last, 2, "/0") == 0) continue;
            const auto aperture = medians_.find(name.substr(0, last) + "/0");
            if (aperture == medians_.end()) continue;
            std::printf("%s: %.3f ms, the aperture's %.3f ms: %.2f of its time\n", name.c_str(), time,
                        aperture->second, time / aperture->second);
        }
    }

private:
    std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
