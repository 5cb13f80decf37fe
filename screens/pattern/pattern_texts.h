// The texts of the Fresnel pattern screen, in English and in Russian: the literals of the static picture
// and the buttons, and the labels composed at run time (the three parameter labels above the scroll bars,
// the zone count under each frame, the description of the comparison frame). Labels come out in code
// page 1251, ready for the narrow text drawing of the view.
#pragma once

#include "shell/label_text.h"

enum class PatternLanguage { kEnglish, kRussian };

// Every literal of the screen, as UTF-8; PatternLabel turns one into a code page 1251 label.
struct PatternTexts {
    const char* title;
    const char* comparison_caption;
    const char* current_caption;
    const char* menu_button;
    const char* projection_button;
    const char* plots_button;
    const char* compare_button;
    const char* wavelength;  // followed by the wavelength in nanometres and `nanometres`
    const char* nanometres;
    const char* radius;  // followed by the aperture radius in millimetres and `millimetres`
    const char* millimetres;
    const char* distance;  // followed by the distance in metres and `metres`
    const char* metres;
    const char* zone_count;  // followed by the number of open zones
    const char* equals;      // between a comparison symbol and its value
    // The symbols that start the three comparison lines, drawn as single wide characters.
    char16_t wavelength_symbol;
    char16_t radius_symbol;
    char16_t distance_symbol;
};

const PatternTexts& PatternTextsFor(PatternLanguage language);

// A literal of the screen as a code page 1251 label.
LabelTextPtr PatternLabel(const char* utf8);

// "Wavelength 500 nm": the wavelength control's position in nanometres.
LabelTextPtr PatternWavelengthLabel(PatternLanguage language, int wavelength_nm);

// "Radius of aperture 2.00 mm": the aperture control's position in micrometres, shown in millimetres
// with two decimals, truncated.
LabelTextPtr PatternApertureLabel(PatternLanguage language, int aperture_um);

// "Distance to the screen 2.0 m": the distance control's position in millimetres, shown in metres with
// one decimal, truncated.
LabelTextPtr PatternDistanceLabel(PatternLanguage language, int distance_mm);

// The zone count as printed: a count whose fractional part exceeds 0.95 shows as the next whole number
// (a²/(λz) for 4 zones computes as 3.9999999999999996); any other is truncated to one decimal.
double PatternShownZoneCount(double zone_count);

// The shown count in whole tenths, truncated. A count that is a whole number of tenths but computes a
// few units of the last place below it (3.2 zones for 2 mm, 500 nm and 2.5 m computes as
// 3.1999999999999997) counts as that tenth: truncating the double would print it one tenth low, as it
// would for most such settings. No count of the controls' positions that is not a whole number of
// tenths lies within 1e-9 tenths of one (a²/(λz) = um² / (nm · mm), a fraction whose denominator is
// below 1e7), so no true truncation changes.
int PatternShownZoneTenths(double zone_count);

// "Number of zones = 4.0": the shown count with one decimal.
LabelTextPtr PatternZoneCountLabel(PatternLanguage language, double zone_count);

// The three comparison lines after their symbols, from the parameters stored in the comparison frame
// (metres): " = 500 nm", " = 2.0 mm", " = 2.0 m". The values are whole nanometres, micrometres and
// millimetres of the controls they came from, and are shown as exactly those decimals.
LabelTextPtr ComparisonWavelengthLabel(PatternLanguage language, double wavelength);
LabelTextPtr ComparisonRadiusLabel(PatternLanguage language, double aperture_radius);
LabelTextPtr ComparisonDistanceLabel(PatternLanguage language, double distance);
