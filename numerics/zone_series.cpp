// The Fresnel ring sum and the two sampling operations built on it.
#include "numerics/zone_series.h"

#include <cmath>

#include "numerics/bessel_j0.h"

namespace numerics {

int RingCount(double a, double delta) { return static_cast<int>(a / delta); }

double RingSumIntensity(double a, double delta, double z, double lambda, double r) {
    const int n = RingCount(a, delta);
    // alpha: phase step (ring j has phase j^2*alpha); beta: Bessel argument step.
    const double alpha = (delta / z) * (-kPi * delta / lambda);
    const double beta = kTwoPi * (delta / lambda) * (r / z);
    double sum_cos = 0.0;
    double sum_sin = 0.0;
    for (int j = 1; j <= n; ++j) {
        const double w = j * BesselJ0(j * beta);
        const double phase = static_cast<double>(j) * j * alpha;
        sum_cos += w * std::cos(phase);
        sum_sin += w * std::sin(phase);
    }
    return (-2.0 * alpha) * (-2.0 * alpha) * (sum_cos * sum_cos + sum_sin * sum_sin);
}

double* IntensityOverRadius(int count, double* maximum, double* values, double a, double delta, double z,
                            double lambda, double r_start, double r_end) {
    if (count == 0 || values == nullptr) return nullptr;
    const double step = (r_end - r_start) / count;
    double max = 0.0;
    for (int i = 0; i < count; ++i) {
        const double intensity = RingSumIntensity(a, delta, z, lambda, r_start + i * step);
        values[i] = intensity;
        if (intensity > max) max = intensity;
    }
    *maximum = max;
    return values;
}

int DistanceSampleCount(double z_start, double z_end, double step) {
    return static_cast<int>(std::fabs(z_end - z_start) / step) + 1;
}

std::vector<double> IntensityOverDistance(double a, double delta, double r, double lambda, double z_start,
                                          double z_end, double step) {
    return IntensityOverDistanceSamples(a, delta, r, lambda, z_start, step,
                                        DistanceSampleCount(z_start, z_end, step));
}

std::vector<double> IntensityOverDistanceSamples(double a, double delta, double r, double lambda,
                                                 double z_start, double step, int count) {
    std::vector<double> values(count > 0 ? count : 0);
    for (int i = 0; i < count; ++i) values[i] = RingSumIntensity(a, delta, z_start + i * step, lambda, r);
    return values;
}

}  // namespace numerics
