// The fast sampling of the ring sum against the term-by-term sum, bit for bit, over the contract's cases
// and the screens' parameter ranges; and natively the sum itself against a long double evaluation of the
// same sum with the same constants (glibc's j0l, cosl and sinl).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "numerics/zone_geometry.h"
#include "numerics/zone_series.h"

namespace numerics {
namespace {

std::uint64_t Bits(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

struct Profile {
    double a, z, lambda, r_start, r_end;
    int count;
    const char* what;
};

void ExpectEveryValueIsTheTermByTermSum(const Profile& p) {
    std::vector<double> values(p.count + 1, -1.0);
    double maximum = -1.0;
    ASSERT_EQ(IntensityOverRadius(p.count, &maximum, values.data(), p.a, p.a / 1000, p.z, p.lambda, p.r_start,
                                  p.r_end),
              values.data());
    const double step = (p.r_end - p.r_start) / p.count;
    double largest = 0.0;
    for (int i = 0; i < p.count; ++i) {
        const double expected = RingSumIntensity(p.a, p.a / 1000, p.z, p.lambda, p.r_start + i * step);
        ASSERT_EQ(Bits(values[i]), Bits(expected)) << p.what << ", sample " << i << " of " << p.count;
        if (expected > largest) largest = expected;
    }
    EXPECT_EQ(values[p.count], -1.0) << p.what << ": written past the count";
    EXPECT_EQ(Bits(maximum), Bits(largest)) << p.what;
}

TEST(RadialProfile, EveryValueIsTheTermByTermSum) {
    const double root2 = std::sqrt(2.0);
    const Profile cases[] = {
        {0.002, 2.0, 500e-9, 0.0, 1.5 * root2 * 0.002, 470, "the pattern screen's starting frame"},
        {0.003, 1.0, 400e-9, 0.0, 1.5 * root2 * 0.003, 41, "the pattern screen's largest arguments"},
        {0.001, 10.0, 700e-9, 0.0, 1.5 * root2 * 0.001, 23, "the pattern screen's smallest arguments"},
        {0.0025, 3.3, 550e-9, 0.0, 1.5 * root2 * 0.0025, 30, "a/delta computed as 999.9999999999999"},
        {0.002, 0.004 / (1.5 * 500e-9), 500e-9, 0.0, 0.002, 301, "the radial screen"},
        {0.002, 2.0, 500e-9, 0.001, 0.003, 13, "radii from an offset"},
        {0.002, 2.0, 500e-9, 0.003, -0.001, 11, "radii running back across the axis"},
        {0.003, 0.05, 400e-9, 0.0, 0.01, 10, "arguments beyond the J0 table"},
        {0.5e-6, 2.0, 500e-9, 0.0, 0.001, 3, "no ring at all"},
    };
    for (const Profile& p : cases) ExpectEveryValueIsTheTermByTermSum(p);
    // Every length of a last, partly filled block of samples.
    for (int count = 1; count <= 17; ++count)
        ExpectEveryValueIsTheTermByTermSum({0.002, 2.0, 500e-9, 0.0, 0.004, count, "short runs"});
}

TEST(RadialProfile, ANullMaximumPointerStillGetsTheValues) {
    double values[3];
    EXPECT_EQ(IntensityOverRadius(3, nullptr, values, 0.002, 2e-6, 2.0, 500e-9, 0.0, 0.003), values);
    EXPECT_EQ(values[2], RingSumIntensity(0.002, 2e-6, 2.0, 500e-9, 0.002));
}

TEST(AxialSeries, EveryValueIsTheTermByTermSum) {
    const double a = 0.001;
    for (int nm : {400, 550, 700}) {
        const double lambda = nm * 1e-9;
        const double z_min = DistanceForZoneCount(a, lambda, 0.0, 6.0);
        const double z_max = DistanceForZoneCount(a, lambda, 0.0, 0.8);
        for (int count : {311, 310, 1, 2}) {
            const double step = (z_max - z_min) / std::max(count - 1, 1);
            const std::vector<double> values =
                IntensityOverDistanceSamples(a, a / 1000, 0.0, lambda, z_min, step, count);
            ASSERT_EQ(values.size(), static_cast<std::size_t>(count));
            for (int i = 0; i < count; ++i) {
                ASSERT_EQ(Bits(values[i]), Bits(RingSumIntensity(a, a / 1000, z_min + i * step, lambda, 0.0)))
                    << nm << " nm, sample " << i << " of " << count;
            }
        }
    }
    // Off the axis (J0 enters), and phases beyond 2^20 (the exact reduction): still the same bits.
    const struct { double r, z_start, step; } others[] = {{0.0005, 0.5, 0.25}, {0.0, 1e-8, 1e-9}};
    for (const auto& o : others) {
        const std::vector<double> values =
            IntensityOverDistanceSamples(a, a / 1000, o.r, 500e-9, o.z_start, o.step, 5);
        for (int i = 0; i < 5; ++i)
            ASSERT_EQ(Bits(values[i]),
                      Bits(RingSumIntensity(a, a / 1000, o.z_start + i * o.step, 500e-9, o.r)))
                << i;
    }
    EXPECT_TRUE(IntensityOverDistanceSamples(a, a / 1000, 0.0, 500e-9, 1.0, 0.1, 0).empty());
    EXPECT_TRUE(IntensityOverDistanceSamples(a, a / 1000, 0.0, 500e-9, 1.0, 0.1, -4).empty());
}

#if !defined(_WIN32)
// The same end-corrected sum with the same constants in long double, from glibc's long double functions.
long double LongDoubleRingSum(double a, double delta, double z, double lambda, double r) {
    const int n = RingCount(a, delta);
    const long double alpha =
        (static_cast<long double>(delta) / z) * (-static_cast<long double>(kPi) * delta / lambda);
    const long double beta = static_cast<long double>(kTwoPi) * (static_cast<long double>(delta) / lambda) *
                             (static_cast<long double>(r) / z);
    long double sum_cos = 0, sum_sin = 0;
    for (int j = 1; j <= n; ++j) {
        const long double x = j - 0.5L;  // the ring's midpoint
        const long double w = x * j0l(x * beta);
        const long double phase = x * x * alpha;
        sum_cos += w * cosl(phase);
        sum_sin += w * sinl(phase);
    }
    // The end correction (f'(n) - 1)/24, with J1 itself for the slope of J0.
    const long double x = n, u = x * beta, phase = x * x * alpha;
    const long double along = j0l(u) - u * j1l(u), across = 2 * alpha * x * x * j0l(u);
    sum_cos += (cosl(phase) * along - sinl(phase) * across - 1) / 24;
    sum_sin += (sinl(phase) * along + cosl(phase) * across) / 24;
    return 4 * alpha * alpha * (sum_cos * sum_cos + sum_sin * sum_sin);
}

// Every intensity of a run within 1e-12 of the run's largest intensity; returns the worst ratio.
double WorstDeviation(const std::vector<double>& values, const std::vector<long double>& exact) {
    long double largest = 0;
    for (long double v : exact) largest = std::max(largest, v);
    double worst = 0;
    for (std::size_t i = 0; i < values.size(); ++i)
        worst = std::max(worst, static_cast<double>(std::fabs(values[i] - exact[i]) / largest));
    return worst;
}

TEST(RingSum, AgreesWithALongDoubleEvaluationAcrossTheScreens) {
    double worst = 0;
    // The pattern screen: 1 to 3 mm, 1 to 10 m, 400 to 700 nm, radii to 1.5*sqrt(2)*a.
    for (double a : {0.001, 0.002, 0.003}) {
        for (double z : {1.0, 3.2, 10.0}) {
            for (int nm : {400, 550, 700}) {
                const int count = 40;
                const double r_end = 1.5 * std::sqrt(2.0) * a, step = r_end / count;
                std::vector<double> values(count);
                double maximum;
                IntensityOverRadius(count, &maximum, values.data(), a, a / 1000, z, nm * 1e-9, 0.0, r_end);
                std::vector<long double> exact(count);
                for (int i = 0; i < count; ++i)
                    exact[i] = LongDoubleRingSum(a, a / 1000, z, nm * 1e-9, i * step);
                const double deviation = WorstDeviation(values, exact);
                EXPECT_LE(deviation, 1e-12) << a << " m, " << z << " m, " << nm << " nm";
                worst = std::max(worst, deviation);
            }
        }
    }
    // The radial screen: 2 mm, 500 nm, 1.5 open zones, radii to a.
    {
        const double a = 0.002, lambda = 500e-9, z = DistanceForZoneCount(a, lambda, 0.0, 1.5);
        std::vector<double> values(100);
        double maximum;
        IntensityOverRadius(100, &maximum, values.data(), a, a / 1000, z, lambda, 0.0, a);
        std::vector<long double> exact(100);
        for (int i = 0; i < 100; ++i) exact[i] = LongDoubleRingSum(a, a / 1000, z, lambda, i * (a / 100));
        const double deviation = WorstDeviation(values, exact);
        EXPECT_LE(deviation, 1e-12) << "radial screen";
        worst = std::max(worst, deviation);
    }
    // The axial screen: 1 mm, 400 to 700 nm, from six open zones to 0.8 of a zone.
    for (int nm : {400, 550, 700}) {
        const double a = 0.001, lambda = nm * 1e-9;
        const double z_min = DistanceForZoneCount(a, lambda, 0.0, 6.0);
        const double step = (DistanceForZoneCount(a, lambda, 0.0, 0.8) - z_min) / 310;
        const std::vector<double> values =
            IntensityOverDistanceSamples(a, a / 1000, 0.0, lambda, z_min, step, 311);
        std::vector<long double> exact(311);
        for (int i = 0; i < 311; ++i)
            exact[i] = LongDoubleRingSum(a, a / 1000, z_min + i * step, lambda, 0.0);
        const double deviation = WorstDeviation(values, exact);
        EXPECT_LE(deviation, 1e-12) << "axial screen, " << nm << " nm";
        worst = std::max(worst, deviation);
    }
    std::printf("[ measured ] ring sums against long double: worst %.3g of the run's largest intensity\n",
                worst);
}
#endif

}  // namespace
}  // namespace numerics
