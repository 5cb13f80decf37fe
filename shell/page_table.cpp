// The pages of the program, one line each: the page's class registration and its creation function. A
// page missing here has no class, and a button that would open it does nothing. The one file of the shell
// that names the pages; compiled into the programs and the page tests.
#include "screens/axial/axial_screen.h"
#include "screens/pattern/pattern_screen.h"
#include "screens/radial/radial_screen.h"
#include "shell/application.h"
#include "shell/pages/authors_page.h"
#include "shell/pages/start_page.h"

void PlugInPages() {
    PlugInPage(kStartPage, RegisterStartPageClass, CreateStartPage);
    PlugInPage(kAuthorsPage, RegisterAuthorsPageClass, CreateAuthorsPage);
    PlugInPage(kAxialScreen, RegisterAxialScreenClass, CreateAxialScreen);
    PlugInPage(kPatternScreen, RegisterPatternScreenClass, CreatePatternScreen);
    PlugInPage(kRadialScreen, RegisterRadialScreenClass, CreateRadialScreen);
}
