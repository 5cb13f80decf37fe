// The entry point of both programs. ZONARA_RUSSIAN, set on the newZonara target, picks the Russian text
// set; everything else is the same source.
#include <windows.h>

#include "shell/application.h"
#include "shell/program.h"
#include "shell/text/text_set.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_mode) {
    PlugInPages();
#ifdef ZONARA_RUSSIAN
    return RunProgram(instance, show_mode, RussianTexts());
#else
    return RunProgram(instance, show_mode, EnglishTexts());
#endif
}
