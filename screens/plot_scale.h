// The height of a value on a plot: the three plots scale their intensities to their pictures alike.
#pragma once

// The height in pixels of `value` on a plot `range` pixels high whose top stands for `maximum`,
// (range * value) / maximum truncated: from 0 to `range`. A value that is not a number, and any value
// over a maximum that is not positive, lies on the bottom; an infinite one at the top.
inline int PlotHeight(double value, double maximum, int range) {
    if (!(maximum > 0)) return 0;
    const double height = range * value / maximum;
    if (!(height > 0)) return 0;
    return height >= range ? range : static_cast<int>(height);
}
