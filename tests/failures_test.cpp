// A lecture PC short of resources: a tour of every page, in both programs, with one run of each animation,
// the projector palette and a display change, in which the Nth creation of a resource fails, for every N the
// tour makes. After each failure the program goes on: no crash, no hang, the start page with its notice where
// a page could not be built or went on, nothing leaked once the page is left, the next attempt (the next N's)
// gets past the creation that failed and, past the last one, the stretch ends as it does with nothing
// refused; fewer worker threads give the same pixels, and nothing Windows would refuse happens on the way.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

#include "shell/cp1251.h"
#include "shell/resource_failures.h"
#include "tests/page_driver.h"

namespace {

using Failures = Program<::testing::TestWithParam<TextLanguage>>;

// A stretch of the tour, from the start page: the button of its page (0: the start page), what is done
// there, and what it shows at its end (the pixels of the last frame; "" where it is not a screen).
struct Stretch {
    const char* name;
    int button;
    std::function<void(HWND)> run;
};

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
     [](HWND page) {
         for (int twice = 0; twice < 2 && OpenAxialScreen(); ++twice) PressKey(OnlyPage(), 'P');
     }},
    {"display change", 0,
     [](HWND page) {
         ChangeDisplay(page, {800, 600});
     }},
};

TEST_P(Failures, EveryCreationOfATourMayFail) {
    app.texts = GetParam() == TextLanguage::kEnglish ? &EnglishTexts() : &RussianTexts();
    ChangeDisplay(OnlyPage(), {640, 480});
    const PlatformObjectCounts baseline = LiveObjectCounts();
    std::map<std::string, int> outcomes;  // "kind: what happened" -> how often
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
            const bool left = ClassOf(OnlyPage()) == app.class_names[kStartPage] && stretch.button != 0;
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
            // A thread that could not start leaves the work to fewer: the same picture. Any other failure
            // leaves the page for the start page, which opens it at the next attempt.
            if (refused == ResourceKind::kThread) {
                EXPECT_TRUE(shown == expected) << "fewer workers, other pixels";
                ++outcomes["thread: fewer workers, the same pixels"];
                continue;
            }
            EXPECT_TRUE((stretch.button == 0 || left) && notice)
                << ResourceKindName(refused) << " did not leave the page";
            ++outcomes[std::string(ResourceKindName(refused)) + ": the start page with the notice"];
            // The next attempt is the next N's: the creation that failed here succeeds there.
        }
    }
    std::printf("[ figures  ] %d injection points:", points);
    for (const auto& [outcome, count] : outcomes) std::printf(" %s %d;", outcome.c_str(), count);
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
        EXPECT_EQ(code, -1) << n;
        EXPECT_TRUE(PageWindows().empty() && LiveObjectCounts() == none) << n;
        const std::string expected = app.texts->program_name + ": " + app.texts->start_failure;
        const std::u16string wide = Cp1251ToUtf16(expected.data(), static_cast<int>(expected.size()));
        EXPECT_EQ(reported, std::wstring(wide.begin(), wide.end())) << n;
    }
    FailNthCreation(0);
    SetStartFailureReport(nullptr);
    std::printf("[ figures  ] %d injection points at start\n", n - 1);
    EXPECT_GT(n, 10);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, Failures,
                         ::testing::Values(TextLanguage::kEnglish, TextLanguage::kRussian));

}  // namespace
