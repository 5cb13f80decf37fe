// What the three demonstrations put in the beam: the circular aperture, the opaque disc of the same radius
// (the bright spot in its shadow) or the zone plate (a lens made of rings), and key O, which goes from one to
// the next. The choice holds for every page until O changes it.
#pragma once

#include "numerics/beam_object.h"

// The object in the beam now, and its index in the texts that name it (TextSet's arrays by object).
numerics::BeamObject ChosenObject();
int ChosenObjectIndex();

// Key O on a demonstration screen: aperture, then disc, then zone plate, then the aperture again; the open
// page is made again with it, keeping what it showed (a page that cannot be made with the new object is
// made again with the old one).
void SwitchBeamObject();
