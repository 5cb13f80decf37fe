#!/usr/bin/env python3
"""Writes tests/numerics_reference_data.cpp: high-precision values of J0, sin and cos for the tests.

Every argument is a double (a landmark's written as an exact hexadecimal literal); every value is
computed by mpmath with 40 significant digits at that exact argument and written with 21 significant
digits as a long double literal, so that the tests measure errors far below one unit in the last place
of a double.

- J0 landmarks with their source: J0(0), small arguments, the nearest doubles to the first zeros of J0
  and to zeros near the switch to the asymptotic form, both sides of that switch (320), large arguments.
- Both sides of every row boundary of the J0 table (k/8 and the double just below it, k = 1 .. 2560).
- A sweep: 3000 well-spread arguments in [0, 320) and 1000 in [320, 1000).
- sin and cos: landmarks (the doubles nearest multiples of pi/2, among them the closest any double below
  2^20 comes, both sides of |r| = 2^-11 and of 2^20, where other reductions take over, the closest
  approach of all doubles), a sweep over [-100, 100) (the ring sums' phases), [-1e5, 1e5) and huge
  arguments up to the largest doubles.
The bulk arguments follow formulas that tests/numerics_reference_data.h repeats; only values are stored.

Usage: python3 scripts/make_numerics_reference.py [output.cpp]   (needs python3-mpmath; a few seconds)
"""
import math
import os
import shutil
import subprocess
import sys

import mpmath as mp

mp.mp.dps = 40


def lit(v):
    """A long double literal with 21 significant digits."""
    return mp.nstr(v, 21, min_fixed=1, max_fixed=0, strip_zeros=False) + "L"


def j0(x):
    return mp.besselj(0, mp.mpf(x))


def nearest_double(v):
    return float(mp.mpf(v))


def j0_landmarks():
    cases = [
        (0.0, "J0(0) = 1"),
        (2.0**-30, "power series: 1 - x^2/4"),
        (1e-5, "power series: 1 - x^2/4"),
        (0.1, "small argument"),
        (0.5, "small argument"),
        (1.0, "J0(1)"),
        (2.0, "J0(2)"),
        (nearest_double(mp.besseljzero(1, 1)), "first extremum (first zero of J1)"),
        (10.0, "J0(10)"),
        (53.3, "largest argument of the pattern screen's starting frame"),
        (100.0, "J0(100)"),
        (299.99, "near the largest argument the screens use"),
        (math.nextafter(320.0, 0.0), "last double before the asymptotic form"),
        (320.0, "first argument of the asymptotic form"),
        (500.0, "asymptotic form"),
        (999.9, "asymptotic form"),
        (1000.0, "end of the accuracy range"),
    ]
    for k in range(1, 6):
        cases.append((nearest_double(mp.besseljzero(0, k)), "nearest double to zero %d of J0" % k))
    for k in range(100, 104):
        z = mp.besseljzero(0, k)
        cases.append((nearest_double(z), "nearest double to zero %d of J0 (%.2f)" % (k, float(z))))
    cases.sort()
    return [(x, j0(x), source) for x, source in cases]


def spread_fraction(i):
    """SpreadFraction of tests/numerics_reference_data.h."""
    return float((i * 2654435761) % 2**32) * 2.0**-32


def j0_boundaries():
    """BesselJ0BoundaryArgument: the double below k/8, then k/8, for k = 1 .. 2560."""
    points = []
    for k in range(1, 2561):
        b = k / 8.0
        points += [math.nextafter(b, 0.0), b]
    return [j0(x) for x in points]


def j0_sweep():
    """BesselJ0SweepArgument."""
    xs = [spread_fraction(i) * 320.0 if i < 3000 else 320.0 + spread_fraction(i) * 680.0 for i in range(4000)]
    return [j0(x) for x in xs]


def sin_cos(x):
    mp.mp.prec = 2400  # the largest doubles need about 1100 bits beyond their own 53
    v = mp.mpf(x)
    s, c = mp.sin(v), mp.cos(v)
    mp.mp.dps = 40
    return +s, +c


def trig_landmarks():
    pio2 = mp.pi / 2
    cases = [
        (0.0, "sin 0 = 0, cos 0 = 1"),
        (2.0**-1000, "tiny argument"),
        (1e-8, "small argument"),
        (0.5, "small argument"),
        (nearest_double(pio2 / 2), "nearest double to pi/4"),
        (math.nextafter(nearest_double(pio2 / 2), 1.0), "just above pi/4"),
        (nearest_double(29 * pio2), "closest double below 2^20 to a multiple of pi/2 (29*pi/2)"),
        (-nearest_double(29 * pio2), "the same, negative"),
        (-80.0, "largest phase of the ring sums"),
        (1e5, "1e5"),
        (math.nextafter(2.0**20, 0.0), "last double of the Cody-Waite reduction"),
        (2.0**20, "first double of the exact reduction"),
        (1e6, "exact reduction"),
        (1e10, "exact reduction"),
        (1e22, "exact reduction"),
        (1e300, "exact reduction"),
        (float.fromhex("0x1.fffffffffffffp+1023"), "largest double"),
        (6381956970095103.0 * 2.0**797, "closest double to a multiple of pi/2 of all"),
    ]
    for k in range(1, 9):
        cases.append((nearest_double(k * pio2), "nearest double to %d*pi/2" % k))
    for k in (3, 1000):  # either side of |r| = 2^-11, where the second, finer reduction takes over
        for offset in (2.0**-11 * (1 - 2.0**-30), 2.0**-11 * (1 + 2.0**-30)):
            cases.append((nearest_double(k * pio2 + offset), "%d*pi/2 + %s, near the switch of reductions"
                          % (k, "2^-11 - 2^-41" if offset < 2.0**-11 else "2^-11 + 2^-41")))
    cases.sort()
    return [(x,) + sin_cos(x) + (source,) for x, source in cases]


def sin_cos_sweep_argument(i):
    """SinCosSweepArgument of tests/numerics_reference_data.h."""
    if i < 1000:
        return (spread_fraction(i) - 0.5) * 200.0
    if i < 1300:
        return (spread_fraction(i) - 0.5) * 2e5
    return math.ldexp(0.5 + 0.5 * spread_fraction(i), 21 + i * 7919 % 1003) * (-1 if i % 2 == 1 else 1)


def trig_sweep():
    return [sin_cos(sin_cos_sweep_argument(i)) for i in range(1500)]


def format_source(path):
    """Lays the written file out as clang-format would (the repository's .clang-format), when installed."""
    if shutil.which("clang-format"):
        subprocess.run(["clang-format", "-i", path], check=True)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "tests", "numerics_reference_data.cpp")
    with open(out, "w") as f:
        f.write("// Reference values of J0, sin and cos at exact double arguments, from mpmath (40 digits).\n")
        f.write("// Written by scripts/make_numerics_reference.py; edit the script, not this file.\n")
        f.write('#include "tests/numerics_reference_data.h"\n\n')
        f.write("namespace numerics_reference {\n\n")
        rows = j0_landmarks()
        f.write("const BesselJ0Landmark kBesselJ0Landmarks[] = {\n")
        for x, v, source in rows:
            f.write('    {%s, %s, "%s"},\n' % (x.hex(), lit(v), source))
        f.write("};\nconst int kBesselJ0LandmarkCount = %d;\n\n" % len(rows))
        for name, values in (("kBesselJ0BoundaryValues[kBesselJ0BoundaryCount]", j0_boundaries()),
                             ("kBesselJ0SweepValues[kBesselJ0SweepCount]", j0_sweep())):
            f.write("const long double %s = {\n" % name)
            for i in range(0, len(values), 4):
                f.write("    " + ", ".join(lit(v) for v in values[i:i + 4]) + ",\n")
            f.write("};\n\n")
        rows = trig_landmarks()
        f.write("const SinCosLandmark kSinCosLandmarks[] = {\n")
        for x, s, c, source in rows:
            f.write('    {%s, %s, %s, "%s"},\n' % (x.hex(), lit(s), lit(c), source))
        f.write("};\nconst int kSinCosLandmarkCount = %d;\n\n" % len(rows))
        f.write("const long double kSinCosSweepValues[kSinCosSweepCount][2] = {\n")
        for sin_x, cos_x in trig_sweep():
            f.write("    {%s, %s},\n" % (lit(sin_x), lit(cos_x)))
        f.write("};\n\n")
        f.write("}  // namespace numerics_reference\n")
    format_source(out)


if __name__ == "__main__":
    main()
