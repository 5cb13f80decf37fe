#!/usr/bin/env python3
"""Writes numerics/bessel_j0_table.cpp: J0 on [0, 320) as short polynomials on intervals of width 1/8.

Row k covers k/8 <= x < (k+1)/8 and holds c0 .. c7 of p(t) = c0 + c1*t + ... + c7*t^7 in t = 8x - k
(0 <= t < 1, exact in double). c0 is J0(k/8) correctly rounded, so J0(0) is exactly 1; c1 .. c7 come from
Chebyshev interpolation (mpmath.chebyfit, 40 digits) of (J0(k/8 + t/8) - J0(k/8))/t on [0, 1]. The script
prints the largest fitting error, relative to the accuracy bound of BesselJ0 (4*2^-52*min(1, sqrt(2/(pi*x))))
at the interval's right end; the rest of the error is rounding (see numerics/bessel_j0.cpp).

Usage: python3 scripts/make_bessel_j0_table.py [output.cpp]   (needs python3-mpmath; about a minute)
"""
import os
import shutil
import subprocess
import sys

import mpmath as mp

ROWS_PER_UNIT = 8
TABLE_END = 320
COEFFICIENTS = 8


def row(k):
    x0 = mp.mpf(k) / ROWS_PER_UNIT
    f0 = mp.besselj(0, x0)

    def slope(t):
        return (mp.besselj(0, x0 + t / ROWS_PER_UNIT) - f0) / t

    coeffs, err = mp.chebyfit(slope, [0, 1], COEFFICIENTS - 1, error=True)
    bound = 4 * mp.mpf(2) ** -52 * min(1, mp.sqrt(2 / (mp.pi * (x0 + mp.mpf(1) / ROWS_PER_UNIT))))
    return [float(f0)] + [float(c) for c in reversed(coeffs)], err / bound


def format_source(path):
    """Lays the written file out as clang-format would (the repository's .clang-format), when installed."""
    if shutil.which("clang-format"):
        subprocess.run(["clang-format", "-i", path], check=True)


def main():
    mp.mp.dps = 40
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "numerics", "bessel_j0_table.cpp")
    rows = TABLE_END * ROWS_PER_UNIT
    worst = (0, 0)
    lines = []
    for k in range(rows):
        c, rel = row(k)
        worst = max(worst, (rel, k))
        lines.append("    {" + ", ".join(v.hex() for v in c) + "},")
    with open(out, "w") as f:
        f.write("// J0 on [0, %d) as polynomials on intervals of width 1/%d: the table behind BesselJ0.\n"
                % (TABLE_END, ROWS_PER_UNIT))
        f.write("// Written by scripts/make_bessel_j0_table.py (mpmath); edit the script, not this file.\n")
        f.write("// Row k: J0(x) = c0 + c1*t + ... + c%d*t^%d with t = %dx - k, for k/%d <= x < (k+1)/%d.\n"
                % (COEFFICIENTS - 1, COEFFICIENTS - 1, ROWS_PER_UNIT, ROWS_PER_UNIT, ROWS_PER_UNIT))
        f.write('#include "numerics/sse2_kernels.h"\n\n')
        f.write("namespace numerics {\nnamespace kernels {\n\n")
        f.write("alignas(64) const double kBesselJ0Table[kBesselJ0TableRows][kBesselJ0TableCoefficients] = {\n")
        f.write("\n".join(lines) + "\n")
        f.write("};\n\n}  // namespace kernels\n}  // namespace numerics\n")
    format_source(out)
    print("largest fitting error: %s of the bound, row %d" % (mp.nstr(worst[0], 3), worst[1]))


if __name__ == "__main__":
    main()
