// Two-lane SSE2 kernels behind SinCos and BesselJ0, shared by those scalar functions and by the ring sums
// (which take them through numerics/two_lane.h, where lanes out of the kernels' ranges fall back to the
// scalar functions).
//
// The scalar functions run these same kernels on one lane, so a ring sum that evaluates two samples at
// once, one per lane, gets exactly the doubles of the term-by-term evaluation. Only SSE2 is used (every
// x86-64 processor has it) and only operations that IEEE 754 rounds exactly (+ - * /, conversions), so the
// Windows and the Linux build compute identical results. The build forbids contraction into fused
// multiply-adds, which would change the roundings.
#pragma once

#include <emmintrin.h>

#include <cstdint>

namespace numerics {
namespace kernels {

// ---- Sine and cosine of |x| < kSinCosReduceLimit.
//
// x = k*pi/2 + r with k the integer nearest x*2/pi and |r| <= pi/4, r carried as the pair rh + rl.
// pi/2 is split into parts whose first two have 32 significant bits, so that k*part is exact for
// |k| < 2^21. The usual reduction subtracts k*(part 1 + part 2) exactly and the rest rounded, which leaves
// r accurate to 2^-100 absolute: ample while |r| >= 2^-11. Nearer a multiple of pi/2 (one argument in
// about two thousand) the lane is reduced again with 149 bits of pi/2 and error-free sums; the closest
// that a double below 2^20 comes to a multiple of pi/2 is 2^-60.5 (at 29*pi/2), where r still has 2^-69
// relative accuracy. Constants from scripts/make_trig_constants.py.
inline constexpr double kSinCosReduceLimit = 0x1p20;
inline constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
inline constexpr double kRoundMagic = 0x1.8p52;  // (v + 1.5*2^52) - 1.5*2^52 rounds v to an integer
inline constexpr double kPio2Part1 = 0x1.921fb54400000p+0;
inline constexpr double kPio2Part2 = 0x1.0b4611a600000p-34;
inline constexpr double kPio2Rest = 0x1.3198a2e037073p-69;  // pi/2 - part 1 - part 2, rounded
inline constexpr double kPio2Part3 = 0x1.3198a2e000000p-69;
inline constexpr double kPio2Part4 = 0x1.b839a252049c1p-104;
inline constexpr double kNearMultiple = 0x1p-11;

// sin r = r + r^3*S(r^2) and cos r = 1 - r^2/2 + r^4*C(r^2) on |r| <= pi/4; near-minimax fits whose
// errors (below 1e-20 and 1e-18 relative) are far under the rounding of the result.
inline constexpr double kSin[7] = {-0x1.5555555555555p-3, 0x1.1111111111110p-7,   -0x1.a01a01a019936p-13,
                                   0x1.71de3a5460533p-19, -0x1.ae64541251e39p-26, 0x1.61217eaffbfdbp-33,
                                   -0x1.ab179e14267cdp-41};
inline constexpr double kCos[6] = {0x1.5555555555555p-5,   -0x1.6c16c16c16966p-10, 0x1.a01a019f4e7d9p-16,
                                   -0x1.27e4fa179895fp-22, 0x1.1eeb68a508535p-29,  -0x1.907d724680d4ep-37};

inline __m128d Constant(double v) {
    return _mm_set1_pd(v);
}

inline __m128d Abs(__m128d x) {
    return _mm_and_pd(x, _mm_castsi128_pd(_mm_set1_epi64x(0x7fffffffffffffff)));
}

// s + e == a - b exactly (Knuth's two-sum, valid whatever the magnitudes).
inline void TwoDiff(__m128d a, __m128d b, __m128d* s, __m128d* e) {
    *s = _mm_sub_pd(a, b);
    const __m128d bb = _mm_sub_pd(*s, a);
    *e = _mm_sub_pd(_mm_sub_pd(a, _mm_sub_pd(*s, bb)), _mm_add_pd(b, bb));
}

// s + e == a + b exactly.
inline void TwoSum(__m128d a, __m128d b, __m128d* s, __m128d* e) {
    *s = _mm_add_pd(a, b);
    const __m128d bb = _mm_sub_pd(*s, a);
    *e = _mm_add_pd(_mm_sub_pd(a, _mm_sub_pd(*s, bb)), _mm_sub_pd(b, bb));
}

// c0 + c1 z + ... in powers of z, pairwise (Estrin): a shorter dependency chain than Horner's rule.
inline __m128d SinPolynomial(__m128d z, __m128d z2) {
    const auto linear = [z](int i) {
        return _mm_add_pd(Constant(kSin[i]), _mm_mul_pd(Constant(kSin[i + 1]), z));
    };
    const __m128d upper = _mm_add_pd(linear(4), _mm_mul_pd(z2, Constant(kSin[6])));
    return _mm_add_pd(linear(0), _mm_mul_pd(z2, _mm_add_pd(linear(2), _mm_mul_pd(z2, upper))));
}

inline __m128d CosPolynomial(__m128d z, __m128d z2) {
    const auto linear = [z](int i) {
        return _mm_add_pd(Constant(kCos[i]), _mm_mul_pd(Constant(kCos[i + 1]), z));
    };
    return _mm_add_pd(linear(0), _mm_mul_pd(z2, _mm_add_pd(linear(2), _mm_mul_pd(z2, linear(4)))));
}

// sin and cos of rh + rl, |rh| <= pi/4, |rl| tiny beside rh. The tail enters to first order:
// sin(rh + rl) = sin rh + rl*cos rh, cos(rh + rl) = cos rh - rl*sin rh.
inline void SinCosKernel2(__m128d rh, __m128d rl, __m128d* s, __m128d* c) {
    const __m128d z = _mm_mul_pd(rh, rh);
    const __m128d z2 = _mm_mul_pd(z, z);
    const __m128d hz = _mm_mul_pd(Constant(0.5), z);
    const __m128d v = _mm_mul_pd(z, rh);
    *s = _mm_add_pd(rh, _mm_add_pd(_mm_mul_pd(v, SinPolynomial(z, z2)), _mm_sub_pd(rl, _mm_mul_pd(rl, hz))));
    // 1 - z/2 loses the low bits of z/2; (1 - w) - hz recovers them exactly.
    const __m128d w = _mm_sub_pd(Constant(1.0), hz);
    const __m128d low = _mm_sub_pd(_mm_sub_pd(Constant(1.0), w), hz);
    *c = _mm_add_pd(w, _mm_add_pd(low, _mm_sub_pd(_mm_mul_pd(z2, CosPolynomial(z, z2)), _mm_mul_pd(rh, rl))));
}

// r = x - k*pi/2 with error-free sums throughout, for arguments near a multiple of pi/2.
inline void ReduceNearMultiple2(__m128d x, __m128d k, __m128d* rh, __m128d* rl) {
    const __m128d a = _mm_sub_pd(x, _mm_mul_pd(k, Constant(kPio2Part1)));  // exact
    __m128d s1, e1, s2, e2;
    TwoDiff(a, _mm_mul_pd(k, Constant(kPio2Part2)), &s1, &e1);
    TwoDiff(s1, _mm_mul_pd(k, Constant(kPio2Part3)), &s2, &e2);
    const __m128d tail = _mm_sub_pd(_mm_add_pd(e1, e2), _mm_mul_pd(k, Constant(kPio2Part4)));
    TwoSum(s2, tail, rh, rl);
}

inline __m128d Select(__m128d mask, __m128d if_set, __m128d if_clear) {
    return _mm_or_pd(_mm_and_pd(mask, if_set), _mm_andnot_pd(mask, if_clear));
}

// sin x and cos x for |x| < kSinCosReduceLimit in both lanes. Each lane's result depends on its own
// argument only, so one lane gives what the scalar function gives.
inline void SinCosReduced2(__m128d x, __m128d* s, __m128d* c) {
    const __m128d shifted = _mm_add_pd(_mm_mul_pd(x, Constant(kTwoOverPi)), Constant(kRoundMagic));
    const __m128d k = _mm_sub_pd(shifted, Constant(kRoundMagic));
    // The low bits of the shifted sum are those of k: the quadrant k mod 4.
    const __m128i quadrant = _mm_castpd_si128(shifted);
    const __m128d a = _mm_sub_pd(x, _mm_mul_pd(k, Constant(kPio2Part1)));  // exact
    const __m128d b = _mm_mul_pd(k, Constant(kPio2Part2));                 // exact
    __m128d rh = _mm_sub_pd(a, b);
    // (a - rh) - b is exact while |a| >= |b|, so whenever |rh| >= 2^-11 > 2|b|.
    __m128d rl = _mm_sub_pd(_mm_sub_pd(_mm_sub_pd(a, rh), b), _mm_mul_pd(k, Constant(kPio2Rest)));
    // For k = 0 both reductions give rh = x, rl = 0: no need to exclude it.
    const __m128d near = _mm_cmplt_pd(Abs(rh), Constant(kNearMultiple));
    if (_mm_movemask_pd(near) != 0) {
        __m128d nh, nl;
        ReduceNearMultiple2(x, k, &nh, &nl);
        rh = Select(near, nh, rh);
        rl = Select(near, nl, rl);
    }
    __m128d sr, cr;
    SinCosKernel2(rh, rl, &sr, &cr);
    // Quadrant q: sin x = sin r, cos r, -sin r, -cos r and cos x = cos r, -sin r, -cos r, sin r. Odd q
    // swaps the two; sin x is negative for q = 2, 3 (bit 1), cos x for q = 1, 2 (bit 1 xor bit 0).
    const __m128i bit0_at_sign = _mm_slli_epi64(quadrant, 63);
    const __m128i sign = _mm_set1_epi64x(static_cast<long long>(0x8000000000000000ull));
    const __m128i sin_sign = _mm_and_si128(_mm_slli_epi64(quadrant, 62), sign);
    const __m128i cos_sign = _mm_xor_si128(sin_sign, bit0_at_sign);
    const __m128d swap =
        _mm_castsi128_pd(_mm_sub_epi64(_mm_setzero_si128(), _mm_and_si128(quadrant, _mm_set1_epi64x(1))));
    const __m128d exchange = _mm_and_pd(_mm_xor_pd(sr, cr), swap);
    *s = _mm_xor_pd(_mm_xor_pd(sr, exchange), _mm_castsi128_pd(sin_sign));
    *c = _mm_xor_pd(_mm_xor_pd(cr, exchange), _mm_castsi128_pd(cos_sign));
}

// Both lanes inside [-limit, limit] (false for NaN).
inline bool BothBelow(__m128d x, double limit) {
    return _mm_movemask_pd(_mm_cmplt_pd(Abs(x), Constant(limit))) == 3;
}

// ---- J0 of |x| < kBesselJ0TableEnd from the table of numerics/bessel_j0_table.cpp.
//
// Row k covers k/8 <= |x| < (k+1)/8 with c0 + c1*t + ... + c7*t^7, t = 8|x| - k (exact), 0 <= t < 1.
// A row is 64 bytes, one cache line; the table is defined 64-byte aligned.
inline constexpr int kBesselJ0RowsPerUnit = 8;
inline constexpr int kBesselJ0TableRows = 2560;
inline constexpr int kBesselJ0TableCoefficients = 8;
inline constexpr double kBesselJ0TableEnd = static_cast<double>(kBesselJ0TableRows / kBesselJ0RowsPerUnit);
extern const double kBesselJ0Table[kBesselJ0TableRows][kBesselJ0TableCoefficients];

// The row offset in bytes (64 per row) and t for u = 8|x|, 0 <= u < 8*kBesselJ0TableEnd.
inline void BesselJ0Rows2(__m128d u, __m128i* offsets, __m128d* t) {
    const __m128i k = _mm_cvttpd_epi32(u);
    *t = _mm_sub_pd(u, _mm_cvtepi32_pd(k));
    *offsets = _mm_slli_epi32(k, 6);
}

inline const double* BesselJ0Row(unsigned offset) {
    return reinterpret_cast<const double*>(reinterpret_cast<const char*>(kBesselJ0Table) + offset);
}

// (E, O) of one row at t^2: p(t) = E(t^2) + t*O(t^2) with E = c0 + c2 t^2 + c4 t^4 + c6 t^6 and
// O = c1 + c3 t^2 + c5 t^4 + c7 t^6. Rows are 64-byte aligned, so each aligned pair (c_2m, c_2m+1) enters
// the register (E, O) as it lies in memory: no shuffling of coefficients.
inline __m128d BesselJ0EvenOdd(__m128d t2, const double* row) {
    __m128d q = _mm_load_pd(row + 6);
    q = _mm_add_pd(_mm_mul_pd(q, t2), _mm_load_pd(row + 4));
    q = _mm_add_pd(_mm_mul_pd(q, t2), _mm_load_pd(row + 2));
    return _mm_add_pd(_mm_mul_pd(q, t2), _mm_load_pd(row));
}

// The polynomials of rows r0 and r1 (one per lane) at t: fewer instructions than gathering each
// coefficient of two rows into one register, which is what bounds the ring sums' speed.
inline __m128d BesselJ0Polynomial2(__m128d t, const double* r0, const double* r1) {
    const __m128d tt = _mm_mul_pd(t, t);
    const __m128d q0 = BesselJ0EvenOdd(_mm_unpacklo_pd(tt, tt), r0);
    const __m128d q1 = BesselJ0EvenOdd(_mm_unpackhi_pd(tt, tt), r1);
    return _mm_add_pd(_mm_unpacklo_pd(q0, q1), _mm_mul_pd(t, _mm_unpackhi_pd(q0, q1)));
}

// J0 from u = 8|x|, 0 <= u < 8*kBesselJ0TableEnd.
inline __m128d BesselJ0TableScaled2(__m128d u) {
    __m128i offsets;
    __m128d t;
    BesselJ0Rows2(u, &offsets, &t);
    return BesselJ0Polynomial2(
        t, BesselJ0Row(static_cast<unsigned>(_mm_cvtsi128_si32(offsets))),
        BesselJ0Row(static_cast<unsigned>(_mm_cvtsi128_si32(_mm_shuffle_epi32(offsets, 1)))));
}

// J0 of |x| < kBesselJ0TableEnd in both lanes.
inline __m128d BesselJ0Table2(__m128d x) {
    return BesselJ0TableScaled2(_mm_mul_pd(Abs(x), Constant(kBesselJ0RowsPerUnit)));
}

}  // namespace kernels
}  // namespace numerics
