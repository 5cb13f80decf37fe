// The page's picture and handing it on. The picture is composed from what the page itself draws (its own
// picture, then its controls painted where they stand), never read from the screen: whatever overlaps the
// page (the help, a note, a notification, another program's window) cannot get into it, with or without
// desktop composition.
#include "shell/picture_export.h"

#include <shlobj.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "shell/application.h"
#include "shell/help_and_notes.h"
#include "shell/platform/resource_failures.h"
#include "shell/text/cp1251.h"

namespace {

using Microsoft::WRL::ComPtr;

const wchar_t* const kPageNames[kPageKindCount] = {L"start", L"authors", L"pattern", L"axial", L"radial"};

std::wstring picture_folder;  // empty: the user's Pictures

// The folder a picture is saved in, made where it is missing; empty when there is none.
std::wstring PictureFolder() {
    if (!picture_folder.empty()) return picture_folder;
    PWSTR folder = nullptr;
    std::wstring path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, KF_FLAG_CREATE, nullptr, &folder))) path = folder;
    CoTaskMemFree(folder);
    return path;
}

const wchar_t* PageName(HWND page) {
    wchar_t name[100] = {};
    GetClassNameW(page, name, 100);
    for (int kind = 0; kind < kPageKindCount; ++kind)
        if (lstrcmpW(name, app.class_names[kind]) == 0) return kPageNames[kind];
    return L"page";
}

// Rows of three bytes a pixel (blue, green, red), each padded to four bytes: the layout of a 24-bit DIB
// (rows from the bottom) and of WIC's 24bppBGR (rows from the top).
constexpr int Stride(int width) {
    return (width * 3 + 3) / 4 * 4;
}
std::vector<std::uint8_t> Rows24(const std::vector<std::uint32_t>& pixels, int width, int height,
                                 bool bottom_up) {
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(Stride(width)) * height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* out =
            rows.data() + static_cast<std::size_t>(bottom_up ? height - 1 - y : y) * Stride(width);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
            out[3 * x] = static_cast<std::uint8_t>(p), out[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
            out[3 * x + 2] = static_cast<std::uint8_t>(p >> 16);
        }
    }
    return rows;
}

// A control painted into `scratch` at its origin, `width` x `height`: asked to print itself, and where it
// does not (Wine's scroll bar answers WM_PRINT with nothing), to paint into the context its WM_PAINT is
// given, as controls also accept. False when it painted nothing either way.
bool PrintControl(HWND control, Surface* scratch, int width, int height) {
    constexpr std::uint32_t kUntouched = 0x00FE01FD;  // a colour no control paints
    const auto painted = [&] {
        const std::uint32_t* words = SurfacePixels(scratch);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (words[static_cast<std::size_t>(y) * scratch->width + x] != kUntouched) return true;
        return false;
    };
    std::uint32_t* words = SurfacePixels(scratch);
    std::fill(words, words + static_cast<std::size_t>(scratch->width) * scratch->height, kUntouched);
    const WPARAM context = reinterpret_cast<WPARAM>(scratch->context);
    SendMessageW(control, WM_PRINT, context, PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    if (painted()) return true;
    SendMessageW(control, WM_PAINT, context, 0);
    return painted();
}

enum class Handed { kDone, kBusy, kFailed };

Handed ToClipboard(HWND page, const std::vector<std::uint32_t>& pixels, int width, int height) {
    const std::vector<std::uint8_t> rows = Rows24(pixels, width, height, true);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + rows.size());
    if (memory == nullptr) return Handed::kFailed;
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(memory));
    if (header == nullptr) {
        GlobalFree(memory);
        return Handed::kFailed;
    }
    *header = {sizeof(BITMAPINFOHEADER),        width, height, 1, 24, BI_RGB,
               static_cast<DWORD>(rows.size()), 0,     0,      0, 0};
    std::copy(rows.begin(), rows.end(), reinterpret_cast<std::uint8_t*>(header + 1));
    GlobalUnlock(memory);
    // Another program may hold the clipboard for a moment.
    bool open = false;
    for (int attempt = 0; attempt < 10 && !(open = OpenClipboard(page)); ++attempt) Sleep(20);
    if (!open) {
        GlobalFree(memory);
        return Handed::kBusy;
    }
    EmptyClipboard();
    const bool set = SetClipboardData(CF_DIB, memory) != nullptr;  // the clipboard owns it from now on
    CloseClipboard();
    if (!set) GlobalFree(memory);
    return set ? Handed::kDone : Handed::kFailed;
}

// The pixels as a PNG file at `path`, by the Windows Imaging Component.
bool WritePng(const std::wstring& path, const std::vector<std::uint32_t>& pixels, int width, int height) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool written = false;
    {
        // The interfaces are released as they go out of scope, before COM is left.
        ComPtr<IWICImagingFactory> factory;
        ComPtr<IWICStream> stream;
        ComPtr<IWICBitmapEncoder> encoder;
        ComPtr<IWICBitmapFrameEncode> frame;
        std::vector<std::uint8_t> rows = Rows24(pixels, width, height, false);
        WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
        written =
            SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_PPV_ARGS(factory.GetAddressOf()))) &&
            SUCCEEDED(factory->CreateStream(stream.GetAddressOf())) &&
            SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
            SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.GetAddressOf())) &&
            SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
            SUCCEEDED(encoder->CreateNewFrame(frame.GetAddressOf(), nullptr)) &&
            SUCCEEDED(frame->Initialize(nullptr)) && SUCCEEDED(frame->SetSize(width, height)) &&
            SUCCEEDED(frame->SetPixelFormat(&format)) && IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
            SUCCEEDED(
                frame->WritePixels(height, Stride(width), static_cast<UINT>(rows.size()), rows.data())) &&
            SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    }
    if (SUCCEEDED(com)) CoUninitialize();
    if (!written) DeleteFileW(path.c_str());  // no half-written file is left behind
    return written;
}

std::wstring ProgramName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    return name.substr(0, name.find_last_of(L'.'));
}

// A file name in the notes' code page (a program renamed "Зоны Френеля.exe" keeps its letters).
std::string Narrow(const std::wstring& text) {
    return Utf16ToCp1251(std::u16string(text.begin(), text.end()));
}

}  // namespace

bool CapturePage(HWND page, std::vector<std::uint32_t>* pixels, int* width, int* height) {
    RECT client{};
    GetClientRect(page, &client);
    *width = client.right, *height = client.bottom;
    if (*width <= 0 || *height <= 0) return false;
    // The visible controls where they stand on the page; each paints itself into a scratch picture at its
    // own origin (the controls clip their painting to their client area in device coordinates, so they
    // cannot paint at an offset), which is then copied to its place.
    std::vector<std::pair<HWND, RECT>> controls;
    int largest_width = 0, largest_height = 0;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, page, reinterpret_cast<POINT*>(&r), 2);
        controls.push_back({child, r});
        largest_width = std::max<int>(largest_width, r.right - r.left);
        largest_height = std::max<int>(largest_height, r.bottom - r.top);
    }
    Surface* picture = CreateSurface(page, *width, *height, kBlack);
    Surface* scratch = CreateSurface(page, largest_width, largest_height, kBlack);
    const bool made = picture->pixels != nullptr && (controls.empty() || scratch->pixels != nullptr);
    if (made) {
        SendMessageW(page, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture->context), PRF_CLIENT);
        for (const auto& [control, r] : controls) {
            if (PrintControl(control, scratch, r.right - r.left, r.bottom - r.top))
                CopyBlock(picture->context, r.left, r.top, r.right - r.left, r.bottom - r.top,
                          scratch->context, 0, 0);
        }
        const std::uint32_t* words = SurfacePixels(picture);
        pixels->assign(words, words + static_cast<std::size_t>(*width) * *height);
        for (std::uint32_t& p : *pixels) p &= 0x00FFFFFF;
    }
    DestroySurface(scratch);
    DestroySurface(picture);
    // A picture that could not be made concerns the picture alone, not the page: the note says so.
    TakeResourceFailure();
    return made;
}

std::wstring PictureFileName(const std::wstring& program, const wchar_t* page_name, const SYSTEMTIME& t) {
    wchar_t stamp[40] = {};
    std::swprintf(stamp, 40, L"%04u-%02u-%02u %02u-%02u-%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    return program + L" " + page_name + L" " + stamp + L".png";
}

void CopyPicture(HWND page) {
    std::vector<std::uint32_t> pixels;
    int width = 0, height = 0;
    const TextSet& t = *app.texts;
    const Handed handed = CapturePage(page, &pixels, &width, &height)
                              ? ToClipboard(page, pixels, width, height)
                              : Handed::kFailed;
    ShowNote(page, handed == Handed::kDone   ? t.copied_note
                   : handed == Handed::kBusy ? t.clipboard_busy
                                             : t.copy_failed);
}

void SetPictureFolder(const std::wstring& folder) {
    picture_folder = folder;
}

void SavePicture(HWND page) {
    std::vector<std::uint32_t> pixels;
    int width = 0, height = 0;
    const TextSet& t = *app.texts;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const std::wstring name = PictureFileName(ProgramName(), PageName(page), now);
    const std::wstring folder = PictureFolder();
    const bool saved = !folder.empty() && CapturePage(page, &pixels, &width, &height) &&
                       WritePng(folder + L"\\" + name, pixels, width, height);
    ShowNote(page, saved ? t.saved_note + Narrow(name) : t.save_failed);
}
