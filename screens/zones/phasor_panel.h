// The phasor diagram panel drawn into a frame of the axial or the radial screen (PhasorPanelLayout and
// PhasorPicture are its pure model): the picture of the step, its title and the intensity, in white.
#pragma once

#include <windows.h>

#include <string>

#include "numerics/zone_series.h"
#include "screens/zones/phasor_panel_model.h"
#include "shell/text/font_size.h"

// `view` is the object's phasor at the sample the plot marks (ObjectPhasorView); `lambda` gives the zones'
// colours; the texts use a font of the page font's proportions (`page_font`). The intensity is shown as the
// aperture's labels show values, truncated, or for the disc and the plate rounded to the hundredth.
// `kept` is the screen's picture, whose pixels serve every step.
void DrawPhasorPanel(HDC frame, PhasorPicture* kept, const PhasorPanelLayout& panel, const PhasorView& view,
                     double lambda, FontSize page_font, const std::string& title);
