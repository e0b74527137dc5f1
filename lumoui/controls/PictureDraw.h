#pragma once

// How a picture is fitted into a rect; shared by the picture controls.

#include "lumoui/Graphics.h"
#include "lumoui/MImage.h"

namespace lumo {

struct PictureFit {
    int mode = 0;       // 0 natural size, 1 tiled, 2 stretched, 3 nine-grid, 4 four-edge nine-grid, 5 custom part
    int edge = 0;       // mode 3
    int left = 0;       // mode 4
    int top = 0;
    int right = 0;
    int bottom = 0;
    CRect custom;       // mode 5: the part of the picture shown
    UINT hAlign = DT_LEFT;    // mode 0
    UINT vAlign = DT_VCENTER; // mode 0
};

// Draws the source rect `src` of the image (one slice) into `dest` as `fit` says. Modes
// outside 0-5 draw nothing.
void DrawPicture(HDC dc, const MImage* image, const CRect& src, const CRect& dest, const PictureFit& fit, int frame = 0);

} // namespace lumo
