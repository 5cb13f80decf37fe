// The size of a font a page makes, and the smaller sizes a text that does not fit its place is tried in.
// Pure: the platform layer makes the fonts.
#pragma once

#include <vector>

// A font the page creates: "Times New Roman" at this height, width and weight.
struct FontSize {
    int height;
    int width;
    int weight;
};

// The fonts a text that does not fit is tried in, largest first: one pixel lower at a time, the width in
// proportion (rounded, at least 1), down to half the height. A font of height 1 or less has no smaller
// one (none is tried); a height of 0 or below is not a size.
std::vector<FontSize> ShrunkFontSizes(FontSize size);
