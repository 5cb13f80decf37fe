// The table of pages, navigation and failure recovery.
#include "shell/application.h"

#include "shell/platform/resource_failures.h"

ApplicationState app{};

namespace {

struct PagePlug {
    ClassRegistration registration;
    PageCreation creation;
};

PagePlug pages[kPageKindCount] = {};

void ShowMessageBox(const wchar_t* message, const wchar_t* caption) {
    MessageBoxW(nullptr, message, caption, MB_OK | MB_ICONERROR);
}

StartFailureReport start_failure_report = ShowMessageBox;

// A page that replaces a minimised one is minimised too; the lecturer restores it.
void ShowNextPageAs(HWND current) {
    if (current != nullptr && IsIconic(current)) app.show_mode = SW_SHOWMINNOACTIVE;
}

// Tears down and destroys the open page, whatever part of it exists.
void ClosePage() {
    HWND window = app.page_window;
    if (window == nullptr) return;
    ShowNextPageAs(window);
    app.page_window = nullptr;
    if (app.page_teardown != nullptr) app.page_teardown();
    DestroyWindow(window);
}

void ReportStartFailure() {
    start_failure_report(Widen(app.texts->start_failure).c_str(), Widen(app.texts->program_name).c_str());
}

}  // namespace

void PlugInPage(PageKind kind, ClassRegistration registration, PageCreation creation) {
    pages[kind] = PagePlug{registration, creation};
}

void RegisterPageClasses() {
    for (const PagePlug& page : pages) {
        if (page.registration != nullptr) page.registration();
    }
}

PageCreation PageCreationOf(PageKind kind) {
    return pages[kind].creation;
}

void LeavePage(HWND current, void (*teardown)(), PageCreation create) {
    ShowNextPageAs(current);
    teardown();
    app.page_window = nullptr;
    if (create() == 0) NoteResourceFailure();  // not even its window
    DestroyWindow(current);
    RecoverFromResourceFailure();
}

void RemakePage(const std::function<void()>& undo) {
    HWND current = app.page_window;
    const PageCreation create = app.page_creation;
    if (current == nullptr || create == nullptr) return;
    app.rebuilding = true;
    ShowNextPageAs(current);
    app.page_teardown();
    app.page_window = nullptr;
    if (create() == 0) NoteResourceFailure();
    if (TakeResourceFailure()) {
        ClosePage();
        if (undo) undo();
        if (create() == 0) NoteResourceFailure();
    }
    DestroyWindow(current);
    app.rebuilding = false;
    RecoverFromResourceFailure();
}

int OpenStartPage() {
    const PageCreation start = PageCreationOf(kStartPage);
    return start != nullptr ? start() : 0;
}

void SetStartFailureReport(StartFailureReport report) {
    start_failure_report = report != nullptr ? report : ShowMessageBox;
}

void RecoverFromResourceFailure() {
    // The start page is tried a few times: a short spell of scarcity may pass.
    for (int attempt = 0; attempt < 3 && TakeResourceFailure(); ++attempt) {
        ClosePage();
        app.resource_notice = true;
        if (OpenStartPage() == 0) NoteResourceFailure();
    }
    if (!TakeResourceFailure()) return;
    ClosePage();
    ReportStartFailure();
    PostQuitMessage(-1);
}

int OpenFirstPage() {
    if (OpenStartPage() != 0 && !TakeResourceFailure()) return 0;
    ClosePage();
    ReportStartFailure();
    return -1;
}
