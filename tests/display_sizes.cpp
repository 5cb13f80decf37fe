// Display changes for the Windows tests, through the shell's replaceable screen size source.
#include "tests/display_sizes.h"

#include "shell/application.h"
#include "tests/page_driver.h"

namespace {

DisplaySize shown{1920, 1080};

ScreenSize ShownSize() {
    return {shown.width, shown.height};
}

}  // namespace

const std::vector<DisplaySize>& LectureDisplaySizes() {
    static const std::vector<DisplaySize> sizes = {{640, 480},   {800, 600},   {1024, 768},  {1280, 720},
                                                   {1366, 768},  {1920, 1080}, {1920, 1200}, {2560, 1440},
                                                   {3840, 2160}, {768, 1024},  {1080, 1920}};
    return sizes;
}

std::string SizeName(DisplaySize size) {
    return std::to_string(size.width) + " x " + std::to_string(size.height);
}

void UseDisplaySize(DisplaySize size) {
    shown = size;
    SetScreenSizeSource(ShownSize);
}

HWND ChangeDisplay(HWND page, DisplaySize size) {
    UseDisplaySize(size);
    SendMessageW(page, WM_DISPLAYCHANGE, 32, MAKELPARAM(size.width, size.height));
    Pump();
    const std::vector<HWND> pages = PageWindows();
    return pages.size() == 1 ? pages.front() : nullptr;
}
