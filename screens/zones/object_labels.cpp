// The number of zones and the plot's top, as the screens draw them for the disc and the plate.
#include "screens/zones/object_labels.h"

#include <cmath>

#include "shell/platform/platform.h"
#include "shell/platform/text_fit.h"
#include "shell/text/label_text.h"

namespace {

constexpr wchar_t kInfinity = L'\u221E';

}  // namespace

std::vector<RECT> DrawZoneCount(HDC context, HFONT font, FontSize size, const std::string& prefix,
                                double zones, int x, int y, const std::vector<RECT>& obstacles) {
    if (std::isfinite(zones)) {
        const LabelTextPtr count =
            JoinLabels(MakeLabel(prefix.c_str()).get(), IntegerLabel(static_cast<int>(zones)).get(),
                       MakeLabel("").get());
        const std::string text(count->text, count->length);
        return DrawFittedLines(context, font, size, {{&text, x, y, TA_CENTER}}, kAnywhere, obstacles);
    }
    // The sign is as wide as two digits or so: the font that fits "... 00" fits the prefix and the sign.
    const std::string probe = prefix + "00";
    SelectObject(context,
                 FittingFont(context, font, size, {{&probe, x, y, TA_CENTER}}, kAnywhere, obstacles));
    const int text_width = NarrowTextWidth(context, prefix), sign_width = WideSymbolWidth(context, kInfinity);
    const int left = x - (text_width + sign_width) / 2;
    const UINT alignment = GetTextAlign(context);
    SetTextAlign(context, TA_LEFT);
    DrawNarrowText(context, left, y, prefix);
    DrawWideSymbol(context, left + text_width, y, kInfinity);
    std::vector<RECT> boxes = TextLetterBoxes(context, left, y, prefix);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    boxes.push_back({left + text_width, y, left + text_width + sign_width, y + metrics.tmHeight});
    SetTextAlign(context, alignment);
    SelectObject(context, font);
    return boxes;
}

PlotTopMark LayOutPlotTopMark(HDC context, HWND window, HFONT font, FontSize size, const std::string& text,
                              int axis_x, int row, int left, int tick, const std::vector<RECT>& obstacles,
                              const RECT& panel) {
    PlotTopMark mark;
    if (text.empty()) return mark;
    mark.text = text;
    mark.axis_x = axis_x;
    mark.row = row;
    mark.tick = tick;
    const int right = axis_x - 3;
    mark.text_x = (left + right) / 2;
    mark.text_y = row - TextHeight(window, font) / 2;
    // Above and below the row, room for the whole font; left and right, the gap.
    const RECT limit{left, row - size.height, right, row + size.height};
    HGDIOBJ previous = SelectObject(context, font);
    mark.font = FittingFont(context, font, size, {{&mark.text, mark.text_x, mark.text_y, TA_CENTER}}, limit,
                            obstacles);
    // A shrunk font stands centred on the row again.
    mark.text_y = row - TextHeight(window, mark.font) / 2;
    std::vector<RECT> with_panel = obstacles;
    with_panel.push_back(panel);
    mark.clear_of_panel =
        LinesFit(context, mark.font, {{&mark.text, mark.text_x, mark.text_y, TA_CENTER}}, limit, with_panel);
    SelectObject(context, previous);
    return mark;
}

void DrawPlotTopMark(HDC context, const PlotTopMark& mark, HPEN axis_pen) {
    if (mark.text.empty()) return;
    HGDIOBJ previous_pen = SelectObject(context, axis_pen);
    DrawLine(context, mark.axis_x, mark.row, mark.axis_x + mark.tick + 1, mark.row);
    SelectObject(context, previous_pen);
    HGDIOBJ previous_font = SelectObject(context, mark.font);
    const UINT alignment = GetTextAlign(context);
    PrepareText(context, TA_CENTER);
    DrawNarrowText(context, mark.text_x, mark.text_y, mark.text);
    SetTextAlign(context, alignment);
    SelectObject(context, previous_font);
}
