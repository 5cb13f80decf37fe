// The pattern screen with each object in the beam, under Wine: what the audience sees.
#include "tests/page_driver.h"
