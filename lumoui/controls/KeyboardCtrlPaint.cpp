// KeyboardCtrl: drawing of the five display modes and of the rubber band.

#include "lumoui/KeyboardCtrl.h"

#include "lumoui/MRender.h"

#include <cmath>

namespace lumo {

namespace {

constexpr ARGB kKeyCapColor = 0xFF007ACC;
constexpr ARGB kSelectOutline = 0xFFFF7D00;
constexpr ARGB kFrameColor = 0xFF4CFF29;
constexpr ARGB kTextColor = 0xFFFFFFFF;
constexpr ARGB kShadowColor = 0xFF505050;
// Cap text size before scaling.
constexpr int kCapTextSize = 10;
// Room kept for the icon below a key's name.
constexpr int kIconBand = 20;
// Key outlines: corners of w / 24 by h / 24, a 2-pixel pen inside the key's rect (the
// picture keeps its key caps 2 pixels clear of the rect's edge for them).
constexpr int kOutlineDivisor = 12;
constexpr float kOutlinePen = 2.0f;
constexpr double kFramePen = 2.0;

void DrawKeyOutline(HDC dc, const CRect& r, ARGB colour)
{
    MRender::DrawRoundRectange(dc, r.left, r.top, r.Width(), r.Height(), kOutlineDivisor, colour, kOutlinePen, false, 0);
}

} // namespace

void KeyboardCtrl::DrawControl(HDC& hdc, CRect)
{
    const int w = m_rect.Width();
    const int h = m_rect.Height();
    if (w <= 0 || h <= 0) {
        return;
    }
    MemDC& cache = GetMemDC();
    if (!GetUpdate() || !cache.IsValid() || cache.Width() != w || cache.Height() != h) {
        if (!UpdateMemDC(hdc, w, h)) {
            return;
        }
        CopyBackground(hdc, cache, 0, 0);
        HDC dc = cache.GetDC();
        cairo_save(dc);
        cairo_rectangle(dc, 0, 0, w, h);
        cairo_clip(dc);
        PaintMode(dc);
        cairo_restore(dc);
        cache.Flush();
    }
    MRender::BitBlt(hdc, m_rect.left, m_rect.top, w, h, cache.GetSurface(), 0, 0);
    if (m_mode.load() == KBMODE_SELECT) {
        DrawFrameSelect(hdc);
    }
}

void KeyboardCtrl::PaintMode(HDC dc)
{
    std::lock_guard lock(m_lock);
    const int mode = m_mode.load();
    switch (mode) {
    case KBMODE_ASSIGN:
        PaintCaps(dc);
        break;
    case KBMODE_SELECT:
    case KBMODE_LIGHT:
    case KBMODE_CUSTOM:
    case KBMODE_MUSIC:
        PaintPicture(dc);
        PaintOutlines(dc, mode);
        break;
    default:
        break;
    }
}

void KeyboardCtrl::PaintPicture(HDC dc)
{
    if (!m_keyboardImage) {
        return;
    }
    int w = m_imageWidth > 0 ? m_imageWidth : m_keyboardImage->GetWidth();
    int h = m_imageHeight > 0 ? m_imageHeight : m_keyboardImage->GetHeight();
    // 1:1 from the picture's top-left corner: a smaller size crops, a larger one leaves the
    // rest empty.
    w = std::min(w, m_keyboardImage->GetWidth());
    h = std::min(h, m_keyboardImage->GetHeight());
    MRender::DrawImage(dc, m_keyboardImage.get(), CRect(m_offsetX, m_offsetY, m_offsetX + w, m_offsetY + h), 0, 0, w, h);
}

void KeyboardCtrl::PaintCaps(HDC dc)
{
    for (const auto& key : m_items) {
        CRect r = GetRealRect(key->rect);
        CRect cap = r;
        cap.DeflateRect(1, 1);
        if (!cap.IsRectEmpty()) {
            MRender::FillSolidRect(dc, cap, kKeyCapColor);
        }
        DrawTextAndIcon(dc, *key, r);
    }
}

void KeyboardCtrl::DrawTextAndIcon(HDC dc, const KEY_INFO& key, const CRect& rect)
{
    const MFont font { m_fontFamily, static_cast<int>(std::lround(kCapTextSize * m_scale)), m_fontStyle };
    const StringFormat centred = StringFormat::FromDT(DT_CENTER, DT_VCENTER, 0);
    auto drawText = [&](const CRect& box) {
        CRect shadow = box;
        shadow.OffsetRect(1, 1);
        MRender::DrawTextW(dc, key.name, font, shadow, kShadowColor, centred);
        MRender::DrawTextW(dc, key.name, font, box, kTextColor, centred);
    };
    if (!key.icon) {
        drawText(rect);
        return;
    }
    const int iw = key.iconWidth;
    const int ih = key.iconHeight;
    if (key.name.empty()) {
        MRender::DrawImage(dc, key.icon.get(), rect.left + (rect.Width() - iw) / 2, rect.top + (rect.Height() - ih) / 2);
        return;
    }
    drawText(CRect(rect.left, rect.top, rect.right, rect.bottom - kIconBand));
    MRender::DrawImage(dc, key.icon.get(), rect.left + (rect.Width() - iw) / 2, rect.bottom - kIconBand);
}

void KeyboardCtrl::PaintOutlines(HDC dc, int mode)
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        const KEY_INFO& key = *m_items[i];
        const CRect r = GetRealRect(key.rect);
        const int index = static_cast<int>(i);
        switch (mode) {
        case KBMODE_SELECT:
            if (key.checked || index == m_hover || index == m_select) {
                DrawKeyOutline(dc, r, kSelectOutline);
            }
            break;
        case KBMODE_LIGHT:
            // The preview shows the effect's shape only: cyan, faded by the frame's byte.
            DrawKeyOutline(dc, r, MakeARGB(LightByte(index), 0x00, 0xFF, 0xFF));
            break;
        default:
            DrawKeyOutline(dc, r, ColorRefToARGB(key.colour.load()));
            break;
        }
    }
}

void KeyboardCtrl::DrawFrameSelect(HDC hdc) const
{
    if (!m_frameActive || !hdc) {
        return;
    }
    CRect band = GetFrameRect();
    if (band.Width() < 2 || band.Height() < 2) {
        return;
    }
    static const double kDots[] = { 2.0, 2.0 };
    cairo_save(hdc);
    cairo_rectangle(hdc, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height());
    cairo_clip(hdc);
    cairo_set_source_rgba(hdc, ((kFrameColor >> 16) & 0xFF) / 255.0, ((kFrameColor >> 8) & 0xFF) / 255.0,
        (kFrameColor & 0xFF) / 255.0, 1.0);
    cairo_set_line_width(hdc, kFramePen);
    cairo_set_dash(hdc, kDots, 2, 0);
    cairo_set_antialias(hdc, CAIRO_ANTIALIAS_NONE);
    cairo_rectangle(hdc, band.left + 1, band.top + 1, band.Width() - 2, band.Height() - 2);
    cairo_stroke(hdc);
    cairo_restore(hdc);
}

} // namespace lumo
