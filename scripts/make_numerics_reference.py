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
  2^20 comes, both sides of |r| = 2^-11, where the finer reduction takes over, the last double below 2^20), a
  sweep over [-100, 100) (the ring sums' phases) and [-1e5, 1e5).
Every point is stored with its argument; a landmark also with its source.

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
    """A well-spread fraction in [0, 1) with 32 bits (a Weyl sequence)."""
    return float((i * 2654435761) % 2**32) * 2.0**-32


def j0_boundaries():
    """Both sides of every row boundary k/8: the double below, then k/8, for k = 1 .. 2560."""
    points = []
    for k in range(1, 2561):
        b = k / 8.0
        points += [math.nextafter(b, 0.0), b]
    return [(x, j0(x)) for x in points]


def j0_sweep():
    """3000 arguments in [0, 320), the table, and 1000 in [320, 1000), the asymptotic form."""
    xs = [spread_fraction(i) * 320.0 if i < 3000 else 320.0 + spread_fraction(i) * 680.0 for i in range(4000)]
    return [(x, j0(x)) for x in xs]


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
        (math.nextafter(2.0**20, 0.0), "last double of the reduction"),
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
    """1000 arguments in [-100, 100) (the ring sums' phases) and 300 in [-1e5, 1e5)."""
    if i < 1000:
        return (spread_fraction(i) - 0.5) * 200.0
    return (spread_fraction(i) - 0.5) * 2e5


def trig_sweep():
    return [(sin_cos_sweep_argument(i),) + sin_cos(sin_cos_sweep_argument(i)) for i in range(1300)]


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
        points = [(x, v, source) for x, v, source in j0_landmarks()]
        points += [(x, v, "") for x, v in j0_boundaries() + j0_sweep()]
        f.write("const BesselJ0Point kBesselJ0Points[] = {\n")
        for x, v, source in points:
            f.write('    {%s, %s, "%s"},\n' % (x.hex(), lit(v), source))
        f.write("};\nconst int kBesselJ0PointCount = %d;\n\n" % len(points))
        points = [(x, sv, cv, source) for x, sv, cv, source in trig_landmarks()]
        points += [(x, sv, cv, "") for x, sv, cv in trig_sweep()]
        f.write("const SinCosPoint kSinCosPoints[] = {\n")
        for x, sv, cv, source in points:
            f.write('    {%s, %s, %s, "%s"},\n' % (x.hex(), lit(sv), lit(cv), source))
        f.write("};\nconst int kSinCosPointCount = %d;\n\n" % len(points))
        f.write("}  // namespace numerics_reference\n")
    format_source(out)


if __name__ == "__main__":
    main()
