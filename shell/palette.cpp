// The contrast of two colours, from the sRGB definition of relative luminance.
#include "shell/palette.h"

#include <algorithm>
#include <cmath>

namespace {

double Luminance(ColourTriple c) {
    const auto linear = [](unsigned char channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

}  // namespace

double ContrastRatio(ColourTriple a, ColourTriple b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
