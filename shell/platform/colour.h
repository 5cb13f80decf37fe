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
