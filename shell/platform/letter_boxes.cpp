// Letter boxes from the glyph metrics of the selected font.
#include "shell/platform/letter_boxes.h"

#include <algorithm>
#include <cmath>

#include "numerics/pi.h"

int TextWidth(HDC context, const wchar_t* text, int length) {
    SIZE size{};
    GetTextExtentPoint32W(context, text, length, &size);
    return size.cx;
}

std::vector<RECT> LetterBoxes(HDC context, int x, int y, const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    const int width = TextWidth(context, text.c_str(), length);
    const UINT align = GetTextAlign(context);
    int left = x;
    if ((align & TA_CENTER) == TA_CENTER) {
        left = x - width / 2;
    } else if ((align & TA_RIGHT) == TA_RIGHT) {
        left = x - width;
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    LOGFONTW font{};
    GetObjectW(GetCurrentObject(context, OBJ_FONT), sizeof font, &font);
    if (font.lfEscapement != 0) {
        const double angle = font.lfEscapement * static_cast<double>(numerics::kExactPi) / 1800;
        const double along_x = std::cos(angle), along_y = -std::sin(angle);
        const double down_x = std::sin(angle), down_y = std::cos(angle);
        RECT box{x, y, x, y};
        for (int u : {left - x, left - x + width}) {
            for (int v : {0, static_cast<int>(metrics.tmHeight)}) {
                const LONG px = static_cast<LONG>(x + u * along_x + v * down_x);
                const LONG py = static_cast<LONG>(y + u * along_y + v * down_y);
                box = {std::min(box.left, px), std::min(box.top, py), std::max(box.right, px),
                       std::max(box.bottom, py)};
            }
        }
        return {box};
    }
    const int baseline = (align & TA_BASELINE) == TA_BASELINE ? y : y + metrics.tmAscent;
    std::vector<RECT> letters;
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    for (int i = 0; i < length; ++i) {
        if (text[i] == L' ') continue;
        GLYPHMETRICS glyph{};
        if (GetGlyphOutlineW(context, text[i], GGO_METRICS, &glyph, 0, nullptr, &identity) == GDI_ERROR)
            continue;
        const int pen = left + TextWidth(context, text.c_str(), i);
        letters.push_back({pen + glyph.gmptGlyphOrigin.x, baseline - glyph.gmptGlyphOrigin.y,
                           pen + glyph.gmptGlyphOrigin.x + static_cast<LONG>(glyph.gmBlackBoxX),
                           baseline - glyph.gmptGlyphOrigin.y + static_cast<LONG>(glyph.gmBlackBoxY)});
    }
    return letters;
}
