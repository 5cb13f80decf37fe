// The axial screen's layout, plot and zone picture against the worked numbers of a 1920 x 1080 and a
// 1024 x 768 screen, and the radial variant of the zone picture.
#include "screens/axial/axial_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numerics/zone_series.h"
#include "screens/axial/phasor_panel_model.h"
#include "screens/axial/zone_picture_model.h"

namespace {

std::string Text(const LabelTextPtr& label) {
    return std::string(label->text, label->length);
}

::testing::AssertionResult At(Point p, int x, int y) {
    if (p.x == x && p.y == y) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << p.x << ", " << p.y << ") instead of (" << x << ", " << y << ")";
}

::testing::AssertionResult Spans(Box b, int left, int top, int right, int bottom) {
    if (b.left == left && b.top == top && b.right == right && b.bottom == bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << b.left << ", " << b.top << ")-(" << b.right << ", " << b.bottom << ")";
}

TEST(AxialLayout, FullHdScreen) {
    const AxialLayout l = ComputeAxialLayout(1920, 1080);
    EXPECT_EQ(l.mx, 38);
    EXPECT_EQ(l.my, 43);
    EXPECT_EQ(l.column, 538);
    EXPECT_EQ(l.band, 467);
    EXPECT_EQ(l.plot_left, 1344);
    EXPECT_EQ(l.zones.side, 467);
    EXPECT_TRUE(At({l.zones.left, l.zones.top}, 111, 484));
    EXPECT_EQ(l.plot.x, 1344);
    EXPECT_EQ(l.plot.y, 398);
    EXPECT_EQ(l.plot.width, 538);
    EXPECT_EQ(l.plot.height, 369);
    EXPECT_TRUE(At({l.start_button.x, l.start_button.y}, 76, 312));
    EXPECT_TRUE(At({l.axis_x, l.axis_y}, 1309, 778));
    // The optical axis and the travel of the point of observation.
    EXPECT_TRUE(At({l.zones.x0, l.zones.y0}, 344, 717));
    EXPECT_TRUE(At({l.zones.x1, l.zones.y1}, 1233, 484));
    EXPECT_EQ(l.travel_origin, 730);
    EXPECT_EQ(l.travel_unit, 167);
    EXPECT_EQ(l.travel_length, 336);
    EXPECT_DOUBLE_EQ(l.theta, std::atan(233.0 / 889.0));
    EXPECT_EQ(l.escapement, 146);
    EXPECT_TRUE(At(l.axis_label, 788, 519));
    // Texts.
    EXPECT_TRUE(At(l.wavelength_label, 345, 107));
    EXPECT_TRUE(At(l.radius_label, 959, 107));
    EXPECT_TRUE(At(l.zone_count_label, 960, 833));
    EXPECT_TRUE(At(l.sum_text, 111, 1014));
    EXPECT_TRUE(At(l.formula_line, 111, 950));
    EXPECT_TRUE(At(l.title, 960, 21));
}

TEST(AxialLayout, MarkersAt600Nanometres) {
    const AxialLayout l = ComputeAxialLayout(1920, 1080);
    EXPECT_TRUE(At(StartMarker(l, 600), 647, 638));
    EXPECT_TRUE(At(ObservationPoint(l, 600, 100, 310), 755, 610));
    EXPECT_TRUE(At(ObservationPoint(l, 600, 0, 310), 647, 638));
    // 400 nm starts at the travel origin, 700 nm three quarters of a travel unit nearer the aperture.
    EXPECT_EQ(StartMarker(l, 400).x, l.travel_origin);
    EXPECT_EQ(StartMarker(l, 700).x, l.travel_origin - static_cast<int>(0.75 * l.travel_unit));
}

TEST(AxialLayout, SmallScreenWhereTheColumnLimitsThePicture) {
    const AxialLayout l = ComputeAxialLayout(1024, 768);
    EXPECT_EQ(l.mx, 20);
    EXPECT_EQ(l.my, 30);
    EXPECT_EQ(l.column, 288);
    EXPECT_EQ(l.band, 340);
    EXPECT_EQ(l.zones.side, 288);
    EXPECT_TRUE(At({l.zones.left, l.zones.top}, 40, 364));
    EXPECT_TRUE(At({l.zones.x0, l.zones.y0}, 184, 508));
    EXPECT_TRUE(At({l.zones.x1, l.zones.y1}, 660, 364));
    EXPECT_EQ(l.travel_origin, 408);
    EXPECT_EQ(l.travel_unit, 84);
    EXPECT_EQ(l.travel_length, 168);
}

TEST(AxialScreen, DistanceRangeFromSixToEightTenthsOfAZone) {
    const DistanceRange r600 = AxialDistanceRange(0.001, 600 * 1e-9);
    EXPECT_NEAR(r600.z_min, 0.2778, 1e-4);
    EXPECT_NEAR(r600.z_max, 2.0833, 1e-4);
    const DistanceRange r400 = AxialDistanceRange(0.001, 400 * 1e-9);
    EXPECT_NEAR(r400.z_min, 0.4167, 1e-4);
    EXPECT_NEAR(r400.z_max, 3.125, 1e-4);
    const DistanceRange r700 = AxialDistanceRange(0.001, 700 * 1e-9);
    EXPECT_NEAR(r700.z_min, 0.2381, 1e-4);
    EXPECT_NEAR(r700.z_max, 1.7857, 1e-4);
}

class AxialPlotAt600 : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const AxialLayout l = ComputeAxialLayout(1920, 1080);
        const DistanceRange r = AxialDistanceRange(0.001, 600 * 1e-9);
        plot_ = new AxialPlotModel(
            ComputeAxialPlot(l.plot.width, l.my, 600 * 1e-9, 0.001, r.z_min, r.z_max, l.plot.height, l.mx));
    }
    static void TearDownTestSuite() { delete plot_; }
    static AxialPlotModel* plot_;
};
AxialPlotModel* AxialPlotAt600::plot_ = nullptr;

TEST_F(AxialPlotAt600, CurveScaledToTheStrip) {
    const AxialPlotModel& p = *plot_;
    EXPECT_EQ(p.m, 310);
    EXPECT_EQ(p.h, 283);
    ASSERT_EQ(p.points.size(), 311u);
    int top = p.h, bottom = 0;
    for (std::size_t i = 0; i < p.points.size(); ++i) {
        EXPECT_EQ(p.points[i].x, static_cast<int>(i));
        top = std::min(top, p.points[i].y);
        bottom = std::max(bottom, p.points[i].y);
    }
    EXPECT_EQ(top, 0);  // the largest intensity
    EXPECT_LE(bottom, p.h - 6);
    // The last sample lies at z_max (0.8 zones): the closed form 4 sin^2(pi*0.8/2), which the ring
    // sum meets there to 4e-6.
    EXPECT_NEAR(p.intensities.back(), 4 * std::pow(std::sin(3.14159265358979 * 0.4), 2), 1e-4);
    EXPECT_EQ(p.intensities[0], numerics::RingSumIntensity(0.001, 1e-6, p.z_min, 600 * 1e-9, 0.0));
}

TEST_F(AxialPlotAt600, RevealedStepByStep) {
    const AxialPlotModel& p = *plot_;
    const AxialPlotStep s0 = AxialPlotAt(p, 0, 310);
    EXPECT_EQ(s0.curve_points, 0);
    EXPECT_EQ(s0.strip_columns, 0);
    EXPECT_TRUE(At(s0.marker, 50, p.points[0].y + 86));
    EXPECT_TRUE(At(s0.start_marker, 50, p.points[0].y + 86));

    const AxialPlotStep s100 = AxialPlotAt(p, 100, 310);
    EXPECT_EQ(s100.shift, 260);
    EXPECT_TRUE(At(s100.strip_origin, 50, 86));
    EXPECT_EQ(s100.curve_points, 100);
    EXPECT_EQ(s100.strip_columns, 100);
    EXPECT_TRUE(At(s100.marker, 150, p.points[99].y + 86));

    const AxialPlotStep end = AxialPlotAt(p, 310, 310);
    EXPECT_EQ(end.strip_columns, 310);
    EXPECT_EQ(end.marker.x, 310 + 50);
}

// The phasor panel's resultant, squared, is the intensity of the sample whose height the marker shows.
TEST_F(AxialPlotAt600, ThePhasorsIntensityIsThePlottedOne) {
    const AxialPlotModel& p = *plot_;
    for (int k : {0, 1, 100, 310}) {
        const int j = AxialPlotAt(p, k, 310).marked_sample;
        EXPECT_EQ(numerics::RingPhasor(p.a, p.a / 1000, AxialSampleDistance(p, j), p.lambda, 0.0).intensity, p.intensities[j])
            << "step " << k;
    }
}

TEST(AxialPlot, CurveStartsFurtherRightForShorterWavelengths) {
    const struct { int nm, left; } cases[] = {{700, 6}, {600, 50}, {400, 137}};
    for (const auto& c : cases) {
        AxialPlotModel p{};
        p.lambda = c.nm * 1e-9;
        p.mx = 38;
        p.height = 369;
        p.h = 283;
        p.m = 310;
        p.points = {{0, 10}};
        EXPECT_EQ(AxialPlotAt(p, 0, 310).strip_origin.x, c.left) << c.nm << " nm";
    }
}

TEST(ZonePicture, AxialSumTextsAt600Nanometres) {
    const DistanceRange r = AxialDistanceRange(0.001, 600 * 1e-9);
    const ZoneStep first = AxialZoneStep(600 * 1e-9, 0.001, r.z_min, r.z_max, 0, 310, 467);
    EXPECT_EQ(Text(first.sum_text),
              "E  =  1.00 * E1 - 1.00 * E2 + 1.00 * E3 - 1.00 * E4 + 1.00 * E5 - 1.00 * E6 ");
    EXPECT_EQ(first.number_of_zones, 6);

    const ZoneStep mid = AxialZoneStep(600 * 1e-9, 0.001, r.z_min, r.z_max, 100, 310, 467);
    EXPECT_NEAR(mid.distance, 0.8602, 1e-4);
    EXPECT_NEAR(mid.open_zones, 1.9375, 1e-4);
    EXPECT_EQ(Text(mid.sum_text), "E  =  1.00 * E1 - 0.93 * E2 ");
    EXPECT_EQ(mid.number_of_zones, 2);
    ASSERT_EQ(mid.discs.size(), 2u);  // outermost first
    EXPECT_EQ(mid.discs[0].zone, 2);
    EXPECT_TRUE(Spans(mid.discs[0].box, 35, 35, 432, 432));
    EXPECT_EQ(mid.discs[1].zone, 1);
    EXPECT_TRUE(mid.discs[1].odd());
    EXPECT_TRUE(Spans(mid.discs[1].box, 93, 93, 374, 374));  // 233.5 -+ 195.5 * 0.7184 mm / 1 mm

    const ZoneStep last = AxialZoneStep(600 * 1e-9, 0.001, r.z_min, r.z_max, 310, 310, 467);
    EXPECT_EQ(Text(last.sum_text), "E  =  0.80 * E1 ");
    EXPECT_EQ(last.number_of_zones, 1);
}

TEST(ZonePicture, AFractionalZoneOpensOnlyAboveOnePercent) {
    // N = a^2/(lambda*z) = 2.005 opens 2 zones; 2.02 opens 3.
    const double lambda = 500e-9, a = 0.001;
    EXPECT_EQ(AxialZoneStep(lambda, a, a * a / (lambda * 2.005), 1.0, 0, 1, 467).number_of_zones, 2);
    EXPECT_EQ(AxialZoneStep(lambda, a, a * a / (lambda * 2.02), 1.0, 0, 1, 467).number_of_zones, 3);
}

TEST(ZonePicture, ApertureDisc) {
    EXPECT_TRUE(Spans(ApertureBox(467), 38, 38, 429, 429));
}

TEST(ZonePicture, RadialStepOffTheAxis) {
    const ZonePictureGeometry g = RadialZonePictureGeometry(1920, 1080);
    EXPECT_EQ(g.side, 451);
    EXPECT_TRUE(At({g.x0, g.y0}, 344, 725));
    EXPECT_EQ(g.x1, 1008);
    EXPECT_EQ(g.y1, 725);
    EXPECT_EQ(g.step_count, 481);
    const double z = 0.002 * 0.002 / (1.5 * 500e-9);
    const ZoneStep s = RadialZoneStep(500 * 1e-9, 0.002, z, 100, 304, 451);
    ASSERT_EQ(s.discs.size(), 3u);
    EXPECT_EQ(s.discs[0].zone, 3);
    // Centred 100/304 of the aperture's radius of 188.5 px right of the picture's centre (225.5, 225.5),
    // zone 3 with the radius 188.5 * sqrt(3 / 1.5).
    EXPECT_TRUE(Spans(s.discs[0].box, 21, -41, 554, 492));
    EXPECT_EQ((s.discs[2].box.left + s.discs[2].box.right) / 2, 287);
    EXPECT_EQ((s.discs[2].box.top + s.discs[2].box.bottom) / 2, 225);
    EXPECT_EQ(Text(s.sum_text), "E  =  0.91 * E1 - 0.45 * E2 + 0.12 * E3 ");
}

// The phasor panel at 1920 x 1080: right of the Reset button, below the separator, the largest square
// that stays above the optical axis with room for the point of observation, at least a fifth of the
// screen's height.
TEST(PhasorPanel, AxialPlaceAtFullHd) {
    const AxialLayout l = ComputeAxialLayout(1920, 1080);
    const PhasorPanelLayout p = AxialPhasorPanel(l);
    EXPECT_EQ(p.box.x, 365 + 249 + 38);
    EXPECT_EQ(p.box.y, 269 + 21);
    EXPECT_EQ(p.box.width, 268);
    EXPECT_EQ(p.box.height, 268);
    EXPECT_GE(p.box.height, 1080 / 5);
    // Its bottom right corner lies 8 pixels above the axis: the observation point's marker passes below.
    const double axis_y = 717 - std::tan(l.theta) * (p.box.x + p.box.width - 344);
    EXPECT_NEAR(axis_y - (p.box.y + p.box.height), 8, 1.5);
}

// The picture: the on-axis circle spans `diameter` pixels upwards from the origin and as much across;
// zone 1 is drawn in the odd colour, zone 2 in the even one; the resultant of two whole zones is short.
TEST(PhasorPanel, OnTheAxisTheCurveIsTheCircleInTheZonesColours) {
    const PhasorPanelLayout p = PhasorPanelInBox({0, 0, 270, 270});
    const double a = 0.001, lambda = 500e-9;
    const numerics::RingPhasorSums two = numerics::RingPhasor(a, a / 1000, a * a / (lambda * 2), lambda, 0.0);
    const PhasorPicture picture = DrawPhasorPicture(p, two, 0x0000FF00, 0x00008000);
    int top = p.origin.y, left = p.origin.x, right = p.origin.x;
    for (const Point& c : picture.curve) top = std::min(top, c.y), left = std::min(left, c.x), right = std::max(right, c.x);
    EXPECT_NEAR(p.origin.y - top, p.diameter, 1);
    EXPECT_NEAR(right - left, p.diameter, 2);
    ASSERT_EQ(picture.zone_ends.size(), 2u);
    EXPECT_EQ(picture.intensity, two.intensity);
    const auto pixel = [&](Point c) { return picture.pixels[static_cast<std::size_t>(c.y) * 270 + c.x]; };
    EXPECT_EQ(pixel(picture.curve[picture.zone_ends[0] / 2]), 0x0000FF00u);
    EXPECT_EQ(pixel(picture.curve[(picture.zone_ends[0] + picture.zone_ends[1]) / 2]), 0x00008000u);
    EXPECT_EQ(pixel({2, 2}), kPhasorBackground);
}

TEST(ZonePicture, ColoursLookUpTruncatedNanometres) {
    for (int nm : {479, 482, 486, 489, 493, 496, 503, 510})
        EXPECT_EQ(ZoneColourNanometres(nm * 1e-9), nm - 1) << nm;
    EXPECT_EQ(ZoneColourNanometres(600 * 1e-9), 600);
    EXPECT_EQ(ZoneColourNanometres(500 * 1e-9), 500);
    EXPECT_EQ(ZoneColourNanometres(5e-7), 499);  // the radial screen's fixed 500 nm
}

}  // namespace
