// Painting the Fresnel zones: the picture's pixels are computed (PaintZonePicture) straight into the composed
// surface, zones from the outermost inwards, so each ring keeps its own zone's colour and zone 1 (the
// centre) always has the odd colour. A step makes no drawing object: nothing in a run can fail for want of
// one.
#include "screens/zones/zone_picture.h"

namespace {

ZonePicture* NewZonePicture(HWND window, int side, int mx, int my, ColourTriple background, double lambda,
                            double a, int height, const ZonePictureGeometry& geometry) {
    ZonePicture* p = new ZonePicture{};
    p->width = side;
    p->height = height;
    p->mx = mx;
    p->my = my;
    p->wavelength = lambda;
    p->aperture_radius = a;
    p->step_counter = -1;
    p->geometry = geometry;
    p->step_count = geometry.step_count;
    p->colours = ZonePictureColours(
        lambda, static_cast<std::uint32_t>(background.blue | background.green << 8 | background.red << 16));
    p->composed = CreateSurface(window, height, height, {64, 64, 64});
    PaintZonePicture(SurfacePixels(p->composed), height, p->colours, nullptr);
    return p;
}

void PaintStep(ZonePicture* p, ZoneStep& step) {
    PaintZonePicture(SurfacePixels(p->composed), p->height, p->colours, &step);
    // A text from an earlier step that was never drawn is released here.
    FreeLabelText(p->sum_text);
    p->sum_text = step.sum_text.release();
    p->number_of_zones = step.number_of_zones;
}

}  // namespace

ZonePicture* CreateZonePicture(HWND window, int side, int mx, int my, ColourTriple background, double lambda,
                               double a, double z_min, double z_max, int height,
                               const ZonePictureGeometry& geometry) {
    ZonePicture* p = NewZonePicture(window, side, mx, my, background, lambda, a, height, geometry);
    p->first_distance = z_min;
    p->last_distance = z_max;
    return p;
}

ZonePicture* CreateRadialZonePicture(HWND window, int side, int mx, int my, ColourTriple background,
                                     double lambda, double a, int height, double z,
                                     const ZonePictureGeometry& geometry) {
    ZonePicture* p = NewZonePicture(window, side, mx, my, background, lambda, a, height, geometry);
    p->first_distance = z;
    p->radial = true;
    return p;
}

void DrawZoneSum(ZonePicture* p) {
    if (p->step_counter == -1) {
        PaintZonePicture(SurfacePixels(p->composed), p->height, p->colours, nullptr);
        return;
    }
    ZoneStep step = AxialZoneStep(p->wavelength, p->aperture_radius, p->first_distance, p->last_distance,
                                  p->step_counter, p->step_count, p->height);
    PaintStep(p, step);
}

void DrawRadialZoneSum(ZonePicture* p) {
    if (p->step_counter == -1) {
        PaintZonePicture(SurfacePixels(p->composed), p->height, p->colours, nullptr);
        return;
    }
    ZoneStep step = RadialZoneStep(p->wavelength, p->aperture_radius, p->first_distance, p->step_counter,
                                   p->step_count, p->height);
    PaintStep(p, step);
}

LabelText* TakeSumText(ZonePicture* p) {
    LabelText* text = p->sum_text;
    p->sum_text = nullptr;
    return text;
}

void DestroyZonePicture(ZonePicture* p) {
    if (p == nullptr) return;
    DestroySurface(p->composed);
    FreeLabelText(p->sum_text);
    delete p;
}
