#pragma once

// The groups of skin pictures; each paints its files into the writer.

#include "AssetWriter.h"

namespace clavora::assets {

void PaintButtons(AssetWriter& out);        // push buttons, check and radio boxes, combo, spin
void PaintFrames(AssetWriter& out);         // backgrounds, caption, prompt, tips, edits, lists
void PaintIcons(AssetWriter& out);          // key chooser icons, tab and page icons, device state
void PaintColourPickers(AssetWriter& out);  // colour wheel, sliders, palette thumb
void PaintBranding(AssetWriter& out);       // logos, program icon, loading animations

} // namespace clavora::assets
