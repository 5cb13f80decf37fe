// One frame of the Fresnel pattern screen on a drawing surface: the pixels the pure rendering computed
// (PatternImage) made into a square image, with the white intensity plot drawn over it when the plots
// are on. The screen keeps its two frames for its whole life and renders into them again on every
// change, so the image storage and the bitmap are made once and only refilled.
#pragma once

#include <windows.h>

#include "screens/pattern/pattern_image.h"
#include "shell/platform.h"

struct PatternFrame {
    // What the frame was computed for, its profile, palette, pixels, plot points and zone count.
    PatternImage computed;
    // computed.size x computed.size, owned; null before the first rendering and after a release.
    Surface* image = nullptr;
    bool image_current = false;  // the image shows the computed pixels
};

// Computes the frame for wavelength lambda, aperture radius a, ring width delta and distance z (metres),
// an image side of `size` pixels spanning view_factor aperture radii from the centre to each edge, with
// or without the white circle of the aperture's shadow edge and the intensity plot. Renders into
// `frame`, reusing its storage and image, or into a new record when `frame` is null (free that with
// DestroyPatternFrame); returns the record. When the intensity series gives no result, the program is
// asked to end with exit code 0 (a quit message) and the frame is completed all the same.
// The frame's work is shared with the threads of `workers` when there are any. Without `into_image` the
// pixels are only computed, for a caller that transfers them where it needs them (TransferPatternPixels).
PatternFrame* RenderPattern(int size, HWND window, double lambda, double a, double delta, double z,
                            double view_factor, bool aperture_projection, bool plots, PatternFrame* frame,
                            WorkerPool* workers = nullptr, bool into_image = true);

// The frame's computed pixels (the plot's stroke among them) to (x, y) of `target`, in one transfer.
void TransferPatternPixels(const PatternFrame& frame, HDC target, int x, int y);

// Destroys the image and frees the arrays; the record stays, empty, and can be rendered into again.
void ReleasePatternFrame(PatternFrame* frame);

// ReleasePatternFrame, then frees the record. Null is skipped.
void DestroyPatternFrame(PatternFrame* frame);
