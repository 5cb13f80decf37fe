// The English text set (ZonaraEng). Plain ASCII apart from what the screens draw in Cyrillic letters.
#include "resources/deployer_texts.h"
#include "shell/text/cp1251.h"
#include "shell/text/text_set.h"

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

        t.resource_notice =
            T("The page could not be opened: this computer is short of resources. Please try again.");
        t.start_failure = T("The program cannot start: this computer is short of resources.");
        t.program_name = T("Fresnel zones");

        t.help_title = T("Keys");
        t.help_rows = {{T("Space, Enter, Page Down"), T("Start, Continue, Pause")},
                       {T("R, Page Up"), T("Reset")},
                       {T("Esc, Backspace"), T("back to the start page")},
                       {T("Left, Right"), T("the wavelength one nanometre down, up")},
                       {T("1, 2, 3"), T("on the start page: the three demonstrations")},
                       {T("A"), T("on the start page: the authors")},
                       {T("V"), T("the phasor diagram, on or off")},
                       {T("O"), T("aperture, opaque disc or zone plate")},
                       {T("Period, comma"), T("one step on, back, while the run stands still")},
                       {T("Z"), T("on to the next whole number of zones")},
                       {T("Plus, minus"), T("the run faster, slower")},
                       {T("M"), T("to the next screen (the projector)")},
                       {T("P"), T("projector colours, or the classic look")},
                       {T("Ctrl+C"), T("the picture to the clipboard")},
                       {T("Ctrl+S"), T("the picture into a file in Pictures")},
                       {T("F1"), T("these keys, shown or hidden")},
                       {T("Alt+F4"), T("end the program")}};
        t.copied_note = T("The picture is on the clipboard");
        t.saved_note = T("Saved in Pictures: ");
        t.clipboard_busy = T("The clipboard is in use by another program: please try again");
        t.copy_failed = T("The picture could not be copied");
        t.save_failed = T("The picture could not be saved in Pictures");
        t.help_failed = T("The keys cannot be shown: this computer is short of resources");

        t.start_caption = T("Start");
        t.continue_caption = T("Continue");
        t.pause_caption = T("Pause");
        t.reset_caption = T("Reset");
        t.wavelength_prefix = T("Wavelength ");
        t.nanometre_unit = T(" nm");
        t.radius_prefix[0] = T("Radius of aperture ");
        t.radius_prefix[1] = T("Radius of the disc ");
        t.radius_prefix[2] = T("Radius of the zone plate ");
        t.millimetre_unit = T(" mm");
        t.distance_prefix = T("Distance to the screen ");
        t.metre_unit = T(" m");
        t.intensity_letter = T("I");
        t.object_plane[0] = T("Plane of aperture");
        t.object_plane[1] = T("Plane of the disc");
        t.object_plane[2] = T("Plane of the zone plate");
        t.optical_axis = T("Optical axis");
        t.zones_prefix = T("Number of zones ");
        // "Е" and the first "С" are Cyrillic (Ie, Es); the rest is Latin.
        t.sum_caption = T("Sum of contributions Е =      Сn * En        Cn - part of the opened zone");
        t.axial_title = T("Intensity distribution along the optical axis");
        t.axial_plot_caption_1 = T("Intensity at the optical axis");
        t.axial_distance_caption_1[0] = T("Distance from the aperture");
        t.axial_distance_caption_1[1] = T("Distance from the disc");
        t.axial_distance_caption_1[2] = T("Distance from the zone plate");
        t.axial_distance_caption_2 = T("to the point of observation");
        t.radial_title = T("Radial intensity distribution");
        t.radial_plot_heading_1 = T("Radial distribution");
        t.radial_plot_caption_1 = T("Radial displacement");
        t.radial_plot_caption_2 = T("relative to the optical axis");
        t.screen_label = T("Screen");
        t.phasor_title = T("Phasor diagram");
        t.object_names[0] = T("aperture");
        t.object_names[1] = T("opaque disc");
        t.object_names[2] = T("zone plate");
        t.focal_prefix = T("Focus of the zone plate ");
        t.focus_screen_prefix = T("Screen at the focus ");

        t.pattern_title = T("Fresnel diffraction");
        t.comparison_caption = T("Frame for comparison");
        t.current_caption = T("Current frame");
        t.projection_button[0] = T("Projection of aperture");
        t.projection_button[1] = T("Projection of the disc");
        t.projection_button[2] = T("Projection of the zone plate");
        t.plots_button = T("Plots");
        t.compare_button = T("Compare");
        t.pattern_zones_prefix = T("Number of zones = ");
        t.comparison_equals = T(" = ");

        ReadDeployerTexts(EnglishDeployerTexts(), &t);
        return t;
    }();
    return texts;
}
