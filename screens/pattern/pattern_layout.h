// Where everything on the Fresnel pattern screen goes, computed from the screen size alone: the three
// scroll bars and their labels, the four buttons, the two square frames with their captions and zone
// counts, the title and the separator line, and the lines that describe a comparison frame. The Windows
// view only reads these numbers; they are kept here so they can be checked without a window.
#pragma once

// One rectangle in pixels, relative to the screen's top left corner.
struct PatternRect {
    int x;
    int y;
    int width;
    int height;
};

// All positions are integers in pixels; texts are placed by the centre of their top edge unless a field
// says otherwise.
struct PatternLayout {
    int width;   // W
    int height;  // H
    int mx;      // horizontal margin unit, W*2/100
    int my;      // vertical margin unit, H*4/100

    int column_width;  // width of each scroll bar, (W - 8*mx)/3
    int wp;            // frame side allowed by the width
    int hp;            // frame side allowed by the height
    int size;          // S, the side of both frames: the smaller of wp and hp
    int frame_top;
    int comparison_left;
    int current_left;

    // Scroll bars: wavelength, aperture radius, distance; all at bar_y, column_width x bar_height.
    int wavelength_bar_x;
    int aperture_bar_x;
    int distance_bar_x;
    int bar_y;
    int bar_height;

    // Parameter labels above the centres of their scroll bars.
    int wavelength_label_x;
    int aperture_label_x;
    int distance_label_x;
    int label_y;

    // Static picture: the title, the two frame captions and the separator line across the screen.
    int title_x;
    int title_y;
    int comparison_caption_x;
    int current_caption_x;
    int caption_y;
    int separator_y;

    // "Number of zones = ..." under each frame.
    int comparison_count_x;
    int current_count_x;
    int count_y;

    // The three lines over the comparison image, left aligned: the symbol (a wide character) at
    // symbol_x, the rest of the line at description_x; one line per my from frame_top down.
    int description_x;
    int symbol_x;
    int description_y[3];
    // The comparison's object (and a zone plate's focus), right aligned one mx inside the frame's right
    // edge on the first two of those lines.
    int description_right_x;

    // The zone plate's focus over the current frame's top left corner, left aligned as the comparison's
    // lines are over theirs.
    int focus_x;
    int focus_y;

    // Buttons: Menu (206), Projection of aperture (207), Plots (208), Compare (209).
    PatternRect menu_button;
    PatternRect projection_button;
    PatternRect plots_button;
    PatternRect compare_button;

    // Fonts: the page font (buttons, parameter labels, comparison lines), the caption font (frame
    // captions, zone counts) and the title font; all weight 400.
    int page_font_height;
    int page_font_width;
    int caption_font_height;
    int caption_font_width;
    int title_font_height;
    int title_font_width;
};

// The layout for a screen of width w and height h (truncating integer arithmetic throughout).
PatternLayout ComputePatternLayout(int w, int h);
