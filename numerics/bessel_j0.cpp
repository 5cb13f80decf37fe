// Provisional J0 from the C++ library's special functions; to be replaced by one implementation of our own.
#include "numerics/bessel_j0.h"

#include <cmath>

namespace numerics {

double BesselJ0(double x) { return std::cyl_bessel_j(0.0, x); }

}  // namespace numerics
