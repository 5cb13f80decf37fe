// J0 and SinCos against high-precision values: the mpmath tables of tests/numerics_reference_data.cpp, in
// both builds. (The two-lane kernels give the scalar functions' bits: the ring sums' test checks that.)
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "numerics/bessel_j0.h"
#include "numerics/pi.h"
#include "numerics/trig.h"
#include "tests/numerics_reference_data.h"

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

// J0's bound: 4*2^-52*min(1, sqrt(2/(pi*x))) absolute.
double J0Error(double x, long double reference) {
    const double bound =
        4 * 0x1p-52 * std::fmin(1.0, std::sqrt(2 / (static_cast<double>(numerics::kExactPi) * x)));
    return static_cast<double>(std::fabs(static_cast<long double>(BesselJ0(x)) - reference)) / bound;
}

// |computed - reference| in units in the last place of the reference rounded to double.
double UlpError(double computed, long double reference) {
    int exponent;
    std::frexp(static_cast<double>(reference), &exponent);
    if (reference == 0) return computed == 0 ? 0 : 1e9;
    return static_cast<double>(std::fabs(computed - reference)) / std::ldexp(1.0, exponent - 53);
}

double SinCosError(double x, long double sin_x, long double cos_x) {
    double s, c;
    SinCos(x, &s, &c);
    return std::fmax(UlpError(s, sin_x), UlpError(c, cos_x));
}

// Landmarks, both sides of every row boundary of the J0 table and a sweep to 1000.
TEST(BesselJ0, WithinItsBoundOfTheReferenceValues) {
    Worst worst("J0 against mpmath, in units of its bound");
    for (int i = 0; i < kBesselJ0PointCount; ++i)
        worst.Add(J0Error(kBesselJ0Points[i].x, kBesselJ0Points[i].value), kBesselJ0Points[i].x);
}

TEST(BesselJ0, ExactValuesSymmetryAndSpecialArguments) {
    EXPECT_EQ(BesselJ0(0.0), 1.0);  // the axis series relies on x*J0(0) being exactly x
    EXPECT_EQ(BesselJ0(1e-300), 1.0);
    for (int i = 0; i < kBesselJ0PointCount; i += 7)
        EXPECT_EQ(BesselJ0(-kBesselJ0Points[i].x), BesselJ0(kBesselJ0Points[i].x));
    EXPECT_TRUE(std::isnan(BesselJ0(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(BesselJ0(-std::numeric_limits<double>::infinity()), 0.0);
    EXPECT_LT(std::fabs(BesselJ0(1e300)), 1e-150);
}

TEST(SinCos, WithinOneUlpOfTheReferenceValues) {
    Worst worst("sin/cos against mpmath, in ulp");
    for (int i = 0; i < kSinCosPointCount; ++i) {
        const SinCosPoint& p = kSinCosPoints[i];
        worst.Add(SinCosError(p.x, p.sin, p.cos), p.x);
    }
    double s, c;
    SinCos(std::numeric_limits<double>::infinity(), &s, &c);
    EXPECT_TRUE(std::isnan(s) && std::isnan(c));
    SinCos(1e-300, &s, &c);
    EXPECT_EQ(s, 1e-300);
    EXPECT_EQ(c, 1.0);
}

}  // namespace
}  // namespace numerics
