#!/usr/bin/env python3
"""Writes tests/object_reference_data.cpp: the disc's and the zone plate's intensities and open zone
fractions, computed independently of the program for its tests.

Intensities. The paraxial Fresnel integral over the open part of the plane, relative to the free wave:
    I = |sum over the open annuli t0 .. t1 of the integral of J0(2*sqrt(v*u))*exp(i*u) du|^2
with u = pi*rho^2/(lambda*z) (the phase of the ring of radius rho) and v = pi*r^2/(lambda*z).
- A zone plate's clear rings are finite annuli: each integral is taken along the real u axis, cut where u
  or the Bessel argument 2*sqrt(v*u) has advanced by one radian.
- The disc's open plane runs to infinity. Its integral is taken along the real axis from the disc's edge
  U0 to U1 = max(U0, 4v) (past the point of stationary phase u = v, which lies beyond the edge for a point
  outside the shadow), and then up the ray u = U1 + i*s, s >= 0, where exp(i*u) = exp(i*U1)*exp(-s) and
  J0 grows at most like exp(s*sqrt(v/U1)) <= exp(s/2): the rest of the integral is
  i*exp(i*U1)*(integral over s = 0 .. infinity of J0(2*sqrt(v*(U1 + i*s)))*exp(-s) ds).
  Neither the aperture's integral nor Babinet's principle enters; the script checks Babinet against the
  aperture's integral on the side and stops if they disagree.
Open fractions of Fresnel zones: the area of a zone (an annulus about the zone centre, whose radii follow the
aperture's zone model of the program's ZoneOpenFraction) that lies outside the disc or on the plate's clear
rings, as the integral over the distance rho' from the zone centre of rho' times the angle at which the
circle of radius rho' is open (from the cosine rule), divided by the zone's area.

Each intensity is computed twice: with the full pi (the physics) and with the program's pi, 3.1415926, in
the phases (the program's model, which its ring sums discretise: against it their own error shows alone).
mpmath with 30 digits; values written with 17 significant digits.
Usage: python3 scripts/make_object_reference.py [output.cpp]   (needs python3-mpmath; about a minute)
"""
import math
import os
import shutil
import subprocess
import sys

import mpmath as mp

mp.mp.dps = 30

PROGRAM_PI = mp.mpf("3.1415926")


def cuts(u0, u1, v):
    """Points from u0 to u1 at most a radian apart in u and in the Bessel argument 2*sqrt(v*u)."""
    points = {mp.mpf(u0), mp.mpf(u1)}
    for k in range(int(math.floor(float(u0))) + 1, int(math.ceil(float(u1)))):
        points.add(mp.mpf(k))
    if v > 0:
        w0, w1 = 2 * mp.sqrt(v * u0), 2 * mp.sqrt(v * u1)
        for k in range(int(math.floor(float(w0))) + 1, int(math.ceil(float(w1)))):
            points.add(mp.mpf(k) ** 2 / (4 * v))
    return sorted(points)


def ring_integral(u0, u1, v):
    """The integral of J0(2*sqrt(v*u))*exp(i*u) du from u0 to u1, along the real axis."""
    f = lambda u: mp.besselj(0, 2 * mp.sqrt(v * u)) * mp.expj(u)
    return mp.quad(f, cuts(u0, u1, v), method="gauss-legendre")


def phase(rho, lam, z, pi):
    return pi * mp.mpf(rho) ** 2 / (mp.mpf(lam) * mp.mpf(z))


def disc_intensity(a, lam, z, r, pi):
    v, u0 = phase(r, lam, z, pi), phase(a, lam, z, pi)
    u1 = max(u0, 4 * v)
    along = ring_integral(u0, u1, v) if u1 > u0 else 0
    ray = mp.quad(lambda s: mp.besselj(0, 2 * mp.sqrt(v * (u1 + 1j * s))) * mp.exp(-s), [0, 1, 4, 16, mp.inf])
    field = along + 1j * mp.expj(u1) * ray
    # Babinet, only as a check of the contour: the aperture's integral from 0 to the edge, and the free
    # wave's integral over the whole plane, i*exp(-i*v) (Weber's, in Abel's sense; relative to the free wave's own phase).
    aperture = ring_integral(0, u0, v)
    if abs(abs(1j * mp.expj(-v) - aperture) ** 2 - abs(field) ** 2) > mp.mpf(10) ** -15:
        raise SystemExit("the disc's contour integral and Babinet's principle disagree at %r" % ((a, lam, z, r),))
    return abs(field) ** 2


def plate_radii(lam0, f, R):
    """The clear rings (inner, outer) of the plate cut at R."""
    rings, m = [], 0
    while True:
        inner = mp.sqrt(m * mp.mpf(lam0) * mp.mpf(f))
        if inner >= R:
            return rings
        rings.append((inner, min(mp.sqrt((m + 1) * mp.mpf(lam0) * mp.mpf(f)), mp.mpf(R))))
        m += 2


def plate_intensity(lam0, f, R, lam, z, r, pi):
    v = phase(r, lam, z, pi)
    field = sum(ring_integral(phase(p, lam, z, pi), phase(q, lam, z, pi), v) for p, q in plate_radii(lam0, f, R))
    return abs(field) ** 2


# ---- Open fractions.

def zone_radius(a, u, z, lam, m):
    """The program's zone model: about the foot of the point while it lies on the object, else about the
    nearest edge point."""
    if u > a:
        h = mp.mpf(u) - a
        return mp.sqrt(h * h + mp.sqrt(h * h + mp.mpf(z) ** 2) * lam * m) - h
    return mp.sqrt(mp.mpf(z) * m * lam)


def angle_within(s, rho, q):
    """The angle of the circle of radius rho about a point s from the object's centre that lies within q of
    that centre."""
    if q <= 0:
        return mp.mpf(0)
    if s == 0:
        return 2 * mp.pi if rho <= q else mp.mpf(0)
    g = (s * s + rho * rho - q * q) / (2 * s * rho)
    return 2 * mp.acos(min(mp.mpf(1), max(mp.mpf(-1), g)))


def open_fraction(open_annuli, radius, u, z, lam, m):
    """open_annuli: (p, q) about the object's centre, q = inf for the open plane beyond a disc."""
    outer = zone_radius(radius, u, z, lam, m)
    inner = zone_radius(radius, u, z, lam, m - 1) if m > 1 else mp.mpf(0)
    s = mp.mpf(min(u, radius))

    def theta(rho):
        total = mp.mpf(0)
        for p, q in open_annuli:
            total += (2 * mp.pi if q == mp.inf else angle_within(s, rho, q)) - angle_within(s, rho, p)
        return rho * total

    kinks = {inner, outer}
    for p, q in open_annuli:
        for edge in (p, q):
            if edge != mp.inf:
                for k in (abs(s - edge), s + edge):
                    if inner < k < outer:
                        kinks.add(k)
    area = mp.quad(theta, sorted(kinks))
    return area / (mp.pi * (outer ** 2 - inner ** 2))


# ---- The points.

DISC_POINTS = [  # a, lambda, z, r, where
    (0.002, 500e-9, 2.0, 0.0002, "4 zones covered, on the flank of the bright axial spot"),
    (0.002, 500e-9, 2.0, 0.001, "4 zones covered, deep in the shadow"),
    (0.002, 500e-9, 2.0, 0.0019, "4 zones covered, just inside the shadow's edge"),
    (0.002, 500e-9, 2.0, 0.002, "4 zones covered, at the shadow's edge"),
    (0.002, 500e-9, 2.0, 0.0025, "4 zones covered, outside the shadow"),
    (0.002, 500e-9, 2.0, 0.004, "4 zones covered, twice the radius out"),
    (0.001, 700e-9, 10.0, 0.0005, "0.14 zones covered, in the shadow"),
    (0.001, 700e-9, 10.0, 0.0015, "0.14 zones covered, outside"),
    (0.003, 400e-9, 1.0, 0.00005, "22.5 zones covered, in the narrow axial spot"),
    (0.003, 400e-9, 1.0, 0.0015, "22.5 zones covered, in the shadow"),
    (0.003, 400e-9, 1.0, 0.0031, "22.5 zones covered, just outside the edge"),
    (0.003, 400e-9, 1.0, 0.0045, "22.5 zones covered, 1.5 radii out"),
    (0.0025, 550e-9, 3.3, 0.0035, "3.4 zones covered, outside"),
    (0.002, 500e-9, 0.002 * 0.002 / (1.5 * 500e-9), 0.0012, "1.5 zones covered, in the shadow"),
]

F = 1.0
L0 = 500e-9


def cut_within(k):
    """A radius halfway through the opaque ring after k whole clear rings."""
    return math.sqrt((2 * k - 0.5) * L0 * F)


PLATE_POINTS = [  # design wavelength, focal length, R, lambda, z, r, where
    (L0, F, cut_within(2), L0, F, 0.0, "focus, 2 clear rings"),
    (L0, F, cut_within(3), L0, F, 0.0, "focus, 3 clear rings"),
    (L0, F, cut_within(3), L0, F, 0.00005, "focal spot, 50 um off the axis"),
    (L0, F, cut_within(3), L0, F, 0.0001, "focal spot, 100 um off the axis"),
    (L0, F, cut_within(3), L0, F, 0.0003, "300 um off the axis in the focal plane"),
    (L0, F, cut_within(3), L0, F / 3, 0.0, "third-order focus f/3"),
    (L0, F, cut_within(3), L0, F / 3, 0.00003, "30 um off the axis at f/3"),
    (L0, F, cut_within(3), L0, F / 5, 0.00002, "20 um off the axis at f/5"),
    (L0, F, cut_within(3), L0, 0.8 * F, 0.0, "off focus, 0.8 f"),
    (L0, F, cut_within(3), L0, 0.8 * F, 0.0003, "off focus, 0.8 f, 300 um off the axis"),
    (L0, F, cut_within(3), 600e-9, F * L0 / 600e-9, 0.0, "600 nm, at its focus f*lambda0/lambda"),
    (L0, F, cut_within(3), 600e-9, F, 0.00004, "600 nm, in the design focal plane"),
    (L0, F, math.sqrt(4.4 * L0 * F), L0, 1.3, 0.0005, "third clear ring cut at 0.4 of its width"),
    (L0, F, 0.002, 450e-9, 2.0, 0.003, "cut at r_8, 1.5 radii out"),
    (L0, 0.25, 0.00245, L0, 0.25, 0.0002, "24 clear rings and a sliver, near the focus"),
    (L0, 0.25, 0.00245, 650e-9, 1.0, 0.001, "24 clear rings and a sliver, far from focus"),
]

ZONE_POINTS = [  # kind, radius, lambda0, f, u, z, lambda, largest m
    ("kDisc", 0.001, 0.0, 0.0, 0.0005, 1.0, 500e-9, 5),
    ("kDisc", 0.001, 0.0, 0.0, 0.0015, 1.0, 500e-9, 5),
    ("kDisc", 0.0011, 0.0, 0.0, 0.0, 1.0, 500e-9, 4),
    ("kZonePlate", 0.0021, L0, F, 0.0, 1.0, L0, 10),
    ("kZonePlate", 0.0021, L0, F, 0.0003, 1.0, L0, 6),
    ("kZonePlate", 0.0021, L0, F, 0.0, 0.7, 600e-9, 6),
    ("kZonePlate", 0.0021, L0, F, 0.0012, 2.0, 450e-9, 6),
    ("kZonePlate", 0.0021, L0, F, 0.0025, 1.0, L0, 6),
]


def zone_rows():
    rows = []
    for kind, radius, lam0, f, u, z, lam, largest in ZONE_POINTS:
        if kind == "kDisc":
            annuli = [(mp.mpf(radius), mp.inf)]
        else:
            annuli = plate_radii(lam0, f, radius)
        for m in range(1, largest + 1):
            rows.append((kind, radius, lam0, f, u, z, lam, m, open_fraction(annuli, radius, u, z, lam, m)))
    return rows


def lit(v):
    return mp.nstr(v, 17, min_fixed=-4, max_fixed=4) if v != 0 else "0.0"


def format_source(path):
    if shutil.which("clang-format"):
        subprocess.run(["clang-format", "-i", path], check=True)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "tests", "object_reference_data.cpp")
    with open(out, "w") as f:
        f.write("// The disc's and the zone plate's intensities and open zone fractions from mpmath (30 digits).\n")
        f.write("// Written by scripts/make_object_reference.py; edit the script, not this file.\n")
        f.write('#include "tests/object_reference_data.h"\n\nnamespace numerics_reference {\n\n')
        f.write("const DiscPoint kDiscPoints[] = {\n")
        for a, lam, z, r, where in DISC_POINTS:
            f.write('    {%r, %r, %r, %r, %s, %s, "%s"},\n' % (a, lam, z, r, lit(disc_intensity(a, lam, z, r, mp.pi)),
                                                        lit(disc_intensity(a, lam, z, r, PROGRAM_PI)), where))
        f.write("};\nconst int kDiscPointCount = %d;\n\n" % len(DISC_POINTS))
        f.write("const PlatePoint kPlatePoints[] = {\n")
        for lam0, fl, R, lam, z, r, where in PLATE_POINTS:
            f.write('    {{%r, %r}, %r, %r, %r, %r, %s, %s, "%s"},\n'
                    % (lam0, fl, R, lam, z, r, lit(plate_intensity(lam0, fl, R, lam, z, r, mp.pi)),
                       lit(plate_intensity(lam0, fl, R, lam, z, r, PROGRAM_PI)), where))
        f.write("};\nconst int kPlatePointCount = %d;\n\n" % len(PLATE_POINTS))
        rows = zone_rows()
        f.write("const ZoneFractionPoint kZoneFractionPoints[] = {\n")
        for kind, radius, lam0, fl, u, z, lam, m, fraction in rows:
            f.write("    {{numerics::BeamObject::%s, %r, {%r, %r}}, %r, %r, %r, %d, %s},\n"
                    % (kind, radius, lam0, fl, u, z, lam, m, lit(fraction)))
        f.write("};\nconst int kZoneFractionPointCount = %d;\n\n" % len(rows))
        f.write("}  // namespace numerics_reference\n")
    format_source(out)


if __name__ == "__main__":
    main()
