// The pattern screen's layout from W and H. Every quantity is integer arithmetic in the order written,
// multiplication before division, so the truncations land where the screen's design expects them.
#include "screens/pattern/pattern_layout.h"

#include <algorithm>

PatternLayout ComputePatternLayout(int w, int h) {
    PatternLayout l{};
    l.width = w;
    l.height = h;
    l.mx = w * 2 / 100;
    l.my = h * 4 / 100;
    const int mx = l.mx;
    const int my = l.my;
    const int bar_height = h * 5 / 100;  // also the height of the page font and the strip above the bars

    // The left 14% of the width holds the buttons; the other 86% the two frames with three equal gaps.
    l.column_width = (w - 8 * mx) / 3;
    l.wp = (w * 86 / 100 - 3 * mx) / 2;
    l.hp = h * 98 / 100 - 8 * my - bar_height;
    l.size = std::min(l.wp, l.hp);
    l.frame_top = bar_height + (l.hp - l.size) / 2 + 7 * my;
    l.comparison_left = (w * 86 / 100 - 2 * l.size) / 3 + w * 14 / 100;
    l.current_left = ((w * 86 / 100) * 2 - 4 * l.size) / 3 + l.size + w * 14 / 100;

    l.wavelength_bar_x = 2 * mx;
    l.aperture_bar_x = l.column_width + 4 * mx;
    l.distance_bar_x = w - 2 * mx - l.column_width;
    l.bar_y = 4 * my;
    l.bar_height = bar_height;

    l.wavelength_label_x = (w - 8 * mx) / 6 + 2 * mx;
    l.aperture_label_x = (w - 8 * mx) / 3 + (w - 8 * mx) / 6 + 4 * mx;
    l.distance_label_x = (w - 8 * mx) / 6 + w - 2 * mx - (w - 8 * mx) / 3;
    l.label_y = (5 * my) / 2;

    l.title_x = w / 2;
    l.title_y = my / 2;
    l.comparison_caption_x = (l.size + 2 * l.comparison_left) / 2;
    l.current_caption_x = (l.size + 2 * l.current_left) / 2;
    l.caption_y = bar_height + (l.hp - l.size) / 2 + 5 * my;
    l.separator_y = 5 * my + bar_height;

    // Halfway between a line one my above the frames' bottom edge and the bottom of the screen.
    l.comparison_count_x = l.comparison_caption_x;
    l.current_count_x = l.current_caption_x;
    l.count_y = (l.frame_top - my + l.size + h) / 2;

    l.description_x = l.comparison_left + mx;
    l.symbol_x = l.comparison_left + mx - (3 * mx) / 4;
    for (int line = 0; line < 3; ++line) l.description_y[line] = l.frame_top + line * my;
    l.description_right_x = l.comparison_left + l.size - mx;
    l.focus_x = l.current_left + mx;
    l.focus_y = l.frame_top;

    const int button_width = w * 12 / 100;
    const int button_height = h * 10 / 100;
    l.menu_button = {mx, h * 88 / 100, button_width, button_height};
    l.projection_button = {mx, bar_height + 2 * (h * 14 / 100) + 7 * my, button_width, button_height};
    l.plots_button = {mx, 7 * my + h * 14 / 100 + bar_height, button_width, button_height};
    l.compare_button = {mx, 7 * my + bar_height, button_width, button_height};

    l.page_font_height = bar_height;
    l.page_font_width = w / 100;
    l.caption_font_height = bar_height;
    l.caption_font_width = (w / 100) * 4 / 3;
    l.title_font_height = bar_height * 14 / 10;
    l.title_font_width = (w / 100) * 14 / 10;
    return l;
}
