#pragma once

// Painting helpers shared by every generated picture: pixel-exact rounded plates, lines,
// text and horizontal state strips.

#include "Canvas.h"
#include "Theme.h"

#include <cairo.h>

#include <functional>
#include <string>

namespace clavora::assets {

struct PlateStyle {
    Rgba top;        // fill at the top edge
    Rgba bottom;     // fill at the bottom edge
    Rgba border;     // 1-pixel outline; alpha 0 for none
    Rgba highlight;  // 1-pixel line just inside the top edge; alpha 0 for none
};

// The plates of the four button states, from quiet to pressed: plain controls, the blue
// action button and the borderless frame buttons.
PlateStyle ControlPlate(int state);
PlateStyle ActionPlate(int state);
PlateStyle GhostPlate(int state);
// Colour of a glyph drawn on a plate of the given state.
Rgba GlyphColour(int state);

void SetSource(cairo_t* cr, Rgba c);
void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
void FillRect(cairo_t* cr, double x, double y, double w, double h, Rgba c);
// A rounded plate that fills the box (x, y, w, h) exactly, its outline on the outermost pixels.
void PaintPlate(cairo_t* cr, int x, int y, int w, int h, double radius, const PlateStyle& style);
// Crisp 1-pixel lines covering whole pixels.
void HLine(cairo_t* cr, int x0, int x1, int y, Rgba c);
void VLine(cairo_t* cr, int x, int y0, int y1, Rgba c);

struct TextStyle {
    std::string family = "Liberation Sans, Arial, DejaVu Sans";
    double pixelSize = 12;
    bool bold = false;
    bool italic = false;
    Rgba colour = theme::kText;
    double letterSpacing = 0;  // pixels
};

// Text centred in the box; returns false when it does not fit the box's width.
bool DrawTextCentred(cairo_t* cr, const std::string& utf8, const TextStyle& style,
                     double x, double y, double w, double h);
// Text centred in the box at the largest size from style.pixelSize down to minSize that fits
// on one line; longer text wraps at minSize. Clipped to the box.
void DrawTextFitted(cairo_t* cr, const std::string& utf8, TextStyle style, double minSize,
                    double x, double y, double w, double h);
// Width of the text in pixels.
double MeasureText(cairo_t* cr, const std::string& utf8, const TextStyle& style);

// A strip of `count` slices side by side; `paint` draws slice i into (0, 0, w, h),
// clipped to the slice.
Canvas MakeStrip(int sliceWidth, int sliceHeight, int count,
                 const std::function<void(cairo_t*, int slice)>& paint);

} // namespace clavora::assets
