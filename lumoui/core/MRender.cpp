#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "platform/render/TextRenderer.h"

#include <algorithm>
#include <cmath>

namespace lumo {

namespace {

void SetColor(HDC hdc, ARGB c)
{
    cairo_set_source_rgba(
        hdc, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0, (c >> 24) / 255.0);
}

void AddStop(cairo_pattern_t* p, double offset, ARGB c)
{
    cairo_pattern_add_color_stop_rgba(
        p, offset, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0, (c >> 24) / 255.0);
}

// Draws src (a rect of the surface) stretched onto dst. Sampling is confined to src, so a
// slice of a strip never picks up colour from its neighbour.
void DrawPart(HDC hdc, cairo_surface_t* surface, const CRect& src, const CRect& dst, double opacity)
{
    if (src.IsRectEmpty() || dst.IsRectEmpty()) {
        return;
    }
    cairo_surface_t* sub = cairo_surface_create_for_rectangle(surface, src.left, src.top, src.Width(), src.Height());
    cairo_save(hdc);
    cairo_rectangle(hdc, dst.left, dst.top, dst.Width(), dst.Height());
    cairo_clip(hdc);
    cairo_translate(hdc, dst.left, dst.top);
    bool unscaled = src.Width() == dst.Width() && src.Height() == dst.Height();
    if (!unscaled) {
        cairo_scale(hdc, static_cast<double>(dst.Width()) / src.Width(), static_cast<double>(dst.Height()) / src.Height());
    }
    cairo_set_source_surface(hdc, sub, 0, 0);
    cairo_pattern_t* pat = cairo_get_source(hdc);
    cairo_pattern_set_extend(pat, CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(pat, unscaled ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_BILINEAR);
    if (opacity >= 1.0) {
        cairo_paint(hdc);
    } else {
        cairo_paint_with_alpha(hdc, std::max(0.0, opacity));
    }
    cairo_restore(hdc);
    cairo_surface_destroy(sub);
}

// Clips a source rect to the image; false when nothing is left.
bool ClipSource(const MImage* image, int& x, int& y, int& w, int& h)
{
    CRect r;
    if (!r.IntersectRect(CRect(x, y, x + w, y + h), CRect(0, 0, image->GetWidth(), image->GetHeight()))) {
        return false;
    }
    x = r.left;
    y = r.top;
    w = r.Width();
    h = r.Height();
    return true;
}

// Fills a rect with a linear gradient between two points.
void FillGradient(HDC hdc, const CRect& rect, double x0, double y0, double x1, double y1, ARGB from, ARGB to)
{
    if (!hdc || rect.IsRectEmpty()) {
        return;
    }
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    AddStop(p, 0, from);
    AddStop(p, 1, to);
    cairo_save(hdc);
    cairo_set_source(hdc, p);
    cairo_rectangle(hdc, rect.left, rect.top, rect.Width(), rect.Height());
    cairo_fill(hdc);
    cairo_restore(hdc);
    cairo_pattern_destroy(p);
}

void RoundRectPath(HDC hdc, double x, double y, double w, double h, double rx, double ry)
{
    auto corner = [&](double cx, double cy, double a0) {
        cairo_save(hdc);
        cairo_translate(hdc, cx, cy);
        cairo_scale(hdc, std::max(rx, 0.01), std::max(ry, 0.01));
        cairo_arc(hdc, 0, 0, 1, a0, a0 + M_PI / 2);
        cairo_restore(hdc);
    };
    cairo_new_sub_path(hdc);
    if (rx <= 0 || ry <= 0) {
        cairo_rectangle(hdc, x, y, w, h);
        return;
    }
    corner(x + w - rx, y + ry, -M_PI / 2);
    corner(x + w - rx, y + h - ry, 0);
    corner(x + rx, y + h - ry, M_PI / 2);
    corner(x + rx, y + ry, M_PI);
    cairo_close_path(hdc);
}

} // namespace

MImagePtr MRender::LoadImageFromFile(const std::string& path) { return MImage::FromFile(path); }

std::string MRender::GetResourcePath(UINT resourceID, const std::string& type)
{
    std::string ext = type;
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return Manager::GetSkinFolder() + "res/" + std::to_string(resourceID) + "." + ext;
}

MImagePtr MRender::LoadImageFromIDResource(UINT resourceID, const std::string& type)
{
    return MImage::FromFile(GetResourcePath(resourceID, type));
}

MImagePtr MRender::LoadIconFromFile(const std::string& path) { return MImage::FromFile(path); }

bool MRender::CreateARGB32Bitmap(MemDC& dc, int cx, int cy) { return dc.Create(cx, cy); }

void MRender::DrawImage(
    HDC hdc, const MImage* image, const CRect& dest, int srcX, int srcY, int srcW, int srcH, int frame, double opacity)
{
    if (!hdc || !image || !image->GetSurface(frame) || !ClipSource(image, srcX, srcY, srcW, srcH)) {
        return;
    }
    DrawPart(hdc, image->GetSurface(frame), CRect(srcX, srcY, srcX + srcW, srcY + srcH), dest, opacity);
}

void MRender::DrawImage(HDC hdc, const MImage* image, int x, int y, int frame)
{
    if (!image) {
        return;
    }
    DrawImage(hdc, image, CRect(x, y, x + image->GetWidth(), y + image->GetHeight()), 0, 0, image->GetWidth(),
        image->GetHeight(), frame);
}

void MRender::DrawImageTiled(HDC hdc, const MImage* image, const CRect& dest, int frame)
{
    if (!hdc || !image || !image->GetSurface(frame) || dest.IsRectEmpty()) {
        return;
    }
    cairo_save(hdc);
    cairo_rectangle(hdc, dest.left, dest.top, dest.Width(), dest.Height());
    cairo_clip(hdc);
    cairo_set_source_surface(hdc, image->GetSurface(frame), dest.left, dest.top);
    cairo_pattern_set_extend(cairo_get_source(hdc), CAIRO_EXTEND_REPEAT);
    cairo_paint(hdc);
    cairo_restore(hdc);
}

void MRender::DrawImageFrame(
    HDC hdc, const MImage* image, const CRect& dest, int srcX, int srcY, int srcW, int srcH, int edge, int frame)
{
    DrawImageFrameMID(hdc, image, dest, srcX, srcY, srcW, srcH, edge, edge, edge, edge, frame);
}

void MRender::DrawImageFrameMID(HDC hdc, const MImage* image, const CRect& dest, int srcX, int srcY, int srcW,
    int srcH, int l, int t, int r, int b, int frame)
{
    if (!hdc || !image || !image->GetSurface(frame) || dest.IsRectEmpty()
        || !ClipSource(image, srcX, srcY, srcW, srcH)) {
        return;
    }
    // Edges never take more than the source or the destination has room for.
    auto fit = [](int& a, int& c, int room) {
        a = std::max(0, a);
        c = std::max(0, c);
        if (a + c > room) {
            int total = a + c;
            a = room * a / std::max(1, total);
            c = room - a;
        }
    };
    fit(l, r, std::min(srcW, dest.Width()));
    fit(t, b, std::min(srcH, dest.Height()));
    cairo_surface_t* s = image->GetSurface(frame);
    int sx[4] = { srcX, srcX + l, srcX + srcW - r, srcX + srcW };
    int sy[4] = { srcY, srcY + t, srcY + srcH - b, srcY + srcH };
    int dx[4] = { dest.left, dest.left + l, dest.right - r, dest.right };
    int dy[4] = { dest.top, dest.top + t, dest.bottom - b, dest.bottom };
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            DrawPart(hdc, s, CRect(sx[col], sy[row], sx[col + 1], sy[row + 1]),
                CRect(dx[col], dy[row], dx[col + 1], dy[row + 1]), 1.0);
        }
    }
}

void MRender::FillSolidRect(HDC hdc, const CRect& rect, ARGB color)
{
    if (!hdc || rect.IsRectEmpty()) {
        return;
    }
    cairo_save(hdc);
    cairo_set_operator(hdc, CAIRO_OPERATOR_SOURCE);
    SetColor(hdc, color);
    cairo_rectangle(hdc, rect.left, rect.top, rect.Width(), rect.Height());
    cairo_fill(hdc);
    cairo_restore(hdc);
}

void MRender::DrawColor(HDC hdc, const CRect& rect, ARGB color)
{
    if (!hdc || rect.IsRectEmpty()) {
        return;
    }
    cairo_save(hdc);
    SetColor(hdc, color);
    cairo_rectangle(hdc, rect.left, rect.top, rect.Width(), rect.Height());
    cairo_fill(hdc);
    cairo_restore(hdc);
}

void MRender::DrawGradient(HDC hdc, const CRect& rect, ARGB from, ARGB to, bool vertical)
{
    if (vertical) {
        FillGradient(hdc, rect, 0, rect.top, 0, rect.bottom, from, to);
    } else {
        FillGradient(hdc, rect, rect.left, 0, rect.right, 0, from, to);
    }
}

void MRender::DrawVerticalTransition(HDC hdc, const CRect& rect, ARGB top, ARGB bottom)
{
    DrawGradient(hdc, rect, top, bottom, true);
}

void MRender::DrawHorizontalTransition(HDC hdc, const CRect& rect, ARGB left, ARGB right)
{
    DrawGradient(hdc, rect, left, right, false);
}

void MRender::DrawRightBottomTransition(HDC hdc, const CRect& rect, ARGB topLeft, ARGB bottomRight)
{
    FillGradient(hdc, rect, rect.left, rect.top, rect.right, rect.bottom, topLeft, bottomRight);
}

void MRender::DrawRectangle(HDC hdc, const CRect& rect, ARGB color, double penWidth)
{
    if (!hdc || rect.IsRectEmpty()) {
        return;
    }
    cairo_save(hdc);
    SetColor(hdc, color);
    cairo_set_line_width(hdc, penWidth);
    double half = penWidth / 2;
    cairo_rectangle(hdc, rect.left + half, rect.top + half, rect.Width() - penWidth, rect.Height() - penWidth);
    cairo_stroke(hdc);
    cairo_restore(hdc);
}

void MRender::DrawRoundRectange(HDC hdc, int x, int y, int w, int h, int radius, ARGB color)
{
    if (!hdc || w <= 0 || h <= 0) {
        return;
    }
    cairo_save(hdc);
    SetColor(hdc, color);
    cairo_set_line_width(hdc, 1.0);
    double r = std::min<double>(radius, std::min(w, h) / 2.0);
    RoundRectPath(hdc, x + 0.5, y + 0.5, w - 1, h - 1, r, r);
    cairo_stroke(hdc);
    cairo_restore(hdc);
}

void MRender::DrawRoundRectange(
    HDC hdc, int x, int y, int w, int h, int divisor, ARGB pen, float penWidth, bool fill, ARGB fillColor)
{
    if (!hdc || w <= 0 || h <= 0 || divisor <= 0) {
        return;
    }
    double rx = static_cast<double>(w) / divisor / 2;
    double ry = static_cast<double>(h) / divisor / 2;
    if (std::fabs(rx - ry) > 10) {
        rx = ry = std::min(rx, ry);
    }
    cairo_save(hdc);
    double half = penWidth / 2.0;
    RoundRectPath(hdc, x + half, y + half, w - penWidth, h - penWidth, rx, ry);
    if (fill) {
        SetColor(hdc, fillColor);
        cairo_fill_preserve(hdc);
    }
    SetColor(hdc, pen);
    cairo_set_line_width(hdc, penWidth);
    cairo_stroke(hdc);
    cairo_restore(hdc);
}

void MRender::DrawTextW(
    HDC hdc, const std::string& text, const MFont& font, const CRect& rect, ARGB color, const StringFormat& format)
{
    TextRenderer::ForThisThread().Draw(hdc, text, font, rect, color, format);
}

CSize MRender::GetTextBounds(const std::string& text, const MFont& font)
{
    return TextRenderer::ForThisThread().Measure(text, font, 0, StringFormatFlagsNoWrap);
}

CSize MRender::GetTextBounds(const std::string& text, const MFont& font, int maxWidth, UINT flags)
{
    return TextRenderer::ForThisThread().Measure(text, font, maxWidth, flags);
}

CRect MRender::GetTextBounds(const std::string& text, const MFont& font, const CRect& layout, const StringFormat& f)
{
    CSize size = TextRenderer::ForThisThread().Measure(text, font, layout.Width(), f.flags);
    UINT h = f.alignment == StringAlignmentCenter ? DT_CENTER : f.alignment == StringAlignmentFar ? DT_RIGHT : DT_LEFT;
    UINT v = f.lineAlignment == StringAlignmentCenter ? DT_VCENTER
        : f.lineAlignment == StringAlignmentFar       ? DT_BOTTOM
                                                      : DT_TOP;
    return CRect(GetOriginPoint(layout, size, h, v), size);
}

CPoint MRender::GetOriginPoint(const CRect& box, CSize size, UINT hAlign, UINT vAlign)
{
    int x = hAlign == DT_CENTER ? box.left + (box.Width() - size.cx) / 2 : hAlign == DT_RIGHT ? box.right - size.cx
                                                                                             : box.left;
    int y = (vAlign & DT_VCENTER) ? box.top + (box.Height() - size.cy) / 2
        : (vAlign & DT_BOTTOM)    ? box.bottom - size.cy
                                  : box.top;
    return CPoint(x, y);
}

bool MRender::RegisterFontFile(const std::string& path) { return TextRenderer::RegisterFontFile(path); }

void MRender::BitBlt(HDC hdc, int x, int y, int cx, int cy, cairo_surface_t* src, int srcX, int srcY)
{
    if (!hdc || !src || cx <= 0 || cy <= 0) {
        return;
    }
    cairo_save(hdc);
    cairo_set_operator(hdc, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(hdc, src, x - srcX, y - srcY);
    cairo_pattern_set_filter(cairo_get_source(hdc), CAIRO_FILTER_NEAREST);
    cairo_rectangle(hdc, x, y, cx, cy);
    cairo_fill(hdc);
    cairo_restore(hdc);
}

void MRender::AlphaBlend(HDC hdc, int x, int y, int cx, int cy, cairo_surface_t* src, int srcX, int srcY, uint8_t alpha)
{
    if (!hdc || !src || cx <= 0 || cy <= 0) {
        return;
    }
    cairo_save(hdc);
    cairo_rectangle(hdc, x, y, cx, cy);
    cairo_clip(hdc);
    cairo_set_source_surface(hdc, src, x - srcX, y - srcY);
    cairo_pattern_set_filter(cairo_get_source(hdc), CAIRO_FILTER_NEAREST);
    cairo_paint_with_alpha(hdc, alpha / 255.0);
    cairo_restore(hdc);
}

bool MRender::SaveBitmapToFile(cairo_surface_t* surface, const std::string& path)
{
    return surface && cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

} // namespace lumo
