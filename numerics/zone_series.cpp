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

#include "numerics/ring_sum_kernels.h"

namespace numerics {

using namespace ring_sum;

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
        for (int l = 0; l < kBlock; ++l)
            betas[l] = BesselStep(delta_, lambda_, r_start_ + std::min(i + l, last - 1) * step_, z_);
        double sums_cos[kBlock], sums_sin[kBlock];
        BlockSums(rings_, phases_.data(), betas, sums_cos, sums_sin);
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
