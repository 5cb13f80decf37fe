// The open radial screen's state (page surface, page font and Menu button live in the shell's slots).
// Exposed for the screen's tests.
#pragma once

#include <windows.h>

#include <vector>

#include "screens/radial/radial_animation.h"
#include "screens/radial/radial_model.h"
#include "screens/radial/radial_plot.h"
#include "screens/zones/object_labels.h"
#include "screens/zones/zone_picture.h"
#include "shell/platform/platform.h"

struct RadialScreen {
    HWND window;
    RadialLayout layout;
    numerics::DiffractingObject object;  // what stands in the beam (key O)
    double z;  // distance to the observation screen: the plate's focus for the plate
    PushButton* start;
    PushButton* reset;
    ScrollBarControl* wavelength;  // hidden: the parameters cannot be changed
    ScrollBarControl* radius;
    Surface* frame;        // the picture composed last: a full repaint or an animation step
    Surface* sketch;       // the observation screen face-on, with two axes
    const Surface* shown;  // whichever frame reached the window last
    HFONT title_font;
    HPEN axis_pen;
    HPEN optical_axis_pen;
    PhasorPicture phasor_picture;  // the phasor panel's pixels, kept from step to step
    HBRUSH marker_brush;           // green
    ZonePicture* zones;
    RadialPlot* plot;
    RadialAnimation animation;
    int shown_step = -1;              // the step the shown frame draws; -1 for the picture before a run
    std::vector<RECT> caption_boxes;  // the plot caption's letters, for the texts beside them
    PlotTopMark top_mark;             // the disc's and the plate's top of the intensity axis
};
