// A lecture PC short of resources: a tour of every page of both programs (a run of each animation, the
// projector palette, a display change) in which the Nth creation of a resource fails, for every N the tour
// makes. After each failure the program goes on, with no crash, hang, leak once the page is left, or anything
// Windows would refuse; and past the last N each stretch of the tour ends as it does with nothing refused.
#include <algorithm>
#include <cstdio>
#include <map>

#include "shell/cp1251.h"
#include "shell/resource_failures.h"
#include "tests/page_driver.h"

namespace {

using Failures = Program<::testing::TestWithParam<TextLanguage>>;

// A stretch of the tour from the start page: its page's button (0: the start page) and what is done there.
struct Stretch {
    const char* name;
    int button;
    void (*run)(HWND);
};

// What a screen shows at a stretch's end: the pixels of its last frame; "" where it is not a screen.
std::string Shown() {
    const Surface* shown = OpenPatternScreen()  ? OpenPatternScreen()->work
                           : OpenAxialScreen()  ? OpenAxialScreen()->shown
                           : OpenRadialScreen() ? OpenRadialScreen()->shown
                                                : nullptr;
    if (shown == nullptr || shown->pixels == nullptr) return "";
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
    {"projector palette and back", kAxialButton,
     [](HWND) {
         for (int twice = 0; twice < 2 && OpenAxialScreen(); ++twice) PressKey(OnlyPage(), 'P');
     }},
    {"display change to 800 x 600", 0, [](HWND page) { ChangeDisplay(page, kLectureSizes[1]); }},
};

TEST_P(Failures, EveryCreationOfATourMayFail) {
    app.texts = GetParam() == TextLanguage::kEnglish ? &EnglishTexts() : &RussianTexts();
    ChangeDisplay(OnlyPage(), {640, 480});
    const PlatformObjectCounts baseline = LiveObjectCounts();
    std::map<std::string, int> failed;  // how often each kind of resource was refused
    int points = 0;
    for (const Stretch& stretch : kTour) {
        SCOPED_TRACE(stretch.name);
        std::string expected;
        // Every N up to the first for which the stretch makes fewer creations (the screens' own timers may
        // add a tick, so a stretch's count can differ by one from run to run).
        for (int n = 0;; ++n) {
            SCOPED_TRACE("creation " + std::to_string(n));
            app.phasor_panel = app.projector_palette = false;  // each run as the first
            RadialSavedStep() = -1;
            FailNthCreation(n);
            HWND page = stretch.button != 0 ? Open(stretch.button) : OnlyPage();
            stretch.run(page);
            const std::string shown = Shown();
            const ResourceKind refused = RefusedKind();
            const bool notice = NoticeShown();
            if (n == 0) expected = shown;
            // Back to the start page, as it was; Windows' rules kept all along.
            FailNthCreation(0);
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
            // A thread that could not start leaves the work to fewer: the same pixels. Any other failure
            // leaves the page for the start page and its notice; the next N's attempt gets past it.
            const bool thread = refused == ResourceKind::kThread;
            EXPECT_TRUE(thread ? shown == expected : notice)
                << ResourceKindName(refused) << (thread ? ": other pixels" : " did not leave the page");
        }
    }
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
        const int code = OpenFirstPage(SW_SHOWNORMAL);
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
