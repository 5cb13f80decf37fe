// The axial screen under Wine, driven through AxialScreenProc with commands, scroll and timer messages
// as the message loop would deliver them; frames are read back from the surfaces and the window.
#include "screens/axial/axial_screen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "screens/axial/axial_screen_state.h"
#include "screens/axial/phasor_panel_model.h"
#include "shell/application.h"
#include "shell/start_page.h"
#include "shell/text_set.h"
#include "tests/page_driver.h"

namespace {

constexpr int kMenu = 210, kStart = 211, kReset = 212;
constexpr ColourTriple kGreen{0, 255, 0}, kOrange600{255, 176, 0}, kDarkGrey{64, 64, 64};

class AxialScreenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        PlugInScreen(kAxialScreen, RegisterAxialScreenClass, CreateAxialScreen);
        StartApplication(GetModuleHandleW(nullptr), SW_SHOWNORMAL, EnglishTexts());
    }

    void SetUp() override {
        app.screen_width = 1920;
        app.screen_height = 1080;
        ASSERT_EQ(CreateStartPage(SW_SHOWNORMAL), 1);
        Pump();
        before_ = LiveObjectCounts();
        Command(OnlyPage(), 204);
        Pump();
        page_ = OnlyPage();
        screen_ = OpenAxialScreen();
        ASSERT_NE(screen_, nullptr);
    }

    void TearDown() override {
        if (OpenAxialScreen() != nullptr) Command(OnlyPage(), kMenu);
        Pump();
        // Back on the start page, everything the screen made is gone again.
        EXPECT_EQ(LiveObjectCounts(), before_);
        EXPECT_EQ(ClassOf(OnlyPage()), app.class_names[kStartPage]);
        // Leave no page for the next test: the start page is rebuilt by the next SetUp.
        for (HWND page : PageWindows()) DestroyWindow(page);
        app.page_surface = nullptr;
        app.texts = &EnglishTexts();
    }

    void Tick() { SendMessageW(page_, WM_TIMER, 301, 0); }
    void Scroll(WORD code, WORD position = 0) {
        SendMessageW(page_, WM_HSCROLL, MAKEWPARAM(code, position),
                     reinterpret_cast<LPARAM>(screen_->wavelength->window));
    }
    ColourTriple Shown(int x, int y) { return SurfacePixel(screen_->shown, x, y); }

    PlatformObjectCounts before_{};
    HWND page_ = nullptr;
    AxialScreen* screen_ = nullptr;
};

TEST_F(AxialScreenTest, FreshScreenIsReady) {
    EXPECT_EQ(ChildCaption(page_, kStart), L"Start");
    EXPECT_EQ(ChildCaption(page_, kReset), L"Reset");
    EXPECT_EQ(ChildCaption(page_, kMenu), L"Menu");
    EXPECT_EQ(screen_->wavelength->position, 600);
    EXPECT_EQ(screen_->animation.k, -1);
    EXPECT_EQ(screen_->animation.n, 310);
    RECT start{};
    GetWindowRect(GetDlgItem(page_, kStart), &start);
    EXPECT_EQ(start.left, 76);
    EXPECT_EQ(start.top, 312);
    // The full repaint: the aperture disc on dark grey, the green start marker on the axis.
    ASSERT_EQ(screen_->shown, screen_->repaint_frame);
    EXPECT_TRUE(Same(Shown(115, 488), kDarkGrey));
    EXPECT_TRUE(Same(Shown(344, 817), kBackgroundColour));
    EXPECT_TRUE(Same(Shown(647, 638), kGreen));
    EXPECT_TRUE(Same(Shown(5, 5), kBackgroundColour));
}

TEST_F(AxialScreenTest, StartDrawsStepZeroAndWaits) {
    Command(page_, kStart);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Continue");
    EXPECT_EQ(screen_->animation.k, 1);
    EXPECT_FALSE(app.animation_running);
    ASSERT_EQ(screen_->shown, screen_->animation_frame);
    // Six zones at z_min: zone 1 in the wavelength's colour at the centre; the point of observation, in
    // the same colour, sits on the start marker.
    EXPECT_TRUE(Same(Shown(344, 717), kOrange600));
    EXPECT_TRUE(Same(Shown(647, 638), kOrange600));
    // The wavelength can still change before Continue; the caption keeps its text and k returns to -1.
    Scroll(SB_LINEDOWN);
    EXPECT_EQ(screen_->wavelength->position, 601);
    EXPECT_EQ(screen_->animation.k, -1);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Continue");
}

TEST_F(AxialScreenTest, ContinueLocksTheWavelengthUntilReset) {
    Command(page_, kStart);
    Command(page_, kStart);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Pause");
    EXPECT_TRUE(app.animation_running);
    Scroll(SB_LINEDOWN);
    Scroll(SB_THUMBTRACK, 650);
    EXPECT_EQ(screen_->wavelength->position, 600);
    Tick();
    EXPECT_EQ(screen_->animation.k, 2);
    Command(page_, kStart);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Continue");
    Command(page_, kReset);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Start");
    EXPECT_EQ(screen_->animation.k, -1);
    Scroll(SB_LINEUP);
    EXPECT_EQ(screen_->wavelength->position, 599);
}

TEST_F(AxialScreenTest, WavelengthControlRepaintsInTheNewColour) {
    Scroll(SB_PAGEDOWN);
    EXPECT_EQ(screen_->wavelength->position, 600);  // page clicks do nothing
    Scroll(SB_THUMBTRACK, 400);
    EXPECT_EQ(screen_->wavelength->position, 400);
    // At 400 nm the start marker stands at the travel origin.
    EXPECT_TRUE(
        Same(Shown(730, 717 - static_cast<int>(std::tan(screen_->layout.theta) * (730 - 344))), kGreen));
    Command(page_, kStart);
    EXPECT_TRUE(Same(Shown(344, 717), ColourTriple{170, 0, 255}));  // 400 nm
    Scroll(SB_THUMBTRACK, 700);
    Command(page_, kStart);
    EXPECT_TRUE(Same(Shown(344, 717), ColourTriple{255, 0, 0}));
}

TEST_F(AxialScreenTest, AFullRunEndsOnPauseAndLeavesNothingBehind) {
    const PlatformObjectCounts at_start = LiveObjectCounts();
    double started = Seconds();
    SendMessageW(page_, WM_PAINT, 1025, 0);
    const double repaint = Seconds() - started;
    Command(page_, kStart);
    Command(page_, kStart);
    started = Seconds();
    int ticks = 0;
    while (screen_->animation.k <= screen_->animation.n && ticks < 1000) {
        Tick();
        ++ticks;
    }
    const double per_step = (Seconds() - started) / ticks;
    std::printf("[ figures  ] axial screen at 1920 x 1080: full repaint %.2f ms, animation step %.2f ms\n",
                repaint * 1e3, per_step * 1e3);
    EXPECT_EQ(ticks, 310);  // steps 1..310 after step 0
    Tick();                 // the tick after the last step ends the run
    EXPECT_EQ(ChildCaption(page_, kStart), L"Pause");
    Command(page_, kStart);  // finished: nothing happens
    EXPECT_EQ(ChildCaption(page_, kStart), L"Pause");
    // The last step: 0.8 open zones, the point of observation at the end of its travel.
    EXPECT_EQ(screen_->zones->number_of_zones, 1);
    const AxialLayout& l = screen_->layout;
    const Point end = ObservationPoint(l, 600, 310, 310);
    EXPECT_TRUE(Same(Shown(end.x, end.y), kOrange600));
    Command(page_, kReset);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Start");
    EXPECT_EQ(LiveObjectCounts(), at_start);
}

TEST_F(AxialScreenTest, AnOrdinaryPaintShowsTheLastCompletePicture) {
    Command(page_, kStart);
    Command(page_, kStart);
    for (int i = 0; i < 100; ++i) Tick();
    const Point point = ObservationPoint(screen_->layout, 600, 100, 310);
    EXPECT_TRUE(Same(Shown(point.x, point.y), kOrange600));
    Command(page_, kStart);  // paused: no tick will come to redraw it
    RepaintAsUncovered(page_);
    EXPECT_TRUE(Same(WindowPixel(page_, point.x, point.y), kOrange600));
    EXPECT_TRUE(Same(WindowPixel(page_, 647, 638), kGreen));
    EXPECT_TRUE(Same(WindowPixel(page_, 344, 717), kOrange600));  // zone 1
}

TEST_F(AxialScreenTest, ADisplayChangeRebuildsTheScreenReady) {
    Command(page_, kStart);
    Command(page_, kStart);
    Tick();
    // The shell re-reads the screen size; here the display stays as it is and the layout at 1920 x 1080
    // is restored afterwards by the next SetUp.
    SendMessageW(page_, WM_DISPLAYCHANGE, 32, MAKELPARAM(app.screen_width, app.screen_height));
    Pump();
    screen_ = OpenAxialScreen();
    ASSERT_NE(screen_, nullptr);
    EXPECT_FALSE(IsWindow(page_));
    page_ = OnlyPage();
    EXPECT_EQ(screen_->animation.k, -1);
    EXPECT_EQ(screen_->wavelength->position, 600);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Start");
    EXPECT_FALSE(app.animation_running);
}

TEST_F(AxialScreenTest, KeysPressTheButtonsTheyStandFor) {
    HWND reset = GetDlgItem(page_, kReset);
    // Space while the Reset button has the focus still presses Start, as a remote's Page Down does.
    SetFocus(reset);
    PressKey(reset, VK_SPACE);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Continue");
    PressKey(page_, VK_RIGHT);  // before Continue the wavelength may still change
    EXPECT_EQ(screen_->wavelength->position, 601);
    PressKey(page_, VK_LEFT);
    PressKey(page_, VK_LEFT);
    EXPECT_EQ(screen_->wavelength->position, 599);
    PressKey(page_, VK_NEXT);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Continue");  // k was -1 again: this press drew step 0
    PressKey(page_, VK_NEXT);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Pause");
    PressKey(page_, VK_PRIOR);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Start");
    PressKey(page_, 'R');
    EXPECT_EQ(screen_->animation.k, -1);
    PressKey(page_, VK_ESCAPE);
    EXPECT_EQ(OpenAxialScreen(), nullptr);
    HWND start = OnlyPage();
    EXPECT_EQ(ClassOf(start), app.class_names[kStartPage]);
    PressKey(start, VK_ESCAPE);  // nothing: the lecture does not end on a stray key
    EXPECT_EQ(OnlyPage(), start);
    PressKey(start, '2');
    EXPECT_NE(OpenAxialScreen(), nullptr);
}

// Key V shows the phasor diagram on the step the screen shows, and hides it again: the picture changes
// within the panel's box only. The setting stays through Menu and a new visit; Reset's picture before a
// run has no panel.
TEST_F(AxialScreenTest, KeyVShowsAndHidesThePhasorPanel) {
    Command(page_, kStart);
    Command(page_, kStart);
    for (int i = 0; i < 99; ++i) Tick();
    Command(page_, kStart);  // paused: the timer's own ticks stay away
    const Rect box = AxialPhasorPanel(screen_->layout).box;
    const auto in_box = [&](int x, int y) {
        return x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
    };
    const auto sample = [&] {
        std::vector<ColourTriple> pixels;
        for (int y = 0; y < 1080; y += 4)
            for (int x = 0; x < 1920; x += 4) pixels.push_back(Shown(x, y));
        return pixels;
    };
    const std::vector<ColourTriple> without = sample();
    PressKey(page_, 'V');
    EXPECT_TRUE(app.phasor_panel);
    EXPECT_EQ(screen_->animation.k, 100);  // the step shown again, not the next one
    const std::vector<ColourTriple> with = sample();
    int changed = 0;
    for (int y = 0, i = 0; y < 1080; y += 4) {
        for (int x = 0; x < 1920; x += 4, ++i) {
            if (!in_box(x, y)) {
                ASSERT_TRUE(Same(with[i], without[i])) << x << ", " << y;
            }
            changed += !(with[i] == without[i]);
        }
    }
    EXPECT_GT(changed, box.width * box.height / 16 / 2);  // the panel's dark grey over most of its box
    EXPECT_TRUE(Same(Shown(box.x + 2, box.y + box.height / 2), kDarkGrey));
    PressKey(page_, 'V');
    EXPECT_EQ(sample(), without);

    PressKey(page_, 'V');
    Command(page_, kMenu);
    Pump();
    Command(OnlyPage(), 204);
    Pump();
    page_ = OnlyPage();
    screen_ = OpenAxialScreen();
    EXPECT_TRUE(Same(Shown(box.x + 2, box.y + box.height / 2), kBackgroundColour));  // no step yet
    Command(page_, kStart);
    EXPECT_TRUE(Same(Shown(box.x + 2, box.y + box.height / 2), kDarkGrey));
    Command(page_, kReset);
    EXPECT_TRUE(Same(Shown(box.x + 2, box.y + box.height / 2), kBackgroundColour));
    app.phasor_panel = false;
}

TEST_F(AxialScreenTest, RussianCaptions) {
    Command(page_, kMenu);
    Pump();
    app.texts = &RussianTexts();
    Command(OnlyPage(), 204);
    Pump();
    page_ = OnlyPage();
    screen_ = OpenAxialScreen();
    EXPECT_EQ(ChildCaption(page_, kStart), L"Старт");
    EXPECT_EQ(ChildCaption(page_, kReset), L"Сброс");
    EXPECT_EQ(ChildCaption(page_, kMenu), L"Меню");
    Command(page_, kStart);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Продолжить");
    Command(page_, kStart);
    EXPECT_EQ(ChildCaption(page_, kStart), L"Пауза");
    app.texts = &EnglishTexts();  // "Menu" returns to the English start page that SetUp counted
}

}  // namespace
