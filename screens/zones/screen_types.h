// Pixel positions and boxes on a screen, shared by the axial and the radial screen's layouts, plots and
// pictures. Integer pixels, as every layout computes them.
#pragma once

struct Point {
    int x, y;
};

// A place given by its top-left corner and its size.
struct Rect {
    int x, y, width, height;
};

// A place given by its edges: [left, right) x [top, bottom).
struct Box {
    int left, top, right, bottom;
};
