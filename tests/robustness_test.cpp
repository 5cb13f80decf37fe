// A lecture PC under stress, under Wine. Random input: a generator with a fixed start drives all five pages
// with commands, scroll codes, timer messages, paints, display changes, keys, navigation and close requests,
// checked after each event (ZONARA_SOAK_START and ZONARA_SOAK_EVENTS change its start and the length; the
// screens' real timers may add a tick now and then, so two runs from one start can differ in it). Short of
// resources: a tour of every page of both programs (a run of each animation, the projector palette, a display
// change) in which the Nth creation of a resource fails, for every N the tour makes. After each failure the
// program goes on, with no crash, hang, leak once the page is left, or anything Windows would refuse; and
// past the last N each stretch of the tour ends as it does with nothing refused.
// clang-format off
#include <windows.h>
#include <psapi.h>  // needs the types of <windows.h>
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>

#include "shell/help_and_notes.h"
#include "shell/picture_export.h"
#include "shell/platform/resource_failures.h"
#include "shell/text/cp1251.h"
#include "tests/page_driver.h"

namespace {

using Soak = Program<>;

// What must hold after every event (`quit`: the code of a quit message among its messages): one page at the
// display's size, each screen's state there exactly while its page is, the animations within their runs,
// and the start page's counts whenever it shows.
::testing::AssertionResult Sound(int quit, LectureSize size, const PlatformObjectCounts& start_counts) {
    const std::vector<HWND> pages = PageWindows();
    if (quit == -1) return ::testing::AssertionFailure() << "a page could not be made";
    if (pages.size() != 1) return ::testing::AssertionFailure() << pages.size() << " pages";
    RECT r{};
    GetWindowRect(pages[0], &r);
    const std::wstring kind = ClassOf(pages[0]);
    const AxialScreen* axial = OpenAxialScreen();
    const RadialScreen* radial = OpenRadialScreen();
    const HWND screens[] = {OpenPatternScreen() ? OpenPatternScreen()->window : nullptr,
                            axial ? axial->window : nullptr, radial ? radial->window : nullptr};
    for (int screen = kPatternScreen; screen <= kRadialScreen; ++screen)
        if (screens[screen - kPatternScreen] != (kind == app.class_names[screen] ? pages[0] : nullptr))
            return ::testing::AssertionFailure() << "a screen's state outlives it, or is missing";
    const AxialAnimation a = axial ? axial->animation : AxialAnimation{0, 0, 1, app.animation_running};
    const RadialAnimation b = radial ? radial->animation : RadialAnimation{0, 0, 1};
    if (r.right != size.width || r.bottom != size.height || app.page_surface->width != size.width ||
        app.page_surface->height != size.height || a.k < -1 || a.k > a.n + 1 || a.plot_k != a.k ||
        app.animation_running != a.running || b.k < -1 || b.k > b.last || b.plot_k != b.k)
        return ::testing::AssertionFailure() << "axial at " << a.k << ", " << a.plot_k << " of " << a.n
                                             << "; radial at " << b.k << ", " << b.plot_k << " of " << b.last;
    // (The start page keeps the fonts it shrank texts to, as many as its size needs.)
    if (kind == app.class_names[kStartPage] && !(Owned(LiveObjectCounts()) == Owned(start_counts)))
        return ::testing::AssertionFailure() << "back on the start page with " << LiveObjectCounts();
    return ::testing::AssertionSuccess();
}

TEST_F(Soak, RandomInputOverAllPages) {
    const char* given[] = {std::getenv("ZONARA_SOAK_START"), std::getenv("ZONARA_SOAK_EVENTS")};
    const unsigned start = given[0] ? std::strtoul(given[0], nullptr, 10) : 20240917;
    const int events = given[1] ? std::atoi(given[1]) : 1000;
    std::printf("[ figures  ] soak from generator start %u, %d events\n", start, events);
    std::mt19937 random(start);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto pick = [&](const auto& items) { return items[below(static_cast<int>(std::size(items)))]; };
    const int ids[] = {201, 202, 203, 204, 205, 206, 207, 208, 209,
                       210, 211, 212, 213, 214, 215, 216, 0,   1025};
    const unsigned keys[] = {VK_SPACE, VK_RETURN, VK_NEXT, VK_PRIOR, 'R',   VK_ESCAPE, VK_BACK,
                             VK_LEFT,  VK_RIGHT,  '1',     '2',      '3',   'A',       'V',
                             'P',      'M',       '0',     'Q',      VK_F5, VK_UP};
    const WPARAM parameters[] = {0, 0, 301, 301, 1025, 1025, 1, 300, 1024, 0xFFFF};  // of timers and paints
    // Events: 0 command, 1 scroll, 2 timer, 3 run of ticks, 4 paint, 5 display change, 6 key, 7 navigation,
    // 8 close request; mixed for the start and authors pages, and for the screens.
    const std::string mixes[2] = {"0000001111222444445566666666677777778",
                                  "00000001111111222222344445666666678"};
    LectureSize size{1920, 1080};
    HWND stale = nullptr;  // the page left last: a window that no longer exists
    for (int delivered = 0; delivered < events; ++delivered) {
        HWND page = OnlyPage(), child = GetWindow(page, GW_CHILD);
        for (int skip = below(8); skip > 0 && GetWindow(child, GW_HWNDNEXT); --skip)
            child = GetWindow(child, GW_HWNDNEXT);
        const bool screen = OpenAxialScreen() || OpenPatternScreen() || OpenRadialScreen();
        const int what = pick(mixes[screen]) - '0', code = below(9), id = pick(ids);
        const WPARAM parameter = below(8) == 0 ? WPARAM(random()) : pick(parameters);
        const LPARAM from = below(2) ? 0 : LPARAM(GetDlgItem(page, id));
        if (what == 0) SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), from);
        if (what == 1) {  // from a control, the page, the stale window or none; mostly within the range
            HWND from = std::vector<HWND>{child, child, page, stale, nullptr}[below(5)];
            int position = below(0x10000), minimum = 0, maximum = 0;
            if (below(3) != 0 && GetScrollRange(from, SB_CTL, &minimum, &maximum) && maximum > minimum)
                position = minimum + below(maximum - minimum + 1);
            SendMessageW(page, below(8) ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(code, position), LPARAM(from));
        }
        if (what == 2) SendMessageW(page, WM_TIMER, parameter, 0);
        if (what == 3) {  // a few ticks, or as many as the run has left and a few more
            int ticks = 1 + below(60);
            if (const AxialScreen* a = OpenAxialScreen(); a && below(3) == 0)
                ticks = a->animation.n + 2 - a->animation.k;
            if (const RadialScreen* r = OpenRadialScreen(); r && below(3) == 0)
                ticks = r->animation.last + 1 - r->animation.k;
            Tick(page, ticks + code % 3);
            delivered += ticks;
        }
        if (what == 4 && parameter == 0 && code % 2 == 0) CoverAndUncover(page);
        if (what == 4 && (parameter != 0 || code % 2 == 1)) SendMessageW(page, WM_PAINT, parameter, 0);
        if (what == 5) ChangeDisplay(page, size = pick(kLectureSizes));
        if (what == 6) PressKey(code % 2 ? page : child, pick(keys));
        if (what == 7)
            Command(page, app.menu_button ? app.menu_button->id : pick(std::vector{201, 203, 204, 213}));
        if (what == 8) SendMessageW(page, WM_CLOSE, 0, 0);
        ASSERT_TRUE(Sound(Pump(), size, start_counts_)) << "after event " << delivered << " of kind " << what;
        if (OnlyPage() != page) stale = page;
    }
}

// Full runs of each animated screen on a projector's 1024 x 768, left by Reset and Menu in turn: back on the
// start page its counts, and once the first runs have warmed the heap up, no memory left behind (a frame
// left over from each run would add 3 MB).
TEST_F(Soak, RepeatedRunsLeaveNothingBehind) {
    ChangeDisplay(OnlyPage(), {1024, 768});
    start_counts_ = LiveObjectCounts();
    const auto committed = [] {  // megabytes (Wine keeps this figure, not the private usage)
        PROCESS_MEMORY_COUNTERS counters{sizeof counters, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
        return counters.PagefileUsage / 1048576.0;
    };
    const auto ended = [] {
        return OpenAxialScreen() ? AxialFinished(OpenAxialScreen()->animation) : RadialSavedStep() != -1;
    };
    for (int start : {kAxialStart, kRadialStart}) {
        double warm = 0;
        for (int run = 0; run < 6; ++run) {
            HWND page = Open(start == kAxialStart ? kAxialButton : kRadialButton);
            // Reset (the radial step outlives Menu), Start and Continue; to the end.
            for (int id : {start + 1, start, start}) Command(page, id);
            for (int tick = 0; tick < 1000 && !ended(); ++tick) Tick(page);
            EXPECT_TRUE(ended());
            if (run % 2 == 0) Command(page, start + 1);
            Open(start - 1);  // Menu
            EXPECT_EQ(LiveObjectCounts(), start_counts_) << "run " << run;
            warm = run == 1 ? committed() : warm;
        }
        std::printf("[ figures  ] committed after runs 2 and 6: %.2f, %.2f MB\n", warm, committed());
        EXPECT_LT(committed() - warm, 1.0);
    }
}

using Failures = Program<::testing::TestWithParam<TextLanguage>>;

// A stretch of the tour from the start page: its page's button (0: the start page), what is done there, and
// for the stretches whose failures must leave the page where it is (the lecturer's keys, a page made again)
// rather than give way to the start page with its notice, what is done there first with nothing refused.
struct Stretch {
    const char* name;
    int button;
    void (*run)(HWND);
    bool keeps_page = false;
    void (*prepare)(HWND) = nullptr;
};

// What a screen shows at a stretch's end: the pixels of its last frame; "" where it is not a screen.
std::string Shown() {
    const Surface* shown = ShownSurface();
    if (shown == nullptr || shown == app.page_surface || shown->pixels == nullptr) return "";
    GdiFlush();
    return std::string(reinterpret_cast<const char*>(shown->pixels), 4ull * shown->width * shown->height);
}

// The start page says, in its dark red, that a page could not be opened.
bool NoticeShown() {
    if (ClassOf(OnlyPage()) != app.class_names[kStartPage]) return false;
    const Surface* page = app.page_surface;
    const std::uint32_t* pixels = SurfacePixels(app.page_surface);
    return pixels != nullptr &&
           std::count(pixels, pixels + std::size_t(page->width) * page->height, std::uint32_t(160 << 16)) > 0;
}

void RunAnimation(HWND page, int start) {
    Command(page, start);
    Command(page, start);
    for (int tick = 0; tick < 400 && IsWindow(page); ++tick) Tick(page), Pump();
}
// A run started on an animated screen, ten steps on.
void TenSteps(HWND page) {
    Command(page, OpenAxialScreen() ? kAxialStart : kRadialStart);
    Tick(page, 10);
}

const Stretch kTour[] = {
    {"authors page", kAuthorsButton, [](HWND) {}},
    {"pattern screen", kPatternButton,
     [](HWND page) {
         if (PatternScreen* s = OpenPatternScreen()) Scroll(page, s->distance, SB_LINEDOWN);
         Command(page, kCompare);
         Command(page, kPlots);
         Pump();
     }},
    {"axial screen", kAxialButton,
     [](HWND page) {
         PressKey(page, 'V');
         RunAnimation(page, kAxialStart);
     }},
    {"radial screen", kRadialButton, [](HWND page) { RunAnimation(page, kRadialStart); }},
    // The help, the notes, the picture copied and saved, the next monitor and the palette there and back,
    // over a run: none of them may take the page away.
    {"the lecturer's keys", kAxialButton,
     [](HWND page) {
         PressKey(page, VK_F1);
         PressKey(page, VK_F1);
         BYTE keys[256] = {};
         GetKeyboardState(keys);
         keys[VK_CONTROL] = 0x80;  // C and S with Ctrl held
         SetKeyboardState(keys);
         PressKey(page, 'C');
         PressKey(page, 'S');
         keys[VK_CONTROL] = 0;
         SetKeyboardState(keys);
         PressKey(page, 'M');
         if (OpenAxialScreen()) PressKey(OnlyPage(), 'P');
         if (OpenAxialScreen()) PressKey(OnlyPage(), 'O');
     },
     true, TenSteps},
    // Another object in the beam on the other two demonstrations.
    {"O on the pattern screen", kPatternButton, [](HWND page) { PressKey(page, 'O'); }, true,
     [](HWND page) { Command(page, kCompare); }},
    {"O on the radial screen", kRadialButton, [](HWND page) { PressKey(page, 'O'); }, true, TenSteps},
    {"display change to 800 x 600", 0, [](HWND page) { ChangeDisplay(page, kLectureSizes[1]); }, true},
};

// Where the page stands after a stretch that keeps it: its kind and, on the animated screens, the run's step.
std::wstring Standing() {
    const AxialScreen* axial = OpenAxialScreen();
    const RadialScreen* radial = OpenRadialScreen();
    return ClassOf(OnlyPage()) + (axial ? L" at step " + std::to_wstring(axial->animation.k) : L"") +
           (radial ? L" at step " + std::to_wstring(radial->animation.k) : L"");
}

TEST_P(Failures, EveryCreationOfATourMayFail) {
    app.texts = GetParam() == TextLanguage::kEnglish ? &EnglishTexts() : &RussianTexts();
    // The pictures Ctrl+S saves go to a folder of the test's own.
    const std::filesystem::path pictures = std::filesystem::temp_directory_path() / "zonara-failures";
    std::filesystem::create_directory(pictures);
    SetPictureFolder(pictures.wstring());
    ChangeDisplay(OnlyPage(), {640, 480});
    const PlatformObjectCounts baseline = LiveObjectCounts();
    std::map<std::string, int> failed;  // how often each kind of resource was refused
    int points = 0;
    for (const Stretch& stretch : kTour) {
        SCOPED_TRACE(stretch.name);
        std::string expected;
        std::wstring expected_standing;
        // Every N up to the first for which the stretch makes fewer creations (the screens' own timers may
        // add a tick, so a stretch's count can differ by one from run to run).
        for (int n = 0;; ++n) {
            SCOPED_TRACE("creation " + std::to_string(n));
            app.phasor_panel = app.projector_palette = false;  // each run as the first
            app.beam_object = numerics::BeamObject::kAperture;
            RadialSavedStep() = -1;
            FailNthCreation(stretch.prepare != nullptr ? 0 : n);
            HWND page = stretch.button != 0 ? Open(stretch.button) : OnlyPage();
            if (stretch.prepare != nullptr) stretch.prepare(page), FailNthCreation(n);
            stretch.run(page);
            const std::string shown = Shown();
            const std::wstring standing = Standing();
            const ResourceKind refused = RefusedKind();
            const bool notice = NoticeShown();
            const numerics::BeamObject object = app.beam_object;
            if (n == 0) expected = shown, expected_standing = standing;
            // Back to the start page, as it was; Windows' rules kept all along.
            FailNthCreation(0);
            if (HelpShown()) ToggleHelp(OnlyPage());
            HideNote();
            for (int i = 0; i < 2 && app.menu_button != nullptr; ++i) Open(app.menu_button->id);
            if (app.screen_width != 640) ChangeDisplay(OnlyPage(), {640, 480});
            ASSERT_EQ(ClassOf(OnlyPage()), app.class_names[kStartPage]);
            ASSERT_EQ(LiveObjectCounts(), baseline);
            ASSERT_EQ(TakeRuleViolations(), std::vector<std::string>{});
            if (n == 0) continue;
            if (refused == ResourceKind::kCount) {
                // Past the stretch's last creation: it ran as it did with nothing refused.
                EXPECT_TRUE(shown == expected && !notice) << "the stretch after its failures";
                break;
            }
            ++points;
            ++failed[ResourceKindName(refused)];
            // A thread that could not start leaves the work to fewer: the same pixels. A failure of the
            // lecturer's keys or of a page made again leaves the page where it was (made again as it was).
            // Any other failure leaves the page for the start page and its notice; the next N's attempt
            // gets past it.
            if (refused == ResourceKind::kThread)
                EXPECT_TRUE(shown == expected) << "thread: other pixels";
            else if (stretch.keeps_page)
                EXPECT_TRUE(standing == expected_standing && !notice &&
                            (stretch.name[0] != 'O' || object == numerics::BeamObject::kAperture))
                    << ResourceKindName(refused) << " took the page away, or O happened though refused";
            else
                EXPECT_TRUE(notice) << ResourceKindName(refused) << " did not leave the page";
        }
    }
    SetPictureFolder(L"");
    std::filesystem::remove_all(pictures);
    std::printf("[ figures  ] %d injection points, refused:", points);
    for (const auto& [kind, count] : failed) std::printf(" %s %d;", kind.c_str(), count);
    std::printf("\n");
}

// A failure while the first page is built at start: a message box in the program's language, exit code -1,
// nothing left behind; for every creation of that page.
TEST_P(Failures, AtStartTheProgramSaysSoAndEnds) {
    app.texts = GetParam() == TextLanguage::kEnglish ? &EnglishTexts() : &RussianTexts();
    HWND first = OnlyPage();
    app.page_teardown();
    DestroyWindow(first);
    app.page_window = nullptr;
    const PlatformObjectCounts none = LiveObjectCounts();
    const std::string message = app.texts->program_name + ": " + app.texts->start_failure;
    const std::u16string expected = Cp1251ToUtf16(message.data(), static_cast<int>(message.size()));
    static std::wstring reported;
    SetStartFailureReport([](const wchar_t* message, const wchar_t* caption) {
        reported = caption + (L": " + std::wstring(message));
    });
    int n = 1;
    for (;; ++n) {
        reported.clear();
        FailNthCreation(n);
        const int code = OpenFirstPage();
        if (RefusedKind() == ResourceKind::kCount) {
            EXPECT_EQ(code, 0);
            break;
        }
        EXPECT_TRUE(code == -1 && PageWindows().empty() && LiveObjectCounts() == none) << n << ": " << code;
        EXPECT_EQ(reported, std::wstring(expected.begin(), expected.end())) << n;
    }
    FailNthCreation(0);
    SetStartFailureReport(nullptr);
    std::printf("[ figures  ] %d injection points at start\n", n - 1);
    EXPECT_GT(n, 10);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, Failures,
                         ::testing::Values(TextLanguage::kEnglish, TextLanguage::kRussian));

}  // namespace
