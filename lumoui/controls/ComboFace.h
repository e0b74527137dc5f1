#pragma once

// The drawn face shared by the combo box and the colour combo: the control's slice as a
// nine-grid whose right edge is the arrow part, or a plain box with a drawn arrow when no
// image is set; cached as four state slots side by side.

#include "lumoui/MControlFont.h"

namespace lumo::comboface {

constexpr int kStates = 4;
constexpr int kEdgeLeft = 10;
constexpr int kEdgeTop = 10;
constexpr int kEdgeRight = 36; // the arrow part of the picture
constexpr int kEdgeBottom = 10;
constexpr int kArrowWidth = 30;

// Slot `state` (the window background is in `dest` already).
void DrawFace(const MControlFont& control, HDC hdc, int state, const CRect& dest, COLORREF back);
// Rebuilds the control's four-slot cache when stale and copies the slot of `state`.
void DrawCachedFace(MControlFont& control, HDC& hdc, int state);
// The plain box of a drawn field: back colour and a border that follows the state.
void DrawPlainBox(HDC hdc, int state, const CRect& dest, COLORREF back);

} // namespace lumo::comboface
