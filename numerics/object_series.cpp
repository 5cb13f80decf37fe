// The ring sums of the disc and the zone plate, on the aperture's rings and kernels (ring_sum_kernels.h).
//
// The field. The paraxial integral over the open part of the plane, relative to the free wave and with the
// ring sum's sign of the phases, is i*(2*pi/(lambda*z))*exp(-i*pi*r^2/(lambda*z)) times the integral of
// J0(2*pi*r*rho/(lambda*z))*exp(-i*pi*rho^2/(lambda*z))*rho d rho; in ring units (rho = x*delta) the
// prefactor is -2i*alpha and the integral the ring sum S. With no screen at all the integral is 1/(-2i*alpha)
// (Abel's limit), so the free wave comes out as 1, and the disc's field is 1 less the aperture's.
//
// The axis. The ring sum lies about 1e-5 from the integral; the disc's axial intensity 1 and the plate's
// (2k)^2 at its focus should come out exact. So each object's field is its closed form on the axis plus
// what the ring sum adds between the axis and r: field(r) = axial(0) +- (sums(r) - sums(0)), the sign minus
// for the disc, whose field is the aperture's subtracted from 1. On the axis that is the closed form; off
// it the error is the difference of the ring sum's errors at r and at 0.
//
// The plate. Its clear rings end at radii r_m that are not ring boundaries, and the midpoint rule is only of
// first order where the integrand's interval ends inside a ring. The plate's sum therefore gives each ring
// j a weight w_j (1 inside a clear ring, 0 inside an opaque one) with local corrections: the integral of
// f(x) = x*J0(beta*x)*exp(i*alpha*x^2) from 0 to X is the midpoint sum over the rings 1 .. K (K the
// whole number nearest X), plus the integral from K to X, plus the Euler-Maclaurin end terms at K (the
// terms at 0 cancel between the two ends of every clear ring). Those two extras are replaced by a rule on
// the midpoints of the eight rings around K, exact for polynomials of degree 7; f is odd, so the midpoints
// left of 0 are those right of it with the sign changed, and at the plate's edge the sum runs four rings
// past it. The weights depend on the plate, its radius and delta only, not on the point of observation,
// so a profile multiplies them into the ring phases once and runs the aperture's kernels unchanged: the
// plate costs what the aperture does. On test integrands as oscillatory as the pattern screen's corners
// the end rule came 10 to 100 times closer to the integral than the aperture's own end correction; the
// plate's intensities lie within 2e-9 of the integral with the program's pi at the test points
// (tests/object_series_test.cpp), and within 1.9e-6 of max(1, I) of the integral with the full pi over the
// pattern screen's ranges (bench/ring_sum_accuracy.cpp), the eight-digit pi's share.
#include "numerics/object_series.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "numerics/ring_sum_kernels.h"
#include "numerics/zone_geometry.h"

namespace numerics {
namespace {

using namespace ring_sum;

// ---- The plate's ring weights.

constexpr int kStencilHalf = 4;
constexpr int kStencilNodes = 2 * kStencilHalf;

// The weights c[0..7] of f at the midpoints K - 7/2 .. K + 7/2 whose sum is the integral of f from K to
// K + h plus the midpoint rule's end terms at K, f'(K)/24 - 7 f'''(K)/5760 + 31 f^(5)(K)/967680 -
// 127 f^(7)(K)/154828800 (Euler-Maclaurin with the Bernoulli numbers at 1/2), for every polynomial f of
// degree 7: the functional applied to the Lagrange polynomials of the eight nodes.
void StencilWeights(double h, double* c) {
    double moments[kStencilNodes];  // the functional of y^n, y = x - K
    double power = h;
    for (int n = 0; n < kStencilNodes; ++n, power *= h) moments[n] = power / (n + 1);
    moments[1] += 1.0 / 24;
    moments[3] -= 7.0 / 960;
    moments[5] += 31.0 / 8064;
    moments[7] -= 127.0 / 30720;
    const auto node = [](int i) { return i - kStencilHalf + 0.5; };
    for (int i = 0; i < kStencilNodes; ++i) {
        double basis[kStencilNodes] = {1.0};  // coefficients of the Lagrange polynomial of node i
        for (int k = 0, degree = 0; k < kStencilNodes; ++k) {
            if (k == i) continue;
            const double scale = 1.0 / (node(i) - node(k));
            for (int d = ++degree; d >= 0; --d)
                basis[d] = ((d > 0 ? basis[d - 1] : 0.0) - node(k) * basis[d]) * scale;
        }
        c[i] = 0.0;
        for (int n = 0; n < kStencilNodes; ++n) c[i] += basis[n] * moments[n];
    }
}

// Adds sign times the rule for the integral from 0 to X (ring units) to the weights: 1 to the rings up to
// K through *steps (summed at the end), and the end rule around K.
void AddIntegralTo(double x, double sign, std::vector<double>* steps, std::vector<double>* weights) {
    const int k = static_cast<int>(std::floor(x + 0.5));
    (*steps)[0] += sign;
    (*steps)[k] -= sign;
    double c[kStencilNodes];
    StencilWeights(x - k, c);
    for (int i = 0; i < kStencilNodes; ++i) {
        const int j = k + i - kStencilHalf + 1;  // the ring whose midpoint is node i
        if (j <= 0) {
            (*weights)[-j] -= sign * c[i];  // f(j - 1/2) = -f(1 - j - 1/2): ring 1 - j
        } else {
            (*weights)[j - 1] += sign * c[i];
        }
    }
}

// The plate's clear rings in ring units, cut at n rings (where the sum's rings end).
std::vector<std::pair<double, double>> ClearIntervals(const ZonePlate& plate, double radius, int n,
                                                      double delta) {
    std::vector<std::pair<double, double>> intervals;
    const std::vector<double> radii = ZonePlateRingRadii(plate, radius);
    const double edge = n;
    for (std::size_t m = 0; m <= radii.size(); m += 2) {
        const double inner = m == 0 ? 0.0 : radii[m - 1] / delta;
        if (inner >= edge) break;
        intervals.push_back({inner, m < radii.size() ? std::min(radii[m] / delta, edge) : edge});
    }
    return intervals;
}

// The rings a sum runs over: the plate's four beyond its edge carry the end rule of a ring edge near it.
int SummedRings(BeamObject kind, int n) {
    return kind == BeamObject::kZonePlate && n > 0 ? n + kStencilHalf : n;
}

// The weights of the rings 1 .. SummedRings(n) for the plate.
std::vector<double> PlateWeights(const DiffractingObject& object, int n, double delta) {
    const int rings = SummedRings(BeamObject::kZonePlate, n);
    std::vector<double> steps(rings + 1, 0.0), weights(rings, 0.0);
    if (n <= 0) return weights;
    for (const auto& [inner, outer] : ClearIntervals(object.plate, object.radius, n, delta)) {
        AddIntegralTo(outer, 1.0, &steps, &weights);
        AddIntegralTo(inner, -1.0, &steps, &weights);
    }
    double whole = 0.0;
    for (int j = 0; j < rings; ++j) weights[j] += whole += steps[j];
    return weights;
}

// ---- Fields from sums.

double Norm(std::complex<double> v) {
    return v.real() * v.real() + v.imag() * v.imag();
}

std::complex<double> UnitPhasor(double phase) {
    double s, c;
    SinCos(phase, &s, &c);
    return {c, s};
}

// exp(i*psi), psi = -pi*r^2/(lambda*z): the phase of the point (r, z) against the axis.
std::complex<double> OffAxisPhase(double r, double z, double lambda) {
    return UnitPhasor(-kPi * ((r / z) * (r / lambda)));
}

// -2i*alpha*exp(i*psi)*S, i.e. i*P*d with the curve's point d = amplitude_scale*S, in real arithmetic (the
// runtimes' complex products may differ in their special cases).
std::complex<double> FieldFromSums(double alpha, double r, double z, double lambda, double sum_cos,
                                   double sum_sin) {
    const std::complex<double> p = OffAxisPhase(r, z, lambda);
    const double dr = -2.0 * alpha * sum_cos, di = -2.0 * alpha * sum_sin;
    return {-(p.real() * di + p.imag() * dr), p.real() * dr - p.imag() * di};
}

// The free wave 1 in the curve's plane: d = 1/(i*P) = -i*conj(P).
std::complex<double> FreeWavePoint(double r, double z, double lambda) {
    const std::complex<double> p = OffAxisPhase(r, z, lambda);
    return {-p.imag(), -p.real()};
}

// The closed form on the axis plus the sums' change from the axis to r (minus for the disc).
std::complex<double> Combine(BeamObject kind, std::complex<double> axis_field, std::complex<double> axis_sums,
                             std::complex<double> sums) {
    const std::complex<double> change = {sums.real() - axis_sums.real(), sums.imag() - axis_sums.imag()};
    if (kind == BeamObject::kDisc)
        return {axis_field.real() - change.real(), axis_field.imag() - change.imag()};
    return {axis_field.real() + change.real(), axis_field.imag() + change.imag()};
}

// The ring sums of the object at (r, z), term by term, the disc's being the aperture's with its end
// correction, the plate's weighted; the running sums go to *partial if given (S_0 .. S_n).
std::pair<double, double> TermByTermSums(BeamObject kind, int n, const std::vector<double>& weights,
                                         double alpha, double beta,
                                         std::vector<std::complex<double>>* partial) {
    double sum_cos = 0.0, sum_sin = 0.0;
    if (partial != nullptr) partial->assign(1, {0.0, 0.0});
    const int rings = SummedRings(kind, n);
    for (int j = 1; j <= rings; ++j) {
        const double x = j - 0.5;
        const double w = x * BesselJ0(x * beta);
        double sine, cosine;
        SinCos(x * x * alpha, &sine, &cosine);
        if (kind == BeamObject::kZonePlate) sine *= weights[j - 1], cosine *= weights[j - 1];
        sum_cos += w * cosine;
        sum_sin += w * sine;
        if (partial != nullptr && j <= n) partial->push_back({sum_cos, sum_sin});
    }
    if (kind != BeamObject::kZonePlate) AddEndCorrection(n, alpha, beta, &sum_cos, &sum_sin);
    if (partial != nullptr && n > 0) partial->back() = {sum_cos, sum_sin};
    return {sum_cos, sum_sin};
}

std::complex<double> SumsField(BeamObject kind, int n, const std::vector<double>& weights, double delta,
                               double z, double lambda, double r,
                               std::vector<std::complex<double>>* partial = nullptr) {
    const double alpha = PhaseStep(delta, z, lambda);
    const auto [sum_cos, sum_sin] =
        TermByTermSums(kind, n, weights, alpha, BesselStep(delta, lambda, r, z), partial);
    return FieldFromSums(alpha, r, z, lambda, sum_cos, sum_sin);
}

}  // namespace

std::complex<double> ApertureField(double a, double delta, double z, double lambda, double r) {
    return SumsField(BeamObject::kAperture, RingCount(a, delta), {}, delta, z, lambda, r);
}

std::complex<double> ObjectAxialField(const DiffractingObject& object, double delta, double z,
                                      double lambda) {
    const int n = RingCount(object.radius, delta);
    const double alpha = PhaseStep(delta, z, lambda);
    const auto wave = [alpha](double x) { return UnitPhasor(x * x * alpha); };  // exp(-i*phi), rho = x*delta
    const double edge = n;
    switch (object.kind) {
        case BeamObject::kAperture:
            return {1.0 - wave(edge).real(), -wave(edge).imag()};
        case BeamObject::kDisc:
            return wave(edge);
        case BeamObject::kZonePlate:
            break;
    }
    std::complex<double> field = 0.0;
    if (n <= 0) return field;
    for (const auto& [inner, outer] : ClearIntervals(object.plate, object.radius, n, delta)) {
        const std::complex<double> in = wave(inner), out = wave(outer);
        field = {field.real() + (in.real() - out.real()), field.imag() + (in.imag() - out.imag())};
    }
    return field;
}

ObjectPhasorSums ObjectPhasor(const DiffractingObject& object, double delta, double z, double lambda,
                              double r, bool keep_partial_sums) {
    ObjectPhasorSums phasor;
    const int n = RingCount(object.radius, delta);
    const double alpha = PhaseStep(delta, z, lambda);
    phasor.amplitude_scale = -2.0 * alpha;
    phasor.phase_step = alpha;
    phasor.free_wave = FreeWavePoint(r, z, lambda);
    const std::vector<double> weights =
        object.kind == BeamObject::kZonePlate ? PlateWeights(object, n, delta) : std::vector<double>();
    phasor.field = SumsField(object.kind, n, weights, delta, z, lambda, r, &phasor.partial_sums);
    if (object.kind == BeamObject::kAperture) {
        phasor.intensity = RingSumIntensity(object.radius, delta, z, lambda, r);
    } else {
        phasor.field = Combine(object.kind, ObjectAxialField(object, delta, z, lambda),
                               SumsField(object.kind, n, weights, delta, z, lambda, 0.0), phasor.field);
        phasor.intensity = Norm(phasor.field);
    }
    if (!keep_partial_sums) phasor.partial_sums.clear();
    return phasor;
}

std::complex<double> ObjectField(const DiffractingObject& object, double delta, double z, double lambda,
                                 double r) {
    return ObjectPhasor(object, delta, z, lambda, r, false).field;
}

double ObjectIntensity(const DiffractingObject& object, double delta, double z, double lambda, double r) {
    if (object.kind == BeamObject::kAperture) return RingSumIntensity(object.radius, delta, z, lambda, r);
    return ObjectPhasor(object, delta, z, lambda, r, false).intensity;
}

ObjectRadialProfile::ObjectRadialProfile(int count, const DiffractingObject& object, double delta, double z,
                                         double lambda, double r_start, double r_end)
    : kind_(object.kind),
      aperture_(object.kind == BeamObject::kAperture ? count : 0, object.radius, delta, z, lambda, r_start,
                r_end),
      count_(object.kind == BeamObject::kAperture ? 0 : count),
      rings_(RingCount(object.radius, delta)),
      delta_(delta),
      z_(z),
      lambda_(lambda),
      r_start_(r_start),
      step_((r_end - r_start) / count),
      alpha_(PhaseStep(delta, z, lambda)) {
    if (count_ <= 0) return;
    const std::vector<double> weights =
        kind_ == BeamObject::kZonePlate ? PlateWeights(object, rings_, delta) : std::vector<double>();
    axis_field_ = ObjectAxialField(object, delta, z, lambda);
    rings_ = SummedRings(kind_, rings_);
    phases_ = RingPhases(rings_, alpha_);
    for (std::size_t j = 0; j < weights.size(); ++j)
        for (int k = 0; k < 4; ++k) phases_[4 * j + k] *= weights[j];  // {c, c, s, s} of ring j + 1
    // The sums on the axis from the phases: there every J0 is exactly 1, so x*J0(0) is x and these are the
    // term-by-term sums' very doubles, without a J0 or a sine per ring.
    double sum_cos = 0.0, sum_sin = 0.0;
    for (int j = 1; j <= rings_; ++j) {
        sum_cos += (j - 0.5) * phases_[4 * (j - 1)];
        sum_sin += (j - 0.5) * phases_[4 * (j - 1) + 2];
    }
    if (kind_ == BeamObject::kDisc) AddEndCorrection(rings_, alpha_, 0.0, &sum_cos, &sum_sin);
    axis_sums_field_ = FieldFromSums(alpha_, 0.0, z, lambda, sum_cos, sum_sin);
}

void ObjectRadialProfile::Compute(int first, int last, double* values) const {
    if (kind_ == BeamObject::kAperture) {
        aperture_.Compute(first, last, values);
        return;
    }
    last = std::min(last, count_);
    for (int i = std::max(first, 0); i < last; i += kBlock) {
        // A short last block repeats its last sample in the spare lanes, as RadialProfile's.
        double radii[kBlock], betas[kBlock];
        for (int l = 0; l < kBlock; ++l) {
            radii[l] = r_start_ + std::min(i + l, last - 1) * step_;
            betas[l] = BesselStep(delta_, lambda_, radii[l], z_);
        }
        double sums_cos[kBlock], sums_sin[kBlock];
        BlockSums(rings_, phases_.data(), betas, sums_cos, sums_sin);
        for (int l = 0; l < kBlock && i + l < last; ++l) {
            if (kind_ == BeamObject::kDisc)
                AddEndCorrection(rings_, alpha_, betas[l], &sums_cos[l], &sums_sin[l]);
            const std::complex<double> sums =
                FieldFromSums(alpha_, radii[l], z_, lambda_, sums_cos[l], sums_sin[l]);
            values[i + l] = Norm(Combine(kind_, axis_field_, axis_sums_field_, sums));
        }
    }
}

double* ObjectIntensityOverRadius(int count, double* maximum, double* values, const DiffractingObject& object,
                                  double delta, double z, double lambda, double r_start, double r_end) {
    if (count == 0 || values == nullptr) return nullptr;
    ObjectRadialProfile(count, object, delta, z, lambda, r_start, r_end).Compute(0, count, values);
    double max = 0.0;
    for (int i = 0; i < count; ++i) max = std::max(max, values[i]);
    if (maximum != nullptr) *maximum = max;
    return values;
}

std::vector<double> ObjectIntensityOverDistanceSamples(const DiffractingObject& object, double delta,
                                                       double r, double lambda, double z_start, double step,
                                                       int count) {
    if (object.kind == BeamObject::kAperture)
        return IntensityOverDistanceSamples(object.radius, delta, r, lambda, z_start, step, count);
    std::vector<double> values(count > 0 ? count : 0);
    for (int i = 0; i < count; ++i) {
        const double z = z_start + i * step;
        // On the axis the sums' change from the axis is nothing: the field is the closed form itself.
        values[i] = r == 0.0 ? Norm(ObjectAxialField(object, delta, z, lambda))
                             : ObjectIntensity(object, delta, z, lambda, r);
    }
    return values;
}

}  // namespace numerics
