#include "controls/ComboFace.h"
#include "lumoui/MRender.h"
#include "lumoui/PaintManager.h"

#include <algorithm>

namespace lumo::comboface {

void DrawPlainBox(HDC hdc, int state, const CRect& dest, COLORREF back)
{
    static constexpr ARGB kBorders[kStates] = { 0xFF3C3C3C, 0xFF808080, 0xFF007ACC, 0xFF2A2A2A };
    MRender::FillSolidRect(hdc, dest, ColorRefToARGB(back));
    MRender::DrawRectangle(hdc, dest, kBorders[std::clamp(state, 0, kStates - 1)]);
}

void DrawFace(const MControlFont& control, HDC hdc, int state, const CRect& dest, COLORREF back)
{
    const MImagePtr& image = control.GetImage();
    CSize slice = control.GetImageSize();
    if (image && slice.cx > 0) {
        int slices = std::max(1, image->GetWidth() / slice.cx);
        int i = std::clamp(state, 0, slices - 1);
        MRender::DrawImageFrameMID(hdc, image.get(), dest, i * slice.cx, 0, slice.cx, slice.cy, kEdgeLeft,
            kEdgeTop, kEdgeRight, kEdgeBottom);
        return;
    }
    static constexpr ARGB kArrows[kStates] = { 0xFFC8C8C8, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF606060 };
    int s = std::clamp(state, 0, kStates - 1);
    DrawPlainBox(hdc, s, dest, back);
    // A small downward triangle centred in the arrow part.
    double cx = dest.right - kArrowWidth / 2.0;
    double cy = dest.top + dest.Height() / 2.0;
    ARGB c = kArrows[s];
    cairo_save(hdc);
    cairo_set_source_rgba(
        hdc, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0, 1.0);
    cairo_move_to(hdc, cx - 5, cy - 2.5);
    cairo_line_to(hdc, cx + 5, cy - 2.5);
    cairo_line_to(hdc, cx, cy + 3.5);
    cairo_close_path(hdc);
    cairo_fill(hdc);
    cairo_restore(hdc);
}

void DrawCachedFace(MControlFont& control, HDC& hdc, int state)
{
    CRect rect = control.GetRect();
    int w = rect.Width();
    int h = rect.Height();
    if (w <= 0 || h <= 0) {
        return;
    }
    if (!control.GetUpdate() || !control.GetMemDC().IsValid()) {
        if (!control.UpdateMemDC(hdc, w * kStates, h)) {
            return;
        }
        MemDC& cache = control.GetMemDC();
        cache.Clear();
        PaintManager* pm = control.GetManager();
        COLORREF back = pm ? pm->GetBackColor() : 0x130D09;
        for (int i = 0; i < kStates; ++i) {
            control.CopyBackground(hdc, cache, i * w, 0);
            DrawFace(control, cache.GetDC(), i, CRect(i * w, 0, (i + 1) * w, h), back);
        }
    }
    MRender::BitBlt(
        hdc, rect.left, rect.top, w, h, control.GetMemDC().GetSurface(), std::clamp(state, 0, 3) * w, 0);
}

} // namespace lumo::comboface
