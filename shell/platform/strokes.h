// Lines drawn into a picture's pixel words, as GDI's 3-pixel pen draws them (round caps and joins): for
// pictures that are computed as pixels (a pattern frame's plot, the phasor panel), where GDI's wide lines
// would cost milliseconds under Wine.
#pragma once

#include <cstdint>

struct PixelPoint {
    int x;
    int y;
};

// Paints the stroke of a 3-pixel pen along the segment from a to b in `colour`: the pixels for which the
// point half a pixel left of their centre lies within 1.5 pixels of the segment (GDI's rule, to one pixel
// in twenty along the edges). `pixels` is width x height words, row by row; what falls outside is left
// out.
void PaintStroke(std::uint32_t* pixels, int width, int height, PixelPoint a, PixelPoint b,
                 std::uint32_t colour);
