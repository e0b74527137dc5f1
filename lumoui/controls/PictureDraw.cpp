#include "controls/PictureDraw.h"

#include "lumoui/MRender.h"

namespace lumo {

void DrawPicture(HDC dc, const MImage* image, const CRect& src, const CRect& dest, const PictureFit& fit, int frame)
{
    if (!image || src.IsRectEmpty() || dest.IsRectEmpty()) {
        return;
    }
    const int sw = src.Width();
    const int sh = src.Height();
    switch (fit.mode) {
    case 0: {
        CPoint at = MRender::GetOriginPoint(dest, src.Size(), fit.hAlign, fit.vAlign);
        MRender::DrawImage(dc, image, CRect(at, src.Size()), src.left, src.top, sw, sh, frame);
        break;
    }
    case 1:
        // Whole tiles from the top-left corner; the last row and column are cut at the edge.
        cairo_save(dc);
        cairo_rectangle(dc, dest.left, dest.top, dest.Width(), dest.Height());
        cairo_clip(dc);
        for (int y = dest.top; y < dest.bottom; y += sh) {
            for (int x = dest.left; x < dest.right; x += sw) {
                MRender::DrawImage(dc, image, CRect(x, y, x + sw, y + sh), src.left, src.top, sw, sh, frame);
            }
        }
        cairo_restore(dc);
        break;
    case 2:
        MRender::DrawImage(dc, image, dest, src.left, src.top, sw, sh, frame);
        break;
    case 3:
        MRender::DrawImageFrame(dc, image, dest, src.left, src.top, sw, sh, fit.edge, frame);
        break;
    case 4:
        MRender::DrawImageFrameMID(
            dc, image, dest, src.left, src.top, sw, sh, fit.left, fit.top, fit.right, fit.bottom, frame);
        break;
    case 5:
        if (!fit.custom.IsRectEmpty()) {
            MRender::DrawImage(dc, image, dest, fit.custom.left, fit.custom.top, fit.custom.Width(),
                fit.custom.Height(), frame);
        }
        break;
    default:
        break;
    }
}

} // namespace lumo
