// Steering the runs by hand on the real pages, under Wine: a step on and back shows the very pixels it
// showed, the ends of a run stop the steps, and Z stops the axial run exactly where a whole number of zones
// is open, with every term of the sum 1.00, the plot's point on its axis or at its top and the phasor diagram
// closed on whole half turns; a second Z goes on to the next whole number.
#include <algorithm>
#include <string>

#include "tests/page_driver.h"

namespace {

class RunSteering : public Program<> {
protected:
    void TearDown() override {
        RecordDrawnTexts(false);
        app.run_pace = 0;
        Program::TearDown();
    }
};

// The sum line the shown frame draws ("E  =  ..."), from the record of drawn texts.
std::wstring SumLine(const Surface* frame) {
    for (const DrawnText& t : TextsShownOn(frame->context))
        if (t.text.rfind(L"E  =  ", 0) == 0) return t.text;
    return L"";
}

// Period, then comma: the page as it was, pixel for pixel, on both screens paused mid-run and with the
// phasor diagram; comma at step 0 and period at the last step change nothing, and while the run goes the
// keys wait.
TEST_F(RunSteering, AStepOnAndBackShowsThePageAsItWas) {
    for (const auto& [button, start] :
         {std::pair{kAxialButton, kAxialStart}, {kRadialButton, kRadialStart}}) {
        SCOPED_TRACE(button);
        RadialSavedStep() = -1;
        HWND page = Open(button);
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
        Command(page, start);  // running: the keys wait (the timer's own ticks kept away)
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
        Open(app.menu_button->id);
    }
}

// Z from the ready screen at 600 nm: the run goes on to 5 zones, then 4 and 3, each stop exactly at
// a^2/(lambda*N) between two steps, "Continue" on the button; the sum's terms are N times 1.00 with
// alternating signs; the plot's point lies at the top for an odd N and on the axis for an even one; the
// point of observation stands where that distance puts it. Continue goes on from there.
TEST_F(RunSteering, ZStopsWhereWholeZonesAreOpen) {
    RecordDrawnTexts(true);
    HWND page = Open(kAxialButton);
    AxialScreen* s = OpenAxialScreen();
    const double a = 0.001, lambda = 600e-9;
    const std::wstring sums[] = {L"E  =  1.00 * E1 - 1.00 * E2 + 1.00 * E3 - 1.00 * E4 + 1.00 * E5 ",
                                 L"E  =  1.00 * E1 - 1.00 * E2 + 1.00 * E3 - 1.00 * E4 ",
                                 L"E  =  1.00 * E1 - 1.00 * E2 + 1.00 * E3 "};
    for (int zones = 5; zones >= 3; --zones) {
        SCOPED_TRACE(zones);
        PressKey(page, 'Z');
        for (int tick = 0; tick < 400 && s->animation.stop_zones != zones; ++tick) Tick(page);
        ASSERT_EQ(s->animation.stop_zones, zones);
        const double z = a * a / (lambda * zones);
        const DistanceRange range = AxialDistanceRange(a, lambda);
        const double step = (z - range.z_min) * s->animation.n / (range.z_max - range.z_min);
        EXPECT_NEAR(s->animation.stop_step, step, 1e-9);
        EXPECT_EQ(s->animation.k, static_cast<int>(step) + 1);
        EXPECT_TRUE(!s->animation.running && s->animation.caption == StartCaption::kContinue);
        EXPECT_EQ(SumLine(s->shown), sums[5 - zones]);
        // The plot's marker: the strip's top row for an odd number of zones, the axis for an even one.
        const AxialPlotModel& p = s->plot->model;
        const AxialPlotStep at =
            AxialPlotAtStop(p, s->animation.stop_step, s->animation.n, zones % 2 ? 4 : 0);
        const Rect& box = s->layout.plot;
        EXPECT_EQ(at.marker.y, (p.height - p.h) + (zones % 2 ? 0 : p.h - 6));
        EXPECT_EQ(SurfacePixel(s->shown, box.x + at.marker.x, box.y + at.marker.y), kOrange);
        const Point point = ObservationPointAt(s->layout, 600, step, s->animation.n);
        EXPECT_EQ(SurfacePixel(s->shown, point.x, point.y), kOrange);
    }
    // Continue: on from the stop, the next step drawn.
    const int next = s->animation.k;
    Command(page, kAxialStart);
    Tick(page);
    EXPECT_TRUE(s->animation.stop_zones == 0 && s->animation.k == next + 1);
}

// Plus and minus: the pace from half to twice, held; the run's steps are the same at every pace.
TEST_F(RunSteering, ThePaceChangesTheTimerOnly) {
    HWND page = Open(kRadialButton);
    for (unsigned key : {VK_OEM_MINUS, VK_OEM_MINUS, VK_OEM_MINUS}) PressKey(page, key);
    EXPECT_EQ(app.run_pace, -2);
    for (unsigned key : {VK_ADD, VK_OEM_PLUS, VK_OEM_PLUS, VK_OEM_PLUS, VK_OEM_PLUS}) PressKey(page, key);
    EXPECT_EQ(app.run_pace, 2);
    Command(page, kRadialStart);
    Tick(page, 30);
    EXPECT_EQ(OpenRadialScreen()->animation.k, 31);
}

}  // namespace
