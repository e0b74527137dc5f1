#pragma once

// Stateless drawing helpers used by the paint manager and the controls.
//   1. images: loading, resources, drawing, nine-grid frames
//   2. fills, gradients, rectangles and round rectangles
//   3. text: drawing and measuring
//   4. surfaces: copies, blends, files
//
// Colours are plain ARGB (0xAARRGGBB). Rects are in the HDC's user coordinates (window
// client coordinates for the window bitmap).

#include "lumoui/Graphics.h"
#include "lumoui/MImage.h"

#include <string>

namespace lumo {

class MRender {
public:
    MRender() = delete;

    // 1. Images ---------------------------------------------------------------------------
    static MImagePtr LoadImageFromFile(const std::string& path);
    // Toolkit image resources are PNG files named by number in the skin folder's "res/"
    // folder: resource 102 of type "PNG" is skins/theme1/res/102.png.
    static std::string GetResourcePath(UINT resourceID, const std::string& type = "PNG");
    static MImagePtr LoadImageFromIDResource(UINT resourceID, const std::string& type = "PNG");
    // The icon of a file: an image file's picture; null for anything else.
    static MImagePtr LoadIconFromFile(const std::string& path);
    static bool CreateARGB32Bitmap(MemDC& dc, int cx, int cy);

    // Draws the source rect of a frame scaled into dest, with an extra opacity (0..1).
    static void DrawImage(HDC hdc, const MImage* image, const CRect& dest, int srcX, int srcY, int srcW, int srcH,
        int frame = 0, double opacity = 1.0);
    // The whole frame at its natural size with its top-left corner at (x, y).
    static void DrawImage(HDC hdc, const MImage* image, int x, int y, int frame = 0);
    // Repeats the whole frame from dest's top-left corner, cutting the last row and column.
    static void DrawImageTiled(HDC hdc, const MImage* image, const CRect& dest, int frame = 0);
    // Nine-grid: the four edge x edge corners unscaled, the edges stretched along their
    // length, the centre stretched both ways.
    static void DrawImageFrame(HDC hdc, const MImage* image, const CRect& dest, int srcX, int srcY, int srcW, int srcH,
        int edge, int frame = 0);
    // Nine-grid with four separate edges.
    static void DrawImageFrameMID(HDC hdc, const MImage* image, const CRect& dest, int srcX, int srcY, int srcW,
        int srcH, int left, int top, int right, int bottom, int frame = 0);

    // 2. Fills and shapes -------------------------------------------------------------------
    // Replaces the pixels of the rect with the colour (alpha included), as a bitmap fill does.
    static void FillSolidRect(HDC hdc, const CRect& rect, ARGB color);
    // Blends the colour over the rect.
    static void DrawColor(HDC hdc, const CRect& rect, ARGB color);
    static void DrawGradient(HDC hdc, const CRect& rect, ARGB from, ARGB to, bool vertical);
    static void DrawVerticalTransition(HDC hdc, const CRect& rect, ARGB top, ARGB bottom);
    static void DrawHorizontalTransition(HDC hdc, const CRect& rect, ARGB left, ARGB right);
    static void DrawRightBottomTransition(HDC hdc, const CRect& rect, ARGB topLeft, ARGB bottomRight);
    // Outline just inside the rect.
    static void DrawRectangle(HDC hdc, const CRect& rect, ARGB color, double penWidth = 1.0);
    // Outline of four lines and four quarter-circle corners of the given radius.
    static void DrawRoundRectange(HDC hdc, int x, int y, int w, int h, int radius, ARGB color);
    // Corners are quarter ellipses with radii w / divisor / 2 and h / divisor / 2 (both the
    // smaller one when they differ by more than 10); filled first when `fill`, then outlined.
    static void DrawRoundRectange(HDC hdc, int x, int y, int w, int h, int divisor, ARGB pen, float penWidth, bool fill,
        ARGB fillColor);

    // 3. Text -------------------------------------------------------------------------------
    static void DrawTextW(HDC hdc, const std::string& text, const MFont& font, const CRect& rect, ARGB color,
        const StringFormat& format);
    // Size of a single line (no wrapping).
    static CSize GetTextBounds(const std::string& text, const MFont& font);
    // Size when wrapped at maxWidth (unless flags hold NoWrap).
    static CSize GetTextBounds(const std::string& text, const MFont& font, int maxWidth, UINT flags);
    // The rect the text takes when drawn into `layout` with `format`.
    static CRect GetTextBounds(const std::string& text, const MFont& font, const CRect& layout,
        const StringFormat& format);
    // Top-left corner of a box of `size` placed in `box` by DT_ alignments.
    static CPoint GetOriginPoint(const CRect& box, CSize size, UINT hAlign, UINT vAlign);
    // Makes a font file available by its family name for this process.
    static bool RegisterFontFile(const std::string& path);

    // 4. Surfaces ---------------------------------------------------------------------------
    // Copies pixels (no blending) from src at (srcX, srcY) to the HDC at (x, y).
    static void BitBlt(HDC hdc, int x, int y, int cx, int cy, cairo_surface_t* src, int srcX, int srcY);
    // Blends src over the HDC with a constant alpha (0..255) on top of src's own alpha.
    static void AlphaBlend(HDC hdc, int x, int y, int cx, int cy, cairo_surface_t* src, int srcX, int srcY,
        uint8_t alpha);
    // The surface an HDC draws into.
    static cairo_surface_t* GetTarget(HDC hdc) { return hdc ? cairo_get_target(hdc) : nullptr; }
    static bool SaveBitmapToFile(cairo_surface_t* surface, const std::string& path);
};

} // namespace lumo
