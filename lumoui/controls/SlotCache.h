#pragma once

// The cached drawing most state-strip controls share: the cache holds one rendering per
// state side by side, each drawn over the window picture under the control, and is rebuilt
// only when the control was marked stale or changed size. The slot of the current state is
// copied to the window, so a state change needs no rebuild.

#include "lumoui/MControl.h"
#include "lumoui/MRender.h"

#include <algorithm>

namespace lumo {

// paint(dc, slot, rect) draws slot `slot` into `rect` (cache coordinates; clipped to it).
template <class Paint> void DrawSlotCache(MControl& control, HDC& hdc, int slots, int current, Paint&& paint)
{
    const CRect r = control.GetRect();
    const int w = r.Width();
    const int h = r.Height();
    if (w <= 0 || h <= 0 || slots <= 0) {
        return;
    }
    MemDC& cache = control.GetMemDC();
    if (!control.GetUpdate() || !cache.IsValid() || cache.Width() != w * slots || cache.Height() != h) {
        if (!control.UpdateMemDC(hdc, w * slots, h)) {
            return;
        }
        HDC dc = cache.GetDC();
        for (int i = 0; i < slots; ++i) {
            control.CopyBackground(hdc, cache, i * w, 0);
            const CRect slot(i * w, 0, (i + 1) * w, h);
            cairo_save(dc);
            cairo_rectangle(dc, slot.left, slot.top, w, h);
            cairo_clip(dc);
            paint(dc, i, slot);
            cairo_restore(dc);
        }
    }
    current = std::clamp(current, 0, slots - 1);
    MRender::BitBlt(hdc, r.left, r.top, w, h, cache.GetSurface(), current * w, 0);
}

} // namespace lumo
