// The English text set (ZonaraEng). Plain ASCII apart from what the screens draw in Cyrillic letters.
#include "resources/deployer_texts.h"
#include "shell/cp1251.h"
#include "shell/text_set.h"

const TextSet& EnglishTexts() {
    static const TextSet texts = [] {
        const auto T = Utf8ToCp1251;
        TextSet t{};
        t.language = TextLanguage::kEnglish;

        t.authors_button = T("Authors");
        t.exit_button = T("Exit");
        t.pattern_button = T("Fresnel diffraction");
        t.axial_button = T("Intensity distribution\nalong the optical axis");
        t.radial_button = T("Radial intensity distribution");
        t.menu_button = T("Menu");

        t.presentations_line = T("Computer presentations");
        t.lecture_course_line = T("Lecture course");
        t.title_line_1 = T("Diffraction by circular apertures.");
        t.title_line_2 = T("Fresnel zones");
        t.year_line = T("2012");

        ReadDeployerTexts(EnglishDeployerTexts(), &t);
        return t;
    }();
    return texts;
}
