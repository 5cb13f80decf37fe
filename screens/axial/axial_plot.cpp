// Drawing the axial intensity plot: the curve up to the current step is drawn on a strip, the revealed
// columns of the strip are copied into the picture, and the two markers go on top.
#include "screens/axial/axial_plot.h"

#include <vector>

#include "numerics/spectral_ramp.h"
#include "shell/application.h"
#include "shell/page_palette.h"

namespace {

constexpr ColourTriple kGreen{0, 255, 0};

ColourTriple WavelengthColour(double lambda) {
    unsigned char ramp[9] = {};
    numerics::FillSpectralRamp(ramp, 3, static_cast<int>(lambda / 1e-9 + 0.5));
    return {ramp[6], ramp[7], ramp[8]};
}

}  // namespace

AxialPlot* CreateAxialPlot(HWND window, int width, int my, ColourTriple background, double lambda,
                           const numerics::DiffractingObject& object, double z_min, double z_max, int height,
                           int mx) {
    AxialPlot* p = new AxialPlot{};
    p->colour = background;
    p->model = ComputeAxialObjectPlot(width, my, object, lambda, z_min, z_max, height, mx);
    p->picture = CreateSurface(window, width, height, background);
    p->clean = CreateSurface(window, width, height, background);
    p->strip = CreateSurface(window, p->model.m, p->model.h, background);
    p->clean_strip = CreateSurface(window, p->model.m, p->model.h, background);
    p->step_count = p->model.m;
    p->step_counter = -1;
    p->stop_step = -1;
    p->start_marker_brush = CreateFillBrush(kGreen);
    p->marker_brush = CreateFillBrush(WavelengthColour(lambda));
    return p;
}

void DrawAxialPlot(AxialPlot* p) {
    const AxialPlotModel& m = p->model;
    const AxialPlotStep step = p->stop_step >= 0
                                   ? AxialPlotAtStop(m, p->stop_step, p->step_count, p->stop_intensity)
                                   : AxialPlotAt(m, p->step_counter, p->step_count);
    HDC picture = p->picture->context;
    CopySurface(p->clean, picture, 0, 0);
    HGDIOBJ previous_brush = SelectObject(picture, p->marker_brush);

    if (step.curve_points > 1) {
        std::vector<POINT> points(step.curve_points);
        for (int i = 0; i < step.curve_points; ++i) points[i] = {m.points[i].x, m.points[i].y};
        HGDIOBJ previous_pen = SelectObject(p->strip->context, CurvePen());
        DrawPolyline(p->strip->context, points.data(), step.curve_points);
        SelectObject(p->strip->context, previous_pen);
    }
    if (step.strip_columns > 0) {
        CopyBlock(picture, step.strip_origin.x, step.strip_origin.y, step.strip_columns, m.h,
                  p->strip->context, 0, 0);
    }
    CopySurface(p->clean_strip, p->strip->context, 0, 0);

    DrawEllipse(picture, step.marker.x - 6, step.marker.y - 6, step.marker.x + 6, step.marker.y + 6);
    SelectObject(picture, p->start_marker_brush);
    DrawEllipse(picture, step.start_marker.x - 6, step.start_marker.y - 6, step.start_marker.x + 6,
                step.start_marker.y + 6);
    SelectObject(picture, previous_brush);
}

void DestroyAxialPlot(AxialPlot* p) {
    if (p == nullptr) return;
    for (Surface* s : {p->picture, p->strip, p->clean, p->clean_strip}) DestroySurface(s);
    DeleteDrawingObject(p->start_marker_brush);
    DeleteDrawingObject(p->marker_brush);
    delete p;
}
