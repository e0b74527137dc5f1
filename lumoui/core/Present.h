#pragma once

// Shows part of an off-screen bitmap in a window through the window system's backend.

#include "lumoui/Graphics.h"

namespace lumo {

void PresentToWindow(HWND hwnd, const MemDC& dc, const CRect& rect, bool layered, COLORREF back);

} // namespace lumo
