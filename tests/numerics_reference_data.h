// High-precision reference values of J0, sin and cos at exact double arguments, shared by the tests of
// the numerics. Made by scripts/make_numerics_reference.py with mpmath (40 digits), kept to 21 digits.
// The landmarks carry their arguments and sources; the bulk arguments come from the formulas below,
// which the script repeats: every step is exact in binary, so both compute the same doubles.
#pragma once

#include <cmath>
#include <cstdint>

namespace numerics_reference {

struct BesselJ0Landmark {
    double x;
    long double value;
    const char* source;
};

struct SinCosLandmark {
    double x;
    long double sin, cos;
    const char* source;
};

extern const BesselJ0Landmark kBesselJ0Landmarks[];
extern const int kBesselJ0LandmarkCount;
extern const SinCosLandmark kSinCosLandmarks[];
extern const int kSinCosLandmarkCount;

// A well-spread fraction in [0, 1) with 32 bits (a Weyl sequence).
inline double SpreadFraction(int i) {
    return static_cast<double>(static_cast<std::uint64_t>(i) * 2654435761u % 4294967296u) * 0x1p-32;
}

// Both sides of every row boundary k/8 of the J0 table, k = 1 .. 2560: the double below, then k/8.
inline constexpr int kBesselJ0BoundaryCount = 5120;
inline double BesselJ0BoundaryArgument(int i) {
    const double boundary = (i / 2 + 1) / 8.0;
    return i % 2 == 1 ? boundary : std::nextafter(boundary, 0.0);
}
extern const long double kBesselJ0BoundaryValues[kBesselJ0BoundaryCount];

// 3000 arguments in [0, 320), the table, and 1000 in [320, 1000), the asymptotic form.
inline constexpr int kBesselJ0SweepCount = 4000;
inline double BesselJ0SweepArgument(int i) {
    return i < 3000 ? SpreadFraction(i) * 320.0 : 320.0 + SpreadFraction(i) * 680.0;
}
extern const long double kBesselJ0SweepValues[kBesselJ0SweepCount];

// 1000 arguments in [-100, 100) (the ring sums' phases), 300 in [-1e5, 1e5) and 200 of either sign from
// 2^20 up to the largest doubles.
inline constexpr int kSinCosSweepCount = 1500;
inline double SinCosSweepArgument(int i) {
    if (i < 1000) return (SpreadFraction(i) - 0.5) * 200.0;
    if (i < 1300) return (SpreadFraction(i) - 0.5) * 2e5;
    return std::ldexp(0.5 + 0.5 * SpreadFraction(i), 21 + i * 7919 % 1003) * (i % 2 == 1 ? -1 : 1);
}
extern const long double kSinCosSweepValues[kSinCosSweepCount][2];  // sin, cos

}  // namespace numerics_reference
