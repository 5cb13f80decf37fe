// A lecture PC short of resources: a tour of every page, in both programs, with one run of each animation
// and a display change, in which the Nth creation of a resource fails, for every N the tour makes. After
// each failure the program goes on: no crash, no hang, the start page with its notice where a page could
// not be built, nothing leaked once the page is left, the page opens at the next attempt, fewer worker
// threads give the same pixels, and nothing Windows would refuse happens on the way.
#include <chrono>
#include <cstdio>
#include <functional>

#include "shell/resource_failures.h"
#include "tests/page_driver.h"

namespace {

using Failures = Program<::testing::TestWithParam<TextLanguage>>;

// One stretch of the tour, from the start page back to it: what it does, and the page it is about.
struct Stretch {
    const char* name;
    int button;  // the start page's button of its page (0: the start page itself)
    std::function<void(HWND)> run;
};

// The end of a stretch: whatever page is open goes back to the start page.
void BackToStart() {
    for (int i = 0; i < 3 && app.menu_button != nullptr; ++i) Open(app.menu_button->id);
}

const Stretch kTour[] = {
    {"authors", kAuthorsButton, [](HWND) {}},
    {"pattern", kPatternButton,
     [](HWND page) {
         PatternScreen* s = OpenPatternScreen();
         if (s == nullptr) return;
         Scroll(page, s->distance, SB_LINEDOWN);
         Command(page, kCompare);
         Command(page, kPlots);
         Pump();
     }},
    {"axial", kAxialButton,
     [](HWND page) {
         Command(page, kAxialStart);
         PressKey(page, 'V');
         Command(page, kAxialStart);
         for (int tick = 0; tick < 400 && OpenAxialScreen() != nullptr; ++tick) Tick(page), Pump();
         if (OpenAxialScreen() != nullptr) Command(page, kAxialReset), Pump();
     }},
    {"radial", kRadialButton,
     [](HWND page) {
         Command(page, kRadialStart);
         Command(page, kRadialStart);
         for (int tick = 0; tick < 400 && OpenRadialScreen() != nullptr; ++tick) Tick(page), Pump();
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
    for (const Stretch& stretch : kTour) {
        const auto began = std::chrono::steady_clock::now();
        FailNthCreation(0);
        HWND page = stretch.button != 0 ? Open(stretch.button) : OnlyPage();
        stretch.run(page);
        const int creations = CreationsCounted();
        for (int k = 0; k < static_cast<int>(ResourceKind::kCount); ++k)
            std::printf("%s %d; ", ResourceKindName(ResourceKind(k)), CreationsCounted(ResourceKind(k)));
        BackToStart();
        ChangeDisplay(OnlyPage(), {640, 480});
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
        std::printf("[ figures  ] %s: %d creations, %.2f s\n", stretch.name, creations, seconds);
        EXPECT_EQ(LiveObjectCounts(), baseline);
    }
    FailNthCreation(0);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, Failures,
                         ::testing::Values(TextLanguage::kEnglish, TextLanguage::kRussian));

}  // namespace
