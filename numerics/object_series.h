// The field and the intensity behind each object the lecture puts in the beam (the aperture, the opaque
// disc, the zone plate), by the ring sums of zone_series.h: what the screens ask of the aperture today,
// asked of any object. Relative to the unobstructed wave; lengths in metres; delta is the ring width, as for
// the aperture (the object's radius over 1000 on the screens).
//
// The aperture's values are the ring sum's own, to the last bit. The disc's field is the free wave less the
// aperture's (Babinet's principle, exact in the paraxial model); the plate's is the sum of its clear rings'
// fields. On the optical axis every object's field has a closed form, and the disc and the plate take it
// there: the ring sum, about 1e-5 from the integral, would not give the disc its axial intensity 1 or the
// plate its (2k)^2. Off the axis they take the closed form plus what the ring sum adds between the axis and
// r, so the field stays continuous in r.
#pragma once

#include <complex>
#include <vector>

#include "numerics/beam_object.h"
#include "numerics/zone_series.h"

namespace numerics {

// The aperture's field at (r, z) relative to the free wave, from the ring sum S with its end correction:
// -2i*alpha*exp(-i*pi*r^2/(lambda*z))*S. The sign of the phases is the ring sum's (its ring j has the phase
// (j - 1/2)^2*alpha, alpha < 0), so on the axis the field is 1 - exp(-i*pi*a^2/(lambda*z)), and averaged
// over the aperture's edge it tends to 1 as the aperture grows. Its squared modulus is RingSumIntensity to
// rounding.
std::complex<double> ApertureField(double a, double delta, double z, double lambda, double r);

// The object's field on the axis in closed form, with the object's radius as its rings reach (N*delta,
// N = RingCount(radius, delta)) and phi(rho) = pi*rho^2/(lambda*z):
// aperture 1 - exp(-i*phi(a)); disc exp(-i*phi(a)); plate the sum over its clear rings rho_in..rho_out
// (cut at its radius) of exp(-i*phi(rho_in)) - exp(-i*phi(rho_out)).
std::complex<double> ObjectAxialField(const DiffractingObject& object, double delta, double z, double lambda);

// The object's field at (r, z), term by term: the reference for every faster sampling. The aperture's is
// ApertureField.
std::complex<double> ObjectField(const DiffractingObject& object, double delta, double z, double lambda,
                                 double r);

// The intensity at (r, z): for the aperture RingSumIntensity, bit for bit; otherwise |ObjectField|^2.
double ObjectIntensity(const DiffractingObject& object, double delta, double z, double lambda, double r);

// The vibration curve of an object at (r, z): the running sums S_0 = 0 .. S_N of its rings, drawn as the
// points amplitude_scale*S_k (as RingPhasorSums: on the axis the aperture's curve is the circle through 0
// about -i, and zone m ends where the phase has advanced by m*pi).
// - aperture: RingPhasor's curve; the resultant goes from 0 to amplitude_scale*S_N.
// - disc: the curve of the aperture of the disc's radius, the rings the disc covers; the disc's resultant
//   goes from their end amplitude_scale*S_N to free_wave, the point of the free wave, about which the
//   curve of an ever wider aperture winds (on the axis the centre -i of the circle).
// - zone plate: each ring counts with its clear part, so an opaque ring adds nothing and the curve stands
//   still while the clear rings' arcs add up; at the focus they are half turns in step, each 2 long, and the
//   curve climbs in a row of half circles. The resultant goes from 0 to amplitude_scale*S_N. Rings next to
//   a plate ring's edge carry small end corrections of the midpoint rule (a few hundredths of a ring,
//   either sign), and those beyond the cut are added to S_N, as the aperture's end correction is.
// field and intensity are ObjectField's and ObjectIntensity's; the resultant's squared length is the
// intensity up to the ring sum's own error (about 1e-5), which on the axis the closed form removes.
struct ObjectPhasorSums {
    std::vector<std::complex<double>> partial_sums;  // S_0 .. S_N
    double amplitude_scale = 0;                      // -2*alpha
    double phase_step = 0;                           // alpha, negative
    std::complex<double> free_wave;                  // -i*exp(i*pi*r^2/(lambda*z)) in the curve's plane
    std::complex<double> field;
    double intensity = 0;
};
ObjectPhasorSums ObjectPhasor(const DiffractingObject& object, double delta, double z, double lambda,
                              double r, bool keep_partial_sums = true);

// RadialProfile for any object: the samples of ObjectIntensity at r_i = r_start + i*(r_end - r_start)/count,
// i = 0 .. count-1, bit for bit, in parts that separate threads may compute. For the aperture it is the
// aperture's RadialProfile; the disc's and the plate's cost about as much (their rings' phases, weighted by
// the clear part of each ring for the plate, and the sums on the axis are computed once, when the profile is
// made).
class ObjectRadialProfile {
public:
    ObjectRadialProfile(int count, const DiffractingObject& object, double delta, double z, double lambda,
                        double r_start, double r_end);
    // Writes values[i] for the samples i = first .. last - 1 (clipped to 0 .. count - 1).
    void Compute(int first, int last, double* values) const;

private:
    BeamObject kind_;
    RadialProfile aperture_;  // the aperture's own profile; sampling nothing for the other objects
    int count_, rings_;
    double delta_, z_, lambda_, r_start_, step_, alpha_;
    std::vector<double> phases_;
    std::complex<double> axis_field_, axis_sums_field_;  // closed form and ring sums at r = 0
};

// IntensityOverRadius for any object: the same contract (null for no samples or no place for them, the
// maximum starting from 0); the values are ObjectRadialProfile's.
double* ObjectIntensityOverRadius(int count, double* maximum, double* values, const DiffractingObject& object,
                                  double delta, double z, double lambda, double r_start, double r_end);

// IntensityOverDistanceSamples for any object: exactly count intensities at z_i = z_start + i*step, each
// ObjectIntensity's value. On the axis (every screen's r = 0) the disc and the plate have their closed form,
// which costs a sine and a cosine per sample and ring boundary; off the axis they are summed term by term.
std::vector<double> ObjectIntensityOverDistanceSamples(const DiffractingObject& object, double delta,
                                                       double r, double lambda, double z_start, double step,
                                                       int count);

}  // namespace numerics
