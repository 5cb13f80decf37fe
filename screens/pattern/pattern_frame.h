// One frame of the Fresnel pattern screen: the pixels the pure rendering computed (PatternImage), with the
// white intensity plot drawn into them when the plots are on, put into the screen's picture in one
// transfer. The screen keeps its two frames for its whole life and renders into them again on every
// change, so their storage is made once and only refilled.
#pragma once

#include <windows.h>

#include "screens/pattern/pattern_image.h"
#include "shell/platform/platform.h"

struct PatternFrame {
    // What the frame was computed for, its profile, palette, pixels, plot points and zone count.
    PatternImage computed;
};

// Computes the frame for wavelength lambda, the object in the beam (its kind, its radius a and, for the
// zone plate, its design), ring width delta and distance z (metres), an image side of `size` pixels
// spanning view_factor object radii from the centre to each edge, with or without the white circle of the
// object's shadow edge and the intensity plot. Renders into
// `frame`, reusing its storage, or into a new record when `frame` is null (free that with
// DestroyPatternFrame); returns the record. When the intensity series gives no result, the program is
// asked to end with exit code 0 (a quit message) and the frame is completed all the same.
// The frame's work is shared with the threads of `workers` when there are any.
PatternFrame* RenderPattern(int size, double lambda, const numerics::DiffractingObject& object, double delta,
                            double z, double view_factor, bool aperture_projection, bool plots,
                            PatternFrame* frame, WorkerPool* workers = nullptr);

// The frame's computed pixels (the plot's stroke among them) to (x, y) of `target`, in one transfer.
void TransferPatternPixels(const PatternFrame& frame, HDC target, int x, int y);

// Frees the record and its arrays. Null is skipped.
void DestroyPatternFrame(PatternFrame* frame);
