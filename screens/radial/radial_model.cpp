// Layout, curve and markers of the radial intensity screen.
#include "screens/radial/radial_model.h"

#include <algorithm>
#include <cmath>

#include "numerics/object_series.h"
#include "numerics/zone_geometry.h"
#include "numerics/zone_series.h"
#include "screens/plot_scale.h"
#include "screens/zones/beam_objects.h"

double RadialScreenDistance() {
    return numerics::DistanceForZoneCount(2000 * 1e-6, 500 * 1e-9, 0.0, 1.5);
}

numerics::DiffractingObject RadialObject(numerics::BeamObject kind) {
    return ObjectInBeam(kind, kRadialAperture, RadialZonePlate(kRadialAperture, kRadialWavelength));
}

double RadialObjectDistance(const numerics::DiffractingObject& object) {
    if (object.kind != numerics::BeamObject::kZonePlate) return RadialScreenDistance();
    return numerics::ZonePlateFocalDistance(object.plate, kRadialWavelength);
}

// The picture stands in the left column below the header band; the drawn axis is horizontal.
ZonePictureGeometry RadialZonePictureGeometry(int width, int height) {
    const int mx = width * 2 / 100, my = height * 4 / 100, column = (width - 8 * mx) / 3;
    const int header = (height * 5 / 100 + 10 * my) / 2;
    const int free_height = height - header - 9 * my;
    ZonePictureGeometry g{};
    g.side = std::min(column, free_height);
    g.y0 = 6 * my + g.side / 2 + (free_height - g.side) / 2 + header;
    g.y1 = g.y0;
    g.x0 = g.side / 2 + (column - g.side) / 2 + 2 * mx;
    g.x1 = (width * 70 / 100 + width - mx) / 2 - 10 * mx - g.side / 2;
    g.step_count = g.x1 - g.side - 2 * mx;
    return g;
}

RadialLayout ComputeRadialLayout(int width, int height) {
    RadialLayout l{};
    const int w = width, h = height;
    l.width = w;
    l.height = h;
    l.mx = w * 2 / 100;
    l.my = h * 4 / 100;
    l.h5 = h * 5 / 100;
    l.h10 = h * 10 / 100;
    l.h88 = h * 88 / 100;
    const int mx = l.mx, my = l.my, h5 = l.h5, h10 = l.h10, h88 = l.h88;
    l.column = (w - 8 * mx) / 3;
    l.band = (h5 + 10 * my) / 2;
    l.free_height = h - l.band - 9 * my;
    l.side = std::min(l.column, l.free_height);
    const int col = l.column, s = l.side;
    l.plot_centre = (w * 70 / 100 - mx + w) / 2;
    const int xm = l.plot_centre;
    l.plot_width = w * 86 / 100 + w * 12 / 100 + 7 * mx - xm - 2;
    l.plot_height = h88 - h5 - 14 * my - 1;
    l.axis_x = xm - 9 * mx;
    l.axis_y = h88 - 4 * my;
    l.axis_end_x = w * 86 / 100 + w * 12 / 100;
    l.axis_top_y = h5 + 9 * my;
    l.zone_centre = {(col - s) / 2 + 2 * mx + s / 2, (l.free_height - s) / 2 + l.band + 6 * my + s / 2};
    l.sketch_centre = {xm - 10 * mx - s / 2, h10 + h5 + 6 * my + s / 2};

    l.menu_button = {w * 86 / 100, h88, w * 12 / 100, h10};
    l.start_button = {2 * mx, h5 + 6 * my, w * 13 / 100, h10};
    l.reset_button = {col + 2 * mx - w * 13 / 100, h5 + 6 * my, w * 13 / 100, h10};
    l.wavelength_control = {2 * mx, 4 * my, col, h5};
    l.radius_control = {col + 4 * mx, 4 * my, col, h5};

    l.title = {w / 2, my / 2};
    l.wavelength_label = {2 * mx, 4 * my};
    l.radius_label = {col + 4 * mx, 4 * my};
    l.distance_label = {w - 2 * mx - col, 4 * my};
    l.plot_heading[0] = {xm - mx, h5 + 6 * my};
    l.plot_heading[1] = {xm - mx, h5 + 7 * my};
    l.plot_caption[0] = {xm - mx, h88 - 3 * my};
    l.plot_caption[1] = {xm - mx, h88 - 2 * my};
    l.intensity_letter = {xm - l.plot_width / 2 - mx, l.axis_top_y};
    l.horizontal_arrow[0] = {l.axis_end_x - mx, l.axis_y - my / 4};
    l.horizontal_arrow[1] = {l.axis_end_x - mx, l.axis_y + my / 4};
    l.vertical_arrow[0] = {l.axis_x - mx / 4, l.axis_top_y + my};
    l.vertical_arrow[1] = {l.axis_x + mx / 4, l.axis_top_y + my};
    l.aperture_caption = {col / 2 + 2 * mx, (11 * my + h10 + l.band + (l.free_height - s) / 2 + h5) / 2};

    l.plot_origin = {l.axis_x + 2, h5 + 10 * my};
    const Point z = l.zone_centre, c = l.sketch_centre;
    l.fresh_axis_end = {c.x + s / 4, c.y - (z.y - c.y) * (s / 4) / (c.x - z.x)};
    l.theta = std::atan(static_cast<double>(z.y - c.y) / (c.x - z.x));
    const double sin_t = std::sin(l.theta), cos_t = std::cos(l.theta);
    l.escapement = static_cast<int>(l.theta * 1800 / numerics::kLabelAnglePi);
    const int label_x = (z.x * 5 / 2 + c.x) / 2;
    l.axis_label = {label_x, z.y - (h * 4 / 200) - static_cast<int>(label_x * sin_t)};
    // The incoming axis continues the line from the aperture centre to the screen's centre.
    const int incoming_x = (z.x - s / 2) / 2;
    l.incoming_axis_end = {incoming_x, z.y + static_cast<int>(std::tan(l.theta) * (z.x - incoming_x))};
    const int j = s / 2 - s / 12 - 1;
    l.inner_axis_end = {z.x + static_cast<int>(j * cos_t), z.y - static_cast<int>(j * sin_t)};
    l.arrow_up = {z.x - mx, z.y - static_cast<int>(mx * sin_t)};
    l.arrow_down = {z.x - mx, z.y + 3 * static_cast<int>(mx * sin_t)};

    l.sum_text = {z.x - s / 2, z.y + s / 2 + (3 * my) / 2};
    l.zone_count_label = {c.x, h10 + h5 + 6 * my + s};
    l.screen_label = {c.x, c.y - s / 2 - (3 * my) / 2};
    l.formula_line = {z.x - s / 2, z.y + s / 2};
    return l;
}

namespace {

// The plot's picture and strip, without its curve.
RadialPlotModel RadialPlotFrame(int width, int height, int mx, int my, double lambda, double a, double z) {
    RadialPlotModel p{};
    p.width = width;
    p.height = height;
    p.mx = mx;
    p.my = my;
    p.lambda = lambda;
    p.a = a;
    p.z = z;
    p.n = width;
    p.strip_height = height - my;
    p.total_steps = width - 6 * mx;
    p.object = {numerics::BeamObject::kAperture, a, {}};
    p.points.resize(std::max(p.n, 0) + 1);
    return p;
}

}  // namespace

RadialPlotModel ComputeRadialPlot(int width, int height, int mx, int my, double lambda, double a, double z) {
    RadialPlotModel p = RadialPlotFrame(width, height, mx, my, lambda, a, z);
    const int samples = static_cast<int>(p.points.size());
    std::vector<double> intensities(samples);
    p.maximum = 0.0;
    numerics::IntensityOverRadius(samples, &p.maximum, intensities.data(), a, a / 1000, z, lambda, 0.0, a);
    const int hc = p.strip_height;
    for (int i = 0; i < samples; ++i) {
        const int v = PlotHeight(intensities[i], p.maximum, hc - 4);
        p.points[i] = {i + 2, hc - std::min(v, hc - 1) - 4};
    }
    return p;
}

RadialPlotModel ComputeRadialObjectPlot(int width, int height, int mx, int my,
                                        const numerics::DiffractingObject& object, double lambda, double z) {
    if (object.kind == numerics::BeamObject::kAperture)
        return ComputeRadialPlot(width, height, mx, my, lambda, object.radius, z);
    const double a = object.radius;
    RadialPlotModel p = RadialPlotFrame(width, height, mx, my, lambda, a, z);
    p.object = object;
    const int samples = static_cast<int>(p.points.size());
    std::vector<double> intensities(samples);
    p.maximum = 0.0;
    numerics::ObjectIntensityOverRadius(samples, &p.maximum, intensities.data(), object, a / 1000, z, lambda,
                                        0.0, a);
    p.scale_top = p.maximum;
    const int hc = p.strip_height;
    for (int i = 0; i < samples; ++i) {
        const int v = ObjectPlotHeight(intensities[i], p.scale_top, hc - 4);
        p.points[i] = {i + 2, hc - std::min(v, hc - 1) - 4};
    }
    return p;
}

int RadialPlotTopRow(const RadialLayout& layout, const RadialPlotModel& plot) {
    return layout.plot_origin.y + (plot.height - plot.strip_height);
}

int RadialRevealedWidth(const RadialPlotModel& plot, int k, int last_step) {
    return last_step > 0 ? k * plot.n / last_step : 0;
}

Box ObservationPointBox(const RadialLayout& layout, int k, int last_step) {
    const int s = layout.side;
    const int x = layout.sketch_centre.x + (last_step > 0 ? ((s / 2 - s / 12) * k) / last_step : 0);
    const int y = layout.sketch_centre.y;
    return {x - 6, y - 6, x + 6, y + 6};
}

int RadialMarkedSample(const RadialPlotModel& plot, int k, int last_step) {
    // Sample i sits in column i + 2 of the curve strip, and the columns 0 .. w - 1 are shown. Before any
    // is shown the marker waits at the curve's start.
    const int last = static_cast<int>(plot.points.size()) - 1;
    return std::clamp(RadialRevealedWidth(plot, k, last_step) - 3, 0, last);
}

double RadialSampleRadius(const RadialPlotModel& plot, int i) {
    return 0.0 + i * ((plot.a - 0.0) / (plot.n + 1));
}

Box RadialPlotMarkerBox(const RadialLayout& layout, const RadialPlotModel& plot, int k, int last_step) {
    const Point p = plot.points[RadialMarkedSample(plot, k, last_step)];
    const int x = layout.plot_origin.x + p.x;
    const int y = layout.plot_origin.y + (plot.height - plot.strip_height) + p.y;
    return {x - 6, y - 6, x + 6, y + 6};
}

PhasorPanelLayout RadialPhasorPanel(const RadialLayout& l) {
    const int s = l.side;
    const int height = std::max(s, l.height / 5);
    return PhasorPanelInBox({l.sketch_centre.x - s / 2, l.sketch_centre.y - s / 2 + s - height, s, height});
}
