// Diffraction intensity behind a circular aperture by the Fresnel ring sum.
//
// The aperture is cut into N = a/delta thin rings; ring j, evaluated at its midpoint x = j - 1/2 (radius
// x*delta), contributes x*J0(x*beta)*exp(i*x^2*alpha); with the midpoint rule's end correction added to
// the sum, the intensity relative to the incident wave is 4*alpha^2*|sum|^2, within 1e-5 of the paraxial
// Fresnel integral on the screens. On the optical axis the values lie between 0 and 4.
// Pure functions: no state, no drawing. Lengths in metres.
#pragma once

#include <complex>
#include <vector>

#include "numerics/pi.h"

namespace numerics {

// Number of rings: the quotient a/delta, rounded to the nearest whole number where it lies within
// rounding of one (a/(a/1000) is 1000 rings even where it computes as 999.9999999999999), otherwise
// truncated toward zero (an aperture narrower than a ring has none).
// A quotient that is not a number, negative, or above kMaxRingCount (infinite among them) gives 0 rings.
inline constexpr int kMaxRingCount = 1 << 20;
int RingCount(double a, double delta);

// The ring sum at one radial position r and distance z, evaluated term by term (a J0, a sin and a cos
// per ring) and end-corrected. The reference for every faster evaluation.
double RingSumIntensity(double a, double delta, double z, double lambda, double r);

// The phasor diagram of the ring sum at (r, z): its running sums S_0 = 0, S_1, ..., S_N over the rings in
// ascending order, ring k adding its term to S_(k-1), and the end correction added to S_N. The amplitude of
// the rings 1 .. k is amplitude_scale * S_k, so the curve of the S_k drawn in the complex plane is the
// vibration curve, and the intensity is |amplitude_scale * S_N|^2: the same doubles as RingSumIntensity,
// which the sampling operations reproduce bit for bit. On the axis the curve is the circle through 0 of
// amplitude diameter 2, and each Fresnel zone is half a turn of it: ring k has the phase
// (k - 1/2)^2 * phase_step, so zone m ends where the phase has advanced by m*pi.
struct RingPhasorSums {
    std::vector<std::complex<double>> partial_sums;  // S_0 .. S_N (real: the cosine sum; imaginary: the sine)
    double amplitude_scale = 0;                      // -2*alpha
    double phase_step = 0;                           // alpha, negative
    double intensity = 0;
};
RingPhasorSums RingPhasor(double a, double delta, double z, double lambda, double r,
                          bool keep_partial_sums = true);

// Intensities at r_i = r_start + i*(r_end - r_start)/count, i = 0 .. count-1 (r_end itself is not
// sampled), written to values; their maximum (starting from 0, strictly greater replaces) goes to
// *maximum. Returns values, or nullptr without writing anything when count is 0 or values is null.
// A negative count samples nothing and stores 0. A null maximum pointer receives nothing.
double* IntensityOverRadius(int count, double* maximum, double* values, double a, double delta, double z,
                            double lambda, double r_start, double r_end);

// A radial profile computed in parts: the samples of IntensityOverRadius(count, ...), the same values
// whichever parts compute them, so that separate threads can share the work. The ring phases, which do
// not depend on the radius, are computed once, when the profile is made.
class RadialProfile {
public:
    RadialProfile(int count, double a, double delta, double z, double lambda, double r_start, double r_end);
    // Writes values[i] for the samples i = first .. last - 1 (clipped to 0 .. count - 1).
    void Compute(int first, int last, double* values) const;

private:
    int count_, rings_;
    double delta_, z_, lambda_, r_start_, step_, alpha_;
    std::vector<double> phases_;
};

// Exactly count intensities at z_i = z_start + i*step (none for a count below 1). The caller gives the
// count, so the rounding of a range divided by its step never adds or drops a sample.
std::vector<double> IntensityOverDistanceSamples(double a, double delta, double r, double lambda,
                                                 double z_start, double step, int count);

}  // namespace numerics
