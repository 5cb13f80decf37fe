// The Start button's captions of the animated screens, and their pace.
#include "screens/zones/step_animation.h"

#include <algorithm>

const std::string& StartCaptionText(const TextSet& texts, StartCaption caption) {
    switch (caption) {
        case StartCaption::kStart:
            return texts.start_caption;
        case StartCaption::kContinue:
            return texts.continue_caption;
        default:
            return texts.pause_caption;
    }
}

unsigned PacedPeriod(unsigned period, int pace) {
    // Twice the pace halves the period; the steps between, in hundredths of the usual period rounded, are
    // 2^(1/2) apart.
    static const unsigned hundredths[] = {200, 141, 100, 71, 50};
    return period * hundredths[std::clamp(pace, -2, 2) + 2] / 100;
}
