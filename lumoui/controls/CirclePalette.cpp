#include "lumoui/CirclePalette.h"
#include "lumoui/MRender.h"
#include "lumoui/Messages.h"

#include <cmath>
#include <cstdlib>

namespace lumo {

LUMO_REGISTER_CONTROL(CirclePalette, kWindowFactory | kContainerFactory)

namespace {

// Where the thumb starts, relative to the control's top-left corner.
constexpr int kThumbStartX = 100;
constexpr int kThumbStartY = 30;

CRect ThumbAt(CPoint pt)
{
    int half = CirclePalette::kThumbSize / 2;
    return CRect(pt.x - half, pt.y - half, pt.x - half + CirclePalette::kThumbSize,
        pt.y - half + CirclePalette::kThumbSize);
}

} // namespace

CirclePalette::CirclePalette(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MPanel(parent, id, rect, visible)
{
    SetControlEnabled(enabled != 0);
    m_sliceCount = 1;
    m_thumb = CRect(rect.left + kThumbStartX, rect.top + kThumbStartY, rect.left + kThumbStartX + kThumbSize,
        rect.top + kThumbStartY + kThumbSize);
}

CirclePalette::~CirclePalette() = default;

int CirclePalette::GetDistanse(CPoint pt) const
{
    double dx = pt.x - (m_rect.left + m_rect.Width() / 2.0);
    double dy = pt.y - (m_rect.top + m_rect.Height() / 2.0);
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

void CirclePalette::SetControlRect(CRect rect)
{
    CRect old = m_rect;
    MPanel::SetControlRect(rect);
    m_thumb.OffsetRect(rect.left - old.left, rect.top - old.top);
}

bool CirclePalette::ColorAt(CPoint pt, COLORREF& color) const
{
    if (!m_image || m_rect.IsRectEmpty() || m_sliceWidth <= 0) {
        return false;
    }
    // The picture is scaled to the control: map the point back into it.
    int x = (pt.x - m_rect.left) * m_sliceWidth / m_rect.Width();
    int y = (pt.y - m_rect.top) * m_sliceHeight / m_rect.Height();
    if (x < 0 || y < 0 || x >= m_sliceWidth || y >= m_sliceHeight) {
        return false;
    }
    color = ARGBToColorRef(m_image->GetPixel(x, y));
    return true;
}

bool CirclePalette::Pick(CPoint pt)
{
    if (GetDistanse(pt) > kPickRadius) {
        return false;
    }
    m_last = pt;
    CRect thumb = ThumbAt(pt);
    if (thumb == m_thumb) {
        return true;
    }
    m_thumb = thumb;
    ColorAt(pt, m_color);
    UpdateControl(true);
    SendMessageW(NOTIFY_COLOR, 0, m_color);
    return true;
}

bool CirclePalette::OnControlLButtonDown(UINT, CPoint pt)
{
    if (!IsEnabled()) {
        return false;
    }
    bool onThumb = m_thumb.PtInRect(pt);
    // The thumb is not drawn, so a drag may start wherever a press picks; a press on the
    // thumb's last place starts one as well.
    bool picked = Pick(pt);
    m_drag = onThumb || picked ? kDragging : kIdle;
    return true;
}

bool CirclePalette::OnControlMouseMove(UINT, CPoint pt)
{
    if (m_drag == kDragging) {
        if (std::abs(pt.x - m_last.x) > kDragThreshold || std::abs(pt.y - m_last.y) > kDragThreshold) {
            Pick(pt);
        }
        return true;
    }
    m_drag = IsEnabled() && m_thumb.PtInRect(pt) ? kOverThumb : kIdle;
    return m_rect.PtInRect(pt);
}

bool CirclePalette::OnControlLButtonUp(UINT, CPoint pt)
{
    m_drag = kIdle;
    if (!IsEnabled() || !m_rect.PtInRect(pt)) {
        return false;
    }
    SendMessageW(NOTIFY_CLICK, 0, m_color);
    return true;
}

void CirclePalette::DrawControl(HDC& hdc, CRect)
{
    if (m_image && m_sliceWidth > 0) {
        MRender::DrawImage(hdc, m_image.get(), m_rect, 0, 0, m_sliceWidth, m_sliceHeight);
    }
}

} // namespace lumo
