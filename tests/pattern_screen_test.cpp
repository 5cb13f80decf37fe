// The Fresnel pattern screen under Wine, driven through PatternScreenProc with button, scroll and paint
// messages as the message loop would deliver them. The pictures are read back from the work surface
// (what every full repaint composes) and from the window, and the frames are checked against the pure
// rendering of the same parameters.
#include "screens/pattern/pattern_screen.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "screens/pattern/pattern_image.h"
#include "shell/application.h"
#include "shell/start_page.h"
#include "shell/text_set.h"
#include "shell/worker_pool.h"
#include "tests/page_driver.h"

namespace {

constexpr int kMenu = 206, kProjection = 207, kPlots = 208, kCompare = 209;
constexpr int kPatternButton = 203;

ColourTriple FromWord(std::uint32_t word) {
    return {static_cast<unsigned char>(word >> 16), static_cast<unsigned char>(word >> 8),
            static_cast<unsigned char>(word)};
}

RECT ChildRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

class PatternScreenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        PlugInScreen(kPatternScreen, RegisterPatternScreenClass, CreatePatternScreen);
        StartApplication(GetModuleHandleW(nullptr), SW_SHOWNORMAL, EnglishTexts());
    }

    void SetUp() override {
        app.screen_width = 1920;
        app.screen_height = 1080;
        ASSERT_EQ(CreateStartPage(SW_SHOWNORMAL), 1);
        Pump();
        before_ = LiveObjectCounts();
        Open();
    }

    void TearDown() override {
        if (OpenPatternScreen() != nullptr) Command(OnlyPage(), kMenu);
        Pump();
        // Back on the start page, everything the screen made is gone again.
        EXPECT_EQ(LiveObjectCounts(), before_);
        EXPECT_EQ(ClassOf(OnlyPage()), app.class_names[kStartPage]);
        for (HWND page : PageWindows()) DestroyWindow(page);
        app.page_surface = nullptr;
        app.texts = &EnglishTexts();
    }

    // Opens the screen from the start page, as its button does.
    void Open() {
        Command(OnlyPage(), kPatternButton);
        Pump();
        page_ = OnlyPage();
        screen_ = OpenPatternScreen();
        ASSERT_NE(screen_, nullptr);
        ASSERT_EQ(screen_->window, page_);
    }

    void Scroll(ScrollBarControl* bar, WORD code, WORD position = 0) {
        SendMessageW(page_, WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(bar->window));
    }

    const PatternLayout& Layout() const { return screen_->layout; }
    ColourTriple Work(int x, int y) const { return SurfacePixel(screen_->work, x, y); }
    ColourTriple Current(int x, int y) const {
        return Work(Layout().current_left + x, Layout().frame_top + y);
    }
    ColourTriple Comparison(int x, int y) const {
        return Work(Layout().comparison_left + x, Layout().frame_top + y);
    }

    // Every 7th pixel of a frame's rows from `top` down, as composed in the work surface.
    std::vector<ColourTriple> FrameSample(int left, int top) const {
        std::vector<ColourTriple> sample;
        const int size = Layout().size;
        for (int y = top; y < size; y += 29)
            for (int x = 0; x < size; x += 7) sample.push_back(Work(left + x, Layout().frame_top + y));
        return sample;
    }

    int WhiteInColumn(int left, int x, int from, int to) const {
        int white = 0;
        for (int y = from; y < to; ++y) white += Work(left + x, Layout().frame_top + y) == kWhite;
        return white;
    }

    int Repaints() const { return screen_->full_repaints; }

    PlatformObjectCounts before_{};
    HWND page_ = nullptr;
    PatternScreen* screen_ = nullptr;
};

TEST_F(PatternScreenTest, FreshScreenAtFullHd) {
    EXPECT_EQ(ChildCaption(page_, kMenu), L"Menu");
    EXPECT_EQ(ChildCaption(page_, kProjection), L"Projection\nof aperture");  // broken as it is shown
    EXPECT_EQ(ChildCaption(page_, kPlots), L"Plots");
    EXPECT_EQ(ChildCaption(page_, kCompare), L"Compare");
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(page_, kProjection), GWL_STYLE) & BS_MULTILINE);
    EXPECT_FALSE(GetWindowLongW(GetDlgItem(page_, kCompare), GWL_STYLE) & BS_MULTILINE);
    // Controls where the worked layout puts them: {left, top, width, height}.
    const struct {
        HWND window;
        RECT expected;
    } controls[] = {{GetDlgItem(page_, kMenu), {38, 950, 230, 108}},
                    {GetDlgItem(page_, kProjection), {38, 657, 230, 108}},
                    {GetDlgItem(page_, kPlots), {38, 506, 230, 108}},
                    {GetDlgItem(page_, kCompare), {38, 355, 230, 108}},
                    {screen_->wavelength->window, {76, 172, 538, 54}},
                    {screen_->aperture->window, {690, 172, 538, 54}},
                    {screen_->distance->window, {1306, 172, 538, 54}}};
    for (const auto& c : controls) {
        const RECT r = ChildRect(c.window);
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right - r.left, c.expected.right);
        EXPECT_EQ(r.bottom - r.top, c.expected.bottom);
    }
    EXPECT_EQ(GetScrollPos(screen_->wavelength->window, SB_CTL), 500);
    EXPECT_EQ(GetScrollPos(screen_->aperture->window, SB_CTL), 2000);
    EXPECT_EQ(GetScrollPos(screen_->distance->window, SB_CTL), 2000);
    EXPECT_EQ(Repaints(), 1);

    // The static picture around the frames; the separator line across the caption tops at y = 269.
    EXPECT_TRUE(Same(Work(5, 5), kBackgroundColour));
    EXPECT_TRUE(Same(Work(5, 269), kBlack));
    EXPECT_TRUE(Same(Work(377, 685), kBackgroundColour));
    EXPECT_TRUE(Same(Work(1038, 685), kBackgroundColour));
    // No comparison yet: a black square.
    for (int y = 0; y < 660; y += 55)
        for (int x = 0; x < 660; x += 55) ASSERT_TRUE(Same(Comparison(x, y), kBlack)) << x << ", " << y;
    // Four open zones (3.9999999999999996, printed as 4.0): the centre of the current frame is dark,
    // and the frame is the pure rendering of 500 nm, 2 mm, 2 m, pixel for pixel.
    EXPECT_LE(Current(330, 330).green, 3);
    PatternImage expected;
    ASSERT_TRUE(ComputePatternImage(660, 500 * 1e-9, 2000 * 1e-6, 2000 * 1e-6 / 1000, 2000 * 0.001, 1.5,
                                    false, false, &expected));
    for (int y = 0; y < 660; y += 3)
        for (int x = 0; x < 660; x += 5)
            ASSERT_TRUE(Same(Current(x, y), FromWord(expected.pixels[y * 660 + x]))) << x << ", " << y;

    // Black texts: the title, the labels over the bars, the current zone count; none under the empty
    // comparison.
    const auto dark_in = [&](int left, int top, int right, int bottom) {
        int dark = 0;
        for (int y = top; y < bottom; y += 2)
            for (int x = left; x < right; x += 2) dark += Work(x, y).red < 80 && Work(x, y).blue < 80;
        return dark;
    };
    EXPECT_GT(dark_in(760, 21, 1160, 96), 20);
    for (int centre : {345, 959, 1575}) EXPECT_GT(dark_in(centre - 200, 107, centre + 200, 161), 20);
    EXPECT_GT(dark_in(1278, 1026, 1678, 1078), 20);
    EXPECT_EQ(dark_in(508, 1026, 908, 1078), 0);

    // The window shows what the work surface holds.
    for (const POINT p : {POINT{5, 5}, POINT{1478 + 100, 685}, POINT{708, 685}, POINT{960, 50}})
        EXPECT_TRUE(Same(WindowPixel(page_, p.x, p.y), Work(p.x, p.y))) << p.x << ", " << p.y;
}

TEST_F(PatternScreenTest, ArrowKeysStepTheWavelengthAndEscapeReturns) {
    const int repaints = Repaints();
    PressKey(page_, VK_RIGHT);
    PressKey(page_, VK_RIGHT);
    PressKey(page_, VK_LEFT);
    EXPECT_EQ(screen_->wavelength->position, 501);
    EXPECT_EQ(Repaints(), repaints + 3);
    PressKey(GetDlgItem(page_, kCompare), VK_SPACE);  // no Start button here: nothing, not even Compare
    EXPECT_EQ(Repaints(), repaints + 3);
    PressKey(page_, VK_ESCAPE);
    EXPECT_EQ(ClassOf(OnlyPage()), app.class_names[kStartPage]);
}

TEST_F(PatternScreenTest, LineThumbAndPageNotificationsOnEachBar) {
    struct Case {
        ScrollBarControl* bar;
        int step, minimum, maximum, inside;
        double scale;
    };
    const Case cases[] = {{screen_->wavelength, 1, 400, 700, 612, 1e-9},
                          {screen_->aperture, 10, 1000, 3000, 1160, 1e-6},
                          {screen_->distance, 100, 1000, 10000, 7300, 0.001}};
    for (const Case& c : cases) {
        ScrollBarControl* bar = c.bar;
        const int start = bar->position;
        int repaints = Repaints();
        Scroll(bar, SB_LINEDOWN);
        EXPECT_EQ(bar->position, start + c.step);
        EXPECT_EQ(Repaints(), ++repaints);
        Scroll(bar, SB_LINEUP);
        EXPECT_EQ(bar->position, start);
        EXPECT_EQ(Repaints(), ++repaints);

        // Page clicks, the thumb released, the end of a scroll and a thumb dragged to where it is: nothing.
        for (WORD code : {WORD(SB_PAGEDOWN), WORD(SB_PAGEUP), WORD(SB_THUMBPOSITION), WORD(SB_ENDSCROLL)})
            Scroll(bar, code, static_cast<WORD>(c.inside));
        Scroll(bar, SB_THUMBTRACK, static_cast<WORD>(start));
        Scroll(bar, SB_THUMBTRACK, static_cast<WORD>(c.maximum + 1));
        EXPECT_EQ(bar->position, start);
        EXPECT_EQ(Repaints(), repaints);

        // Each new thumb position repaints once, and the frame is computed for it.
        Scroll(bar, SB_THUMBTRACK, static_cast<WORD>(c.inside));
        EXPECT_EQ(bar->position, c.inside);
        EXPECT_EQ(GetScrollPos(bar->window, SB_CTL), c.inside);
        EXPECT_EQ(bar->value, c.inside * c.scale);
        EXPECT_EQ(Repaints(), ++repaints);

        // At the ends the arrows stop, and still redraw.
        Scroll(bar, SB_THUMBTRACK, static_cast<WORD>(c.maximum));
        Scroll(bar, SB_LINEDOWN);
        EXPECT_EQ(bar->position, c.maximum);
        Scroll(bar, SB_THUMBTRACK, static_cast<WORD>(c.minimum));
        Scroll(bar, SB_LINEUP);
        EXPECT_EQ(bar->position, c.minimum);
        EXPECT_EQ(Repaints(), repaints + 4);
        Scroll(bar, SB_THUMBTRACK, static_cast<WORD>(c.inside));
    }
    const PatternImage& computed = screen_->current->computed;
    EXPECT_EQ(computed.wavelength, 612 * 1e-9);
    EXPECT_EQ(computed.aperture_radius, 1160 * 1e-6);
    EXPECT_EQ(computed.ring_width, 1160 * 1e-6 / 1000);
    EXPECT_EQ(computed.distance, 7300 * 0.001);
    EXPECT_EQ(computed.view_factor, 1.5);
    // A notification from no known bar changes nothing.
    const int repaints = Repaints();
    SendMessageW(page_, WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(Repaints(), repaints);

    // Five open zones light the centre in the full colour: 500 nm, 2 mm, 1.6 m, then 700 nm at 1.1 m.
    Scroll(screen_->wavelength, SB_THUMBTRACK, 500);
    Scroll(screen_->aperture, SB_THUMBTRACK, 2000);
    Scroll(screen_->distance, SB_THUMBTRACK, 1600);
    EXPECT_TRUE(Same(Current(330, 330), ColourTriple{0, 255, 127}));
    Scroll(screen_->wavelength, SB_THUMBTRACK, 700);
    Scroll(screen_->distance, SB_THUMBTRACK, 1100);  // 5.19 zones
    EXPECT_EQ(Current(330, 330).green, 0);
    EXPECT_GT(Current(330, 330).red, 150);
}

TEST_F(PatternScreenTest, CompareKeepsTheParametersAndLaterChangesMoveOnlyTheCurrentFrame) {
    Scroll(screen_->wavelength, SB_THUMBTRACK, 633);
    Scroll(screen_->aperture, SB_THUMBTRACK, 1300);
    Command(page_, kCompare);
    EXPECT_TRUE(screen_->comparison_taken);
    const PatternImage& taken = screen_->comparison->computed;
    EXPECT_EQ(taken.wavelength, 633 * 1e-9);
    EXPECT_EQ(taken.aperture_radius, 1300 * 1e-6);
    EXPECT_EQ(taken.distance, 2000 * 0.001);
    // The comparison frame shows the current picture; its lines are drawn in white over its top left.
    const auto lower = [&](int left) { return FrameSample(left, 3 * Layout().my + 20); };
    EXPECT_EQ(lower(Layout().comparison_left), lower(Layout().current_left));
    int white = 0;
    for (int y = 355; y < 355 + 3 * 43; ++y)
        for (int x = 380; x < 600; ++x) white += Work(x, y) == kWhite;
    EXPECT_GT(white, 200);
    int dark = 0;  // and its zone count in black under it
    for (int y = 1030; y < 1075; ++y)
        for (int x = 508; x < 908; x += 2) dark += Work(x, y).red < 80;
    EXPECT_GT(dark, 20);

    const std::vector<ColourTriple> comparison = lower(Layout().comparison_left);
    const std::vector<ColourTriple> current = lower(Layout().current_left);
    for (ScrollBarControl* bar : {screen_->distance, screen_->wavelength, screen_->aperture}) {
        Scroll(bar, SB_LINEDOWN);
        Scroll(bar, SB_LINEDOWN);
    }
    EXPECT_EQ(lower(Layout().comparison_left), comparison);
    EXPECT_NE(lower(Layout().current_left), current);
    EXPECT_EQ(taken.wavelength, 633 * 1e-9);
    EXPECT_EQ(taken.aperture_radius, 1300 * 1e-6);
    EXPECT_EQ(taken.distance, 2000 * 0.001);

    // A second Compare takes the parameters as they are now.
    Command(page_, kCompare);
    EXPECT_EQ(screen_->comparison->computed.distance, 2200 * 0.001);
    EXPECT_EQ(lower(Layout().comparison_left), lower(Layout().current_left));
}

TEST_F(PatternScreenTest, BothSwitchesRedrawBothFrames) {
    Command(page_, kCompare);
    Scroll(screen_->distance, SB_THUMBTRACK, 3100);
    // The shadow edge lies (660/2)/1.5 = 220 pixels from the centre.
    EXPECT_NE(Current(330 + 220, 330), kWhite);
    const int repaints = Repaints();
    Command(page_, kProjection);
    EXPECT_EQ(Repaints(), repaints + 1);
    EXPECT_TRUE(screen_->aperture_projection);
    EXPECT_TRUE(Same(Current(330 + 220, 330), kWhite));
    EXPECT_TRUE(Same(Current(330, 330 - 220), kWhite));
    EXPECT_TRUE(Same(Comparison(330 + 220, 330), kWhite));
    EXPECT_TRUE(Same(Comparison(330, 330 + 220), kWhite));
    EXPECT_NE(Current(330 + 222, 330), kWhite);
    Command(page_, kProjection);
    EXPECT_NE(Current(330 + 220, 330), kWhite);
    EXPECT_NE(Comparison(330 + 220, 330), kWhite);

    // The plot, 3 pixels wide, lies in the lowest 40% of each frame (264 of 660 rows): column 200 is
    // crossed by it only with plots on, and nothing above is white.
    const int from = 660 - 264 - 2, to = 660;
    EXPECT_EQ(WhiteInColumn(Layout().current_left, 200, from, to), 0);
    EXPECT_EQ(WhiteInColumn(Layout().comparison_left, 200, from, to), 0);
    Command(page_, kPlots);
    EXPECT_TRUE(screen_->plots);
    EXPECT_EQ(Repaints(), repaints + 3);
    EXPECT_GE(WhiteInColumn(Layout().current_left, 200, from, to), 3);
    EXPECT_GE(WhiteInColumn(Layout().comparison_left, 200, from, to), 3);
    for (int x = 0; x < 660; x += 60) {
        EXPECT_EQ(WhiteInColumn(Layout().current_left, x, 0, from), 0) << "no plot above 40% at " << x;
        EXPECT_EQ(WhiteInColumn(Layout().comparison_left, x, 3 * 43 + 60, from), 0) << x;
    }
    Command(page_, kPlots);
    EXPECT_EQ(WhiteInColumn(Layout().comparison_left, 200, from, to), 0);
}

// Menu and a new visit, or a display change in place, start again from 500 nm, 2 mm, 2 m with no
// comparison and both switches off.
TEST_F(PatternScreenTest, LeavingDiscardsTheComparisonAndTheSwitches) {
    const auto change_everything = [&] {
        Scroll(screen_->wavelength, SB_THUMBTRACK, 450);
        Scroll(screen_->aperture, SB_THUMBTRACK, 2500);
        Scroll(screen_->distance, SB_THUMBTRACK, 4000);
        Command(page_, kCompare);
        Command(page_, kProjection);
        Command(page_, kPlots);
    };
    const auto expect_fresh = [&] {
        EXPECT_EQ(ClassOf(page_), app.class_names[kPatternScreen]);
        EXPECT_EQ(screen_->wavelength->position, 500);
        EXPECT_EQ(screen_->aperture->position, 2000);
        EXPECT_EQ(screen_->distance->position, 2000);
        EXPECT_FALSE(screen_->comparison_taken);
        EXPECT_FALSE(screen_->aperture_projection);
        EXPECT_FALSE(screen_->plots);
        EXPECT_TRUE(Same(Comparison(330, 330), kBlack));
        EXPECT_NE(Current(330 + 220, 330), kWhite);
    };
    change_everything();
    Command(page_, kMenu);
    EXPECT_EQ(Pump(), kNoQuit);
    EXPECT_EQ(OpenPatternScreen(), nullptr);
    EXPECT_FALSE(IsWindow(page_));
    EXPECT_EQ(ClassOf(OnlyPage()), app.class_names[kStartPage]);
    EXPECT_EQ(LiveObjectCounts(), before_);
    Open();
    expect_fresh();

    change_everything();
    const PlatformObjectCounts open = LiveObjectCounts();
    // The shell re-reads the size from the system; under the test display it stays 1920 x 1080.
    SendMessageW(page_, WM_DISPLAYCHANGE, 32, MAKELPARAM(1920, 1080));
    EXPECT_EQ(Pump(), kNoQuit);
    EXPECT_FALSE(IsWindow(page_));
    page_ = OnlyPage();
    screen_ = OpenPatternScreen();
    ASSERT_NE(screen_, nullptr);
    EXPECT_EQ(Layout().width, GetSystemMetrics(SM_CXSCREEN));
    expect_fresh();
    EXPECT_EQ(LiveObjectCounts(), open);
}

TEST_F(PatternScreenTest, ANarrowScreenPutsTheFramesWhereItsLayoutSays) {
    Command(page_, kMenu);
    Pump();
    app.screen_width = 1024;
    app.screen_height = 768;
    Open();
    EXPECT_EQ(Layout().size, 410);
    // Frames at (163, 280) and (593, 280), 410 pixels: dark centre, black comparison square.
    EXPECT_LE(Work(593 + 205, 280 + 205).green, 3);
    EXPECT_TRUE(Same(Work(163 + 205, 280 + 205), kBlack));
    EXPECT_TRUE(Same(Work(163 + 409, 280 + 409), kBlack));
    EXPECT_TRUE(Same(Work(163 + 410, 280 + 205), kBackgroundColour));
    EXPECT_TRUE(Same(Work(162, 280 + 205), kBackgroundColour));
    EXPECT_TRUE(Same(Work(593 + 205, 279), kBackgroundColour));
}

TEST_F(PatternScreenTest, ObjectCountsStayFlatOverManyChanges) {
    Command(page_, kPlots);
    const PlatformObjectCounts open = LiveObjectCounts();
    for (int i = 0; i < 30; ++i) {
        Scroll(screen_->distance, SB_LINEDOWN);
        Scroll(screen_->wavelength, SB_THUMBTRACK, static_cast<WORD>(400 + 10 * i));
        if (i % 5 == 0) Command(page_, kCompare);
        if (i % 7 == 0) Command(page_, kProjection);
        if (i % 11 == 0) Command(page_, kPlots);
        SendMessageW(page_, WM_PAINT, 0, 0);
    }
    EXPECT_EQ(LiveObjectCounts(), open);
    // The screen holds five surfaces (page, work, blank square, two frame images), three fonts (page,
    // caption, title), the separator pen, its window, three bars and four buttons; the start page it
    // replaced held one surface, four fonts, its window and five buttons.
    EXPECT_EQ(open.contexts - before_.contexts, 5 - 1);
    EXPECT_EQ(open.bitmaps - before_.bitmaps, 5 - 1);
    EXPECT_EQ(open.fonts - before_.fonts, 3 - 4);
    EXPECT_EQ(open.pens - before_.pens, 1);
    EXPECT_EQ(open.windows - before_.windows, 8 - 6);
    // and its worker threads, one fewer than the processors (TearDown sees them gone).
    EXPECT_EQ(open.threads - before_.threads, WorkerPool::WorkersForThisComputer());
}

// The threads of the process itself, as the system counts them.
int ProcessThreads() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int threads = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        threads += entry.th32OwnerProcessID == GetCurrentProcessId();
    CloseHandle(snapshot);
    return threads;
}

// The screen's workers end with it: after "Menu" and after a display change the process has the threads
// it had before, and the rebuilt screen has a pool of its own.
TEST_F(PatternScreenTest, TheWorkerThreadsEndWithTheScreen) {
    Command(page_, kMenu);
    Pump();
    const int without = ProcessThreads();
    Open();
    EXPECT_EQ(ProcessThreads(), without + WorkerPool::WorkersForThisComputer());
    SendMessageW(page_, WM_DISPLAYCHANGE, 32, MAKELPARAM(app.screen_width, app.screen_height));
    Pump();
    page_ = OnlyPage();
    screen_ = OpenPatternScreen();
    ASSERT_NE(screen_, nullptr);
    EXPECT_EQ(ProcessThreads(), without + WorkerPool::WorkersForThisComputer());
    Command(page_, kMenu);
    Pump();
    EXPECT_EQ(ProcessThreads(), without);
    EXPECT_EQ(WorkerPool::LiveWorkers(), 0);
    Open();
}

// A scroll step recomposes only what it changes; the picture is the one a whole repaint composes, on the
// work surface and on the window.
TEST_F(PatternScreenTest, AStepShowsWhatAWholeRepaintShows) {
    Command(page_, kCompare);
    Command(page_, kPlots);
    for (ScrollBarControl* bar :
         {screen_->distance, screen_->wavelength, screen_->aperture, screen_->distance})
        Scroll(bar, SB_LINEDOWN);
    const PatternLayout& l = Layout();
    std::vector<ColourTriple> stepped, window;
    for (int y = 0; y < l.height; y += 3)
        for (int x = 0; x < l.width; x += 5)
            stepped.push_back(Work(x, y)), window.push_back(WindowPixel(page_, x, y));
    Command(page_, kProjection);  // twice: the same switches, the whole picture composed again
    Command(page_, kProjection);
    std::vector<RECT> controls;
    for (HWND child = GetWindow(page_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        controls.push_back(ChildRect(child));
    std::size_t i = 0;
    for (int y = 0; y < l.height; y += 3) {
        for (int x = 0; x < l.width; x += 5, ++i) {
            ASSERT_TRUE(Same(stepped[i], Work(x, y))) << x << ", " << y;
            const POINT p{x, y};
            if (std::none_of(controls.begin(), controls.end(),
                             [&](const RECT& c) { return PtInRect(&c, p); })) {
                ASSERT_TRUE(Same(window[i], stepped[i])) << "window at " << x << ", " << y;
            }
        }
    }
}

// The plot's stroke is drawn into the frame's pixels. GDI's 3-pixel pen, drawn through the same points
// over the same frame without its plot, paints the same stroke but for single pixels on its edges.
TEST_F(PatternScreenTest, ThePlotStrokeIsThatOfAThreePixelPen) {
    Command(page_, kPlots);
    const PatternImage& ours = screen_->current->computed;
    const int size = ours.size;
    PatternImage plain;
    ComputePatternImage(size, ours.wavelength, ours.aperture_radius, ours.ring_width, ours.distance,
                        ours.view_factor, false, false, &plain);
    auto* bytes = new unsigned char[plain.pixels.size() * 4];
    std::memcpy(bytes, plain.pixels.data(), plain.pixels.size() * 4);
    Surface* gdi = CreatePixelSurface(page_, size, size, bytes);
    std::vector<POINT> points;
    for (const PatternPoint& p : ours.plot_points) points.push_back({p.x, p.y});
    HPEN pen = CreateSolidPen(3, kWhite);
    HGDIOBJ previous = SelectObject(gdi->context, pen);
    DrawPolyline(gdi->context, points.data(), static_cast<int>(points.size()));
    SelectObject(gdi->context, previous);
    DeleteDrawingObject(pen);
    const auto white = [&](int x, int y, bool in_ours) {
        if (x < 0 || y < 0 || x >= size || y >= size) return false;
        return in_ours ? ours.pixels[static_cast<std::size_t>(y) * size + x] == kPatternWhite
                       : SurfacePixel(gdi, x, y) == kWhite;
    };
    int stroke = 0, differing = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            stroke += white(x, y, false);
            if (white(x, y, true) == white(x, y, false)) continue;
            ++differing;
            bool edge = false;  // next to a pixel that both strokes paint
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                edge = edge || (white(x + dx, y + dy, true) && white(x + dx, y + dy, false));
            ASSERT_TRUE(edge) << "a pixel away from the stroke's edge at " << x << ", " << y;
        }
    }
    DestroySurface(gdi);
    std::printf("[ figures  ] plot stroke: %d pixels of GDI's, %d on its edges painted otherwise\n", stroke,
                differing);
    EXPECT_LT(differing, stroke / 15);
}

TEST_F(PatternScreenTest, AnOrdinaryPaintShowsTheLastCompletePicture) {
    Command(page_, kCompare);
    Scroll(screen_->distance, SB_THUMBTRACK, 2700);
    const int repaints = Repaints();
    // Something covers the window; when it is uncovered the window gets a plain paint.
    HDC dc = GetDC(page_);
    RECT all{0, 0, 1920, 1080};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(page_, dc);
    ASSERT_TRUE(Same(WindowPixel(page_, 1478, 685), kWhite));
    RepaintAsUncovered(page_);
    EXPECT_EQ(Repaints(), repaints) << "a plain paint recomputes nothing";
    const PatternLayout& l = Layout();
    for (int y = 0; y < l.size; y += 41) {
        for (int x = 0; x < l.size; x += 37) {
            ASSERT_TRUE(Same(WindowPixel(page_, l.current_left + x, l.frame_top + y), Current(x, y)))
                << x << ", " << y;
            ASSERT_TRUE(Same(WindowPixel(page_, l.comparison_left + x, l.frame_top + y), Comparison(x, y)));
        }
    }
    EXPECT_TRUE(Same(WindowPixel(page_, 5, 5), kBackgroundColour));
    // The frames are there, not the static page: the comparison frame is not background.
    EXPECT_NE(WindowPixel(page_, l.comparison_left + 330, l.frame_top + 330), kBackgroundColour);
}

TEST_F(PatternScreenTest, CloseRequestEndsWithZeroAndKeepsTheScreen) {
    SendMessageW(page_, WM_CLOSE, 0, 0);
    EXPECT_EQ(Pump(), 0);
    EXPECT_TRUE(IsWindow(page_));
    EXPECT_EQ(OpenPatternScreen(), screen_);
}

TEST_F(PatternScreenTest, RussianCaptions) {
    Command(page_, kMenu);
    Pump();
    app.texts = &RussianTexts();
    Open();
    EXPECT_EQ(screen_->language, PatternLanguage::kRussian);
    EXPECT_EQ(ChildCaption(page_, kMenu), L"Меню");
    EXPECT_EQ(ChildCaption(page_, kProjection), L"Проекция\nотверстия");
    EXPECT_EQ(ChildCaption(page_, kPlots), L"Графики");
    EXPECT_EQ(ChildCaption(page_, kCompare), L"Сравнить");
    app.texts = &EnglishTexts();  // "Menu" returns to the English start page that SetUp counted
}

// The time of one scroll step inside the program: the handler computes both frames and copies the
// picture to the window. Figures, not limits.
TEST_F(PatternScreenTest, ScrollStepFigures) {
    const auto per_step = [&] {
        std::vector<double> times;
        for (int i = 0; i < 15; ++i) {
            const double started = Seconds();
            Scroll(screen_->distance, i % 2 == 0 ? SB_LINEDOWN : SB_LINEUP);
            times.push_back(Seconds() - started);
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2] * 1e3;
    };
    const double plain = per_step();
    Command(page_, kCompare);
    const double compared = per_step();
    Command(page_, kProjection);
    const double projection = per_step();
    Command(page_, kPlots);
    const double plots = per_step();
    std::printf(
        "[ figures  ] pattern screen at 1920 x 1080 (S = 660), median of one scroll step: %.2f ms; "
        "with a comparison %.2f ms, and the projection %.2f ms, and the plots %.2f ms\n",
        plain, compared, projection, plots);
    EXPECT_EQ(Repaints(), 1 + 4 * 15 + 3);
}

}  // namespace
