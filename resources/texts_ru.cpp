// The Russian text set (newZonara), written here in UTF-8 and held in code page 1251.
#include "resources/deployer_texts.h"
#include "shell/cp1251.h"
#include "shell/text_set.h"

const TextSet& RussianTexts() {
    static const TextSet texts = [] {
        const auto T = Utf8ToCp1251;
        TextSet t{};
        t.language = TextLanguage::kRussian;

        t.authors_button = T("Авторы");
        t.exit_button = T("Выход");
        t.pattern_button = T("Дифракция Френеля");
        t.axial_button = T("Распределение интенсивности\nвдоль оптической оси");
        t.radial_button = T("Радиальное распределение интенсивности");
        t.menu_button = T("Меню");

        t.presentations_line = T("Компьютерные демонстрации по курсу лекций");
        t.lecture_course_line = T("");
        t.title_line_1 = T("Дифракция на круглом отверстии");
        t.title_line_2 = T("Зоны Френеля");
        t.year_line = T("2012 г.");

        ReadDeployerTexts(RussianDeployerTexts(), &t);
        return t;
    }();
    return texts;
}
