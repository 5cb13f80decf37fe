// What the two animated screens' state machines share: the caption of the Start button and what the
// window must do after a handler has changed the animation (draw a step, start or stop the timer).
#pragma once

#include <string>

#include "shell/text/text_set.h"

enum class StartCaption { kStart, kContinue, kPause };

// The caption's text in a build's text set.
const std::string& StartCaptionText(const TextSet& texts, StartCaption caption);

// The timer's period at a pace from -2 to 2 (keys + and -): the usual period at 0, twice as long at -2, half
// as long at 2, and the square root of two apart between (100 ms: 200, 141, 100, 71, 50; 150 ms: 300, 211,
// 150, 106, 75). Paces beyond the ends are the ends.
unsigned PacedPeriod(unsigned period, int pace);

// What the window does after a handler has changed the animation.
struct AnimationEffects {
    bool draw_step = false;  // draw the step the counters held before the handler advanced them
    int drawn_step = -1;
    bool draw_stop = false;  // draw the point where the run stopped between two steps (the axial screen's Z)
    bool start_timer = false;
    bool stop_timer = false;
    bool caption_changed = false;
};
