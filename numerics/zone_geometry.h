// Geometry of Fresnel zones seen from a point of observation: how many zones an aperture spans, the
// distance for a given zone count, and which part of one zone is open: inside the aperture, outside the
// disc, or on the clear rings of a zone plate. Also the zone plate's own rings and focus.
// a: aperture radius, lambda: wavelength, z: distance of the observation plane, u: lateral offset of the
// point of observation from the axis, m: zone number or count (real). Lengths in metres.
#pragma once

#include <vector>

#include "numerics/beam_object.h"

namespace numerics {

// Zones that cover the aperture, seen from offset u at distance z. On the axis a^2/(lambda*z).
double OpenZoneCount(double a, double lambda, double u, double z);

// The distance at which m zones cover the aperture; the inverse of OpenZoneCount. On the axis
// a^2/(lambda*m). Beyond the aperture edge (u > a) a count with no real distance gives NaN.
double DistanceForZoneCount(double a, double lambda, double u, double m);

// The area common to two discs of radii r1 and r2 whose centres are d apart.
double CircleOverlapArea(double r1, double r2, double d);

// The fraction (0 to 1) of the area of zone m that lies inside the aperture. Note the argument order.
double ZoneOpenFraction(double a, double u, double z, double lambda, double m);

// The fraction (0 to 1) of the area of zone m that lets the light through, for any object. The zones are
// the aperture's of the same radius (ZoneOpenFraction's circles, with a the object's radius), so the
// pictures of the three objects at one point show the same zones: the aperture's fraction; for the disc
// the rest of the zone, outside the disc; for the zone plate the part on its clear rings within its radius.
double ObjectZoneOpenFraction(const DiffractingObject& object, double u, double z, double lambda, double m);

// The number of ring radii r_m, m >= 1, of the plate within the radius R: R^2/(lambda0*f) truncated, or
// the nearest whole number where the quotient lies within rounding of one (as RingCount). Not a number,
// negative, or above kMaxRingCount gives 0.
int ZonePlateRingCount(const ZonePlate& plate, double R);

// The plate's ring radii r_1 .. r_M within R (M = ZonePlateRingCount); r_0 = 0 is the centre.
std::vector<double> ZonePlateRingRadii(const ZonePlate& plate, double R);

// The clear rings wholly within R: r_0..r_1, r_2..r_3, ... up to r_M. At the focus each gives the axis
// an amplitude 2, so k of them give the intensity (2k)^2.
int ZonePlateClearZones(const ZonePlate& plate, double R);

// Where light of the wavelength lambda meets the plate's (first) focus: f*lambda0/lambda, since the ring
// radii fix the products lambda*z at which the rings are the Fresnel zones of the axis.
double ZonePlateFocalDistance(const ZonePlate& plate, double lambda);

}  // namespace numerics
