// Every page laid out for every screen a lecture may meet: the projector sizes in full (every control
// and picture on the screen with a positive size, every animation with steps to take, the plots and
// zone pictures of each step within their pictures), and a sweep of widths and heights from 320 to 7680
// for the arithmetic itself (run under the sanitizers, it also proves there is no overflow or division by
// zero on the way).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "screens/axial/axial_model.h"
#include "screens/axial/phasor_panel_model.h"
#include "screens/axial/zone_picture_model.h"
#include "screens/pattern/pattern_layout.h"
#include "screens/radial/radial_model.h"
#include "shell/page_layout.h"
#include "shell/text_set.h"

namespace {

struct Size {
    int width, height;
};

const std::vector<Size> kProjectorSizes = {{640, 480},   {800, 600},   {1024, 768},  {1280, 720},
                                           {1366, 768},  {1920, 1080}, {1920, 1200}, {2560, 1440},
                                           {3840, 2160}, {768, 1024},  {1080, 1920}};

std::string Name(Size s) {
    return std::to_string(s.width) + " x " + std::to_string(s.height);
}

// A rectangle of positive size that lies on the screen.
::testing::AssertionResult OnScreen(Size screen, int x, int y, int width, int height) {
    if (width > 0 && height > 0 && x >= 0 && y >= 0 && x + width <= screen.width &&
        y + height <= screen.height)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << x << ", " << y << ") " << width << " x " << height << " on " << Name(screen);
}

::testing::AssertionResult OnScreen(Size s, const Rect& r) {
    return OnScreen(s, r.x, r.y, r.width, r.height);
}

TEST(LayoutSweep, StartAndAuthorsPagesOnProjectors) {
    for (const TextSet* texts : {&EnglishTexts(), &RussianTexts()}) {
        for (Size s : kProjectorSizes) {
            const StartPageLayout start = ComputeStartPageLayout(s.width, s.height, *texts);
            for (const ButtonPlace& b : start.buttons) EXPECT_TRUE(OnScreen(s, b.x, b.y, b.width, b.height));
            const PageHeaderLayout& h = start.header;
            EXPECT_TRUE(OnScreen(s, h.left_emblem_x, h.emblem_y, h.S, h.S));
            EXPECT_TRUE(OnScreen(s, h.right_emblem_x, h.emblem_y, h.S, h.S));
            for (const FontSize& f : start.fonts) EXPECT_GT(f.height, 0) << Name(s);

            const AuthorsPageLayout authors = ComputeAuthorsPageLayout(s.width, s.height, *texts);
            EXPECT_TRUE(OnScreen(s, authors.menu.x, authors.menu.y, authors.menu.width, authors.menu.height));
            EXPECT_TRUE(OnScreen(s, authors.left_portrait_x, authors.portrait_y, authors.portrait_width,
                                 authors.portrait_height));
            EXPECT_TRUE(OnScreen(s, authors.right_portrait_x, authors.portrait_y, authors.portrait_width,
                                 authors.portrait_height));
        }
    }
}

TEST(LayoutSweep, AxialScreenOnProjectors) {
    for (Size s : kProjectorSizes) {
        const AxialLayout l = ComputeAxialLayout(s.width, s.height);
        for (const Rect& r : {l.menu_button, l.start_button, l.reset_button, l.wavelength_control, l.plot})
            EXPECT_TRUE(OnScreen(s, r));
        EXPECT_TRUE(OnScreen(s, l.zones.left, l.zones.top, l.zones.side, l.zones.side));
        EXPECT_GT(l.theta, 0.0) << Name(s);
        EXPECT_GT(l.travel_length, 0) << Name(s);

        for (int nm : {400, 700}) {
            const DistanceRange r = AxialDistanceRange(0.001, nm * 1e-9);
            const AxialPlotModel plot =
                ComputeAxialPlot(l.plot.width, l.my, nm * 1e-9, 0.001, r.z_min, r.z_max, l.plot.height, l.mx);
            const int n = std::min(plot.m, l.zones.step_count);
            ASSERT_GT(n, 0) << Name(s);
            for (int k : {0, n / 2, n}) {
                const AxialPlotStep step = AxialPlotAt(plot, k, n);
                // The revealed strip and both markers stay inside the plot picture.
                EXPECT_GE(step.strip_origin.x, 0) << Name(s);
                EXPECT_LE(step.strip_origin.x + step.strip_columns, plot.width) << Name(s) << " step " << k;
                EXPECT_GE(step.marker.y - 6, 0) << Name(s);
                EXPECT_LE(step.marker.x + 6, plot.width) << Name(s);
                const Point p = ObservationPoint(l, nm, k, n);
                EXPECT_TRUE(OnScreen(s, p.x - 6, p.y - 6, 12, 12)) << " point of observation, step " << k;
                const ZoneStep zones = AxialZoneStep(nm * 1e-9, 0.001, r.z_min, r.z_max, k, n, l.zones.side);
                EXPECT_GE(zones.number_of_zones, 1) << Name(s);
                EXPECT_LE(zones.number_of_zones, 6) << Name(s);
            }
        }
        // Every run ends on its end state, 0.8 of a zone, at every wavelength the control offers.
        const int n = std::min(l.plot.width - 6 * l.mx, l.zones.step_count);
        for (int nm = 400; nm <= 700; ++nm) {
            const DistanceRange r = AxialDistanceRange(0.001, nm * 1e-9);
            const ZoneStep last = AxialZoneStep(nm * 1e-9, 0.001, r.z_min, r.z_max, n, n, l.zones.side);
            ASSERT_EQ(std::string(last.sum_text->text, last.sum_text->length), "E  =  0.80 * E1 ")
                << Name(s) << ", " << nm << " nm";
        }
    }
}

TEST(LayoutSweep, PatternScreenOnProjectors) {
    for (Size s : kProjectorSizes) {
        const PatternLayout l = ComputePatternLayout(s.width, s.height);
        EXPECT_TRUE(OnScreen(s, l.comparison_left, l.frame_top, l.size, l.size));
        EXPECT_TRUE(OnScreen(s, l.current_left, l.frame_top, l.size, l.size));
        EXPECT_LE(l.comparison_left + l.size, l.current_left) << Name(s);
        for (const PatternRect& b : {l.menu_button, l.projection_button, l.plots_button, l.compare_button})
            EXPECT_TRUE(OnScreen(s, b.x, b.y, b.width, b.height));
        for (int x : {l.wavelength_bar_x, l.aperture_bar_x, l.distance_bar_x})
            EXPECT_TRUE(OnScreen(s, x, l.bar_y, l.column_width, l.bar_height));
    }
}

TEST(LayoutSweep, RadialScreenOnProjectors) {
    const double z = RadialScreenDistance();
    for (Size s : kProjectorSizes) {
        const RadialLayout l = ComputeRadialLayout(s.width, s.height);
        for (const Rect& r : {l.menu_button, l.start_button, l.reset_button}) EXPECT_TRUE(OnScreen(s, r));
        EXPECT_TRUE(OnScreen(s, l.plot_origin.x, l.plot_origin.y, l.plot_width, l.plot_height));
        EXPECT_TRUE(OnScreen(s, l.zone_centre.x - l.side / 2, l.zone_centre.y - l.side / 2, l.side, l.side));
        EXPECT_TRUE(
            OnScreen(s, l.sketch_centre.x - l.side / 2, l.sketch_centre.y - l.side / 2, l.side, l.side));
        const ZonePictureGeometry g = RadialZonePictureGeometry(s.width, s.height);
        const RadialPlotModel plot =
            ComputeRadialPlot(l.plot_width, l.plot_height, l.mx, l.my, kRadialWavelength, kRadialAperture, z);
        const int last = std::min(plot.total_steps, g.step_count);
        ASSERT_GT(last, 0) << Name(s);
        for (int k : {0, last / 2, last}) {
            EXPECT_LE(RadialRevealedWidth(plot, k, last), plot.width) << Name(s);
            const Box point = ObservationPointBox(l, k, last);
            EXPECT_TRUE(OnScreen(s, point.left, point.top, 12, 12)) << "step " << k;
            const Box marker = RadialPlotMarkerBox(l, plot, k, last);
            EXPECT_TRUE(OnScreen(s, marker.left, marker.top, 12, 12)) << "plot marker, step " << k;
            const ZoneStep zones = RadialZoneStep(kRadialWavelength, kRadialAperture, z, k, last, l.side);
            EXPECT_GE(zones.number_of_zones, 1) << Name(s);
            EXPECT_LE(zones.number_of_zones, 6) << Name(s);
        }
    }
}

bool Apart(const Rect& a, const Rect& b) {
    return a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y || b.y + b.height <= a.y;
}

// The phasor panel on every projector: at least a fifth of the screen high, on the screen, below the
// separator line, clear of the zone picture, the plot, the buttons and the wavelength bar, and (on the
// axial screen) above the optical axis and the point of observation travelling along it.
TEST(LayoutSweep, PhasorPanelOnProjectors) {
    for (Size s : kProjectorSizes) {
        const AxialLayout l = ComputeAxialLayout(s.width, s.height);
        const Rect axial = AxialPhasorPanel(l).box;
        EXPECT_GE(axial.height, s.height / 5) << Name(s);
        EXPECT_TRUE(OnScreen(s, axial));
        EXPECT_GT(axial.y, l.separator_y) << Name(s);
        const Rect zones{l.zones.left, l.zones.top, l.zones.side, l.zones.side};
        for (const Rect& r : {zones, l.plot, l.menu_button, l.start_button, l.reset_button, l.wavelength_control})
            EXPECT_TRUE(Apart(axial, r)) << Name(s) << ": the panel covers (" << r.x << ", " << r.y << ")";
        EXPECT_LT(axial.x + axial.width, l.intensity_letter.x) << Name(s);
        for (int x : {axial.x, axial.x + axial.width}) {
            const double axis = l.zones.y0 - std::tan(l.theta) * (x - l.zones.x0);
            EXPECT_LE(axial.y + axial.height + 6, axis) << Name(s) << " at x = " << x;
        }

        const RadialLayout r = ComputeRadialLayout(s.width, s.height);
        const Rect radial = RadialPhasorPanel(r).box;
        EXPECT_GE(radial.height, s.height / 5) << Name(s);
        EXPECT_TRUE(OnScreen(s, radial));
        EXPECT_GT(radial.y, r.band) << Name(s);
        const Rect picture{r.zone_centre.x - r.side / 2, r.zone_centre.y - r.side / 2, r.side, r.side};
        const Rect plot{r.plot_origin.x, r.plot_origin.y, r.plot_width, r.plot_height};
        for (const Rect& o : {picture, plot, r.menu_button, r.start_button, r.reset_button})
            EXPECT_TRUE(Apart(radial, o)) << Name(s) << ": the panel covers (" << o.x << ", " << o.y << ")";
    }
}

// The arithmetic over the whole range of sizes: positive steps to take and pictures to draw on.
TEST(LayoutSweep, EveryWidthAndHeightFrom320To7680) {
    int sizes = 0;
    for (int w = 320; w <= 7680; w += 37) {
        for (int h = 320; h <= 7680; h += 41) {
            ++sizes;
            const AxialLayout a = ComputeAxialLayout(w, h);
            ASSERT_GT(a.zones.side, 0) << w << " x " << h;
            ASSERT_GT(std::min(a.plot.width - 6 * a.mx, a.zones.step_count), 0) << w << " x " << h;
            ASSERT_GT(a.plot.height - 2 * a.my, 6) << w << " x " << h;
            const RadialLayout r = ComputeRadialLayout(w, h);
            ASSERT_GT(r.side, 0) << w << " x " << h;
            ASSERT_GT(std::min(r.plot_width - 6 * r.mx, RadialZonePictureGeometry(w, h).step_count), 0);
            ASSERT_GT(r.plot_height - r.my, 4) << w << " x " << h;
            const PatternLayout p = ComputePatternLayout(w, h);
            ASSERT_GT(p.size, 0) << w << " x " << h;
            ComputeStartPageLayout(w, h, EnglishTexts());
            ComputeAuthorsPageLayout(w, h, RussianTexts());
        }
    }
    EXPECT_GT(sizes, 30000);
}

}  // namespace
