// The smaller font sizes a text is tried in.
#include "shell/text/font_size.h"

#include <algorithm>

std::vector<FontSize> ShrunkFontSizes(FontSize size) {
    std::vector<FontSize> sizes;
    const int smallest = std::max(1, size.height / 2);
    for (int height = size.height - 1; height >= smallest; --height)
        sizes.push_back(
            {height, std::max(1, (size.width * height + size.height / 2) / size.height), size.weight});
    return sizes;
}
