// The radial screen's layout, curve and markers against the worked numbers of 1920 x 1080 and 1024 x 768.
#include "screens/radial/radial_model.h"

#include "numerics/zone_series.h"

#include <gtest/gtest.h>

#include "screens/axial/zone_picture_model.h"

namespace {

::testing::AssertionResult At(Point p, int x, int y) {
    if (p.x == x && p.y == y) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << p.x << ", " << p.y << ") instead of (" << x << ", " << y << ")";
}

TEST(RadialLayout, FullHdScreen) {
    const RadialLayout l = ComputeRadialLayout(1920, 1080);
    EXPECT_EQ(l.mx, 38);
    EXPECT_EQ(l.my, 43);
    EXPECT_EQ(l.h5, 54);
    EXPECT_EQ(l.column, 538);
    EXPECT_EQ(l.band, 242);
    EXPECT_EQ(l.free_height, 451);
    EXPECT_EQ(l.side, 451);
    EXPECT_EQ(l.plot_centre, 1613);
    EXPECT_EQ(l.plot_width, 532);
    EXPECT_EQ(l.plot_height, 293);
    EXPECT_TRUE(At({l.axis_x, l.axis_y}, 1271, 778));
    EXPECT_EQ(l.axis_end_x, 1881);
    EXPECT_EQ(l.axis_top_y, 441);
    EXPECT_TRUE(At(l.zone_centre, 344, 725));
    EXPECT_TRUE(At(l.sketch_centre, 1008, 645));
    EXPECT_TRUE(At({l.start_button.x, l.start_button.y}, 76, 312));
    EXPECT_TRUE(At({l.reset_button.x, l.reset_button.y}, 365, 312));
    EXPECT_EQ(l.start_button.width, 249);
    EXPECT_EQ(l.start_button.height, 108);
    EXPECT_TRUE(At({l.menu_button.x, l.menu_button.y}, 1651, 950));
    EXPECT_EQ(l.menu_button.width, 230);
    EXPECT_TRUE(At(l.aperture_caption, 345, 438));
    // The zone picture computes the same centre as its axis start, and the sketch's x as its axis end.
    const ZonePictureGeometry g = RadialZonePictureGeometry(1920, 1080);
    EXPECT_TRUE(At({g.x0, g.y0}, l.zone_centre.x, l.zone_centre.y));
    EXPECT_EQ(g.x1, l.sketch_centre.x);
    EXPECT_EQ(g.side, l.side);
}

TEST(RadialLayout, SmallScreen) {
    const RadialLayout l = ComputeRadialLayout(1024, 768);
    EXPECT_EQ(l.mx, 20);
    EXPECT_EQ(l.my, 30);
    EXPECT_EQ(l.column, 288);
    EXPECT_EQ(l.band, 169);
    EXPECT_EQ(l.side, 288);
    EXPECT_EQ(l.plot_centre, 860);
    EXPECT_EQ(l.plot_width, 280);
    EXPECT_EQ(l.plot_height, 216);
    EXPECT_TRUE(At({l.axis_x, l.axis_y}, 680, 555));
}

class RadialPlotFullHd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const RadialLayout l = ComputeRadialLayout(1920, 1080);
        plot_ =
            new RadialPlotModel(ComputeRadialPlot(l.plot_width, l.plot_height, l.mx, l.my, kRadialWavelength,
                                                  kRadialAperture, RadialScreenDistance()));
    }
    static void TearDownTestSuite() { delete plot_; }
    static RadialPlotModel* plot_;
};
RadialPlotModel* RadialPlotFullHd::plot_ = nullptr;

TEST_F(RadialPlotFullHd, SamplesAndSteps) {
    const RadialPlotModel& p = *plot_;
    EXPECT_NEAR(p.z, 5.3333, 1e-4);
    EXPECT_EQ(p.n, 532);
    EXPECT_EQ(p.strip_height, 250);
    EXPECT_EQ(p.total_steps, 304);
    EXPECT_EQ(p.points.size(), 533u);
    EXPECT_EQ(RadialRevealedWidth(p, 152, 304), 266);
    EXPECT_EQ(RadialRevealedWidth(p, 304, 304), 532);
}

// The phasor panel's resultant, squared, is the intensity of the sample the plot marker rides on.
TEST_F(RadialPlotFullHd, ThePhasorsIntensityIsThePlottedOne) {
    const RadialPlotModel& p = *plot_;
    std::vector<double> plotted(p.n + 1);
    double maximum;
    numerics::IntensityOverRadius(p.n + 1, &maximum, plotted.data(), p.a, p.a / 1000, p.z, p.lambda, 0.0, p.a);
    for (int k : {0, 1, 57, 152, 304}) {
        const int j = RadialMarkedSample(p, k, 304);
        EXPECT_EQ(numerics::RingPhasor(p.a, p.a / 1000, p.z, p.lambda, RadialSampleRadius(p, j)).intensity, plotted[j])
            << "step " << k;
    }
}

TEST_F(RadialPlotFullHd, CurveFallsToAMinimumAndRisesToALowerMaximum) {
    const std::vector<Point>& pts = plot_->points;
    const int hc = plot_->strip_height;
    // On the axis one and a half zones are open: the largest intensity of the whole range, at the top.
    EXPECT_EQ(pts[0].y, 0);
    EXPECT_EQ(pts[0].x, 2);
    for (const Point& p : pts) {
        EXPECT_GE(p.y, 0);
        EXPECT_LE(p.y, hc - 4);
    }
    std::size_t i = 1;
    while (i < pts.size() && pts[i].y >= pts[i - 1].y) ++i;  // falling (y grows) to the minimum
    const std::size_t minimum = i - 1;
    while (i < pts.size() && pts[i].y <= pts[i - 1].y) ++i;  // rising to the second maximum
    const std::size_t second = i - 1;
    EXPECT_GT(minimum, 10u);
    EXPECT_LT(second, pts.size() - 10);
    EXPECT_GT(pts[minimum].y, pts[second].y);
    EXPECT_GT(pts[second].y, 0) << "the second maximum is lower than the first";
}

TEST_F(RadialPlotFullHd, MarkersTravelWithTheStep) {
    const RadialLayout l = ComputeRadialLayout(1920, 1080);
    const Box start = ObservationPointBox(l, 0, 304);
    const Box end = ObservationPointBox(l, 304, 304);
    EXPECT_EQ(start.left + 6, 1008);
    EXPECT_EQ(end.left + 6, 1196);
    EXPECT_EQ(end.top + 6, 645);
    // The plot marker rides on the last revealed sample: at step 152 the columns 0 .. 265 of the curve
    // strip are shown, and sample 263 stands in column 265, at x = 1273 + 265 on the screen.
    ASSERT_EQ(RadialRevealedWidth(*plot_, 152, 304), 266);
    const Box marker = RadialPlotMarkerBox(l, *plot_, 152, 304);
    EXPECT_EQ(marker.left + 6, 1538);
    EXPECT_EQ(marker.top + 6, plot_->points[263].y + 54 + 11 * 43);
    EXPECT_EQ(RadialPlotMarkerBox(l, *plot_, 0, 304).left + 6, 1273 + plot_->points[0].x);
}

}  // namespace
