// Rendering a pattern frame. The pixel work, the plot's stroke included, is the pure PatternImage's; the
// screen puts the pixels into its picture in one transfer.
#include "screens/pattern/pattern_frame.h"

#include "shell/platform/resource_failures.h"

// One transfer of the pixel words, straight from the computed image: no bitmap holds a second copy.
void TransferPatternPixels(const PatternFrame& frame, HDC target, int x, int y) {
    const PatternImage& computed = frame.computed;
    DrawPixels(target, x, y, computed.size, computed.size, computed.pixels.data());
}

PatternFrame* RenderPattern(int size, double lambda, const numerics::DiffractingObject& object, double delta,
                            double z, double view_factor, bool aperture_projection, bool plots,
                            PatternFrame* frame, WorkerPool* workers) {
    if (frame == nullptr) frame = new PatternFrame{};
    if (!ComputePatternImage(size, lambda, object, delta, z, view_factor, aperture_projection, plots,
                             &frame->computed, workers) &&
        !ResourceFailurePending()) {
        // The program ends once control is back in the message loop; until then the frame is used as is.
        // (An image whose buffers could not be had is empty instead, and the screen is left.)
        PostQuitMessage(0);
    }
    return frame;
}

void DestroyPatternFrame(PatternFrame* frame) {
    delete frame;
}
