// The radial intensity plot on surfaces: the whole curve is drawn once when the plot is made, and each
// step reveals it from the left up to the point of observation's displacement.
#pragma once

#include <windows.h>

#include "screens/radial/radial_model.h"
#include "shell/platform/colour.h"
#include "shell/platform/platform.h"

struct RadialPlot {
    RadialPlotModel model;
    Surface* composed;  // background plus the revealed part of the curve: what the screen shows
    Surface* curve;     // the whole curve on the background, (width + 4) x strip height
    Surface* clean;     // background only
    ColourTriple colour;
    int total_steps;   // width - 6*mx at creation; the screen lowers it to its last step N
    int current_step;  // -1 before the first step
};

// The plot of the object in the beam (ComputeRadialObjectPlot).
RadialPlot* CreateRadialPlot(HWND window, int width, int height, int mx, int my, ColourTriple background,
                             double lambda, const numerics::DiffractingObject& object, double z);
void DrawRadialPlot(RadialPlot* plot);
void DestroyRadialPlot(RadialPlot* plot);
