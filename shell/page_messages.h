// The messages the shell sends a page for a lecture key, beside the clicks it stands for.
#pragma once

#include <windows.h>

// The message a page that has a wavelength control receives for a Left or Right key: the first
// parameter is the scroll code of the line step (SB_LINEUP or SB_LINEDOWN). The page applies it to its
// wavelength control as if the control's arrow had been clicked.
constexpr UINT kWavelengthKeyMessage = WM_APP + 1;

// The message the axial and the radial screen receive for the V key: the phasor diagram panel is shown
// or hidden (app.phasor_panel), at once on the step the screen shows.
constexpr UINT kPhasorKeyMessage = WM_APP + 2;

// Key M: the page moves to the next monitor (shell/monitors.h handles it).
constexpr UINT kMonitorKeyMessage = WM_APP + 3;
