#pragma once

// The translucent area fill: a colour laid over the window picture with an alpha that runs
// row by row from the top transparency to the bottom one (both in percent).

#include "lumoui/Graphics.h"

namespace lumo {

// With e = 255 - min(t, b) * 255 / 100 and f = (100 - max(t, b)) * 255 / 100 (integers) and
// step = (e - f) / rows: row i gets e - i * step when t < b, else f + i * step (truncated).
int AreaRowAlpha(int top, int bottom, int row, int rows);

// Fills `rect`: blended row by row when either transparency is non-zero; otherwise opaque,
// and with a frame: the frame colour, then the fill inset by one pixel.
void DrawAreaFill(HDC dc, const CRect& rect, int top, int bottom, COLORREF colour, bool frame, ARGB frameColour);

} // namespace lumo
