// The radial intensity screen without a window: its layout from the screen size, the radial intensity
// curve, and where the point of observation and the plot marker stand at each step.
#pragma once

#include <vector>

#include "numerics/beam_object.h"
#include "screens/zones/phasor_panel_model.h"
#include "screens/zones/screen_types.h"
#include "screens/zones/zone_picture_model.h"

// Fixed parameters of the demonstration: 500 nm through a 2 mm aperture, observed at the distance where
// the aperture spans one and a half zones.
inline constexpr double kRadialWavelength = 5e-7;
inline constexpr double kRadialAperture = 0.002;
double RadialScreenDistance();  // a^2/(1.5*lambda) = 5.333 m

// The object the radial screen puts in the beam, of the screen's radius, and the distance of its
// observation screen: the aperture's and the disc's RadialScreenDistance (1.5 zones, too few for a plate);
// the plate made for the screen's 500 nm (RadialZonePlate, five zones within 2 mm), with the observation
// screen at its focus, 1.6 m, so that the radial curve is the focal spot.
numerics::DiffractingObject RadialObject(numerics::BeamObject kind);
double RadialObjectDistance(const numerics::DiffractingObject& object);

struct RadialLayout {
    int width, height;
    int mx, my, h5, h10, h88;
    int column;           // col
    int band;             // header band: the separator's y
    int free_height;      // S
    int side;             // s: zone picture and screen sketch side
    int plot_centre;      // xm
    int plot_width;       // pw
    int plot_height;      // ph
    int axis_x, axis_y;   // xA, yA: where the plot axes meet
    int axis_end_x;       // xE
    int axis_top_y;       // yT
    Point zone_centre;    // (cxZ, cyZ)
    Point sketch_centre;  // (cxS, cyS)
    Rect menu_button, start_button, reset_button;
    Rect wavelength_control, radius_control;  // hidden: they only hold the parameters
    // Static picture.
    Point title;                                           // centred
    Point wavelength_label, radius_label, distance_label;  // left-aligned
    Point plot_heading[2], plot_caption[2];                // centred
    Point intensity_letter;                                // left-aligned
    Point horizontal_arrow[2], vertical_arrow[2];
    Point aperture_caption;  // centred
    // Frames.
    Point plot_origin;  // where the plot picture is copied: (xA + 2, h5 + 10*my)
    double theta;       // rise of the optical axis from the zone picture to the sketch
    int escapement;
    Point axis_label;      // "Optical axis", centred
    Point fresh_axis_end;  // before the first step: past the sketch's place by a quarter side
    Point incoming_axis_end, inner_axis_end, arrow_up, arrow_down;
    Point sum_text, zone_count_label, screen_label, formula_line;
};

RadialLayout ComputeRadialLayout(int width, int height);

// The zone picture's place: the left column below the header band; the drawn axis is horizontal. The
// screen places the picture by its layout's zone centre, so the corner (left, top) is left at 0.
ZonePictureGeometry RadialZonePictureGeometry(int width, int height);

// The radial intensity curve: n + 1 samples from the axis out to the aperture radius, n = plot width.
struct RadialPlotModel {
    int width, height, mx, my;
    double lambda, a, z;
    int n;                      // sample count (the plot width)
    int strip_height;           // hc = height - my
    int total_steps;            // width - 6*mx
    std::vector<Point> points;  // n + 1 vertices in curve-surface pixels
    double maximum;
    numerics::DiffractingObject object;  // what stands in the beam: the aperture of radius a unless said
    double scale_top = 0;  // disc and plate: the intensity of the strip's top row, which the axis shows
};

RadialPlotModel ComputeRadialPlot(int width, int height, int mx, int my, double lambda, double a, double z);

// The plot with any object in the beam; the aperture's is ComputeRadialPlot's. The disc's and the plate's
// samples are ObjectIntensityOverRadius', their heights the nearest pixel (ObjectPlotHeight) under their
// largest sample (the first, on the axis, for the plate at its focus: its (2k)^2).
RadialPlotModel ComputeRadialObjectPlot(int width, int height, int mx, int my,
                                        const numerics::DiffractingObject& object, double lambda, double z);

// The strip's top row on the screen: where the axis marks the plot's top.
int RadialPlotTopRow(const RadialLayout& layout, const RadialPlotModel& plot);

// Revealed width of the curve at step k of N: k*n/N.
int RadialRevealedWidth(const RadialPlotModel& plot, int k, int last_step);

// The sample the plot marker rides on at step k of N: the last whose column is revealed.
int RadialMarkedSample(const RadialPlotModel& plot, int k, int last_step);
// The radius of sample i, as the intensity profile computes it: i * a/(n + 1).
double RadialSampleRadius(const RadialPlotModel& plot, int i);

// Marker boxes (left, top, right, bottom) drawn at step k of N: the point of observation on the sketch,
// and the plot marker centred on the last revealed sample of the curve.
Box ObservationPointBox(const RadialLayout& layout, int k, int last_step);
Box RadialPlotMarkerBox(const RadialLayout& layout, const RadialPlotModel& plot, int k, int last_step);

// The phasor panel's place: the face-on sketch's, which gives way to the panel while it is shown (the plot
// shows the same offset), reaching up over the sketch's caption where the sketch is lower than a fifth of
// the screen.
PhasorPanelLayout RadialPhasorPanel(const RadialLayout& layout);
