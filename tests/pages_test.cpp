// Every page under Wine at the worked 1920 x 1080, driven with commands, keys, scroll and timer messages as
// the message loop would deliver them: the worked numbers read back from the windows in both programs, the
// animated screens through their runs, the pattern screen's frames, bars, comparison and switches.
#include <cmath>

#include "screens/axial/axial_screen.h"
#include "screens/axial/axial_screen_state.h"
#include "screens/axial/phasor_panel_model.h"
#include "screens/pattern/pattern_image.h"
#include "screens/pattern/pattern_screen.h"
#include "screens/radial/radial_screen.h"
#include "screens/radial/radial_screen_state.h"
#include "tests/page_driver.h"

namespace {

constexpr ColourTriple kGreen{0, 255, 0}, kOrange{255, 176, 0}, kGrey{64, 64, 64}, kSketch{230, 230, 240};
constexpr ColourTriple kBackground = kBackgroundColour, kNotBackground{1, 2, 3};
using Pages = Program<>;
using Probes = std::vector<std::pair<POINT, ColourTriple>>;

// Pixels of the window as it is shown; kNotBackground stands for any colour but the background.
void ExpectShown(HWND page, const Probes& probes) {
    for (const auto& [p, colour] : probes) {
        const ColourTriple shown = Pixel(page, p.x, p.y);
        EXPECT_TRUE(colour == kNotBackground ? shown != kBackground : shown == colour)
            << shown << " at " << p.x << ", " << p.y;
    }
}
// The window is covered and uncovered: the plain paint it gets must show the last complete picture.
void CoverAndUncover(HWND page) {
    HDC dc = GetDC(page);
    PatBlt(dc, 0, 0, 1920, 1080, WHITENESS);
    ReleaseDC(page, dc);
    RepaintAsUncovered(page);
}
void Tick(HWND page, int times = 1) {
    for (int i = 0; i < times; ++i) SendMessageW(page, WM_TIMER, 301, 0);
}

// The worked numbers in one place: each page's controls ("id@left,top widthxheight") with their captions in
// both programs (a Start button pressed twice), and pixels of its window as it first shows.
TEST_F(Pages, WorkedNumbersOfEveryPageInBothPrograms) {
    const struct {
        int button;
        const char* controls;
        const wchar_t* captions[2];
        Probes probes;
    } pages[] = {
        {0,
         "201@1689,950 192x108 203@576,486 768x108 202@38,950 192x108 204@576,648 768x108 213@576,810 "
         "768x108",
         {L"Authors|Fresnel diffraction|Exit|Intensity distribution\nalong the optical axis|"
          L"Radial intensity distribution|",
          L"Авторы|Дифракция Френеля|Выход|Распределение интенсивности\nвдоль оптической оси|"
          L"Радиальное распределение\nинтенсивности|"},
         // The emblems, 282 pixels at (147, 51) and (1491, 51).
         {{{288, 192}, kNotBackground}, {{1632, 192}, kNotBackground}, {{144, 192}, kBackground}}},
        {kAuthorsButton,
         "205@1689,950 192x108",
         {L"Menu|", L"Меню|"},
         // The portraits, 297 x 396 at (546, 501) and (1077, 501).
         {{{694, 801}, kNotBackground}, {{1225, 801}, kNotBackground}, {{1376, 801}, kBackground}}},
        {kPatternButton,
         "0@76,172 538x54 0@690,172 538x54 0@1306,172 538x54 206@38,950 230x108 207@38,657 230x108 "
         "208@38,506 230x108 209@38,355 230x108",
         {L"|||Menu|Projection\nof aperture|Plots|Compare|",
          L"|||Меню|Проекция\nотверстия|Графики|Сравнить|"},
         // The separator at y = 269; the frames, 660 pixels at (378, 355) and (1148, 355), the comparison
         // black until one is taken.
         {{{5, 269}, kBlack}, {{377, 685}, kBackground}, {{708, 685}, kBlack}, {{1808, 685}, kBackground}}},
        {kAxialButton,
         "210@1651,950 230x108 211@76,312 249x108 212@365,312 249x108 0@76,172 538x54",
         {L"Menu|Start|Reset||Continue|Pause|", L"Меню|Старт|Сброс||Продолжить|Пауза|"},
         // The aperture disc on dark grey, the green start marker on the axis.
         {{{115, 488}, kGrey}, {{344, 817}, kBackground}, {{647, 638}, kGreen}}},
        {kRadialButton,
         "214@1651,950 230x108 215@76,312 249x108 216@365,312 249x108 0@76,172 538x54 0@690,172 538x54",
         {L"Menu|Start|Reset|||Continue|Pause|", L"Меню|Старт|Сброс|||Продолжить|Пауза|"},
         // The aperture on dark grey, no sketch of the screen before a run.
         {{{124, 505}, kGrey}, {{344, 825}, kBackground}, {{908, 495}, kBackground}}}};
    for (int program = 0; program < 2; ++program) {
        app.texts = program == 0 ? &EnglishTexts() : &RussianTexts();
        Open(kAuthorsButton);
        Open(kAuthorsMenu);  // the start page in this program's texts
        for (const auto& page : pages) {
            HWND window = page.button == 0 ? OnlyPage() : Open(page.button);
            std::string controls;
            std::wstring captions;
            for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
                RECT r{};
                GetWindowRect(c, &r);
                controls += (controls.empty() ? "" : " ") + std::to_string(GetDlgCtrlID(c)) + "@" +
                            std::to_string(r.left) + "," + std::to_string(r.top) + " " +
                            std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
                captions += Caption(c) + L"|";
            }
            EXPECT_EQ(controls, page.controls);
            ExpectShown(window, page.probes);
            const int start = page.button == kAxialButton ? kAxialStart : kRadialStart;
            for (int press = 0; press < 2 && page.button >= kAxialButton; ++press) {
                Command(window, start);
                captions += Caption(GetDlgItem(window, start)) + L"|";
            }
            EXPECT_EQ(captions, page.captions[program]);
            if (page.button >= kAxialButton) Command(window, start + 1);  // Reset
            if (page.button != 0) Open(app.menu_button->id);
        }
    }
}

TEST_F(Pages, AxialScreenThroughARun) {
    HWND page = Open(kAxialButton);
    AxialScreen* s = OpenAxialScreen();
    const AxialLayout& l = s->layout;
    const PlatformObjectCounts fresh = LiveObjectCounts();
    // Space presses Start even while Reset has the focus: step 0 at 600 nm, zone 1 in the wavelength's
    // colour, the point of observation on the start marker.
    SetFocus(GetDlgItem(page, kAxialReset));
    PressKey(GetDlgItem(page, kAxialReset), VK_SPACE);
    ExpectShown(page, {{{344, 717}, kOrange}, {{647, 638}, kOrange}});
    // Continue: the wavelength is locked until Reset.
    Command(page, kAxialStart);
    Scroll(page, s->wavelength, SB_LINEDOWN);
    EXPECT_TRUE(s->wavelength->position == 600 && app.animation_running);
    Tick(page, 99);
    Command(page, kAxialStart);  // paused: the timer's own ticks stay away
    ASSERT_EQ(s->animation.k, 100);
    const Point point = ObservationPoint(l, 600, 99, 310);
    CoverAndUncover(page);
    ExpectShown(page, {{{point.x, point.y}, kOrange}, {{647, 638}, kGreen}, {{344, 717}, kOrange}});
    // Key V: the phasor diagram of the step shown, within its box only; again, and the picture is as it was.
    const Rect box = AxialPhasorPanel(l).box;
    const std::vector<ColourTriple> without = Block(page, 0, 0, 1920, 1080);
    PressKey(page, 'V');
    EXPECT_EQ(s->animation.k, 100);  // the step shown again, not the next one
    const std::vector<ColourTriple> with = Block(page, 0, 0, 1920, 1080);
    int changed = 0;
    for (int i = 0, x = 0, y = 0; i < 1920 * 1080; ++i, x = i % 1920, y = i / 1920) {
        const bool inside = x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
        ASSERT_TRUE(inside || with[i] == without[i]) << "outside the panel at " << x << ", " << y;
        changed += with[i] != without[i];
    }
    EXPECT_GT(changed, box.width * box.height / 2);
    ExpectShown(page, {{{box.x + 2, box.y + box.height / 2}, kGrey}});
    PressKey(page, 'V');
    EXPECT_EQ(Block(page, 0, 0, 1920, 1080), without);
    // On to the end: 0.8 open zones, the point at the end of its travel; then Start does nothing until Reset.
    Command(page, kAxialStart);
    int ticks = 0;
    for (; s->animation.k <= 310 && ticks < 1000; ++ticks) Tick(page);
    EXPECT_EQ(ticks, 310 - 99);
    Tick(page);
    Command(page, kAxialStart);
    EXPECT_TRUE(Caption(GetDlgItem(page, kAxialStart)) == L"Pause" && s->zones->number_of_zones == 1);
    const Point end = ObservationPoint(l, 600, 310, 310);
    ExpectShown(page, {{{end.x, end.y}, kOrange}});
    PressKey(page, 'R');
    EXPECT_EQ(LiveObjectCounts(), fresh);
    // The panel stays on through Menu (Esc) and a new visit (2); the picture before a run has none.
    PressKey(page, 'V');
    PressKey(page, VK_ESCAPE);
    PressKey(OnlyPage(), '2');
    ExpectShown(OnlyPage(), {{{box.x + 2, box.y + box.height / 2}, kBackground}});
    Command(OnlyPage(), kAxialStart);
    ExpectShown(OnlyPage(), {{{box.x + 2, box.y + box.height / 2}, kGrey}});
}

TEST_F(Pages, RadialScreenThroughARun) {
    HWND page = Open(kRadialButton);
    RadialScreen* s = OpenRadialScreen();
    EXPECT_TRUE(s->animation.last == 304 && std::abs(s->z - 5.3333) < 1e-4 &&
                !IsWindowVisible(s->radius->window));  // its parameters are fixed
    // Start (Page Down): the sketch of the screen with the point of observation on the axis.
    PressKey(page, VK_NEXT);
    ExpectShown(page, {{{908, 495}, kSketch}, {{1008, 645}, kGreen}});
    Command(page, kRadialStart);
    Tick(page, 56);
    Command(page, kRadialStart);
    ASSERT_EQ(s->animation.k, 57);
    // Key V puts the phasor diagram of the step shown in the sketch's place.
    const Rect box = RadialPhasorPanel(s->layout).box;
    const POINT inside{box.x + 3, box.y + box.height / 4};
    ExpectShown(page, {{inside, kSketch}});
    PressKey(page, 'V');
    ExpectShown(page, {{inside, kGrey}, {{124, 505}, kGrey}});
    // The step outlives the screen: Menu (Backspace) and back (3), or a display change while it runs, show
    // it again with its panel and the timer off.
    PressKey(page, VK_BACK);
    EXPECT_EQ(RadialSavedStep(), 57);
    for (int visit = 0; visit < 2; ++visit) {
        if (visit == 0) PressKey(OnlyPage(), '3');
        page = visit == 0 ? OnlyPage() : ChangeDisplay(page, {1920, 1080});
        s = OpenRadialScreen();
        EXPECT_TRUE(s->animation.k == 57 && !app.animation_running);
        EXPECT_EQ(Caption(GetDlgItem(page, kRadialStart)), L"Start");
        CoverAndUncover(page);
        ExpectShown(page, {{inside, kGrey}});
        Command(page, kRadialStart);
        EXPECT_TRUE(app.animation_running);
    }
    Command(page, kRadialStart);  // paused again
    PressKey(page, 'V');
    const Box point = ObservationPointBox(s->layout, 57, 304);
    ExpectShown(page, {{inside, kSketch}, {{point.left + 6, point.top + 6}, kGreen}});
    // A whole run from Reset (Page Up): 304 steps, the point as far out as the aperture's rim; Reset leaves
    // the counts of a fresh screen.
    PressKey(page, VK_PRIOR);
    const PlatformObjectCounts fresh = LiveObjectCounts();
    Command(page, kRadialStart);
    Command(page, kRadialStart);
    int ticks = 0;
    for (; RadialSavedStep() == -1 && ticks < 1000; ++ticks) Tick(page);
    EXPECT_EQ(ticks, 304);
    ExpectShown(page, {{{1196, 645}, kGreen}});
    Command(page, kRadialReset);
    EXPECT_EQ(RadialSavedStep(), -1);
    EXPECT_EQ(LiveObjectCounts(), fresh);
}

class Pattern : public Pages {
protected:
    void SetUp() override {
        Pages::SetUp();
        page = Open(kPatternButton);
        s = OpenPatternScreen();
    }
    // A frame's rows from `top` down as the window shows them; the white in a box of the work surface.
    std::vector<ColourTriple> Frame(int left, int top = 0) const {
        return Block(page, left, 355 + top, 660, 660 - top);
    }
    int White(int left, int top, int width, int height) const {
        const std::vector<ColourTriple> box = Block(s->work->context, left, top, width, height);
        return static_cast<int>(std::count(box.begin(), box.end(), kWhite));
    }
    HWND page = nullptr;
    PatternScreen* s = nullptr;
    const int current = 1148, comparison = 378, top = 355;  // the frames' left edges and top
};

// The current frame is the pure rendering of its parameters, pixel for pixel: four open zones at 500 nm, 2
// mm, 2 m. Five at 1.6 m light the centre in the full colour; 700 nm at 1.1 m (5.19 zones) leave it red. A
// new thumb position repaints once; a page click, a released thumb, the end of a scroll or a thumb where it
// is do nothing; the arrow keys step the wavelength.
TEST_F(Pattern, TheFramesAndTheBars) {
    EXPECT_TRUE(s->layout.current_left == current && s->layout.comparison_left == comparison &&
                s->layout.size == 660);
    PatternImage expected;
    ComputePatternImage(660, 500 * 1e-9, 2000 * 1e-6, 2000 * 1e-6 / 1000, 2000 * 1e-3, 1.5, false, false,
                        &expected);
    std::vector<ColourTriple> pure;
    for (std::uint32_t w : expected.pixels)
        pure.push_back({std::uint8_t(w >> 16), std::uint8_t(w >> 8), std::uint8_t(w)});
    EXPECT_TRUE(Frame(current) == pure);
    Scroll(page, s->distance, SB_THUMBTRACK, 1600);
    ExpectShown(page, {{{current + 330, top + 330}, {0, 255, 127}}});
    PressKey(page, VK_RIGHT);
    EXPECT_EQ(s->wavelength->position, 501);
    const int repaints = s->full_repaints;
    for (const auto& [bar, value] : {std::pair{s->wavelength, 700}, {s->aperture, 2000}, {s->distance, 1100}})
        for (int code : {SB_PAGEDOWN, SB_THUMBPOSITION, SB_ENDSCROLL, SB_THUMBTRACK})
            Scroll(page, bar, code, value);
    const PatternImage& computed = s->current->computed;
    EXPECT_TRUE(computed.wavelength == 700 * 1e-9 && computed.aperture_radius == 2000 * 1e-6 &&
                computed.ring_width == 2000 * 1e-6 / 1000 && computed.distance == 1100 * 1e-3);
    EXPECT_EQ(s->full_repaints, repaints + 2);
    const ColourTriple centre = Pixel(page, current + 330, top + 330);
    EXPECT_TRUE(centre.green == 0 && centre.red > 150) << centre;
}

TEST_F(Pattern, CompareAndTheSwitches) {
    // Compare: the comparison shows the current picture, its lines in white over its top left; later changes
    // move the current frame only.
    Command(page, kCompare);
    const PlatformObjectCounts open = LiveObjectCounts();
    const std::vector<ColourTriple> taken = Frame(comparison, 200);
    EXPECT_EQ(taken, Frame(current, 200));
    EXPECT_GT(White(comparison, top, 220, 3 * 43), 200);
    for (ScrollBarControl* bar : {s->distance, s->wavelength, s->aperture}) Scroll(page, bar, SB_LINEDOWN);
    EXPECT_TRUE(Frame(comparison, 200) == taken && Frame(current, 200) != taken);
    // The projection: the shadow edge (660/2)/1.5 = 220 pixels from the centre, white in both frames.
    Command(page, kProjection);
    for (int left : {comparison, current})
        EXPECT_TRUE(White(left + 550, top + 330, 1, 1) + White(left + 330, top + 110, 1, 1) == 2 &&
                    White(left + 552, top + 330, 1, 1) == 0);
    Command(page, kProjection);
    EXPECT_EQ(White(current + 550, top + 330, 1, 1), 0);
    // The plots, 3 pixels wide, in the lowest 40% of each frame (264 of 660 rows) and nowhere above.
    const int from = top + 660 - 264 - 2;
    EXPECT_EQ(White(comparison + 200, from, 1, 266), 0);
    Command(page, kPlots);
    for (int left : {comparison, current})
        EXPECT_TRUE(White(left + 200, from, 1, 266) >= 3 &&
                    White(left, top + 189, 660, from - top - 189) == 0);
    // A scroll step recomposes only what it changes: its picture is the one a whole repaint composes, on the
    // work surface and on the window (but for its controls, left and along the top); a plain paint
    // recomputes nothing.
    for (ScrollBarControl* bar : {s->distance, s->wavelength, s->aperture}) Scroll(page, bar, SB_LINEDOWN);
    const std::vector<ColourTriple> stepped = Block(s->work->context, 0, 0, 1920, 1080);
    const auto window_as_stepped = [&] {
        const std::vector<ColourTriple> window = Block(page, 0, 0, 1920, 1080);
        for (int i = 0, x = 0, y = 0; i < 1920 * 1080; ++i, x = i % 1920, y = i / 1920)
            if (window[i] != stepped[i] && (x >= 270 || y < 355) && (y < 172 || y >= 226)) return false;
        return true;
    };
    EXPECT_TRUE(window_as_stepped());
    Command(page, kProjection);  // twice: the same switches, the whole picture composed again
    Command(page, kProjection);
    EXPECT_TRUE(Block(s->work->context, 0, 0, 1920, 1080) == stepped);
    const int repaints = s->full_repaints;
    CoverAndUncover(page);
    EXPECT_TRUE(s->full_repaints == repaints && window_as_stepped());
    EXPECT_EQ(LiveObjectCounts(), open);
    // Menu discards the comparison and the switches: a new visit starts from 500 nm, 2 mm, 2 m.
    PressKey(page, VK_ESCAPE);
    EXPECT_EQ(LiveObjectCounts(), start_counts_);
    page = Open(kPatternButton);
    s = OpenPatternScreen();
    EXPECT_TRUE(s->wavelength->position == 500 && s->aperture->position == 2000 &&
                s->distance->position == 2000);
    EXPECT_FALSE(s->comparison_taken || s->aperture_projection || s->plots);
    EXPECT_EQ(LiveObjectCounts(), open);
}

}  // namespace
