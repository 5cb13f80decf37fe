// The axial screen's animation state machine, without a window: what Start/Pause/Continue, Reset, a
// timer tick and a wavelength change do to the step counters, the running flag and the Start caption,
// and what the window must do in turn (draw a step, start or stop the timer).
//
// States: Ready (k = -1, "Start"), Waiting at start (k = 1 after step 0 is drawn, "Continue"),
// Running ("Pause", timer on), Paused ("Continue"), Finished (k = n + 1, "Pause", timer off; the button
// then does nothing until Reset).
#pragma once

#include "screens/zones/step_animation.h"

struct AxialAnimation {
    int k = -1;       // zone picture step counter: -1 not started, 0..n drawn, n + 1 finished
    int plot_k = -1;  // plot step counter, moves with k
    int n = 0;        // step count of both
    bool running = false;
    bool wavelength_enabled = true;
    StartCaption caption = StartCaption::kStart;
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
