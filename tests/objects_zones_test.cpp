// The axial and the radial screen with each object in the beam, without a window: the zone pictures, the
// sums of contributions, the phasor diagrams and the plots of the opaque disc and the zone plate, against
// the geometry of zones and rings and the closed forms on the axis, worked out here on their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "numerics/object_series.h"
#include "numerics/zone_geometry.h"
#include "screens/axial/axial_model.h"
#include "screens/radial/radial_model.h"
#include "screens/zones/beam_objects.h"
#include "screens/zones/phasor_panel_model.h"
#include "screens/zones/zone_picture_model.h"
#include "tests/worked_numbers.h"

namespace {

using numerics::BeamObject;
using numerics::DiffractingObject;
constexpr double kPi = static_cast<double>(numerics::kExactPi);
constexpr ZoneColours kColours{0x404040, 0xCDCEFF, 1, 2};

// Every pixel of a picture of `side` against the geometry itself: the object's radius is the aperture disc's
// (side - 2*(side/12))/2 pixels; a pixel centre at rho from the picture's centre and rho_z from the zones'
// centre (s_pixels to the right) is opaque on the disc or on a plate's odd ring band (r_m =
// sqrt(m*lambda0*f)) and otherwise in zone ceil(rho_z^2/(lambda*z)). Pixels off that within a pixel of an
// edge may go either way.
int MisplacedPixels(const ZoneStep& step, const DiffractingObject& o, double lambda, int side) {
    std::vector<std::uint32_t> pixels(side * side);
    PaintZonePicture(pixels.data(), side, kColours, &step);
    const double scale = (side - 2 * (side / 12)) / 2.0 / o.radius;  // pixels per metre
    const double s_pixels = step.offset * scale, z = step.distance;
    int misplaced = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double dx = x + 0.5 - side / 2.0, dy = y + 0.5 - side / 2.0;
            const double rho = std::hypot(dx, dy) / scale, rho_z = std::hypot(dx - s_pixels, dy) / scale;
            std::vector<double> edges = {o.radius};
            int band = 0;
            if (o.kind == BeamObject::kZonePlate)
                for (int m = 1;
                     m * o.plate.design_wavelength * o.plate.focal_length < o.radius * o.radius * 1.001;
                     ++m) {
                    const double r_m = std::sqrt(m * o.plate.design_wavelength * o.plate.focal_length);
                    edges.push_back(r_m);
                    band += rho > r_m;
                }
            const int zone = std::max(1, static_cast<int>(std::ceil(rho_z * rho_z / (lambda * z))));
            const bool opaque =
                o.kind == BeamObject::kDisc ? rho <= o.radius : rho > o.radius || band % 2 == 1;
            const std::uint32_t expected = opaque          ? kColours.surround
                                           : zone % 2 == 1 ? kColours.odd
                                                           : kColours.even;
            if (pixels[y * side + x] == expected) continue;
            double nearest = 1e9;
            for (double e : edges) nearest = std::min(nearest, std::fabs(rho - e) * scale);
            for (int j = std::max(zone - 1, 1); j <= zone; ++j)
                nearest = std::min(nearest, std::fabs(rho_z - std::sqrt(j * lambda * z)) * scale);
            misplaced += nearest > 1.0;
        }
    return misplaced;
}

// The disc covers the middle of the picture and leaves the plane around it open, zoned out to the corners;
// the plate covers its odd ring bands; both to scale at the start, the middle and the end of the axial run
// and across the radial one. The sums: the disc's partly covered zone, the open ones after it and the
// sum going on; the plate's zones each with its clear part, the blocked ones as 0.00.
TEST(ObjectZones, PicturesToScaleAndTheirSums) {
    const double a = 0.001, lambda = 600e-9;
    const DistanceRange r = AxialDistanceRange(a, lambda);
    const DiffractingObject disc{BeamObject::kDisc, a, {}};
    const DiffractingObject plate = ObjectInBeam(BeamObject::kZonePlate, a, AxialZonePlate(a, lambda));
    for (const DiffractingObject& o : {disc, plate})
        for (int k : {0, 100, 310}) {
            const ZoneStep step = AxialObjectZoneStep(o, lambda, r.z_min, r.z_max, k, 310, 467);
            EXPECT_EQ(MisplacedPixels(step, o, lambda, 467), 0) << int(o.kind) << " step " << k;
        }
    // At step 100 two zones less 1/16 cover the disc: zone 2 is open outside it, (2 - 1.9375) of it.
    const ZoneStep mid = AxialObjectZoneStep(disc, lambda, r.z_min, r.z_max, 100, 310, 467);
    EXPECT_EQ(Text(mid.sum_text), "E  =  - 0.06 * E2 + 1.00 * E3 - 1.00 * E4 + ...");
    EXPECT_TRUE(std::isinf(mid.number_of_zones));
    // At the start six whole zones lie under the disc: the sum starts with zone 7.
    EXPECT_EQ(Text(AxialObjectZoneStep(disc, lambda, r.z_min, r.z_max, 0, 310, 467).sum_text),
              "E  =  1.00 * E7 - 1.00 * E8 + ...");
    // From the plate's focus its rings are the zones: the odd ones clear, the even ones blocked.
    const double f = plate.plate.focal_length;
    const ZoneStep focus = AxialObjectZoneStep(plate, lambda, f, r.z_max, 0, 310, 467);
    EXPECT_EQ(Text(focus.sum_text), "E  =  1.00 * E1 - 0.00 * E2 + 1.00 * E3 ");
    EXPECT_EQ(focus.number_of_zones, 3);
    // Halfway to it each ring holds two zones: the sum cancels pairwise.
    EXPECT_EQ(Text(AxialObjectZoneStep(plate, lambda, f / 2, r.z_max, 0, 310, 467).sum_text),
              "E  =  1.00 * E1 - 1.00 * E2 + 0.00 * E3 - 0.00 * E4 + 1.00 * E5 - 1.00 * E6 ");

    // The radial screen: the plate's zones off its centre, the disc's over the open plane.
    const DiffractingObject radial_plate = RadialObject(BeamObject::kZonePlate);
    const DiffractingObject radial_disc = RadialObject(BeamObject::kDisc);
    for (const DiffractingObject& o : {radial_disc, radial_plate})
        for (int k : {0, 100, 304}) {
            const ZoneStep step =
                RadialObjectZoneStep(o, kRadialWavelength, RadialObjectDistance(o), k, 304, 451);
            EXPECT_EQ(MisplacedPixels(step, o, kRadialWavelength, 451), 0) << int(o.kind) << " step " << k;
        }
    const double z = RadialObjectDistance(radial_plate);
    EXPECT_EQ(Text(RadialObjectZoneStep(radial_plate, kRadialWavelength, z, 0, 304, 451).sum_text),
              "E  =  1.00 * E1 - 0.00 * E2 + 1.00 * E3 - 0.00 * E4 + 1.00 * E5 ");
    // At the rim (2a)^2/(lambda*f) = 20 zones reach across the plate: the first five, the rest going on, the
    // last.
    const ZoneStep rim = RadialObjectZoneStep(radial_plate, kRadialWavelength, z, 304, 304, 451);
    const std::string rim_text = Text(rim.sum_text);
    EXPECT_EQ(rim.number_of_zones, 20);
    EXPECT_EQ(rim_text.substr(rim_text.size() - 20),
              " - ... - " + Text(FixedLabel(2, rim.fractions.back())) + " * E20 ")
        << rim_text;
    EXPECT_EQ(std::count(rim_text.begin(), rim_text.end(), '*'), 6) << rim_text;
    // Before a run: the object alone.
    std::vector<std::uint32_t> alone(451 * 451);
    const ZoneStep bare = ObjectAlone(radial_disc, 451);
    PaintZonePicture(alone.data(), 451, kColours, &bare);
    EXPECT_EQ(Numbers(alone[225 * 451 + 225], alone[2], alone[225 * 451 + 10]), "4210752 13487871 13487871");
}

// The disc's resultant on the axis runs from the disc's edge on the circle to its centre: one radius (the
// intensity 1) at every distance of the run, and the arrow's tip stands on the circle's centre. The plate's
// arcs at its focus stand in a row, the curve still over the blocked zone, adding to 2k = 4 (16).
TEST(ObjectZones, PhasorsOfTheDiscAndThePlate) {
    const PhasorPanelLayout panel = PhasorPanelInBox({0, 0, 270, 270});
    const double a = 0.001, lambda = 600e-9;
    const DistanceRange r = AxialDistanceRange(a, lambda);
    const DiffractingObject disc{BeamObject::kDisc, a, {}};
    PhasorPicture picture;
    for (double z : {r.z_min, 0.4, 0.9, 1.3, r.z_max}) {
        const PhasorView view = ObjectPhasorView(disc, z, lambda, 0.0);
        const std::complex<double> edge = view.sums.amplitude_scale * view.sums.partial_sums.back();
        EXPECT_NEAR(std::abs(view.free_wave - edge), 1.0, 1e-4) << z;
        DrawPhasorPicture(panel, view, 1, 2, &picture);
        const Point centre{panel.origin.x, panel.origin.y - panel.diameter / 2};
        EXPECT_EQ(picture.pixels[centre.y * 270 + centre.x], kPhasorWhite) << z;
        EXPECT_NEAR(std::hypot(picture.curve.back().x - centre.x, picture.curve.back().y - centre.y),
                    panel.diameter / 2.0, 1.5)
            << z;
        EXPECT_EQ(picture.pixels[picture.curve[picture.curve.size() / 3].y * 270 +
                                 picture.curve[picture.curve.size() / 3].x],
                  kPhasorCovered);
    }
    const DiffractingObject plate = ObjectInBeam(BeamObject::kZonePlate, a, AxialZonePlate(a, lambda));
    const PhasorView focus = ObjectPhasorView(plate, plate.plate.focal_length, lambda, 0.0);
    EXPECT_NEAR(std::abs(focus.sums.amplitude_scale * focus.sums.partial_sums.back()), 4.0, 1e-5);
    EXPECT_NEAR(focus.sums.intensity, 16.0, 1e-9);
    DrawPhasorPicture(panel, focus, 1, 2, &picture);
    ASSERT_EQ(picture.zone_ends.size(), 3u);
    const Point start = picture.curve.front(), first = picture.curve[picture.zone_ends[0]],
                blocked = picture.curve[picture.zone_ends[1]], end = picture.curve.back();
    // 2k is half the circle's place: each zone's arc climbs a quarter of it, the blocked one not at all.
    EXPECT_EQ(Numbers(start.x, start.y), Numbers(panel.origin.x, panel.origin.y - panel.diameter / 2));
    EXPECT_NEAR(start.y - first.y, panel.diameter / 4.0, 1);
    EXPECT_TRUE(std::abs(first.x - blocked.x) <= 1 && std::abs(first.y - blocked.y) <= 1);
    EXPECT_NEAR(start.y - end.y, panel.diameter / 2.0, 1);
    EXPECT_EQ(end.x, start.x);
}

// The plots: the disc's on the axis is flat on the top row, its top 1. The axial screen's plate (f =
// a^2/(3*lambda0): three rings within 1 mm, two clear) follows its closed form 16 sin^2(theta/2)
// cos^2(theta), theta = pi*f/z, under a top of 16 at its focus. The radial screen's (f = 1.6 m: five rings
// within 2 mm, three clear) shows the focal spot, 36 on the axis, each sample the numerics' own.
TEST(ObjectZones, PlotsScaleToTheObjectsLargestIntensity) {
    const AxialLayout l = ComputeAxialLayout(1920, 1080);
    const double a = 0.001, lambda = 520e-9;
    const DistanceRange r = AxialDistanceRange(a, lambda);
    const AxialPlotModel disc = ComputeAxialObjectPlot(l.plot.width, l.my, {BeamObject::kDisc, a, {}}, lambda,
                                                       r.z_min, r.z_max, l.plot.height, l.mx);
    for (std::size_t i = 0; i < disc.points.size(); ++i) {
        ASSERT_EQ(disc.points[i].y, 0) << i;
        ASSERT_NEAR(disc.intensities[i], 1.0, 1e-12) << i;
    }
    EXPECT_EQ(ScaleTopText(disc.scale_top), "1");
    // The plate was made at 600 nm; at 520 nm its focus stands at f*600/520, still three zones in.
    const numerics::ZonePlate made = AxialZonePlate(a, 600e-9);
    const AxialPlotModel plate =
        ComputeAxialObjectPlot(l.plot.width, l.my, ObjectInBeam(BeamObject::kZonePlate, a, made), lambda,
                               r.z_min, r.z_max, l.plot.height, l.mx);
    EXPECT_NEAR(plate.scale_top, 16.0, 1e-9);
    EXPECT_EQ(ScaleTopText(plate.scale_top), "16");
    int top = plate.h;
    for (std::size_t i = 0; i < plate.points.size(); ++i) {
        const double theta = kPi * (a * a / (3 * lambda)) / AxialSampleDistance(plate, static_cast<int>(i));
        const double expected = 16 * std::pow(std::sin(theta / 2) * std::cos(theta), 2);
        ASSERT_NEAR(plate.intensities[i], expected, 2e-5) << i;
        ASSERT_EQ(plate.points[i].y,
                  plate.h - 6 - static_cast<int>(std::lround((plate.h - 6) * expected / 16)))
            << i;
        top = std::min(top, plate.points[i].y);
    }
    EXPECT_EQ(top, 0);
    // The aperture's plot keeps its own rule and has no top mark.
    EXPECT_EQ(ComputeAxialObjectPlot(l.plot.width, l.my, {BeamObject::kAperture, a, {}}, lambda, r.z_min,
                                     r.z_max, l.plot.height, l.mx)
                  .scale_top,
              0.0);

    const RadialLayout rl = ComputeRadialLayout(1920, 1080);
    const DiffractingObject spot = RadialObject(BeamObject::kZonePlate);
    const RadialPlotModel radial =
        ComputeRadialObjectPlot(rl.plot_width, rl.plot_height, rl.mx, rl.my, spot, kRadialWavelength, 1.6);
    std::vector<double> values(radial.n + 1);
    double maximum = 0;
    numerics::ObjectIntensityOverRadius(radial.n + 1, &maximum, values.data(), spot, 2e-6, 1.6,
                                        kRadialWavelength, 0.0, 0.002);
    for (int i : {0, 10, 40, 200, radial.n})
        EXPECT_EQ(values[i], numerics::ObjectIntensity(spot, 2e-6, 1.6, kRadialWavelength,
                                                       RadialSampleRadius(radial, i)));
    EXPECT_NEAR(values[0], 36.0, 1e-9);
    EXPECT_EQ(Numbers(ScaleTopText(radial.scale_top), radial.points[0].y), "36 0");
    for (int i = 0; i <= radial.n; ++i)
        ASSERT_EQ(radial.points[i].y,
                  radial.strip_height - 4 -
                      static_cast<int>(std::lround((radial.strip_height - 4) * values[i] / values[0])))
            << i;
}

// The radial screen stands at the plate's focus (PicturesToScaleAndTheirSums), for the disc where it stands
// for the aperture. Shown values round to the hundredth where the aperture's truncate.
TEST(ObjectZones, DiscDistanceAndRoundedValues) {
    EXPECT_EQ(RadialObjectDistance(RadialObject(BeamObject::kDisc)), RadialScreenDistance());
    EXPECT_EQ(Numbers(ScaleTopText(35.999999999999), ScaleTopText(2.5), ScaleTopText(0.0),
                      Text(RoundedLabel(1, 1.5999999999999999)), Text(RoundedLabel(2, 2.2799999999999998))),
              "36 2.5  1.6 2.28");
    EXPECT_EQ(
        Numbers(ObjectPlotHeight(0.9999999999999999, 1.0000000000000002, 277), ObjectPlotHeight(0.5, 1, 277),
                ObjectPlotHeight(std::nan(""), 1, 277), ObjectPlotHeight(20, 16, 277)),
        "277 139 0 277");
}

}  // namespace
