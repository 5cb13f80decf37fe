// The palette of the open page.
#include "shell/page_palette.h"

#include "shell/application.h"

const Palette& CurrentPalette() {
    return app.projector_palette ? kProjectorPalette : kClassicPalette;
}

HPEN CurvePen() {
    return KeptPen(CurrentPalette().line_width, CurrentPalette().curve);
}

HPEN InkPen() {
    return KeptPen(CurrentPalette().line_width, CurrentPalette().ink);
}

void SwitchPalette() {
    app.projector_palette = !app.projector_palette;
    // A page that cannot be made in the new palette is made again in the old one.
    RemakePage([] { app.projector_palette = !app.projector_palette; });
}
