// The ring sum's building blocks, shared by the aperture's sums (zone_series.cpp) and the other objects'
// (object_series.cpp): phase and Bessel steps, the midpoint rule's end correction, the ring phases and the
// two-lane profile and distance kernels. Internal to numerics/: the screens use zone_series.h and
// object_series.h. Why each kernel computes the term-by-term sum's very doubles: zone_series.cpp.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "numerics/bessel_j0.h"
#include "numerics/pi.h"
#include "numerics/trig.h"
#include "numerics/two_lane.h"

namespace numerics {
namespace ring_sum {

using kernels::kBesselJ0TableEnd;

// alpha: the phase step, ring j has the phase (j - 1/2)^2*alpha.
inline double PhaseStep(double delta, double z, double lambda) {
    return (delta / z) * (-kPi * delta / lambda);
}

// beta: the Bessel argument step, ring j uses J0((j - 1/2)*beta).
inline double BesselStep(double delta, double lambda, double r, double z) {
    return kTwoPi * (delta / lambda) * (r / z);
}

inline double IntensityFromSums(double alpha, double sum_cos, double sum_sin) {
    return (-2.0 * alpha) * (-2.0 * alpha) * (sum_cos * sum_cos + sum_sin * sum_sin);
}

// J0'(u) = -J1(u), by a central difference of J0: the steps are powers of two, and the error, below
// 1e-10, is far beneath what the end correction needs.
inline double BesselJ0Slope(double u) {
    constexpr double kStep = 0x1p-16;
    return (BesselJ0(u + kStep) - BesselJ0(u - kStep)) * (0.5 / kStep);
}

// The midpoint rule's end correction for n rings: (f'(n) - f'(0))/24 is added to the sums, where
// f'(x) = e^(i*alpha*x^2)*(J0(beta*x) + beta*x*J0'(beta*x) + 2i*alpha*x^2*J0(beta*x)) and f'(0) = 1.
inline void AddEndCorrection(int n, double alpha, double beta, double* sum_cos, double* sum_sin) {
    if (n <= 0) return;
    const double x = n, u = beta * x;
    const double bessel = BesselJ0(u);
    const double along = bessel + u * BesselJ0Slope(u), across = 2.0 * alpha * x * x * bessel;
    double sine, cosine;
    SinCos(x * x * alpha, &sine, &cosine);
    *sum_cos += (cosine * along - sine * across - 1.0) / 24.0;
    *sum_sin += (sine * along + cosine * across) / 24.0;
}

// The midpoint of the last of n rings in units of delta.
inline double LastMidpoint(int n) {
    return static_cast<double>(n) - 0.5;
}

// Every argument (j - 1/2)*beta, j = 1 .. n, lies in the J0 table: the largest is (n - 1/2)*beta, rounding
// being monotonic.
inline bool InsideBesselTable(int n, double beta) {
    return std::fabs(LastMidpoint(n) * beta) < kBesselJ0TableEnd;
}

// cos(x^2*alpha) and sin(x^2*alpha) for x = j - 1/2, j = 1 .. n, each repeated for both lanes:
// {c, c, s, s} per ring.
inline std::vector<double> RingPhases(int n, double alpha) {
    std::vector<double> phases(4 * static_cast<std::size_t>(std::max(n, 0)));
    const __m128d alphas = _mm_set1_pd(alpha);
    for (int j = 1; j <= n; j += 2) {
        // For odd n the last pair computes ring n + 1 and drops it.
        const __m128d jd = _mm_set_pd(j + 0.5, j - 0.5);
        __m128d s, c;
        kernels::SinCos2(_mm_mul_pd(_mm_mul_pd(jd, jd), alphas), &s, &c);
        double* p = phases.data() + 4 * (j - 1);
        _mm_storeu_pd(p, _mm_unpacklo_pd(c, c));
        _mm_storeu_pd(p + 2, _mm_unpacklo_pd(s, s));
        if (j + 1 <= n) {
            _mm_storeu_pd(p + 4, _mm_unpackhi_pd(c, c));
            _mm_storeu_pd(p + 6, _mm_unpackhi_pd(s, s));
        }
    }
    return phases;
}

// The sums of kBlock samples with the Bessel steps betas, one sample per lane, every beta >= 0 and every
// argument inside the J0 table. Then x*(8*beta) is exactly 8*(x*beta), x = j - 1/2, the table's scaled
// argument.
// The rings go in chunks: a first pass finds each argument's table row and t, a second evaluates the
// polynomials. The row addresses so come from memory, not from a conversion just before the loads,
// and the processor can fetch the rows well ahead of the arithmetic.
inline constexpr int kBlock = 8;
inline constexpr int kChunk = 32;
inline void ProfileSumsInTable(int n, const double* phases, const double* betas, double* sums_cos,
                               double* sums_sin) {
    constexpr int kVectors = kBlock / 2;
    __m128d b[kVectors], c[kVectors], s[kVectors];
    for (int v = 0; v < kVectors; ++v) {
        b[v] = _mm_mul_pd(_mm_loadu_pd(betas + 2 * v), _mm_set1_pd(kernels::kBesselJ0RowsPerUnit));
        c[v] = s[v] = _mm_setzero_pd();
    }
    alignas(16) double ts[kChunk][kBlock];
    alignas(16) unsigned offsets[kChunk][kBlock];
    __m128d jd = _mm_set1_pd(0.5);  // the midpoint x = j - 1/2 of ring j
    const __m128d one = _mm_set1_pd(1.0);
    for (int first = 1; first <= n; first += kChunk) {
        const int m = std::min(kChunk, n - first + 1);
        __m128d jc = jd;
        for (int k = 0; k < m; ++k, jc = _mm_add_pd(jc, one)) {
            for (int v = 0; v < kVectors; ++v) {
                __m128i rows;
                __m128d t;
                kernels::BesselJ0Rows2(_mm_mul_pd(jc, b[v]), &rows, &t);
                _mm_store_pd(&ts[k][2 * v], t);
                _mm_storel_epi64(reinterpret_cast<__m128i*>(&offsets[k][2 * v]), rows);
            }
        }
        for (int k = 0; k < m; ++k, phases += 4, jd = _mm_add_pd(jd, one)) {
            const __m128d cj = _mm_loadu_pd(phases), sj = _mm_loadu_pd(phases + 2);
            for (int v = 0; v < kVectors; ++v) {
                const __m128d bessel = kernels::BesselJ0Polynomial2(
                    _mm_load_pd(&ts[k][2 * v]), kernels::BesselJ0Row(offsets[k][2 * v]),
                    kernels::BesselJ0Row(offsets[k][2 * v + 1]));
                const __m128d w = _mm_mul_pd(jd, bessel);
                c[v] = _mm_add_pd(c[v], _mm_mul_pd(w, cj));
                s[v] = _mm_add_pd(s[v], _mm_mul_pd(w, sj));
            }
        }
    }
    for (int v = 0; v < kVectors; ++v) {
        _mm_storeu_pd(sums_cos + 2 * v, c[v]);
        _mm_storeu_pd(sums_sin + 2 * v, s[v]);
    }
}

// As ProfileSumsInTable for any betas: each lane takes BesselJ0's own route.
inline void ProfileSums(int n, const double* phases, const double* betas, double* sums_cos,
                        double* sums_sin) {
    constexpr int kVectors = kBlock / 2;
    __m128d b[kVectors], c[kVectors], s[kVectors];
    for (int v = 0; v < kVectors; ++v) {
        b[v] = _mm_loadu_pd(betas + 2 * v);
        c[v] = s[v] = _mm_setzero_pd();
    }
    __m128d jd = _mm_set1_pd(0.5);  // the midpoint x = j - 1/2 of ring j
    for (int j = 1; j <= n; ++j, phases += 4, jd = _mm_add_pd(jd, _mm_set1_pd(1.0))) {
        const __m128d cj = _mm_loadu_pd(phases), sj = _mm_loadu_pd(phases + 2);
        for (int v = 0; v < kVectors; ++v) {
            const __m128d w = _mm_mul_pd(jd, kernels::BesselJ02(_mm_mul_pd(jd, b[v])));
            c[v] = _mm_add_pd(c[v], _mm_mul_pd(w, cj));
            s[v] = _mm_add_pd(s[v], _mm_mul_pd(w, sj));
        }
    }
    for (int v = 0; v < kVectors; ++v) {
        _mm_storeu_pd(sums_cos + 2 * v, c[v]);
        _mm_storeu_pd(sums_sin + 2 * v, s[v]);
    }
}

// The sums of a block of samples of a radial profile: through the J0 table where every beta lies inside it,
// each lane by BesselJ0's own route otherwise.
inline void BlockSums(int n, const double* phases, const double* betas, double* sums_cos, double* sums_sin) {
    bool in_table = true;
    for (int l = 0; l < kBlock; ++l) in_table = in_table && betas[l] >= 0 && InsideBesselTable(n, betas[l]);
    if (in_table) {
        ProfileSumsInTable(n, phases, betas, sums_cos, sums_sin);
    } else {
        ProfileSums(n, phases, betas, sums_cos, sums_sin);
    }
}

// The sums of two samples of the axis series, each lane with its own phase step alpha and Bessel step
// beta. The screens sample the axis itself (beta = 0): there J0(x*0) is exactly 1 and x*1 is x, so
// skipping J0 changes no bit; and when the largest phase (n - 1/2)^2*alpha is below the reduction limit,
// every lane takes the shared sine/cosine kernel directly.
template <bool kOnAxisReduced>
inline void DistanceSums(int n, __m128d alphas, __m128d betas, __m128d* cos01, __m128d* sin01) {
    __m128d c = _mm_setzero_pd(), s = _mm_setzero_pd();
    __m128d jd = _mm_set1_pd(0.5);  // the midpoint x = j - 1/2 of ring j
    for (int j = 1; j <= n; ++j, jd = _mm_add_pd(jd, _mm_set1_pd(1.0))) {
        const __m128d phase = _mm_mul_pd(_mm_mul_pd(jd, jd), alphas);
        __m128d sine, cosine, w;
        if (kOnAxisReduced) {
            kernels::SinCosReduced2(phase, &sine, &cosine);
            w = jd;
        } else {
            kernels::SinCos2(phase, &sine, &cosine);
            w = _mm_mul_pd(jd, kernels::BesselJ02(_mm_mul_pd(jd, betas)));
        }
        c = _mm_add_pd(c, _mm_mul_pd(w, cosine));
        s = _mm_add_pd(s, _mm_mul_pd(w, sine));
    }
    *cos01 = c, *sin01 = s;
}

}  // namespace ring_sum
}  // namespace numerics
