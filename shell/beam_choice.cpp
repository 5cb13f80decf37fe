// The object in the beam.
#include "shell/beam_choice.h"

#include "shell/application.h"

namespace {

numerics::BeamObject Next(numerics::BeamObject object) {
    switch (object) {
        case numerics::BeamObject::kAperture:
            return numerics::BeamObject::kDisc;
        case numerics::BeamObject::kDisc:
            return numerics::BeamObject::kZonePlate;
        default:
            return numerics::BeamObject::kAperture;
    }
}

}  // namespace

numerics::BeamObject ChosenObject() {
    return app.beam_object;
}

int ChosenObjectIndex() {
    return static_cast<int>(app.beam_object);
}

void SwitchBeamObject() {
    const numerics::BeamObject before = app.beam_object;
    app.beam_object = Next(before);
    RemakePage([before] { app.beam_object = before; });
}
