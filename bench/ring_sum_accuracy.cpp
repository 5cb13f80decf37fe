// How far the ring sum lies from the paraxial Fresnel-Kirchhoff integral over every intensity the three
// screens can compute: a sweep of the controls' ranges, each value compared with a long double quadrature
// of the integral (tests/paraxial_integral.h). Prints the worst deviation on the 0..4 intensity scale for
// each screen and where it occurs. A one-off measurement of a few minutes, not a test.
//
//   build/native/bench/ring_sum_accuracy [zone count step, default 0.02] [radius step in a, default 0.02]
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "numerics/zone_geometry.h"
#include "numerics/zone_series.h"
#include "tests/paraxial_integral.h"

namespace {

using numerics::kExactPi;

struct Worst {
    double deviation = 0, a = 0, lambda = 0, z = 0, r = 0, sum = 0, exact = 0;

    void Take(double d, double a_, double lambda_, double z_, double r_, double sum_, double exact_) {
        if (d > deviation) *this = {d, a_, lambda_, z_, r_, sum_, exact_};
    }
    void Print(const char* what) const {
        std::printf(
            "%-40s worst %.3e at a = %.3f mm, %.0f nm, z = %.4f m, r = %.3f a (%.3f zones): "
            "ring sum %.6f, integral %.6f\n",
            what, deviation, a * 1e3, lambda * 1e9, z, r / a, a * a / (lambda * z), sum, exact);
        std::fflush(stdout);
    }
};

// A profile as the pattern and radial screens ask for it: radii i*r_end/count, i = 0 .. count-1. The axis
// (i = 0) goes to *axis, the other radii to *within up to within_end and to *beyond past it.
void CompareProfile(double a, double lambda, double z, double r_end, int count, double within_end,
                    Worst* axis, Worst* within, Worst* beyond) {
    std::vector<double> values(count);
    double maximum;
    numerics::IntensityOverRadius(count, &maximum, values.data(), a, a / 1000, z, lambda, 0.0, r_end);
    const long double theta = kExactPi * a * a / (static_cast<long double>(lambda) * z);
    std::vector<long double> kappas;
    for (int i = 0; i < count; ++i)
        kappas.push_back(2 * kExactPi * a * (i * (r_end / count)) / (static_cast<long double>(lambda) * z));
    const std::vector<long double> exact = numerics::paraxial::Intensities(theta, kappas);
    for (int i = 0; i < count; ++i) {
        const double r = i * (r_end / count), e = static_cast<double>(exact[i]);
        (i == 0            ? axis
         : r <= within_end ? within
                           : beyond)
            ->Take(std::fabs(values[i] - e), a, lambda, z, r, values[i], e);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const double zone_step = argc > 1 ? std::atof(argv[1]) : 0.02;
    const double radius_step = argc > 2 ? std::atof(argv[2]) : 0.02;

    // Axial screen: a = 1 mm, every whole wavelength, 3001 distances from six open zones to 0.8 of a zone,
    // on the axis.
    Worst axial;
    for (int nm = 400; nm <= 700; ++nm) {
        const double a = 0.001, lambda = nm * 1e-9;
        const double z_min = numerics::DistanceForZoneCount(a, lambda, 0.0, 6.0);
        const double z_max = numerics::DistanceForZoneCount(a, lambda, 0.0, 0.8);
        const int count = 3001;
        const double step = (z_max - z_min) / (count - 1);
        const std::vector<double> values =
            numerics::IntensityOverDistanceSamples(a, a / 1000, 0.0, lambda, z_min, step, count);
        for (int i = 0; i < count; ++i) {
            const double z = z_min + i * step;
            const double exact = static_cast<double>(numerics::paraxial::Intensity(a, lambda, z, 0.0));
            axial.Take(std::fabs(values[i] - exact), a, lambda, z, 0.0, values[i], exact);
        }
    }
    axial.Print("axial screen (1 mm, 400..700 nm)");

    // Radial screen: 2 mm, 500 nm, 1.5 open zones, 1000 radii from the axis to a.
    Worst radial_axis, radial, unused;
    {
        const double a = 0.002, lambda = 500e-9, z = numerics::DistanceForZoneCount(a, lambda, 0.0, 1.5);
        CompareProfile(a, lambda, z, a, 1000, a, &radial_axis, &radial, &unused);
    }
    radial_axis.Print("radial screen (2 mm, 500 nm), axis");
    radial.Print("radial screen, 0 < r < a");

    // Pattern screen. The intensities depend on a, lambda and z through the zone count a^2/(lambda*z)
    // alone (0.143 to 22.5 zones), so zone counts on a fine grid, each reached at a corner of the controls
    // (1 mm and 700 nm up to 1.43 zones, 2 mm and 400 nm up to 2.25, 3 mm and 400 nm beyond) with the
    // distance on its millimetre grid, cover the whole range. Radii to the image corner, 1.5*sqrt(2)*a.
    // A second corner (3 mm, 700 nm; 2 mm, 550 nm; 1 mm, 400 nm) repeats every tenth zone count.
    Worst on_axis, off_axis, corners, second;
    int profiles = 0;
    for (double zones = 1.0 / 7.0; zones <= 22.5; zones += zone_step) {
        const int um = zones < 1.43 ? 1000 : zones < 2.25 ? 2000 : 3000;
        const int nm = zones < 1.43 ? 700 : 400;
        const double a = um * 1e-6, lambda = nm * 1e-9;
        const double z = std::fmin(10.0, std::fmax(1.0, std::round(a * a / (lambda * zones) * 1000) / 1000));
        const int count = static_cast<int>(1.5 * std::sqrt(2.0) / radius_step) + 1;
        CompareProfile(a, lambda, z, 1.5 * std::sqrt(2.0) * a, count, 1.5 * a, &on_axis, &off_axis, &corners);
        if (++profiles % 10 == 0) {
            const int um2 = zones < 3.2 ? 1000 : zones < 7.2 ? 2000 : 3000;
            const int nm2 = zones < 3.2 ? 400 : zones < 7.2 ? 550 : 700;
            const double a2 = um2 * 1e-6, lambda2 = nm2 * 1e-9;
            const double z2 = std::round(a2 * a2 / (lambda2 * zones) * 1000) / 1000;
            if (z2 >= 1.0 && z2 <= 10.0)
                CompareProfile(a2, lambda2, z2, 1.5 * std::sqrt(2.0) * a2, count, 1.5 * std::sqrt(2.0) * a2,
                               &second, &second, &second);
        }
    }
    on_axis.Print("pattern screen, on the axis");
    off_axis.Print("pattern screen, 0 < r <= 1.5 a");
    corners.Print("pattern screen, 1.5 a < r < 1.5 sqrt(2) a");
    second.Print("pattern screen, second corners");
    return 0;
}
