// The phasor panel's place and picture. The picture is computed as pixels (strokes of a 3-pixel pen,
// shell/strokes.h): a thousand segments through GDI's wide pen would cost milliseconds a step under Wine.
#include "screens/zones/phasor_panel_model.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "numerics/object_series.h"
#include "numerics/zone_geometry.h"
#include "shell/platform/resource_failures.h"
#include "shell/platform/strokes.h"

namespace {

PixelPoint At(Point p) {
    return {p.x, p.y};
}

void Paint(const PhasorPanelLayout& layout, const numerics::RingPhasorSums& phasor, double span,
           std::uint32_t odd_colour, std::uint32_t even_colour, const std::complex<double>* free_wave,
           PhasorPicture* into);

}  // namespace

PhasorPanelLayout PhasorPanelInBox(Rect box) {
    PhasorPanelLayout panel{};
    panel.box = box;
    panel.text_height = box.height / 9;
    // The curve's band between the two texts; the circle in its middle, four fifths of the band or of the
    // width, whichever is smaller.
    const int band = box.height - 2 * panel.text_height;
    panel.diameter = std::min(band, box.width) * 8 / 10;
    panel.origin = {box.width / 2, panel.text_height + (band + panel.diameter) / 2};
    return panel;
}

std::vector<int> ZoneEnds(const numerics::RingPhasorSums& phasor) {
    const int n = static_cast<int>(phasor.partial_sums.size()) - 1;
    if (n <= 0) return {0};
    std::vector<int> ends;
    const double step = std::fabs(phasor.phase_step);
    // A step that is not a finite number has no zone boundaries to find: one stretch, all the rings.
    if (!std::isfinite(step)) return {n};
    int k = 1;
    for (int m = 1; step > 0 && (ends.empty() || ends.back() < n); ++m) {
        while (k < n && step * k * k < m * numerics::kPi) ++k;
        ends.push_back(k);
    }
    if (ends.empty() || ends.back() != n) ends.push_back(n);
    return ends;
}

PhasorPicture DrawPhasorPicture(const PhasorPanelLayout& layout, const numerics::RingPhasorSums& phasor,
                                std::uint32_t odd_colour, std::uint32_t even_colour) {
    PhasorPicture picture;
    DrawPhasorPicture(layout, phasor, odd_colour, even_colour, &picture);
    return picture;
}

void DrawPhasorPicture(const PhasorPanelLayout& layout, const numerics::RingPhasorSums& phasor,
                       std::uint32_t odd_colour, std::uint32_t even_colour, PhasorPicture* into) {
    Paint(layout, phasor, 2.0, odd_colour, even_colour, nullptr, into);
}

PhasorView ObjectPhasorView(const numerics::DiffractingObject& object, double z, double lambda, double r) {
    PhasorView view;
    const double delta = object.radius / 1000;
    if (object.kind == numerics::BeamObject::kAperture) {
        view.sums = numerics::RingPhasor(object.radius, delta, z, lambda, r);
        return view;
    }
    numerics::ObjectPhasorSums sums = numerics::ObjectPhasor(object, delta, z, lambda, r);
    view.sums.partial_sums = std::move(sums.partial_sums);
    view.sums.amplitude_scale = sums.amplitude_scale;
    view.sums.phase_step = sums.phase_step;
    view.sums.intensity = sums.intensity;
    view.rounded = true;
    if (object.kind == numerics::BeamObject::kDisc) {
        view.covered = view.to_free_wave = true;
        view.free_wave = sums.free_wave;
    } else {
        view.amplitude_span = 4.0 * std::max(1, numerics::ZonePlateClearZones(object.plate, object.radius));
        view.centred = true;
    }
    return view;
}

void DrawPhasorPicture(const PhasorPanelLayout& layout, const PhasorView& view, std::uint32_t odd_colour,
                       std::uint32_t even_colour, PhasorPicture* picture) {
    if (view.covered) odd_colour = even_colour = kPhasorCovered;
    PhasorPanelLayout placed = layout;
    if (view.centred) placed.origin.y -= layout.diameter / 2;
    Paint(placed, view.sums, view.amplitude_span, odd_colour, even_colour,
          view.to_free_wave ? &view.free_wave : nullptr, picture);
}

namespace {

// The picture of the curve at `span` amplitude units to the diameter, the resultant from the curve's start
// to its end, or from its end to the free wave's point where one is given.
void Paint(const PhasorPanelLayout& layout, const numerics::RingPhasorSums& phasor, double span,
           std::uint32_t odd_colour, std::uint32_t even_colour, const std::complex<double>* free_wave,
           PhasorPicture* into) {
    PhasorPicture& picture = *into;
    const int w = layout.box.width, h = layout.box.height;
    const std::size_t count = static_cast<std::size_t>(std::max(w, 0)) * std::max(h, 0);
    // The one large allocation, made once for the panel's size: without it the picture is empty, and the
    // failure noted.
    if (picture.pixels.capacity() < count) {
        try {
            if (CreationRefused(ResourceKind::kPixels)) throw std::bad_alloc();
            picture.pixels.reserve(count);
        } catch (const std::bad_alloc&) {
            NoteResourceFailure();
            picture = PhasorPicture{};
            return;
        }
    }
    picture.width = w;
    picture.height = h;
    picture.pixels.assign(count, kPhasorBackground);
    picture.curve.clear();
    picture.intensity = phasor.intensity;
    // Amplitude `span` (2: the on-axis circle) is `diameter` pixels; the imaginary part runs upwards (on the
    // axis it is not above 0).
    const double scale = layout.diameter / span * phasor.amplitude_scale;
    for (const std::complex<double>& s : phasor.partial_sums) {
        picture.curve.push_back({layout.origin.x + static_cast<int>(std::lround(s.real() * scale)),
                                 layout.origin.y + static_cast<int>(std::lround(s.imag() * scale))});
    }
    picture.zone_ends = ZoneEnds(phasor);
    const auto stroke = [&](Point a, Point b, std::uint32_t colour) {
        PaintStroke(picture.pixels.data(), w, h, At(a), At(b), colour);
    };
    int first = 0;
    for (std::size_t m = 0; m < picture.zone_ends.size(); ++m) {
        const int end = picture.zone_ends[m];
        for (int k = first; k < end; ++k)
            stroke(picture.curve[k], picture.curve[k + 1], m % 2 == 0 ? odd_colour : even_colour);
        first = end;
    }
    // Ticks across the curve at the boundaries between zones, a fifteenth of the circle long.
    const double tick = layout.diameter / 15.0;
    for (std::size_t m = 0; m + 1 < picture.zone_ends.size(); ++m) {
        const int k = picture.zone_ends[m];
        const Point before = picture.curve[std::max(k - 2, 0)];
        const Point after = picture.curve[std::min<int>(k + 2, static_cast<int>(picture.curve.size()) - 1)];
        const double dx = after.x - before.x, dy = after.y - before.y, length = std::hypot(dx, dy);
        if (length == 0) continue;
        const double nx = -dy / length * tick, ny = dx / length * tick;
        const Point at = picture.curve[k];
        stroke({at.x - static_cast<int>(nx), at.y - static_cast<int>(ny)},
               {at.x + static_cast<int>(nx), at.y + static_cast<int>(ny)}, kPhasorWhite);
    }
    // The resultant, from the curve's start to its end (or from its end to the free wave), with a head of
    // two strokes.
    if (!picture.curve.empty()) {
        const double unit = layout.diameter / span;
        const Point from = free_wave != nullptr ? picture.curve.back() : picture.curve.front();
        const Point to =
            free_wave != nullptr
                ? Point{layout.origin.x + static_cast<int>(std::lround(free_wave->real() * unit)),
                        layout.origin.y + static_cast<int>(std::lround(free_wave->imag() * unit))}
                : picture.curve.back();
        stroke(from, to, kPhasorWhite);
        const double dx = to.x - from.x, dy = to.y - from.y, length = std::hypot(dx, dy);
        const double head = std::min(length / 3, layout.diameter / 10.0);
        if (head >= 2) {
            for (double turn : {0.45, -0.45}) {
                const double c = std::cos(turn), s = std::sin(turn);
                const double bx = -(dx * c - dy * s) / length * head, by = -(dx * s + dy * c) / length * head;
                stroke(to,
                       {to.x + static_cast<int>(std::lround(bx)), to.y + static_cast<int>(std::lround(by))},
                       kPhasorWhite);
            }
        }
    }
}

}  // namespace
