// The radial screen under Wine, driven through RadialScreenProc with commands and timer messages as the
// message loop would deliver them; frames are read back from the surfaces and the window.
#include "screens/radial/radial_screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "screens/radial/radial_animation.h"
#include "screens/radial/radial_screen_state.h"
#include "shell/application.h"
#include "shell/start_page.h"
#include "shell/text_set.h"
#include "tests/page_driver.h"

namespace {

constexpr int kMenu = 214, kStart = 215, kReset = 216;
constexpr ColourTriple kGreen{0, 255, 0}, kSketch{230, 230, 240}, kDarkGrey{64, 64, 64};

class RadialScreenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        PlugInScreen(kRadialScreen, RegisterRadialScreenClass, CreateRadialScreen);
        StartApplication(GetModuleHandleW(nullptr), SW_SHOWNORMAL, EnglishTexts());
    }

    void SetUp() override {
        app.screen_width = 1920;
        app.screen_height = 1080;
        RadialSavedStep() = -1;
        ASSERT_EQ(CreateStartPage(SW_SHOWNORMAL), 1);
        Pump();
        before_ = LiveObjectCounts();
        Open();
    }

    void TearDown() override {
        if (OpenRadialScreen() != nullptr) Command(OnlyPage(), kMenu);
        Pump();
        EXPECT_EQ(LiveObjectCounts(), before_);
        for (HWND page : PageWindows()) DestroyWindow(page);
        app.page_surface = nullptr;
        RadialSavedStep() = -1;
    }

    void Open() {
        const double started = Seconds();
        Command(OnlyPage(), 213);
        opening_seconds_ = Seconds() - started;
        Pump();
        page_ = OnlyPage();
        screen_ = OpenRadialScreen();
        ASSERT_NE(screen_, nullptr);
    }

    void Tick() { SendMessageW(page_, WM_TIMER, 301, 0); }
    ColourTriple Shown(int x, int y) { return SurfacePixel(screen_->shown, x, y); }

    PlatformObjectCounts before_{};
    HWND page_ = nullptr;
    RadialScreen* screen_ = nullptr;
    double opening_seconds_ = 0;
};

TEST_F(RadialScreenTest, FreshScreen) {
    std::printf("[ figures  ] radial screen at 1920 x 1080 opened in %.1f ms (533 samples of 1000 rings)\n",
                opening_seconds_ * 1e3);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Start");
    EXPECT_EQ(ChildCaption(page_, kReset), L"Reset");
    EXPECT_EQ(ChildCaption(page_, kMenu), L"Menu");
    EXPECT_EQ(screen_->animation.k, -1);
    EXPECT_EQ(screen_->animation.last, 304);
    EXPECT_NEAR(screen_->z, 5.3333, 1e-4);
    // The parameters cannot be changed: their controls are hidden and scroll messages change nothing.
    EXPECT_FALSE(IsWindowVisible(screen_->wavelength->window));
    EXPECT_FALSE(IsWindowVisible(screen_->radius->window));
    SendMessageW(page_, WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(screen_->wavelength->window));
    EXPECT_EQ(screen_->wavelength->position, 500);
    // The aperture on dark grey, no sketch of the screen yet.
    ASSERT_EQ(screen_->shown, screen_->repaint_frame);
    EXPECT_TRUE(Same(Shown(344 - 220, 725 - 220), kDarkGrey));
    EXPECT_TRUE(Same(Shown(344, 725 + 100), kBackgroundColour));
    EXPECT_TRUE(Same(Shown(1008 - 100, 645 - 150), kBackgroundColour));
}

TEST_F(RadialScreenTest, StartStartStart) {
    Command(page_, kStart);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Continue");
    EXPECT_EQ(screen_->animation.k, 1);
    ASSERT_EQ(screen_->shown, screen_->animation_frame);
    EXPECT_TRUE(Same(Shown(1008 - 100, 645 - 150), kSketch));
    EXPECT_TRUE(Same(Shown(1008, 645), kGreen));  // the point of observation on the axis
    Command(page_, kStart);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Pause");
    EXPECT_TRUE(app.animation_running);
    Command(page_, kStart);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Continue");
    EXPECT_FALSE(app.animation_running);
}

TEST_F(RadialScreenTest, AFullRunThenResetLeavesNothingBehind) {
    const PlatformObjectCounts fresh = LiveObjectCounts();
    Command(page_, kStart);
    Command(page_, kStart);
    const double started = Seconds();
    int ticks = 0;
    while (RadialSavedStep() == -1 && ticks < 1000) {
        Tick();
        ++ticks;
    }
    std::printf("[ figures  ] radial animation step %.2f ms\n", (Seconds() - started) / ticks * 1e3);
    EXPECT_EQ(ticks, 304);
    EXPECT_EQ(screen_->animation.k, 304);
    EXPECT_EQ(RadialSavedStep(), 304);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Pause");
    // At the last step the point of observation is as far out as the aperture's rim: x = 1008 + 188.
    EXPECT_TRUE(Same(Shown(1196, 645), kGreen));
    // The plot marker sits on the end of the revealed curve: its green fill is centred on the rightmost
    // white column of the plot picture.
    const RadialLayout& l = screen_->layout;
    const Surface* plot = screen_->plot->composed;
    int curve_end = -1;
    for (int x = 0; x < plot->width; ++x)
        for (int y = 0; y < plot->height; ++y)
            if (SurfacePixel(plot, x, y) == kWhite) curve_end = x;
    int left = l.width, right = -1;
    for (int x = l.plot_origin.x; x < l.plot_origin.x + plot->width + 8; ++x)
        for (int y = l.plot_origin.y; y < l.plot_origin.y + plot->height; ++y)
            if (Shown(x, y) == kGreen) left = std::min(left, x), right = std::max(right, x);
    ASSERT_GE(curve_end, 0);
    EXPECT_NEAR((left + right) / 2.0, l.plot_origin.x + curve_end, 1.0);
    // The axis letter "I" stands whole over the plot picture's top margin, as on the static page.
    for (int y = l.intensity_letter.y; y < l.intensity_letter.y + l.h5; ++y)
        for (int x = l.intensity_letter.x; x < l.intensity_letter.x + l.mx; ++x)
            ASSERT_TRUE(Same(Shown(x, y), SurfacePixel(app.page_surface, x, y))) << x << ", " << y;
    Command(page_, kReset);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Start");
    EXPECT_EQ(screen_->animation.k, -1);
    EXPECT_EQ(RadialSavedStep(), -1);
    EXPECT_EQ(LiveObjectCounts(), fresh);
}

TEST_F(RadialScreenTest, TheSavedStepOutlivesTheScreen) {
    Command(page_, kStart);
    Command(page_, kStart);
    for (int i = 0; i < 56; ++i) Tick();
    ASSERT_EQ(screen_->animation.k, 57);
    Command(page_, kMenu);
    Pump();
    EXPECT_EQ(RadialSavedStep(), 57);
    Open();
    EXPECT_EQ(screen_->animation.k, 57);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Start");
    EXPECT_FALSE(app.animation_running);
    ASSERT_EQ(screen_->shown, screen_->animation_frame);
    const Box point = ObservationPointBox(screen_->layout, 57, 304);
    EXPECT_TRUE(Same(Shown(point.left + 6, point.top + 6), kGreen));
    // One press runs on from there.
    Command(page_, kStart);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Pause");
    Tick();
    EXPECT_EQ(screen_->animation.k, 58);
}

TEST_F(RadialScreenTest, ADisplayChangeKeepsTheStepAndStopsTheTimer) {
    Command(page_, kStart);
    Command(page_, kStart);
    for (int i = 0; i < 9; ++i) Tick();
    SendMessageW(page_, WM_DISPLAYCHANGE, 32, MAKELPARAM(app.screen_width, app.screen_height));
    Pump();
    EXPECT_FALSE(IsWindow(page_));
    page_ = OnlyPage();
    screen_ = OpenRadialScreen();
    ASSERT_NE(screen_, nullptr);
    EXPECT_EQ(screen_->animation.k, 10);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Start");
    EXPECT_FALSE(app.animation_running);
}

// Key V puts the phasor diagram in the face-on sketch's place on the step shown, and back.
TEST_F(RadialScreenTest, KeyVPutsThePhasorPanelInTheSketchsPlace) {
    Command(page_, kStart);
    Command(page_, kStart);
    for (int i = 0; i < 56; ++i) Tick();
    Command(page_, kStart);  // paused: the timer's own ticks stay away
    const Rect box = RadialPhasorPanel(screen_->layout).box;
    const Point inside{box.x + 3, box.y + box.height / 4};  // off the sketch's axes
    ASSERT_TRUE(Same(Shown(inside.x, inside.y), kSketch));
    PressKey(page_, 'V');
    EXPECT_EQ(screen_->animation.k, 57);
    EXPECT_TRUE(Same(Shown(inside.x, inside.y), kDarkGrey));
    EXPECT_TRUE(Same(Shown(344 - 220, 725 - 220), kDarkGrey));  // the zone picture as it was
    // Menu and back: the panel on the step restored.
    Command(page_, kMenu);
    Pump();
    Open();
    EXPECT_TRUE(Same(Shown(inside.x, inside.y), kDarkGrey));
    PressKey(page_, 'V');
    EXPECT_TRUE(Same(Shown(inside.x, inside.y), kSketch));
}

TEST_F(RadialScreenTest, AnOrdinaryPaintShowsTheLastCompletePicture) {
    Command(page_, kStart);
    Command(page_, kStart);
    for (int i = 0; i < 150; ++i) Tick();
    Command(page_, kStart);  // paused
    const Box point = ObservationPointBox(screen_->layout, 150, 304);
    RepaintAsUncovered(page_);
    EXPECT_TRUE(Same(WindowPixel(page_, point.left + 6, point.top + 6), kGreen));
    EXPECT_TRUE(Same(WindowPixel(page_, 1008 - 100, 645 - 150), kSketch));
}

}  // namespace
