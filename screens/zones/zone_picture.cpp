// Painting the Fresnel zones: the picture's pixels are computed (PaintZonePicture) straight into the composed
// surface, zones from the outermost inwards, so each ring keeps its own zone's colour and zone 1 (the
// centre) always has the odd colour. A step makes no drawing object: nothing in a run can fail for want of
// one.
#include "screens/zones/zone_picture.h"

namespace {

// The picture before a run: the object alone.
void PaintBare(ZonePicture* p) {
    if (p->object.kind == numerics::BeamObject::kAperture) {
        PaintZonePicture(SurfacePixels(p->composed), p->height, p->colours, nullptr);
        return;
    }
    const ZoneStep alone = ObjectAlone(p->object, p->height);
    PaintZonePicture(SurfacePixels(p->composed), p->height, p->colours, &alone);
}

ZonePicture* NewZonePicture(HWND window, int side, int mx, int my, ColourTriple background, double lambda,
                            const numerics::DiffractingObject& object, int height,
                            const ZonePictureGeometry& geometry) {
    const double a = object.radius;
    ZonePicture* p = new ZonePicture{};
    p->width = side;
    p->height = height;
    p->mx = mx;
    p->my = my;
    p->wavelength = lambda;
    p->aperture_radius = a;
    p->object = object;
    p->step_counter = -1;
    p->geometry = geometry;
    p->step_count = geometry.step_count;
    p->colours = ZonePictureColours(
        lambda, static_cast<std::uint32_t>(background.blue | background.green << 8 | background.red << 16));
    p->composed = CreateSurface(window, height, height, {64, 64, 64});
    PaintBare(p);
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
                               const numerics::DiffractingObject& object, double z_min, double z_max,
                               int height, const ZonePictureGeometry& geometry) {
    ZonePicture* p = NewZonePicture(window, side, mx, my, background, lambda, object, height, geometry);
    p->first_distance = z_min;
    p->last_distance = z_max;
    return p;
}

ZonePicture* CreateRadialZonePicture(HWND window, int side, int mx, int my, ColourTriple background,
                                     double lambda, const numerics::DiffractingObject& object, int height,
                                     double z, const ZonePictureGeometry& geometry) {
    ZonePicture* p = NewZonePicture(window, side, mx, my, background, lambda, object, height, geometry);
    p->first_distance = z;
    p->radial = true;
    return p;
}

void DrawZoneSum(ZonePicture* p) {
    if (p->step_counter == -1) {
        PaintBare(p);
        return;
    }
    ZoneStep step = p->stop_distance > 0
                        ? AxialObjectZoneStepAt(p->object, p->wavelength, p->stop_distance, p->height)
                        : AxialObjectZoneStep(p->object, p->wavelength, p->first_distance, p->last_distance,
                                              p->step_counter, p->step_count, p->height);
    PaintStep(p, step);
}

void DrawRadialZoneSum(ZonePicture* p) {
    if (p->step_counter == -1) {
        PaintBare(p);
        return;
    }
    ZoneStep step = RadialObjectZoneStep(p->object, p->wavelength, p->first_distance, p->step_counter,
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
