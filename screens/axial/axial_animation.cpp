// The axial screen's animation state machine.
#include "screens/axial/axial_animation.h"

#include <algorithm>

bool AxialFinished(const AxialAnimation& a) {
    return a.plot_k > a.n || a.k > a.n;
}

AnimationEffects AxialTick(AxialAnimation& a) {
    AnimationEffects e;
    if (a.target_zones != 0 && a.k >= a.target_step) {
        // The whole-zone distance comes before the next step: the run stops exactly there.
        a.stop_zones = a.target_zones;
        a.stop_step = a.target_step;
        a.target_zones = 0;
        a.k = a.plot_k = static_cast<int>(a.stop_step) + 1;
        a.running = false;
        a.caption = StartCaption::kContinue;
        e.draw_stop = true;
        e.stop_timer = true;
        e.caption_changed = true;
        return e;
    }
    a.stop_zones = 0;
    if (AxialFinished(a)) {
        // The running flag stays set, so the button keeps "Pause" and does nothing until Reset.
        a.caption = StartCaption::kPause;
        e.caption_changed = true;
        e.stop_timer = true;
        return e;
    }
    e.draw_step = true;
    e.drawn_step = a.k;
    ++a.k;
    ++a.plot_k;
    return e;
}

AnimationEffects AxialPressStart(AxialAnimation& a) {
    AnimationEffects e;
    if (AxialFinished(a)) return e;
    if (a.k == -1) {
        // Step 0 is drawn at once; the point of observation waits at its start until Continue.
        a.k = 0;
        a.plot_k = 0;
        e = AxialTick(a);
        a.caption = StartCaption::kContinue;
        e.caption_changed = true;
        return e;
    }
    a.wavelength_enabled = false;
    if (!a.running) {
        a.caption = StartCaption::kPause;
        a.running = true;
        e.start_timer = true;
    } else {
        a.caption = StartCaption::kContinue;
        a.running = false;
        a.target_zones = 0;  // Pause on the way to a whole number of zones: no stop there after all
        e.stop_timer = true;
    }
    e.caption_changed = true;
    return e;
}

AnimationEffects AxialReset(AxialAnimation& a) {
    a.running = false;
    a.stop_zones = a.target_zones = 0;
    a.k = -1;
    a.plot_k = -1;
    a.wavelength_enabled = true;
    a.caption = StartCaption::kStart;
    AnimationEffects e;
    e.stop_timer = true;
    e.caption_changed = true;
    return e;
}

void AxialRebuilt(AxialAnimation& a, int n) {
    a.k = -1;
    a.plot_k = -1;
    a.n = n;
}

void AxialRestored(AxialAnimation& a, const AxialAnimation& before, int n) {
    a = AxialAnimation{};
    a.n = n;
    const int shown = before.k - 1;  // k counts the step to draw next
    if (shown < 0) return;
    a.wavelength_enabled = before.wavelength_enabled;
    if (AxialFinished(before)) {
        a.k = a.plot_k = n + 1;
        a.running = before.running;
        a.caption = StartCaption::kPause;
        return;
    }
    a.k = a.plot_k = (before.n > 0 ? shown * n / before.n : 0) + 1;
    a.caption = StartCaption::kContinue;
    // A stop at whole zones stays where it is while the run keeps its steps (another palette, another
    // object); a run of another length stands at the step before it.
    if (before.stop_zones != 0 && before.n == n) {
        a.stop_zones = before.stop_zones;
        a.stop_step = before.stop_step;
        a.k = a.plot_k = before.k;
    }
}

bool AxialStandsStill(const AxialAnimation& a) {
    return a.k >= 1 && (!a.running || AxialFinished(a));
}

AnimationEffects AxialStepForward(AxialAnimation& a) {
    AnimationEffects e;
    if (!AxialStandsStill(a) || AxialFinished(a)) return e;
    // The step after the one shown (or after the stop), drawn and passed as a tick would.
    a.stop_zones = 0;
    e.draw_step = true;
    e.drawn_step = a.k;
    ++a.k;
    ++a.plot_k;
    if (AxialFinished(a)) {
        // The last step: the run is over, as its timer would leave it ("Pause", inert until Reset).
        a.running = true;
        a.caption = StartCaption::kPause;
        e.caption_changed = true;
    }
    return e;
}

AnimationEffects AxialStepBack(AxialAnimation& a) {
    AnimationEffects e;
    if (!AxialStandsStill(a)) return e;
    // From a stop the step before it, which is the one before k; else the one before the step shown.
    const int shown = a.stop_zones != 0 ? a.k : a.k - 1;
    if (shown <= 0 && a.stop_zones == 0) return e;
    const int step = std::max(0, std::min(shown - 1, a.n - 1));
    if (AxialFinished(a)) {
        // The finished run stands paused again, before its end: Continue takes it there once more.
        a.running = false;
        a.caption = StartCaption::kContinue;
        e.caption_changed = true;
    }
    a.stop_zones = 0;
    a.k = a.plot_k = step + 1;
    e.draw_step = true;
    e.drawn_step = step;
    return e;
}

AnimationEffects AxialRunToWholeZones(AxialAnimation& a, int zones, double step) {
    AnimationEffects e;
    if (zones <= 0 || AxialFinished(a) || step > a.n) return e;
    if (a.k == -1) e = AxialPressStart(a);  // step 0 first, as Start draws it
    a.target_zones = zones;
    a.target_step = step;
    if (!a.running) {
        a.wavelength_enabled = false;
        a.running = true;
        a.caption = StartCaption::kPause;
        e.start_timer = true;
        e.caption_changed = true;
    }
    return e;
}
