// The disc and the zone plate: their intensities against the paraxial integral over their open parts
// (mpmath, tests/object_reference_data.cpp) and against their closed forms on the axis, their fast samplings
// against the term-by-term sums, their vibration curves, the aperture's field beneath them, and the open
// fractions of Fresnel zones for every object.
#include "numerics/object_series.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <vector>

#include "numerics/zone_geometry.h"
#include "tests/object_reference_data.h"

namespace numerics {
namespace {

using namespace numerics_reference;

const ZonePlate kPlate{500e-9, 1.0};

DiffractingObject Disc(double a) {
    return {BeamObject::kDisc, a, {}};
}

DiffractingObject Plate(double R, ZonePlate plate = kPlate) {
    return {BeamObject::kZonePlate, R, plate};
}

// Cut halfway through the opaque ring after k whole clear rings.
double CutAfterClearRings(int k) {
    return std::sqrt((2 * k - 0.5) * kPlate.design_wavelength * kPlate.focal_length);
}

// The disc's axis is bright at every distance (the spot in the middle of its shadow).
// The plate's k clear rings give its focus (2k)^2 at f*lambda0/lambda for every wavelength, which is where
// the axial curve peaks; at f/3 and f/5 each clear ring spans three and five Fresnel zones, of which all but
// one cancel, so in this model those foci have the same peak, only narrower; at f/2 the axis is dark.
TEST(ObjectSums, ClosedFormsOnTheAxis) {
    for (double a : {0.001, 0.0017, 0.0025, 0.003})
        for (int nm : {400, 550, 700})
            for (double z = 0.3; z < 10.0; z *= 1.3)
                ASSERT_NEAR(ObjectIntensity(Disc(a), a / 1000, z, nm * 1e-9, 0.0), 1.0, 1e-9)
                    << a << ", " << z;

    for (int k = 1; k <= 6; ++k) {
        const double R = CutAfterClearRings(k), peak = 4.0 * k * k;
        for (int nm : {500, 430, 680}) {
            const double focus = ZonePlateFocalDistance(kPlate, nm * 1e-9), lambda = nm * 1e-9;
            for (int order : {1, 3, 5})
                EXPECT_NEAR(ObjectIntensity(Plate(R), R / 1000, focus / order, lambda, 0.0), peak,
                            1e-9 * peak)
                    << k << " clear rings, " << nm << " nm, f/" << order;
            EXPECT_NEAR(ObjectIntensity(Plate(R), R / 1000, focus / 2, lambda, 0.0), 0.0, 1e-9);
            const std::vector<double> axis = ObjectIntensityOverDistanceSamples(
                Plate(R), R / 1000, 0.0, lambda, 0.6 * focus, 0.01 * focus, 101);
            EXPECT_EQ(std::max_element(axis.begin(), axis.end()) - axis.begin(), 40)
                << k << ", " << nm << " nm";
        }
    }
    // The aperture's closed form is 4 sin^2 of pi/2 times its zone count (full pi here).
    const double theta = static_cast<double>(kExactPi) * 0.002 * 0.002 / (600e-9 * 1.7);
    EXPECT_NEAR(std::norm(ObjectAxialField({BeamObject::kAperture, 0.002, {}}, 2e-6, 1.7, 600e-9)),
                4 * std::sin(theta / 2) * std::sin(theta / 2), 1e-6);  // 1e-7 of it is the program's pi
}

// Off the axis against the integral over the open plane: in the disc's shadow, at its edge and outside; the
// plate in and around its focal spot, at f/3 and f/5, out of focus, at other wavelengths, cut inside a
// clear ring, with 24 rings. Against the integral with the program's pi in its phases the ring sums' own
// error shows alone (the disc's is the aperture's, the plate's end rule far smaller); the full pi adds the
// eight-digit pi's share, up to 2e-6 where 48 zones' phases are off by 3e-6.
TEST(ObjectSums, FollowTheFresnelIntegral) {
    double disc[2] = {0, 0}, plate[2] = {0, 0};
    const auto take = [](double* worst, double ours, double exact, double tolerance, const char* where) {
        EXPECT_NEAR(ours, exact, tolerance) << where;
        *worst = std::max(*worst, std::fabs(ours - exact) / std::max(1.0, exact));
    };
    for (int i = 0; i < kDiscPointCount; ++i) {
        const DiscPoint& p = kDiscPoints[i];
        const double ours = ObjectIntensity(Disc(p.a), p.a / 1000, p.z, p.lambda, p.r);
        take(&disc[0], ours, p.with_program_pi, 3e-7, p.where);
        take(&disc[1], ours, p.intensity, 1e-6, p.where);
    }
    for (int i = 0; i < kPlatePointCount; ++i) {
        const PlatePoint& p = kPlatePoints[i];
        const double ours = ObjectIntensity(Plate(p.R, p.plate), p.R / 1000, p.z, p.lambda, p.r);
        take(&plate[0], ours, p.with_program_pi, 1e-7 * std::max(1.0, p.with_program_pi), p.where);
        take(&plate[1], ours, p.intensity, 5e-6 * std::max(1.0, p.intensity), p.where);
    }
    std::printf(
        "[ measured ] worst of max(1, I), against the integral with the program's pi and the full pi: "
        "disc %.1e, %.1e; plate %.1e, %.1e\n",
        disc[0], disc[1], plate[0], plate[1]);
}

// The aperture's field: its squared modulus is the ring sum's intensity. Averaged over the position of its
// edge the field of a wide aperture is the free wave, 1: the phase factor exp(-i*pi*r^2/(lambda*z)) with the
// other sign would turn it by pi at r = 0.5 mm. Babinet: the disc's field and the aperture's add up to the
// free wave.
TEST(ObjectSums, ApertureFieldAndBabinet) {
    for (double r : {0.0, 0.0003, 0.0005, 0.0008}) {
        std::complex<double> mean = 0.0;
        for (int um = 3000; um < 4000; um += 5)
            mean += ApertureField(um * 1e-6, um * 1e-9, 1.0, 500e-9, r) / 200.0;
        EXPECT_LT(std::abs(mean - 1.0), 0.02) << r << ": " << mean;
        EXPECT_NEAR(std::norm(ApertureField(0.002, 2e-6, 2.0, 500e-9, r)),
                    RingSumIntensity(0.002, 2e-6, 2.0, 500e-9, r), 1e-12);
        EXPECT_LT(std::abs(ObjectField(Disc(0.002), 2e-6, 2.0, 500e-9, r) +
                           ApertureField(0.002, 2e-6, 2.0, 500e-9, r) - 1.0),
                  3e-5)
            << r;
    }
}

// The disc's and the plate's profiles and axial samples give the term-by-term sums' bits, as the pattern
// screen's threads ask for them (in parts, with offsets, backwards, beyond the J0 table, every length of a
// last partial block); through the objects' API the aperture's are the aperture's own.
TEST(ObjectSums, FastSamplingsAreTheTermByTermSumsBitForBit) {
    const struct {
        double z, lambda, r_start, r_end;
        int count;
    } profiles[] = {{2.0, 500e-9, 0.0, 0.0042, 37},
                    {0.05, 400e-9, 0.0, 0.01, 10},
                    {2.0, 500e-9, 0.003, -0.001, 11},
                    {1.3, 650e-9, 0.0, 0.004, 1},
                    {0.25, 500e-9, 0.0, 0.003, 7}};
    for (const DiffractingObject& object :
         {Disc(0.002), Plate(0.002), Plate(0.00245, {500e-9, 0.25}), Plate(CutAfterClearRings(3))}) {
        const double delta = object.radius / 1000;
        for (const auto& p : profiles) {
            std::vector<double> values(p.count + 1, -1.0), parts(p.count, -1.0);
            double maximum = -1.0, largest = 0.0;
            ObjectIntensityOverRadius(p.count, &maximum, values.data(), object, delta, p.z, p.lambda,
                                      p.r_start, p.r_end);
            const ObjectRadialProfile profile(p.count, object, delta, p.z, p.lambda, p.r_start, p.r_end);
            profile.Compute(3, p.count, parts.data());
            profile.Compute(0, 3, parts.data());
            for (int i = 0; i < p.count; ++i) {
                const double r = p.r_start + i * ((p.r_end - p.r_start) / p.count);
                const double expected = ObjectIntensity(object, delta, p.z, p.lambda, r);
                ASSERT_EQ(values[i], expected)
                    << int(object.kind) << ", " << object.radius << ", sample " << i;
                ASSERT_EQ(parts[i], expected) << "in parts, sample " << i;
                largest = std::max(largest, expected);
            }
            EXPECT_EQ(values[p.count], -1.0) << "written past the count";
            EXPECT_EQ(maximum, largest);
        }
        for (double r : {0.0, 0.0005}) {
            const std::vector<double> axial =
                ObjectIntensityOverDistanceSamples(object, delta, r, 600e-9, 0.8, 0.3, 5);
            for (int i = 0; i < 5; ++i)
                ASSERT_EQ(axial[i], ObjectIntensity(object, delta, 0.8 + i * 0.3, 600e-9, r));
        }
    }
    const DiffractingObject aperture{BeamObject::kAperture, 0.002, {}};
    double ours[23], theirs[23];
    ObjectIntensityOverRadius(23, nullptr, ours, aperture, 2e-6, 2.0, 500e-9, 0.0, 0.004);
    IntensityOverRadius(23, nullptr, theirs, 0.002, 2e-6, 2.0, 500e-9, 0.0, 0.004);
    EXPECT_EQ(std::vector<double>(ours, ours + 23), std::vector<double>(theirs, theirs + 23));
    EXPECT_EQ(ObjectIntensityOverDistanceSamples(aperture, 2e-6, 0.0, 500e-9, 1.0, 0.1, 9),
              IntensityOverDistanceSamples(0.002, 2e-6, 0.0, 500e-9, 1.0, 0.1, 9));
}

// The disc's curve is the aperture's, the rings the disc covers, and its resultant runs from their end to
// the free wave: on the axis the circle's centre -i, one away. The plate's curve at its focus climbs in half
// circles: each clear ring adds 2 in the same direction, each opaque ring (nearly) nothing.
TEST(ObjectPhasor, DiscAndPlateCurves) {
    const ObjectPhasorSums disc = ObjectPhasor(Disc(0.002), 2e-6, 2.0, 500e-9, 0.0);
    EXPECT_EQ(disc.partial_sums, RingPhasor(0.002, 2e-6, 2.0, 500e-9, 0.0).partial_sums);
    EXPECT_EQ(disc.free_wave, std::complex<double>(0, -1));
    EXPECT_NEAR(std::abs(disc.free_wave - disc.amplitude_scale * disc.partial_sums.back()), 1.0, 1e-5);
    const ObjectPhasorSums aside = ObjectPhasor(Disc(0.002), 2e-6, 2.0, 500e-9, 0.0013, false);
    EXPECT_TRUE(aside.partial_sums.empty());
    EXPECT_NEAR(std::abs(aside.free_wave), 1.0, 1e-15);
    const std::complex<double> rings =
        aside.amplitude_scale * RingPhasor(0.002, 2e-6, 2.0, 500e-9, 0.0013).partial_sums.back();
    EXPECT_NEAR(std::norm(aside.free_wave - rings), aside.intensity, 1e-4);

    const double R = CutAfterClearRings(3), delta = R / 1000;
    const ObjectPhasorSums plate = ObjectPhasor(Plate(R), delta, 1.0, 500e-9, 0.0);
    ASSERT_EQ(plate.partial_sums.size(), 1001u);
    const auto amplitude = [&](double x) {
        return std::abs(plate.amplitude_scale * plate.partial_sums[std::lround(x)]);
    };
    const std::vector<double> radii = ZonePlateRingRadii(kPlate, R);
    for (int m = 1; m <= 5; m += 2) {
        const double clear_end = radii[m - 1] / delta, opaque_end = m < 5 ? radii[m] / delta : 1000.0;
        EXPECT_NEAR(amplitude(clear_end), m + 1.0, 0.03) << "end of clear ring " << m;
        EXPECT_NEAR(amplitude(opaque_end - 5), amplitude(clear_end + 5), 1e-3)
            << "across the opaque ring after it";
    }
    EXPECT_NEAR(amplitude(1000), 6.0, 1e-4);
    EXPECT_NEAR(plate.intensity, 36.0, 1e-9);
}

// Open fractions against areas integrated over the zone (mpmath): outside the disc, on the plate's clear
// rings within its cut, seen from the axis, off it and beyond the edge. The disc and the aperture of one
// radius share every zone between them. The plate's rings, counted where a radius falls on one.
TEST(ZoneGeometry, OpenFractionsOfDiscAndPlate) {
    double worst = 0;
    for (int i = 0; i < kZoneFractionPointCount; ++i) {
        const ZoneFractionPoint& p = kZoneFractionPoints[i];
        const double fraction = ObjectZoneOpenFraction(p.object, p.u, p.z, p.lambda, p.m);
        EXPECT_NEAR(fraction, p.fraction, 1e-6) << int(p.object.kind) << ", u = " << p.u << ", zone " << p.m;
        worst = std::max(worst, std::fabs(fraction - p.fraction));
    }
    std::printf("[ measured ] open fractions: worst %.2e\n", worst);
    for (double u : {0.0, 0.0004, 0.001, 0.0016})
        for (int m = 1; m <= 6; ++m)
            EXPECT_NEAR(ObjectZoneOpenFraction(Disc(0.001), u, 1.5, 500e-9, m) +
                            ObjectZoneOpenFraction({BeamObject::kAperture, 0.001, {}}, u, 1.5, 500e-9, m),
                        1.0, 1e-15);
    const double r4 = std::sqrt(4 * (kPlate.design_wavelength * kPlate.focal_length));
    EXPECT_EQ(ZonePlateRingCount(kPlate, r4), 4);
    EXPECT_EQ(ZonePlateRingCount(kPlate, std::nextafter(r4, 0.0)), 4);  // rounding, not a ring less
    EXPECT_EQ(ZonePlateRingCount(kPlate, 0.99999 * r4), 3);
    EXPECT_DOUBLE_EQ(ZonePlateRingRadii(kPlate, 0.0015)[2], std::sqrt(3 * 500e-9));
    EXPECT_EQ((std::vector<int>{ZonePlateClearZones(kPlate, 0.0007), ZonePlateClearZones(kPlate, 0.0008),
                                ZonePlateClearZones(kPlate, 0.0015), ZonePlateClearZones(kPlate, 0.0017)}),
              (std::vector<int>{0, 1, 2, 3}));
    EXPECT_DOUBLE_EQ(ZonePlateFocalDistance(kPlate, 625e-9), 0.8);
}

}  // namespace
}  // namespace numerics
