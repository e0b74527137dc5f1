#pragma once

// Glyphs - the simple line drawings on buttons, tabs and key chooser items.
//
// Each glyph is designed on a 20 x 20 grid; DrawGlyph scales it into a square box and snaps
// straight strokes to the pixel grid so small sizes stay crisp.

#include "Theme.h"

#include <cairo.h>

namespace clavora::assets {

enum class Glyph {
    // window frame and toolbars
    Close, Minimise, Globe, Plus, Trash, Pencil, Import, Export, Clock, ArrowUp, ArrowDown,
    ArrowLeft, ArrowRight, Folder, ChevronDown, ChevronUp,
    // media and launch functions
    PlayPause, Stop, Previous, Next, VolumeDown, VolumeUp, Mute, Mail, Calculator, Computer,
    Home, WebBack, WebForward, WebRefresh, WebStop, WebSearch, Favourites, MediaPlayer,
    // pages
    Keyboard, KeyCap, Macro, Light, Gear,
    // device state
    Usb, Bluetooth, Wireless, Lightning,
};

// Draws the glyph into the box (x, y, size, size); lineWidth is in pixels of the result.
void DrawGlyph(cairo_t* cr, Glyph glyph, double x, double y, double size, Rgba colour,
               double lineWidth = 2.0);

} // namespace clavora::assets
