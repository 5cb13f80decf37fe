// SinCos against high-precision values: the mpmath table of tests/numerics_reference_data.cpp (the
// hardest arguments of both reductions, a sweep over the ring sums' phases and up to the largest double)
// in both builds, and natively also glibc's long double sinl and cosl at a million arguments.
#include "numerics/trig.h"

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

// |computed - reference| in units in the last place of the reference rounded to double.
double UlpError(double computed, long double reference) {
    const double rounded = static_cast<double>(reference);
    if (rounded == 0.0) return computed == 0.0 ? 0.0 : std::numeric_limits<double>::infinity();
    int exponent;
    std::frexp(rounded, &exponent);
    const double ulp = std::ldexp(1.0, exponent - 53);
    return static_cast<double>(std::fabs(static_cast<long double>(computed) - reference)) / ulp;
}

struct Worst {
    double error = 0, x = 0;
    void Add(double e, double at) {
        if (e > error) error = e, x = at;
    }
    void Print(const char* what) const {
        std::printf("[ measured ] %s: worst %.3f ulp at x = %.17g\n", what, error, x);
    }
};

void Check(double x, long double sin_x, long double cos_x, const char* source, Worst* worst) {
    double s, c;
    SinCos(x, &s, &c);
    const double es = UlpError(s, sin_x), ec = UlpError(c, cos_x);
    EXPECT_LE(es, 1.0) << "sin " << x << " " << source;
    EXPECT_LE(ec, 1.0) << "cos " << x << " " << source;
    worst->Add(std::fmax(es, ec), x);
}

TEST(SinCos, LandmarksAreWithinOneUlp) {
    Worst worst;
    for (int i = 0; i < kSinCosLandmarkCount; ++i) {
        const SinCosLandmark& c = kSinCosLandmarks[i];
        Check(c.x, c.sin, c.cos, c.source, &worst);
    }
    worst.Print("sin/cos landmarks");
}

TEST(SinCos, SweepUpToTheLargestDoubleIsWithinOneUlp) {
    Worst phases, large;
    for (int i = 0; i < kSinCosSweepCount; ++i) {
        const double x = SinCosSweepArgument(i);
        Check(x, kSinCosSweepValues[i][0], kSinCosSweepValues[i][1], "sweep",
              std::fabs(x) <= 100 ? &phases : &large);
    }
    phases.Print("sin/cos sweep to 100");
    large.Print("sin/cos sweep beyond 100");
}

TEST(SinCos, SpecialArguments) {
    double s, c;
    SinCos(0.0, &s, &c);
    EXPECT_EQ(s, 0.0);
    EXPECT_EQ(c, 1.0);
    for (double x : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        SinCos(x, &s, &c);
        EXPECT_TRUE(std::isnan(s)) << x;
        EXPECT_TRUE(std::isnan(c)) << x;
    }
    SinCos(1e-300, &s, &c);
    EXPECT_EQ(s, 1e-300);
    EXPECT_EQ(c, 1.0);
}

// Two lanes must each give the scalar function's bits, also when one lane lies near a multiple of
// pi/2 (the second reduction) or beyond 2^20 and the other does not.
TEST(SinCos, TwoLanesGiveTheScalarFunctionsBits) {
    const double others[] = {0.1, 29 * 1.5707963267948966, 4.0 * 1.5707963267948966, 3e6, -77.7};
    for (int i = 0; i < kSinCosSweepCount; ++i) {
        const double x = SinCosSweepArgument(i), other = others[i % 5];
        double s, c, lanes_s[2], lanes_c[2];
        __m128d vs, vc;
        kernels::SinCos2(_mm_set_pd(other, x), &vs, &vc);
        _mm_storeu_pd(lanes_s, vs);
        _mm_storeu_pd(lanes_c, vc);
        SinCos(x, &s, &c);
        ASSERT_EQ(lanes_s[0], s) << x << " beside " << other;
        ASSERT_EQ(lanes_c[0], c) << x << " beside " << other;
        SinCos(other, &s, &c);
        ASSERT_EQ(lanes_s[1], s) << other << " beside " << x;
        ASSERT_EQ(lanes_c[1], c) << other << " beside " << x;
    }
}

#if !defined(_WIN32)
TEST(SinCos, DenseSweepAgainstLongDouble) {
    Worst phases, wide;
    int failures = 0;
    const auto check = [&](double x, Worst* worst) {
        double s, c;
        SinCos(x, &s, &c);
        const double e = std::fmax(UlpError(s, sinl(x)), UlpError(c, cosl(x)));
        if (e > 1.0 && ++failures <= 10) ADD_FAILURE() << "x = " << x << ": " << e << " ulp";
        worst->Add(e, x);
    };
    std::mt19937_64 random(54321);
    std::uniform_real_distribution<double> phase(-100.0, 100.0), wide_range(-1e5, 1e5);
    for (int i = 0; i < 800000; ++i) check(phase(random), &phases);
    for (int i = 0; i < 200000; ++i) check(wide_range(random), &wide);
    // The doubles nearest the multiples of pi/2 up to 1e5: the hardest arguments of the reduction.
    for (int k = 1; k < 63662; ++k) check(static_cast<double>(k * 1.57079632679489661923L), &wide);
    phases.Print("sin/cos against sinl/cosl to 100");
    wide.Print("sin/cos against sinl/cosl to 1e5");
    EXPECT_EQ(failures, 0);
}
#endif

}  // namespace
}  // namespace numerics
