// The panel's pixels go into the frame in one transfer; its two texts are drawn over them.
#include "screens/zones/phasor_panel.h"

#include "numerics/spectral_ramp.h"
#include "screens/zones/beam_objects.h"
#include "screens/zones/zone_picture_model.h"
#include "shell/platform/platform.h"
#include "shell/platform/text_fit.h"
#include "shell/text/label_text.h"

namespace {

std::uint32_t Word(const unsigned char* rgb) {
    return static_cast<std::uint32_t>(rgb[2]) | static_cast<std::uint32_t>(rgb[1]) << 8 |
           static_cast<std::uint32_t>(rgb[0]) << 16;
}

}  // namespace

void DrawPhasorPanel(HDC frame, PhasorPicture* kept, const PhasorPanelLayout& panel, const PhasorView& view,
                     double lambda, FontSize page_font, const std::string& title) {
    const Rect& box = panel.box;
    if (box.width <= 0 || box.height <= 0) return;
    // The zones' colours as the zone picture paints them: odd zones the third of three ramp entries,
    // even zones the second.
    unsigned char ramp[9] = {};
    numerics::FillSpectralRamp(ramp, 3, ZoneColourNanometres(lambda));
    PhasorPicture& picture = *kept;
    DrawPhasorPicture(panel, view, Word(ramp + 6), Word(ramp + 3), &picture);
    if (picture.pixels.empty()) return;  // no memory for it: the failure is noted
    DrawPixels(frame, box.x, box.y, box.width, box.height, picture.pixels.data());

    const FontSize size{panel.text_height,
                        std::max(1, page_font.width * panel.text_height / page_font.height), 400};
    HFONT font = KeptFont(size.height, size.width, size.weight);
    HGDIOBJ previous = SelectObject(frame, font);
    const UINT previous_alignment = GetTextAlign(frame);
    // Transparent whatever the frame's context had: a page made again draws its panel first.
    PrepareText(frame, previous_alignment);
    SetTextColour(frame, kWhite);
    const LabelTextPtr number =
        view.rounded ? RoundedLabel(2, picture.intensity) : FixedLabel(2, picture.intensity);
    const LabelTextPtr value = JoinLabels(MakeLabel("I = ").get(), number.get(), MakeLabel("").get());
    const std::string intensity(value->text, value->length);
    const int x = box.x + box.width / 2;
    const RECT inside{box.x, box.y, box.x + box.width, box.y + box.height};
    DrawFittedLines(
        frame, font, size,
        {{&title, x, box.y, TA_CENTER}, {&intensity, x, box.y + box.height - panel.text_height, TA_CENTER}},
        inside);
    SetTextColour(frame, kBlack);
    SetTextAlign(frame, previous_alignment);
    SelectObject(frame, previous);
}
