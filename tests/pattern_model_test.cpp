// The Fresnel pattern screen's pure core: its layout against the worked numbers of a 1920 x 1080 and a
// 1024 x 768 screen, the frame's pixels read back (the dark and the bright centre, the projection circle,
// the plot, the byte order), the fast rendering against the straightforward one, and the screen's texts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "numerics/spectral_ramp.h"
#include "numerics/zone_geometry.h"
#include "screens/pattern/pattern_image.h"
#include "screens/pattern/pattern_layout.h"
#include "screens/pattern/pattern_reference.h"
#include "screens/pattern/pattern_texts.h"
#include "shell/cp1251.h"

namespace {

// The values the screen's controls hold at their starting positions: position times scale. (500e-9
// itself lies just below 500 * 1e-9 and would take the colour of 499 nm.)
constexpr double kLambda = 500 * 1e-9, kA = 2000 * 1e-6, kViewFactor = 1.5;

std::string Text(const LabelTextPtr& label) {
    return std::string(label->text, label->length);
}

// ---- Layout ----------------------------------------------------------------------------------------

TEST(PatternLayout, FullHdScreen) {
    const PatternLayout l = ComputePatternLayout(1920, 1080);
    EXPECT_EQ(l.mx, 38);
    EXPECT_EQ(l.my, 43);
    EXPECT_EQ(l.column_width, 538);
    EXPECT_EQ(l.wp, 768);
    EXPECT_EQ(l.hp, 660);
    EXPECT_EQ(l.size, 660);
    EXPECT_EQ(l.frame_top, 355);
    // Frames at 378 .. 1037 and 1148 .. 1807: gaps of 110 pixels after the 268-pixel button strip.
    EXPECT_EQ(l.comparison_left, 378);
    EXPECT_EQ(l.current_left, 1148);
    EXPECT_EQ(l.current_left - (l.comparison_left + l.size), 110);
    EXPECT_EQ(l.wavelength_bar_x, 76);
    EXPECT_EQ(l.aperture_bar_x, 690);
    EXPECT_EQ(l.distance_bar_x, 1306);
    EXPECT_EQ(l.bar_y, 172);
    EXPECT_EQ(l.bar_height, 54);
    // Each parameter label stands over the centre of its bar.
    EXPECT_EQ(l.wavelength_label_x, 345);
    EXPECT_EQ(l.aperture_label_x, 959);
    EXPECT_EQ(l.distance_label_x, 1575);
    EXPECT_EQ(l.distance_label_x, l.distance_bar_x + l.column_width / 2);
    EXPECT_EQ(l.label_y, 107);
    EXPECT_EQ(l.title_x, 960);
    EXPECT_EQ(l.title_y, 21);
    EXPECT_EQ(l.comparison_caption_x, 708);
    EXPECT_EQ(l.current_caption_x, 1478);
    EXPECT_EQ(l.caption_y, 269);
    EXPECT_EQ(l.separator_y, 269);  // the line runs across the captions' top
    EXPECT_EQ(l.comparison_count_x, 708);
    EXPECT_EQ(l.current_count_x, 1478);
    EXPECT_EQ(l.count_y, 1026);
    EXPECT_EQ(l.description_x, 416);
    EXPECT_EQ(l.symbol_x, 388);
    EXPECT_EQ(l.description_y[0], 355);
    EXPECT_EQ(l.description_y[1], 398);
    EXPECT_EQ(l.description_y[2], 441);
    const PatternRect buttons[] = {l.menu_button, l.projection_button, l.plots_button, l.compare_button};
    const int button_y[] = {950, 657, 506, 355};
    for (int b = 0; b < 4; ++b) {
        EXPECT_EQ(buttons[b].x, 38) << b;
        EXPECT_EQ(buttons[b].y, button_y[b]) << b;
        EXPECT_EQ(buttons[b].width, 230) << b;
        EXPECT_EQ(buttons[b].height, 108) << b;
    }
    EXPECT_EQ(l.page_font_height, 54);
    EXPECT_EQ(l.page_font_width, 19);
    EXPECT_EQ(l.caption_font_height, 54);
    EXPECT_EQ(l.caption_font_width, 25);
    EXPECT_EQ(l.title_font_height, 75);
    EXPECT_EQ(l.title_font_width, 26);
}

TEST(PatternLayout, NarrowScreenCentresTheFramesInTheHeightLeft) {
    // 4:3 is narrower than about 1.52: the width limits the frames, which move down by (Hp - S)/2 = 32.
    const PatternLayout l = ComputePatternLayout(1024, 768);
    EXPECT_EQ(l.mx, 20);
    EXPECT_EQ(l.my, 30);
    EXPECT_EQ(l.column_width, 288);
    EXPECT_EQ(l.wp, 410);
    EXPECT_EQ(l.hp, 474);
    EXPECT_EQ(l.size, 410);
    EXPECT_EQ(l.frame_top, 280);
    EXPECT_EQ(l.comparison_left, 163);
    EXPECT_EQ(l.current_left, 593);
    EXPECT_EQ(l.caption_y, 220);
    EXPECT_EQ(l.caption_y, l.frame_top - 2 * l.my);
    EXPECT_EQ(l.separator_y, 188);
    EXPECT_EQ(l.wavelength_bar_x, 40);
    EXPECT_EQ(l.aperture_bar_x, 368);
    EXPECT_EQ(l.distance_bar_x, 696);
    EXPECT_EQ(l.bar_y, 120);
    EXPECT_EQ(l.bar_height, 38);
    EXPECT_EQ(l.wavelength_label_x, 184);
    EXPECT_EQ(l.aperture_label_x, 512);
    EXPECT_EQ(l.distance_label_x, 840);
    EXPECT_EQ(l.label_y, 75);
    EXPECT_EQ(l.title_x, 512);
    EXPECT_EQ(l.title_y, 15);
    EXPECT_EQ(l.comparison_caption_x, 368);
    EXPECT_EQ(l.current_caption_x, 798);
    EXPECT_EQ(l.count_y, 714);
    EXPECT_EQ(l.symbol_x, 168);
    EXPECT_EQ(l.description_x, 183);
    EXPECT_EQ(l.compare_button.y, 248);
}

// ---- Frame pixels ----------------------------------------------------------------------------------

PatternImage Render(int size, double z, bool projection = false, bool plots = false, double lambda = kLambda,
                    double a = kA) {
    PatternImage image;
    EXPECT_TRUE(ComputePatternImage(size, lambda, a, a / 1000, z, kViewFactor, projection, plots, &image));
    return image;
}

// The bytes of pixel (row, column) as they reach the bitmap: blue, green, red, 0.
const std::uint8_t* PixelBytes(const PatternImage& image, int row, int column) {
    return reinterpret_cast<const std::uint8_t*>(image.pixels.data() + row * image.size + column);
}

TEST(PatternImage, FourOpenZonesLeaveTheCentreDarkAndFiveMakeItTheBrightestPixel) {
    const PatternImage four = Render(400, 2.0);
    EXPECT_NEAR(four.zone_count, 4.0, 1e-12);
    EXPECT_EQ(four.sample_count, 283);  // trunc(0.7071 * 400) + 1
    const std::uint8_t* centre = PixelBytes(four, 200, 200);
    EXPECT_LE(centre[1], 3) << "green of the centre for four open zones";  // level 10 of 1000 at most

    const PatternImage five = Render(400, 1.6);
    EXPECT_NEAR(five.zone_count, 5.0, 1e-12);
    // The full colour of 500 nm is (0, 255, 127), stored blue, green, red, 0.
    const std::uint8_t* bright = PixelBytes(five, 200, 200);
    EXPECT_EQ(bright[0], 127);
    EXPECT_EQ(bright[1], 255);
    EXPECT_EQ(bright[2], 0);
    EXPECT_EQ(bright[3], 0);
    EXPECT_EQ(five.intensities[0], five.maximum) << "the axis is the brightest point of the profile";
    int full = 0;
    for (std::uint32_t pixel : five.pixels) full += pixel == five.pixels[200 * 400 + 200];
    EXPECT_LT(full, 400 * 400 / 100) << "only the central spot is at full brightness";
    EXPECT_NEAR(Render(100, 1.0, false, false, 500e-9, 0.001).zone_count, 2.0, 1e-12);
}

TEST(PatternImage, ProjectionPaintsExactlyTheWholeDistanceOfTheShadowEdge) {
    // size 600: h = 300, and the aperture edge lies at 300 / 1.5 = 200 pixels.
    const PatternImage image = Render(600, 2.0, true);
    int white = 0;
    for (int i = 0; i < 600; ++i) {
        for (int j = 0; j < 600; ++j) {
            const int k = static_cast<int>(std::sqrt(double((i - 300) * (i - 300) + (j - 300) * (j - 300))));
            const bool is_white = image.pixels[i * 600 + j] == kPatternWhite;
            ASSERT_EQ(is_white, k == 200) << "row " << i << " column " << j;
            white += is_white;
        }
    }
    EXPECT_GT(white, 1000);
    // Where the edge falls between whole distances the circle is two pixels wide: 250/1.5 = 166.7.
    const PatternImage wide = Render(500, 2.0, true);
    EXPECT_EQ(wide.pixels[250 * 500 + 250 + 166], kPatternWhite);
    EXPECT_EQ(wide.pixels[250 * 500 + 250 + 167], kPatternWhite);
    EXPECT_NE(wide.pixels[250 * 500 + 250 + 165], kPatternWhite);
    EXPECT_NE(wide.pixels[250 * 500 + 250 + 168], kPatternWhite);
    // Without the switch nothing is white.
    for (std::uint32_t pixel : Render(600, 2.0).pixels) ASSERT_NE(pixel, kPatternWhite);
}

TEST(PatternImage, PlotReachesFortyPercentOfTheHeightAndMirrorsAboutTheCentre) {
    const int size = 600;
    const PatternImage image = Render(size, 1.6, false, true);  // five zones: the maximum is on the axis
    ASSERT_EQ(static_cast<int>(image.plot_points.size()), size);
    int top = size;
    for (int j = 0; j < size; ++j) {
        EXPECT_EQ(image.plot_points[j].x, j);
        EXPECT_LE(image.plot_points[j].y, size);
        top = std::min(top, image.plot_points[j].y);
    }
    EXPECT_EQ(top, size - (4 * size) / 10);
    EXPECT_EQ(image.plot_points[size / 2].y, 360);
    for (int d = 1; d < size / 2; ++d)
        ASSERT_EQ(image.plot_points[size / 2 - d].y, image.plot_points[size / 2 + d].y) << d;
}

TEST(PatternImage, ProfileWithoutAnyLightGivesABlackImageAndAFlatPlot) {
    // A ring width larger than the aperture leaves no ring: every intensity and the maximum are 0, and
    // the brightness would be 0/0. The frame is black and its plot lies on the bottom line y = 120, below
    // the image: of its 3 pixels of width only the top one, the last row, shows.
    PatternImage image;
    ASSERT_TRUE(ComputePatternImage(120, kLambda, kA, 2 * kA, 2.0, kViewFactor, false, true, &image));
    EXPECT_EQ(image.maximum, 0.0);
    for (std::size_t p = 0; p < image.pixels.size(); ++p)
        ASSERT_EQ(image.pixels[p], p >= 119 * 120 ? kPatternWhite : 0u) << p;
    for (const PatternPoint& p : image.plot_points) ASSERT_EQ(p.y, 120);
    EXPECT_EQ(PatternLevel(0.0, 0.0, 1000), 0);
    EXPECT_EQ(PatternLevel(std::nan(""), 1.0, 1000), 0);
}

TEST(PatternImage, PaletteIsTheRampOfTheTruncatedWavelength) {
    // 479e-9 / 1e-9 computes as 478.99999999999994: the frame takes the colour of 478 nm, as the zone
    // pictures of the other screens do for the same control position.
    const PatternImage image = Render(50, 2.0, false, false, 479e-9);
    std::vector<std::uint8_t> ramp(3000);
    numerics::FillSpectralRamp(ramp.data(), 1000, 478);
    EXPECT_EQ(image.palette, ramp);
    EXPECT_EQ(image.palette_size, 1000);
    int below = 0;
    for (int nm = 400; nm <= 700; ++nm) {
        const int picked = PatternNanometres(nm * 1e-9);
        ASSERT_TRUE(picked == nm || picked == nm - 1) << nm;
        below += picked != nm;
    }
    EXPECT_EQ(below, 8);  // 479, 482, 486, 489, 493, 496, 503 and 510 nm
}

// The same bytes again: into a used record, and with the work shared among threads (three, and one more
// than the parts of a small image).
TEST(PatternImage, RenderingAgainOrOnThreadsGivesTheSameBytes) {
    for (int size : {331, 9}) {
        const PatternImage first = Render(size, 3.7, true, true, 612e-9, 0.0027);
        PatternImage second = Render(90, 1.0);  // a used record is recomputed from scratch
        WorkerPool pool(3);
        ASSERT_TRUE(ComputePatternImage(size, 612e-9, 0.0027, 0.0027 / 1000, 3.7, kViewFactor, true, true,
                                        &second, &pool));
        EXPECT_EQ(first.pixels, second.pixels) << size;
        EXPECT_EQ(first.intensities, second.intensities) << size;
        EXPECT_EQ(first.maximum, second.maximum) << size;
    }
    EXPECT_EQ(WorkerPool::LiveWorkers(), 0);  // the pool's threads ended with it
}

// The plot is a white stroke 3 pixels wide: at its peak, the middle of the image, the three rows around
// the peak's point are white and the rows beyond them are not.
TEST(PatternImage, PlotIsAStrokeThreePixelsWide) {
    const PatternImage image = Render(200, 1.6, false, true);  // five zones: the centre is the peak
    const int h = 100, peak = image.plot_points[h].y;
    for (int y = peak - 1; y <= peak + 1; ++y) EXPECT_EQ(image.pixels[y * 200 + h], kPatternWhite) << y;
    EXPECT_NE(image.pixels[(peak - 2) * 200 + h], kPatternWhite);
}

TEST(PatternImage, SizesBelowOneGiveAnEmptyImage) {
    PatternImage image;
    EXPECT_TRUE(ComputePatternImage(0, kLambda, kA, kA / 1000, 2.0, kViewFactor, true, true, &image));
    EXPECT_TRUE(image.pixels.empty());
    EXPECT_TRUE(image.plot_points.empty());
}

struct ParameterSet {
    int size;
    int nm;
    double a, z;
};

const ParameterSet kSets[] = {
    {160, 500, 0.002, 2.0},  {201, 400, 0.001, 1.0},   {250, 700, 0.003, 1.0},
    {317, 555, 0.0015, 7.3}, {240, 433, 0.0029, 10.0},
};

TEST(PatternImage, FastPixelsMatchThePixelByPixelRenderingExactly) {
    for (const ParameterSet& s : kSets) {
        for (bool projection : {false, true}) {
            const PatternImage image = Render(s.size, s.z, projection, false, s.nm * 1e-9, s.a);
            PatternImage reference = image;
            PaintPatternPixelsReference(&reference);
            ASSERT_EQ(image.pixels, reference.pixels) << s.size << " pixels, " << s.nm << " nm";
        }
    }
}

// The brightness level of every pixel, from the image's own profile and the pixel's whole distance.
std::vector<int> PixelLevels(const PatternImage& image) {
    std::vector<int> levels;
    const int h = image.size / 2;
    const double maximum_power = std::pow(image.maximum, 0.7);
    for (int i = 0; i < image.size; ++i) {
        for (int j = 0; j < image.size; ++j) {
            int k = static_cast<int>(std::sqrt(double((i - h) * (i - h) + (j - h) * (j - h))));
            k = std::min(k, image.sample_count - 1);
            levels.push_back(PatternLevel(image.intensities[k], maximum_power, 1000));
        }
    }
    return levels;
}

TEST(PatternImage, AgreesWithTheRenderingFromThePlainRingSum) {
    for (const ParameterSet& s : kSets) {
        const PatternImage image = Render(s.size, s.z, false, true, s.nm * 1e-9, s.a);
        PatternImage reference;
        ComputePatternImageReference(s.size, s.nm * 1e-9, s.a, s.a / 1000, s.z, kViewFactor, false, true,
                                     &reference);
        EXPECT_NEAR(image.maximum, reference.maximum, 1e-12 * reference.maximum);
        const std::vector<int> fast = PixelLevels(image), slow = PixelLevels(reference);
        std::size_t same = 0;
        for (std::size_t p = 0; p < fast.size(); ++p) {
            ASSERT_LE(std::abs(fast[p] - slow[p]), 1) << "pixel " << p;
            same += fast[p] == slow[p];
        }
        EXPECT_GE(same, fast.size() * 999 / 1000) << s.size << " pixels, " << s.nm << " nm";
        for (int j = 0; j < s.size; ++j)
            ASSERT_LE(std::abs(image.plot_points[j].y - reference.plot_points[j].y), 1) << j;
        EXPECT_EQ(image.zone_count, reference.zone_count);
    }
}

// ---- Texts -----------------------------------------------------------------------------------------

std::string Cp1251(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

TEST(PatternTexts, ZoneCountShowsOneDecimalAndRoundsUpJustBelowAWholeNumber) {
    const auto shown = [](double count) {
        return Text(PatternZoneCountLabel(PatternLanguage::kEnglish, count));
    };
    EXPECT_EQ(shown(numerics::OpenZoneCount(0.002, 500e-9, 0.0, 2.0)), "Number of zones = 4.0");
    EXPECT_EQ(shown(3.9999999999999996), "Number of zones = 4.0");
    EXPECT_EQ(shown(3.96), "Number of zones = 4.0");
    EXPECT_EQ(shown(3.95), "Number of zones = 4.0");
    EXPECT_EQ(shown(3.94), "Number of zones = 3.9");
    EXPECT_EQ(shown(2.5), "Number of zones = 2.5");
    EXPECT_EQ(shown(0.4), "Number of zones = 0.4");
    const LabelTextPtr russian = PatternZoneCountLabel(PatternLanguage::kRussian, 3.9999999999999996);
    EXPECT_EQ(Text(russian), Cp1251("Число зон Френеля = 4.0"));
    EXPECT_EQ(russian->length, 20 + 3);
}

TEST(PatternTexts, ZoneCountsThatAreWholeTenthsAreNotPrintedATenthLow) {
    // 2 mm, 500 nm, 2.5 m: 3.2 zones, computed as 3.1999999999999997.
    const double count = numerics::OpenZoneCount(2000 * 1e-6, 500 * 1e-9, 0.0, 2500 * 0.001);
    ASSERT_LT(count, 3.2);
    EXPECT_EQ(Text(PatternZoneCountLabel(PatternLanguage::kEnglish, count)), "Number of zones = 3.2");
    EXPECT_EQ(Text(PatternZoneCountLabel(PatternLanguage::kEnglish, 2.3)), "Number of zones = 2.3");
    EXPECT_EQ(Text(PatternZoneCountLabel(PatternLanguage::kEnglish, 12.3)), "Number of zones = 12.3");
    // Against the exact count um^2 / (nm * mm) in integers, over the controls' positions (every third
    // wavelength, every aperture and distance reached by the arrows); an exact fractional part of 0.95
    // is left out, where the double decides.
    int checked = 0;
    for (long long nm = 400; nm <= 700; nm += 3) {
        for (long long um = 1000; um <= 3000; um += 10) {
            for (long long mm = 1000; mm <= 10000; mm += 100) {
                const long long numerator = um * um, denominator = nm * mm;
                const long long remainder = numerator % denominator;
                if (20 * remainder == 19 * denominator) continue;
                const long long expected = 20 * remainder > 19 * denominator
                                               ? (numerator / denominator + 1) * 10
                                               : 10 * numerator / denominator;
                const double v = numerics::OpenZoneCount(um * 1e-6, nm * 1e-9, 0.0, mm * 0.001);
                ASSERT_EQ(PatternShownZoneTenths(v), expected)
                    << nm << " nm, " << um << " um, " << mm << " mm";
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 1800000);
}

TEST(PatternTexts, ParameterLabelsAtTheStartingPositions) {
    EXPECT_EQ(Text(PatternWavelengthLabel(PatternLanguage::kEnglish, 500)), "Wavelength 500 nm");
    EXPECT_EQ(Text(PatternApertureLabel(PatternLanguage::kEnglish, 2000)), "Radius of aperture 2.00 mm");
    EXPECT_EQ(Text(PatternDistanceLabel(PatternLanguage::kEnglish, 2000)), "Distance to the screen 2.0 m");
    EXPECT_EQ(Text(PatternWavelengthLabel(PatternLanguage::kRussian, 500)), Cp1251("Длина волны 500 нм"));
    EXPECT_EQ(Text(PatternApertureLabel(PatternLanguage::kRussian, 2000)),
              Cp1251("Радиус отверстия 2.00 мм"));
    EXPECT_EQ(Text(PatternDistanceLabel(PatternLanguage::kRussian, 2000)),
              Cp1251("Расстояние до экрана 2.0 м"));
    EXPECT_EQ(PatternDistanceLabel(PatternLanguage::kRussian, 2000)->length, 21 + 3 + 2);
}

TEST(PatternTexts, ParameterLabelsShowTheControlsPositionsExactly) {
    // 1.16 mm and 1.2 m are stored just below themselves; the labels still show the positions' digits.
    EXPECT_EQ(Text(PatternApertureLabel(PatternLanguage::kEnglish, 1160)), "Radius of aperture 1.16 mm");
    EXPECT_EQ(Text(PatternDistanceLabel(PatternLanguage::kEnglish, 1200)), "Distance to the screen 1.2 m");
    char expected[64];
    for (int um = 1000; um <= 3000; ++um) {
        std::snprintf(expected, sizeof expected, "Radius of aperture %d.%02d mm", um / 1000, um % 1000 / 10);
        ASSERT_EQ(Text(PatternApertureLabel(PatternLanguage::kEnglish, um)), expected);
    }
    for (int mm = 1000; mm <= 10000; ++mm) {
        std::snprintf(expected, sizeof expected, "Distance to the screen %d.%d m", mm / 1000,
                      mm % 1000 / 100);
        ASSERT_EQ(Text(PatternDistanceLabel(PatternLanguage::kEnglish, mm)), expected);
    }
}

TEST(PatternTexts, ComparisonLinesShowTheParametersTheFrameWasTakenWith) {
    const PatternLanguage en = PatternLanguage::kEnglish;
    EXPECT_EQ(Text(ComparisonWavelengthLabel(en, 500 * 1e-9)), " = 500 nm");
    EXPECT_EQ(Text(ComparisonRadiusLabel(en, 2000 * 1e-6)), " = 2.0 mm");
    EXPECT_EQ(Text(ComparisonDistanceLabel(en, 2000 * 0.001)), " = 2.0 m");
    EXPECT_EQ(Text(ComparisonWavelengthLabel(PatternLanguage::kRussian, 500e-9)), Cp1251(" = 500 нм"));
    EXPECT_EQ(Text(ComparisonRadiusLabel(PatternLanguage::kRussian, 2e-3)), Cp1251(" = 2.0 мм"));
    EXPECT_EQ(Text(ComparisonDistanceLabel(PatternLanguage::kRussian, 2.0)), Cp1251(" = 2.0 м"));
    // Values that a plain truncation of the double would show one unit low.
    EXPECT_EQ(Text(ComparisonWavelengthLabel(en, 479 * 1e-9)), " = 479 nm");
    EXPECT_EQ(Text(ComparisonRadiusLabel(en, 1300 * 1e-6)), " = 1.3 mm");
    EXPECT_EQ(Text(ComparisonDistanceLabel(en, 1200 * 0.001)), " = 1.2 m");
    char expected[32];
    for (int nm = 400; nm <= 700; ++nm) {
        std::snprintf(expected, sizeof expected, " = %d nm", nm);
        ASSERT_EQ(Text(ComparisonWavelengthLabel(en, nm * 1e-9)), expected);
    }
    for (int um = 1000; um <= 3000; ++um) {
        std::snprintf(expected, sizeof expected, " = %d.%d mm", um / 1000, um % 1000 / 100);
        ASSERT_EQ(Text(ComparisonRadiusLabel(en, um * 1e-6)), expected);
    }
    for (int mm = 1000; mm <= 10000; ++mm) {
        std::snprintf(expected, sizeof expected, " = %d.%d m", mm / 1000, mm % 1000 / 100);
        ASSERT_EQ(Text(ComparisonDistanceLabel(en, mm * 0.001)), expected);
    }
    EXPECT_EQ(PatternTextsFor(en).wavelength_symbol, u'\u03BB');
}

TEST(PatternTexts, StaticLiteralsHaveTheirLengthsInBothLanguages) {
    struct Expected {
        const char* PatternTexts::*field;
        int english, russian;
    };
    const Expected lengths[] = {
        {&PatternTexts::title, 19, 17},           {&PatternTexts::comparison_caption, 20, 14},
        {&PatternTexts::current_caption, 13, 12}, {&PatternTexts::wavelength, 11, 12},
        {&PatternTexts::radius, 19, 17},          {&PatternTexts::distance, 23, 21},
        {&PatternTexts::zone_count, 18, 20},      {&PatternTexts::nanometres, 3, 3},
    };
    for (const Expected& e : lengths) {
        EXPECT_EQ(PatternLabel(PatternTextsFor(PatternLanguage::kEnglish).*e.field)->length, e.english);
        EXPECT_EQ(PatternLabel(PatternTextsFor(PatternLanguage::kRussian).*e.field)->length, e.russian);
    }
    EXPECT_EQ(Text(PatternLabel(PatternTextsFor(PatternLanguage::kRussian).title)),
              Cp1251("Дифракция Френеля"));
    EXPECT_EQ(std::string(PatternTextsFor(PatternLanguage::kEnglish).projection_button),
              "Projection of aperture");
}

}  // namespace
