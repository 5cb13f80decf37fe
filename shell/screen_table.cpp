// The demonstration screens behind the start page's buttons 203, 204 and 213, one line each: the
// screen's class registration and its creation function. A screen missing here has no class and its
// button does nothing. Compiled into the programs only, so test binaries can plug in screens of their
// own.
#include "screens/axial/axial_screen.h"
#include "screens/pattern/pattern_screen.h"
#include "screens/radial/radial_screen.h"
#include "shell/application.h"

void PlugInScreens() {
    PlugInScreen(kAxialScreen, RegisterAxialScreenClass, CreateAxialScreen);
    PlugInScreen(kPatternScreen, RegisterPatternScreenClass, CreatePatternScreen);
    PlugInScreen(kRadialScreen, RegisterRadialScreenClass, CreateRadialScreen);
}
