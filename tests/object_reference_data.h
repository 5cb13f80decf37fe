// Reference values for the disc and the zone plate, independent of the program: intensities of the paraxial
// Fresnel integral over each object's open part of the plane (a rotated contour for the disc's open plane,
// quadrature over the plate's clear rings) and open fractions of Fresnel zones (areas by quadrature over the
// zone). Made by scripts/make_object_reference.py with mpmath; full pi, and the intensities also with the
// program's pi.
#pragma once

#include "numerics/beam_object.h"

namespace numerics_reference {

// intensity with the full pi; with_program_pi with 3.1415926 in the phases, as the program computes them.
struct DiscPoint {
    double a, lambda, z, r;
    double intensity, with_program_pi;
    const char* where;
};

struct PlatePoint {
    numerics::ZonePlate plate;
    double R, lambda, z, r;
    double intensity, with_program_pi;
    const char* where;
};

struct ZoneFractionPoint {
    numerics::DiffractingObject object;
    double u, z, lambda;
    int m;
    double fraction;
};

extern const DiscPoint kDiscPoints[];
extern const int kDiscPointCount;
extern const PlatePoint kPlatePoints[];
extern const int kPlatePointCount;
extern const ZoneFractionPoint kZoneFractionPoints[];
extern const int kZoneFractionPointCount;

}  // namespace numerics_reference
