// J0 from IEEE-exact operations only, so that both builds compute the same doubles.
//
// Method:
// - 0 <= |x| < 320: the table of numerics/bessel_j0_table.cpp, a polynomial of degree 7 on each interval of
//   width 1/8 (2560 intervals, 160 KB), in t = 8|x| - k, which is exact; evaluated as E(t^2) + t*O(t^2)
//   from its even and odd coefficients (sse2_kernels.h). The coefficients come from Chebyshev interpolation
//   with mpmath (scripts/make_bessel_j0_table.py); the constant term is J0 at the interval's start
//   correctly rounded, so J0(0) is exactly 1. Every argument the screens use lies here ((j - 1/2)*beta stays
//   below 300).
// - |x| >= 320: Hankel's asymptotic form J0(x) = sqrt(2/(pi*x))*(P*cos(x - pi/4) - Q*sin(x - pi/4)),
//   written as sqrt(1/(pi*x))*((P + Q)*cos x + (P - Q)*sin x) so that only cos x and sin x are needed
//   (SinCos, within 1 ulp). P and Q are their asymptotic series in 1/x, cut where the next term is below
//   1e-19 at x = 320.
//
// Accuracy: absolute error at most 4*eps*min(1, sqrt(2/(pi*x))), eps = 2^-52, for 0 <= x <= 1000.
// Measured (tests/bessel_j0_test.cpp) against 20-digit mpmath values at both sides of every table
// boundary and 4000 more arguments, and against glibc's long double j0l at two million arguments: worst
// 0.50 of that bound below 320 (near x = 135.9; up to 0.20 of it is the polynomial fit, the rest
// rounding) and 0.49 from 320 to 1000 (near x = 635.5).
#include "numerics/bessel_j0.h"

#include <cmath>

#include "numerics/sse2_kernels.h"
#include "numerics/trig.h"

namespace numerics {
namespace {

// Hankel's series: P = 1 - 9/(128x^2) + 3675/(32768x^4) - ..., Q = -1/(8x) + 75/(1024x^3) - ...
// All coefficients are dyadic fractions, exact in double.
constexpr double kP[] = {-9.0 / 128, 3675.0 / 32768, -2401245.0 / 4194304, 13043905875.0 / 2147483648};
constexpr double kQ[] = {-1.0 / 8, 75.0 / 1024, -59535.0 / 262144, 57972915.0 / 33554432};
constexpr double kInvPi = 0x1.45f306dc9c883p-2;  // 1/pi

double BesselJ0Asymptotic(double x) {
    const double z = 1.0 / x, y = z * z;
    const double p = 1.0 + y * (kP[0] + y * (kP[1] + y * (kP[2] + y * kP[3])));
    const double q = z * (kQ[0] + y * (kQ[1] + y * (kQ[2] + y * kQ[3])));
    double s, c;
    SinCos(x, &s, &c);
    return std::sqrt(kInvPi / x) * ((p + q) * c + (p - q) * s);
}

}  // namespace

double BesselJ0(double x) {
    const double ax = std::fabs(x);
    if (ax < kernels::kBesselJ0TableEnd) return _mm_cvtsd_f64(kernels::BesselJ0Table2(_mm_set1_pd(ax)));
    if (std::isnan(x)) return x;
    if (std::isinf(x)) return 0.0;
    return BesselJ0Asymptotic(ax);
}

}  // namespace numerics
