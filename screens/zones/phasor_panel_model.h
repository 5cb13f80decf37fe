// The phasor diagram panel of the axial and the radial screen, without a window: where the panel stands
// on each screen, and the picture of one step. The curve is the ring sum's own running sums (RingPhasor),
// so its resultant squared is the intensity the plot shows: the vibration curve of the lecture's Fresnel
// zones, with each zone's stretch in that zone's colour, ticks at the zone boundaries and the resultant
// as an arrow from the curve's start to its end.
#pragma once

#include <complex>
#include <cstdint>
#include <vector>

#include "numerics/beam_object.h"
#include "numerics/zone_series.h"
#include "screens/zones/screen_types.h"

// The panel on its screen: `box`, with a band for the title at the top and one for the intensity at the
// bottom, and between them the curve, drawn so that the on-axis circle (amplitude 2, intensity 4) has
// `diameter` pixels, starting at `origin` (panel pixels) and turning upwards.
struct PhasorPanelLayout {
    Rect box;
    int text_height;  // of each band; the panel's font is this high
    int diameter;
    Point origin;
};

// Each screen places its panel in its own layout (AxialPhasorPanel, RadialPhasorPanel).
// The panel of a square box: the bands and the circle's place within it.
PhasorPanelLayout PhasorPanelInBox(Rect box);

// The picture of one step, pixel words blue | green << 8 | red << 16 like a pattern frame's.
struct PhasorPicture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    std::vector<Point> curve;    // S_0 .. S_N in panel pixels
    std::vector<int> zone_ends;  // for zone m = 1, 2, ..: the ring at which it ends (phase m*pi), or N
    double intensity = 0;        // the resultant squared: the plot's value
};

// The rings at which zones 1, 2, ... end: the first ring k whose outer edge has the phase m*pi,
// |phase_step| * k^2 >= m*pi; the last zone, partly open, ends at the last ring. A phase step that is 0 or
// not a finite number gives one zone: {N}.
std::vector<int> ZoneEnds(const numerics::RingPhasorSums& phasor);

inline constexpr std::uint32_t kPhasorBackground = 0x00404040;  // the zone picture's dark grey
inline constexpr std::uint32_t kPhasorWhite = 0x00FFFFFF;

// Draws the curve in the zones' colours (odd zones `odd_colour`, even zones `even_colour`, as the zone
// picture paints them), white ticks across it at the zone boundaries and the white resultant arrow, on
// the dark grey of the zone picture.
PhasorPicture DrawPhasorPicture(const PhasorPanelLayout& layout, const numerics::RingPhasorSums& phasor,
                                std::uint32_t odd_colour, std::uint32_t even_colour);
// The same into `picture`, whose pixel storage is kept where it is large enough: a run of steps allocates
// it once. Where it cannot be had the picture is left empty and the failure noted.
void DrawPhasorPicture(const PhasorPanelLayout& layout, const numerics::RingPhasorSums& phasor,
                       std::uint32_t odd_colour, std::uint32_t even_colour, PhasorPicture* picture);

// What the panel shows with an object in the beam at one point of observation.
// - aperture: RingPhasor's sums, to the last bit; the resultant from the curve's start to its end.
// - disc: the curve of the rings the disc covers, in grey as the disc is in the zone picture, and the
//   resultant from its end (the disc's edge) to the free wave's point, about which the open rings wind: on
//   the axis the circle's centre, one radius from every point of the circle.
// - plate: its rings weighted by their clear part, so the curve stands still over the opaque ones while the
//   clear rings' arcs add up. Its k clear rings' arcs keep the curve within 2k of its start whichever way
//   they turn (straight up at the focus, where they add to 2k), so it starts in the middle of the panel
//   and 2k is half the circle's diameter.
struct PhasorView {
    numerics::RingPhasorSums sums;   // the curve (amplitude_scale*S_k), its phase step and the intensity
    bool covered = false;            // the curve is of covered rings: grey
    bool to_free_wave = false;       // the resultant ends at free_wave, from the curve's end
    std::complex<double> free_wave;  // amplitude units, as amplitude_scale*S_k
    double amplitude_span = 2.0;     // the amplitude that `diameter` pixels stand for
    bool centred = false;            // the curve starts in the middle of the circle's place, not at its foot
    bool rounded = false;  // the intensity shown rounded to the hundredth (closed forms: whole numbers)
};
PhasorView ObjectPhasorView(const numerics::DiffractingObject& object, double z, double lambda, double r);

inline constexpr std::uint32_t kPhasorCovered = 0x00909090;  // the curve of the rings a disc covers

// DrawPhasorPicture for a view; for the aperture's view the very pixels of the sums' own picture.
void DrawPhasorPicture(const PhasorPanelLayout& layout, const PhasorView& view, std::uint32_t odd_colour,
                       std::uint32_t even_colour, PhasorPicture* picture);
