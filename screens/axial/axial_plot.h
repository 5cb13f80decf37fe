// The axial intensity plot on surfaces: the curve of the intensity on the axis against the distance,
// revealed one column per step, with a marker in the wavelength's colour riding on its end and a green
// marker at its start. The curve itself is computed once per wavelength (ComputeAxialPlot).
#pragma once

#include <windows.h>

#include "screens/axial/axial_model.h"
#include "shell/platform/colour.h"
#include "shell/platform/platform.h"

struct AxialPlot {
    AxialPlotModel model;
    Surface* picture;      // what the screen copies to its plot rectangle
    Surface* strip;        // the part of the curve drawn so far, redrawn at every step
    Surface* clean;        // background only: restores the picture before each step
    Surface* clean_strip;  // background only: clears the strip after each step
    ColourTriple colour;
    HBRUSH start_marker_brush;
    HBRUSH marker_brush;
    int step_count;         // m at creation; the screen lowers it to n
    int step_counter;       // -1 before the first step
    double stop_step;       // at or above 0: what is drawn is the stop between steps at this step
    double stop_intensity;  // and the intensity there
};

// The plot of the object in the beam (ComputeAxialObjectPlot).
AxialPlot* CreateAxialPlot(HWND window, int width, int my, ColourTriple background, double lambda,
                           const numerics::DiffractingObject& object, double z_min, double z_max, int height,
                           int mx);

// Redraws the plot picture for the step counter.
void DrawAxialPlot(AxialPlot* plot);

void DestroyAxialPlot(AxialPlot* plot);
