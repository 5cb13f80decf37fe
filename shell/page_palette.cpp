// The palette of the open page.
#include "shell/page_palette.h"

#include "shell/application.h"
#include "shell/monitors.h"

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
    MakePageAgain(MonitorChoice::kWindow);
}
