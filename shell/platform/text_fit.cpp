// Shrinking a font until its texts fit: one pixel of height at a time, the width in proportion, the
// smallest try a font one pixel high. Every font made and dropped on the way is deleted at once.
#include "shell/platform/text_fit.h"

#include <functional>

#include "shell/platform/platform.h"

namespace {

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The largest font below `size` (height minus k, width in proportion) for which `fits` holds, down to
// half the size: a text that would need less has no place, and is shown at half its size rather than
// not at all.
HFONT ShrunkFont(FontSize size, const std::function<bool(HFONT)>& fits) {
    const std::vector<FontSize> sizes = ShrunkFontSizes(size);
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        HFONT font = KeptFont(sizes[i].height, sizes[i].width, sizes[i].weight);
        if (font == nullptr || i + 1 == sizes.size() || fits(font)) return font;
    }
    return nullptr;  // no smaller font: the text keeps its own
}

// The box a line may take at most: its advance width by the font's full height.
RECT CellBox(HDC context, const PlacedLine& line) {
    const int width = NarrowTextWidth(context, *line.text);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    const int left = line.alignment == TA_CENTER ? line.x - width / 2 : line.x;
    // A letter's ink may stand out of its advance by a pixel.
    return {left - 1, line.y, left + width + 1, line.y + metrics.tmHeight};
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

// Whether boxes keep clear of each other (one group to another) and of the obstacles, inside the limit.
bool Clear(const std::vector<std::vector<RECT>>& groups, const RECT& limit,
           const std::vector<RECT>& obstacles) {
    for (std::size_t i = 0; i < groups.size(); ++i) {
        for (const RECT& box : groups[i]) {
            if (!Inside(box, limit)) return false;
            for (const RECT& obstacle : obstacles)
                if (Overlap(box, obstacle)) return false;
            for (std::size_t j = i + 1; j < groups.size(); ++j)
                for (const RECT& other : groups[j])
                    if (Overlap(box, other)) return false;
        }
    }
    return true;
}

}  // namespace

bool LinesFit(HDC context, HFONT font, const std::vector<PlacedLine>& lines, const RECT& limit,
              const std::vector<RECT>& obstacles) {
    HGDIOBJ previous_font = SelectObject(context, font);
    const UINT previous_alignment = GetTextAlign(context);
    // Most lines fit with room to spare: their whole cells keep clear. Only where a cell touches
    // something do the letters themselves decide (a descender may pass above a lower line's capitals).
    std::vector<std::vector<RECT>> cells;
    for (const PlacedLine& line : lines) cells.push_back({CellBox(context, line)});
    bool fits = Clear(cells, limit, obstacles);
    if (!fits) {
        std::vector<std::vector<RECT>> letters;
        for (const PlacedLine& line : lines) {
            SetTextAlign(context, line.alignment);
            letters.push_back(TextLetterBoxes(context, line.x, line.y, *line.text));
        }
        fits = Clear(letters, limit, obstacles);
    }
    SetTextAlign(context, previous_alignment);
    SelectObject(context, previous_font);
    return fits;
}

HFONT FittingFont(HDC context, HFONT font, FontSize size, const std::vector<PlacedLine>& lines,
                  const RECT& limit, const std::vector<RECT>& obstacles) {
    const auto fits = [&](HFONT f) { return LinesFit(context, f, lines, limit, obstacles); };
    if (fits(font)) return font;
    HFONT shrunk = ShrunkFont(size, fits);
    return shrunk != nullptr ? shrunk : font;
}

std::vector<RECT> DrawFittedLines(HDC context, HFONT font, FontSize size,
                                  const std::vector<PlacedLine>& lines, const RECT& limit,
                                  const std::vector<RECT>& obstacles) {
    SelectObject(context, FittingFont(context, font, size, lines, limit, obstacles));
    const UINT previous_alignment = GetTextAlign(context);
    std::vector<RECT> letters;
    for (const PlacedLine& line : lines) {
        SetTextAlign(context, line.alignment);
        const std::vector<RECT> drawn = TextLetterBoxes(context, line.x, line.y, *line.text);
        letters.insert(letters.end(), drawn.begin(), drawn.end());
        DrawNarrowText(context, line.x, line.y, *line.text);
    }
    SetTextAlign(context, previous_alignment);
    SelectObject(context, font);
    return letters;
}

bool CaptionsFit(HWND button, HFONT font, const std::vector<const std::string*>& captions) {
    RECT inside{};
    GetClientRect(button, &inside);
    const int width = ButtonTextWidth(button), height = inside.bottom - inside.top - 2 * kButtonTextMarginY;
    const bool multiline = (GetWindowLongW(button, GWL_STYLE) & BS_MULTILINE) != 0;
    HDC context = BorrowWindowContext(button);
    HGDIOBJ previous = SelectObject(context, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    bool fits = true;
    for (const std::string* caption : captions) {
        // Broken into lines as SetControlCaption breaks it; every line as wide as the button at most.
        std::wstring lines = Widen(*caption);
        if (multiline) lines = BreakIntoLines(context, lines, width);
        int count = 0;
        for (std::size_t at = 0; at <= lines.size(); ++count) {
            const std::size_t end = std::min(lines.find(L'\n', at), lines.size());
            SIZE size{};
            GetTextExtentPoint32W(context, lines.c_str() + at, static_cast<int>(end - at), &size);
            fits = fits && size.cx <= width;
            at = end + 1;
        }
        fits = fits && (multiline || count == 1) && count * metrics.tmHeight <= height;
    }
    SelectObject(context, previous);
    ReturnWindowContext(button, context);
    return fits;
}

void SetFittingButtonFont(HWND button, HFONT font, FontSize size,
                          const std::vector<const std::string*>& captions) {
    SetFittingButtonsFont({{button, captions}}, font, size);
}

void SetFittingButtonsFont(const std::vector<ButtonCaptions>& buttons, HFONT font, FontSize size) {
    const auto fits = [&](HFONT f) {
        return std::all_of(buttons.begin(), buttons.end(),
                           [&](const ButtonCaptions& b) { return CaptionsFit(b.button, f, b.captions); });
    };
    HFONT shrunk = fits(font) ? nullptr : ShrunkFont(size, fits);
    for (const ButtonCaptions& b : buttons) SetControlFont(b.button, shrunk != nullptr ? shrunk : font);
}
