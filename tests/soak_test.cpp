// A lecture's worth of random input, under Wine: a random generator with a fixed start drives the real window
// procedures of all five pages in-process with thousands of events (button commands of every page and unknown
// ids, every scroll code with thumb positions in and out of range, timer ticks and runs of them, paints with
// any first parameter, display changes to any lecture screen size, lecture keys, navigation and close
// requests). After every event exactly one page exists, laid out for the current size, its animation
// counters are within their run, and whenever the start page is shown again the object and window counts
// are where they were at the beginning. Then twenty full animation runs on each animated screen.
//
// The generator's starting value is printed; ZONARA_SOAK_START=<number> makes a run with another one,
// and ZONARA_SOAK_EVENTS=<number> changes its length. (Step timers that the screens really start may add
// a tick of their own now and then, so two runs from one start can differ in such a tick.)

// clang-format off
#include <windows.h>
#include <psapi.h>  // needs the types of <windows.h>
// clang-format on
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>
#include <string>
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

constexpr unsigned kDefaultStart = 20240917;
constexpr int kDefaultEvents = 4000;
constexpr int kAxialMenu = 210, kAxialStart = 211, kAxialReset = 212;
constexpr int kRadialMenu = 214, kRadialStart = 215, kRadialReset = 216;

unsigned long FromEnvironment(const char* name, unsigned long fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == 0) return fallback;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    return *end == 0 ? value : fallback;
}

// The memory the process has committed (its commit charge), in megabytes. Wine reports no private
// usage but keeps this figure.
double CommittedMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage / 1048576.0;
}

PageKind KindOf(HWND page) {
    const std::wstring name = ClassOf(page);
    for (int kind = 0; kind < kPageKindCount; ++kind) {
        if (name == app.class_names[kind]) return static_cast<PageKind>(kind);
    }
    return kPageKindCount;
}

const char* const kPageNames[] = {"start", "authors", "pattern", "axial", "radial"};

BOOL CALLBACK CollectChild(HWND child, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    return TRUE;
}

std::vector<HWND> Children(HWND page) {
    std::vector<HWND> children;
    EnumChildWindows(page, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

// The scroll bars of the open page, with their ranges (none on the start and authors pages).
std::vector<const ScrollBarControl*> ScrollBars(PageKind kind) {
    switch (kind) {
        case kAxialScreen:
            return {OpenAxialScreen()->wavelength};
        case kPatternScreen: {
            const PatternScreen* s = OpenPatternScreen();
            return {s->wavelength, s->aperture, s->distance};
        }
        case kRadialScreen:
            return {OpenRadialScreen()->wavelength, OpenRadialScreen()->radius};
        default:
            return {};
    }
}

enum EventKind {
    kCommandEvent,
    kScrollEvent,
    kTimerEvent,
    kTickRun,
    kPaintEvent,
    kDisplayEvent,
    kKeyEvent,
    kNavigationEvent,
    kCloseEvent,
    kEventKindCount
};
const char* const kEventNames[] = {"commands",        "scrolls", "timer messages", "ticks in runs", "paints",
                                   "display changes", "keys",    "navigations",    "close requests"};

class Soak : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        PlugInScreen(kAxialScreen, RegisterAxialScreenClass, CreateAxialScreen);
        PlugInScreen(kPatternScreen, RegisterPatternScreenClass, CreatePatternScreen);
        PlugInScreen(kRadialScreen, RegisterRadialScreenClass, CreateRadialScreen);
        UseDisplaySize({1920, 1080});
        StartApplication(GetModuleHandleW(nullptr), SW_SHOWNORMAL, EnglishTexts());
    }

    void SetUp() override {
        UseDisplaySize({1920, 1080});
        ReadScreenSize();
        RadialSavedStep() = -1;
        ASSERT_EQ(CreateStartPage(SW_SHOWNORMAL), 1);
        Pump();
        start_counts_ = LiveObjectCounts();
    }

    void TearDown() override {
        for (HWND page : PageWindows()) DestroyWindow(page);
        app.page_surface = nullptr;
        RadialSavedStep() = -1;
        SetScreenSizeSource(nullptr);
    }

    PlatformObjectCounts start_counts_{};
};

// What must hold after every event; a failure says which event broke it.
::testing::AssertionResult Sound(HWND page, DisplaySize size, const PlatformObjectCounts& start_counts) {
    const std::vector<HWND> pages = PageWindows();
    if (pages.size() != 1) return ::testing::AssertionFailure() << pages.size() << " page windows";
    if (pages.front() != page) return ::testing::AssertionFailure() << "another page than expected";
    RECT r{};
    GetWindowRect(page, &r);
    if (r.left != 0 || r.top != 0 || r.right != size.width || r.bottom != size.height)
        return ::testing::AssertionFailure() << "the page is " << r.right << " x " << r.bottom;
    const PageKind kind = KindOf(page);
    const AxialScreen* axial = OpenAxialScreen();
    const PatternScreen* pattern = OpenPatternScreen();
    const RadialScreen* radial = OpenRadialScreen();
    if ((axial != nullptr) != (kind == kAxialScreen) || (pattern != nullptr) != (kind == kPatternScreen) ||
        (radial != nullptr) != (kind == kRadialScreen))
        return ::testing::AssertionFailure()
               << "a screen's state outlives it, or is missing, on the " << kPageNames[kind] << " page";
    if (app.page_surface == nullptr || app.page_surface->width != size.width ||
        app.page_surface->height != size.height)
        return ::testing::AssertionFailure() << "no page surface of the screen's size";
    if (axial != nullptr) {
        const AxialAnimation& a = axial->animation;
        if (axial->window != page || a.n <= 0 || a.k < -1 || a.k > a.n + 1 || a.plot_k != a.k ||
            app.animation_running != a.running)
            return ::testing::AssertionFailure()
                   << "axial k " << a.k << " plot " << a.plot_k << " of " << a.n;
    }
    if (radial != nullptr) {
        const RadialAnimation& a = radial->animation;
        if (radial->window != page || a.last <= 0 || a.k < -1 || a.k > a.last || a.plot_k != a.k)
            return ::testing::AssertionFailure()
                   << "radial k " << a.k << " plot " << a.plot_k << " of " << a.last;
    }
    if (pattern != nullptr && pattern->window != page)
        return ::testing::AssertionFailure() << "pattern window";
    if (kind == kStartPage && !(LiveObjectCounts() == start_counts))
        return ::testing::AssertionFailure() << "back on the start page with " << Counts(LiveObjectCounts())
                                             << " instead of " << Counts(start_counts);
    return ::testing::AssertionSuccess();
}

TEST_F(Soak, RandomInputOverAllPages) {
    const unsigned start = static_cast<unsigned>(FromEnvironment("ZONARA_SOAK_START", kDefaultStart));
    const int events = static_cast<int>(FromEnvironment("ZONARA_SOAK_EVENTS", kDefaultEvents));
    std::printf("[ figures  ] soak generator start %u (ZONARA_SOAK_START), %d events (ZONARA_SOAK_EVENTS)\n",
                start, events);
    std::mt19937 random(start);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto pick = [&](const auto& items) { return items[below(static_cast<int>(std::size(items)))]; };

    // Every page's button ids, and ids no page has.
    const int command_ids[] = {201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 211,  212,
                               213, 214, 215, 216, 0,   1,   200, 217, 300, 301, 1025, 0xFFFF};
    const unsigned keys[] = {VK_SPACE, VK_RETURN,  VK_NEXT,    VK_PRIOR,   'R',     VK_ESCAPE,
                             VK_BACK,  VK_LEFT,    VK_RIGHT,   '1',        '2',     '3',
                             'A',      VK_NUMPAD1, VK_NUMPAD2, VK_NUMPAD3, '0',     '4',
                             'Q',      VK_F5,      VK_TAB,     VK_UP,      VK_DOWN, VK_HOME};
    const WPARAM paint_parameters[] = {0, 0, 1025, 1025, 1, 1024, 1026, 0xFFFF};
    const WPARAM timer_ids[] = {301, 301, 301, 0, 1, 300, 302, 1025};
    // Weights of the event kinds on the start and authors pages, and on the screens.
    const int page_weights[kEventKindCount] = {14, 8, 6, 0, 8, 4, 20, 16, 4};
    const int screen_weights[kEventKindCount] = {18, 16, 14, 1, 8, 2, 18, 2, 2};

    DisplaySize size{1920, 1080};
    HWND page = OnlyPage();
    HWND stale = nullptr;  // a window that no longer exists: the last page left
    int counts[kEventKindCount] = {};
    double seconds_in[kEventKindCount] = {};
    int visits[kPageKindCount] = {};
    int axial_finished = 0, radial_finished = 0, quits = 0;
    bool axial_was_at_end = false, radial_was_at_end = false;
    int delivered = 0;
    // Committed on the start page at 1920 x 1080, in MB: the first and last time, the lowest and the
    // highest. (What Wine keeps after large screens and other fonts comes and goes: over 30000 events
    // the figure wanders between about 30 and 90 MB without growing.)
    double first_home_memory = 0, last_home_memory = 0, lowest_home_memory = 1e9, highest_home_memory = 0;
    std::string event;
    const double started = Seconds();

    while (delivered < events) {
        const PageKind kind = KindOf(page);
        const int* weights = kind == kStartPage || kind == kAuthorsPage ? page_weights : screen_weights;
        int total = 0;
        for (int k = 0; k < kEventKindCount; ++k) total += weights[k];
        int roll = below(total), chosen = 0;
        while (roll >= weights[chosen]) roll -= weights[chosen++];
        const EventKind what = static_cast<EventKind>(chosen);
        const std::vector<HWND> children = Children(page);
        event = std::string(kPageNames[kind]) + " page: ";
        int sent = 1;

        const double event_started = Seconds();
        switch (what) {
            case kCommandEvent: {
                const int id = pick(command_ids);
                const LPARAM from = below(2) == 0 ? 0 : reinterpret_cast<LPARAM>(GetDlgItem(page, id));
                event += "command " + std::to_string(id);
                SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), from);
                break;
            }
            case kScrollEvent: {
                const std::vector<const ScrollBarControl*> bars = ScrollBars(kind);
                const int code = below(9);
                int position = below(0x10000);
                LPARAM from = 0;
                const int target = below(static_cast<int>(bars.size()) + 4);
                if (target < static_cast<int>(bars.size())) {
                    const ScrollBarControl* bar = bars[target];
                    from = reinterpret_cast<LPARAM>(bar->window);
                    if (below(3) != 0) position = bar->minimum + below(bar->maximum - bar->minimum + 1);
                } else if (target == static_cast<int>(bars.size())) {
                    from = children.empty() ? 0 : reinterpret_cast<LPARAM>(pick(children));  // any control
                } else if (target == static_cast<int>(bars.size()) + 1) {
                    from = reinterpret_cast<LPARAM>(page);
                } else if (target == static_cast<int>(bars.size()) + 2) {
                    from = reinterpret_cast<LPARAM>(stale);
                }
                const UINT message = below(8) == 0 ? WM_VSCROLL : WM_HSCROLL;
                event += (message == WM_HSCROLL ? "horizontal scroll " : "vertical scroll ") +
                         std::to_string(code) + " at " + std::to_string(position);
                SendMessageW(page, message, MAKEWPARAM(code, position), from);
                break;
            }
            case kTimerEvent: {
                const WPARAM id = below(8) == 0 ? static_cast<WPARAM>(random()) : pick(timer_ids);
                event += "timer " + std::to_string(id);
                SendMessageW(page, WM_TIMER, id, 0);
                break;
            }
            case kTickRun: {
                // Ticks in a row: a few, or as many as the run has left and a few beyond its end.
                sent = 1 + below(60);
                if (below(3) == 0) {
                    if (const AxialScreen* a = OpenAxialScreen(); a != nullptr)
                        sent = a->animation.n + 1 - a->animation.k + 1 + below(3);
                    if (const RadialScreen* r = OpenRadialScreen(); r != nullptr)
                        sent = r->animation.last - r->animation.k + 1 + below(3);
                }
                event += std::to_string(sent) + " ticks";
                for (int i = 0; i < sent; ++i) SendMessageW(page, WM_TIMER, 301, 0);
                break;
            }
            case kPaintEvent: {
                const WPARAM first = below(10) == 0 ? static_cast<WPARAM>(random()) : pick(paint_parameters);
                event += "paint " + std::to_string(first);
                if (first == 0 && below(2) == 0) {
                    RepaintAsUncovered(page);
                } else {
                    SendMessageW(page, WM_PAINT, first, 0);
                }
                break;
            }
            case kDisplayEvent: {
                size = pick(LectureDisplaySizes());
                event += "display change to " + SizeName(size);
                UseDisplaySize(size);
                SendMessageW(page, WM_DISPLAYCHANGE, 32, MAKELPARAM(size.width, size.height));
                break;
            }
            case kKeyEvent: {
                const unsigned key = pick(keys);
                HWND target = children.empty() || below(2) == 0 ? page : pick(children);
                event += "key " + std::to_string(key);
                PressKey(target, key);
                break;
            }
            case kNavigationEvent: {
                static const int openers[] = {201, 203, 204, 213};
                static const int menus[] = {0, 205, 206, 210, 214};
                const int id = kind == kStartPage ? pick(openers) : menus[kind];
                event += "navigation " + std::to_string(id);
                Command(page, id);
                break;
            }
            case kCloseEvent:
                event += "close request";
                SendMessageW(page, WM_CLOSE, 0, 0);
                break;
            default:
                break;
        }
        const int code = Pump();
        if (code != kNoQuit) ++quits;
        ASSERT_NE(code, -1) << "a page could not be made, after event " << delivered << ": " << event;
        counts[what] += sent;
        seconds_in[what] += Seconds() - event_started;
        delivered += sent;

        const std::vector<HWND> pages = PageWindows();
        ASSERT_EQ(pages.size(), 1u) << "after event " << delivered << ": " << event;
        if (pages.front() != page) {
            stale = page;
            page = pages.front();
            ++visits[KindOf(page)];
        }
        ASSERT_TRUE(Sound(page, size, start_counts_)) << "after event " << delivered << ": " << event;
        if (KindOf(page) == kStartPage && size.width == 1920 && size.height == 1080) {
            const double memory = CommittedMegabytes();
            if (first_home_memory == 0) first_home_memory = memory;
            last_home_memory = memory;
            lowest_home_memory = std::min(lowest_home_memory, memory);
            highest_home_memory = std::max(highest_home_memory, memory);
        }
        // Runs that reached their end during this event.
        const AxialScreen* axial = OpenAxialScreen();
        const bool axial_at_end = axial != nullptr && axial->animation.k == axial->animation.n + 1;
        axial_finished += axial_at_end && !axial_was_at_end;
        axial_was_at_end = axial_at_end;
        const RadialScreen* radial = OpenRadialScreen();
        const bool radial_at_end = radial != nullptr && radial->animation.k == radial->animation.last;
        radial_finished += radial_at_end && !radial_was_at_end;
        radial_was_at_end = radial_at_end;
    }
    const double seconds = Seconds() - started;

    std::printf("[ figures  ] %d events in %.1f s from generator start %u:", delivered, seconds, start);
    for (int k = 0; k < kEventKindCount; ++k)
        std::printf(" %d %s (%.1f s)%s", counts[k], kEventNames[k], seconds_in[k],
                    k + 1 < kEventKindCount ? "," : "\n");
    std::printf(
        "[ figures  ] pages opened: start %d, authors %d, pattern %d, axial %d, radial %d; runs seen at "
        "their end: axial %d, radial %d; quit requests %d\n",
        visits[kStartPage], visits[kAuthorsPage], visits[kPatternScreen], visits[kAxialScreen],
        visits[kRadialScreen], axial_finished, radial_finished, quits);
    std::printf(
        "[ figures  ] committed memory on the start page at 1920 x 1080: %.1f MB the first time, %.1f MB "
        "the last, between %.1f and %.1f MB\n",
        first_home_memory, last_home_memory, lowest_home_memory, highest_home_memory);
    // Home again: the start page with nothing left of the others.
    if (KindOf(page) != kStartPage) {
        static const int menus[] = {0, 205, 206, 210, 214};
        Command(page, menus[KindOf(page)]);
        Pump();
    }
    EXPECT_EQ(Counts(LiveObjectCounts()), Counts(start_counts_));
}

// Twenty runs from the first step to the end on each animated screen, left by Reset and by Menu in turn,
// leave the counts where one visit had them.
class FullRuns : public Soak {
protected:
    void SetUp() override {
        Soak::SetUp();
        // Runs are the same at every size; a small projector keeps twenty of them short.
        UseDisplaySize({1024, 768});
        ChangeDisplay(OnlyPage(), {1024, 768});
        start_counts_ = LiveObjectCounts();
    }
};

TEST_F(FullRuns, TwentyAxialRuns) {
    PlatformObjectCounts open_counts{};
    double memory[20] = {};
    int steps = 0;
    const double started = Seconds();
    for (int run = 0; run < 20; ++run) {
        Command(OnlyPage(), 204);
        Pump();
        HWND page = OnlyPage();
        AxialScreen* screen = OpenAxialScreen();
        ASSERT_NE(screen, nullptr);
        if (run == 0) open_counts = LiveObjectCounts();
        EXPECT_EQ(Counts(LiveObjectCounts()), Counts(open_counts)) << "run " << run;
        Command(page, kAxialStart);
        Command(page, kAxialStart);
        while (screen->animation.k <= screen->animation.n && steps < 100000) {
            SendMessageW(page, WM_TIMER, 301, 0);
            ++steps;
        }
        SendMessageW(page, WM_TIMER, 301, 0);
        ASSERT_EQ(ChildCaption(page, kAxialStart), L"Pause");
        if (run % 2 == 0) {
            Command(page, kAxialReset);
            EXPECT_EQ(Counts(LiveObjectCounts()), Counts(open_counts)) << "run " << run;
        }
        Command(page, kAxialMenu);
        Pump();
        EXPECT_EQ(Counts(LiveObjectCounts()), Counts(start_counts_)) << "run " << run;
        memory[run] = CommittedMegabytes();
    }
    std::printf(
        "[ figures  ] twenty axial runs at 1024 x 768, %d steps, in %.1f s; committed memory after "
        "runs 1, 2, 10 and 20: %.2f, %.2f, %.2f, %.2f MB\n",
        steps, Seconds() - started, memory[0], memory[1], memory[9], memory[19]);
    // Once the first runs have warmed the heap up, a run leaves no memory behind: a surface left over
    // from each run would add 3 MB at this size.
    EXPECT_LT(memory[19] - memory[1], 1.0);
}

TEST_F(FullRuns, TwentyRadialRuns) {
    PlatformObjectCounts open_counts{};
    double memory[20] = {};
    int steps = 0;
    const double started = Seconds();
    for (int run = 0; run < 20; ++run) {
        Command(OnlyPage(), 213);
        Pump();
        HWND page = OnlyPage();
        RadialScreen* screen = OpenRadialScreen();
        ASSERT_NE(screen, nullptr);
        if (run == 0) open_counts = LiveObjectCounts();
        EXPECT_EQ(Counts(LiveObjectCounts()), Counts(open_counts)) << "run " << run;
        // Back after Menu at the end of the last run, the screen shows that step; Reset starts afresh.
        Command(page, kRadialReset);
        Command(page, kRadialStart);
        Command(page, kRadialStart);
        while (RadialSavedStep() == -1 && steps < 100000) {
            SendMessageW(page, WM_TIMER, 301, 0);
            ++steps;
        }
        ASSERT_EQ(screen->animation.k, screen->animation.last);
        if (run % 2 == 0) {
            Command(page, kRadialReset);
            EXPECT_EQ(Counts(LiveObjectCounts()), Counts(open_counts)) << "run " << run;
        }
        Command(page, kRadialMenu);
        Pump();
        EXPECT_EQ(Counts(LiveObjectCounts()), Counts(start_counts_)) << "run " << run;
        memory[run] = CommittedMegabytes();
    }
    std::printf(
        "[ figures  ] twenty radial runs at 1024 x 768, %d steps, in %.1f s; committed memory after "
        "runs 1, 2, 10 and 20: %.2f, %.2f, %.2f, %.2f MB\n",
        steps, Seconds() - started, memory[0], memory[1], memory[9], memory[19]);
    // Once the first runs have warmed the heap up, a run leaves no memory behind: a surface left over
    // from each run would add 3 MB at this size.
    EXPECT_LT(memory[19] - memory[1], 1.0);
}

}  // namespace
