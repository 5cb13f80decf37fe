// The Menu, Start and Reset buttons of the axial and the radial screen: their captions, and fonts in which
// every caption fits.
#pragma once

#include "shell/platform/platform.h"
#include "shell/text/font_size.h"

// The Menu (app.menu_button), Start and Reset buttons: their captions, and the page font (app.page_font,
// made for `size`) or, where a caption would not fit, a font shrunk to fit it; the Start button's font fits
// all three of its captions. Shrunk fonts are the page's kept fonts.
void SetAnimatedScreenButtons(PushButton* start, PushButton* reset, FontSize size);
