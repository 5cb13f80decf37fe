// Zone counts, distances and open fractions of Fresnel zones (pi is the eight-digit kPi throughout).
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

}  // namespace numerics
