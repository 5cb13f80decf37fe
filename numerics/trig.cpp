// SinCos: the shared two-lane kernel of sse2_kernels.h on one lane.
//
// Every phase the screens use is below a few hundred, far inside the kernel's Cody-Waite reduction
// (|x| < 2^20). Beyond it, where no caller goes, the C library's sin and cos keep the function defined.
// Measured against mpmath and glibc's long double sinl and cosl: worst 0.83 ulp (tests/trig_test.cpp).
#include "numerics/trig.h"

#include <cmath>

#include "numerics/sse2_kernels.h"

namespace numerics {

void SinCos(double x, double* s, double* c) {
    if (std::fabs(x) < kernels::kSinCosReduceLimit) {
        __m128d sv, cv;
        kernels::SinCosReduced2(_mm_set1_pd(x), &sv, &cv);
        *s = _mm_cvtsd_f64(sv);
        *c = _mm_cvtsd_f64(cv);
        return;
    }
    *s = std::sin(x);
    *c = std::cos(x);
}

}  // namespace numerics
