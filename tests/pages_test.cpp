// The platform layer under Wine: fonts at their Windows widths, Russian texts that keep their letters on a
// Western system (LANG=C: Wine's ANSI code page is not 1251), Windows' rules. Then every page at the worked
// 1920 x 1080, driven with commands, keys, scroll and timer messages as the message loop would deliver them:
// the worked numbers read back from the windows in both programs, the animated screens through their runs,
// the pattern screen's frames, bars, comparison and switches.
#include <algorithm>
#include <cstdio>
#include <utility>

#include "shell/help_and_notes.h"
#include "shell/keep_awake.h"
#include "shell/page_window.h"
#include "shell/picture_export.h"
#include "tests/page_driver.h"

namespace {

// What `draw` shows in black on white in the page font at 1920 x 1080 (54 x 19); wide letters at (5, 5).
template <typename Draw>
Pixels InPageFont(const Draw& draw) {
    Surface* s = CreateSurface(nullptr, 200, 70, kWhite);
    HGDIOBJ previous = SelectObject(s->context, CreateTextFont(54, 19, 1));
    PrepareText(s->context, TA_LEFT);
    draw(s->context);
    const Pixels pixels = Block(s->context, 0, 0, 200, 70);
    DeleteDrawingObject(SelectObject(s->context, previous));
    DestroySurface(s);
    return pixels;
}
Pixels Wide(const std::wstring& text) {
    return InPageFont([&](HDC dc) { TextOutW(dc, 5, 5, text.c_str(), static_cast<int>(text.size())); });
}

// "Times New Roman" draws at its Windows widths: a font made with an explicit width is scaled so that the
// face's stated average width (821 of 2048, also in the face Wine uses) comes out at it. Texts (code page
// 1251) in the page font are within 2 % of the sum of their letters' advance widths (in 1/2048 em) times
// 19/821, "Продолжить" within 1 %.
TEST(PlatformKit, TextsHaveTheirWindowsWidths) {
    const TextSet& ru = RussianTexts();
    const std::pair<std::string, int> cases[] = {{ru.continue_caption, 10955},
                                                 {ru.reset_caption, 5365},
                                                 {"Continue", 7509},
                                                 {"Projection of aperture", 17856},
                                                 {"Fresnel diffraction", 15184},
                                                 {"Distance to the screen 2.0 m", 23203}};
    InPageFont([&](HDC dc) {
        for (const auto& [text, advances] : cases) {
            const double windows = advances * 19.0 / 821,
                         tolerance = text == ru.continue_caption ? 0.01 : 0.02;
            EXPECT_NEAR(NarrowTextWidth(dc, text), windows, tolerance * windows) << text;
        }
    });
}

TEST(PlatformKit, RussianTextsKeepTheirLettersOnAWesternSystem) {
    EXPECT_NE(GetACP(), 1251u);
    // Drawn narrow, the bytes would be Latin-1 letters ("Ìåíþ"); the program's helper draws what a wide
    // "Меню" draws, and a label exactly its counted letters. (The worked numbers read the captions back.)
    const std::string& menu = RussianTexts().menu_button;
    EXPECT_EQ(InPageFont([&](HDC dc) { DrawNarrowText(dc, 5, 5, menu); }), Wide(L"Меню"));
    LabelText* label = MakeLabelText(2, nullptr, menu.c_str());
    EXPECT_EQ(InPageFont([&](HDC dc) { DrawLabel(dc, 5, 5, label); }), Wide(L"Ме"));
    FreeLabelText(label);
}

// Windows' rules that Wine does not enforce are reported: a font deleted while a surface holds it, a 32-bpp
// CreateBitmap bitmap in a memory context; the surfaces' DIB sections and a right-ordered delete are not.
TEST(PlatformKit, WindowsRulesAreChecked) {
    CheckWindowsRules(true);
    Surface* s = CreateSurface(nullptr, 8, 8, kWhite);
    HFONT font = CreateTextFont(20, 8, 400);
    HGDIOBJ previous = SelectObject(s->context, font);
    DeleteDrawingObject(font);
    HBITMAP plain = CreateBitmap(8, 8, 1, 32, nullptr);
    Surface* wrapped = WrapBitmapSurface(nullptr, 8, 8, plain);
    EXPECT_EQ(TakeRuleViolations(),
              (std::vector<std::string>{
                  "a font deleted while it is selected into a surface",
                  "a 32-bpp bitmap that is neither a DIB section nor a compatible bitmap selected"}));
    SelectObject(s->context, previous);  // Wine deletes the font now, Windows never would
    DestroySurface(wrapped);
    DestroySurface(s);
    EXPECT_EQ(TakeRuleViolations(), std::vector<std::string>{});
    CheckWindowsRules(false);
}

constexpr ColourTriple kBackground = kBackgroundColour, kNotBackground{1, 2, 3};
using Pages = Program<>;
using Probes = std::vector<std::pair<POINT, ColourTriple>>;

// Pixels of the window as it is shown; kNotBackground stands for any colour but the background.
void ExpectShown(HWND page, const Probes& probes) {
    for (const auto& [p, colour] : probes) {
        const ColourTriple shown = Block(page, p.x, p.y, 1, 1)[0];
        EXPECT_TRUE(colour == kNotBackground ? shown != kBackground : shown == colour)
            << shown << " at " << p.x << ", " << p.y;
    }
}
// Ctrl+C and Ctrl+S compose the picture from the page's own picture and its controls: the very pixels the
// window shows (a page that forgot its picture, or a control that did not paint, differs).
bool GivesThePictureItShows(HWND page) {
    std::vector<std::uint32_t> words;
    int width = 0, height = 0;
    if (!CapturePage(page, &words, &width, &height) || width != 1920 || height != 1080) return false;
    const Pixels shown = Block(page);
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (words[i] != std::uint32_t(shown[i].red << 16 | shown[i].green << 8 | shown[i].blue)) return false;
    return true;
}
// The pixels in which two pictures of a whole page differ, those in the boxes `but` left out.
int Differences(const Pixels& a, const Pixels& b, const std::vector<RECT>& but = {}) {
    int count = 0;
    for (int i = 0; i < 1920 * 1080; ++i) {
        const POINT p{i % 1920, i / 1920};
        const auto holds = [&](const RECT& box) { return PtInRect(&box, p) != 0; };
        count += a[i] != b[i] && std::none_of(but.begin(), but.end(), holds);
    }
    return count;
}

// The worked numbers in one place: each page's controls ("id@left,top widthxheight") with their captions in
// both programs (a Start button pressed twice), and pixels of its window as it first shows: the emblems (282
// at (147, 51) and (1491, 51)), the portraits (297 x 396 at (546, 501) and (1077, 501)), the separator at
// y = 269 and the frames (660 at (378, 355) and (1148, 355); the comparison black until one is taken), the
// apertures on dark grey, the axial screen's green start marker, no radial sketch before a run; where its
// texts are drawn, to the pixel (one fingerprint for a program's pages; a failure prints the places). Every
// page, the animated ones running with the focus mark on Start, gives the picture it shows.
TEST_F(Pages, WorkedNumbersOfEveryPageInBothPrograms) {
    const struct {
        int button;
        const char* controls;
        const wchar_t* captions[2];
        Probes probes;
    } pages[] = {
        {0,
         "201@1689,950 192x108 203@576,486 768x108 202@38,950 192x108 204@576,648 768x108 213@576,810 "
         "768x108 ",
         {L"Authors|Fresnel diffraction|Exit|Intensity distribution\nalong the optical axis|"
          L"Radial intensity distribution|",
          L"Авторы|Дифракция Френеля|Выход|Распределение интенсивности\nвдоль оптической оси|"
          L"Радиальное распределение\nинтенсивности|"},
         {{{288, 192}, kNotBackground}, {{1632, 192}, kNotBackground}, {{144, 192}, kBackground}}},
        {kAuthorsButton,
         "205@1689,950 192x108 ",
         {L"Menu|", L"Меню|"},
         {{{694, 801}, kNotBackground}, {{1225, 801}, kNotBackground}, {{1376, 801}, kBackground}}},
        {kPatternButton,
         "0@76,172 538x54 0@690,172 538x54 0@1306,172 538x54 206@38,950 230x108 207@38,657 230x108 "
         "208@38,506 230x108 209@38,355 230x108 ",
         {L"|||Menu|Projection\nof aperture|Plots|Compare|",
          L"|||Меню|Проекция\nотверстия|Графики|Сравнить|"},
         {{{5, 269}, kBlack}, {{377, 685}, kBackground}, {{708, 685}, kBlack}, {{1808, 685}, kBackground}}},
        {kAxialButton,
         "210@1651,950 230x108 211@76,312 249x108 212@365,312 249x108 0@76,172 538x54 ",
         {L"Menu|Start|Reset||Continue|Pause|", L"Меню|Старт|Сброс||Продолжить|Пауза|"},
         {{{115, 488}, kGrey}, {{344, 817}, kBackground}, {{647, 638}, kGreen}}},
        {kRadialButton,
         "214@1651,950 230x108 215@76,312 249x108 216@365,312 249x108 0@76,172 538x54 0@690,172 538x54 ",
         {L"Menu|Start|Reset|||Continue|Pause|", L"Меню|Старт|Сброс|||Продолжить|Пауза|"},
         {{{124, 505}, kGrey}, {{344, 825}, kBackground}, {{908, 495}, kBackground}}}};
    const unsigned long long placings[2] = {5153522286809324140ull, 2995124073663310295ull};
    RecordDrawnTexts(true);
    for (int program = 0; program < 2; ++program) {
        app.texts = program == 0 ? &EnglishTexts() : &RussianTexts();
        Open(kAuthorsButton);
        Open(kAuthorsMenu);  // the start page in this program's texts
        std::string placed;
        for (const auto& page : pages) {
            HWND window = page.button == 0 ? OnlyPage() : Open(page.button);
            std::string controls;
            std::wstring captions;
            for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
                RECT r{};
                GetWindowRect(c, &r);
                char control[64];
                std::snprintf(control, sizeof control, "%d@%ld,%ld %ldx%ld ", GetDlgCtrlID(c), r.left, r.top,
                              r.right - r.left, r.bottom - r.top);
                controls += control;
                captions += Caption(c) + L"|";
            }
            EXPECT_EQ(controls, page.controls);
            ExpectShown(window, page.probes);
            for (const DrawnText& t : TextsShownOn(ShownSurface()->context))
                placed += std::to_string(t.at.x) + "," + std::to_string(t.at.y) + " ";
            placed += "| ";
            const int start = page.button == kAxialButton ? kAxialStart : kRadialStart;
            for (int press = 0; press < 2 && page.button >= kAxialButton; ++press) {
                Command(window, start);
                captions += Caption(GetDlgItem(window, start)) + L"|";
            }
            EXPECT_EQ(captions, page.captions[program]);
            if (page.button >= kAxialButton) SetFocus(GetDlgItem(window, start));
            EXPECT_TRUE(GivesThePictureItShows(window)) << page.button;
            if (page.button >= kAxialButton) Command(window, start + 1);  // Reset
            if (page.button != 0) Open(app.menu_button->id);
        }
        EXPECT_EQ(Fingerprint(placed), placings[program]) << placed;
    }
}

// The display kept on while the page is shown in front, with no screen saver and no monitor switched off
// meanwhile (a monitor switched on is welcome); given up when the page is minimised, and asked again once it
// is restored.
TEST_F(Pages, TheDisplayStaysOnWhileThePageIsShown) {
    HWND page = OnlyPage();
    ASSERT_TRUE(KeepingAwake());
    const auto refused = [&](WPARAM command, LPARAM second) {
        LRESULT result = 1;
        return HandleShellMessage(page, WM_SYSCOMMAND, command, second, &result) && result == 0;
    };
    EXPECT_TRUE(refused(SC_SCREENSAVE, 0) && refused(SC_MONITORPOWER, 2) && !refused(SC_MONITORPOWER, -1) &&
                !refused(SC_CLOSE, 0));
    ShowWindow(page, SW_MINIMIZE);
    Pump();
    EXPECT_FALSE(KeepingAwake());
    EXPECT_FALSE(refused(SC_SCREENSAVE, 0));
    EXPECT_EQ(OnlyPage(), page);  // minimised, not made again
    ShowWindow(page, SW_RESTORE);
    Pump();
    EXPECT_TRUE(KeepingAwake());
    EXPECT_EQ(OnlyPage(), page);

    // The key help and the notes belong to the page: owned by it and not over other programs, so that they
    // go behind with it when the lecturer switches to the slides.
    const auto over_page = [&] {
        std::pair<HWND, std::vector<HWND>> found{page, {}};
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND w, LPARAM found) {
                auto* f = reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(found);
                if (w != f->first && IsWindowVisible(w)) f->second.push_back(w);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found.second;
    };
    ToggleHelp(page);
    ShowNote(page, "note");
    Pump();
    const std::vector<HWND> shown = over_page();
    EXPECT_EQ(shown.size(), 2u);
    for (HWND w : shown)
        EXPECT_TRUE(GetWindow(w, GW_OWNER) == page && !(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST));
    ToggleHelp(page);
    HideNote();
    Pump();
    EXPECT_TRUE(over_page().empty());
}

TEST_F(Pages, AxialScreenThroughARun) {
    HWND page = Open(kAxialButton);
    AxialScreen* s = OpenAxialScreen();
    const PlatformObjectCounts fresh = LiveObjectCounts();
    // Space presses Start even while Reset has the focus: step 0 at 600 nm, zone 1 in the wavelength's
    // colour, the point of observation on the start marker.
    SetFocus(GetDlgItem(page, kAxialReset));
    Pump();
    const Pixels ready = Block(page);
    PressKey(GetDlgItem(page, kAxialReset), VK_SPACE);
    ExpectShown(page, {{{344, 717}, kOrange}, {{647, 638}, kOrange}});
    // Continue: the wavelength is locked until Reset. Paused at step 100, the point there, the marker green.
    Command(page, kAxialStart);
    Scroll(page, s->wavelength, SB_LINEDOWN);
    EXPECT_TRUE(s->wavelength->position == 600 && app.animation_running);
    Tick(page, 99);
    Command(page, kAxialStart);  // paused: the timer's own ticks stay away
    ASSERT_EQ(s->animation.k, 100);
    const Point point = ObservationPoint(s->layout, 600, 99, 310);
    CoverAndUncover(page);
    ExpectShown(page, {{{point.x, point.y}, kOrange}, {{647, 638}, kGreen}, {{344, 717}, kOrange}});
    // Key V: the phasor diagram of the step shown, within its box only; again, and the picture is as it was.
    const Rect box = AxialPhasorPanel(s->layout).box;
    const POINT in_panel{box.x + 2, box.y + box.height / 2};
    const Pixels without = Block(page);
    PressKey(page, 'V');  // the step shown again, not the next one
    EXPECT_EQ(Differences(Block(page), without, {{box.x, box.y, box.x + box.width, box.y + box.height}}), 0);
    EXPECT_GT(Differences(Block(page), without), box.width * box.height / 2);
    PressKey(page, 'V');
    EXPECT_EQ(Differences(Block(page), without), 0);
    PressKey(page, 'R');  // the ready screen's picture again
    EXPECT_EQ(Differences(Block(page), ready), 0);
    EXPECT_EQ(Owned(LiveObjectCounts()), Owned(fresh));  // the panel keeps its font
    // The panel stays on through Menu (Esc) and a new visit (2); the picture before a run has none.
    PressKey(page, 'V');
    PressKey(page, VK_ESCAPE);
    PressKey(OnlyPage(), '2');
    ExpectShown(OnlyPage(), {{in_panel, kBackground}});
    Command(OnlyPage(), kAxialStart);
    ExpectShown(OnlyPage(), {{in_panel, kGrey}});
    // At 500 nm after Reset, the point of observation on the start marker in that wavelength's colour.
    Command(OnlyPage(), kAxialReset);
    Scroll(OnlyPage(), OpenAxialScreen()->wavelength, SB_THUMBTRACK, 500);
    Command(OnlyPage(), kAxialStart);
    const Point marker = StartMarker(OpenAxialScreen()->layout, 500);
    ExpectShown(OnlyPage(), {{{marker.x, marker.y}, {0, 255, 127}}});
}

TEST_F(Pages, RadialScreenThroughARun) {
    HWND page = Open(kRadialButton);
    RadialScreen* s = OpenRadialScreen();
    const PlatformObjectCounts fresh = LiveObjectCounts();
    const Pixels ready = Block(page);
    // Start (Page Down): the sketch of the screen with the point of observation on the axis; on to step 57.
    PressKey(page, VK_NEXT);
    ExpectShown(page, {{{908, 495}, kSketch}, {{1008, 645}, kGreen}});
    Command(page, kRadialStart);
    Tick(page, 56);
    Command(page, kRadialStart);  // paused
    // Key V puts the phasor diagram of the step shown in the sketch's place. Both outlive the screen: Menu
    // (Backspace) and back (3) show them again, the timer off.
    const Rect box = RadialPhasorPanel(s->layout).box;
    const POINT in_panel{box.x + 3, box.y + box.height / 4};
    const Box point = ObservationPointBox(s->layout, 57, 304);
    PressKey(page, 'V');
    ExpectShown(page, {{in_panel, kGrey}, {{124, 505}, kGrey}});
    EXPECT_NE(Block(page, point.left + 6, point.top + 6, 1, 1)[0], kGreen);  // no point over the panel
    PressKey(page, VK_BACK);
    PressKey(OnlyPage(), '3');
    page = OnlyPage();
    s = OpenRadialScreen();
    EXPECT_TRUE(s->animation.k == 57 && !app.animation_running &&
                Caption(GetDlgItem(page, kRadialStart)) == L"Start");
    CoverAndUncover(page);
    ExpectShown(page, {{in_panel, kGrey}});
    // V again: the sketch, the point where step 57 puts it. Reset (Page Up) leaves a fresh screen's picture
    // and counts.
    PressKey(page, 'V');
    ExpectShown(page, {{in_panel, kSketch}, {{point.left + 6, point.top + 6}, kGreen}});
    PressKey(page, VK_PRIOR);
    EXPECT_EQ(Differences(Block(page), ready), 0);
    EXPECT_EQ(Owned(LiveObjectCounts()), Owned(fresh));  // the panel keeps its font
}

// The pattern screen's current frame is the pure rendering of its parameters, pixel for pixel (four open
// zones at 500 nm, 2 mm, 2 m); five at 1.6 m light the centre in the full colour, 700 nm at 1.1 m (5.19
// zones) leave it red; the arrow keys step the wavelength.
TEST_F(Pages, PatternScreenThroughItsControls) {
    constexpr int current = 1148, comparison = 378, top = 355;
    HWND page = Open(kPatternButton);
    PatternScreen* s = OpenPatternScreen();
    const Pixels first = Block(page);
    const auto frame = [&](int left, int from = 0) { return Block(page, left, top + from, 660, 660 - from); };
    PatternImage expected;
    ComputePatternImage(660, 500 * 1e-9, 2000 * 1e-6, 2000 * 1e-6 / 1000, 2000 * 1e-3, 1.5, false, false,
                        &expected);
    EXPECT_TRUE(frame(current) == PixelsOf(expected));
    Scroll(page, s->distance, SB_THUMBTRACK, 1600);
    ExpectShown(page, {{{current + 330, top + 330}, {0, 255, 127}}});
    PressKey(page, VK_RIGHT);
    EXPECT_EQ(s->wavelength->position, 501);
    Scroll(page, s->wavelength, SB_THUMBTRACK, 700);
    Scroll(page, s->distance, SB_THUMBTRACK, 1100);
    const ColourTriple centre = Block(page, current + 330, top + 330, 1, 1)[0];
    EXPECT_TRUE(centre.green == 0 && centre.red > 150) << centre;

    // Compare: the comparison shows the current picture, its lines in white over its top left; later changes
    // move the current frame only.
    Command(page, kCompare);
    const PlatformObjectCounts open = LiveObjectCounts();
    const Pixels taken = frame(comparison, 200);
    EXPECT_EQ(taken, frame(current, 200));
    const Pixels lines = Block(s->work->context, comparison, top, 220, 3 * 43);
    EXPECT_GT(std::count(lines.begin(), lines.end(), kWhite), 200);
    for (ScrollBarControl* bar : {s->distance, s->wavelength, s->aperture}) Scroll(page, bar, SB_LINEDOWN);
    EXPECT_TRUE(frame(comparison, 200) == taken && frame(current, 200) != taken);
    // With the plots on, a scroll step of each bar recomposes only what it changes: its picture is the one a
    // whole repaint (the projection off and on) composes, on the work surface and on the window (but for its
    // controls, left and along the top); a plain paint recomputes nothing.
    Command(page, kPlots);
    const std::vector<RECT> controls = {{0, top, 270, 1080}, {0, 172, 1920, 226}};
    Pixels stepped;
    for (ScrollBarControl* bar : {s->distance, s->wavelength, s->aperture}) {
        Scroll(page, bar, SB_LINEDOWN);
        stepped = Block(s->work->context);
        EXPECT_EQ(Differences(Block(page), stepped, controls), 0);
        for (int twice = 0; twice < 2; ++twice) Command(page, kProjection);
        EXPECT_EQ(Differences(Block(s->work->context), stepped), 0) << bar->position;
    }
    const int painted = s->full_repaints;
    CoverAndUncover(page);
    EXPECT_EQ(s->full_repaints, painted);
    EXPECT_EQ(Differences(Block(page), stepped, controls), 0);
    EXPECT_EQ(LiveObjectCounts(), open);
    // Menu discards the comparison and the switches: a new visit shows what the first one showed.
    PressKey(page, VK_ESCAPE);
    page = Open(kPatternButton);
    EXPECT_EQ(Differences(Block(page), first), 0);
    EXPECT_EQ(LiveObjectCounts(), open);
}

}  // namespace
