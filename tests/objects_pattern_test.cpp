// The pattern screen with each object in the beam, without a window: the opaque disc's and the zone plate's
// frames, labels and comparison lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "numerics/object_series.h"
#include "numerics/zone_geometry.h"
#include "numerics/zone_series.h"
#include "screens/pattern/pattern_image.h"
#include "screens/pattern/pattern_labels.h"
#include "screens/pattern/pattern_layout.h"
#include "shell/text/cp1251.h"
#include "tests/pattern_reference.h"
#include "tests/worked_numbers.h"

namespace {

using numerics::BeamObject;
using numerics::DiffractingObject;
using numerics::ZonePlate;

// The screen's frame: its bars' positions times their scales, the ring width a/1000, the view factor 1.5;
// into `image` as it was left (a used record) when one is given.
PatternImage Frame(int size, const DiffractingObject& object, int nm, int mm, bool projection = false,
                   bool plots = false, WorkerPool* pool = nullptr, PatternImage image = {}) {
    EXPECT_TRUE(ComputePatternImage(size, nm * 1e-9, object, object.radius / 1000, mm * 0.001, 1.5,
                                    projection, plots, &image, pool));
    return image;
}
DiffractingObject Object(BeamObject kind, int um, ZonePlate plate = {500 * 1e-9, 2000 * 0.001}) {
    return {kind, um * 1e-6, plate};
}
int Level(const PatternImage& image, int k) {
    return PatternLevel(image.intensities[k], std::pow(image.maximum, 0.7), image.palette_size);
}

// Every object's frame is its own ring sum, sampled about a pixel apart out to the corners (the numerics'
// samples to the last bit, for the aperture its plain RadialProfile's), painted by the aperture's colour law
// exactly as pixel by pixel, with the projection circle at the object's edge (one pixel wide where the edge
// falls on a whole distance, 180/2/1.5, else two); the plot follows the profile, its peak at 40 % of the
// side. On threads, into a used record (a plate's focus of 100), the same frame.
TEST(ObjectsPattern, EveryObjectsFrameIsItsProfileInTheAperturesColours) {
    const struct {
        int size, nm, um, mm;
    } sets[] = {
        {240, 500, 2000, 2000}, {201, 640, 1500, 1300}, {180, 420, 3000, 7300}, {250, 700, 3000, 1000}};
    for (const auto& s : sets) {
        WorkerPool pool(3);
        for (BeamObject kind : {BeamObject::kAperture, BeamObject::kDisc, BeamObject::kZonePlate}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(kind)) + " at " + std::to_string(s.nm));
            const DiffractingObject object = Object(kind, s.um, {s.nm * 1e-9, s.mm * 0.001});
            PatternImage image = Frame(s.size, object, s.nm, s.mm, true, true);
            const int n = image.sample_count;
            ASSERT_EQ(n, static_cast<int>((std::sqrt(2.0) * 0.5) * s.size) + 1);
            const double a = s.um * 1e-6, r_end = a * std::sqrt(2.0) * 1.5;
            std::vector<double> samples(n);
            double maximum = 0;
            numerics::ObjectIntensityOverRadius(n, &maximum, samples.data(), object, a / 1000, s.mm * 0.001,
                                                s.nm * 1e-9, 0.0, r_end);
            ASSERT_EQ(std::vector<double>(image.intensities.begin(), image.intensities.begin() + n), samples);
            EXPECT_EQ(image.maximum, maximum);
            for (int j = 0; j < s.size; ++j) {
                const double rise = (4 * s.size) / 10 * image.intensities[std::abs(j - s.size / 2)] / maximum;
                ASSERT_LE(std::abs(image.plot_points[j].y - (s.size - static_cast<int>(rise))), 1) << j;
            }
            const PatternImage threaded = Frame(s.size, object, s.nm, s.mm, true, true, &pool,
                                                Frame(90, Object(BeamObject::kZonePlate, 3000), 500, 2000));
            EXPECT_EQ(threaded.pixels, image.pixels);
            EXPECT_EQ(threaded.intensities, image.intensities);
            // Without the plot's stroke, the pixels are the plain painting of the profile.
            image = Frame(s.size, object, s.nm, s.mm, true, false);
            const std::vector<std::uint32_t> fast = image.pixels;
            PaintPatternPixelsReference(&image);
            ASSERT_EQ(fast, image.pixels);
        }
    }
    EXPECT_EQ(WorkerPool::LiveWorkers(), 0);
}

// At its focus the zone plate lights the centre with (2k)^2, k its clear rings: the brightest point of the
// frame, in the full colour of the wavelength. The focus moves with the wavelength (f*lambda0/lambda); the
// weaker foci at f/3 are as bright on the axis, and halfway, at f/2, each ring holds two zones that cancel
// and the centre is black. The radius bar cuts the plate: 1.5 mm leaves the first ring and a quarter zone of
// the third, 3 - exp(-i*pi/4) on the axis.
TEST(ObjectsPattern, ThePlatesFocusIsTheBrightestPointOfItsFrame) {
    const ZonePlate made{500 * 1e-9, 2000 * 0.001};
    const struct {
        ZonePlate plate;
        int um, nm, mm;
        double centre;
    } foci[] = {{made, 2000, 500, 2000, 16.0},
                {made, 3000, 500, 2000, 100.0},
                {{500 * 1e-9, 6000 * 0.001}, 3000, 500, 2000, 16.0},  // f/3 of a 6 m plate
                {made, 1500, 500, 2000, std::norm(3.0 - std::polar(1.0, -std::acos(-1.0) / 4))}};
    for (const auto& f : foci) {
        const PatternImage image = Frame(330, Object(BeamObject::kZonePlate, f.um, f.plate), f.nm, f.mm);
        EXPECT_NEAR(image.intensities[0], f.centre, 1e-6 * f.centre) << f.um;
        EXPECT_EQ(image.maximum, image.intensities[0]) << f.um;
        EXPECT_EQ(image.pixels[165 * 330 + 165], PatternPaletteColour(image.palette, 999)) << f.um;
    }
    // At 600 nm the 2 m plate focuses at 5/3 m: the bar's 1667 mm is within a millimetre of it.
    const PatternImage moved = Frame(330, Object(BeamObject::kZonePlate, 2000, made), 600, 1667);
    EXPECT_EQ(moved.maximum, moved.intensities[0]);
    EXPECT_GT(moved.intensities[0], 15.9);
    const PatternImage halfway =
        Frame(330, Object(BeamObject::kZonePlate, 3000, {500 * 1e-9, 6.0}), 500, 3000);
    EXPECT_LT(halfway.intensities[0], 1e-9);
    EXPECT_EQ(halfway.pixels[165 * 330 + 165], PatternPaletteColour(halfway.palette, 0));
}

// The disc at the starting values (500 nm, 2 mm, 2 m): the centre of its shadow is as bright as the free
// wave, at four fifths of the scale (the fringe beside the shadow is the frame's brightest), and the first
// zero of J0(2*pi*a*r/(lambda*z)) around it is black; nothing else in the shadow comes near the spot.
TEST(ObjectsPattern, TheDiscShowsTheBrightSpotInItsShadowAndDarkAroundIt) {
    const int size = 660, h = size / 2;
    const PatternImage image = Frame(size, Object(BeamObject::kDisc, 2000), 500, 2000);
    EXPECT_NEAR(image.intensities[0], 1.0, 1e-12);
    EXPECT_TRUE(image.maximum > 1.2 && image.maximum < 1.5) << image.maximum;
    EXPECT_GE(Level(image, 0), 750);
    const double step = 0.002 * std::sqrt(2.0) * 1.5 / image.sample_count;
    const int zero = static_cast<int>(
        std::lround(2.404825557695773 * 500e-9 * 2.0 / (2 * std::acos(-1.0) * 0.002) / step));
    EXPECT_EQ(zero, 21);
    EXPECT_LT(image.intensities[zero], 0.01);
    EXPECT_LE(Level(image, zero), 20);
    const int edge = h * 2 / 3;  // the shadow's edge, (size/2)/1.5 pixels out
    for (int k = zero; k < edge * 9 / 10; ++k) ASSERT_LT(Level(image, k), Level(image, 0) / 2) << k;
    // The pixels: the spot's colour at the centre; the ring of the zero near black all round.
    const auto brightness = [&](int x, int y) {
        const std::uint32_t p = image.pixels[static_cast<std::size_t>(y) * size + x];
        return std::max({p & 0xFF, p >> 8 & 0xFF, p >> 16 & 0xFF});
    };
    EXPECT_GE(brightness(h, h), 190u);
    for (const auto& [dx, dy] : {std::pair{zero, 0}, {-zero, 0}, {0, zero}, {15, 15}, {-15, -15}})
        EXPECT_LE(brightness(h + dx, h + dy), 10u) << dx << ", " << dy;
}

std::string Lines(const TextSet& texts, const PatternImage& taken, BeamObject current) {
    std::string shown;
    for (const ComparisonLine& line : ComparisonLines(texts, taken, current)) {
        shown += std::to_string(line.row) + (line.right ? "R " : "L ");
        if (line.symbol != 0)
            shown += line.symbol == kWavelengthSymbol ? "l" : std::string(1, char(line.symbol));
        shown += Text(line.text) + "|";
    }
    return shown;
}

// The focus's label for the wavelength shown, to the centimetre; the radius label names the object; the
// comparison's lines are the three of old with the aperture alone, and name the comparison's object (a
// plate's focus for its wavelength) once another object is in play.
TEST(ObjectsPattern, FocusRadiusAndComparisonLines) {
    const TextSet &en = EnglishTexts(), &ru = RussianTexts();
    const ZonePlate made{500 * 1e-9, 2000 * 0.001};
    std::string focus;
    for (int nm : {500, 501, 600, 400})
        focus += Text(PatternFocusLabel(en, numerics::ZonePlateFocalDistance(made, nm * 1e-9))) + "; ";
    EXPECT_EQ(
        focus,
        "Focus of the zone plate 2.00 m; Focus of the zone plate 2.00 m; Focus of the zone plate 1.67 m; "
        "Focus of the zone plate 2.50 m; ");
    EXPECT_EQ(Text(PatternFocusLabel(ru, 17.5)), Utf8ToCp1251("Фокус зонной пластинки 17.50 м"));
    EXPECT_EQ(Text(PatternApertureLabel(en, 1500, 1)) + "; " + Text(PatternApertureLabel(en, 2990, 2)),
              "Radius of the disc 1.50 mm; Radius of the zone plate 2.99 mm");

    PatternImage taken;
    taken.wavelength = 600 * 1e-9;
    taken.aperture_radius = 1500 * 1e-6;
    taken.distance = 1300 * 0.001;
    taken.plate = made;
    const std::string old = "0L l = 600 nm|1L R = 1.5 mm|2L L = 1.3 m|";
    EXPECT_EQ(Lines(en, taken, BeamObject::kAperture), old);
    EXPECT_EQ(Lines(en, taken, BeamObject::kZonePlate), old + "0R aperture|");
    taken.object = BeamObject::kDisc;
    EXPECT_EQ(Lines(en, taken, BeamObject::kAperture), old + "0R opaque disc|");
    taken.object = BeamObject::kZonePlate;
    EXPECT_EQ(Lines(en, taken, BeamObject::kDisc), old + "0R zone plate|1R f = 1.67 m|");
    EXPECT_EQ(Lines(ru, taken, BeamObject::kZonePlate),
              Utf8ToCp1251("0L l = 600 нм|1L R = 1.5 мм|2L L = 1.3 м|0R зонная пластинка|1R f = 1.67 м|"));
}

}  // namespace
