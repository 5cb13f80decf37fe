// Zone counts, distances and open fractions of Fresnel zones, and the zone plate's rings (pi is the
// eight-digit kPi throughout).
#include "numerics/zone_geometry.h"

#include <algorithm>
#include <cmath>

#include "numerics/zone_series.h"

namespace numerics {

double OpenZoneCount(double a, double lambda, double u, double z) {
    if (u <= a) return ((a + u) / z) * ((a + u) / lambda);
    // Beyond the edge the zones are centred on the nearest edge point and must reach the far edge, 2a away.
    return (4.0 * a / std::sqrt((u - a) * (u - a) + z * z)) * (u / lambda);
}

double DistanceForZoneCount(double a, double lambda, double u, double m) {
    if (u <= a) return ((a + u) / lambda) * ((a + u) / m);
    const double g = (u / lambda) * (a / m);
    return std::sqrt(16.0 * g * g - (u - a) * (u - a));
}

double CircleOverlapArea(double r1, double r2, double d) {
    if (d >= r1 + r2) return 0.0;
    if (r1 + d <= r2) return kPi * r1 * r1;
    if (r2 + d <= r1) return kPi * r2 * r2;
    // Near tangency (d just below r1 + r2 or just above |r1 - r2|) rounding can push a cosine past +-1,
    // where acos is NaN; the clamp makes the lens there a point (0) or the whole smaller disc.
    const auto angle = [](double cosine) { return 2.0 * std::acos(std::clamp(cosine, -1.0, 1.0)); };
    const double theta1 = angle((r1 * r1 + d * d - r2 * r2) / (2.0 * r1 * d));
    const double theta2 = angle((r2 * r2 + d * d - r1 * r1) / (2.0 * r2 * d));
    const double lens = 0.5 * (r1 * r1 * (theta1 - std::sin(theta1)) + r2 * r2 * (theta2 - std::sin(theta2)));
    // acos works with the full pi: next to internal tangency the lens would exceed the smaller disc of the
    // branches above (eight-digit pi) by 5e-8 of it. Held to it, the area meets both branches.
    const double smaller = std::min(r1, r2);
    return std::clamp(lens, 0.0, kPi * smaller * smaller);
}

namespace {

// Radius of the circle of zone m around the zone centre: around the foot of the point of observation
// while it lies on the aperture, around the nearest edge point when it lies beyond the edge.
double ZoneRadius(double a, double u, double z, double lambda, double m) {
    if (u > a) {
        const double h = u - a;
        const double l = std::sqrt(h * h + z * z);
        return std::sqrt(h * h + l * lambda * m) - h;
    }
    return std::sqrt(z * m * lambda);
}

}  // namespace

double ZoneOpenFraction(double a, double u, double z, double lambda, double m) {
    const double outer = ZoneRadius(a, u, z, lambda, m);
    const double inner = m > 1.0 ? ZoneRadius(a, u, z, lambda, m - 1.0) : 0.0;
    const double centre = u < a ? u : a;
    return (CircleOverlapArea(a, outer, centre) - CircleOverlapArea(a, inner, centre)) /
           (kPi * (outer * outer - inner * inner));
}

int ZonePlateRingCount(const ZonePlate& plate, double R) {
    // R^2/(lambda0*f) is a ring count in the very sense of RingCount: a whole number of rings that computes
    // a few units in the last place low (R = r_4 exactly, say) still counts, and wild inputs give none.
    return RingCount(R * R, plate.design_wavelength * plate.focal_length);
}

std::vector<double> ZonePlateRingRadii(const ZonePlate& plate, double R) {
    std::vector<double> radii(ZonePlateRingCount(plate, R));
    for (std::size_t m = 1; m <= radii.size(); ++m)
        radii[m - 1] = std::sqrt(m * (plate.design_wavelength * plate.focal_length));
    return radii;
}

int ZonePlateClearZones(const ZonePlate& plate, double R) {
    return (ZonePlateRingCount(plate, R) + 1) / 2;  // the odd ones among r_1 .. r_M close a clear ring
}

double ZonePlateFocalDistance(const ZonePlate& plate, double lambda) {
    return plate.focal_length * (plate.design_wavelength / lambda);
}

namespace {

// The area of zone inner..outer (circles about a centre s from the plate's) on the plate's clear rings:
// each clear ring p..q meets the zone in the area of the four lenses q|outer - q|inner - p|outer + p|inner.
double ClearAreaOfZone(const ZonePlate& plate, double R, double s, double inner, double outer) {
    const auto lenses = [&](double ring) {
        return CircleOverlapArea(ring, outer, s) - CircleOverlapArea(ring, inner, s);
    };
    const std::vector<double> radii = ZonePlateRingRadii(plate, R);
    double area = 0.0;
    for (std::size_t m = 0; m <= radii.size(); m += 2) {
        const double p = m == 0 ? 0.0 : radii[m - 1], q = m < radii.size() ? radii[m] : R;
        area += lenses(q) - lenses(p);
    }
    return area;
}

}  // namespace

double ObjectZoneOpenFraction(const DiffractingObject& object, double u, double z, double lambda, double m) {
    const double a = object.radius;
    switch (object.kind) {
        case BeamObject::kAperture:
            return ZoneOpenFraction(a, u, z, lambda, m);
        case BeamObject::kDisc:
            return 1.0 - ZoneOpenFraction(a, u, z, lambda, m);  // the disc covers what the aperture opens
        case BeamObject::kZonePlate:
            break;
    }
    const double outer = ZoneRadius(a, u, z, lambda, m);
    const double inner = m > 1.0 ? ZoneRadius(a, u, z, lambda, m - 1.0) : 0.0;
    return ClearAreaOfZone(object.plate, a, u < a ? u : a, inner, outer) /
           (kPi * (outer * outer - inner * inner));
}

}  // namespace numerics
