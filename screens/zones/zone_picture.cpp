// Painting the Fresnel zones: each zone's disc, cut to the aperture, becomes the clipping region through
// which a plain picture of the zone's colour is copied. Zones are painted from the outermost inwards, so
// each ring keeps its own zone's colour and zone 1 (the centre) always has the odd colour.
#include "screens/zones/zone_picture.h"

#include "numerics/spectral_ramp.h"

namespace {

constexpr ColourTriple kDarkGrey{64, 64, 64};

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

    unsigned char ramp[9] = {};
    numerics::FillSpectralRamp(ramp, 3, ZoneColourNanometres(lambda));
    const int s = geometry.side;
    p->odd_zone = CreateSurface(window, s, s, {ramp[6], ramp[7], ramp[8]});
    p->even_zone = CreateSurface(window, s, s, {ramp[3], ramp[4], ramp[5]});

    p->base = CreateSurface(window, side, height, kDarkGrey);
    p->composed = CreateSurface(window, side, height, kDarkGrey);
    p->background = CreateSurface(window, side, height, background);

    // The aperture disc: the background colour through an elliptic clip on the dark grey.
    const Box box = ApertureBox(height);
    p->aperture = CreateEllipseRegion(box.left, box.top, side - height / 12, box.bottom);
    SetClipRegion(p->base->context, p->aperture);
    CopySurface(p->background, p->base->context, 0, 0);
    SetClipRegion(p->base->context, nullptr);
    CopySurface(p->base, p->composed->context, 0, 0);
    return p;
}

void PaintStep(ZonePicture* p, ZoneStep& step) {
    for (const ZoneDisc& disc : step.discs) {
        HRGN zone = CreateEllipseRegion(disc.box.left, disc.box.top, disc.box.right, disc.box.bottom);
        HRGN clip = CreateIntersectionRegion(zone, p->aperture);
        SetClipRegion(p->composed->context, clip);
        CopySurface(disc.odd() ? p->odd_zone : p->even_zone, p->composed->context, 0, 0);
        DeleteDrawingObject(clip);
        DeleteDrawingObject(zone);
    }
    SetClipRegion(p->composed->context, nullptr);
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
    CopySurface(p->base, p->composed->context, 0, 0);
    if (p->step_counter == -1) return;
    ZoneStep step = AxialZoneStep(p->wavelength, p->aperture_radius, p->first_distance, p->last_distance,
                                  p->step_counter, p->step_count, p->height);
    PaintStep(p, step);
}

void DrawRadialZoneSum(ZonePicture* p) {
    CopySurface(p->base, p->composed->context, 0, 0);
    if (p->step_counter == -1) return;
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
    for (Surface* s : {p->base, p->background, p->composed, p->odd_zone, p->even_zone}) DestroySurface(s);
    DeleteDrawingObject(p->aperture);
    FreeLabelText(p->sum_text);
    delete p;
}
