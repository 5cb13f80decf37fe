// The axial and the radial screen with each object in the beam, under Wine: what the audience sees. Key O
// brings the disc and the plate and, the third time, the aperture's very pixels back, as a step on and back
// does; the disc's axial curve is flat under its top of 1; the focus is said only while the plate is in the
// beam. (Their texts at every size: screen_sizes_test.cpp.)
#include <algorithm>
#include <string>

#include "tests/page_driver.h"

namespace {

using numerics::BeamObject;
using ObjectScreens = Program<>;

// Key O on the open page, which is made again: the page there is then.
HWND Next() {
    PressKey(OnlyPage(), 'O');
    return OnlyPage();
}

// Whether the shown frame holds a text that starts with `start`.
bool Says(const Surface* frame, const std::wstring& start) {
    return TextsOn(frame).find(L"|" + start) != std::wstring::npos;
}

// The disc's curve after a whole run: in every column between the markers the white curve takes the same
// rows, the strip's top row and the one below, and "1" stands at the axis's top; no focus is said. The
// plate: its top 16 and its focus at 600 nm, a^2/(3*lambda) = 0.56 m; the curve reaches the top row near
// the focus, a third of the way from the run's 6 zones to 0.8.
TEST_F(ObjectScreens, AxialCurvesAndCaptionsOfEachObject) {
    RecordDrawnTexts(true);
    Open(kAxialButton);
    HWND page = Next();
    AxialScreen* s = OpenAxialScreen();
    ASSERT_EQ(s->object.kind, BeamObject::kDisc);
    Command(page, kAxialStart);
    Command(page, kAxialStart);
    Tick(page, s->animation.n + 2);
    ASSERT_TRUE(AxialFinished(s->animation));
    const AxialLayout l = s->layout;
    const AxialPlotStep end = AxialPlotAt(s->plot->model, s->animation.n, s->animation.n);
    const int top = AxialPlotTopRow(l, s->plot->model), left = l.plot.x + end.strip_origin.x;
    const Pixels strip = Block(page, left, top - 4, end.strip_columns, 12);
    for (int x = 10; x < end.strip_columns - 10; ++x) {
        std::string rows;
        for (int y = 0; y < 12; ++y) rows += strip[y * end.strip_columns + x] == kWhite ? '#' : '.';
        ASSERT_EQ(rows, "....##......") << "column " << x;
    }
    EXPECT_TRUE(Says(s->shown, L"1") && !Says(s->shown, L"16") && !Says(s->shown, L"Focus"));

    page = Next();
    s = OpenAxialScreen();
    ASSERT_EQ(s->object.kind, BeamObject::kZonePlate);
    EXPECT_TRUE(Says(s->shown, L"16") && Says(s->shown, L"Focus of the zone plate 0.56 m"));
    Command(page, kAxialStart);
    Command(page, kAxialStart);
    Tick(page, s->animation.n + 2);
    const int columns = AxialPlotAt(s->plot->model, s->animation.n, s->animation.n).strip_columns;
    const Pixels row = Block(page, l.plot.x + end.strip_origin.x, top, columns, 1);
    const int peak = static_cast<int>(std::find(row.begin(), row.end(), kWhite) - row.begin());
    EXPECT_NEAR(peak, columns / 6.5, 3);  // z runs from a^2/(6 lambda) to 7.5 times that; f is twice it
}

// Paused mid-run with the phasor diagram, on both screens in both programs (the radial one in the projector
// palette): a step on and back (period, comma) and three presses of O each give the page back pixel for
// pixel, the buttons with it. The focus is said only with the plate, the radial screen's distance then the
// focus's 1.6 m. Comma at step 0 and period at the last step change nothing, and while the run goes the step
// keys wait. Menu leaves the counts of the start page.
TEST_F(ObjectScreens, StepsAndThreePressesOfOGiveThePageBack) {
    RecordDrawnTexts(true);
    for (const TextSet* texts : {&EnglishTexts(), &RussianTexts()})
        for (int button : {kAxialButton, kRadialButton}) {
            SCOPED_TRACE(std::to_string(button) + (texts == &EnglishTexts() ? " English" : " Russian"));
            app.texts = texts;
            RadialSavedStep() = -1;  // a fresh run
            HWND page = Open(button);
            const int start = button == kAxialButton ? kAxialStart : kRadialStart;
            if (button == kRadialButton) PressKey(page, 'P'), page = OnlyPage();
            Command(page, start);  // step 0
            const Pixels first = Block(page);
            PressKey(page, VK_OEM_COMMA);
            EXPECT_TRUE(Block(page) == first) << "a step back from step 0";
            Command(page, start);
            Tick(page, 40);
            Command(page, start);  // paused
            PressKey(page, 'V');
            const Pixels paused = Block(page);
            PressKey(page, VK_OEM_PERIOD);
            EXPECT_FALSE(Block(page) == paused) << "no step on";
            PressKey(page, VK_OEM_COMMA);
            EXPECT_TRUE(Block(page) == paused) << "a step on and back";
            const std::wstring focus =
                texts == &EnglishTexts() ? L"Focus of" : L"\u0424\u043E\u043A\u0443\u0441";
            for (BeamObject expected : {BeamObject::kDisc, BeamObject::kZonePlate, BeamObject::kAperture}) {
                page = Next();
                ASSERT_EQ(app.beam_object, expected);
                EXPECT_EQ(Says(ShownSurface(), focus) || Says(app.page_surface, focus),
                          expected == BeamObject::kZonePlate);
                if (button == kRadialButton && expected == BeamObject::kZonePlate) {
                    EXPECT_NEAR(OpenRadialScreen()->z, 1.6, 1e-12);
                }
            }
            EXPECT_TRUE(Block(page) == paused) << "three presses of O";
            Command(page, start);  // running: the step keys wait (the timer's own ticks kept away)
            KillTimer(page, 301);
            const Pixels running = Block(page);
            PressKey(page, VK_OEM_PERIOD);
            PressKey(page, VK_OEM_COMMA);
            EXPECT_TRUE(Block(page) == running) << "steps while the run goes";
            // To the end with the timer's messages; there a step on changes nothing, a step back does.
            Tick(page, 500);
            const Pixels end = Block(page);
            PressKey(page, VK_OEM_PERIOD);
            EXPECT_TRUE(Block(page) == end) << "a step past the last";
            PressKey(page, VK_OEM_COMMA);
            EXPECT_FALSE(Block(page) == end) << "a step back from the end";
            PressKey(page, 'V');
            if (button == kRadialButton) PressKey(page, 'P'), page = OnlyPage();
            Open(app.menu_button->id);
            EXPECT_EQ(LiveObjectCounts(), start_counts_);
        }
}

}  // namespace
