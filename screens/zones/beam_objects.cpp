// The screens' zone plates, the disc's and the plate's plot scale, and rounded values.
#include "screens/zones/beam_objects.h"

#include <cmath>

numerics::ZonePlate AxialZonePlate(double a, double lambda0) {
    return {lambda0, a * a / (3 * lambda0)};
}

numerics::ZonePlate RadialZonePlate(double a, double lambda0) {
    return {lambda0, a * a / (5 * lambda0)};
}

numerics::DiffractingObject ObjectInBeam(numerics::BeamObject kind, double a,
                                         const numerics::ZonePlate& plate) {
    return {kind, a, plate};
}

int ObjectPlotHeight(double value, double top, int range) {
    if (!(top > 0)) return 0;
    const double height = std::floor(range * value / top + 0.5);
    if (!(height > 0)) return 0;
    return height >= range ? range : static_cast<int>(height);
}

std::string ScaleTopText(double top) {
    if (!(top > 0)) return "";
    const LabelTextPtr label = RoundedLabel(2, top);
    std::string text(label->text, label->length);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

LabelTextPtr RoundedLabel(int decimals, double value) {
    return FixedLabel(decimals, value + 0.5 * std::pow(10.0, -decimals));
}
