// Steering a run by hand, without a window: a step on and back while the run stands still, the stop where a
// whole number of zones is open (key Z), and the pace (keys + and -).
#include <gtest/gtest.h>

#include <string>

#include "screens/axial/axial_animation.h"
#include "screens/radial/radial_animation.h"

namespace {

// The animation's state and what the window is told to do, in one line.
std::string Seen(const AxialAnimation& a, const AnimationEffects& e) {
    std::string s = "k" + std::to_string(a.k) + (a.running ? " running" : "") +
                    (a.stop_zones ? " stop" + std::to_string(a.stop_zones) : "");
    if (e.draw_step) s += " draw" + std::to_string(e.drawn_step);
    if (e.draw_stop) s += " drawstop";
    if (e.start_timer) s += " start";
    if (e.stop_timer) s += " stop";
    return s + " " + std::to_string(static_cast<int>(a.caption));
}

// Period and comma: only while the run stands still, never before step 0 or past step n; back from the end
// pauses the run before it; a step on and back shows what was shown.
TEST(RunSteering, StepsOnAndBack) {
    AxialAnimation a;
    a.n = 5;
    EXPECT_EQ(Seen(a, AxialStepForward(a)), "k-1 0");  // Ready: nothing to step from
    AxialPressStart(a);                                // step 0 shown, "Continue"
    EXPECT_EQ(Seen(a, AxialStepBack(a)), "k1 1");      // before step 0: nothing
    EXPECT_EQ(Seen(a, AxialStepForward(a)), "k2 draw1 1");
    EXPECT_EQ(Seen(a, AxialStepBack(a)), "k1 draw0 1");
    AxialPressStart(a);  // running: the keys wait
    EXPECT_EQ(Seen(a, AxialStepForward(a)), "k1 running 2");
    EXPECT_EQ(Seen(a, AxialStepBack(a)), "k1 running 2");
    for (int tick = 0; tick < 5; ++tick) AxialTick(a);
    EXPECT_EQ(Seen(a, AxialTick(a)), "k6 running stop 2");          // finished at step 5, "Pause", inert
    EXPECT_EQ(Seen(a, AxialStepForward(a)), "k6 running 2");        // past the last step: nothing
    EXPECT_EQ(Seen(a, AxialStepBack(a)), "k5 draw4 1");             // paused before the end, "Continue"
    EXPECT_EQ(Seen(a, AxialStepForward(a)), "k6 running draw5 2");  // the end again: "Pause", inert
    EXPECT_EQ(Seen(a, AxialPressStart(a)), "k6 running 2");
}

// The radial run the same way, from the step its screen shows; at its last step it ends as its timer ends it.
TEST(RunSteering, RadialStepsOnAndBack) {
    RadialAnimation a;
    a.last = 3;
    const auto seen = [&](const AnimationEffects& e) {
        return "k" + std::to_string(a.k) + (a.running ? " running" : "") + (a.ended ? " ended" : "") +
               (e.draw_step ? " draw" + std::to_string(e.drawn_step) : "") + " " +
               std::to_string(static_cast<int>(a.caption));
    };
    EXPECT_EQ(seen(RadialStepForward(a, -1)), "k-1 0");  // before the run
    RadialPressStart(a);                                 // step 0 shown
    EXPECT_EQ(seen(RadialStepBack(a, 0)), "k1 1");
    EXPECT_EQ(seen(RadialStepForward(a, 0)), "k2 draw1 1");
    EXPECT_EQ(seen(RadialStepForward(a, 1)), "k3 draw2 1");
    EXPECT_EQ(seen(RadialStepForward(a, 2)), "k3 ended draw3 2");  // its end, "Pause"
    EXPECT_EQ(seen(RadialStepForward(a, 3)), "k3 ended 2");
    EXPECT_EQ(seen(RadialStepBack(a, 3)), "k3 draw2 1");  // paused before the end again
    RadialPressStart(a);                                  // running: the keys wait
    EXPECT_EQ(seen(RadialStepBack(a, 2)), "k3 running 2");
}

// Key Z: the run goes on and stops exactly at the whole-zone distance, between its steps, "Continue"; from
// there Continue, a step on and a step back go on from that point; Pause on the way drops the stop.
TEST(RunSteering, StopAtWholeZones) {
    AxialAnimation a;
    a.n = 10;
    EXPECT_EQ(Seen(a, AxialRunToWholeZones(a, 0, 0)), "k-1 0");  // none left: nothing
    EXPECT_EQ(Seen(a, AxialRunToWholeZones(a, 5, 3.4)), "k1 running draw0 start 2");
    for (int step = 1; step <= 3; ++step)
        EXPECT_EQ(Seen(a, AxialTick(a)),
                  "k" + std::to_string(step + 1) + " running draw" + std::to_string(step) + " 2");
    EXPECT_EQ(Seen(a, AxialTick(a)), "k4 stop5 drawstop stop 1");
    EXPECT_DOUBLE_EQ(a.stop_step, 3.4);
    EXPECT_EQ(Seen(a, AxialStepBack(a)), "k4 draw3 1");
    EXPECT_EQ(Seen(a, AxialRunToWholeZones(a, 5, 3.4)), "k4 running start 2");
    EXPECT_EQ(Seen(a, AxialTick(a)), "k4 stop5 drawstop stop 1");
    EXPECT_EQ(Seen(a, AxialStepForward(a)), "k5 draw4 1");
    AxialRunToWholeZones(a, 4, 6.5);
    AxialTick(a);
    EXPECT_EQ(Seen(a, AxialPressStart(a)), "k6 stop 1");  // paused on the way: no stop
    EXPECT_EQ(Seen(a, AxialPressStart(a)), "k6 running start 2");
    EXPECT_EQ(Seen(a, AxialTick(a)), "k7 running draw6 2");
    EXPECT_EQ(Seen(a, AxialTick(a)), "k8 running draw7 2");  // no stop at 6.5 any more
    // A stop kept by the page made again with as many steps; dropped with another number of steps.
    AxialAnimation stopped = a;
    stopped.running = false, stopped.stop_zones = 2, stopped.stop_step = 7.25, stopped.k = 8;
    AxialRestored(a, stopped, 10);
    EXPECT_EQ(Seen(a, {}), "k8 stop2 1");
    AxialRestored(a, stopped, 20);
    EXPECT_EQ(Seen(a, {}), "k15 1");
    AxialRestored(a, stopped, 5);
    EXPECT_EQ(a.stop_zones, 0);
    EXPECT_EQ(Seen(a, AxialReset(a)), "k-1 stop 0");
    // A whole number of zones at the run's very last distance is still a stop.
    EXPECT_EQ(Seen(a, AxialRunToWholeZones(a, 1, 5.0)), "k1 running draw0 start 2");  // 5 steps now
}

// Plus and minus: half to twice the pace, the usual period in the middle, the ends held.
TEST(RunSteering, Pace) {
    std::string periods;
    for (int pace = -3; pace <= 3; ++pace)
        periods +=
            std::to_string(PacedPeriod(100, pace)) + "/" + std::to_string(PacedPeriod(150, pace)) + " ";
    EXPECT_EQ(periods, "200/300 200/300 141/211 100/150 71/106 50/75 50/75 ");
}

}  // namespace
