// The pattern screen with each object in the beam, without a window: the opaque disc's and the zone plate's
// frames, labels and comparison lines.
#include <gtest/gtest.h>
