// Every visible text of one build, in code page 1251 (the bytes a LabelText holds). The English and the
// Russian set are written as readable UTF-8 in resources/texts_en.cpp and resources/texts_ru.cpp and
// converted when first asked for; the deployer's texts (institution, course, authors) come from
// resources/deployer/texts_*.txt, read when the program is built.
//
// Adding a text: one field here, one line in each of the two set files.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class TextLanguage { kEnglish, kRussian };

// The objects the demonstrations can put in the beam (numerics::BeamObject): aperture, disc, zone plate.
inline constexpr int kObjectCount = 3;

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

    // When resources run short: the start page's one-line notice after a page could not be opened, and
    // the message box (with the program's name as its caption) when the program cannot start at all.
    std::string resource_notice;
    std::string start_failure;
    std::string program_name;

    // The key help (F1): its title and its rows, each the keys and what they do.
    std::string help_title;
    std::vector<std::pair<std::string, std::string>> help_rows;
    // The short notes after Ctrl+C and Ctrl+S (the saved file's name follows `saved_note`), and what goes
    // wrong there.
    std::string copied_note;
    std::string saved_note;
    std::string clipboard_busy;
    std::string copy_failed;
    std::string save_failed;
    std::string help_failed;  // the note when the key help cannot be shown

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

    // The axial and the radial screen.
    std::string start_caption;  // the Start button's three captions
    std::string continue_caption;
    std::string pause_caption;
    std::string reset_caption;
    std::string wavelength_prefix;  // "Wavelength " + nanometres + unit
    std::string nanometre_unit;
    // Texts that name the object in the beam have one version per object, in the order of
    // numerics::BeamObject: the aperture, the opaque disc, the zone plate.
    std::string radius_prefix[kObjectCount];  // "Radius of aperture " + millimetres + unit
    std::string millimetre_unit;
    std::string distance_prefix;  // "Distance to the screen " + metres + unit
    std::string metre_unit;
    std::string intensity_letter;
    std::string object_plane[kObjectCount];  // caption of the zone picture: "Plane of aperture"
    std::string optical_axis;    // drawn along the rotated axis
    std::string zones_prefix;    // "Number of zones " + whole number of zones
    std::string sum_caption;     // the formula line; its "E =" and first "Cn" are Cyrillic Ie and Es
    std::string axial_title;
    std::string axial_plot_caption_1;
    std::string axial_plot_caption_2;  // empty where the caption has one line
    std::string axial_distance_caption_1[kObjectCount];  // "Distance from the aperture"
    std::string axial_distance_caption_2;
    std::string radial_title;
    std::string radial_plot_heading_1;
    std::string radial_plot_heading_2;  // empty where the heading has one line
    std::string radial_plot_caption_1;
    std::string radial_plot_caption_2;
    std::string screen_label;  // over the face-on sketch of the observation screen
    std::string phasor_title;  // the phasor diagram panel of the axial and radial screens (key V)
    std::string object_names[kObjectCount];  // "aperture", "opaque disc", "zone plate" (a comparison's line)
    std::string focal_prefix;         // "Focus of the zone plate " + metres + unit
    std::string focus_screen_prefix;  // the radial screen with the plate: "Screen at the focus " + metres

    // The Fresnel pattern screen; its parameter labels share the prefixes and units above.
    std::string pattern_title;
    std::string comparison_caption;  // over the left frame
    std::string current_caption;     // over the right frame
    std::string projection_button[kObjectCount];  // two lines where the button is narrow
    std::string plots_button;
    std::string compare_button;
    std::string pattern_zones_prefix;  // "Number of zones = " + the count with one decimal
    std::string comparison_equals;     // between a comparison symbol (λ, R, L) and its value
};

// Where the sum sign goes in a formula line: into the run of spaces after its "=". The text up to and
// including the "=" ends at index `equals_end`; the run of spaces ends at `gap_end`, the next letter.
struct SumSignGap {
    int equals_end;
    int gap_end;
};
SumSignGap FindSumSignGap(const std::string& caption);

// The two sets; each is built once, on first use.
const TextSet& EnglishTexts();
const TextSet& RussianTexts();

// Fills the deployer's fields of `texts` from a deployer text file (UTF-8, "key = value" per line,
// '#' starts a comment line). Unknown keys are ignored; a missing key leaves its field empty.
void ReadDeployerTexts(std::string_view file, TextSet* texts);
