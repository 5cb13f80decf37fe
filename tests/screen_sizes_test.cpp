// Every page on every screen size a lecture may meet, under Wine: each page is opened at one size and
// reaches the next by a display change while it is open, then shows that it covers the screen with all
// its controls inside, that every surface it holds is a real bitmap of a positive size, that its
// animation or its controls work to the end, and that "Menu" leaves the object and window counts where
// the start page had them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "screens/axial/axial_screen.h"
#include "screens/axial/axial_screen_state.h"
#include "screens/pattern/pattern_screen.h"
#include "screens/radial/radial_screen.h"
#include "screens/radial/radial_screen_state.h"
#include "shell/application.h"
#include "shell/start_page.h"
#include "shell/text_set.h"
#include "tests/display_sizes.h"
#include "tests/page_driver.h"

namespace {

constexpr int kAuthorsButton = 201, kPatternButton = 203, kAxialButton = 204, kRadialButton = 213;
constexpr int kAuthorsMenu = 205;
constexpr int kPatternMenu = 206, kProjection = 207, kPlots = 208, kCompare = 209;
constexpr int kAxialMenu = 210, kAxialStart = 211, kAxialReset = 212;
constexpr int kRadialMenu = 214, kRadialStart = 215, kRadialReset = 216;
constexpr ColourTriple kGreen{0, 255, 0}, kOrange600{255, 176, 0};

// A surface that exists as a bitmap of exactly the expected positive size, in a drawing context.
::testing::AssertionResult Sound(const Surface* surface, int width, int height) {
    if (surface == nullptr) return ::testing::AssertionFailure() << "no surface";
    if (width <= 0 || height <= 0)
        return ::testing::AssertionFailure() << "an empty surface is asked for: " << width << " x " << height;
    if (surface->width != width || surface->height != height)
        return ::testing::AssertionFailure()
               << surface->width << " x " << surface->height << " instead of " << width << " x " << height;
    if (surface->context == nullptr || surface->bitmap == nullptr)
        return ::testing::AssertionFailure() << "no context or no bitmap";
    BITMAP bitmap{};
    if (GetObjectW(surface->bitmap, sizeof bitmap, &bitmap) == 0 || bitmap.bmWidth != width ||
        bitmap.bmHeight != height)
        return ::testing::AssertionFailure()
               << "the bitmap is " << bitmap.bmWidth << " x " << bitmap.bmHeight;
    return ::testing::AssertionSuccess();
}

BOOL CALLBACK CollectChild(HWND child, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    return TRUE;
}

// The page covers the screen, and each of its controls (hidden ones too) lies inside it with a positive
// size. The page sits at (0, 0) without a frame, so screen and page coordinates are the same.
void ExpectLaidOutFor(HWND page, DisplaySize size) {
    ASSERT_NE(page, nullptr);
    RECT r{};
    GetWindowRect(page, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, size.width);
    EXPECT_EQ(r.bottom, size.height);
    std::vector<HWND> children;
    EnumChildWindows(page, CollectChild, reinterpret_cast<LPARAM>(&children));
    EXPECT_GE(children.size(), 1u);  // the authors page has its Menu button only
    for (HWND child : children) {
        RECT c{};
        GetWindowRect(child, &c);
        EXPECT_TRUE(c.left >= 0 && c.top >= 0 && c.right <= size.width && c.bottom <= size.height &&
                    c.right > c.left && c.bottom > c.top)
            << "control " << GetDlgCtrlID(child) << " at (" << c.left << ", " << c.top << ") - (" << c.right
            << ", " << c.bottom << ")";
    }
}

// Distances from the centre of a square picture, along the row through its centre and to the right, at
// which the colour changes: the edges of the zones painted around that centre, then the aperture's.
std::vector<double> ColourEdgesRightOfCentre(const Surface* picture) {
    const int side = picture->width, centre = side / 2;
    std::vector<double> edges;
    ColourTriple previous = SurfacePixel(picture, centre, centre);
    for (int x = centre + 1; x < side; ++x) {
        const ColourTriple c = SurfacePixel(picture, x, centre);
        if (!(c == previous)) edges.push_back(x - side / 2.0);
        previous = c;
    }
    return edges;
}

// Zones drawn to scale: the edge of zone m lies at sqrt(m/N) of the aperture's radius (N zones cover the
// aperture), within 2 % or a pixel, and the aperture's edge comes last.
void ExpectZonesToScale(const Surface* picture, double covering_zones, int full_zones) {
    const std::vector<double> edges = ColourEdgesRightOfCentre(picture);
    ASSERT_EQ(static_cast<int>(edges.size()), full_zones + 1) << "zone edges and the aperture's edge";
    const double aperture = (picture->width - 2 * (picture->width / 12)) / 2.0;
    EXPECT_NEAR(edges.back(), aperture, 1.0) << "the aperture's edge";
    for (int m = 1; m <= full_zones; ++m) {
        const double expected = aperture * std::sqrt(m / covering_zones);
        EXPECT_NEAR(edges[m - 1], expected, std::max(0.02 * expected, 1.0)) << "zone " << m;
    }
}

// The row of the middle of the white line that crosses column x near row y (NaN if none is there).
double WhiteLineRow(const Surface* frame, int x, int y) {
    double sum = 0;
    int rows = 0;
    for (int row = y - 12; row <= y + 12; ++row)
        if (SurfacePixel(frame, x, row) == kWhite) sum += row, ++rows;
    return rows > 0 ? sum / rows : std::nan("");
}

// The optical axis is one straight line: its drawn points at the three columns, each found near the line
// through (x0, y0) with the rise tan(theta), lie on one line within a pixel.
void ExpectStraightAxis(const Surface* frame, Point centre, double theta, const int (&columns)[3]) {
    double rows[3];
    for (int i = 0; i < 3; ++i) {
        const int guess = centre.y - static_cast<int>(std::tan(theta) * (columns[i] - centre.x));
        rows[i] = WhiteLineRow(frame, columns[i], guess);
        ASSERT_FALSE(std::isnan(rows[i])) << "no axis at x = " << columns[i] << " near y = " << guess;
    }
    const double on_line = rows[0] + (rows[2] - rows[0]) * (columns[1] - columns[0]) /
                                         static_cast<double>(columns[2] - columns[0]);
    EXPECT_NEAR(rows[1], on_line, 1.0) << "the axis at x = " << columns[1] << " bends";
}

class ScreenSizes : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        PlugInScreen(kAxialScreen, RegisterAxialScreenClass, CreateAxialScreen);
        PlugInScreen(kPatternScreen, RegisterPatternScreenClass, CreatePatternScreen);
        PlugInScreen(kRadialScreen, RegisterRadialScreenClass, CreateRadialScreen);
        StartApplication(GetModuleHandleW(nullptr), SW_SHOWNORMAL, EnglishTexts());
    }

    // The start page at the last size of the list, so that the first size is reached by a change too.
    void SetUp() override {
        UseDisplaySize(LectureDisplaySizes().back());
        ReadScreenSize();
        RadialSavedStep() = -1;
        ASSERT_EQ(CreateStartPage(SW_SHOWNORMAL), 1);
        Pump();
        start_counts_ = LiveObjectCounts();
        started_ = Seconds();
    }

    void TearDown() override {
        std::printf("[ figures  ] %s: %.1f s for %zu sizes\n",
                    ::testing::UnitTest::GetInstance()->current_test_info()->name(), Seconds() - started_,
                    LectureDisplaySizes().size());
        for (HWND page : PageWindows()) DestroyWindow(page);
        app.page_surface = nullptr;
        SetScreenSizeSource(nullptr);
    }

    // Opens a page from the start page (at whatever size the start page has) and changes the display to
    // `size` while it is open.
    HWND OpenAndChangeTo(int button, DisplaySize size) {
        Command(OnlyPage(), button);
        Pump();
        return ChangeDisplay(OnlyPage(), size);
    }

    // "Menu": back on the start page, the counts are the start page's again.
    void Leave(HWND page, int menu, DisplaySize size) {
        Command(page, menu);
        EXPECT_EQ(Pump(), kNoQuit);
        EXPECT_FALSE(IsWindow(page));
        HWND start = OnlyPage();
        EXPECT_EQ(ClassOf(start), app.class_names[kStartPage]) << SizeName(size);
        EXPECT_EQ(Counts(LiveObjectCounts()), Counts(start_counts_)) << SizeName(size);
    }

    PlatformObjectCounts start_counts_{};
    double started_ = 0;
};

TEST_F(ScreenSizes, StartPage) {
    for (DisplaySize size : LectureDisplaySizes()) {
        SCOPED_TRACE(SizeName(size));
        HWND old = OnlyPage();
        HWND page = ChangeDisplay(old, size);
        EXPECT_FALSE(IsWindow(old));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(ClassOf(page), app.class_names[kStartPage]);
        ExpectLaidOutFor(page, size);
        EXPECT_TRUE(Sound(app.page_surface, size.width, size.height));
        // The picture reaches the window: the top left corner is the background.
        RepaintAsUncovered(page);
        EXPECT_TRUE(Same(WindowPixel(page, 2, 2), kBackgroundColour));
        EXPECT_EQ(Counts(LiveObjectCounts()), Counts(start_counts_));
    }
}

TEST_F(ScreenSizes, AuthorsPage) {
    for (DisplaySize size : LectureDisplaySizes()) {
        SCOPED_TRACE(SizeName(size));
        HWND page = OpenAndChangeTo(kAuthorsButton, size);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(ClassOf(page), app.class_names[kAuthorsPage]);
        ExpectLaidOutFor(page, size);
        EXPECT_TRUE(Sound(app.page_surface, size.width, size.height));
        Leave(page, kAuthorsMenu, size);
    }
}

TEST_F(ScreenSizes, AxialScreenRunsToTheEnd) {
    for (DisplaySize size : LectureDisplaySizes()) {
        SCOPED_TRACE(SizeName(size));
        HWND page = OpenAndChangeTo(kAxialButton, size);
        AxialScreen* screen = OpenAxialScreen();
        ASSERT_NE(screen, nullptr);
        ASSERT_EQ(screen->window, page);
        ExpectLaidOutFor(page, size);
        const AxialLayout& l = screen->layout;
        ASSERT_EQ(l.width, size.width);
        ASSERT_EQ(l.height, size.height);
        for (const Surface* s :
             {app.page_surface, screen->parameters, screen->repaint_frame, screen->animation_frame})
            EXPECT_TRUE(Sound(s, size.width, size.height));
        const AxialPlot& plot = *screen->plot;
        EXPECT_TRUE(Sound(plot.picture, l.plot.width, l.plot.height));
        EXPECT_TRUE(Sound(plot.clean, l.plot.width, l.plot.height));
        EXPECT_TRUE(Sound(plot.strip, plot.model.m, plot.model.h));
        EXPECT_TRUE(Sound(plot.clean_strip, plot.model.m, plot.model.h));
        const ZonePicture& zones = *screen->zones;
        for (const Surface* s :
             {zones.base, zones.composed, zones.background, zones.odd_zone, zones.even_zone})
            EXPECT_TRUE(Sound(s, l.zones.side, l.zones.side));

        // Ready after the change; the full repaint shows the green start marker on the axis.
        const int n = screen->animation.n;
        ASSERT_GT(n, 0);
        EXPECT_EQ(screen->animation.k, -1);
        EXPECT_EQ(ChildCaption(page, kAxialStart), L"Start");
        const Point start = StartMarker(l, 600);
        EXPECT_TRUE(Same(SurfacePixel(screen->shown, start.x, start.y), kGreen));
        // One straight axis: coming in left of the picture, inside the aperture, and on to the marker.
        const ZonePictureGeometry& g = l.zones;
        const int picture_left = g.x0 - g.side / 2, picture_right = g.x0 + g.side / 2;
        ExpectStraightAxis(screen->shown, {g.x0, g.y0}, l.theta,
                           {(l.incoming_axis_end.x + picture_left) / 2, g.x0 + (g.side / 2 - g.side / 12) / 2,
                            (picture_right + start.x - 7) / 2});

        Command(page, kAxialStart);
        // Step 0: six zones cover the aperture, every one drawn to the aperture's scale.
        ExpectZonesToScale(screen->zones->composed, 6.0, 5);
        Command(page, kAxialStart);
        EXPECT_EQ(ChildCaption(page, kAxialStart), L"Pause");
        int ticks = 0;
        while (screen->animation.k <= n && ticks <= n) {
            SendMessageW(page, WM_TIMER, 301, 0);
            ++ticks;
        }
        EXPECT_EQ(ticks, n);  // steps 1..n after step 0
        std::printf("[ figures  ] axial screen at %s: n = %d, zone picture %d px\n", SizeName(size).c_str(),
                    n, l.zones.side);
        SendMessageW(page, WM_TIMER, 301, 0);
        EXPECT_EQ(screen->animation.k, n + 1);
        EXPECT_EQ(ChildCaption(page, kAxialStart), L"Pause");
        // The last frame: the point of observation at the end of its travel, the start marker where it was.
        const Point end = ObservationPoint(l, 600, n, n);
        EXPECT_TRUE(Same(SurfacePixel(screen->shown, end.x, end.y), kOrange600));
        EXPECT_TRUE(Same(SurfacePixel(screen->shown, start.x, start.y), kGreen));
        EXPECT_EQ(screen->zones->number_of_zones, 1);  // 0.8 zones open at the end
        Command(page, kAxialReset);
        EXPECT_EQ(screen->animation.k, -1);
        Leave(page, kAxialMenu, size);
    }
}

TEST_F(ScreenSizes, RadialScreenRunsToTheEnd) {
    for (DisplaySize size : LectureDisplaySizes()) {
        SCOPED_TRACE(SizeName(size));
        // The step the last size ended at comes along through Menu and the display change.
        const int saved = RadialSavedStep();
        HWND page = OpenAndChangeTo(kRadialButton, size);
        RadialScreen* screen = OpenRadialScreen();
        ASSERT_NE(screen, nullptr);
        ASSERT_EQ(screen->window, page);
        ExpectLaidOutFor(page, size);
        const RadialLayout& l = screen->layout;
        ASSERT_EQ(l.width, size.width);
        ASSERT_EQ(l.height, size.height);
        for (const Surface* s : {app.page_surface, screen->repaint_frame, screen->animation_frame})
            EXPECT_TRUE(Sound(s, size.width, size.height));
        EXPECT_TRUE(Sound(screen->sketch, l.side, l.side));
        const RadialPlot& plot = *screen->plot;
        EXPECT_TRUE(Sound(plot.composed, l.plot_width, l.plot_height));
        EXPECT_TRUE(Sound(plot.clean, l.plot_width, l.plot_height));
        EXPECT_TRUE(Sound(plot.curve, l.plot_width + 4, plot.model.strip_height));
        const ZonePicture& zones = *screen->zones;
        for (const Surface* s :
             {zones.base, zones.composed, zones.background, zones.odd_zone, zones.even_zone})
            EXPECT_TRUE(Sound(s, l.side, l.side));

        // A smaller screen has fewer steps: a step beyond them is shown as the last one.
        const int last = screen->animation.last;
        ASSERT_GT(last, 0);
        if (saved != -1) {
            EXPECT_EQ(screen->animation.k, std::min(saved, last));
            EXPECT_EQ(screen->shown, screen->animation_frame);
            const Box point = ObservationPointBox(l, screen->animation.k, last);
            EXPECT_TRUE(Same(SurfacePixel(screen->shown, point.left + 6, point.top + 6), kGreen));
        }
        EXPECT_EQ(ChildCaption(page, kRadialStart), L"Start");
        EXPECT_FALSE(app.animation_running);

        Command(page, kRadialReset);
        EXPECT_EQ(screen->animation.k, -1);
        const Point z = l.zone_centre;
        ExpectStraightAxis(
            screen->shown, z, l.theta,
            {(l.incoming_axis_end.x + z.x - l.side / 2) / 2, z.x + (l.side / 2 - l.side / 12) / 2,
             z.x + l.side / 2 + (l.sketch_centre.x - z.x - l.side / 2) / 4});
        Command(page, kRadialStart);
        // Step 0: one and a half zones cover the aperture; zone 1 is drawn to its scale.
        ExpectZonesToScale(screen->zones->composed, 1.5, 1);
        Command(page, kRadialStart);
        EXPECT_EQ(ChildCaption(page, kRadialStart), L"Pause");
        int ticks = 0;
        while (RadialSavedStep() == -1 && ticks <= last) {
            SendMessageW(page, WM_TIMER, 301, 0);
            ++ticks;
        }
        EXPECT_EQ(ticks, last);
        std::printf("[ figures  ] radial screen at %s: N = %d, restored at step %d\n", SizeName(size).c_str(),
                    last, saved == -1 ? -1 : std::min(saved, last));
        EXPECT_EQ(screen->animation.k, last);
        EXPECT_EQ(RadialSavedStep(), last);
        EXPECT_EQ(ChildCaption(page, kRadialStart), L"Pause");
        // At the last step the point of observation stands as far out as the aperture's rim.
        const Box point = ObservationPointBox(l, last, last);
        EXPECT_EQ(point.left + 6, l.sketch_centre.x + l.side / 2 - l.side / 12);
        EXPECT_TRUE(Same(SurfacePixel(screen->shown, point.left + 6, point.top + 6), kGreen));
        Leave(page, kRadialMenu, size);
        EXPECT_EQ(RadialSavedStep(), last);
    }
}

TEST_F(ScreenSizes, PatternScreenAnswersEveryControl) {
    for (DisplaySize size : LectureDisplaySizes()) {
        SCOPED_TRACE(SizeName(size));
        HWND page = OpenAndChangeTo(kPatternButton, size);
        PatternScreen* screen = OpenPatternScreen();
        ASSERT_NE(screen, nullptr);
        ASSERT_EQ(screen->window, page);
        ExpectLaidOutFor(page, size);
        const PatternLayout& l = screen->layout;
        ASSERT_EQ(l.width, size.width);
        ASSERT_EQ(l.height, size.height);
        const int s = l.size;
        EXPECT_TRUE(Sound(app.page_surface, size.width, size.height));
        EXPECT_TRUE(Sound(screen->work, size.width, size.height));
        EXPECT_TRUE(Sound(screen->blank, s, s));
        EXPECT_TRUE(Sound(screen->current->image, s, s));
        EXPECT_TRUE(Sound(screen->comparison->image, s, s));
        std::printf("[ figures  ] pattern screen at %s: frames of %d px\n", SizeName(size).c_str(), s);

        // The current frame lands at its place: its centre in the work surface is the computed centre.
        const auto centre_matches = [&] {
            const std::uint32_t word = screen->current->computed.pixels[(s / 2) * s + s / 2];
            const ColourTriple computed{static_cast<unsigned char>(word >> 16),
                                        static_cast<unsigned char>(word >> 8),
                                        static_cast<unsigned char>(word)};
            return Same(SurfacePixel(screen->work, l.current_left + s / 2, l.frame_top + s / 2), computed);
        };
        EXPECT_TRUE(centre_matches());

        int repaints = screen->full_repaints;
        struct Bar {
            ScrollBarControl* bar;
            int start, step;
        };
        for (const Bar& b : {Bar{screen->wavelength, 500, 1}, Bar{screen->aperture, 2000, 10},
                             Bar{screen->distance, 2000, 100}}) {
            EXPECT_EQ(b.bar->position, b.start);
            SendMessageW(page, WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(b.bar->window));
            EXPECT_EQ(b.bar->position, b.start + b.step);
            EXPECT_EQ(screen->full_repaints, ++repaints);
        }
        EXPECT_TRUE(centre_matches());

        Command(page, kCompare);
        EXPECT_TRUE(screen->comparison_taken);
        EXPECT_EQ(screen->full_repaints, ++repaints);
        // The comparison shows the current picture (its lines and zone count aside: the lower half).
        for (int y = s / 2; y < s; y += std::max(1, s / 9)) {
            for (int x = 0; x < s; x += std::max(1, s / 11)) {
                ASSERT_TRUE(Same(SurfacePixel(screen->work, l.comparison_left + x, l.frame_top + y),
                                 SurfacePixel(screen->work, l.current_left + x, l.frame_top + y)))
                    << x << ", " << y;
            }
        }

        // The projection: a white circle a third of the side from the centre, in both frames.
        Command(page, kProjection);
        EXPECT_TRUE(screen->aperture_projection);
        const auto white_near_edge = [&](int left) {
            int white = 0;
            for (int x = s / 2 + s / 3 - 3; x <= s / 2 + s / 3 + 3; ++x)
                white += SurfacePixel(screen->work, left + x, l.frame_top + s / 2) == kWhite;
            return white;
        };
        EXPECT_GT(white_near_edge(l.current_left), 0);
        EXPECT_GT(white_near_edge(l.comparison_left), 0);
        Command(page, kPlots);
        EXPECT_TRUE(screen->plots);
        EXPECT_EQ(screen->full_repaints, repaints + 2);
        EXPECT_EQ(static_cast<int>(screen->current->computed.plot_points.size()), s);
        EXPECT_TRUE(Sound(screen->current->image, s, s));
        Leave(page, kPatternMenu, size);
    }
}

}  // namespace
