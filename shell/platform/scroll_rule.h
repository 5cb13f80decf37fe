// How one scroll-bar notification moves an integer position: line arrows step by `step` and stop at
// the ends, thumb tracking jumps to a position inside the range, and every other notification (page
// clicks, thumb release, end of scroll) leaves the position alone. Pure, so it can be tested anywhere.
#pragma once

struct ScrollOutcome {
    int position;
    bool changed;  // whether the thumb must be moved (a line arrow at an end still counts)
};

// `notification` is the first parameter of the scroll message: code in the low word, thumb position
// (unsigned 16 bits) in the high word.
ScrollOutcome ApplyScrollRule(int minimum, int maximum, int position, int step, unsigned long notification);
