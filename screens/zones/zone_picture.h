// The Fresnel zone picture on surfaces: the aperture seen from the point of observation, with the open
// zones painted in two alternating colours of the wavelength, and the sum text of the step. The axial
// screen makes it with CreateZonePicture (zones centred on the aperture), the radial screen with
// CreateRadialZonePicture (zones centred off the aperture's centre); both draw a step with DrawZoneSum /
// DrawRadialZoneSum into the composed picture, which the screen copies into its frame.
#pragma once

#include <windows.h>

#include "numerics/beam_object.h"
#include "screens/zones/zone_picture_model.h"
#include "shell/platform/colour.h"
#include "shell/platform/platform.h"
#include "shell/text/label_text.h"

struct ZonePicture {
    int width;   // S
    int height;  // S
    int mx, my;
    double wavelength;
    double aperture_radius;
    numerics::DiffractingObject object;  // what stands in the beam, of radius aperture_radius
    double first_distance;               // axial: z at step 0; radial: the fixed distance
    double last_distance;                // axial: z at the last step; radial: not used
    ZoneColours colours;                 // the surround, the aperture, the odd and the even zones
    Surface* composed;                   // the aperture with the step's zones painted: what the screen copies
    int step_counter;                    // k: -1 before the first step
    int step_count;                      // n
    ZonePictureGeometry geometry;        // side, axis start (x0, y0) and end (x1, y1) on the screen
    LabelText* sum_text;                 // the last drawn step's sum; the screen draws it and releases it
    double stop_distance;                // axial: above 0, the step drawn is the stop at this distance
    double number_of_zones;              // infinity for the disc: its open plane's zones go on
    bool radial;
};

// Axial screen: zones centred on the object (the aperture, the disc or the plate, of radius a), the distance
// moving from z_min to z_max. `geometry` is the picture's place on its screen; its step count is the run's.
ZonePicture* CreateZonePicture(HWND window, int side, int mx, int my, ColourTriple background, double lambda,
                               const numerics::DiffractingObject& object, double z_min, double z_max,
                               int height, const ZonePictureGeometry& geometry);

// Radial screen: the fixed distance z; the point of observation moves off the axis.
ZonePicture* CreateRadialZonePicture(HWND window, int side, int mx, int my, ColourTriple background,
                                     double lambda, const numerics::DiffractingObject& object, int height,
                                     double z, const ZonePictureGeometry& geometry);

// Redraw the composed picture for the step counter and rebuild the sum text and number of zones.
void DrawZoneSum(ZonePicture* picture);
void DrawRadialZoneSum(ZonePicture* picture);

// Releases the surface, a sum text still held, and the record.
void DestroyZonePicture(ZonePicture* picture);

// Takes the sum text of the last drawn step (the caller releases it with FreeLabelText); null if none.
LabelText* TakeSumText(ZonePicture* picture);
