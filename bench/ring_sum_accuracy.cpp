// How far the ring sum lies from the paraxial Fresnel-Kirchhoff integral over every intensity the three
// screens can compute: a sweep of the controls' ranges, each value compared with a long double quadrature
// of the integral (tests/paraxial_integral.h). Prints the worst deviation on the 0..4 intensity scale for
// each screen and where it occurs; then the same for the disc and the zone plate over the pattern screen's
// ranges, against long double quadratures of their own fields. A one-off measurement of a few minutes, not a
// test.
//
//   build/native/bench/ring_sum_accuracy [zone count step, default 0.02] [radius step in a, default 0.02]
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "numerics/object_series.h"
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

// The integral of J0(2*sqrt(v*u))*exp(i*u) du from u0 to u1, u = pi*rho^2/(lambda*z) and v =
// pi*r^2/(lambda*z): the field of the annulus with the phases of u0 and u1, up to a factor of modulus 1
// common to all annuli, by 16-point Gauss-Legendre on panels over which u and the Bessel argument advance
// by 1.5 at most.
std::complex<long double> AnnulusIntegral(long double u0, long double u1, long double v) {
    static const numerics::paraxial::GaussLegendreRule rule = numerics::paraxial::MakeGaussLegendre(16);
    const long double w0 = 2 * std::sqrt(v * u0), w1 = 2 * std::sqrt(v * u1);
    const int panels = 2 + static_cast<int>((u1 - u0 + w1 - w0) / 1.5L);
    std::complex<long double> sum = 0;
    for (int p = 0; p < panels; ++p)
        for (std::size_t k = 0; k < rule.nodes.size(); ++k) {
            const long double u = u0 + (u1 - u0) * (p + rule.nodes[k]) / panels;
            sum += rule.weights[k] * (u1 - u0) / panels * j0l(2 * std::sqrt(v * u)) * std::polar(1.0L, u);
        }
    return sum;
}

// Profiles of the disc (Babinet against the quadrature: the free wave's integral over the plane is
// i*exp(-i*v)) or the plate, radii i*r_end/count, compared with the quadrature.
void CompareObject(const numerics::DiffractingObject& object, double lambda, double z, Worst* worst) {
    const int count = 107;
    const double r_end = 1.5 * std::sqrt(2.0) * object.radius;
    std::vector<double> values(count);
    numerics::ObjectIntensityOverRadius(count, nullptr, values.data(), object, object.radius / 1000, z,
                                        lambda, 0.0, r_end);
    const long double scale = kExactPi / (static_cast<long double>(lambda) * z);
    const auto u = [scale](long double rho) { return scale * rho * rho; };
    for (int i = 0; i < count; ++i) {
        const double r = i * (r_end / count);
        const long double v = u(r);
        std::complex<long double> field = 0;
        if (object.kind == numerics::BeamObject::kDisc) {
            field = std::polar(1.0L, -v) * std::complex<long double>(0, 1) -
                    AnnulusIntegral(0, u(object.radius), v);
        } else {
            const std::vector<double> radii = numerics::ZonePlateRingRadii(object.plate, object.radius);
            for (std::size_t m = 0; m <= radii.size(); m += 2)
                field += AnnulusIntegral(m == 0 ? 0 : u(radii[m - 1]),
                                         u(m < radii.size() ? radii[m] : object.radius), v);
        }
        const double exact = static_cast<double>(std::norm(field));
        worst->Take(std::fabs(values[i] - exact) / std::fmax(1.0, exact), object.radius, lambda, z, r,
                    values[i], exact);
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

    // The disc and the zone plate (made for 500 nm at 0.5 to 4 m) over the pattern screen's ranges, to the
    // frame's corner; deviations in units of max(1, I), the plate's focus reaching 4k^2.
    Worst disc, plate;
    for (int um : {1000, 2000, 3000})
        for (int nm : {400, 500, 700}) {
            const double a = um * 1e-6, lambda = nm * 1e-9;
            for (double zones = 0.15; zones <= 22.5; zones *= 1.35) {
                const double z = std::round(a * a / (lambda * zones) * 1000) / 1000;
                if (z >= 1.0 && z <= 10.0)
                    CompareObject({numerics::BeamObject::kDisc, a, {}}, lambda, z, &disc);
            }
            for (double f : {0.5, 1.0, 2.0, 4.0}) {
                const numerics::ZonePlate design{500e-9, f};
                for (double z : {numerics::ZonePlateFocalDistance(design, lambda), 1.0, 2.5, 6.0})
                    CompareObject({numerics::BeamObject::kZonePlate, a, design}, lambda, z, &plate);
            }
        }
    disc.Print("disc, 0 <= r < 1.5 sqrt(2) a, of max(1, I)");
    plate.Print("zone plate, 0 <= r < 1.5 sqrt(2) R, of max(1, I)");
    return 0;
}
