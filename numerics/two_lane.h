// SinCos and BesselJ0 for two arguments at once, for the ring sums: the SSE2 kernels where both lanes lie in
// their ranges, the scalar functions (which run the same kernels on one lane) where not.
#pragma once

#include <emmintrin.h>

#include "numerics/bessel_j0.h"
#include "numerics/sse2_kernels.h"
#include "numerics/trig.h"

namespace numerics {
namespace kernels {

// SinCos for two arguments at once; lanes outside the reduction's range go through the scalar function.
inline void SinCos2(__m128d x, __m128d* s, __m128d* c) {
    if (BothBelow(x, kSinCosReduceLimit)) {
        SinCosReduced2(x, s, c);
        return;
    }
    double lanes[2], sines[2], cosines[2];
    _mm_storeu_pd(lanes, x);
    SinCos(lanes[0], &sines[0], &cosines[0]);
    SinCos(lanes[1], &sines[1], &cosines[1]);
    *s = _mm_loadu_pd(sines);
    *c = _mm_loadu_pd(cosines);
}

// BesselJ0 for two arguments at once; lanes beyond the table go through the scalar function.
inline __m128d BesselJ02(__m128d x) {
    if (BothBelow(x, kBesselJ0TableEnd)) return BesselJ0Table2(x);
    double lanes[2];
    _mm_storeu_pd(lanes, x);
    return _mm_set_pd(BesselJ0(lanes[1]), BesselJ0(lanes[0]));
}

}  // namespace kernels
}  // namespace numerics
