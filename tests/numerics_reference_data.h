// High-precision reference values of J0, sin and cos at exact double arguments, shared by the tests of
// the numerics. Made by scripts/make_numerics_reference.py with mpmath (40 digits), kept to 21 digits:
// landmarks with their sources (zeros, switches between methods, multiples of pi/2), both sides of every
// row boundary of the J0 table, and well-spread sweeps (J0 to 1000, sin and cos to 1e5).
#pragma once

namespace numerics_reference {

struct BesselJ0Point {
    double x;
    long double value;
    const char* source;  // empty for the bulk of the points
};

struct SinCosPoint {
    double x;
    long double sin, cos;
    const char* source;
};

extern const BesselJ0Point kBesselJ0Points[];
extern const int kBesselJ0PointCount;
extern const SinCosPoint kSinCosPoints[];
extern const int kSinCosPointCount;

}  // namespace numerics_reference
