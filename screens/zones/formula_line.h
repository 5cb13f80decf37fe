// The formula line of the animated screens: "Sum of contributions E = [Σ] Cn * En ...", with the sum sign
// placed from measured text into the run of spaces after the "=".
#pragma once

#include <windows.h>

#include <string>

// The sign's left edge for a caption drawn at x in the context's selected font: the sign is centred
// between the end of the "=" and the next letter.
int SumSignX(HDC context, int x, const std::string& caption);

// Draws the caption (left-aligned) at (x, y) and the sum sign, Σ, in its gap.
void DrawFormulaLine(HDC context, int x, int y, const std::string& caption);
