// J0 and SinCos against high-precision values (the mpmath tables of tests/numerics_reference_data.cpp) in
// both builds, and the two-lane kernels against the scalar functions bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "numerics/bessel_j0.h"
#include "numerics/sse2_kernels.h"
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
    const double bound = 4 * 0x1p-52 * std::fmin(1.0, std::sqrt(2 / (3.141592653589793 * x)));
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

// The ring sums evaluate two lanes at a time; each lane must give the scalar function's bits, also when
// the other lane takes another route (near a multiple of pi/2, beyond 2^20, beyond the J0 table, NaN).
TEST(TwoLanes, EachLaneGivesTheScalarFunctionsBits) {
    const double trig_others[] = {0.1, 29 * 1.5707963267948966, 4.0 * 1.5707963267948966, 3e6, -77.7};
    for (int i = 0; i < kSinCosPointCount; ++i) {
        const double x = kSinCosPoints[i].x, other = trig_others[i % 5];
        double s, c, lanes_s[2], lanes_c[2];
        __m128d vs, vc;
        kernels::SinCos2(_mm_set_pd(other, x), &vs, &vc);
        _mm_storeu_pd(lanes_s, vs), _mm_storeu_pd(lanes_c, vc);
        SinCos(x, &s, &c);
        ASSERT_TRUE(lanes_s[0] == s && lanes_c[0] == c) << x << " beside " << other;
        SinCos(other, &s, &c);
        ASSERT_TRUE(lanes_s[1] == s && lanes_c[1] == c) << other << " beside " << x;
    }
    const double j0_others[] = {
        0.0, 3.7, 319.9, 320.0, 777.7, -5.5, std::numeric_limits<double>::quiet_NaN()};
    for (int i = 0; i < kBesselJ0PointCount; ++i) {
        const double x = kBesselJ0Points[i].x, other = j0_others[i % 7];
        double lanes[2];
        _mm_storeu_pd(lanes, kernels::BesselJ02(_mm_set_pd(other, x)));
        ASSERT_EQ(lanes[0], BesselJ0(x)) << x << " beside " << other;
        if (!std::isnan(other)) {
            ASSERT_EQ(lanes[1], BesselJ0(other)) << other << " beside " << x;
        }
        if (x < kernels::kBesselJ0TableEnd) {  // the scaled entry of the radial profile: u = 8x
            _mm_storeu_pd(lanes, kernels::BesselJ0TableScaled2(_mm_set1_pd(8 * x)));
            ASSERT_EQ(lanes[0], BesselJ0(x)) << x;
        }
    }
}

}  // namespace
}  // namespace numerics
