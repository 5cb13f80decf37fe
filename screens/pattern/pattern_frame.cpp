// Rendering a pattern frame onto its surface. The pixel work is the pure PatternImage's; here its pixels
// go into the frame's image in one transfer, and the plot is drawn over them with a pen made for this
// rendering alone.
#include "screens/pattern/pattern_frame.h"

#include <vector>

namespace {

// The computed pixels into the image: one transfer from a top-down 32-bit DIB (negative height), whose
// bytes blue, green, red, 0 are those of the pixel words. The image keeps its bitmap, so a repaint
// neither makes a bitmap nor touches fresh memory.
void TransferPixels(const PatternImage& computed, Surface* image) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = computed.size;
    format.bmiHeader.biHeight = -computed.size;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(image->context, 0, 0, computed.size, computed.size, 0, 0, 0, computed.size,
                      computed.pixels.data(), &format, DIB_RGB_COLORS);
}

// The intensity along the horizontal diameter as a white polyline, 3 pixels wide.
void DrawPlot(const PatternImage& computed, Surface* image) {
    std::vector<POINT> points(computed.plot_points.size());
    for (std::size_t j = 0; j < points.size(); ++j)
        points[j] = POINT{computed.plot_points[j].x, computed.plot_points[j].y};
    HPEN pen = CreateSolidPen(3, kWhite);
    HGDIOBJ previous = SelectObject(image->context, pen);
    DrawPolyline(image->context, points.data(), static_cast<int>(points.size()));
    SelectObject(image->context, previous);
    DeleteDrawingObject(pen);
}

}  // namespace

PatternFrame* RenderPattern(int size, HWND window, double lambda, double a, double delta, double z,
                            double view_factor, bool aperture_projection, bool plots, PatternFrame* frame) {
    if (frame == nullptr) frame = new PatternFrame{};
    PatternImage& computed = frame->computed;
    if (!ComputePatternImage(size, lambda, a, delta, z, view_factor, aperture_projection, plots, &computed)) {
        // The program ends once control is back in the message loop; until then the frame is used as is.
        PostQuitMessage(0);
    }
    if (frame->image != nullptr && frame->image->width != computed.size) {
        DestroySurface(frame->image);
        frame->image = nullptr;
    }
    if (computed.size < 1) return frame;
    if (frame->image == nullptr) frame->image = CreateSurface(window, computed.size, computed.size, kBlack);
    TransferPixels(computed, frame->image);
    if (plots) DrawPlot(computed, frame->image);
    return frame;
}

void ReleasePatternFrame(PatternFrame* frame) {
    if (frame == nullptr) return;
    DestroySurface(frame->image);
    frame->image = nullptr;
    frame->computed = PatternImage{};
}

void DestroyPatternFrame(PatternFrame* frame) {
    ReleasePatternFrame(frame);
    delete frame;
}
