// Rendering a pattern frame onto its surface. The pixel work, the plot's stroke included, is the pure
// PatternImage's; here its pixels go into the frame's image in one transfer.
#include "screens/pattern/pattern_frame.h"

#include "shell/resource_failures.h"

// One transfer of the pixel words. The image keeps its bitmap, so a repaint neither makes a bitmap nor
// touches fresh memory.
void TransferPatternPixels(const PatternFrame& frame, HDC target, int x, int y) {
    const PatternImage& computed = frame.computed;
    DrawPixels(target, x, y, computed.size, computed.size, computed.pixels.data());
}

PatternFrame* RenderPattern(int size, HWND window, double lambda, double a, double delta, double z,
                            double view_factor, bool aperture_projection, bool plots, PatternFrame* frame,
                            WorkerPool* workers, bool into_image) {
    if (frame == nullptr) frame = new PatternFrame{};
    PatternImage& computed = frame->computed;
    if (!ComputePatternImage(size, lambda, a, delta, z, view_factor, aperture_projection, plots, &computed,
                             workers) &&
        !ResourceFailurePending()) {
        // The program ends once control is back in the message loop; until then the frame is used as is.
        // (An image whose buffers could not be had is empty instead, and the screen is left.)
        PostQuitMessage(0);
    }
    if (frame->image != nullptr && frame->image->width != computed.size) {
        DestroySurface(frame->image);
        frame->image = nullptr;
    }
    if (computed.size < 1) return frame;
    if (frame->image == nullptr) frame->image = CreateSurface(window, computed.size, computed.size, kBlack);
    // The plot, when on, is part of the pixels.
    if (into_image) TransferPatternPixels(*frame, frame->image->context, 0, 0);
    frame->image_current = into_image;
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
