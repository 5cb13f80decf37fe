// The doubles that J0, SinCos and the ring sums compute, pinned bit for bit. The values were taken from
// the Linux build; the Windows build runs the same test under Wine, so passing both proves that the two
// programs compute identical intensities.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "numerics/bessel_j0.h"
#include "numerics/trig.h"
#include "numerics/zone_geometry.h"
#include "numerics/zone_series.h"

namespace numerics {
namespace {

std::uint64_t Bits(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

#define EXPECT_SAME_BITS(actual, expected) \
    EXPECT_EQ(Bits(actual), Bits(expected)) << (actual) << " vs " << (expected)

TEST(BitIdentity, BesselJ0) {
    const struct {
        double x, j0;
    } cases[] = {
        {0x1.999999999999ap-4, 0x1.feb8865590ab3p-1},   // 0.1
        {0x1.33d152e971b40p+1, -0x1.2p-54},             // nearest double to the first zero
        {0x1.aa66666666666p+5, -0x1.1811c8ddf7daap-4},  // 53.3
        {0x1.2bfd70a3d70a4p+8, -0x1.13615e03bfc0bp-5},  // 299.99
        {0x1.4p+8, 0x1.eaee44f9f8557p-7},               // 320, the asymptotic form
        {0x1.84d999999999ap+9, -0x1.141246c3c0d11p-6},  // 777.7
    };
    for (const auto& c : cases) EXPECT_SAME_BITS(BesselJ0(c.x), c.j0);
}

TEST(BitIdentity, SinCos) {
    const struct {
        double x, sin, cos;
    } cases[] = {
        {-0x1.4p+6, 0x1.fcdef940eec69p-1, -0x1.c4256a22f2d6bp-4},                // -80
        {0x1p-1, 0x1.eaee8744b05fp-2, 0x1.c1528065b7d5p-1},                      // 0.5
        {0x1.6c6cbc45dc8dep+5, 0x1p+0, -0x1.6d61b58c99c43p-61},                  // nearest 29*pi/2
        {0x1.86ap+16, 0x1.24daa9c527e96p-5, -0x1.ffac3841b3da7p-1},              // 1e5
        {0x1.2a05f2p+33, -0x1.f334c7896a4e3p-2, 0x1.bf098901c931ap-1},           // 1e10
        {0x1.7e43c8800759cp+996, -0x1.a2c16b010e385p-1, -0x1.2699022adc4c1p-1},  // 1e300
    };
    for (const auto& c : cases) {
        double s, co;
        SinCos(c.x, &s, &co);
        EXPECT_SAME_BITS(s, c.sin);
        EXPECT_SAME_BITS(co, c.cos);
    }
}

TEST(BitIdentity, Intensities) {
    EXPECT_SAME_BITS(RingSumIntensity(0.002, 0.002 / 1000, 2.0, 500e-9, 0.0), 0x1.9e5428f0514aep-45);
    EXPECT_SAME_BITS(RingSumIntensity(0.002, 0.002 / 1000, 2.0, 500e-9, 0.001), 0x1.7ec7e75fea144p+0);
    EXPECT_SAME_BITS(RingSumIntensity(0.003, 0.003 / 1000, 1.0, 400e-9, 0.006), 0x1.45d4c1c5df2e3p-11);
    // 2.5 mm: a/delta computes as 999.9999999999999, and both builds count 1000 rings.
    EXPECT_SAME_BITS(RingSumIntensity(0.0025, 0.0025 / 1000, 3.3, 550e-9, 0.0), 0x1.2d2e5c29ea58bp+1);

    // The pattern screen's starting controls.
    double values[5], maximum;
    IntensityOverRadius(5, &maximum, values, 0.002, 0.002 / 1000, 2.0, 500e-9, 0.0, 0.004);
    const double radial[] = {0x1.9e5428f0514aep-45, 0x1.a7ac6b1b826edp-1, 0x1.9b38cdc4af5abp-1,
                             0x1.521982659a91cp-4, 0x1.fa0e3db71e09ap-7};
    for (int i = 0; i < 5; ++i) EXPECT_SAME_BITS(values[i], radial[i]);
    EXPECT_SAME_BITS(maximum, 0x1.a7ac6b1b826edp-1);

    // The axial screen at 500 nm: six open zones, the middle of the run, 0.8 of a zone.
    const double z_min = DistanceForZoneCount(0.001, 500e-9, 0.0, 6.0);
    const double z_max = DistanceForZoneCount(0.001, 500e-9, 0.0, 0.8);
    const std::vector<double> axial =
        IntensityOverDistanceSamples(0.001, 0.001 / 1000, 0.0, 500e-9, z_min, (z_max - z_min) / 2, 3);
    ASSERT_EQ(axial.size(), 3u);
    EXPECT_SAME_BITS(axial[0], 0x1.d2c61a6f5827bp-44);
    EXPECT_SAME_BITS(axial[1], 0x1.460ec85114a3ap+1);
    EXPECT_SAME_BITS(axial[2], 0x1.cf1bbc708526ap+1);
}

}  // namespace
}  // namespace numerics
