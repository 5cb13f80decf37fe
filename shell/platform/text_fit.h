// Texts that must fit their places at every screen size. The pages lay their texts out in proportion to
// the screen, and fonts get their widths from the screen too; where a text would still not fit (a caption
// wider than its button, a label running into a picture, a control or another label), its font is shrunk,
// height and width together, just enough.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shell/text/font_size.h"

// One line of text as a page draws it: code page 1251, at (x, y) with `alignment` (TA_LEFT or TA_CENTER,
// the top at y).
struct PlacedLine {
    const std::string* text;
    int x;
    int y;
    UINT alignment;
};

// No limit but the drawing surface's own.
inline constexpr RECT kAnywhere{-(1 << 20), -(1 << 20), 1 << 20, 1 << 20};

// Whether the lines, drawn in `font`, keep their letters clear of each other and of `obstacles` and
// inside `limit`.
bool LinesFit(HDC context, HFONT font, const std::vector<PlacedLine>& lines, const RECT& limit,
              const std::vector<RECT>& obstacles);

// `font` (the font of `size`) where the lines fit in it, else a font shrunk from `size` just enough for
// LinesFit (never below half the size). Shrunk fonts are the page's kept fonts (KeptFont): not to be deleted.
HFONT FittingFont(HDC context, HFONT font, FontSize size, const std::vector<PlacedLine>& lines,
                  const RECT& limit, const std::vector<RECT>& obstacles);

// Draws the lines in FittingFont. Leaves `font` selected. Returns the black boxes of the letters drawn, for
// the texts drawn later to keep clear of.
std::vector<RECT> DrawFittedLines(HDC context, HFONT font, FontSize size,
                                  const std::vector<PlacedLine>& lines, const RECT& limit = kAnywhere,
                                  const std::vector<RECT>& obstacles = {});

// Whether every caption, in `font`, fits inside the button: within its client area less 4 pixels left
// and right and 2 at the top and bottom, where the edge and the focus frame are drawn. A multi-line
// button breaks a caption at its line feeds and between words.
bool CaptionsFit(HWND button, HFONT font, const std::vector<const std::string*>& captions);

// Gives the button `font` (made for `size`), or, where one of its captions would not fit, a font shrunk
// just enough for all of them (a kept font of the page).
void SetFittingButtonFont(HWND button, HFONT font, FontSize size,
                          const std::vector<const std::string*>& captions);

// The same for buttons that stand together (Start and Reset): one font for all of them, in which every
// caption of each fits its own button, so that the row looks even.
struct ButtonCaptions {
    HWND button;
    std::vector<const std::string*> captions;
};
void SetFittingButtonsFont(const std::vector<ButtonCaptions>& buttons, HFONT font, FontSize size);
