// The colour triple that surfaces, plots and zone pictures are filled and drawn with, and the background
// colour shared by every page. Pure: the platform layer turns a triple into a GDI colour.
#pragma once

struct ColourTriple {
    unsigned char red;
    unsigned char green;
    unsigned char blue;
};

inline bool operator==(ColourTriple a, ColourTriple b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}
inline bool operator!=(ColourTriple a, ColourTriple b) {
    return !(a == b);
}

// The pale lavender behind every page and picture.
constexpr ColourTriple kBackgroundColour{205, 206, 255};
constexpr ColourTriple kBlack{0, 0, 0};
constexpr ColourTriple kWhite{255, 255, 255};

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
