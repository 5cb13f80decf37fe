// The axial screen's animation state machine, without a window: what Start/Pause/Continue, Reset, a
// timer tick and a wavelength change do to the step counters, the running flag and the Start caption,
// and what the window must do in turn (draw a step, start or stop the timer).
//
// States: Ready (k = -1, "Start"), Waiting at start (k = 1 after step 0 is drawn, "Continue"),
// Running ("Pause", timer on), Paused ("Continue"), Finished (k = n + 1, "Pause", timer off; the button
// then does nothing until Reset), and Stopped at whole zones (key Z: the point at the exact distance where
// a whole number of zones is open, between two steps, "Continue"; k is the step after it).
#pragma once

#include "screens/zones/step_animation.h"

struct AxialAnimation {
    int k = -1;       // zone picture step counter: -1 not started, 0..n drawn, n + 1 finished
    int plot_k = -1;  // plot step counter, moves with k
    int n = 0;        // step count of both
    bool running = false;
    bool wavelength_enabled = true;
    StartCaption caption = StartCaption::kStart;
    int stop_zones = 0;      // the point stands at the distance where this many whole zones are open (0: at
                             // the step k - 1)
    double stop_step = 0;    // and that distance as a step of the run, between k - 1 and k
    int target_zones = 0;    // key Z: the run goes on to the distance of this many whole zones (0: none)
    double target_step = 0;  // that distance as a step of the run
};

bool AxialFinished(const AxialAnimation& a);

// One timer tick (also run once by the first Start): draws step k and advances, or ends the run.
AnimationEffects AxialTick(AxialAnimation& a);
// The Start / Continue / Pause button.
AnimationEffects AxialPressStart(AxialAnimation& a);
// Reset: back to Ready; the caller rebuilds the plot and the zone picture and repaints.
AnimationEffects AxialReset(AxialAnimation& a);
// The screen made again (on another monitor, in another display mode) with n steps, from the animation it
// had: ready stays ready; a run stands at the same point of the run (its step scaled from the old n,
// truncated), paused where it was running, so that Continue goes on; a finished run stays finished.
// The wavelength stays locked where it was.
void AxialRestored(AxialAnimation& a, const AxialAnimation& before, int n);

// A new wavelength was applied: the plot and the zone picture are rebuilt (counters back to -1) but the
// caption keeps its text.
void AxialRebuilt(AxialAnimation& a, int n);

// Whether the run stands still with a step or a stop shown: before Continue, paused, finished, stopped.
bool AxialStandsStill(const AxialAnimation& a);

// Period and comma while the run stands still: one step on, or back, drawn as the run drew it. From a stop
// between steps, the step after it or the step before it. Nothing while the run goes, before step 0, or past
// the last step. Back from the finished run is the run paused at its one but last step.
AnimationEffects AxialStepForward(AxialAnimation& a);
AnimationEffects AxialStepBack(AxialAnimation& a);

// Key Z: the run goes on (from where it stands, or from the start) to the distance where `zones` whole zones
// are open, `step` as a step of the run, and stops there (AxialTick then draws that stop instead of the step
// beyond it). Zones 0 (no whole number left in the run) changes nothing.
AnimationEffects AxialRunToWholeZones(AxialAnimation& a, int zones, double step);
