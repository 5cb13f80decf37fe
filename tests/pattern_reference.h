// The pattern frame computed the straightforward way, step by step as the screen's design describes it:
// the plain ring sum for every sample, a floating square root for every pixel and a power for every
// level. Slow; it is the yardstick that the tests and benchmarks hold the fast rendering against.
#pragma once

#include "screens/pattern/pattern_image.h"

// As ComputePatternImage, with numerics::RingSumIntensity evaluated for each sample.
bool ComputePatternImageReference(int size, double lambda, double a, double delta, double z,
                                  double view_factor, bool aperture_projection, bool plots,
                                  PatternImage* image);

// Recomputes the pixels of `image` from its own profile, maximum and palette, pixel by pixel.
void PaintPatternPixelsReference(PatternImage* image);
