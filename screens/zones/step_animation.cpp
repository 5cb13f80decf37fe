// The Start button's captions of the animated screens.
#include "screens/zones/step_animation.h"

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
