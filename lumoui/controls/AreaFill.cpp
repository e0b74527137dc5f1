#include "controls/AreaFill.h"

#include "lumoui/MRender.h"

#include <algorithm>

namespace lumo {

int AreaRowAlpha(int top, int bottom, int row, int rows)
{
    int e = 255 - std::min(top, bottom) * 255 / 100;
    int f = (100 - std::max(top, bottom)) * 255 / 100;
    double step = rows > 0 ? static_cast<double>(e - f) / rows : 0.0;
    double alpha = top < bottom ? e - row * step : f + row * step;
    return std::clamp(static_cast<int>(alpha), 0, 255);
}

void DrawAreaFill(HDC dc, const CRect& rect, int top, int bottom, COLORREF colour, bool frame, ARGB frameColour)
{
    const ARGB opaque = ColorRefToARGB(colour);
    if (top == 0 && bottom == 0) {
        if (frame) {
            MRender::FillSolidRect(dc, rect, frameColour);
            CRect inner = rect;
            inner.DeflateRect(1, 1);
            MRender::FillSolidRect(dc, inner, opaque);
        } else {
            MRender::FillSolidRect(dc, rect, opaque);
        }
        return;
    }
    // Rows of equal alpha are blended in one go; a uniform veil (the usual case) is one fill.
    const int rows = rect.Height();
    for (int first = 0; first < rows;) {
        const int alpha = AreaRowAlpha(top, bottom, first, rows);
        int end = first + 1;
        while (end < rows && AreaRowAlpha(top, bottom, end, rows) == alpha) {
            ++end;
        }
        MRender::DrawColor(dc, CRect(rect.left, rect.top + first, rect.right, rect.top + end),
            (static_cast<uint32_t>(alpha) << 24) | (opaque & 0xFFFFFF));
        first = end;
    }
}

} // namespace lumo
