// The two looks of every page: the classic lavender and, for a washed-out projector, white with dark
// curves (key P). Pure: which one is shown is the application's (shell/page_palette.h).
#pragma once

#include "shell/platform/colour.h"

// The colours of the pages around their pictures: the page itself (and the background of the plots and of
// the aperture), its texts and axes, the plots' curves and the optical axis, and the width of those lines.
// The zones, the pattern, the markers and the phasor panel keep their own colours in both.
struct Palette {
    ColourTriple page;
    ColourTriple ink;
    ColourTriple curve;
    int line_width;
};

// The classic look: lavender, black texts and axes, white curves.
constexpr Palette kClassicPalette{kBackgroundColour, kBlack, kWhite, 3};
// For a washed-out projector: white, black texts and axes, dark blue curves, all lines thicker.
constexpr Palette kProjectorPalette{kWhite, kBlack, {0, 0, 150}, 5};

// The contrast ratio of two colours as the Web Content Accessibility Guidelines define it: (L1 + 0.05) /
// (L2 + 0.05) of their relative luminances, the lighter over the darker; from 1 to 21.
double ContrastRatio(ColourTriple a, ColourTriple b);
