// The radial screen's animation state machine.
#include "screens/radial/radial_animation.h"

#include <algorithm>

int& RadialSavedStep() {
    static int saved = -1;
    return saved;
}

int& RadialSavedSteps() {
    static int steps = 0;
    return steps;
}

namespace {

bool WithinRun(const RadialAnimation& a) {
    return a.plot_k <= a.last && a.k <= a.last;
}

void EndRun(RadialAnimation& a, AnimationEffects& e) {
    a.ended = true;
    a.k = a.last;
    a.plot_k = a.last;
    RadialSavedStep() = a.last;
    a.caption = StartCaption::kPause;  // the running flag keeps its value
    e.caption_changed = true;
    e.stop_timer = true;
}

}  // namespace

AnimationEffects RadialTick(RadialAnimation& a, int parameter) {
    AnimationEffects e;
    if (!WithinRun(a)) {
        EndRun(a, e);
        return e;
    }
    e.draw_step = true;
    e.drawn_step = a.k;
    if (parameter != kRedrawStep) {
        ++a.plot_k;
        ++a.k;
    }
    if (!WithinRun(a)) EndRun(a, e);
    return e;
}

AnimationEffects RadialPressStart(RadialAnimation& a) {
    AnimationEffects e;
    if (!WithinRun(a)) return e;
    a.ended = false;
    if (a.k == -1) {
        a.k = 0;
        a.plot_k = 0;
        e = RadialTick(a, 0);
        a.caption = StartCaption::kContinue;
        e.caption_changed = true;
        return e;
    }
    if (a.running) {
        a.running = false;
        a.caption = StartCaption::kContinue;
        e.stop_timer = true;
    } else {
        a.running = true;
        a.caption = StartCaption::kPause;
        e.start_timer = true;
    }
    e.caption_changed = true;
    return e;
}

AnimationEffects RadialReset(RadialAnimation& a) {
    a.running = false;
    a.ended = false;
    a.k = -1;
    a.plot_k = -1;
    RadialSavedStep() = -1;
    a.caption = StartCaption::kStart;
    AnimationEffects e;
    e.stop_timer = true;
    e.caption_changed = true;
    return e;
}

void RadialCreated(RadialAnimation& a, int last) {
    a = RadialAnimation{};
    a.last = last;
    if (RadialSavedStep() != -1) {
        // After a display change to a smaller screen the run has fewer steps than the one it was left
        // at; it is shown at its last step instead of ending unseen on the first tick.
        const int saved = RadialSavedStep(), steps = RadialSavedSteps();
        const int step =
            std::min(steps > 0 && steps != last ? static_cast<int>(1LL * saved * last / steps) : saved, last);
        a.k = step;
        a.plot_k = step;
    }
}

namespace {

bool StandsStill(const RadialAnimation& a) {
    return a.k != -1 && (!a.running || a.ended);
}

}  // namespace

AnimationEffects RadialStepForward(RadialAnimation& a, int shown) {
    AnimationEffects e;
    if (!StandsStill(a) || shown < 0 || shown >= a.last) return e;
    e.draw_step = true;
    e.drawn_step = shown + 1;
    a.k = a.plot_k = shown + 2;
    if (!WithinRun(a)) EndRun(a, e);  // the last step: the run ends there, as its timer would end it
    return e;
}

AnimationEffects RadialStepBack(RadialAnimation& a, int shown) {
    AnimationEffects e;
    if (!StandsStill(a) || shown <= 0) return e;
    e.draw_step = true;
    e.drawn_step = std::min(shown, a.last) - 1;
    a.k = a.plot_k = e.drawn_step + 1;
    if (a.ended) {
        // The finished run stands paused again before its end: Continue takes it there once more.
        a.ended = a.running = false;
        a.caption = StartCaption::kContinue;
        e.caption_changed = true;
    }
    return e;
}
