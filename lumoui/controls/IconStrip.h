#pragma once

// Small image strips that controls draw beside their text (an edit's button icon, a logon
// field's logo): loaded from the window's image cache, one slice per state.

#include "lumoui/Graphics.h"
#include "lumoui/MImage.h"

#include <string>

namespace lumo {

class PaintManager;

struct IconStrip {
    MImagePtr image;
    CSize size; // of one slice
    int count = 0;

    // From the skin folder through the window's cache; false (and unchanged) when the file
    // cannot be loaded or there is no window yet.
    bool Load(PaintManager* manager, const std::string& fileName, int slices);
    bool IsSet() const { return image && size.cx > 0; }
    // Slice `slice` (the last one when the strip is shorter) at its size, top-left at `at`.
    void Draw(HDC hdc, int slice, CPoint at) const;
};

} // namespace lumo
