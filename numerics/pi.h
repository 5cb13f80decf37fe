// The program's values of pi, one for each purpose.
#pragma once

namespace numerics {

// pi and 2*pi as the diffraction numerics use them everywhere: eight-digit values, not full precision.
// Every intensity, zone count and zone radius the screens show is computed with these.
inline constexpr double kPi = 3.1415926;
inline constexpr double kTwoPi = 6.2831852;

// The rotated "Optical axis" label turns its angle from radians into tenths of a degree with this.
inline constexpr double kLabelAnglePi = 3.141592;

// pi to full precision: the independent references the tests hold the numerics against, and geometry
// that is not the lecture's physics (the box of a turned text).
inline constexpr long double kExactPi = 3.141592653589793238462643383279502884L;

}  // namespace numerics
