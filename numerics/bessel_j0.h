// The Bessel function of the first kind of order zero, J0, computed the same way in both builds: the C
// runtimes' j0 (glibc) and _j0 (Windows) differ in their last digits, and the program must compute the
// same intensities on Windows and on Linux.
#pragma once

namespace numerics {

double BesselJ0(double x);

}  // namespace numerics
