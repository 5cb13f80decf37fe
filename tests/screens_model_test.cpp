// The three screens' pure core: layouts, plots, zone pictures, sums and phasors, animations, pattern pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <string>
#include <vector>

#include "numerics/spectral_ramp.h"
#include "numerics/zone_geometry.h"
#include "numerics/zone_series.h"
#include "screens/axial/axial_animation.h"
#include "screens/axial/axial_model.h"
#include "screens/pattern/pattern_image.h"
#include "screens/pattern/pattern_labels.h"
#include "screens/pattern/pattern_layout.h"
#include "screens/plot_scale.h"
#include "screens/radial/radial_animation.h"
#include "screens/radial/radial_model.h"
#include "screens/zones/phasor_panel_model.h"
#include "screens/zones/zone_picture_model.h"
#include "shell/pages/page_layout.h"
#include "shell/text/cp1251.h"
#include "tests/worked_numbers.h"

namespace {

// ---- Axial screen ------------------------------------------------------------------------------------

std::string Worked(const AxialLayout& l) {
    const ZonePictureGeometry& z = l.zones;
    const PhasorPanelLayout p = AxialPhasorPanel(l);
    return Numbers(l.mx, l.my, l.column, l.plot_left, l.band, l.plot_centre, l.axis_x, l.axis_y,
                   l.menu_button, l.start_button, l.reset_button, l.wavelength_control, l.plot, z.side,
                   z.left, z.top, z.x0, z.y0, z.x1, z.y1, z.step_count, l.title, l.separator_y,
                   l.plot_caption[0], l.plot_caption[1], l.intensity_letter, l.distance_caption[0],
                   l.distance_caption[1], l.zone_caption, l.vertical_axis_top, l.horizontal_axis_tip,
                   l.horizontal_arrow[0], l.horizontal_arrow[1], l.vertical_arrow[0], l.vertical_arrow[1],
                   l.wavelength_label, l.radius_label, l.escapement, l.axis_label, l.incoming_axis_end,
                   l.inner_axis_end, l.arrow_up, l.arrow_down, l.travel_origin, l.travel_unit,
                   l.travel_length, l.sum_text, l.zone_count_label, l.formula_line, p.box, p.text_height,
                   p.diameter, p.origin);
}

// On the full HD screen (its layout's numbers at every size: LayoutSweep) the plot at 600 nm step by step,
// its marker at the sample the phasor panel shows, whose resultant squared is that sample's intensity to the
// last bit.
TEST(AxialScreen, FullHdPlotStepByStep) {
    const AxialLayout l = ComputeAxialLayout(1920, 1080);
    EXPECT_DOUBLE_EQ(l.theta, std::atan(233.0 / 889.0));
    // Markers at 600 nm; 400 nm starts at the travel origin, 700 nm three quarters of a unit nearer.
    EXPECT_EQ(Numbers(StartMarker(l, 600), ObservationPoint(l, 600, 100, 310),
                      ObservationPoint(l, 600, 310, 310), StartMarker(l, 400), StartMarker(l, 700)),
              "(647,638) (755,610) (983,550) (730,616) (605,649)");
    const auto plot = [&](int nm) {
        const DistanceRange r = AxialDistanceRange(0.001, nm * 1e-9);
        return ComputeAxialPlot(l.plot.width, l.my, nm * 1e-9, 0.001, r.z_min, r.z_max, l.plot.height, l.mx);
    };
    const AxialPlotModel p = plot(600);
    int top = p.h, bottom = 0;  // the largest intensity at the top, the smallest 6 pixels above the bottom
    for (std::size_t i = 0; i < p.points.size(); ++i) {
        ASSERT_EQ(p.points[i].x, static_cast<int>(i));
        top = std::min(top, p.points[i].y), bottom = std::max(bottom, p.points[i].y);
    }
    EXPECT_EQ(Numbers(p.m, p.h, p.blank_rows, p.points.size(), top, bottom), "310 283 80 311 0 277");
    // The run goes from six open zones to 0.8 of a zone: 4 sin^2(0.4 pi) at its end.
    EXPECT_NEAR(numerics::OpenZoneCount(0.001, 600e-9, 0.0, p.z_min), 6.0, 1e-12);
    EXPECT_NEAR(p.intensities.back(),
                4 * std::pow(std::sin(static_cast<double>(numerics::kExactPi) * 0.4), 2), 1e-5);
    std::string steps;
    for (int k : {0, 1, 100, 310}) {
        const AxialPlotStep s = AxialPlotAt(p, k, 310);
        steps += Numbers(s.shift, s.curve_points, s.strip_columns, s.strip_origin, s.marker, s.start_marker,
                         s.marked_sample) +
                 "; ";
        EXPECT_EQ(s.marker.y, 86 + p.points[s.marked_sample].y);
        const double z = AxialSampleDistance(p, s.marked_sample);
        EXPECT_EQ(numerics::RingPhasor(p.a, p.a / 1000, z, p.lambda, 0.0).intensity,
                  p.intensities[s.marked_sample]);
    }
    EXPECT_EQ(steps,
              "260 0 0 (50,86) (50,363) (50,363) 0; 260 1 1 (50,86) (51,363) (50,363) 0; 260 100 100 (50,86) "
              "(150,362) (50,363) 99; 260 310 310 (50,86) (360,112) (50,363) 309; ");
    // The curve starts further right for shorter wavelengths.
    for (const auto& [nm, x] : {std::pair{400, 137}, {700, 6}})
        EXPECT_EQ(AxialPlotAt(plot(nm), 0, 310).strip_origin.x, x) << nm;
}

// The zone picture and the sum of contributions at 600 nm: six whole zones at the start, 1.94 in the middle
// (discs from the outermost zone inwards). (0.8 at the end: LayoutSweep.)
TEST(AxialScreen, ZonePictureAndSumTexts) {
    const DistanceRange r = AxialDistanceRange(0.001, 600 * 1e-9);
    EXPECT_EQ(Text(AxialZoneStep(600e-9, 0.001, r.z_min, r.z_max, 0, 310, 467).sum_text),
              "E  =  1.00 * E1 - 1.00 * E2 + 1.00 * E3 - 1.00 * E4 + 1.00 * E5 - 1.00 * E6 ");
    const ZoneStep mid = AxialZoneStep(600 * 1e-9, 0.001, r.z_min, r.z_max, 100, 310, 467);
    ASSERT_EQ(mid.discs.size(), 2u);
    EXPECT_EQ(Numbers(mid.distance, mid.open_zones, Text(mid.sum_text), mid.discs[0].zone, mid.discs[0].box,
                      mid.discs[1].zone, mid.discs[1].box),
              "0.860215 1.9375 E  =  1.00 * E1 - 0.93 * E2  2 [35,35 432,432] 1 [93,93 374,374]");
    // Its picture along the centre row: the surround, then zone 2 from the aperture's edge (its circle lies
    // beyond the aperture), zone 1 from its own box; the aperture's colour only where no zone is open.
    std::vector<std::uint32_t> pixels(467 * 467);
    const ZoneColours colours{0x404040, 0xCDCEFF, 1, 2};
    PaintZonePicture(pixels.data(), 467, colours, &mid);
    std::string edges;
    for (int x = 1; x <= 233; ++x)
        if (pixels[233 * 467 + x] != pixels[233 * 467 + x - 1])
            edges += Numbers(x, pixels[233 * 467 + x]) + "; ";
    EXPECT_EQ(edges, "38 2; 93 1; ");
    PaintZonePicture(pixels.data(), 467, colours, nullptr);
    EXPECT_EQ(Numbers(pixels[233 * 467 + 37], pixels[233 * 467 + 38], pixels[233 * 467 + 233]),
              "4210752 13487871 13487871");
    // N = 2.005 opens 2 zones; 2.02 opens 3: a fractional zone counts from one percent.
    EXPECT_EQ(AxialZoneStep(500e-9, 0.001, 1e-6 / (500e-9 * 2.005), 1.0, 0, 1, 467).number_of_zones, 2);
    EXPECT_EQ(AxialZoneStep(500e-9, 0.001, 1e-6 / (500e-9 * 2.02), 1.0, 0, 1, 467).number_of_zones, 3);
    EXPECT_EQ(Numbers(ApertureBox(467)), "[38,38 429,429]");
    // The colours look up truncated nanometres: 479e-9/1e-9 computes just below 479.
    std::string nanometres;
    for (int nm : {479, 482, 486, 489, 493, 496, 503, 510, 600})
        nanometres += Numbers(ZoneColourNanometres(nm * 1e-9)) + " ";
    EXPECT_EQ(nanometres + Numbers(ZoneColourNanometres(5e-7)), "478 481 485 488 492 495 502 509 600 499");
}

// The phasor picture of two whole zones: the on-axis circle spans `diameter` pixels upwards from the
// origin and as much across, zone 1 in the odd colour, zone 2 in the even one.
TEST(AxialScreen, PhasorPictureIsTheCircleInTheZonesColours) {
    const PhasorPanelLayout p = PhasorPanelInBox({0, 0, 270, 270});
    const numerics::RingPhasorSums two = numerics::RingPhasor(0.001, 1e-6, 1.0, 500e-9, 0.0);
    const PhasorPicture picture = DrawPhasorPicture(p, two, 0x0000FF00, 0x00008000);
    int top = p.origin.y, left = p.origin.x, right = p.origin.x;
    for (const Point& c : picture.curve)
        top = std::min(top, c.y), left = std::min(left, c.x), right = std::max(right, c.x);
    EXPECT_NEAR(p.origin.y - top, p.diameter, 1);
    EXPECT_NEAR(right - left, p.diameter, 2);
    ASSERT_EQ(picture.zone_ends, ZoneEnds(two));
    ASSERT_EQ(picture.zone_ends.size(), 2u);
    EXPECT_EQ(picture.intensity, two.intensity);
    const auto pixel = [&](Point c) { return picture.pixels[static_cast<std::size_t>(c.y) * 270 + c.x]; };
    EXPECT_EQ(pixel(picture.curve[picture.zone_ends[0] / 2]), 0x0000FF00u);
    EXPECT_EQ(pixel(picture.curve[(picture.zone_ends[0] + picture.zone_ends[1]) / 2]), 0x00008000u);
    EXPECT_EQ(pixel({2, 2}), kPhasorBackground);
    // The tick between the zones, at the top of the circle, crosses it upright: diameter/15 each way, and the
    // stroke's half width of 1.5.
    const Point top_of_circle = picture.curve[picture.zone_ends[0]];
    const int tick = p.diameter / 15;
    for (int dy : {-tick - 2, -tick - 1, tick + 1, tick + 2})
        EXPECT_EQ(pixel({top_of_circle.x, top_of_circle.y + dy}) == kPhasorWhite, std::abs(dy) <= tick + 1)
            << dy;
    // One and a half zones: the resultant runs aslant; its head's two strokes are turned 0.45 either way
    // back from the tip, and nothing is drawn past the tip (no tick at the curve's end).
    const PhasorPicture one =
        DrawPhasorPicture(p, numerics::RingPhasor(0.001, 1e-6, 1e-6 / (500e-9 * 1.5), 500e-9, 0.0), 1, 2);
    const std::complex<double> from(one.curve.front().x, one.curve.front().y),
        to(one.curve.back().x, one.curve.back().y);
    const std::complex<double> back = (from - to) / std::abs(from - to) * (0.8 * p.diameter / 10);
    const auto at = [&](std::complex<double> c) {
        return one.pixels[static_cast<std::size_t>(std::lround(c.imag())) * 270 + std::lround(c.real())];
    };
    for (double turn : {-0.45, 0.45}) {
        EXPECT_EQ(at(to + back * std::polar(1.0, turn)), kPhasorWhite) << turn;
        EXPECT_EQ(at(to - back * std::polar(1.0, turn)), kPhasorBackground) << turn;
    }
    const std::complex<double> centre(p.origin.x, p.origin.y - p.diameter / 2.0);
    EXPECT_EQ(at(to - back * 0.7), kPhasorBackground);
    EXPECT_EQ(at(to + (to - centre) / std::abs(to - centre) * (0.7 * p.diameter / 15)), kPhasorBackground);
}

// ---- Radial screen -----------------------------------------------------------------------------------

std::string Worked(const RadialLayout& l) {
    const PhasorPanelLayout p = RadialPhasorPanel(l);
    return Numbers(l.mx, l.my, l.h5, l.h10, l.h88, l.column, l.band, l.free_height, l.side, l.plot_centre,
                   l.plot_width, l.plot_height, l.axis_x, l.axis_y, l.axis_end_x, l.axis_top_y, l.zone_centre,
                   l.sketch_centre, l.menu_button, l.start_button, l.reset_button, l.title,
                   l.wavelength_label, l.radius_label, l.distance_label, l.plot_heading[0], l.plot_heading[1],
                   l.plot_caption[0], l.plot_caption[1], l.intensity_letter, l.horizontal_arrow[0],
                   l.horizontal_arrow[1], l.vertical_arrow[0], l.vertical_arrow[1], l.aperture_caption,
                   l.plot_origin, l.escapement, l.axis_label, l.fresh_axis_end, l.incoming_axis_end,
                   l.inner_axis_end, l.arrow_up, l.arrow_down, l.sum_text, l.zone_count_label, l.screen_label,
                   l.formula_line, p.box, p.text_height, p.diameter, p.origin);
}

// On the full HD screen (its layout's numbers at every size: LayoutSweep) the plot, its markers and the
// zones step by step.
TEST(RadialScreen, FullHdPlotAndZonesStepByStep) {
    const RadialLayout l = ComputeRadialLayout(1920, 1080);
    // The zone picture computes the same centre as its axis start, and the sketch's x as its axis end.
    const ZonePictureGeometry g = RadialZonePictureGeometry(1920, 1080);
    EXPECT_EQ(Numbers(g.side, g.x0, g.y0, g.x1, g.y1, g.step_count), "451 344 725 1008 725 481");
    const RadialPlotModel p = ComputeRadialPlot(l.plot_width, l.plot_height, l.mx, l.my, kRadialWavelength,
                                                kRadialAperture, RadialScreenDistance());
    EXPECT_NEAR(p.z, 0.002 * 0.002 / (1.5 * 500e-9), 1e-12);
    int heights = 0;
    for (const Point& point : p.points) {
        ASSERT_TRUE(point.y >= 0 && point.y <= p.strip_height - 4) << point.x;
        heights += point.y;
    }
    EXPECT_EQ(Numbers(p.n, p.strip_height, p.total_steps, p.points.size(), p.points[0], heights),
              "532 250 304 533 (2,0) 58908");
    std::vector<double> plotted(p.n + 1);
    double maximum;
    numerics::IntensityOverRadius(p.n + 1, &maximum, plotted.data(), p.a, p.a / 1000, p.z, p.lambda, 0.0,
                                  p.a);
    EXPECT_EQ(p.maximum, maximum);  // the plot is scaled to the very values the phasor panel shows
    std::string steps;
    for (int k : {0, 1, 57, 152, 304}) {
        const int j = RadialMarkedSample(p, k, 304);
        steps += Numbers(RadialRevealedWidth(p, k, 304), j, ObservationPointBox(l, k, 304),
                         RadialPlotMarkerBox(l, p, k, 304)) +
                 "; ";
        EXPECT_EQ(numerics::RingPhasor(p.a, p.a / 1000, p.z, p.lambda, RadialSampleRadius(p, j)).intensity,
                  plotted[j]);
    }
    EXPECT_EQ(steps,
              "0 0 [1002,639 1014,651] [1269,521 1281,533]; 1 0 [1002,639 1014,651] [1269,521 1281,533]; 99 "
              "96 [1037,639 1049,651] [1365,614 1377,626]; 266 263 [1096,639 1108,651] [1532,579 1544,591]; "
              "532 529 [1190,639 1202,651] [1798,746 1810,758]; ");
    // Zone 3 seen from 100/304 of the aperture's radius off the axis, the picture's centre (225.5, 225.5).
    const ZoneStep s = RadialZoneStep(500e-9, 0.002, RadialScreenDistance(), 100, 304, 451);
    ASSERT_EQ(s.discs.size(), 3u);
    EXPECT_EQ(Numbers(s.discs[0].zone, s.discs[0].box, s.discs[2].box),
              "3 [21,-41 554,492] [134,72 441,379]");
    EXPECT_EQ(Text(s.sum_text), "E  =  0.91 * E1 - 0.45 * E2 + 0.12 * E3 ");
}

// ---- Animations ----------------------------------------------------------------------------------------

std::string State(const AxialAnimation& a, const AnimationEffects& e) {
    return Numbers(a.k, a.plot_k, a.running, a.wavelength_enabled, int(a.caption), e.draw_step, e.drawn_step,
                   e.start_timer, e.stop_timer, e.caption_changed);
}

// Start draws step 0 and waits, Continue runs, the wavelength stays locked until Reset; a full run draws
// every step once and finishes on "Pause", after which the button does nothing until Reset. A screen made
// again mid-run keeps the run's point, its step scaled to the new step count.
TEST(Animation, AxialStatesThroughAWholeRun) {
    AxialAnimation a;
    AxialRebuilt(a, 310);
    EXPECT_EQ(State(a, AxialPressStart(a)), "1 1 0 1 1 1 0 0 0 1");
    AxialRebuilt(a, 310);  // a wavelength change after Start: ready again, the caption kept
    EXPECT_EQ(State(a, AxialPressStart(a)), "1 1 0 1 1 1 0 0 0 1");
    EXPECT_EQ(State(a, AxialPressStart(a)), "1 1 1 0 2 0 -1 1 0 1");
    EXPECT_EQ(State(a, AxialTick(a)), "2 2 1 0 2 1 1 0 0 0");
    AxialAnimation again;  // the screen made again with 620 steps: at the same point of the run, paused
    AxialRestored(again, a, 620);
    EXPECT_EQ(Numbers(again.k, again.n, again.running, int(again.caption), again.wavelength_enabled),
              "3 620 0 1 0");
    EXPECT_EQ(State(a, AxialPressStart(a)), "2 2 0 0 1 0 -1 0 1 1");
    EXPECT_EQ(State(a, AxialPressStart(a)), "2 2 1 0 2 0 -1 1 0 1");
    int expected = 2;
    AnimationEffects e;
    while ((e = AxialTick(a)).draw_step) ASSERT_EQ(e.drawn_step, expected++);
    EXPECT_EQ(expected, 311);
    EXPECT_EQ(State(a, e), "311 311 1 0 2 0 -1 0 1 1");
    EXPECT_TRUE(AxialFinished(a));
    EXPECT_EQ(State(a, AxialPressStart(a)), "311 311 1 0 2 0 -1 0 0 0");
    EXPECT_EQ(State(a, AxialReset(a)), "-1 -1 0 1 0 0 -1 0 1 1");
    for (const TextSet* t : {&EnglishTexts(), &RussianTexts()})
        EXPECT_EQ(StartCaptionText(*t, StartCaption::kStart) + StartCaptionText(*t, StartCaption::kContinue) +
                      StartCaptionText(*t, StartCaption::kPause),
                  t->start_caption + t->continue_caption + t->pause_caption);
}

// The tick that draws the radial screen's last step ends the run; its step is kept when it is left with
// Menu, restoring redraws it and one press runs on from there.
TEST(Animation, RadialStatesAndTheSavedStep) {
    const auto state = [](const RadialAnimation& a, const AnimationEffects& e) {
        return Numbers(a.k, a.plot_k, a.running, int(a.caption), e.draw_step, e.drawn_step, e.start_timer,
                       e.stop_timer, e.caption_changed, RadialSavedStep());
    };
    RadialSavedStep() = -1;
    RadialAnimation a;
    RadialCreated(a, 304);
    EXPECT_EQ(state(a, RadialPressStart(a)), "1 1 0 1 1 0 0 0 1 -1");
    EXPECT_EQ(state(a, RadialPressStart(a)), "1 1 1 2 0 -1 1 0 1 -1");
    AnimationEffects e;
    int ticks = 0;
    while (!(e = RadialTick(a, 301)).stop_timer) ++ticks;
    EXPECT_EQ(ticks, 303);
    EXPECT_EQ(state(a, e), "304 304 1 2 1 304 0 1 1 304");
    EXPECT_EQ(state(a, RadialPressStart(a)), "304 304 0 1 0 -1 0 1 1 304");
    EXPECT_EQ(state(a, RadialPressStart(a)), "304 304 1 2 0 -1 1 0 1 304");
    EXPECT_EQ(state(a, RadialTick(a, 301)), "304 304 1 2 1 304 0 1 1 304");
    RadialSavedStep() = 57;  // left with Menu at step 57
    RadialAnimation b;
    RadialCreated(b, 304);
    EXPECT_EQ(state(b, RadialTick(b, kRedrawStep)), "57 57 0 0 1 57 0 0 0 57");
    EXPECT_EQ(state(b, RadialPressStart(b)), "57 57 1 2 0 -1 1 0 1 57");
    EXPECT_EQ(state(b, RadialTick(b, 301)), "58 58 1 2 1 57 0 0 0 57");
    EXPECT_EQ(state(b, RadialReset(b)), "-1 -1 0 0 0 -1 0 1 1 -1");
}

// ---- Pattern screen ------------------------------------------------------------------------------------

std::string Worked(const PatternLayout& l) {
    return Numbers(l.mx, l.my, l.column_width, l.wp, l.hp, l.size, l.frame_top, l.comparison_left,
                   l.current_left, l.wavelength_bar_x, l.aperture_bar_x, l.distance_bar_x, l.bar_y,
                   l.bar_height, l.wavelength_label_x, l.aperture_label_x, l.distance_label_x, l.label_y,
                   l.title_x, l.title_y, l.comparison_caption_x, l.current_caption_x, l.caption_y,
                   l.separator_y, l.comparison_count_x, l.current_count_x, l.count_y, l.description_x,
                   l.symbol_x, l.description_y[0], l.description_y[1], l.description_y[2], l.menu_button,
                   l.projection_button, l.plots_button, l.compare_button, l.page_font_height,
                   l.page_font_width, l.caption_font_height, l.caption_font_width, l.title_font_height,
                   l.title_font_width, l.description_right_x, l.focus_x, l.focus_y);
}

// The screen's controls at their starting positions: position times scale (500e-9 itself lies just below
// 500 * 1e-9 and would take the colour of 499 nm).
PatternImage Render(int size, double z, bool projection = false, bool plots = false,
                    double lambda = 500 * 1e-9, double a = 2000 * 1e-6) {
    PatternImage image;
    EXPECT_TRUE(ComputePatternImage(size, lambda, a, a / 1000, z, 1.5, projection, plots, &image));
    return image;
}

// The plot: a white 3-pixel stroke, 40 % of the height at its peak, mirrored about the centre; else nothing
// is white. No ring (one wider than the aperture): a black frame, the plot flat on the bottom row; no image
// for a size below one.
TEST(PatternScreen, PlotAndEdgeCases) {
    const PatternImage plot = Render(600, 1.6, false, true);
    ASSERT_EQ(plot.plot_points.size(), 600u);
    for (int d = 1; d < 300; ++d) ASSERT_EQ(plot.plot_points[300 - d].y, plot.plot_points[300 + d].y) << d;
    const int peak = plot.plot_points[300].y;
    EXPECT_EQ(peak, 600 - 240);
    for (int y = peak - 2; y <= peak + 1; ++y)
        EXPECT_EQ(plot.pixels[y * 600 + 300] == kPatternWhite, y >= peak - 1) << y;
    for (std::uint32_t pixel : Render(600, 2.0).pixels) ASSERT_NE(pixel, kPatternWhite);
    PatternImage image;
    ASSERT_TRUE(ComputePatternImage(120, 500e-9, 0.002, 0.004, 2.0, 1.5, false, true, &image));
    EXPECT_EQ(image.maximum, 0.0);
    for (std::size_t p = 0; p < image.pixels.size(); ++p)
        ASSERT_EQ(image.pixels[p], p >= 119 * 120 ? kPatternWhite : 0u) << p;
    ASSERT_TRUE(ComputePatternImage(0, 500e-9, 0.002, 2e-6, 2.0, 1.5, true, true, &image));
    EXPECT_TRUE(image.pixels.empty() && image.plot_points.empty());
    // The palette is the ramp of the truncated wavelength (479e-9 takes the colour of 478 nm).
    std::vector<std::uint8_t> ramp(3000);
    numerics::FillSpectralRamp(ramp.data(), 1000, 478);
    EXPECT_EQ(Render(50, 2.0, false, false, 479e-9).palette, ramp);
}

// The labels show the controls' positions exactly, though 1.16 mm and 1.2 m are stored just below
// themselves; the zone count rounds up only from .95 and is never printed a tenth low.
TEST(PatternScreen, Labels) {
    const TextSet& en = EnglishTexts();
    EXPECT_EQ(Text(PatternDistanceLabel(RussianTexts(), 2000)) +
                  Text(PatternZoneCountLabel(RussianTexts(), 3.9999999999999996)),
              Utf8ToCp1251("Расстояние до экрана 2.0 мЧисло зон Френеля = 4.0"));
    EXPECT_EQ(Text(PatternWavelengthLabel(en, 500)) + Text(PatternApertureLabel(en, 1160)) +
                  Text(PatternDistanceLabel(en, 1200)),
              "Wavelength 500 nmRadius of aperture 1.16 mmDistance to the screen 1.2 m");
    EXPECT_EQ(Text(ComparisonWavelengthLabel(en, 479 * 1e-9)) + Text(ComparisonRadiusLabel(en, 1300 * 1e-6)) +
                  Text(ComparisonDistanceLabel(en, 1200 * 0.001)) + Text(ComparisonDistanceLabel(en, 10.0)),
              " = 479 nm = 1.3 mm = 1.2 m = 10.0 m");
    std::string shown;  // 3.2 zones for 2 mm, 500 nm and 2.5 m compute as 3.1999999999999997
    for (double count : {3.96, 3.95, 3.94, 0.4, 12.3, 2.3,
                         numerics::OpenZoneCount(2000 * 1e-6, 500 * 1e-9, 0.0, 2500 * 0.001)})
        shown += Text(PatternZoneCountLabel(en, count)) + "; ";
    EXPECT_EQ(shown,
              "Number of zones = 4.0; Number of zones = 4.0; Number of zones = 3.9; Number of zones = 0.4; "
              "Number of zones = 12.3; Number of zones = 2.3; Number of zones = 3.2; ");
}

// ---- Inputs no control reaches ----------------------------------------------------------------------------

// Values no control can set but a caller could pass have defined results (the sanitized build runs this too).
TEST(DefinedResults, ForInputsNoControlReaches) {
    const double nan = std::nan(""), inf = HUGE_VAL;
    std::string fonts;  // no font below height 1; sizes of 0 and below are none
    for (FontSize f : {FontSize{0, 5, 400}, FontSize{-3, 5, 400}, FontSize{1, 1, 400}, FontSize{2, 9, 1},
                       FontSize{5, 2, 1}}) {
        fonts += "|";
        for (const FontSize& s : ShrunkFontSizes(f)) fonts += Numbers(s.height, s.width) + ";";
    }
    EXPECT_EQ(fonts, "||||1 5;|4 2;3 1;2 1;");
    EXPECT_EQ(Numbers(PatternLevel(nan, 1, 1000), PatternLevel(inf, 1, 1000), PatternLevel(-inf, 1, 1000),
                      PatternLevel(1, inf, 1000), PatternLevel(1, nan, 1000)),
              "0 999 0 0 0");
    EXPECT_EQ(Numbers(PlotHeight(nan, 1, 100), PlotHeight(inf, 1, 100), PlotHeight(-1, 1, 100),
                      PlotHeight(1, nan, 100), PlotHeight(1, inf, 100), PlotHeight(0.5, 1, 100)),
              "0 100 0 0 0 50");
    EXPECT_EQ(Text(FixedLabel(2, nan)) + Text(FixedLabel(2, inf)) + Text(FixedLabel(1, -inf)) +
                  Text(FixedLabel(2, 3e9)) + " " + Text(FixedLabel(2, -1.5)) + " " + Text(IntegerLabel(-7)) +
                  " " + Text(PatternZoneCountLabel(EnglishTexts(), nan)),
              "???? -1.50 -7 Number of zones = ?");
    EXPECT_EQ(Numbers(numerics::RingCount(nan, 1), numerics::RingCount(1, 0), numerics::RingCount(-inf, 1),
                      numerics::RingCount(1e300, 1), numerics::RingCount(numerics::kMaxRingCount, 1),
                      numerics::RingCount(numerics::kMaxRingCount + 1.0, 1)),
              "0 0 0 0 1048576 0");
    numerics::RingPhasorSums endless;
    endless.partial_sums.resize(11);
    for (double step : {inf, nan, 0.0}) {
        endless.phase_step = step;
        EXPECT_EQ(ZoneEnds(endless), std::vector<int>{10}) << step;
    }
}

// ---- Every screen size ----------------------------------------------------------------------------------

bool Apart(const Rect& a, const Rect& b) {
    return a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y || b.y + b.height <= a.y;
}

// Every number of the three layouts at every size, pinned at once; the phasor panels at least a fifth of the
// screen high, below the separator, clear of pictures, plot, buttons and bar, the axial one above the optical
// axis and its travelling point; every axial run ends on 0.8 of a zone at every wavelength.
TEST(LayoutSweep, EveryScreenSize) {
    std::string layouts;
    for (const LectureSize& s : kLectureSizes) {
        const AxialLayout l = ComputeAxialLayout(s.width, s.height);
        const RadialLayout rl = ComputeRadialLayout(s.width, s.height);
        layouts += Worked(l) + " | " + Worked(rl) + " " + Numbers(rl.wavelength_control, rl.radius_control) +
                   " | " + Worked(ComputePatternLayout(s.width, s.height)) + "\n";
        const Rect zones{l.zones.left, l.zones.top, l.zones.side, l.zones.side},
            panel = AxialPhasorPanel(l).box;
        EXPECT_TRUE(panel.height >= s.height / 5 && panel.y > l.separator_y &&
                    panel.x + panel.width < l.intensity_letter.x);
        for (const Rect& r :
             {zones, l.plot, l.menu_button, l.start_button, l.reset_button, l.wavelength_control})
            EXPECT_TRUE(Apart(panel, r)) << s.width << " x " << s.height;
        for (int x : {panel.x, panel.x + panel.width})
            EXPECT_LE(panel.y + panel.height + 6, l.zones.y0 - std::tan(l.theta) * (x - l.zones.x0)) << x;
        const int n = std::min(l.plot.width - 6 * l.mx, l.zones.step_count);
        for (int nm = 400; nm <= 700; ++nm) {
            const DistanceRange r = AxialDistanceRange(0.001, nm * 1e-9);
            const ZoneStep last = AxialZoneStep(nm * 1e-9, 0.001, r.z_min, r.z_max, n, n, l.zones.side);
            ASSERT_EQ(Text(last.sum_text), "E  =  0.80 * E1 ") << nm << " nm";
        }
        const Rect radial = RadialPhasorPanel(rl).box,
                   plot{rl.plot_origin.x, rl.plot_origin.y, rl.plot_width, rl.plot_height},
                   sketch{rl.zone_centre.x - rl.side / 2, rl.zone_centre.y - rl.side / 2, rl.side, rl.side};
        EXPECT_TRUE(radial.height >= s.height / 5 && radial.y > rl.band &&
                    radial.y + radial.height <= s.height);
        for (const Rect& o : {sketch, plot, rl.menu_button, rl.start_button, rl.reset_button})
            EXPECT_TRUE(Apart(radial, o)) << s.width << " x " << s.height;
    }
    EXPECT_EQ(Fingerprint(layouts), 11749564546901600891ull) << layouts;
}

}  // namespace
