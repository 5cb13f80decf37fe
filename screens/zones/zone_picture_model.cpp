// Zone picture geometry, zone discs and the sum of contributions for one step.
#include "screens/zones/zone_picture_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "numerics/spectral_ramp.h"
#include "numerics/zone_geometry.h"

namespace {

// An open fraction just below a whole number shows as that number (0.995 -> 1.00).
double RoundUpNearWhole(double fraction) {
    const double whole = static_cast<int>(fraction);
    return fraction - whole > 0.99 ? whole + 1 : fraction;
}

// Open zones from N: a fractional part above 1% opens one more zone.
int OpenZones(double n) {
    const int whole = static_cast<int>(n);
    return n - whole > 0.01 ? whole + 1 : whole;
}

// "E  =  " followed by "C * Ej " terms, "- " after the odd and "+ " after the even ones (every term but the
// last): neighbouring zones' contributions are opposite in phase.
LabelTextPtr SumText(const std::vector<double>& fractions) {
    LabelTextPtr text = MakeLabel("E  =  ");
    const int terms = static_cast<int>(fractions.size());
    for (int j = 1; j <= terms; ++j) {
        const std::string label = " * E" + std::to_string(j) + " ";
        const char* separator = j == terms ? "" : (j % 2 == 1 ? "- " : "+ ");
        LabelTextPtr term = JoinLabels(FixedLabel(2, fractions[j - 1]).get(), MakeLabel(label.c_str()).get(),
                                       MakeLabel(separator).get());
        LabelTextPtr empty = MakeLabel("");
        text = JoinLabels(text.get(), term.get(), empty.get());
    }
    return text;
}

// The aperture disc's radius in pixels: the disc fills the box side/12 .. side - side/12.
double ApertureRadiusPixels(int side) {
    return (side - 2 * (side / 12)) / 2.0;
}

// Zone circles share the aperture disc's scale, so zone j's circle, of radius sqrt(j*lambda*z) in the
// aperture plane, keeps the sqrt(j) times zone 1's radius that equal areas need.
double ZoneCircleRadius(double lambda, double a, double z, int j, int side) {
    return std::sqrt(lambda * (z * j)) / a * ApertureRadiusPixels(side);
}

// The box [left, right) x [top, bottom) of the circle of radius r around (cx, cy), in picture pixels
// (pixel x covers x .. x + 1), rounded to whole pixels.
Box CircleBox(double cx, double cy, double r) {
    const auto whole = [](double v) { return static_cast<int>(std::lround(v)); };
    return {whole(cx - r), whole(cy - r), whole(cx + r), whole(cy + r)};
}

}  // namespace

Box ApertureBox(int side) {
    return {side / 12, side / 12, side - side / 12, side - side / 12};
}

ZoneStep AxialZoneStep(double lambda, double a, double z_min, double z_max, int k, int n, int side) {
    // The last step stands exactly at z_max: the interpolation can fall a unit in the last place short of
    // it, and the two-decimal truncation would then print 0.79 for the 0.8 of a zone that ends the run.
    return AxialZoneStepAt(lambda, a, k == n ? z_max : (z_max - z_min) * k / n + z_min, side);
}

ZoneStep AxialZoneStepAt(double lambda, double a, double z, int side) {
    ZoneStep step;
    step.distance = z;
    step.open_zones = numerics::OpenZoneCount(a, lambda, 0.0, z);
    const int zones = OpenZones(step.open_zones);
    const double centre = side / 2.0;
    for (int j = zones; j >= 1; --j)
        step.discs.push_back({j, CircleBox(centre, centre, ZoneCircleRadius(lambda, a, z, j, side))});
    for (int j = 1; j <= zones; ++j)
        step.fractions.push_back(RoundUpNearWhole(numerics::ZoneOpenFraction(a, 0.0, z, lambda, j)));
    step.sum_text = SumText(step.fractions);
    step.number_of_zones = static_cast<double>(step.fractions.size());
    return step;
}

ZoneStep RadialZoneStep(double lambda, double a, double z, int k, int n, int side) {
    ZoneStep step;
    step.distance = z;
    step.offset = k * a / n;
    const double s = step.offset;
    step.open_zones = (a + s) / lambda * ((a + s) / z);
    const int zones = OpenZones(step.open_zones);
    // The zones are centred on the foot of the point of observation, s from the aperture's centre.
    const double cx = side / 2.0 + s / a * ApertureRadiusPixels(side), cy = side / 2.0;
    for (int j = zones; j >= 1; --j)
        step.discs.push_back({j, CircleBox(cx, cy, ZoneCircleRadius(lambda, a, z, j, side))});
    for (int j = 1; j <= zones; ++j) {
        const double fraction = RoundUpNearWhole(numerics::ZoneOpenFraction(a, s, z, lambda, j));
        if (fraction < 0.01) break;
        step.fractions.push_back(fraction);
    }
    step.sum_text = SumText(step.fractions);
    step.number_of_zones = static_cast<double>(step.fractions.size());
    return step;
}

namespace {

// The plate's ring circles r_M .. r_1 on the picture's scale (r_m/a of the aperture disc's radius).
std::vector<Box> PlateRingBoxes(const numerics::DiffractingObject& object, int side) {
    std::vector<Box> boxes;
    if (object.kind != numerics::BeamObject::kZonePlate) return boxes;
    const std::vector<double> radii = numerics::ZonePlateRingRadii(object.plate, object.radius);
    const double centre = side / 2.0;
    for (auto r = radii.rbegin(); r != radii.rend(); ++r)
        boxes.push_back(CircleBox(centre, centre, *r / object.radius * ApertureRadiusPixels(side)));
    return boxes;
}

// A step with the object in the beam, the point of observation s off the axis at distance z, `open_zones`
// zones reaching across the object, their centre (cx, side/2) in the picture.
ZoneStep ObjectStep(const numerics::DiffractingObject& object, double lambda, double z, double s,
                    double open_zones, double cx, int side) {
    ZoneStep step;
    step.distance = z;
    step.offset = s;
    step.open_zones = open_zones;
    step.object = object.kind;
    step.plate_rings = PlateRingBoxes(object, side);
    const double a = object.radius;
    const bool disc = object.kind == numerics::BeamObject::kDisc;
    const int zones = OpenZones(open_zones);
    // The disc's open plane is zoned out to the picture's corners, the farthest one from the zones' centre.
    int painted = zones;
    if (disc) {
        const double corner = std::hypot(side / 2.0 + std::fabs(cx - side / 2.0), side / 2.0);
        const double metres = corner / ApertureRadiusPixels(side) * a;
        painted = std::max(zones, static_cast<int>(metres / lambda * (metres / z)) + 1);
    }
    for (int j = painted; j >= 1; --j)
        step.discs.push_back({j, CircleBox(cx, side / 2.0, ZoneCircleRadius(lambda, a, z, j, side))});
    const int last = disc ? zones + 2 : zones;
    for (int j = 1; j <= last; ++j) {
        const double fraction = RoundUpNearWhole(numerics::ObjectZoneOpenFraction(object, s, z, lambda, j));
        // The zones the disc covers all but wholly are left out of its sum, up to the first it opens.
        if (disc && step.term_zones.empty() && fraction < 0.01) continue;
        step.term_zones.push_back(j);
        step.fractions.push_back(fraction);
    }
    step.sum_text = ObjectSumText(step.term_zones, step.fractions, disc);
    step.number_of_zones = disc ? std::numeric_limits<double>::infinity() : zones;
    return step;
}

}  // namespace

LabelTextPtr ObjectSumText(const std::vector<int>& zones, const std::vector<double>& fractions,
                           bool goes_on) {
    std::string text = "E  =  ";
    const auto sign = [](int j) { return j % 2 == 1 ? "+ " : "- "; };
    const int count = static_cast<int>(zones.size());
    for (int i = 0; i < count; ++i) {
        if (count > 6 && i == 5) {
            // The terms between alternate on: their first sign, and the last term with its own.
            text += sign(zones[i]);
            text += "... ";
            i = count - 1;
        }
        if (i > 0 || zones[i] % 2 == 0) text += sign(zones[i]);
        const LabelTextPtr fraction = FixedLabel(2, fractions[i]);
        text += std::string(fraction->text, fraction->length) + " * E" + std::to_string(zones[i]) + " ";
    }
    if (goes_on && count > 0) {
        text += sign(zones.back() + 1);
        text += "...";
    }
    return MakeLabel(text.c_str());
}

ZoneStep AxialObjectZoneStep(const numerics::DiffractingObject& object, double lambda, double z_min,
                             double z_max, int k, int n, int side) {
    if (object.kind == numerics::BeamObject::kAperture)
        return AxialZoneStep(lambda, object.radius, z_min, z_max, k, n, side);
    // As the aperture's: the last step stands exactly at z_max.
    const double z = k == n ? z_max : (z_max - z_min) * k / n + z_min;
    return ObjectStep(object, lambda, z, 0.0, numerics::OpenZoneCount(object.radius, lambda, 0.0, z),
                      side / 2.0, side);
}

ZoneStep AxialObjectZoneStepAt(const numerics::DiffractingObject& object, double lambda, double z, int side) {
    if (object.kind == numerics::BeamObject::kAperture)
        return AxialZoneStepAt(lambda, object.radius, z, side);
    return ObjectStep(object, lambda, z, 0.0, numerics::OpenZoneCount(object.radius, lambda, 0.0, z),
                      side / 2.0, side);
}

ZoneStep RadialObjectZoneStep(const numerics::DiffractingObject& object, double lambda, double z, int k,
                              int n, int side) {
    if (object.kind == numerics::BeamObject::kAperture)
        return RadialZoneStep(lambda, object.radius, z, k, n, side);
    const double a = object.radius, s = k * a / n;
    return ObjectStep(object, lambda, z, s, (a + s) / lambda * ((a + s) / z),
                      side / 2.0 + s / a * ApertureRadiusPixels(side), side);
}

ZoneStep ObjectAlone(const numerics::DiffractingObject& object, int side) {
    ZoneStep step;
    step.object = object.kind;
    step.plate_rings = PlateRingBoxes(object, side);
    return step;
}

int ZoneColourNanometres(double lambda) {
    return static_cast<int>(lambda / 1e-9);
}

ZoneColours ZonePictureColours(double lambda, std::uint32_t background) {
    std::uint8_t ramp[9] = {};
    numerics::FillSpectralRamp(ramp, 3, ZoneColourNanometres(lambda));
    const auto word = [&](int i) {
        return static_cast<std::uint32_t>(ramp[i + 2] | ramp[i + 1] << 8 | ramp[i] << 16);
    };
    return {0x00404040, background, word(6), word(3)};
}

namespace {

// Whether the centre of pixel (x, y) lies in the ellipse inscribed in `box`.
bool Holds(const Box& box, int x, int y) {
    const double rx = (box.right - box.left) / 2.0, ry = (box.bottom - box.top) / 2.0;
    if (rx <= 0 || ry <= 0) return false;
    const double dx = (x + 0.5 - (box.left + box.right) / 2.0) / rx;
    const double dy = (y + 0.5 - (box.top + box.bottom) / 2.0) / ry;
    return dx * dx + dy * dy <= 1.0;
}

const Box& BoxOf(const Box& box) {
    return box;
}
const Box& BoxOf(const ZoneDisc& disc) {
    return disc.box;
}

// How many of the circles hold pixel (x, y). They share their centre and the list runs inwards, so each
// holds the ones after it: the circles that hold a pixel are the first ones of the list.
template <typename Circle>
int HeldBy(const std::vector<Circle>& nested, int x, int y) {
    int held = 0, outside = static_cast<int>(nested.size());
    while (held < outside) {
        const int middle = (held + outside) / 2;
        if (Holds(BoxOf(nested[middle]), x, y)) {
            held = middle + 1;
        } else {
            outside = middle;
        }
    }
    return held;
}

}  // namespace

void PaintZonePicture(std::uint32_t* pixels, int side, const ZoneColours& colours, const ZoneStep* step) {
    if (pixels == nullptr) return;
    const Box aperture = ApertureBox(side);
    const std::vector<ZoneDisc> none;
    const std::vector<ZoneDisc>& discs = step != nullptr ? step->discs : none;
    const bool disc = step != nullptr && step->object == numerics::BeamObject::kDisc;
    const std::vector<Box> no_rings;
    const std::vector<Box>& rings = step != nullptr ? step->plate_rings : no_rings;
    const int ring_count = static_cast<int>(rings.size());
    for (int y = 0; y < side; ++y) {
        std::uint32_t* row = pixels + static_cast<std::size_t>(y) * side;
        for (int x = 0; x < side; ++x) {
            // The disc is opaque where the aperture is open; the plate's radius is the aperture's.
            if (Holds(aperture, x, y) == disc) {
                row[x] = colours.surround;
                continue;
            }
            // Inside r_1 the plate is clear, between r_1 and r_2 opaque, and so on: the pixel lies beyond
            // the ring_count - held innermost circles.
            if (ring_count > 0 && (ring_count - HeldBy(rings, x, y)) % 2 == 1) {
                row[x] = colours.surround;
                continue;
            }
            const int held = HeldBy(discs, x, y);
            row[x] = held == 0 ? colours.background : discs[held - 1].odd() ? colours.odd : colours.even;
        }
    }
}
