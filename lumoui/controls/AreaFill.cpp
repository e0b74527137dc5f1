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
    const int rows = rect.Height();
    for (int i = 0; i < rows; ++i) {
        auto alpha = static_cast<uint32_t>(AreaRowAlpha(top, bottom, i, rows));
        MRender::DrawColor(dc, CRect(rect.left, rect.top + i, rect.right, rect.top + i + 1),
            (alpha << 24) | (opaque & 0xFFFFFF));
    }
}

} // namespace lumo
