// The Bessel function of the first kind of order zero, J0, computed the same way in both builds: the C
// runtimes' j0 (glibc) and _j0 (Windows) differ in their last digits, and the program must compute the
// same intensities on Windows and on Linux. Method and measured accuracy: bessel_j0.cpp.
#pragma once

namespace numerics {

// J0(x) within 4*2^-52*min(1, sqrt(2/(pi*|x|))) absolute for |x| <= 1000; J0(0) is exactly 1.
double BesselJ0(double x);

}  // namespace numerics
