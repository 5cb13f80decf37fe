// Drawing the radial intensity plot.
#include "screens/radial/radial_plot.h"

#include <vector>

#include "shell/application.h"
#include "shell/page_palette.h"

RadialPlot* CreateRadialPlot(HWND window, int width, int height, int mx, int my, ColourTriple background,
                             double lambda, const numerics::DiffractingObject& object, double z) {
    RadialPlot* p = new RadialPlot{};
    p->colour = background;
    p->model = ComputeRadialObjectPlot(width, height, mx, my, object, lambda, z);
    const int hc = p->model.strip_height;
    p->composed = CreateSurface(window, width, height, background);
    p->clean = CreateSurface(window, width, height, background);
    p->curve = CreateSurface(window, width + 4, hc, background);
    p->total_steps = p->model.total_steps;
    p->current_step = -1;

    // The curve through the first n points; the last computed point is not drawn.
    const int n = p->model.n;
    if (n > 1) {
        std::vector<POINT> points(n);
        for (int i = 0; i < n; ++i) points[i] = {p->model.points[i].x, p->model.points[i].y};
        HGDIOBJ previous = SelectObject(p->curve->context, CurvePen());
        DrawPolyline(p->curve->context, points.data(), n);
        SelectObject(p->curve->context, previous);
    }
    return p;
}

void DrawRadialPlot(RadialPlot* p) {
    CopySurface(p->clean, p->composed->context, 0, 0);
    const int revealed = RadialRevealedWidth(p->model, p->current_step, p->total_steps);
    if (revealed > 0) {
        CopyBlock(p->composed->context, 0, p->model.height - p->model.strip_height, revealed,
                  p->model.strip_height, p->curve->context, 0, 0);
    }
}

void DestroyRadialPlot(RadialPlot* p) {
    if (p == nullptr) return;
    for (Surface* s : {p->composed, p->curve, p->clean}) DestroySurface(s);
    delete p;
}
