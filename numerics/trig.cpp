// SinCos: the shared two-lane kernel for |x| < 2^20 and an exact reduction for larger arguments.
//
// Below 2^20 (every phase the screens use is below 100) the Cody-Waite reduction of sse2_kernels.h runs on
// one lane. Above, x*2/pi is formed exactly enough in integer arithmetic from the bits of 2/pi
// (Payne-Hanek): x = m*2^e with a 53-bit integer m, and only the 256 bits of 2/pi that can reach the
// quadrant and the fraction are multiplied in, leaving at least 2^-170 of absolute accuracy in the fraction,
// which by the closest approach of any double to a multiple of pi/2 (about 2^-62) is ample.
// Measured against mpmath and glibc's long double sinl and cosl: worst 0.83 ulp (tests/trig_test.cpp).
#include "numerics/trig.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "numerics/sse2_kernels.h"

namespace numerics {
namespace {

// 2/pi = sum of kTwoOverPiBits[i] * 2^(-32*(i+1)); 38 words reach the largest double's fraction.
// From scripts/make_trig_constants.py.
constexpr std::uint32_t kTwoOverPiBits[] = {
    0xa2f9836e, 0x4e441529, 0xfc2757d1, 0xf534ddc0, 0xdb629599, 0x3c439041, 0xfe5163ab, 0xdebbc561,
    0xb7246e3a, 0x424dd2e0, 0x06492eea, 0x09d1921c, 0xfe1deb1c, 0xb129a73e, 0xe88235f5, 0x2ebb4484,
    0xe99c7026, 0xb45f7e41, 0x3991d639, 0x835339f4, 0x9c845f8b, 0xbdf9283b, 0x1ff897ff, 0xde05980f,
    0xef2f118b, 0x5a0a6d1f, 0x6d367ecf, 0x27cb09b7, 0x4f463f66, 0x9e5fea2d, 0x7527bac7, 0xebe5f17b,
    0x3d0739f7, 0x8a5292ea, 0x6bfb5fb1, 0x1f8d5d08, 0x56033046, 0xfc7b6bab, 0xf0cfbc20, 0x9af4361d,
};
constexpr int kWindowWords = 8;

// pi/2 as a pair of doubles, to turn the reduced fraction of a quadrant into radians.
constexpr double kPio2High = 0x1.921fb54442d18p+0;
constexpr double kPio2Low = 0x1.1a62633145c07p-54;

double PowerOfTwo(int n) {  // -1022 <= n <= 1023
    const std::uint64_t bits = static_cast<std::uint64_t>(n + 1023) << 52;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// p + e == a*b exactly, from Dekker's splitting (no fused multiply-add needed).
void Split(double a, double* high, double* low) {
    const double c = 134217729.0 * a;  // 2^27 + 1
    *high = c - (c - a);
    *low = a - *high;
}

void TwoProduct(double a, double b, double* p, double* e) {
    *p = a * b;
    double ah, al, bh, bl;
    Split(a, &ah, &al);
    Split(b, &bh, &bl);
    *e = (((ah * bh - *p) + ah * bl) + al * bh) + al * bl;
}

// The 64 bits of a little-endian array of 32-bit words starting at bit lo.
std::uint64_t Bits64(const std::uint32_t* words, int lo) {
    const int i = lo >> 5, shift = lo & 31;
    std::uint64_t v = words[i] | static_cast<std::uint64_t>(words[i + 1]) << 32;
    if (shift != 0) v = v >> shift | static_cast<std::uint64_t>(words[i + 2]) << (64 - shift);
    return v;
}

// For finite x >= 2^20: x = k*pi/2 + rh + rl with |rh + rl| <= pi/4; returns k mod 4.
int ReduceLarge(double x, double* rh, double* rl) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    const int e = static_cast<int>(bits >> 52 & 0x7ff) - 1075;  // x = m*2^e
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1} << 52;
    // The bit of 2/pi of weight 2^-p adds m*2^(e-p) to x*2/pi: a multiple of 4 when p <= e - 2, which
    // changes neither the quadrant nor the fraction. Start at the word that holds position e - 1.
    const int first = e >= 2 ? (e - 2) / 32 : 0;
    // product = m * (words first .. first+7 of 2/pi), little-endian, padded for Bits64.
    std::uint32_t product[kWindowWords + 4] = {};
    for (int pass = 0; pass < 2; ++pass) {
        const std::uint64_t half = pass == 0 ? m & 0xffffffff : m >> 32;
        std::uint64_t carry = 0;
        for (int i = 0; i < kWindowWords; ++i) {
            const std::uint64_t t =
                half * kTwoOverPiBits[first + kWindowWords - 1 - i] + product[i + pass] + carry;
            product[i + pass] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        product[kWindowWords + pass] = static_cast<std::uint32_t>(carry);
    }
    // x*2/pi = product * 2^(e - 32*(first+8)): the binary point lies above bit 32*(first+8) - e.
    const int point = 32 * (first + kWindowWords) - e;
    int quadrant = static_cast<int>(Bits64(product, point) & 3);
    std::uint64_t high = Bits64(product, point - 64), low = Bits64(product, point - 128);
    const bool negative = high >> 63 != 0;  // fraction >= 1/2: round to the next quadrant
    if (negative) {
        ++quadrant;
        low = ~low + 1;
        high = ~high + (low == 0 ? 1 : 0);
    }
    if (high == 0 && low == 0) {  // no double is a multiple of pi/2, but stay defined
        *rh = *rl = 0.0;
        return quadrant & 3;
    }
    int zeros = 0;
    if (high == 0) high = low, low = 0, zeros = 64;
    const int lead = __builtin_clzll(high);
    if (lead != 0) high = high << lead | low >> (64 - lead), low <<= lead;
    zeros += lead;
    // The fraction (of a quadrant) as fh + fl, 106 bits.
    const double fh = static_cast<double>(static_cast<std::int64_t>(high >> 11)) * PowerOfTwo(-53 - zeros);
    const double fl = static_cast<double>(static_cast<std::int64_t>((high & 0x7ff) << 42 | low >> 22)) *
                      PowerOfTwo(-106 - zeros);
    double p, pe;
    TwoProduct(fh, kPio2High, &p, &pe);
    const double tail = pe + (fh * kPio2Low + fl * kPio2High);
    *rh = p + tail;
    *rl = tail - (*rh - p);
    if (negative) *rh = -*rh, *rl = -*rl;
    return quadrant & 3;
}

}  // namespace

void SinCos(double x, double* s, double* c) {
    const double ax = std::fabs(x);
    if (ax < kernels::kSinCosReduceLimit) {
        __m128d sv, cv;
        kernels::SinCosReduced2(_mm_set1_pd(x), &sv, &cv);
        *s = _mm_cvtsd_f64(sv);
        *c = _mm_cvtsd_f64(cv);
        return;
    }
    if (!(ax <= 0x1.fffffffffffffp+1023)) {  // infinity or NaN
        *s = *c = x - x;
        return;
    }
    double rh, rl;
    const int quadrant = ReduceLarge(ax, &rh, &rl);
    __m128d sv, cv;
    kernels::SinCosKernel2(_mm_set1_pd(rh), _mm_set1_pd(rl), &sv, &cv);
    const double sr = _mm_cvtsd_f64(sv), cr = _mm_cvtsd_f64(cv);
    const double sines[4] = {sr, cr, -sr, -cr}, cosines[4] = {cr, -sr, -cr, sr};
    *s = x < 0 ? -sines[quadrant] : sines[quadrant];
    *c = cosines[quadrant];
}

}  // namespace numerics
