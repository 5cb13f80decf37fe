// The formula line: the sign is placed from the widths the selected font gives, so it lands in its gap
// whatever the font, the screen size or the language of the caption.
#include "screens/zones/formula_line.h"

#include "shell/platform/platform.h"
#include "shell/text/text_set.h"

namespace {

constexpr wchar_t kSumSign = L'\u03A3';

}  // namespace

int SumSignX(HDC context, int x, const std::string& caption) {
    const SumSignGap gap = FindSumSignGap(caption);
    const int gap_left = NarrowTextWidth(context, caption.data(), gap.equals_end);
    const int gap_right = NarrowTextWidth(context, caption.data(), gap.gap_end);
    return x + (gap_left + gap_right - WideSymbolWidth(context, kSumSign)) / 2;
}

void DrawFormulaLine(HDC context, int x, int y, const std::string& caption) {
    DrawNarrowText(context, x, y, caption);
    DrawWideSymbol(context, SumSignX(context, x, caption), y, kSumSign);
}
