// The open axial screen's state (the page surface, page font and Menu button live in the shell's
// application slots). Exposed for the screen's tests, which drive the window procedure and look inside.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "numerics/beam_object.h"
#include "screens/axial/axial_animation.h"
#include "screens/axial/axial_model.h"
#include "screens/axial/axial_plot.h"
#include "screens/zones/object_labels.h"
#include "screens/zones/zone_picture.h"
#include "shell/platform/platform.h"

struct AxialScreen {
    HWND window;
    AxialLayout layout;
    Surface* frame;        // the picture composed last: a full repaint or an animation step
    const Surface* shown;  // the frame once it has reached the window
    HFONT title_font;
    HPEN axis_pen;
    PushButton* start;
    PushButton* reset;
    ScrollBarControl* wavelength;
    AxialPlot* plot;
    ZonePicture* zones;
    PhasorPicture phasor_picture;  // the phasor panel's pixels, kept from step to step
    HBRUSH marker_brush;           // the wavelength's colour: the point of observation
    HBRUSH start_marker_brush;     // green: where the point starts
    AxialAnimation animation;
    int shown_step = -1;                 // the step the shown frame draws; -1 for the picture before a run
    bool shown_stop = false;             // or the stop at whole zones (animation.stop_zones) instead
    std::vector<RECT> caption_boxes;     // the distance caption's letters, for the texts beside them
    numerics::DiffractingObject object;  // what stands in the beam (key O)
    PlotTopMark top_mark;                // the disc's and the plate's top of the intensity axis
    std::string focus_text;              // the plate's focus at the wavelength shown; empty otherwise
    HFONT focus_font;                    // a font in which it fits beside the radius (a kept font)
};
