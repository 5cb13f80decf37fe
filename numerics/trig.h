// Sine and cosine computed the same way in both builds: the C runtimes' sin and cos (glibc, Windows)
// may differ in their last bits, and the ring sums must give the same intensities on Windows and Linux.
// Built from IEEE-exact operations only; within one ulp for |x| < 2^20, which holds every phase the screens
// use. Larger arguments get the C library's values.
#pragma once

namespace numerics {

// *s = sin x, *c = cos x. Infinities and NaN give NaN.
void SinCos(double x, double* s, double* c);

}  // namespace numerics
