// The objects the axial and the radial screen put in the beam, without a window: the zone plate each screen
// makes, how a plot of the disc or the plate scales to the object's largest intensity and says so on its
// axis, and the values shown to the hundredth. The aperture's screens keep their own rules (plot_scale.h,
// truncated labels); these are for the disc and the plate only.
#pragma once

#include <string>

#include "numerics/beam_object.h"
#include "shell/text/label_text.h"

// The axial screen's plate, made for the middle of its run: its radius a holds three zones at the wavelength
// lambda0 shown when it is made, f = a^2/(3*lambda0), so its rings r_m = sqrt(m*lambda0*f) are a*sqrt(m/3)
// and two of them are clear: the point of observation passes its focus, 16 times the unobstructed light.
numerics::ZonePlate AxialZonePlate(double a, double lambda0);

// The radial screen's plate: five zones within a at lambda0 (three clear rings, 36 at its focus),
// f = a^2/(5*lambda0); the observation screen stands at that focus.
numerics::ZonePlate RadialZonePlate(double a, double lambda0);

// The object of `kind` of radius a (a plate cut at a).
numerics::DiffractingObject ObjectInBeam(numerics::BeamObject kind, double a,
                                         const numerics::ZonePlate& plate);

// The height in pixels of `value` on a disc's or a plate's plot `range` pixels high whose top row stands for
// `top`: the nearest pixel, from 0 to `range`. Their intensities are closed forms that come out a unit in the
// last place either side of the flat 1 of the disc's axis, and truncation would make that line jagged. A
// value that is not a number, and any value over a top that is not positive, lies on the bottom.
int ObjectPlotHeight(double value, double top, int range);

// The top of a disc's or a plate's plot, as its axis shows it: the value to the hundredth, rounded, without
// trailing zeros ("16", "1", "2.5"); empty for a top that is not positive (the aperture's plot has none).
std::string ScaleTopText(double top);

// A value with `decimals` decimals, rounded to the nearest (half up) rather than truncated: the plate's
// 36 comes out 35.99999999999999 in doubles, and a focus of 1.6 m as 1.5999999999999999.
LabelTextPtr RoundedLabel(int decimals, double value);
