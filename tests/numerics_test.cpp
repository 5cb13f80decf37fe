// The diffraction numerics against independent physics and the worked values of the demonstrations.
// The same suite runs natively and, built for Windows, under Wine.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "numerics/spectral_ramp.h"
#include "numerics/zone_geometry.h"
#include "numerics/zone_series.h"
#if !defined(_WIN32)
#include "tests/paraxial_integral.h"
#endif

namespace numerics {
namespace {

// Independent value on the axis: the amplitude of the open zones adds up to 2*sin(pi*a^2/(2*lambda*z)).
double OnAxisClosedForm(double a, double lambda, double z) {
    const double s = std::sin(3.14159265358979323846 * a * a / (2.0 * lambda * z));
    return 4.0 * s * s;
}

// On the axis the integral is 4*sin^2(theta/2), theta = pi*a^2/(lambda*z). Without its end correction the
// midpoint sum would lie up to 2.9e-3 off (at 21 open zones); with it, what remains is of fourth order.
TEST(RingSum, OnAxisFollowsTheFresnelIntegralAcrossTheScreensRanges) {
    // Whole zone counts, a = 1 mm, 500 nm: bright for an odd count, dark for an even one.
    const struct {
        double z, zones;
    } whole[] = {{2.0, 1}, {0.4, 5}, {1.0, 2}, {0.5, 4}, {1.0 / 6, 12}};
    for (const auto& c : whole) {
        const double expected = std::fmod(c.zones, 2.0) == 1.0 ? 4.0 : 0.0;
        EXPECT_NEAR(RingSumIntensity(0.001, 1e-6, c.z, 500e-9, 0.0), expected, 1e-6) << c.zones << " zones";
    }
    // Axial screen: a = 1 mm, 400..700 nm, from 6 open zones to 0.8.
    for (int nm = 400; nm <= 700; nm += 50) {
        const double lambda = nm * 1e-9;
        for (double zones = 0.8; zones <= 6.0; zones += 0.37) {
            const double z = DistanceForZoneCount(0.001, lambda, 0.0, zones);
            EXPECT_NEAR(RingSumIntensity(0.001, 1e-6, z, lambda, 0.0), OnAxisClosedForm(0.001, lambda, z), 1e-6)
                << nm << " nm, " << zones << " zones";
        }
    }
    // Pattern screen: 1..3 mm, 1..10 m, 400..700 nm; every aperture of the control has its 1000 rings
    // (2.5 mm among them, where a/delta computes as 999.9999999999999). At 21 open zones (3 mm, 428 nm,
    // 1 m) the uncorrected midpoint sum is brightest, 2.9e-3 above the integral. The eight-digit pi alone
    // moves the intensity by up to 2e-6 there.
    for (double a : {0.001, 0.002, 0.0025, 0.003}) {
        for (double z : {1.0, 1.0714, 2.0, 5.5, 10.0}) {
            for (int nm : {400, 428, 550, 700}) {
                const double lambda = nm * 1e-9;
                EXPECT_NEAR(RingSumIntensity(a, a / 1000, z, lambda, 0.0), OnAxisClosedForm(a, lambda, z), 1e-5)
                    << a << " m, " << z << " m, " << nm << " nm";
            }
        }
    }
}

#if !defined(_WIN32)
// Off the axis, against the paraxial Fresnel-Kirchhoff integral by long double quadrature: profiles as
// the pattern screen (to 1.5 a) and the radial screen (to a) ask for them, at the ends of the controls'
// ranges and where the uncorrected midpoint sum strays most off the axis (4.8e-4, close to the axis at 18
// to 21 open zones).
TEST(RingSum, OffTheAxisFollowsTheFresnelIntegral) {
    const struct {
        double a, lambda, z, r_end;
    } cases[] = {
        {0.003, 400e-9, 1.074, 0.0045},                  // 20.95 zones
        {0.003, 400e-9, 1.253, 0.0045},                  // 17.96 zones
        {0.003, 400e-9, 1.0, 0.0045},                    // 22.5 zones, the most
        {0.003, 700e-9, 1.164, 0.0045},                  // 11 zones
        {0.002, 500e-9, 2.0, 0.003},                     // the pattern screen's starting controls, 4 zones
        {0.0025, 550e-9, 3.3, 0.00375},                  // a/delta computed as 999.9999999999999
        {0.001, 700e-9, 10.0, 0.0015},                   // 0.143 zones, the fewest
        {0.002, 500e-9, 0.004 / (1.5 * 500e-9), 0.002},  // the radial screen, 1.5 zones
    };
    const int count = 30;
    for (const auto& c : cases) {
        double values[count], maximum;
        IntensityOverRadius(count, &maximum, values, c.a, c.a / 1000, c.z, c.lambda, 0.0, c.r_end);
        for (int i = 1; i < count; ++i) {  // the axis is compared with the closed form above
            const double r = i * (c.r_end / count);
            EXPECT_NEAR(values[i], static_cast<double>(paraxial::Intensity(c.a, c.lambda, c.z, r)), 1e-5)
                << c.a << " m, " << c.lambda << " m, " << c.z << " m, r = " << r;
        }
    }
}
#endif

// The running sums of the ring sum drawn in the complex plane are the vibration curve. On the axis it is
// the circle of amplitude diameter 2 through its start, each Fresnel zone half a turn of it: after an odd
// number of whole zones the curve stands at the far side (intensity 4), after an even number back at its
// start (0). Its resultant squared is the intensity the screens plot, to the last bit.
TEST(RingPhasor, ZonesAreHalfTurnsOfTheCircleAndTheResultantIsTheIntensity) {
    const double a = 0.001, lambda = 500e-9;
    for (int zones = 1; zones <= 6; ++zones) {
        const double z = a * a / (lambda * zones);
        const RingPhasorSums p = RingPhasor(a, a / 1000, z, lambda, 0.0);
        ASSERT_EQ(p.partial_sums.size(), 1001u);
        EXPECT_EQ(p.intensity, RingSumIntensity(a, a / 1000, z, lambda, 0.0));
        const auto amplitude = [&](int k) { return p.amplitude_scale * p.partial_sums[k]; };
        for (int k = 0; k <= 1000; k += 37)
            ASSERT_NEAR(std::abs(amplitude(k) + std::complex<double>(0, 1)), 1.0, 2e-3) << zones << " zones, ring " << k;
        EXPECT_NEAR(std::abs(amplitude(1000)), zones % 2 == 1 ? 2.0 : 0.0, 1e-3) << zones << " zones";
        // Zone m ends where the phase has advanced by m*pi: at the far side after an odd m, at the start
        // after an even one, within the phase of the last ring, 0.04 at the most.
        for (int m = 1, k = 1; m <= zones; ++m) {
            while (k < 1000 && -p.phase_step * k * k < m * kPi) ++k;
            EXPECT_NEAR(std::abs(amplitude(k)), m % 2 == 1 ? 2.0 : 0.0, 0.04) << "end of zone " << m;
        }
    }
    // Off the axis, at the radial screen's last radius: the value the profile gives there.
    const double a2 = 0.002, z2 = 0.004 / (1.5 * 500e-9);
    double profile[2], maximum;
    IntensityOverRadius(2, &maximum, profile, a2, a2 / 1000, z2, 500e-9, 0.0, 2 * 0.0015);
    EXPECT_EQ(RingPhasor(a2, a2 / 1000, z2, 500e-9, 0.0015).intensity, profile[1]);
}

TEST(RingSum, EveryApertureOfTheControlHasItsThousandRings) {
    for (int um = 1000; um <= 3000; ++um) {
        const double a = um * 1e-6;
        ASSERT_EQ(RingCount(a, a / 1000), 1000) << um << " um";
    }
    EXPECT_EQ(RingCount(0.0025, 0.0025 / 1000), 1000);  // the quotient computes as 999.9999999999999
    // Away from a whole number the quotient is truncated: a part of a ring is no ring.
    EXPECT_EQ(RingCount(0.5e-6, 1e-6), 0);
    EXPECT_EQ(RingCount(2.5e-6, 1e-6), 2);
    EXPECT_EQ(RingCount(1000.4e-6, 1e-6), 1000);
}

TEST(IntensityOverRadius, FirstSampleIsTheAxisAndTheEndIsNotSampled) {
    const double a = 0.002, z = 2.0, lambda = 500e-9;
    std::vector<double> values(4);
    double maximum = -1.0;
    ASSERT_EQ(IntensityOverRadius(4, &maximum, values.data(), a, a / 1000, z, lambda, 0.0, 0.004),
              values.data());
    EXPECT_EQ(values[0], RingSumIntensity(a, a / 1000, z, lambda, 0.0));
    EXPECT_EQ(values[3], RingSumIntensity(a, a / 1000, z, lambda, 0.003));
    double largest = 0.0;
    for (double v : values) largest = std::max(largest, v);
    EXPECT_EQ(maximum, largest);
}

TEST(IntensityOverRadius, RadialSeriesAtTheAxisEqualsTheAxialSeries) {
    const double a = 0.002, lambda = 500e-9;
    for (double z : {1.6, 2.0, 5.3333}) {
        double values[1], maximum = 0;
        IntensityOverRadius(1, &maximum, values, a, a / 1000, z, lambda, 0.0, 1e-3);
        const std::vector<double> axial = IntensityOverDistanceSamples(a, a / 1000, 0.0, lambda, z, 0.1, 1);
        EXPECT_NEAR(values[0], axial[0], 1e-12);
    }
}

TEST(IntensityOverRadius, EmptyRequestsWriteNothing) {
    double values[2] = {7.0, 7.0};
    double maximum = 42.0;
    EXPECT_EQ(IntensityOverRadius(0, &maximum, values, 0.002, 2e-6, 2.0, 5e-7, 0.0, 0.001), nullptr);
    EXPECT_EQ(IntensityOverRadius(2, &maximum, nullptr, 0.002, 2e-6, 2.0, 5e-7, 0.0, 0.001), nullptr);
    EXPECT_EQ(maximum, 42.0);
    EXPECT_EQ(values[0], 7.0);
    // A negative count samples nothing and reports a maximum of 0.
    EXPECT_EQ(IntensityOverRadius(-3, &maximum, values, 0.002, 2e-6, 2.0, 5e-7, 0.0, 0.001), values);
    EXPECT_EQ(maximum, 0.0);
}

TEST(IntensityOverRadius, ApertureNarrowerThanARingGivesZeros) {
    double values[3], maximum = 1.0;
    IntensityOverRadius(3, &maximum, values, 0.5e-6, 1e-6, 2.0, 5e-7, 0.0, 0.001);
    for (double v : values) EXPECT_EQ(v, 0.0);
    EXPECT_EQ(maximum, 0.0);
}

TEST(IntensityOverDistance, CountFollowsTheRangeAndItsRounding) {
    EXPECT_EQ(DistanceSampleCount(1.0, 2.0, 0.25), 5);
    EXPECT_EQ(DistanceSampleCount(2.0, 1.0, 0.25), 5);
    // The axial screen divides its range into n steps; find a wavelength and n whose quotient rounds
    // just below n, so that the range alone yields n samples instead of n + 1.
    double short_lambda = 0, short_z_min = 0, short_z_max = 0;
    int short_n = 0;
    for (int nm = 400; nm <= 700 && short_n == 0; ++nm) {
        const double lambda = nm * 1e-9;
        const double z_min = DistanceForZoneCount(0.001, lambda, 0.0, 6.0);
        const double z_max = DistanceForZoneCount(0.001, lambda, 0.0, 0.8);
        for (int n = 100; n <= 400 && short_n == 0; ++n) {
            if (DistanceSampleCount(z_min, z_max, (z_max - z_min) / n) == n) {
                short_lambda = lambda, short_z_min = z_min, short_z_max = z_max, short_n = n;
            }
        }
    }
    ASSERT_NE(short_n, 0) << "no range rounds short: the case the exact-count call exists for";
    const double step = (short_z_max - short_z_min) / short_n;
    EXPECT_EQ(IntensityOverDistance(0.001, 1e-6, 0.0, short_lambda, short_z_min, short_z_max, step).size(),
              static_cast<std::size_t>(short_n));
    const std::vector<double> all =
        IntensityOverDistanceSamples(0.001, 1e-6, 0.0, short_lambda, short_z_min, step, short_n + 1);
    ASSERT_EQ(all.size(), static_cast<std::size_t>(short_n + 1));
    EXPECT_NEAR(all.back(), RingSumIntensity(0.001, 1e-6, short_z_max, short_lambda, 0.0), 1e-9);
}

TEST(IntensityOverDistance, SamplesLieAtStartPlusIStep) {
    const std::vector<double> values = IntensityOverDistance(0.001, 1e-6, 0.0, 500e-9, 0.4, 2.0, 0.8);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[1], RingSumIntensity(0.001, 1e-6, 0.4 + 1 * 0.8, 500e-9, 0.0));
    EXPECT_NEAR(values[2], 4.0, 2e-4);
}

TEST(ZoneGeometry, CountsAndDistances) {
    EXPECT_NEAR(DistanceForZoneCount(0.001, 5e-7, 0.0, 6.0), 0.33333, 1e-5);
    EXPECT_DOUBLE_EQ(DistanceForZoneCount(0.001, 5e-7, 0.0, 0.8), 2.5);
    EXPECT_DOUBLE_EQ(OpenZoneCount(0.002, 5e-7, 0.0, 2.0), 4.0);
    EXPECT_DOUBLE_EQ(OpenZoneCount(0.001, 5e-7, 0.0, 1.0), 2.0);
    // The pattern screen's starting controls (2000 um, 500 nm, 2000 mm) give just below 4.
    EXPECT_EQ(OpenZoneCount(2000 * 1e-6, 500 * 1e-9, 0.0, 2000 * 0.001), 3.9999999999999996);
}

TEST(ZoneGeometry, CountAndDistanceAreInverseOnAndOffTheAperture) {
    for (double u : {0.0, 0.0005, 0.001, 0.0015, 0.004}) {
        for (double m : {0.8, 1.5, 3.0, 6.0}) {
            const double z = DistanceForZoneCount(0.001, 6e-7, u, m);
            if (std::isnan(z)) continue;
            EXPECT_NEAR(OpenZoneCount(0.001, 6e-7, u, z), m, 1e-9 * m) << "u " << u << " m " << m;
        }
    }
}

TEST(ZoneGeometry, CircleOverlapAreas) {
    EXPECT_NEAR(CircleOverlapArea(1, 1, 1), 1.2283697, 1e-7);
    EXPECT_DOUBLE_EQ(CircleOverlapArea(2, 1, 0), 3.1415926);
    EXPECT_DOUBLE_EQ(CircleOverlapArea(1, 2, 0), 3.1415926);
    EXPECT_EQ(CircleOverlapArea(1, 1, 2), 0.0);
    EXPECT_EQ(CircleOverlapArea(0, 1, 0.5), 0.0);
    EXPECT_DOUBLE_EQ(CircleOverlapArea(1.5, 1.5, 0), 3.1415926 * 2.25);
}

// Where two circles touch, the lens formula meets the branches for apart (0) and nested discs (the smaller
// disc): rounding there pushed acos past +-1 and gave NaN, e.g. at (0.82685..., 0.08128..., 0.90813...),
// a hair inside external tangency. From both sides of each tangency the area must stay finite, within
// [0, pi*min(R1, R2)^2] and meet the branch's value.
TEST(ZoneGeometry, CircleOverlapIsContinuousAtTangency) {
    const struct {
        double r1, r2;
    } pairs[] = {{0.82685434553778392, 0.081280356953278191},
                 {0.081280356953278191, 0.82685434553778392},
                 {1.0, 0.3},
                 {0.3, 1.0},
                 {1e-3, 1.0954451150103321e-3},
                 {1.7, 1.7}};
    for (const auto& p : pairs) {
        const double smaller = std::min(p.r1, p.r2);
        for (bool external : {true, false}) {
            const double touching = external ? p.r1 + p.r2 : std::fabs(p.r1 - p.r2);
            if (touching == 0) continue;  // equal discs touch inside only at d = 0
            const double expected = external ? 0.0 : kPi * smaller * smaller;
            // 1 to 8 units in the last place to either side, and relative offsets of 1e-12 and 1e-9.
            std::vector<double> distances;
            for (double d = touching, e = touching, k = 0; k < 8; ++k) {
                d = std::nextafter(d, 0.0), e = std::nextafter(e, 10.0);
                distances.push_back(d), distances.push_back(e);
            }
            for (double offset : {1e-12, 1e-9})
                distances.push_back(touching * (1 - offset)), distances.push_back(touching * (1 + offset));
            for (double d : distances) {
                const double area = CircleOverlapArea(p.r1, p.r2, d);
                ASSERT_TRUE(std::isfinite(area)) << p.r1 << ", " << p.r2 << ", " << d;
                EXPECT_GE(area, 0.0) << p.r1 << ", " << p.r2 << ", " << d;
                EXPECT_LE(area, kPi * smaller * smaller) << p.r1 << ", " << p.r2 << ", " << d;
                EXPECT_NEAR(area, expected, 1e-12 * kPi * smaller * smaller)
                    << p.r1 << ", " << p.r2 << ", " << d;
            }
        }
    }
}

TEST(ZoneGeometry, OpenFractionsOnTheAxis) {
    const double expected[] = {1.0, 1.0, 0.42, 0.0, 0.0};
    for (int m = 1; m <= 5; ++m)
        EXPECT_NEAR(ZoneOpenFraction(0.0011, 0.0, 1.0, 5e-7, m), expected[m - 1], 0.005) << "zone " << m;
}

TEST(ZoneGeometry, OpenFractionsOffTheAxis) {
    const double half[] = {0.8646, 0.5055, 0.3532, 0.2257, 0.0510};
    const double edge[] = {0.4240, 0.3580, 0.3114, 0.27, 0.23};
    for (int m = 1; m <= 5; ++m) {
        EXPECT_NEAR(ZoneOpenFraction(0.001, 0.0005, 1.0, 5e-7, m), half[m - 1], 1e-4) << "zone " << m;
        EXPECT_NEAR(ZoneOpenFraction(0.001, 0.001, 1.0, 5e-7, m), edge[m - 1], m <= 3 ? 1e-4 : 0.005) << m;
    }
}

std::vector<int> Ramp(int count, int nm) {
    std::vector<std::uint8_t> row(3 * count);
    EXPECT_EQ(FillSpectralRamp(row.data(), count, nm), row.data());
    return std::vector<int>(row.begin(), row.end());
}

TEST(SpectralRamp, FullColoursAtTheBandEdges) {
    const struct {
        int nm, r, g, b;
    } cases[] = {{380, 255, 0, 255}, {439, 4, 0, 255},   {440, 0, 0, 255},   {489, 0, 249, 255},
                 {490, 0, 255, 255}, {500, 0, 255, 127}, {509, 0, 255, 12},  {510, 0, 255, 0},
                 {550, 145, 255, 0}, {579, 251, 255, 0}, {580, 255, 255, 0}, {600, 255, 176, 0},
                 {644, 255, 3, 0},   {645, 255, 0, 0},   {700, 255, 0, 0},   {780, 255, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(Ramp(1, c.nm), (std::vector<int>{c.r, c.g, c.b})) << c.nm << " nm";
        EXPECT_EQ(SpectralColour(c.nm), static_cast<std::uint32_t>(c.r | c.g << 8 | c.b << 16)) << c.nm;
    }
}

TEST(SpectralRamp, RampsFromNearBlackToTheFullColour) {
    EXPECT_EQ(Ramp(3, 500), (std::vector<int>{0, 85, 42, 0, 170, 84, 0, 255, 127}));
    EXPECT_EQ(Ramp(4, 500), (std::vector<int>{0, 63, 31, 0, 127, 63, 0, 191, 95, 0, 255, 127}));
}

TEST(SpectralRamp, OutsideTheVisibleRangeLeavesTheRowAlone) {
    std::uint8_t row[3] = {1, 2, 3};
    EXPECT_EQ(FillSpectralRamp(row, 1, 379), nullptr);
    EXPECT_EQ(FillSpectralRamp(row, 1, 781), nullptr);
    EXPECT_EQ(row[0], 1);
    EXPECT_EQ(FillSpectralRamp(row, 0, 500), row);
    EXPECT_EQ(row[2], 3);
}

}  // namespace
}  // namespace numerics
