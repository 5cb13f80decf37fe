// The page's picture, as the audience sees it (its own picture and its buttons and bars), copied to the
// clipboard as a device-independent bitmap (Ctrl+C) or saved as a PNG file in the user's Pictures folder
// by the system's own image encoder (Ctrl+S). A note in the program's language says what happened; nothing
// that goes wrong (no folder, a full disk, a clipboard held by another program) ends or harms the page.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The pixels of `page` as it shows them, composed from its own picture and its controls (not read from
// the screen), rows from the top, blue | green << 8 | red << 16; false when they cannot be had.
bool CapturePage(HWND page, std::vector<std::uint32_t>* pixels, int* width, int* height);

// Where Ctrl+S saves: the user's Pictures folder, unless a test names another (empty: Pictures again).
void SetPictureFolder(const std::wstring& folder);

// Ctrl+C and Ctrl+S on `page`, with their notes.
void CopyPicture(HWND page);
void SavePicture(HWND page);

// The file name a picture of `page_name` taken at `time` gets: "ZonaraEng axial 2026-12-07 09-41-05.png".
std::wstring PictureFileName(const std::wstring& program, const wchar_t* page_name, const SYSTEMTIME& time);
