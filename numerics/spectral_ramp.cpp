// Wavelength to spectral colour: piecewise linear bands from violet to red, truncated to bytes.
#include "numerics/spectral_ramp.h"

#include <algorithm>

namespace numerics {

std::uint8_t* FillSpectralRamp(std::uint8_t* row, int count, int wavelength_nm) {
    if (wavelength_nm < 380 || wavelength_nm > 780) return nullptr;
    const double w = wavelength_nm;
    double r = 0.0, g = 0.0, b = 0.0;
    // The falling ramps use 440, 510 and 645 as their zero points although the bands end one below.
    if (wavelength_nm <= 439) {
        r = static_cast<int>((w - 440.0) / -60.0 * 255.0);
        b = 255;
    } else if (wavelength_nm <= 489) {
        g = static_cast<int>((w - 440.0) / 50.0 * 255.0);
        b = 255;
    } else if (wavelength_nm <= 509) {
        g = 255;
        b = static_cast<int>((w - 510.0) / -20.0 * 255.0);
    } else if (wavelength_nm <= 579) {
        r = static_cast<int>((w - 510.0) / 70.0 * 255.0);
        g = 255;
    } else if (wavelength_nm <= 644) {
        r = 255;
        g = static_cast<int>((w - 645.0) / -65.0 * 255.0);
    } else {
        r = 255;
    }
    const double k = 255.0 / std::max(r, std::max(g, b));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i + 1) / count;
        row[3 * i] = static_cast<std::uint8_t>(static_cast<int>(t * r * k));
        row[3 * i + 1] = static_cast<std::uint8_t>(static_cast<int>(t * g * k));
        row[3 * i + 2] = static_cast<std::uint8_t>(static_cast<int>(t * b * k));
    }
    return row;
}

std::uint32_t SpectralColour(int wavelength_nm) {
    std::uint8_t ramp[9];
    if (FillSpectralRamp(ramp, 3, wavelength_nm) == nullptr) return 0;
    return ramp[6] | (ramp[7] << 8) | (static_cast<std::uint32_t>(ramp[8]) << 16);
}

}  // namespace numerics
