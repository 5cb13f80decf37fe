// The axial and the radial screen with each object in the beam, without a window: the zone pictures, the
// sums of contributions, the phasor diagrams and the plots of the opaque disc and the zone plate.
#include <gtest/gtest.h>
