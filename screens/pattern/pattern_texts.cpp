// The pattern screen's literals in both languages, kept together here, and the labels built from them.
//
// The parameters are whole numbers of nanometres, micrometres and millimetres. Their labels are formatted
// from those integers, not from the doubles in metres or millimetres: a value such as 1.16 mm or 1.2 m is
// stored just below itself, and the truncating formatter would print it as 1.15 or 1.1.
#include "screens/pattern/pattern_texts.h"

#include <cmath>
#include <string>

#include "shell/cp1251.h"

namespace {

const PatternTexts kEnglish = {
    "Fresnel diffraction",
    "Frame for comparison",
    "Current frame",
    "Menu",
    "Projection of aperture",
    "Plots",
    "Compare",
    "Wavelength ",
    " nm",
    "Radius of aperture ",
    " mm",
    "Distance to the screen ",
    " m",
    "Number of zones = ",
    " = ",
    u'\u03BB',
    u'R',
    u'L',
};

const PatternTexts kRussian = {
    "Дифракция Френеля",
    "Кадр сравнения",
    "Текущий кадр",
    "Меню",
    "Проекция отверстия",
    "Графики",
    "Сравнить",
    "Длина волны ",
    " нм",
    "Радиус отверстия ",
    " мм",
    "Расстояние до экрана ",
    " м",
    "Число зон Френеля = ",
    " = ",
    u'\u03BB',
    u'R',
    u'L',
};

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

// Literal + number + unit, as one label.
LabelTextPtr Compose(const char* literal, const LabelText* number, const char* unit) {
    return JoinLabels(PatternLabel(literal).get(), number, PatternLabel(unit).get());
}

}  // namespace

const PatternTexts& PatternTextsFor(PatternLanguage language) {
    return language == PatternLanguage::kRussian ? kRussian : kEnglish;
}

LabelTextPtr PatternLabel(const char* utf8) {
    return MakeLabel(Utf8ToCp1251(utf8).c_str());
}

LabelTextPtr PatternWavelengthLabel(PatternLanguage language, int wavelength_nm) {
    const PatternTexts& texts = PatternTextsFor(language);
    return Compose(texts.wavelength, IntegerLabel(wavelength_nm).get(), texts.nanometres);
}

LabelTextPtr PatternApertureLabel(PatternLanguage language, int aperture_um) {
    const PatternTexts& texts = PatternTextsFor(language);
    return Compose(texts.radius, ThousandthsLabel(aperture_um, 2).get(), texts.millimetres);
}

LabelTextPtr PatternDistanceLabel(PatternLanguage language, int distance_mm) {
    const PatternTexts& texts = PatternTextsFor(language);
    return Compose(texts.distance, ThousandthsLabel(distance_mm, 1).get(), texts.metres);
}

double PatternShownZoneCount(double zone_count) {
    const double whole = std::trunc(zone_count);
    return zone_count - whole > 0.95 ? whole + 1 : zone_count;
}

int PatternShownZoneTenths(double zone_count) {
    const double tenths = PatternShownZoneCount(zone_count) * 10;
    const double nearest = std::round(tenths);
    return static_cast<int>(std::fabs(tenths - nearest) < 1e-9 ? nearest : std::trunc(tenths));
}

LabelTextPtr PatternZoneCountLabel(PatternLanguage language, double zone_count) {
    const PatternTexts& texts = PatternTextsFor(language);
    return Compose(texts.zone_count, ThousandthsLabel(PatternShownZoneTenths(zone_count) * 100, 1).get(), "");
}

LabelTextPtr ComparisonWavelengthLabel(PatternLanguage language, double wavelength) {
    const PatternTexts& texts = PatternTextsFor(language);
    const int nm = static_cast<int>(std::lround(wavelength / 1e-9));
    return Compose(texts.equals, IntegerLabel(nm).get(), texts.nanometres);
}

LabelTextPtr ComparisonRadiusLabel(PatternLanguage language, double aperture_radius) {
    const PatternTexts& texts = PatternTextsFor(language);
    const int um = static_cast<int>(std::lround(aperture_radius / 1e-6));
    return Compose(texts.equals, ThousandthsLabel(um, 1).get(), texts.millimetres);
}

LabelTextPtr ComparisonDistanceLabel(PatternLanguage language, double distance) {
    const PatternTexts& texts = PatternTextsFor(language);
    const int mm = static_cast<int>(std::lround(distance / 1e-3));
    return Compose(texts.equals, ThousandthsLabel(mm, 1).get(), texts.metres);
}
