// The axial screen's animation state machine.
#include "screens/axial/axial_animation.h"

bool AxialFinished(const AxialAnimation& a) {
    return a.plot_k > a.n || a.k > a.n;
}

AnimationEffects AxialTick(AxialAnimation& a) {
    AnimationEffects e;
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
        e.stop_timer = true;
    }
    e.caption_changed = true;
    return e;
}

AnimationEffects AxialReset(AxialAnimation& a) {
    a.running = false;
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
}
