// The radial screen's animation state machine, without a window. Unlike the axial screen, the step it
// reached outlives the screen (the saved step), and a finished run can be continued: Start then shows
// "Continue", and again "Pause" with one more tick that redraws the last step.
#pragma once

#include "screens/zones/step_animation.h"

// A timer message with this first parameter redraws the current step without advancing it.
inline constexpr int kRedrawStep = 1025;

struct RadialAnimation {
    int k = -1;       // zone picture step counter
    int plot_k = -1;  // plot step, kept equal to k
    int last = 0;     // N
    bool running = false;
    bool ended = false;  // the run reached its last step and its timer stopped (the running flag stays)
    StartCaption caption = StartCaption::kStart;
};

// The step the screen was left at; -1 when no animation is in progress. Lives as long as the program.
int& RadialSavedStep();
// The run's step count N when it was left (0: the step count of the screen it comes back to).
int& RadialSavedSteps();

// One timer message with first parameter `parameter` (301 from the timer, 0 from Start, kRedrawStep).
AnimationEffects RadialTick(RadialAnimation& a, int parameter);
AnimationEffects RadialPressStart(RadialAnimation& a);
AnimationEffects RadialReset(RadialAnimation& a);
// A new screen: N from the plot and the zone picture, and the saved step restored if there is one, at the
// same point of the run where N has changed (another monitor or display mode: scaled, truncated; never
// beyond N).
void RadialCreated(RadialAnimation& a, int last);

// Period and comma while the run stands still (before Continue, paused, or at its end), from the step the
// screen shows: one step on, or back, drawn as the run drew it; never before step 0 or past the last step.
// Back from the end is the run paused before it.
AnimationEffects RadialStepForward(RadialAnimation& a, int shown);
AnimationEffects RadialStepBack(RadialAnimation& a, int shown);
