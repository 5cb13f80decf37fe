// Every visible text of one build, in code page 1251 (the bytes a LabelText holds). The English and the
// Russian set are written as readable UTF-8 in resources/texts_en.cpp and resources/texts_ru.cpp and
// converted when first asked for; the deployer's texts (institution, course, authors) come from
// resources/deployer/texts_*.txt, read when the program is built.
//
// Adding a text: one field here, one line in each of the two set files.
#pragma once

#include <string>
#include <string_view>

enum class TextLanguage { kEnglish, kRussian };

struct TextSet {
    TextLanguage language;

    // Buttons of the start page and the authors page; a line feed splits a multi-line caption.
    std::string authors_button;  // 201
    std::string exit_button;     // 202
    std::string pattern_button;  // 203
    std::string axial_button;    // 204, two lines
    std::string radial_button;   // 213
    std::string menu_button;     // 205 and the Menu button of every screen

    // Header of the start page and the authors page. The English header has a line "Lecture course"
    // of its own; the Russian one says it within its presentations line, so its lecture_course_line is
    // empty and not drawn.
    std::string presentations_line;
    std::string lecture_course_line;
    std::string title_line_1;
    std::string title_line_2;
    std::string year_line;

    // The deployer's texts. The English header shows two lines of the left emblem caption and one
    // institution line; the Russian header one caption line and two institution lines.
    std::string left_emblem_caption_1;
    std::string left_emblem_caption_2;
    std::string right_emblem_caption;
    std::string institution_line_1;
    std::string institution_line_2;
    std::string course_title;
    std::string first_author;
    std::string second_author;
    std::string lecturers;
};

// The two sets; each is built once, on first use.
const TextSet& EnglishTexts();
const TextSet& RussianTexts();

// Fills the deployer's fields of `texts` from a deployer text file (UTF-8, "key = value" per line,
// '#' starts a comment line). Unknown keys are ignored; a missing key leaves its field empty.
void ReadDeployerTexts(std::string_view file, TextSet* texts);
