// The Fresnel ring sum and the two sampling operations built on it.
//
// Ring j covers the radii (j-1)*delta .. j*delta and is evaluated at its midpoint x_j = (j - 1/2)*delta, a
// second-order rule at the cost of the plain one (evaluated at its outer edge instead, the sum was off by
// up to 0.14 between whole zone counts). The midpoint rule leaves an end term, in ring units
// -(f'(N) - f'(0))/24 for f(x) = x*J0(beta*x)*e^(i*alpha*x^2) (Euler-Maclaurin): up to 2.9e-3 on the
// 0..4 scale on the axis at 21 open zones. The sum takes that term back, which costs a J0 slope and a
// sine and cosine per sample, not per ring; what remains is of fourth order, below 1e-5 on the screens.
// j - 1/2 and its square are exact in double.
//
// RingSumIntensity evaluates the sum term by term: a J0, a sine and a cosine per ring. The sampling
// operations compute exactly the same doubles, faster:
// - cos(x_j^2*alpha) and sin(x_j^2*alpha) do not depend on the radius, so a radial profile computes them once
//   per call, not once per sample;
// - each lane of an SSE2 register carries one sample and adds its terms in ascending j with the very
//   operations of RingSumIntensity, and the two-lane J0 and sine/cosine kernels are the ones behind the
//   scalar functions.
// So every value equals RingSumIntensity at its sample bit for bit, whatever the sample count, and the
// Windows and Linux builds agree (no C runtime mathematics is involved).
#include "numerics/zone_series.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numerics/bessel_j0.h"
#include "numerics/trig.h"
#include "numerics/two_lane.h"

namespace numerics {
namespace {

using kernels::kBesselJ0TableEnd;

// alpha: the phase step, ring j has the phase (j - 1/2)^2*alpha.
double PhaseStep(double delta, double z, double lambda) {
    return (delta / z) * (-kPi * delta / lambda);
}

// beta: the Bessel argument step, ring j uses J0((j - 1/2)*beta).
double BesselStep(double delta, double lambda, double r, double z) {
    return kTwoPi * (delta / lambda) * (r / z);
}

double IntensityFromSums(double alpha, double sum_cos, double sum_sin) {
    return (-2.0 * alpha) * (-2.0 * alpha) * (sum_cos * sum_cos + sum_sin * sum_sin);
}

// J0'(u) = -J1(u), by a central difference of J0: the steps are powers of two, and the error, below
// 1e-10, is far beneath what the end correction needs.
double BesselJ0Slope(double u) {
    constexpr double kStep = 0x1p-16;
    return (BesselJ0(u + kStep) - BesselJ0(u - kStep)) * (0.5 / kStep);
}

// The midpoint rule's end correction for n rings: (f'(n) - f'(0))/24 is added to the sums, where
// f'(x) = e^(i*alpha*x^2)*(J0(beta*x) + beta*x*J0'(beta*x) + 2i*alpha*x^2*J0(beta*x)) and f'(0) = 1.
void AddEndCorrection(int n, double alpha, double beta, double* sum_cos, double* sum_sin) {
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
double LastMidpoint(int n) {
    return static_cast<double>(n) - 0.5;
}

// Every argument (j - 1/2)*beta, j = 1 .. n, lies in the J0 table: the largest is (n - 1/2)*beta, rounding
// being monotonic.
bool InsideBesselTable(int n, double beta) {
    return std::fabs(LastMidpoint(n) * beta) < kBesselJ0TableEnd;
}

// cos(x^2*alpha) and sin(x^2*alpha) for x = j - 1/2, j = 1 .. n, each repeated for both lanes:
// {c, c, s, s} per ring.
std::vector<double> RingPhases(int n, double alpha) {
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
constexpr int kBlock = 8;
constexpr int kChunk = 32;
void ProfileSumsInTable(int n, const double* phases, const double* betas, double* sums_cos,
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
void ProfileSums(int n, const double* phases, const double* betas, double* sums_cos, double* sums_sin) {
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

// The sums of two samples of the axis series, each lane with its own phase step alpha and Bessel step
// beta. The screens sample the axis itself (beta = 0): there J0(x*0) is exactly 1 and x*1 is x, so
// skipping J0 changes no bit; and when the largest phase (n - 1/2)^2*alpha is below the reduction limit,
// every lane takes the shared sine/cosine kernel directly.
template <bool kOnAxisReduced>
void DistanceSums(int n, __m128d alphas, __m128d betas, __m128d* cos01, __m128d* sin01) {
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

}  // namespace

int RingCount(double a, double delta) {
    // a/(a/1000) may come out as 999.9999999999999: a few units in the last place from a whole number is
    // rounding, and the aperture still has its 1000 rings. Otherwise whole rings only.
    const double quotient = a / delta;
    // Not a number, negative, or more rings than any sum a lecture could wait for: no rings at all.
    if (!(quotient >= 0 && quotient <= kMaxRingCount)) return 0;
    const double nearest = std::round(quotient);
    if (std::fabs(quotient - nearest) <= 8 * std::numeric_limits<double>::epsilon() * nearest)
        return static_cast<int>(nearest);
    return static_cast<int>(quotient);
}

double RingSumIntensity(double a, double delta, double z, double lambda, double r) {
    return RingPhasor(a, delta, z, lambda, r, false).intensity;
}

RingPhasorSums RingPhasor(double a, double delta, double z, double lambda, double r, bool keep_partial_sums) {
    RingPhasorSums phasor;
    const int n = RingCount(a, delta);
    const double alpha = PhaseStep(delta, z, lambda);
    const double beta = BesselStep(delta, lambda, r, z);
    phasor.amplitude_scale = -2.0 * alpha;
    phasor.phase_step = alpha;
    double sum_cos = 0.0;
    double sum_sin = 0.0;
    if (keep_partial_sums) phasor.partial_sums.assign(1, {0.0, 0.0});
    for (int j = 1; j <= n; ++j) {
        const double x = j - 0.5;
        const double w = x * BesselJ0(x * beta);
        double sine, cosine;
        SinCos(x * x * alpha, &sine, &cosine);
        sum_cos += w * cosine;
        sum_sin += w * sine;
        if (keep_partial_sums) phasor.partial_sums.push_back({sum_cos, sum_sin});
    }
    AddEndCorrection(n, alpha, beta, &sum_cos, &sum_sin);
    if (keep_partial_sums && n > 0) phasor.partial_sums.back() = {sum_cos, sum_sin};
    phasor.intensity = IntensityFromSums(alpha, sum_cos, sum_sin);
    return phasor;
}

RadialProfile::RadialProfile(int count, double a, double delta, double z, double lambda, double r_start,
                             double r_end)
    : count_(count),
      rings_(RingCount(a, delta)),
      delta_(delta),
      z_(z),
      lambda_(lambda),
      r_start_(r_start),
      step_((r_end - r_start) / count),
      alpha_(PhaseStep(delta, z, lambda)),
      phases_(count > 0 ? RingPhases(rings_, alpha_) : std::vector<double>()) {}

void RadialProfile::Compute(int first, int last, double* values) const {
    last = std::min(last, count_);
    for (int i = std::max(first, 0); i < last; i += kBlock) {
        // A short last block repeats its last sample in the spare lanes.
        double betas[kBlock];
        bool fast = true;
        for (int l = 0; l < kBlock; ++l) {
            betas[l] = BesselStep(delta_, lambda_, r_start_ + std::min(i + l, last - 1) * step_, z_);
            fast = fast && betas[l] >= 0 && InsideBesselTable(rings_, betas[l]);
        }
        double sums_cos[kBlock], sums_sin[kBlock];
        if (fast) {
            ProfileSumsInTable(rings_, phases_.data(), betas, sums_cos, sums_sin);
        } else {
            ProfileSums(rings_, phases_.data(), betas, sums_cos, sums_sin);
        }
        for (int l = 0; l < kBlock && i + l < last; ++l) {
            AddEndCorrection(rings_, alpha_, betas[l], &sums_cos[l], &sums_sin[l]);
            values[i + l] = IntensityFromSums(alpha_, sums_cos[l], sums_sin[l]);
        }
    }
}

double* IntensityOverRadius(int count, double* maximum, double* values, double a, double delta, double z,
                            double lambda, double r_start, double r_end) {
    if (count == 0 || values == nullptr) return nullptr;
    RadialProfile(count, a, delta, z, lambda, r_start, r_end).Compute(0, count, values);
    double max = 0.0;
    for (int i = 0; i < count; ++i) {
        if (values[i] > max) max = values[i];
    }
    if (maximum != nullptr) *maximum = max;  // the values are still wanted without a place for the maximum
    return values;
}

std::vector<double> IntensityOverDistanceSamples(double a, double delta, double r, double lambda,
                                                 double z_start, double step, int count) {
    std::vector<double> values(count > 0 ? count : 0);
    const int n = RingCount(a, delta);
    for (int i = 0; i < count; i += 2) {
        // Two samples at a time; an odd last sample fills both lanes.
        const double z0 = z_start + i * step, z1 = z_start + std::min(i + 1, count - 1) * step;
        const double alpha0 = PhaseStep(delta, z0, lambda), alpha1 = PhaseStep(delta, z1, lambda);
        const double beta0 = BesselStep(delta, lambda, r, z0), beta1 = BesselStep(delta, lambda, r, z1);
        const __m128d alphas = _mm_set_pd(alpha1, alpha0), betas = _mm_set_pd(beta1, beta0);
        const double last = LastMidpoint(n);
        __m128d c, s;
        if (beta0 == 0.0 && beta1 == 0.0 &&
            kernels::BothBelow(_mm_mul_pd(_mm_set1_pd(last * last), alphas), kernels::kSinCosReduceLimit)) {
            DistanceSums<true>(n, alphas, betas, &c, &s);
        } else {
            DistanceSums<false>(n, alphas, betas, &c, &s);
        }
        double sums_cos[2], sums_sin[2];
        _mm_storeu_pd(sums_cos, c), _mm_storeu_pd(sums_sin, s);
        AddEndCorrection(n, alpha0, beta0, &sums_cos[0], &sums_sin[0]);
        values[i] = IntensityFromSums(alpha0, sums_cos[0], sums_sin[0]);
        if (i + 1 < count) {
            AddEndCorrection(n, alpha1, beta1, &sums_cos[1], &sums_sin[1]);
            values[i + 1] = IntensityFromSums(alpha1, sums_cos[1], sums_sin[1]);
        }
    }
    return values;
}

}  // namespace numerics
