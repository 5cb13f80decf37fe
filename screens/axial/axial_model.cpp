// Layout, plot curve and marker positions of the axial intensity screen.
#include "screens/axial/axial_model.h"

#include <algorithm>
#include <cmath>

#include "numerics/object_series.h"
#include "numerics/zone_geometry.h"
#include "numerics/zone_series.h"
#include "screens/plot_scale.h"
#include "screens/zones/beam_objects.h"

// The picture is centred in the left column below the controls; the axis rises from it to the plot.
ZonePictureGeometry AxialZonePictureGeometry(int width, int height) {
    const int mx = width * 2 / 100, my = height * 4 / 100, column = (width - 8 * mx) / 3;
    const int band = height - 13 * my - height * 5 / 100;
    ZonePictureGeometry g{};
    g.side = std::min(column, band);
    g.x1 = (width * 70 / 100 + width - mx) / 2 - 10 * mx;
    g.top = height * 5 / 100 + (band - g.side) / 2 + 10 * my;
    g.y1 = g.top;
    g.y0 = g.y1 + g.side / 2;
    g.x0 = g.side / 2 + (column - g.side) / 2 + 2 * mx;
    g.left = (column - g.side) / 2 + 2 * mx;
    g.step_count = g.x1 - g.side - 2 * mx;
    return g;
}

AxialLayout ComputeAxialLayout(int width, int height) {
    AxialLayout l{};
    const int w = width, h = height;
    l.width = w;
    l.height = h;
    l.mx = w * 2 / 100;
    l.my = h * 4 / 100;
    const int mx = l.mx, my = l.my, h5 = h * 5 / 100;
    l.column = (w - 8 * mx) / 3;
    l.plot_left = w * 70 / 100;
    l.band = h - 13 * my - h5;
    l.plot_centre = (l.plot_left - mx + w) / 2;
    l.axis_y = h * 88 / 100 - 4 * my;
    l.axis_x = l.plot_centre - 8 * mx;
    const int g = l.column;

    l.menu_button = {w * 86 / 100, h * 88 / 100, w * 12 / 100, h * 10 / 100};
    l.start_button = {2 * mx, h5 + 6 * my, w * 13 / 100, h * 10 / 100};
    l.reset_button = {g + 2 * mx - w * 13 / 100, h5 + 6 * my, w * 13 / 100, h * 10 / 100};
    l.wavelength_control = {2 * mx, 4 * my, g, h5};
    l.plot = {l.plot_left, h5 + 8 * my, w - mx - l.plot_left, h * 75 / 100 - 9 * my - h5};
    l.zones = AxialZonePictureGeometry(w, h);
    const int s = l.zones.side;

    l.title = {w / 2, (h * 4 / 100) / 2};
    l.separator_y = 5 * my + h5;
    l.plot_caption[0] = {l.plot_centre, h5 + 6 * my};
    l.plot_caption[1] = {l.plot_centre, h5 + 7 * my};
    l.intensity_letter = {l.plot_centre - (w - mx - l.plot_left) / 2 - mx / 2, h5 + 8 * my};
    l.distance_caption[0] = {l.plot_centre, h * 88 / 100 - 3 * my};
    l.distance_caption[1] = {l.plot_centre, h * 88 / 100 - 2 * my};
    l.zone_caption = {g / 2 + 2 * mx, ((l.band - s) / 2 + 2 * h5 + h * 10 / 100 + 15 * my) / 2};
    l.vertical_axis_top = {l.axis_x, h5 + 9 * my};
    l.horizontal_axis_tip = {w * 86 / 100 + w * 12 / 100, l.axis_y};
    const Point tip = l.horizontal_axis_tip;
    l.horizontal_arrow[0] = {tip.x - mx, l.axis_y - my / 4};
    l.horizontal_arrow[1] = {tip.x - mx, l.axis_y + my / 4};
    l.vertical_arrow[0] = {l.axis_x - mx / 4, h5 + 10 * my};
    l.vertical_arrow[1] = {l.axis_x + mx / 4, h5 + 10 * my};

    l.wavelength_label = {g / 2 + 2 * mx, (5 * my) / 2};
    l.radius_label = {g / 2 + g + 4 * mx, (5 * my) / 2};

    const int x0 = l.zones.x0, y0 = l.zones.y0, x1 = l.zones.x1;
    l.theta = std::atan(static_cast<double>(y0 - l.zones.y1) / (x1 - x0));
    const double sin_t = std::sin(l.theta), cos_t = std::cos(l.theta);
    l.escapement = static_cast<int>(l.theta * 1800 / numerics::kLabelAnglePi);
    l.axis_label = {(x1 + x0) / 2, y0 - my / 2 - static_cast<int>(((x0 / 2 + x1) / 2) * sin_t)};
    // The incoming axis continues the outgoing one: the same slope through the aperture centre.
    const int incoming_x = (x0 - s / 2) / 2;
    l.incoming_axis_end = {incoming_x, y0 + static_cast<int>(std::tan(l.theta) * (x0 - incoming_x))};
    const int r = s / 2 - s / 12 - 1;
    l.inner_axis_end = {x0 + static_cast<int>(cos_t * r), y0 - static_cast<int>(sin_t * r)};
    const int q = (3 * mx) / 4;
    l.arrow_up = {x0 - q, y0 - static_cast<int>(sin_t * q)};
    l.arrow_down = {x0 - q, y0 + 3 * static_cast<int>(sin_t * q)};

    l.travel_origin = (g - s) / 2 + s + 6 * mx;
    l.travel_unit = (x1 - l.travel_origin) / 3;
    l.travel_length = x1 - l.travel_unit - l.travel_origin;

    l.sum_text = {x0 - s / 2, y0 + s / 2 + (3 * my) / 2};
    l.zone_count_label = {(x0 + s / 2 + l.plot_left) / 2, y0 + s / 4};
    l.formula_line = {x0 - s / 2, y0 + s / 2};
    return l;
}

DistanceRange AxialDistanceRange(double a, double lambda) {
    return {numerics::DistanceForZoneCount(a, lambda, 0.0, 6.0),
            numerics::DistanceForZoneCount(a, lambda, 0.0, 0.8)};
}

Point StartMarker(const AxialLayout& layout, int wavelength_nm) {
    const int d = static_cast<int>(static_cast<double>(400 - wavelength_nm) * layout.travel_unit / 400);
    const int xs = layout.travel_origin + d;
    return {xs, layout.zones.y0 - static_cast<int>(std::tan(layout.theta) * (xs - layout.zones.x0))};
}

Point ObservationPoint(const AxialLayout& layout, int wavelength_nm, int k, int n) {
    const int xk = k * layout.travel_length / n + StartMarker(layout, wavelength_nm).x;
    return {xk, layout.zones.y0 - static_cast<int>(std::tan(layout.theta) * (xk - layout.zones.x0))};
}

namespace {

// The plot's picture and strip, without its curve.
AxialPlotModel AxialPlotFrame(int width, int my, double lambda, double a, double z_min, double z_max,
                              int height, int mx) {
    AxialPlotModel p{};
    p.width = width;
    p.height = height;
    p.mx = mx;
    p.my = my;
    p.lambda = lambda;
    p.a = a;
    p.z_min = z_min;
    p.z_max = z_max;
    p.m = width - 6 * mx;
    p.h = height - 2 * my;
    p.blank_rows = std::max(height - p.h - 6, 0);  // a marker reaches 6 rows above the strip's top
    p.object = {numerics::BeamObject::kAperture, a, {}};
    // The curve needs all m + 1 samples, whatever the rounding of (z_max - z_min)/step.
    p.points.resize(std::max(p.m, 0) + 1);
    return p;
}

}  // namespace

AxialPlotModel ComputeAxialPlot(int width, int my, double lambda, double a, double z_min, double z_max,
                                int height, int mx) {
    AxialPlotModel p = AxialPlotFrame(width, my, lambda, a, z_min, z_max, height, mx);
    const int samples = static_cast<int>(p.points.size());
    const double step = (z_max - z_min) / p.m;
    p.intensities = numerics::IntensityOverDistanceSamples(a, a / 1000, 0.0, lambda, z_min, step, samples);
    p.maximum = 0.0;
    for (double v : p.intensities) p.maximum = std::max(p.maximum, v);
    for (int i = 0; i < samples; ++i) {
        int v = PlotHeight(p.intensities[i], p.maximum, p.h - 6);
        v = std::min(v, p.h - 1);
        p.points[i] = {i, p.h - v - 6};
    }
    return p;
}

AxialPlotModel ComputeAxialObjectPlot(int width, int my, const numerics::DiffractingObject& object,
                                      double lambda, double z_min, double z_max, int height, int mx) {
    if (object.kind == numerics::BeamObject::kAperture)
        return ComputeAxialPlot(width, my, lambda, object.radius, z_min, z_max, height, mx);
    AxialPlotModel p = AxialPlotFrame(width, my, lambda, object.radius, z_min, z_max, height, mx);
    p.object = object;
    const double delta = object.radius / 1000;
    const int samples = static_cast<int>(p.points.size());
    p.intensities = numerics::ObjectIntensityOverDistanceSamples(object, delta, 0.0, lambda, z_min,
                                                                 (z_max - z_min) / p.m, samples);
    p.maximum = 0.0;
    for (double v : p.intensities) p.maximum = std::max(p.maximum, v);
    p.scale_top = p.maximum;
    if (object.kind == numerics::BeamObject::kZonePlate) {
        const double focus = numerics::ZonePlateFocalDistance(object.plate, lambda);
        if (focus >= z_min && focus <= z_max)
            p.scale_top = std::max(p.scale_top, numerics::ObjectIntensityOverDistanceSamples(
                                                    object, delta, 0.0, lambda, focus, 0.0, 1)[0]);
    }
    for (int i = 0; i < samples; ++i) {
        const int v = std::min(ObjectPlotHeight(p.intensities[i], p.scale_top, p.h - 6), p.h - 1);
        p.points[i] = {i, p.h - v - 6};
    }
    return p;
}

int AxialPlotTopRow(const AxialLayout& layout, const AxialPlotModel& plot) {
    return layout.plot.y + plot.height - plot.h;
}

double AxialSampleDistance(const AxialPlotModel& plot, int i) {
    const double step = (plot.z_max - plot.z_min) / plot.m;
    return plot.z_min + i * step;
}

Point ObservationPointAt(const AxialLayout& layout, int wavelength_nm, double step, int n) {
    const int xk = static_cast<int>(step * layout.travel_length / n) + StartMarker(layout, wavelength_nm).x;
    return {xk, layout.zones.y0 - static_cast<int>(std::tan(layout.theta) * (xk - layout.zones.x0))};
}

int NextWholeZones(double a, double lambda, double z, double z_max) {
    const double count = numerics::OpenZoneCount(a, lambda, 0.0, z);
    if (!(count > 0) || !std::isfinite(count)) return 0;
    const int next = static_cast<int>(std::ceil(count - 1e-9)) - 1;
    return next >= 1 && WholeZoneDistance(a, lambda, next) <= z_max ? next : 0;
}

double WholeZoneDistance(double a, double lambda, int zones) {
    return numerics::DistanceForZoneCount(a, lambda, 0.0, zones);
}

double StepOfDistance(double z, double z_min, double z_max, int n) {
    return (z - z_min) * n / (z_max - z_min);
}

AxialPlotStep AxialPlotAtStop(const AxialPlotModel& plot, double step, int n, double intensity) {
    AxialPlotStep s = AxialPlotAt(plot, static_cast<int>(step) + 1, n);
    s.strip_columns = n > 0 ? static_cast<int>(plot.m * step / n) : 0;
    const int j = std::clamp(s.strip_columns, 0, static_cast<int>(plot.points.size()) - 1);
    const double top = plot.scale_top > 0 ? plot.scale_top : plot.maximum;
    const int height = std::min(ObjectPlotHeight(intensity, top, plot.h - 6), plot.h - 1);
    s.marker = {plot.points[j].x + 8 * plot.mx + 6 - s.shift, plot.h - height - 6 + plot.height - plot.h};
    s.marked_sample = j;
    return s;
}

AxialPlotStep AxialPlotAt(const AxialPlotModel& plot, int k, int n) {
    AxialPlotStep s{};
    s.shift = static_cast<int>((plot.lambda / 1e-9) * (8 * plot.mx) / 700);
    s.curve_points = std::max(k, 0);
    s.strip_columns = n > 0 ? plot.m * k / n : 0;
    s.strip_origin = {8 * plot.mx - s.shift + 6, plot.height - plot.h};
    const int j = std::clamp(s.strip_columns, 0, static_cast<int>(plot.points.size()) - 1);
    const int previous = j == 0 ? 0 : j - 1;
    s.marker = {plot.points[j].x + 8 * plot.mx + 6 - s.shift, plot.points[previous].y + plot.height - plot.h};
    s.start_marker = {plot.points[0].x + 8 * plot.mx + 6 - s.shift, plot.points[0].y + plot.height - plot.h};
    s.marked_sample = previous;
    return s;
}

PhasorPanelLayout AxialPhasorPanel(const AxialLayout& l) {
    const ZonePictureGeometry& g = l.zones;
    const int left = std::max(g.left + g.side, l.reset_button.x + l.reset_button.width) + l.mx;
    const int top = l.separator_y + l.my / 2;
    // The axis y0 - tan(theta)*(x - x0) passes below the box's bottom right corner with room for the
    // marker of the point of observation (6 pixels) and two more.
    const double slope = std::tan(l.theta);
    const int margin = 8;
    const auto room_above_axis = [&](int right_edge) {
        return static_cast<int>(g.y0 - slope * (right_edge - g.x0)) - margin - top;
    };
    // On the right, the plot: its letter "I" and its picture.
    const int right = std::min(l.intensity_letter.x, l.plot.x) - l.mx;
    const int by_axis = static_cast<int>((g.y0 - slope * (left - g.x0) - margin - top) / (1.0 + slope));
    const int width = std::max(0, std::min(by_axis, right - left));
    // The largest square; where it would be lower than a fifth of the screen (a tall screen, where the
    // width runs out first), a box that high if the axis leaves the room.
    const int height = std::max(width, std::min(l.height / 5, room_above_axis(left + width)));
    return PhasorPanelInBox({left, top, width, height});
}
