// The Fresnel zone picture without a window: where the picture stands on its screen, which zones are open
// from the point of observation at one animation step, the discs that paint them, and the text of the sum
// of their contributions. The axial screen moves the point along the axis (zones centred on the aperture);
// the radial screen moves it across the observation screen (zones centred off the aperture's centre).
#pragma once

#include <cstdint>
#include <vector>

#include "numerics/beam_object.h"
#include "screens/zones/screen_types.h"
#include "shell/text/label_text.h"

// Placement of a square zone picture of side `side` on its screen, and the optical axis drawn from it.
// Each screen places its picture in its own layout (AxialZonePictureGeometry, RadialZonePictureGeometry).
struct ZonePictureGeometry {
    int side;        // picture side S (width and height)
    int x0, y0;      // axis start: the picture's centre on the screen
    int x1, y1;      // axis end: the far end of the drawn optical axis
    int step_count;  // n: steps the point of observation takes, x1 - side - 2*mx
    int left, top;   // the picture's top-left corner on the screen
};

// The aperture disc inside a picture of the given side: the ellipse bounding box (side/12 .. side - side/12).
Box ApertureBox(int side);

// One zone to paint: the disc of zone `zone` (the box [left, right) x [top, bottom) of its outer circle,
// in picture pixels, on the aperture disc's scale), clipped to the aperture when drawn. Odd zones take the
// full colour of the wavelength, even zones the second of three ramp entries.
struct ZoneDisc {
    int zone;
    Box box;
    bool odd() const { return zone % 2 == 1; }
};

// Everything one animation step shows in the zone picture.
struct ZoneStep {
    double distance = 0;            // z of the point of observation
    double offset = 0;              // its distance from the axis (radial screen)
    double open_zones = 0;          // N: zones that cover the aperture from there
    std::vector<ZoneDisc> discs;    // painted in this order: from the outermost zone inwards
    std::vector<double> fractions;  // C_j of the terms of the sum, j = 1, 2, ...
    LabelTextPtr sum_text;          // "E  =  1.00 * E1 - 0.93 * E2 " ...
    double number_of_zones = 0;     // the number of terms; for the disc infinity (its open plane's zones)
    // The object in the beam, for a disc or a plate: the disc covers the aperture's circle and leaves the
    // plane around it open; the plate's rings r_M .. r_1 (outermost first, boxes like the discs', centred in
    // the picture) cover the zones where they are opaque. The terms' zones, which need not be 1, 2, ...
    numerics::BeamObject object = numerics::BeamObject::kAperture;
    std::vector<Box> plate_rings;
    std::vector<int> term_zones;
};

// Axial screen, step k of n: z = (z_max - z_min)*k/n + z_min, zones centred in the picture.
ZoneStep AxialZoneStep(double lambda, double a, double z_min, double z_max, int k, int n, int side);
// The same at the distance z itself (where the run stops at a whole number of zones, between two steps).
ZoneStep AxialZoneStepAt(double lambda, double a, double z, int side);

// Radial screen, step k of n at distance z: the point is k*a/n off the axis; terms stop before the first
// zone less than 1% open.
ZoneStep RadialZoneStep(double lambda, double a, double z, int k, int n, int side);

// The same steps with any object in the beam (the aperture's are AxialZoneStep's and RadialZoneStep's own).
// The zones are the aperture's of the object's radius, seen from the same point; the terms are their open
// parts (ObjectZoneOpenFraction), rounded up near whole numbers as the aperture's:
// - disc: the zones painted out to the picture's corners over the open plane; the terms run from the first
//   zone the disc leaves at least 1% open, through the zones it covers in part, to two wholly open ones, and
//   the sum goes on ("E  =  - 0.06 * E2 + 1.00 * E3 - 1.00 * E4 + ..."); infinitely many zones;
// - plate: every zone that reaches within its radius, opaque rings' 0.00 among them.
// A sum of more than six terms shows the first five and the last ("... - ... + 0.12 * E20 ").
ZoneStep AxialObjectZoneStep(const numerics::DiffractingObject& object, double lambda, double z_min,
                             double z_max, int k, int n, int side);
ZoneStep RadialObjectZoneStep(const numerics::DiffractingObject& object, double lambda, double z, int k,
                              int n, int side);
ZoneStep AxialObjectZoneStepAt(const numerics::DiffractingObject& object, double lambda, double z, int side);
// The picture before a run: the object alone, no zones.
ZoneStep ObjectAlone(const numerics::DiffractingObject& object, int side);

// "E  =  " and the terms (zone, C) in order, each with its zone's sign (+ odd, - even; none before an odd
// first term), the first five and the last where there are more than six, and with `goes_on` the sign of the
// next zone and "..." at the end.
LabelTextPtr ObjectSumText(const std::vector<int>& zones, const std::vector<double>& fractions, bool goes_on);

// The colours of a zone picture, as pixel words blue | green << 8 | red << 16.
struct ZoneColours {
    std::uint32_t surround;    // dark grey around the aperture
    std::uint32_t background;  // the page's colour: the aperture where no zone is open
    std::uint32_t odd,
        even;  // odd zones: the wavelength's full colour; even: the second of three ramp entries
};
ZoneColours ZonePictureColours(double lambda, std::uint32_t background);

// Paints a zone picture of `side` x `side` pixels (rows from the top): the aperture disc (ApertureBox) on the
// surround, and with a step (not null) each of its pixels that a zone disc holds in the colour of the
// innermost disc that holds it, as painting the discs from the outermost inwards would. A pixel belongs to
// a disc, or to the aperture, when its centre lies in the ellipse inscribed in the box. With a disc in the
// beam the open plane is the picture outside ApertureBox and the disc is opaque, in the surround's colour;
// with a plate its opaque rings are, within the aperture's circle.
void PaintZonePicture(std::uint32_t* pixels, int side, const ZoneColours& colours, const ZoneStep* step);

// The wavelength in whole nanometres as the zone colours look it up: lambda/1e-9 truncated, which for
// some wavelengths falls one nanometre short (500 nm -> 499).
int ZoneColourNanometres(double lambda);
