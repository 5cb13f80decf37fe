// The scroll rule of every scroll bar of the program.
#include "shell/platform/scroll_rule.h"

#include <algorithm>

ScrollOutcome ApplyScrollRule(int minimum, int maximum, int position, int step, unsigned long notification) {
    const unsigned code = notification & 0xFFFF;
    const int thumb = static_cast<int>((notification >> 16) & 0xFFFF);
    switch (code) {
        case 0:  // line up or left
            return {std::max(position - step, minimum), true};
        case 1:  // line down or right
            return {std::min(position + step, maximum), true};
        case 5:  // thumb tracking
            if (thumb < minimum || thumb > maximum) return {position, false};
            return {thumb, thumb != position};
        default:  // page clicks, thumb released, end of scroll: the demonstrations move in small steps only
            return {position, false};
    }
}
