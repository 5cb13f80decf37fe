// Where GDI puts the ink of a text: the black box of each letter, for the text-fit checks of the pages and
// for the recorder of drawn texts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The width GDI gives a UTF-16 text in the context's font.
int TextWidth(HDC context, const wchar_t* text, int length);

// The black boxes of the letters of a text drawn at (x, y) with the context's font and alignment (top or
// baseline, left, centre or right), each letter placed where GDI places it. A turned font gives the
// turned box of the whole text instead.
std::vector<RECT> LetterBoxes(HDC context, int x, int y, const std::wstring& text);
