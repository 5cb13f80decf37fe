// The parameters are whole numbers of nanometres, micrometres and millimetres. Their labels are formatted
// from those integers, not from the doubles in metres or millimetres: a value such as 1.16 mm or 1.2 m is
// stored just below itself, and the truncating formatter would print it as 1.15 or 1.1.
#include "screens/pattern/pattern_labels.h"

#include <cmath>
#include <string>

#include "numerics/zone_geometry.h"

namespace {

// `thousandths` / 1000 with `decimals` (1 to 3) digits after the point, truncated: 1160 and 2 give 1.16.
LabelTextPtr ThousandthsLabel(int thousandths, int decimals) {
    int divisor = 1;
    for (int i = decimals; i < 3; ++i) divisor *= 10;
    std::string digits = IntegerLabel(thousandths / 1000)->text;
    std::string fraction = IntegerLabel(thousandths % 1000 / divisor)->text;
    digits += '.';
    digits.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    digits += fraction;
    return MakeLabel(digits.c_str());
}

// Metres to the nearest centimetre with two decimals: 1.996 gives 2.00. No length the screen computes
// comes near the guard.
LabelTextPtr CentimetresLabel(double metres) {
    if (!(std::fabs(metres) < 1e6)) return MakeLabel("?");
    return ThousandthsLabel(static_cast<int>(std::lround(metres * 100)) * 10, 2);
}

// Text + number + unit, as one label.
LabelTextPtr Compose(const std::string& text, const LabelText* number, const std::string& unit) {
    return JoinLabels(MakeLabel(text.c_str()).get(), number, MakeLabel(unit.c_str()).get());
}

}  // namespace

LabelTextPtr PatternWavelengthLabel(const TextSet& texts, int wavelength_nm) {
    return Compose(texts.wavelength_prefix, IntegerLabel(wavelength_nm).get(), texts.nanometre_unit);
}

LabelTextPtr PatternApertureLabel(const TextSet& texts, int aperture_um, int object) {
    return Compose(texts.radius_prefix[object], ThousandthsLabel(aperture_um, 2).get(),
                   texts.millimetre_unit);
}

LabelTextPtr PatternDistanceLabel(const TextSet& texts, int distance_mm) {
    return Compose(texts.distance_prefix, ThousandthsLabel(distance_mm, 1).get(), texts.metre_unit);
}

int PatternShownZoneTenths(double zone_count) {
    if (!(std::fabs(zone_count) < 1e8)) return 0;  // no count a label could show
    const double whole = std::trunc(zone_count);
    const double shown = zone_count - whole > 0.95 ? whole + 1 : zone_count;
    const double tenths = shown * 10, nearest = std::round(tenths);
    return static_cast<int>(std::fabs(tenths - nearest) < 1e-9 ? nearest : std::trunc(tenths));
}

LabelTextPtr PatternZoneCountLabel(const TextSet& texts, double zone_count) {
    if (!(std::fabs(zone_count) < 1e8)) return Compose(texts.pattern_zones_prefix, MakeLabel("?").get(), "");
    return Compose(texts.pattern_zones_prefix,
                   ThousandthsLabel(PatternShownZoneTenths(zone_count) * 100, 1).get(), "");
}

LabelTextPtr ComparisonWavelengthLabel(const TextSet& texts, double wavelength) {
    const int nm = static_cast<int>(std::lround(wavelength / 1e-9));
    return Compose(texts.comparison_equals, IntegerLabel(nm).get(), texts.nanometre_unit);
}

LabelTextPtr ComparisonRadiusLabel(const TextSet& texts, double aperture_radius) {
    const int um = static_cast<int>(std::lround(aperture_radius / 1e-6));
    return Compose(texts.comparison_equals, ThousandthsLabel(um, 1).get(), texts.millimetre_unit);
}

LabelTextPtr ComparisonDistanceLabel(const TextSet& texts, double distance) {
    const int mm = static_cast<int>(std::lround(distance / 1e-3));
    return Compose(texts.comparison_equals, ThousandthsLabel(mm, 1).get(), texts.metre_unit);
}

LabelTextPtr PatternFocusLabel(const TextSet& texts, double focal_distance) {
    return Compose(texts.focal_prefix, CentimetresLabel(focal_distance).get(), texts.metre_unit);
}

std::vector<ComparisonLine> ComparisonLines(const TextSet& texts, const PatternImage& taken,
                                            numerics::BeamObject current) {
    std::vector<ComparisonLine> lines;
    lines.push_back({0, false, kWavelengthSymbol, ComparisonWavelengthLabel(texts, taken.wavelength)});
    lines.push_back({1, false, kRadiusSymbol, ComparisonRadiusLabel(texts, taken.aperture_radius)});
    lines.push_back({2, false, kDistanceSymbol, ComparisonDistanceLabel(texts, taken.distance)});
    using numerics::BeamObject;
    if (taken.object == BeamObject::kAperture && current == BeamObject::kAperture) return lines;
    lines.push_back({0, true, 0, MakeLabel(texts.object_names[static_cast<int>(taken.object)].c_str())});
    if (taken.object == BeamObject::kZonePlate) {
        const double focus = numerics::ZonePlateFocalDistance(taken.plate, taken.wavelength);
        lines.push_back(
            {1, true, 0,
             Compose("f" + texts.comparison_equals, CentimetresLabel(focus).get(), texts.metre_unit)});
    }
    return lines;
}
