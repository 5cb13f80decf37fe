// The labels the Fresnel pattern screen composes at run time from its texts (resources/texts_*.cpp): the
// three parameter labels above the scroll bars, the zone count under each frame, the zone plate's focus
// over the current frame and the description of the comparison frame. Labels come out in code page 1251,
// ready for the narrow text drawing of the view.
#pragma once

#include <vector>

#include "numerics/beam_object.h"
#include "screens/pattern/pattern_image.h"
#include "shell/text/label_text.h"
#include "shell/text/text_set.h"

// The symbols that start the three comparison lines, drawn as single wide characters (λ is not in code
// page 1251); the same in every language.
inline constexpr char16_t kWavelengthSymbol = u'\u03BB', kRadiusSymbol = u'R', kDistanceSymbol = u'L';

// "Wavelength 500 nm": the wavelength control's position in nanometres.
LabelTextPtr PatternWavelengthLabel(const TextSet& texts, int wavelength_nm);

// "Radius of aperture 2.00 mm": the aperture control's position in micrometres, shown in millimetres
// with two decimals, truncated, after the prefix that names the object in the beam (its index in the
// texts' arrays: aperture, disc, zone plate).
LabelTextPtr PatternApertureLabel(const TextSet& texts, int aperture_um, int object = 0);

// "Distance to the screen 2.0 m": the distance control's position in millimetres, shown in metres with
// one decimal, truncated.
LabelTextPtr PatternDistanceLabel(const TextSet& texts, int distance_mm);

// The shown count in whole tenths. A count whose fractional part exceeds 0.95 shows as the next whole
// number (a²/(λz) for 4 zones computes as 3.9999999999999996); any other is truncated to one decimal. A
// count that is a whole number of tenths but computes a few units of the last place below it (3.2 zones
// for 2 mm, 500 nm and 2.5 m computes as 3.1999999999999997) counts as that tenth: truncating the double
// would print it one tenth low. No count of the controls' positions that is not a whole number of tenths
// lies within 1e-9 tenths of one (a²/(λz) = um² / (nm · mm), a fraction whose denominator is below 1e7),
// so no true truncation changes.
int PatternShownZoneTenths(double zone_count);

// "Number of zones = 4.0": the shown count with one decimal.
LabelTextPtr PatternZoneCountLabel(const TextSet& texts, double zone_count);

// The three comparison lines after their symbols, from the parameters stored in the comparison frame
// (metres): " = 500 nm", " = 2.0 mm", " = 2.0 m". The values are whole nanometres, micrometres and
// millimetres of the controls they came from, and are shown as exactly those decimals.
LabelTextPtr ComparisonWavelengthLabel(const TextSet& texts, double wavelength);
LabelTextPtr ComparisonRadiusLabel(const TextSet& texts, double aperture_radius);
LabelTextPtr ComparisonDistanceLabel(const TextSet& texts, double distance);

// "Focus of the zone plate 1.67 m": where the plate's focus lies for the wavelength shown, in metres to the
// nearest centimetre (a computed length, not a control's position: 501 nm's 1.996 m reads 2.00 m).
LabelTextPtr PatternFocusLabel(const TextSet& texts, double focal_distance);

// The lines over the comparison frame. On the left, one my apart from its top, λ = 500 nm, R = 2.0 mm and
// L = 2.0 m, each after its symbol (a wide character). Whenever an object other than the aperture is in
// play (in the comparison or in the beam now), a column at the right edge names the comparison's object,
// and for a zone plate says where its focus lay for the comparison's wavelength ("f = 2.00 m"): a
// comparison never passes for another object's. With the aperture alone the lines are the three of old.
struct ComparisonLine {
    int row;          // 0, 1, 2: from the frame's top, one my apart
    bool right;       // right aligned at the frame's right margin; else left aligned after the symbol
    char16_t symbol;  // drawn as one wide character at the symbols' place; 0 for none
    LabelTextPtr text;
};
std::vector<ComparisonLine> ComparisonLines(const TextSet& texts, const PatternImage& taken,
                                            numerics::BeamObject current);
