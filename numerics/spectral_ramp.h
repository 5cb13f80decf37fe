// The colour of light of a given wavelength, as a ramp of RGB triplets from near black to the full
// spectral colour. Used as a palette (1000 entries) and as a single colour (the last of 3 entries).
#pragma once

#include <cstdint>

namespace numerics {

// Fills count triplets (red, green, blue; bytes 3i .. 3i+2) for a whole wavelength in nanometres.
// Triplet i is (i+1)/count of the full colour, truncated. Returns row, or nullptr (row untouched) when
// the wavelength lies outside 380 .. 780 nm. A count of 0 or less writes nothing.
std::uint8_t* FillSpectralRamp(std::uint8_t* row, int count, int wavelength_nm);

// The full colour of a wavelength packed as a COLORREF-style value: red | green << 8 | blue << 16
// (the last of a ramp of 3). Black outside the visible range.
std::uint32_t SpectralColour(int wavelength_nm);

}  // namespace numerics
