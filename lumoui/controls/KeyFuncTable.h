#pragma once

// The key chooser's built-in items: the row of media and browser icons, then a full-size
// keyboard row by row, left to right. Rects are in the chooser's own coordinates.

#include "lumoui/Types.h"

#include <string>
#include <vector>

namespace lumo {

struct KeyFuncEntry {
    std::string text;     // key label; empty for icon items
    int itemData = 0;     // HID keyboard usage, or 232-249 for the icon row
    CRect rect;
    std::string iconFile; // skin file of an icon item; empty for keys
};

const std::vector<KeyFuncEntry>& BuiltInKeyFuncItems();

} // namespace lumo
