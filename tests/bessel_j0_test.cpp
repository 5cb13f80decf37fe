// BesselJ0 against high-precision values: the mpmath table of tests/numerics_reference_data.cpp
// (landmarks, both sides of every row boundary of the J0 table, a sweep to 1000) in both builds, and
// natively also glibc's long double j0l at two million arguments. The bound is the absolute error
// 4*2^-52*min(1, sqrt(2/(pi*x))).
#include "numerics/bessel_j0.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

#include "numerics/sse2_kernels.h"
#include "tests/numerics_reference_data.h"

namespace numerics {
namespace {

using namespace numerics_reference;

double Bound(double x) {
    return 4 * 0x1p-52 * std::fmin(1.0, std::sqrt(2 / (3.141592653589793 * x)));
}

double ErrorInBounds(double x, long double reference) {
    return static_cast<double>(std::fabs(static_cast<long double>(BesselJ0(x)) - reference)) / Bound(x);
}

// The largest error of a run, in units of the bound, and where it occurred.
struct Worst {
    double error = 0, x = 0;
    void Add(double e, double at) {
        if (e > error) error = e, x = at;
    }
    void Print(const char* what) const {
        std::printf("[ measured ] %s: worst %.3f of the bound at x = %.17g\n", what, error, x);
    }
};

TEST(BesselJ0, LandmarksAreWithinTheBound) {
    Worst worst;
    for (int i = 0; i < kBesselJ0LandmarkCount; ++i) {
        const BesselJ0Landmark& c = kBesselJ0Landmarks[i];
        const double e = ErrorInBounds(c.x, c.value);
        EXPECT_LE(e, 1.0) << "x = " << c.x << " (" << c.source << ")";
        worst.Add(e, c.x);
    }
    worst.Print("J0 landmarks");
}

TEST(BesselJ0, BothSidesOfEveryTableRowBoundaryAreWithinTheBound) {
    Worst worst;
    for (int i = 0; i < kBesselJ0BoundaryCount; ++i) {
        const double x = BesselJ0BoundaryArgument(i);
        const double e = ErrorInBounds(x, kBesselJ0BoundaryValues[i]);
        EXPECT_LE(e, 1.0) << "x = " << x;
        worst.Add(e, x);
    }
    worst.Print("J0 row boundaries");
}

TEST(BesselJ0, SweepToOneThousandIsWithinTheBound) {
    Worst table, asymptotic;
    for (int i = 0; i < kBesselJ0SweepCount; ++i) {
        const double x = BesselJ0SweepArgument(i);
        const double e = ErrorInBounds(x, kBesselJ0SweepValues[i]);
        EXPECT_LE(e, 1.0) << "x = " << x;
        (x < kernels::kBesselJ0TableEnd ? table : asymptotic).Add(e, x);
    }
    table.Print("J0 sweep below 320");
    asymptotic.Print("J0 sweep 320 to 1000");
}

TEST(BesselJ0, ExactValuesSymmetryAndSpecialArguments) {
    EXPECT_EQ(BesselJ0(0.0), 1.0);  // the axis series relies on x*J0(0) being exactly x
    EXPECT_EQ(BesselJ0(-0.0), 1.0);
    for (int i = 0; i < kBesselJ0SweepCount; i += 7) {
        const double x = BesselJ0SweepArgument(i);
        EXPECT_EQ(BesselJ0(-x), BesselJ0(x)) << x;
    }
    EXPECT_TRUE(std::isnan(BesselJ0(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(BesselJ0(std::numeric_limits<double>::infinity()), 0.0);
    EXPECT_EQ(BesselJ0(-std::numeric_limits<double>::infinity()), 0.0);
    EXPECT_LT(std::fabs(BesselJ0(1e300)), 1e-150);
    EXPECT_EQ(BesselJ0(1e-300), 1.0);
}

// The ring sums evaluate J0 two lanes at a time; each lane must give the scalar function's bits, also
// when the other lane takes another route (beyond the table, NaN).
TEST(BesselJ0, TwoLanesGiveTheScalarFunctionsBits) {
    const double others[] = {0.0, 3.7, 319.9, 320.0, 777.7, -5.5, std::numeric_limits<double>::quiet_NaN()};
    for (int i = 0; i < kBesselJ0SweepCount; ++i) {
        const double x = BesselJ0SweepArgument(i);
        const double other = others[i % 7];
        double lanes[2];
        _mm_storeu_pd(lanes, kernels::BesselJ02(_mm_set_pd(other, x)));
        ASSERT_EQ(lanes[0], BesselJ0(x)) << x << " beside " << other;
        if (!std::isnan(other)) {
            ASSERT_EQ(lanes[1], BesselJ0(other)) << other << " beside " << x;
        }
        if (x < kernels::kBesselJ0TableEnd) {
            // The scaled entry used by the radial profile: u = 8x.
            _mm_storeu_pd(lanes, kernels::BesselJ0TableScaled2(_mm_set1_pd(8 * x)));
            ASSERT_EQ(lanes[0], BesselJ0(x)) << x;
        }
    }
}

#if !defined(_WIN32)
// glibc's j0l is within 3e-4 of this bound of the true value (checked against mpmath), so it measures
// J0 densely, including every row boundary and the switch at 320.
TEST(BesselJ0, DenseSweepAgainstLongDoubleJ0) {
    Worst table, asymptotic;
    int failures = 0;
    const auto check = [&](double x) {
        const double e = ErrorInBounds(x, j0l(x));
        if (e > 1.0 && ++failures <= 10) ADD_FAILURE() << "x = " << x << ": " << e << " of the bound";
        (x < kernels::kBesselJ0TableEnd ? table : asymptotic).Add(e, x);
    };
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> below(0.0, 320.0), beyond(320.0, 1000.0);
    for (int i = 0; i < 1500000; ++i) check(below(random));
    for (int i = 0; i < 500000; ++i) check(beyond(random));
    for (int k = 0; k <= 2560; ++k) {
        check(k / 8.0);
        check(std::nextafter(k / 8.0, 0.0));
    }
    table.Print("J0 against j0l below 320");
    asymptotic.Print("J0 against j0l 320 to 1000");
    EXPECT_EQ(failures, 0);
}
#endif

}  // namespace
}  // namespace numerics
