// The straightforward pattern frame: each step computed on its own, per sample and per pixel.
#include "tests/pattern_reference.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "numerics/spectral_ramp.h"
#include "numerics/zone_geometry.h"
#include "numerics/zone_series.h"

void PaintPatternPixelsReference(PatternImage* image) {
    const int size = image->size;
    const int n = image->sample_count;
    std::vector<int> level(n);
    const double g = std::pow(image->maximum, 0.7);
    for (int k = 0; k < n; ++k) {
        const double x = g > 0 ? std::pow(image->intensities[k], 0.7) / g * 1000 : 0.0;
        level[k] = x > 0 ? static_cast<int>(std::min(x, 999.0)) : 0;
    }
    const int h = size / 2;
    image->pixels.assign(static_cast<std::size_t>(size) * size, 0);
    for (int i = 0; i < size; ++i) {
        for (int j = 0; j < size; ++j) {
            const double distance = std::sqrt(static_cast<double>((j - h) * (j - h) + (i - h) * (i - h)));
            const int k = std::min(static_cast<int>(distance), n - 1);
            const std::uint8_t* rgb = image->palette.data() + 3 * level[k];
            std::uint32_t pixel = rgb[2] | rgb[1] << 8 | rgb[0] << 16;
            if (image->aperture_projection && std::fabs(h / image->view_factor - k) < 1) pixel = 0x00FFFFFF;
            image->pixels[static_cast<std::size_t>(i) * size + j] = pixel;
        }
    }
}

bool ComputePatternImageReference(int size, double lambda, double a, double delta, double z,
                                  double view_factor, bool aperture_projection, bool plots,
                                  PatternImage* image) {
    image->wavelength = lambda;
    image->aperture_radius = a;
    image->ring_width = delta;
    image->distance = z;
    image->view_factor = view_factor;
    image->size = size;
    image->aperture_projection = aperture_projection;
    image->plots = plots;
    image->palette_size = 1000;

    const double r_end = (a * std::sqrt(2.0)) * view_factor;
    const int n = static_cast<int>((std::sqrt(2.0) * 0.5) * size) + 1;
    image->sample_count = n;
    image->intensities.assign(std::max(size, n), 0.0);
    const double step = r_end / n;
    image->maximum = 0;
    for (int k = 0; k < n; ++k) {
        image->intensities[k] = numerics::RingSumIntensity(a, delta, z, lambda, k * step);
        image->maximum = std::max(image->maximum, image->intensities[k]);
    }

    image->palette.assign(3000, 0);
    numerics::FillSpectralRamp(image->palette.data(), 1000, static_cast<int>(lambda / 1e-9));
    PaintPatternPixelsReference(image);

    image->plot_points.assign(size, PatternPoint{0, 0});
    if (plots) {
        const int h = size / 2;
        for (int j = 0; j < size; ++j) {
            const double rise = image->maximum > 0
                                    ? (4 * size) / 10 * image->intensities[std::abs(j - h)] / image->maximum
                                    : 0.0;
            image->plot_points[j] = {j, size - static_cast<int>(rise)};
        }
    }
    image->zone_count = numerics::OpenZoneCount(a, lambda, 0.0, z);
    return true;
}
