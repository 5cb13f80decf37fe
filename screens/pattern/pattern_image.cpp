// Rendering of one pattern frame. The pattern is circularly symmetric, so the expensive part is the
// one-dimensional profile (a ring sum per sample, in the numerics, for whichever object is in the beam);
// every pixel only looks up the profile
// by its whole-pixel distance from the centre. That lookup is arranged so that a pixel costs one store:
// each ring radius k gets its final pixel word once (palette colour of its level, or the white of the
// projection circle), the whole-pixel distance trunc(sqrt(dx^2 + dy^2)) is found exactly with an integer
// square-root walk along the row instead of a floating sqrt, the two halves of a row mirror each other
// about the centre column, and the rows below the centre copy the rows above it.
#include "screens/pattern/pattern_image.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <new>

#include "numerics/object_series.h"
#include "numerics/spectral_ramp.h"
#include "numerics/zone_geometry.h"
#include "screens/plot_scale.h"
#include "shell/platform/resource_failures.h"
#include "shell/platform/strokes.h"

namespace {

// The final pixel word of every ring radius k = 0 .. sample_count - 1.
std::vector<std::uint32_t> RingColours(const PatternImage& image) {
    const int n = image.sample_count;
    std::vector<std::uint32_t> colours(n);
    const double maximum_power = std::pow(image.maximum, 0.7);
    // The shadow edge lies at (size/2)/view factor pixels; radii within one pixel of it are white.
    const double edge = (image.size / 2) / image.view_factor;
    for (int k = 0; k < n; ++k) {
        if (image.aperture_projection && std::fabs(edge - k) < 1) {
            colours[k] = kPatternWhite;
        } else {
            colours[k] = PatternPaletteColour(
                image.palette, PatternLevel(image.intensities[k], maximum_power, image.palette_size));
        }
    }
    return colours;
}

// Fills the rows `first` .. `last` - 1 of the upper half (and their mirrors) from the ring colours.
void PaintRows(const std::vector<std::uint32_t>& ring, int first, int last, PatternImage* image) {
    const int size = image->size;
    const int h = size / 2;
    const std::int64_t final_ring = static_cast<std::int64_t>(ring.size()) - 1;
    std::uint32_t* pixels = image->pixels.data();
    // Rows 0 .. h (dy = -h .. 0) are computed; row 2h - i has the opposite dy and copies row i. For an even
    // size row 0 has no mirror; for an odd size row 2h is the last row.
    for (int i = first; i < last && i <= h && i < size; ++i) {
        std::uint32_t* row = pixels + static_cast<std::size_t>(i) * size;
        const std::int64_t d = h - i;  // |dy|
        // k = trunc(sqrt(d^2 + dx^2)) for dx = 0, 1, ..., h: it starts at d and grows by at most one from
        // one pixel to the next, which keeps k^2 <= d2 < (k + 1)^2 exactly, without a floating sqrt.
        std::int64_t k = d;
        for (int dx = 0; dx <= h; ++dx) {
            const std::int64_t d2 = d * d + static_cast<std::int64_t>(dx) * dx;
            while ((k + 1) * (k + 1) <= d2) ++k;
            const std::uint32_t colour = ring[std::min(k, final_ring)];
            row[h - dx] = colour;
            if (h + dx < size) row[h + dx] = colour;
        }
        const int mirror = 2 * h - i;
        if (mirror != i && mirror < size) {
            std::memcpy(pixels + static_cast<std::size_t>(mirror) * size, row, sizeof(std::uint32_t) * size);
        }
    }
}

// Splits `count` items into parts of whole blocks of `block`, about four per thread, and runs `part` on
// each part [first, last): on the pool's threads when there is a pool.
void InParts(WorkerPool* pool, int count, int block, const std::function<void(int, int)>& part) {
    const int threads = pool != nullptr ? pool->workers() + 1 : 1;
    const int blocks = (count + block - 1) / block;
    const int parts = std::max(1, std::min(blocks, 4 * threads));
    const auto run = [&](int p) {
        const int first = blocks * p / parts * block,
                  last = std::min(count, blocks * (p + 1) / parts * block);
        part(first, last);
    };
    if (pool != nullptr && parts > 1) {
        pool->Run(parts, run);
    } else {
        for (int p = 0; p < parts; ++p) run(p);
    }
}

// The polyline in white, 3 pixels wide, with round caps and joins.
void DrawThickPolyline(const std::vector<PatternPoint>& points, PatternImage* image) {
    for (std::size_t p = 0; p + 1 < points.size(); ++p)
        PaintStroke(image->pixels.data(), image->size, image->size, {points[p].x, points[p].y},
                    {points[p + 1].x, points[p + 1].y}, kPatternWhite);
}

// The intensity along the horizontal diameter, mirrored about the centre column, with the maximum at 40%
// of the image height above the bottom edge and zero on the bottom line y = size.
void PlacePlotPoints(PatternImage* image) {
    const int size = image->size;
    const int h = size / 2;
    const int plot_height = (4 * size) / 10;
    for (int j = 0; j < size; ++j) {
        const double intensity = image->intensities[std::abs(j - h)];
        // A profile with no positive value lies flat on the bottom line instead of dividing 0 by 0.
        const int rise = PlotHeight(intensity, image->maximum, plot_height);
        image->plot_points[j] = {j, size - rise};
    }
}

}  // namespace

int PatternNanometres(double lambda) {
    return static_cast<int>(lambda / 1e-9);
}

int PatternSampleCount(int size) {
    return static_cast<int>((std::sqrt(2.0) * 0.5) * size) + 1;
}

int PatternLevel(double intensity, double maximum_power, int palette_size) {
    // No intensity is below 0; a negative one (even an infinite one, whose power is +inf) is dark.
    if (!(maximum_power > 0) || !(intensity >= 0)) return 0;
    const double level = std::pow(intensity, 0.7) / maximum_power * 1000;
    // Written so that a level that is not a number also lands on 0.
    if (!(level > 0)) return 0;
    if (level >= palette_size - 1) return palette_size - 1;
    return static_cast<int>(level);
}

std::uint32_t PatternPaletteColour(const std::vector<std::uint8_t>& palette, int level) {
    const std::uint8_t* rgb = palette.data() + 3 * level;
    return static_cast<std::uint32_t>(rgb[2]) | static_cast<std::uint32_t>(rgb[1]) << 8 |
           static_cast<std::uint32_t>(rgb[0]) << 16;
}

namespace {

bool FillPatternImage(PatternImage* image, WorkerPool* pool) {
    const int size = image->size;
    const double lambda = image->wavelength, a = image->aperture_radius, delta = image->ring_width,
                 z = image->distance, view_factor = image->view_factor;
    const numerics::DiffractingObject object = PatternObject(*image);
    const bool plots = image->plots;

    // The profile reaches the image corners: r_end is the half-diagonal in metres, and the samples are
    // about one pixel apart.
    const double r_end = (a * std::sqrt(2.0)) * view_factor;
    const int n = PatternSampleCount(size);
    image->sample_count = n;
    image->intensities.assign(std::max(size, n), 0.0);
    // The samples in parts of whole blocks of eight, the ring sum's own grouping; the same values as
    // ObjectIntensityOverRadius(n, ...) computes in one piece (for the aperture IntensityOverRadius's).
    const numerics::ObjectRadialProfile radial(n, object, delta, z, lambda, 0.0, r_end);
    InParts(pool, n, 8, [&](int first, int last) { radial.Compute(first, last, image->intensities.data()); });
    for (int k = 0; k < n; ++k) image->maximum = std::max(image->maximum, image->intensities[k]);
    const bool profile = n != 0;

    // A wavelength outside the visible range leaves the palette black rather than undefined.
    image->palette.assign(3 * kPatternPaletteSize, 0);
    numerics::FillSpectralRamp(image->palette.data(), kPatternPaletteSize, PatternNanometres(lambda));

    image->pixels.resize(static_cast<std::size_t>(size) * size);
    const std::vector<std::uint32_t> ring = RingColours(*image);
    InParts(pool, size / 2 + 1, 16, [&](int first, int last) { PaintRows(ring, first, last, image); });

    image->plot_points.assign(size, PatternPoint{0, 0});
    if (plots) {
        PlacePlotPoints(image);
        DrawThickPolyline(image->plot_points, image);
    }

    image->zone_count = numerics::OpenZoneCount(a, lambda, 0.0, z);
    return profile;
}

}  // namespace

numerics::DiffractingObject PatternObject(const PatternImage& image) {
    return {image.object, image.aperture_radius, image.plate};
}

bool ComputePatternImage(int size, double lambda, double a, double delta, double z, double view_factor,
                         bool aperture_projection, bool plots, PatternImage* image, WorkerPool* pool) {
    return ComputePatternImage(size, lambda, {numerics::BeamObject::kAperture, a, {}}, delta, z, view_factor,
                               aperture_projection, plots, image, pool);
}

bool ComputePatternImage(int size, double lambda, const numerics::DiffractingObject& object, double delta,
                         double z, double view_factor, bool aperture_projection, bool plots,
                         PatternImage* image, WorkerPool* pool) {
    size = std::max(size, 0);
    image->wavelength = lambda;
    image->aperture_radius = object.radius;
    image->object = object.kind;
    image->plate = object.plate;
    image->ring_width = delta;
    image->distance = z;
    image->view_factor = view_factor;
    image->size = size;
    image->aperture_projection = aperture_projection;
    image->plots = plots;
    image->palette_size = kPatternPaletteSize;
    image->maximum = 0;
    // The image's buffers (a few megabytes at 4K) are the one large allocation: if they cannot be had, the
    // image is empty and the failure is noted for the shell.
    try {
        if (CreationRefused(ResourceKind::kPixels)) throw std::bad_alloc();
        return FillPatternImage(image, pool);
    } catch (const std::bad_alloc&) {
        NoteResourceFailure();
        *image = PatternImage{};
        return false;
    }
}
