// Start-up and the message loop.
#include "shell/program.h"

#include "shell/application.h"
#include "shell/lecture_key_dispatch.h"
#include "shell/monitors.h"
#include "shell/resource_ids.h"

void StartApplication(HINSTANCE instance, int show_mode, const TextSet& texts) {
    app.instance = instance;
    app.show_mode = show_mode;
    app.texts = &texts;
    for (int kind = 0; kind < kPageKindCount; ++kind) {
        LoadStringW(instance, kClassStringIds[kind], app.class_names[kind], 100);
    }
    ReadScreenSize();
    RegisterPageClasses();
}

void ProcessMessage(const MSG& message) {
    if (!HandleLectureKey(message)) {
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
    StartApplication(instance, show_mode, texts);
    // A program that cannot show its first page has failed, and says so to whoever started it.
    if (OpenFirstPage() != 0) return -1;
    return RunMessageLoop();
}
