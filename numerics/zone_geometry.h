// Geometry of Fresnel zones seen from a point of observation: how many zones an aperture spans, the
// distance for a given zone count, and which part of one zone lies inside the aperture.
// a: aperture radius, lambda: wavelength, z: distance of the observation plane, u: lateral offset of the
// point of observation from the axis, m: zone number or count (real). Lengths in metres.
#pragma once

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

}  // namespace numerics
