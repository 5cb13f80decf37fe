#!/usr/bin/env python3
"""Prints the constants of numerics/sse2_kernels.h (paste them there when they change).

- pi/2 split into four doubles: three of 32 significant bits, so that k*part is exact for |k| < 2^21,
  and a last one of 53 bits; together they carry 149 bits of pi/2. Also pi/2 - part 1 - part 2 rounded,
  the rest used by the ordinary reduction.
- The sine and cosine kernels on |r| <= pi/4: near-minimax polynomials in z = r^2 from Chebyshev
  interpolation (mpmath.chebyfit) of (sin r - r)/r^3 and (cos r - 1 + r^2/2)/r^4, with the fitting error.
- The smallest |x - k*pi/2| over doubles x below 2^20, which tells how much precision the reduction needs.

Needs python3-mpmath.
"""
import math

import mpmath as mp

mp.mp.prec = 2000


def round_bits(v, bits):
    """v rounded to the given number of significant bits (an mpf)."""
    e = mp.floor(mp.log(abs(v), 2))
    scale = mp.mpf(2) ** (bits - 1 - e)
    return mp.nint(v * scale) / scale


def pio2_parts():
    rest = mp.pi / 2
    parts = []
    for bits in (32, 32, 32, 53):
        p = round_bits(rest, bits)
        parts.append(p)
        rest -= p
    return parts, rest


def kernel(f, degree, zmax):
    mp.mp.prec = 200
    coeffs, err = mp.chebyfit(f, [0, zmax], degree + 1, error=True)
    mp.mp.prec = 2000
    return [float(c) for c in reversed(coeffs)], err


def closest_to_multiple(limit_exponent=20):
    prec = 300
    pio2 = int(mp.floor(mp.pi / 2 * mp.mpf(2) ** prec))
    best = (0.0, 0)
    for k in range(1, int(2**limit_exponent * 2 / math.pi) + 2):
        v = k * pio2
        ulp_shift = prec + (v.bit_length() - 1 - prec) - 52
        m = (v + (1 << (ulp_shift - 1))) >> ulp_shift
        d = abs(v - (m << ulp_shift))
        log_d = math.log2(d) - prec
        if best[1] == 0 or log_d < best[0]:
            best = (log_d, k)
    return best


def main():
    parts, rest = pio2_parts()
    print("// pi/2 = kPio2Part1 + kPio2Part2 + kPio2Part3 + kPio2Part4 + %s" % mp.nstr(rest, 3))
    for i, p in enumerate(parts, 1):
        assert mp.mpf(float(p)) == p
        print("constexpr double kPio2Part%d = %s;" % (i, float(p).hex()))
    print("constexpr double kPio2Rest = %s;" % float(mp.pi / 2 - parts[0] - parts[1]).hex())
    zmax = mp.mpf(0.6170)  # (pi/4)^2 = 0.61685, with room for the rounding of r
    sin_c, sin_err = kernel(lambda z: (mp.sin(mp.sqrt(z)) - mp.sqrt(z)) / (z * mp.sqrt(z)), 6, zmax)
    cos_c, cos_err = kernel(lambda z: (mp.cos(mp.sqrt(z)) - 1 + z / 2) / (z * z), 5, zmax)
    print("// sin r = r + r^3*S(r^2); fitting error of S: %s (times r^3 <= 0.49)" % mp.nstr(sin_err, 3))
    print("constexpr double kSin[] = {%s};" % ", ".join(c.hex() for c in sin_c))
    print("// cos r = 1 - r^2/2 + r^4*C(r^2); fitting error of C: %s (times r^4 <= 0.39)" % mp.nstr(cos_err, 3))
    print("constexpr double kCos[] = {%s};" % ", ".join(c.hex() for c in cos_c))
    log_d, k = closest_to_multiple()
    print("// closest double below 2^20 to a multiple of pi/2: k = %d, |x - k*pi/2| = 2^%.2f" % (k, log_d))


if __name__ == "__main__":
    main()
