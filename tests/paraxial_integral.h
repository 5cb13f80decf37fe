// The diffraction intensity behind a circular aperture from the paraxial Fresnel-Kirchhoff integral
// itself, computed by quadrature in long double (glibc's j0l, sinl, cosl): the independent reference for
// the ring sum. Linux builds only (the Windows C runtime has no long double J0).
//
// With theta = pi*a^2/(lambda*z) (pi times the number of open zones) and kappa = 2*pi*a*r/(lambda*z), the
// intensity relative to the incident wave is
//   I = (2*theta)^2 * |integral over t = 0 .. 1 of t*J0(kappa*t)*exp(i*theta*t^2) dt|^2,
// 4*sin^2(theta/2) on the axis. The integrand turns through about theta + kappa radians (up to 370 on the
// pattern screen, about 60 oscillations), so the interval is cut into panels of at most 1.5 radians each,
// with 16-point Gauss-Legendre on every panel: far below 1e-15 relative error per panel.
#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "numerics/pi.h"

namespace numerics::paraxial {

struct GaussLegendreRule {
    std::vector<long double> nodes, weights;  // on [0, 1]
};

// Nodes as roots of P_n by Newton's method from Chebyshev starting points.
inline GaussLegendreRule MakeGaussLegendre(int n) {
    GaussLegendreRule rule;
    const long double pi = numerics::kExactPi;
    for (int i = 1; i <= n; ++i) {
        long double x = std::cos(pi * (i - 0.25L) / (n + 0.5L)), derivative = 0;
        for (int iteration = 0; iteration < 100; ++iteration) {
            const long double p1 = std::legendrel(n, x), p0 = std::legendrel(n - 1, x);
            derivative = n * (x * p1 - p0) / (x * x - 1);
            const long double dx = p1 / derivative;
            x -= dx;
            if (std::fabs(dx) < 1e-19L) break;
        }
        rule.nodes.push_back((1 - x) / 2);
        rule.weights.push_back(1 / ((1 - x * x) * derivative * derivative));
    }
    return rule;
}

// The intensities at several kappa for one theta; the phases at the nodes are shared.
inline std::vector<long double> Intensities(long double theta, const std::vector<long double>& kappas) {
    static const GaussLegendreRule rule = MakeGaussLegendre(16);
    long double largest = 0;
    for (long double kappa : kappas) largest = std::max(largest, std::fabs(kappa));
    const int panels = 4 + static_cast<int>((std::fabs(theta) + largest) / 1.5L);
    std::vector<long double> t;
    std::vector<std::complex<long double>> weighted;  // weight * t * exp(i*theta*t^2) at every node
    for (int p = 0; p < panels; ++p) {
        for (std::size_t k = 0; k < rule.nodes.size(); ++k) {
            t.push_back((p + rule.nodes[k]) / panels);
            weighted.push_back(rule.weights[k] / panels * t.back() *
                               std::polar(1.0L, theta * t.back() * t.back()));
        }
    }
    std::vector<long double> intensities;
    for (long double kappa : kappas) {
        std::complex<long double> sum = 0;
        for (std::size_t i = 0; i < t.size(); ++i) sum += j0l(kappa * t[i]) * weighted[i];
        intensities.push_back(4 * theta * theta * std::norm(sum));
    }
    return intensities;
}

// The intensity at radius r for aperture radius a, distance z and wavelength lambda (metres).
inline long double Intensity(double a, double lambda, double z, double r) {
    const long double theta = numerics::kExactPi * a * a / (static_cast<long double>(lambda) * z);
    return Intensities(theta, {2 * theta * r / a})[0];  // kappa = 2*pi*a*r/(lambda*z)
}

}  // namespace numerics::paraxial
