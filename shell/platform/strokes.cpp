// The stroke test in exact integers, at twice the scale.
#include "shell/platform/strokes.h"

#include <algorithm>

namespace {

bool WithinStroke(int x, int y, PixelPoint a, PixelPoint b) {
    const std::int64_t dx = 2 * (b.x - a.x), dy = 2 * (b.y - a.y);
    const std::int64_t px = 2 * (x - a.x) - 1, py = 2 * (y - a.y);
    const std::int64_t length2 = dx * dx + dy * dy, along = px * dx + py * dy;
    if (along <= 0) return px * px + py * py <= 9;
    if (along >= length2) return (px - dx) * (px - dx) + (py - dy) * (py - dy) <= 9;
    const std::int64_t across = px * dy - py * dx;  // the distance times the length
    return across * across <= 9 * length2;
}

}  // namespace

void PaintStroke(std::uint32_t* pixels, int width, int height, PixelPoint a, PixelPoint b,
                 std::uint32_t colour) {
    const int top = std::max(0, std::min(a.y, b.y) - 1),
              bottom = std::min(height - 1, std::max(a.y, b.y) + 1);
    const int left = std::max(0, std::min(a.x, b.x) - 1), right = std::min(width - 1, std::max(a.x, b.x) + 2);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (WithinStroke(x, y, a, b)) pixels[static_cast<std::size_t>(y) * width + x] = colour;
}
