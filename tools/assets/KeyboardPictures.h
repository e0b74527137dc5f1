#pragma once

// Keyboard pictures: one per layout file, drawn from the file's own key rectangles so that
// the keys the program lays over the picture always sit on the drawn key caps.

#include "AssetWriter.h"
#include "KeyboardLayout.h"

#include <string>

namespace clavora::assets {

// Draws the picture of every *.xml layout in the folder into keyboard/<image>.
void PaintKeyboardPictures(AssetWriter& out, const std::string& layoutFolder);

// The picture of one layout.
Canvas DrawKeyboardPicture(const KeyboardLayout& layout);

} // namespace clavora::assets
