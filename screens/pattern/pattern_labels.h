// The labels the Fresnel pattern screen composes at run time from its texts (resources/texts_*.cpp): the
// three parameter labels above the scroll bars, the zone count under each frame and the description of
// the comparison frame. Labels come out in code page 1251, ready for the narrow text drawing of the view.
#pragma once

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
