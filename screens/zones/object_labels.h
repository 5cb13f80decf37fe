// Texts the axial and the radial screen show for the disc and the plate: the number of zones, which for the
// disc's open plane is the sign of infinity, and the top of the plot's intensity axis. Each is laid out once,
// when the screen makes its plot (the font that fits chosen then), and drawn into every frame with nothing
// made: a step cannot fail for want of a font.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shell/text/font_size.h"

// "Number of zones 3" centred at (x, y) in a font shrunk where it would meet `obstacles` (as
// DrawFittedLines); for infinitely many zones the prefix and the sign of infinity. The letters' boxes.
std::vector<RECT> DrawZoneCount(HDC context, HFONT font, FontSize size, const std::string& prefix,
                                double zones, int x, int y, const std::vector<RECT>& obstacles = {});

// The top of a plot's intensity axis: a short tick from the axis into the plot at the strip's top row and
// the value left of the axis, centred between `left` and the axis, in the largest font up to `size` that
// fits there clear of `obstacles`.
struct PlotTopMark {
    std::string text;  // empty: no mark (the aperture's plot)
    HFONT font = nullptr;
    int text_x = 0, text_y = 0;  // centre and top of the text
    int axis_x = 0, row = 0, tick = 0;
    bool clear_of_panel = true;  // false where the phasor panel, while shown, would cover it
};
// `panel` is the phasor panel's box: where the mark would not fit clear of it, it makes way while the panel
// is shown.
PlotTopMark LayOutPlotTopMark(HDC context, HWND window, HFONT font, FontSize size, const std::string& text,
                              int axis_x, int row, int left, int tick, const std::vector<RECT>& obstacles,
                              const RECT& panel);
// Draws the mark with the pen and the font selected into `context` for it (the pen is the axes').
void DrawPlotTopMark(HDC context, const PlotTopMark& mark, HPEN axis_pen);
