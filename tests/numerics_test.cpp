// J0 and SinCos against mpmath, the ring sum against independent physics and its fast samplings bit for bit,
// bits pinned for both builds (this runs under Wine too), the zone geometry and the spectral colours.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "numerics/bessel_j0.h"
#include "numerics/spectral_ramp.h"
#include "numerics/trig.h"
#include "numerics/zone_geometry.h"
#include "numerics/zone_series.h"
#include "tests/numerics_reference_data.h"
#include "tests/worked_numbers.h"
#if !defined(_WIN32)
#include "tests/paraxial_integral.h"
#endif

namespace numerics {
namespace {

using namespace numerics_reference;

// The largest error of a run and where it occurred; every error must stay within 1 (its unit).
struct Worst {
    const char* what;
    double error = 0, x = 0;
    int failures = 0;
    explicit Worst(const char* name) : what(name) {}
    void Add(double e, double at) {
        if (e > 1.0 && ++failures <= 10) ADD_FAILURE() << what << " at x = " << at << ": " << e;
        if (e > error) error = e, x = at;
    }
    ~Worst() { std::printf("[ measured ] %s: worst %.3f at x = %.17g\n", what, error, x); }
};

// |computed - reference| in units in the last place of the reference rounded to double.
double UlpError(double computed, long double reference) {
    int exponent;
    std::frexp(static_cast<double>(reference), &exponent);
    if (reference == 0) return computed == 0 ? 0 : 1e9;
    return static_cast<double>(std::fabs(computed - reference)) / std::ldexp(1.0, exponent - 53);
}

// J0 within 4*2^-52*min(1, sqrt(2/(pi*x))) absolute at the landmarks, both sides of every row boundary of its
// table and a sweep to 1000; even; exact at 0, and defined at the special arguments.
TEST(BesselJ0, WithinItsBoundOfTheReferenceValues) {
    Worst worst("J0 against mpmath, in units of its bound");
    for (int i = 0; i < kBesselJ0PointCount; ++i) {
        const BesselJ0Point& p = kBesselJ0Points[i];
        const double bound =
            4 * 0x1p-52 * std::fmin(1.0, std::sqrt(2 / (static_cast<double>(kExactPi) * p.x)));
        worst.Add(static_cast<double>(std::fabs(static_cast<long double>(BesselJ0(p.x)) - p.value)) / bound,
                  p.x);
        EXPECT_TRUE(i % 7 != 0 || BesselJ0(-p.x) == BesselJ0(p.x)) << p.x;
    }
    EXPECT_EQ(BesselJ0(0.0), 1.0);  // the axis series relies on x*J0(0) being exactly x
    EXPECT_EQ(BesselJ0(1e-300), 1.0);
    EXPECT_TRUE(std::isnan(BesselJ0(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(BesselJ0(-std::numeric_limits<double>::infinity()), 0.0);
    EXPECT_LT(std::fabs(BesselJ0(1e300)), 1e-150);
}

TEST(SinCos, WithinOneUlpOfTheReferenceValues) {
    Worst worst("sin/cos against mpmath, in ulp");
    for (int i = 0; i < kSinCosPointCount; ++i) {
        const SinCosPoint& p = kSinCosPoints[i];
        double s, c;
        SinCos(p.x, &s, &c);
        worst.Add(std::fmax(UlpError(s, p.sin), UlpError(c, p.cos)), p.x);
    }
    double s, c;
    SinCos(std::numeric_limits<double>::infinity(), &s, &c);
    EXPECT_TRUE(std::isnan(s) && std::isnan(c));
    SinCos(1e-300, &s, &c);
    EXPECT_EQ(s, 1e-300);
    EXPECT_EQ(c, 1.0);
}

// On the axis the open zones add up to the amplitude 2*sin(pi*a^2/(2*lambda*z)).
double OnAxisClosedForm(double a, double lambda, double z) {
    const double s = std::sin(static_cast<double>(kExactPi) * a * a / (2.0 * lambda * z));
    return 4.0 * s * s;
}

// On the axis 4 sin^2 of pi/2 times the zone count, on the axial screen (1 mm, 400..700 nm, 6 to 0.8 open
// zones) and the pattern screen (1..3 mm with 2.5 mm, whose a/delta computes as 999.9999999999999, 1..10 m,
// and 21 open zones at 3 mm, 428 nm, 1 m, where the sum without its end correction would lie 2.9e-3 high).
TEST(RingSum, FollowsTheFresnelIntegral) {
    for (int nm = 400; nm <= 700; nm += 50)
        for (double zones = 0.8; zones <= 6.0; zones += 0.37) {
            const double z = DistanceForZoneCount(0.001, nm * 1e-9, 0.0, zones);
            EXPECT_NEAR(RingSumIntensity(0.001, 1e-6, z, nm * 1e-9, 0.0),
                        OnAxisClosedForm(0.001, nm * 1e-9, z), 1e-6);
        }
    for (double a : {0.001, 0.002, 0.0025, 0.003})
        for (double z : {1.0, 1.0714, 5.5, 10.0})
            for (int nm : {400, 428, 700})
                EXPECT_NEAR(RingSumIntensity(a, a / 1000, z, nm * 1e-9, 0.0),
                            OnAxisClosedForm(a, nm * 1e-9, z), 1e-5)
                    << a << " m, " << z << " m, " << nm << " nm";
#if !defined(_WIN32)
    // Off the axis against the integral by long double quadrature, to 1.5 a (pattern screen) and a (radial
    // screen), at the controls' ends and where the uncorrected sum strays most (18 to 22 open zones).
    const struct {
        double a, lambda, z, r_end;
    } cases[] = {{0.003, 400e-9, 1.074, 0.0045}, {0.003, 400e-9, 1.253, 0.0045},
                 {0.003, 400e-9, 1.0, 0.0045},   {0.003, 700e-9, 1.164, 0.0045},
                 {0.002, 500e-9, 2.0, 0.003},    {0.0025, 550e-9, 3.3, 0.00375},
                 {0.001, 700e-9, 10.0, 0.0015},  {0.002, 500e-9, 0.004 / (1.5 * 500e-9), 0.002}};
    for (const auto& c : cases) {
        double values[30], maximum;
        IntensityOverRadius(30, &maximum, values, c.a, c.a / 1000, c.z, c.lambda, 0.0, c.r_end);
        for (int i = 1; i < 30; ++i)
            EXPECT_NEAR(values[i],
                        static_cast<double>(paraxial::Intensity(c.a, c.lambda, c.z, i * c.r_end / 30)), 1e-5)
                << c.a << " m, " << c.z << " m, sample " << i;
    }
#endif
}

// The running sums in the complex plane are the vibration curve: on the axis the circle of amplitude diameter
// 2 through its start, each zone half a turn, so odd numbers of whole zones end at the far side and even ones
// at the start. Its resultant squared is its intensity.
TEST(RingPhasor, ZonesAreHalfTurnsOfTheCircleAndTheResultantIsTheIntensity) {
    const double a = 0.001, lambda = 500e-9;
    for (int zones = 1; zones <= 6; ++zones) {
        const double z = a * a / (lambda * zones);
        const RingPhasorSums p = RingPhasor(a, a / 1000, z, lambda, 0.0);
        ASSERT_EQ(p.partial_sums.size(), 1001u);
        EXPECT_EQ(p.partial_sums[0], std::complex<double>(0, 0));
        const auto amplitude = [&](int k) { return p.amplitude_scale * p.partial_sums[k]; };
        EXPECT_NEAR(std::norm(amplitude(1000)), p.intensity, 1e-12);
        for (int k = 0; k <= 1000; k += 37)
            ASSERT_NEAR(std::abs(amplitude(k) + std::complex<double>(0, 1)), 1.0, 2e-3)
                << zones << " zones, " << k;
        EXPECT_NEAR(std::abs(amplitude(1000)), zones % 2 == 1 ? 2.0 : 0.0, 1e-3) << zones << " zones";
        // Zone m ends where the phase has advanced by m*pi (within the last ring's phase, 0.04 at most).
        for (int m = 1, k = 1; m <= zones; ++m) {
            while (k < 1000 && -p.phase_step * k * k < m * kPi) ++k;
            EXPECT_NEAR(std::abs(amplitude(k)), m % 2 == 1 ? 2.0 : 0.0, 0.04) << "end of zone " << m;
        }
    }
    EXPECT_TRUE(
        RingPhasor(0.002, 2e-6, 2.0, 500e-9, 0.0015, false).partial_sums.empty());  // no curve asked for
}

// The two-lane samplings give the term-by-term sum's bits: profiles as the pattern and the radial screens
// ask for them (with offsets, backwards, beyond the J0 table, without rings, every length of a last
// partial block), and the axial series on and off the axis.
TEST(RingSum, FastSamplingsAreTheTermByTermSumBitForBit) {
    const double r2 = 1.5 * std::sqrt(2.0);
    const struct {
        double a, z, lambda, r_start, r_end;
        int count;
    } profiles[] = {{0.002, 2.0, 500e-9, 0.0, r2 * 0.002, 470},
                    {0.003, 1.0, 400e-9, 0.0, r2 * 0.003, 41},
                    {0.001, 10.0, 700e-9, 0.0, r2 * 0.001, 23},
                    {0.0025, 3.3, 550e-9, 0.0, r2 * 0.0025, 30},
                    {0.002, 0.004 / (1.5 * 500e-9), 500e-9, 0.0, 0.002, 301},
                    {0.002, 2.0, 500e-9, 0.001, 0.003, 13},
                    {0.002, 2.0, 500e-9, 0.003, -0.001, 11},
                    {0.003, 0.05, 400e-9, 0.0, 0.01, 10},
                    {0.5e-6, 2.0, 500e-9, 0.0, 0.001, 3},
                    {0.002, 2.0, 500e-9, 0.0, 0.004, 1},
                    {0.002, 2.0, 500e-9, 0.0, 0.004, 7}};
    for (const auto& p : profiles) {
        std::vector<double> values(p.count + 1, -1.0);
        double maximum = -1.0, largest = 0.0;
        ASSERT_EQ(IntensityOverRadius(p.count, &maximum, values.data(), p.a, p.a / 1000, p.z, p.lambda,
                                      p.r_start, p.r_end),
                  values.data());
        for (int i = 0; i < p.count; ++i) {
            const double expected = RingSumIntensity(p.a, p.a / 1000, p.z, p.lambda,
                                                     p.r_start + i * ((p.r_end - p.r_start) / p.count));
            ASSERT_EQ(values[i], expected) << p.a << " m, " << p.z << " m, sample " << i;
            largest = std::max(largest, expected);
        }
        EXPECT_EQ(values[p.count], -1.0) << "written past the count";
        EXPECT_EQ(maximum, largest);
    }
    for (int nm : {400, 700}) {
        const double z_min = DistanceForZoneCount(0.001, nm * 1e-9, 0.0, 6.0);
        const double step = (DistanceForZoneCount(0.001, nm * 1e-9, 0.0, 0.8) - z_min) / 310;
        for (double r : {0.0, 0.0005}) {
            const int count = nm == 400 ? 311 : 310;  // an odd and an even count of samples
            const std::vector<double> values =
                IntensityOverDistanceSamples(0.001, 1e-6, r, nm * 1e-9, z_min, step, count);
            ASSERT_EQ(values.size(), std::size_t(count));
            for (int i = r == 0 ? 0 : count % 10; i < count; i += r == 0 ? 1 : 10)
                ASSERT_EQ(values[i], RingSumIntensity(0.001, 1e-6, z_min + i * step, nm * 1e-9, r)) << i;
        }
    }
}

TEST(RingSum, SamplingEdges) {
    // Every aperture of the control has its 1000 rings; away from a whole number the quotient is truncated.
    for (int um = 1000; um <= 3000; ++um) ASSERT_EQ(RingCount(um * 1e-6, um * 1e-9), 1000) << um << " um";
    EXPECT_EQ(Numbers(RingCount(0.5e-6, 1e-6), RingCount(2.5e-6, 1e-6), RingCount(1000.4e-6, 1e-6)),
              "0 2 1000");
    // Rounding reaches 8 units in the last place of the whole number (15 steps of 1000's spacing), no
    // further.
    double below = 1000;
    for (int i = 0; i < 15; ++i) below = std::nextafter(below, 0.0);
    EXPECT_EQ(Numbers(RingCount(below, 1.0), RingCount(std::nextafter(below, 0.0), 1.0),
                      RingCount(std::nextafter(1000.0, 2000.0), 1.0)),
              "1000 999 1000");
    // Nothing is written for no samples or no place for them; a negative count stores a maximum of 0.
    double values[3] = {7.0, 7.0, 7.0}, maximum = 42.0;
    EXPECT_EQ(IntensityOverRadius(0, &maximum, values, 0.002, 2e-6, 2.0, 5e-7, 0.0, 0.001), nullptr);
    EXPECT_EQ(IntensityOverRadius(2, &maximum, nullptr, 0.002, 2e-6, 2.0, 5e-7, 0.0, 0.001), nullptr);
    EXPECT_EQ(Numbers(maximum, values[0]), "42 7");
    EXPECT_EQ(IntensityOverRadius(-3, &maximum, values, 0.002, 2e-6, 2.0, 5e-7, 0.0, 0.001), values);
    EXPECT_EQ(maximum, 0.0);
    EXPECT_EQ(IntensityOverRadius(3, nullptr, values, 0.002, 2e-6, 2.0, 5e-7, 0.0, 0.003), values);
    EXPECT_EQ(values[2], RingSumIntensity(0.002, 2e-6, 2.0, 5e-7, 0.002));
    EXPECT_TRUE(IntensityOverDistanceSamples(0.001, 1e-6, 0.0, 5e-7, 1.0, 0.1, -4).empty());
}

// The doubles both builds compute, pinned: the Windows build runs this test under Wine.
TEST(RingSum, PinnedBitsOfBothBuilds) {
    EXPECT_EQ(RingSumIntensity(0.002, 2e-6, 2.0, 500e-9, 0.0), 0x1.9e5428f0514aep-45);
    EXPECT_EQ(RingSumIntensity(0.002, 2e-6, 2.0, 500e-9, 0.001), 0x1.7ec7e75fea144p+0);
    EXPECT_EQ(RingSumIntensity(0.003, 3e-6, 1.0, 400e-9, 0.006), 0x1.45d4c1c5df2e3p-11);
    EXPECT_EQ(RingSumIntensity(0.0025, 0.0025 / 1000, 3.3, 550e-9, 0.0), 0x1.2d2e5c29ea58bp+1);
    const double z_min = DistanceForZoneCount(0.001, 500e-9, 0.0, 6.0);
    const double z_max = DistanceForZoneCount(0.001, 500e-9, 0.0, 0.8);
    const std::vector<double> axial =
        IntensityOverDistanceSamples(0.001, 0.001 / 1000, 0.0, 500e-9, z_min, (z_max - z_min) / 2, 3);
    const double pinned[] = {0x1.d2c61a6f5827bp-44, 0x1.460ec85114a3ap+1, 0x1.cf1bbc708526ap+1};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(axial[i], pinned[i]) << i;
}

TEST(ZoneGeometry, CountsDistancesAndTheirInverse) {
    EXPECT_DOUBLE_EQ(DistanceForZoneCount(0.001, 5e-7, 0.0, 0.8), 2.5);
    EXPECT_EQ(OpenZoneCount(2000 * 1e-6, 500 * 1e-9, 0.0, 2000 * 0.001), 3.9999999999999996);
    for (double u : {0.0, 0.0005, 0.001, 0.0015, 0.004}) {
        for (double m : {0.8, 1.5, 3.0, 6.0}) {
            const double z = DistanceForZoneCount(0.001, 6e-7, u, m);
            ASSERT_TRUE(u > 0.001 || !std::isnan(z)) << u << ", " << m;
            EXPECT_TRUE(std::isnan(z) || std::fabs(OpenZoneCount(0.001, 6e-7, u, z) - m) < 1e-9 * m)
                << u << ", " << m;
        }
    }
    // The zones the aperture covers from half its radius, from its edge, for 1.1 mm from the axis, and half a
    // radius beyond the edge, where they circle the nearest edge point: radii from the path difference
    // m*lambda/2, lenses with the aperture from the circle-circle formula (mpmath).
    const double half[] = {0.8646, 0.5055, 0.3532, 0.2257, 0.0510},
                 edge[] = {0.4240, 0.3580, 0.3114, 0.27, 0.23}, axis[] = {1.0, 1.0, 0.42, 0.0, 0.0},
                 beyond[] = {0.46103, 0.41905, 0.38181, 0.34880, 0.31814};
    for (int m = 1; m <= 5; ++m) {
        EXPECT_NEAR(ZoneOpenFraction(0.001, 0.0015, 1.0, 5e-7, m), beyond[m - 1], 2e-5) << "zone " << m;
        EXPECT_NEAR(ZoneOpenFraction(0.0011, 0.0, 1.0, 5e-7, m), axis[m - 1], 0.005) << "zone " << m;
        EXPECT_NEAR(ZoneOpenFraction(0.001, 0.0005, 1.0, 5e-7, m), half[m - 1], 1e-4) << "zone " << m;
        EXPECT_NEAR(ZoneOpenFraction(0.001, 0.001, 1.0, 5e-7, m), edge[m - 1], m <= 3 ? 1e-4 : 0.005) << m;
    }
}

// The lens of two discs, and its continuity where they touch: rounding there once pushed acos past +-1.
TEST(ZoneGeometry, CircleOverlapAreas) {
    EXPECT_NEAR(CircleOverlapArea(1, 1, 1), 1.2283697, 1e-7);
    EXPECT_DOUBLE_EQ(CircleOverlapArea(2, 1, 0), kPi);
    EXPECT_DOUBLE_EQ(CircleOverlapArea(1, 2, 0), kPi);
    EXPECT_EQ(CircleOverlapArea(0, 1, 0.5), 0.0);
    const std::pair<double, double> pairs[] = {
        {0.82685434553778392, 0.081280356953278191}, {1.0, 0.3}, {1e-3, 1.0954451150103321e-3}, {1.7, 1.7}};
    for (const auto& [r1, r2] : pairs) {
        const double full = kPi * std::min(r1, r2) * std::min(r1, r2);
        for (bool external : {true, false}) {
            const double touching = external ? r1 + r2 : std::fabs(r1 - r2);
            if (touching == 0) continue;
            std::vector<double> distances = {touching * (1 - 1e-9), touching * (1 + 1e-9)};
            for (double d = touching, e = touching, k = 0; k < 8; ++k)
                distances.push_back(d = std::nextafter(d, 0.0)),
                    distances.push_back(e = std::nextafter(e, 10.0));
            for (double d : distances)
                ASSERT_NEAR(CircleOverlapArea(r1, r2, d), external ? 0.0 : full, 1e-12 * full)
                    << r1 << ", " << r2 << ", " << d;
        }
    }
}

// Full colours at the band edges and within them (red | green << 8 | blue << 16), black outside the visible
// range; a ramp from near black to the full colour.
TEST(SpectralRamp, ColoursAndRamps) {
    std::string colours;
    for (int nm : {380, 439, 440, 489, 490, 500, 509, 510, 550, 579, 580, 600, 644, 645, 780, 781}) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%06x ", SpectralColour(nm));
        colours += hex;
    }
    EXPECT_EQ(
        colours,
        "ff00ff ff0004 ff0000 fff900 ffff00 7fff00 0cff00 00ff00 00ff91 00fffb 00ffff 00b0ff 0003ff 0000ff "
        "0000ff 000000 ");
    std::uint8_t row[12] = {1, 2, 3};
    EXPECT_EQ(FillSpectralRamp(row, 4, 500), row);
    EXPECT_EQ(std::vector<int>(row, row + 12),
              (std::vector<int>{0, 63, 31, 0, 127, 63, 0, 191, 95, 0, 255, 127}));
    row[0] = 1;
    EXPECT_EQ(FillSpectralRamp(row, 1, 379), nullptr);
    EXPECT_EQ(FillSpectralRamp(row, 0, 500), row);
    EXPECT_EQ(row[0], 1);
}

}  // namespace
}  // namespace numerics
