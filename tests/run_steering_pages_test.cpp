// Steering the runs by hand on the real pages, under Wine: Z stops the axial run exactly where a whole
// number of zones is open, with every term of the sum 1.00 and the plot's point on its axis or at its top;
// plus and minus change the pace alone. (A step on and back and the ends of a run: with key O in
// objects_screens_pages_test.cpp.)
#include <string>

#include "tests/page_driver.h"

namespace {

using RunSteering = Program<>;

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
        EXPECT_NE(TextsOn(s->shown).find(L"|" + sums[5 - zones] + L"|"), std::wstring::npos)
            << TextsOn(s->shown);
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
