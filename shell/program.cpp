// Start-up and the message loop.
#include "shell/program.h"

#include "shell/application.h"
#include "shell/help_and_notes.h"
#include "shell/keep_awake.h"
#include "shell/lecture_key_dispatch.h"
#include "shell/monitors.h"
#include "shell/resource_ids.h"
#include "shell/single_copy.h"

namespace {

// The program's name, by its text set: what a second copy of it looks for.
const wchar_t* ProgramName(const TextSet& texts) {
    return texts.language == TextLanguage::kRussian ? L"newZonara" : L"ZonaraEng";
}

}  // namespace

void StartApplication(HINSTANCE instance, int show_mode, const TextSet& texts) {
    app.instance = instance;
    app.program = ProgramName(texts);
    app.show_mode = show_mode;
    app.texts = &texts;
    for (int kind = 0; kind < kPageKindCount; ++kind) {
        LoadStringW(instance, kClassStringIds[kind], app.class_names[kind], 100);
    }
    ReadScreenSize();
    RegisterPageClasses();
}

void ProcessMessage(const MSG& message) {
    if (!TakeClickForHelp(message) && !HandleLectureKey(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    RecoverFromResourceFailure();
}

int RunMessageLoop() {
    MSG message{};
    BOOL got;
    // GetMessageW answers -1 on an error; treating that as a message would spin forever.
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) ProcessMessage(message);
    return got == 0 ? static_cast<int>(message.wParam) : -1;
}

int RunProgram(HINSTANCE instance, int show_mode, const TextSet& texts) {
    // A second start brings the running copy forward, and is done.
    if (HandOverToRunningCopy(ProgramName(texts))) return 0;
    StartApplication(instance, show_mode, texts);
    // A program that cannot show its first page has failed, and says so to whoever started it.
    if (OpenFirstPage() != 0) return -1;
    const int code = RunMessageLoop();
    StopKeepingAwake();
    return code;
}
