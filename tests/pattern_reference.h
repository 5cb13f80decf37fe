// The pattern frame the straightforward way (a plain ring sum per sample, a square root per pixel, a power
// per level): the slow yardstick that the tests and benchmarks hold the fast rendering against.
#pragma once

#include "screens/pattern/pattern_image.h"

// As ComputePatternImage, with numerics::RingSumIntensity evaluated for each sample.
bool ComputePatternImageReference(int size, double lambda, double a, double delta, double z,
                                  double view_factor, bool aperture_projection, bool plots,
                                  PatternImage* image);

// Recomputes the pixels of `image` from its own profile, maximum and palette, pixel by pixel.
void PaintPatternPixelsReference(PatternImage* image);
