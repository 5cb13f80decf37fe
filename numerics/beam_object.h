// The objects the lecture can put in the plane wave's path, as plain records: the circular aperture in an
// opaque screen, the opaque disc, and the zone plate, whose rings alternate clear and opaque. The ring sums
// (object_series.h) and the zone geometry (zone_geometry.h) take them. Lengths in metres.
#pragma once

namespace numerics {

enum class BeamObject { kAperture, kDisc, kZonePlate };

// A zone plate as it was made: its rings have the radii r_m = sqrt(m*design_wavelength*focal_length),
// m = 0, 1, 2, ..., and the rings from r_0 = 0 to r_1, r_2 to r_3, ... are clear, the others opaque. Light
// of the design wavelength then meets its focus at the focal length, where every clear ring adds half a
// turn of the vibration curve in step with the others.
struct ZonePlate {
    double design_wavelength = 0;
    double focal_length = 0;
};

// What stands in the beam: the aperture's or the disc's radius, or the radius at which the plate is cut
// (its last clear ring may be cut there, and is then clear up to that radius only). plate is read only for
// a zone plate.
struct DiffractingObject {
    BeamObject kind = BeamObject::kAperture;
    double radius = 0;
    ZonePlate plate;
};

}  // namespace numerics
