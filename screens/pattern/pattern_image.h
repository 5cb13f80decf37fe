// One frame of the Fresnel pattern screen as pixels: the radial intensity profile behind the object in the
// beam (the circular aperture, the opaque disc or the zone plate), mapped through the spectral ramp of the
// wavelength onto a square image of the circularly symmetric pattern, with the optional white circle of the
// object's geometric shadow edge, the optional intensity plot along the horizontal diameter, and the number
// of Fresnel zones the object's radius spans. Pure: the Windows view puts `pixels` on its picture and prints
// `zone_count`.
//
// The colour scale is the same for every object: a sample's brightness is the 0.7th power of its intensity
// over the brightest sample of the same frame, so the aperture's frames are what they always were. At the
// zone plate's focus the centre is that sample, in the wavelength's full colour, and the rest of the frame
// is dimmed by as much as the plate gathers there ((2k)^2 for k clear rings against the free wave's 1). The
// disc's brightest samples are the fringe just outside its shadow, some third above the free wave at the
// starting values (500 nm, 2 mm, 2 m), so the spot at the shadow's centre, as bright as the free wave,
// shows at four fifths of the scale and the ring of its first zero black.
#pragma once

#include <cstdint>
#include <vector>

#include "numerics/beam_object.h"
#include "shell/platform/worker_pool.h"

// Pixels are stored as 32-bit words blue | green << 8 | red << 16, which in memory are the bytes blue,
// green, red, 0 of a 32-bit device bitmap on a little-endian machine.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixel words are laid out for little-endian bytes");

struct PatternPoint {
    int x;
    int y;
};

struct PatternImage {
    // What the frame was computed for (lengths in metres).
    double wavelength = 0;
    double aperture_radius = 0;  // the object's radius: the aperture's, the disc's, or where the plate is cut
    numerics::BeamObject object = numerics::BeamObject::kAperture;
    numerics::ZonePlate plate;  // the plate's design (its ring radii); read only for the zone plate
    double ring_width = 0;      // the ring sum's delta; the screen passes a/1000
    double distance = 0;
    double view_factor = 0;  // half the image side in aperture radii; the screen passes 1.5
    int size = 0;            // side of the square image in pixels
    bool aperture_projection = false;
    bool plots = false;

    // Radial profile: sample k lies k*r_end/sample_count from the axis, close to k pixels from the centre.
    int sample_count = 0;
    std::vector<double> intensities;  // at least `size` entries; the first sample_count are the profile
    double maximum = 0;               // largest intensity of the profile, 0 if none is positive

    std::vector<std::uint8_t> palette;  // palette_size triplets red, green, blue: near black to full colour
    int palette_size = 0;

    std::vector<std::uint32_t> pixels;      // size * size, row by row from the top
    std::vector<PatternPoint> plot_points;  // size points, set only when `plots` is on
    double zone_count = 0;                  // open Fresnel zones seen from the centre, a^2/(lambda*z)
};

// Number of entries of the brightness palette.
inline constexpr int kPatternPaletteSize = 1000;

// The wavelength in whole nanometres that picks the palette: lambda / 1e-9 truncated. For a few
// positions of the wavelength control the quotient lands just below the whole number (479 nm gives
// 478.99999999999994), and the frame then takes the colour of the nanometre below, one step along the
// spectrum that nobody can see. The zone pictures of the other screens pick their colour the same way,
// so one wavelength shows the same colour everywhere; only printed numbers are rounded.
int PatternNanometres(double lambda);

// Samples of the radial profile for an image of `size` pixels: the half-diagonal in pixels plus one.
int PatternSampleCount(int size);

// Computes the frame into `image` from scratch (its previous contents are replaced). Returns false when
// the intensity series gave no result; the image is completed all the same, and the program should then
// end with exit code 0. A size below 1 gives an empty image.
// Rendering into the same record again reuses its storage. Keep the screen's two records for the life of
// the screen: a new record touches size * size * 4 bytes of fresh memory, and the page faults of that cost
// more than the pixels themselves (about 10 ms for the two 1320-pixel frames of a 3840 x 2160 screen).
// The profile's samples and the pixel rows are shared out among the threads of `pool` when there is one;
// the image is the same to the last bit either way. With the plots on, the plot is drawn into the pixels
// as a white line 3 pixels wide.
bool ComputePatternImage(int size, double lambda, double a, double delta, double z, double view_factor,
                         bool aperture_projection, bool plots, PatternImage* image,
                         WorkerPool* pool = nullptr);
// The same for any object in the beam (its radius in place of a): the aperture's frame to the last bit, the
// disc's and the plate's from their own ring sums (numerics::ObjectRadialProfile) at the same cost.
bool ComputePatternImage(int size, double lambda, const numerics::DiffractingObject& object, double delta,
                         double z, double view_factor, bool aperture_projection, bool plots,
                         PatternImage* image, WorkerPool* pool = nullptr);

// The object a frame was computed for.
numerics::DiffractingObject PatternObject(const PatternImage& image);

// The brightness level, 0 .. palette_size - 1, of an intensity within a profile of the given maximum:
// the 0.7th power of intensity/maximum in thousandths, truncated. A profile whose maximum is 0 (or any
// value that is not a number) maps to level 0, so an all-dark profile gives a black image.
int PatternLevel(double intensity, double maximum_power, int palette_size);

// The palette entry `level` as a pixel word.
std::uint32_t PatternPaletteColour(const std::vector<std::uint8_t>& palette, int level);

// The pixel word of the aperture-projection circle.
inline constexpr std::uint32_t kPatternWhite = 0x00FFFFFF;
