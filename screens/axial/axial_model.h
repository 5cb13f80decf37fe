// The axial intensity screen without a window: its layout from the screen size, the intensity plot's
// curve, and where the markers stand at each step. The view draws exactly these numbers.
#pragma once

#include <vector>

#include "numerics/beam_object.h"
#include "screens/zones/phasor_panel_model.h"
#include "screens/zones/screen_types.h"
#include "screens/zones/zone_picture_model.h"

// The zone picture's place: centred in the left column below the controls, the axis rising to the plot.
ZonePictureGeometry AxialZonePictureGeometry(int width, int height);

// Every position and size of the axial screen for a screen of width x height pixels.
struct AxialLayout {
    int width, height;
    int mx, my;
    int column;       // G: width of the left and right control columns
    int plot_left;    // P
    int band;         // A: height of the band holding the zone picture
    int plot_centre;  // cx: horizontal centre of the plot area
    int axis_y;       // ya: the plot's horizontal axis
    int axis_x;       // xa: the plot's vertical axis
    Rect menu_button, start_button, reset_button, wavelength_control;
    Rect plot;  // where the plot picture is copied
    ZonePictureGeometry zones;
    // Static picture.
    Point title;             // centred
    int separator_y;         // from (0, y) to (width, y)
    Point plot_caption[2];   // centred; line 2 only in the Russian set
    Point intensity_letter;  // left-aligned
    Point distance_caption[2];
    Point zone_caption;       // "Plane of aperture"
    Point vertical_axis_top;  // the plot axes meet at (axis_x, axis_y)
    Point horizontal_axis_tip;
    Point horizontal_arrow[2];  // the arrow head's stroke ends
    Point vertical_arrow[2];
    // Parameter labels, centred.
    Point wavelength_label, radius_label;
    // The perspective sketch: rise angle of the drawn optical axis and the texts along it.
    double theta;
    int escapement;  // tenths of a degree, for the rotated "Optical axis" label
    Point axis_label;
    Point incoming_axis_end, inner_axis_end, arrow_up, arrow_down;
    // Travel of the point of observation.
    int travel_origin, travel_unit, travel_length;
    // Texts of an animation step.
    Point sum_text, zone_count_label, formula_line;
};

AxialLayout ComputeAxialLayout(int width, int height);

// The phasor panel's place: the free region between the zone picture (and the buttons over it) and the
// plot, below the separator line and above the optical axis, where the point of observation travels. The
// largest square that fits, left-aligned in the region; on a tall screen, a box as high as a fifth of the
// screen.
PhasorPanelLayout AxialPhasorPanel(const AxialLayout& layout);

// The distance range of the demonstration: 6 open zones to 0.8 open zones on the axis.
struct DistanceRange {
    double z_min, z_max;
};
DistanceRange AxialDistanceRange(double a, double lambda);

// Centre of the green start marker: at the travel origin for 400 nm, up to three quarters of a travel unit
// nearer the aperture for 700 nm.
Point StartMarker(const AxialLayout& layout, int wavelength_nm);
// Centre of the point of observation at step k of n.
Point ObservationPoint(const AxialLayout& layout, int wavelength_nm, int k, int n);
// The same at a step between two (where the run stops at a whole number of zones).
Point ObservationPointAt(const AxialLayout& layout, int wavelength_nm, double step, int n);

// Key Z. The next whole number of zones the run reaches after the distance z (the count falls as the point
// moves away): the largest whole number below the count at z (a count within 1e-9 of a whole number is that
// number, so that from a stop at 5 zones the next is 4); 0 where none is left before z_max.
int NextWholeZones(double a, double lambda, double z, double z_max);
// Where `zones` whole zones are open, a^2/(lambda*zones), and that distance as a step of the run.
double WholeZoneDistance(double a, double lambda, int zones);
double StepOfDistance(double z, double z_min, double z_max, int n);

// The axial intensity plot's curve: m + 1 samples from z_min to z_max, scaled so that the largest
// intensity lies on row 0 of the curve strip and zero intensity on row h - 6.
struct AxialPlotModel {
    int width, height;  // the plot picture
    int mx, my;
    double lambda, a, z_min, z_max;
    int m;                      // distance steps: width - 6*mx
    int h;                      // curve strip height: height - 2*my
    int blank_rows;             // the picture's top rows, above the strip and its markers: background only
    std::vector<Point> points;  // m + 1 points in strip coordinates
    std::vector<double> intensities;
    double maximum;
    numerics::DiffractingObject object;  // what stands in the beam: the aperture of radius a unless said
    double scale_top = 0;  // disc and plate: the intensity of the strip's top row, which the axis shows
};

AxialPlotModel ComputeAxialPlot(int width, int my, double lambda, double a, double z_min, double z_max,
                                int height, int mx);

// The plot with any object in the beam; the aperture's is ComputeAxialPlot's. The disc's and the plate's
// samples are ObjectIntensityOverDistanceSamples', their heights the nearest pixel (ObjectPlotHeight) under a
// top that is the object's largest intensity over the run: the largest sample, or the plate's focus where
// the run passes it (its (2k)^2, which the samples straddle).
AxialPlotModel ComputeAxialObjectPlot(int width, int my, const numerics::DiffractingObject& object,
                                      double lambda, double z_min, double z_max, int height, int mx);

// The strip's top row on the screen: where the axis marks the plot's top.
int AxialPlotTopRow(const AxialLayout& layout, const AxialPlotModel& plot);

// What the plot shows at step k of n.
struct AxialPlotStep {
    int shift;           // b: the curve moves right for shorter wavelengths
    int curve_points;    // the polyline runs through points 0 .. k-1
    int strip_columns;   // columns of the curve strip copied: m*k/n
    Point strip_origin;  // where the strip is copied in the plot picture
    Point marker;        // centre of the marker in the wavelength's colour
    Point start_marker;  // centre of the green start marker
    int marked_sample;   // the sample whose intensity the marker's height shows: the last one revealed
};

AxialPlotStep AxialPlotAt(const AxialPlotModel& plot, int k, int n);
// The plot where the run stopped between two steps: the curve revealed up to `step`, the marker at that
// distance with the intensity there (the nearest pixel of it: on the axis a whole number of zones gives the
// aperture's 0 or its top).
AxialPlotStep AxialPlotAtStop(const AxialPlotModel& plot, double step, int n, double intensity);

// The distance of sample i of the plot, as the intensity series computes it: z_min + i*(z_max - z_min)/m.
double AxialSampleDistance(const AxialPlotModel& plot, int i);
