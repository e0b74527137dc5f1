#include "DemoControls.h"

#include "lumoui/ControlFactory.h"
#include "lumoui/MRender.h"
#include "lumoui/WindowApi.h"

using namespace lumo;

namespace demo {

DemoButton::DemoButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
    m_title = title;
    m_hAlign = DT_CENTER;
    m_state = enabled ? 0 : 3;
}

void DemoButton::SetState(int state)
{
    if (state != m_state) {
        m_state = state;
        UpdateControl(false);
    }
}

void DemoButton::SetControlEnabled(bool enabled)
{
    MControlFont::SetControlEnabled(enabled);
    m_state = enabled ? 0 : 3;
}

bool DemoButton::OnControlMouseMove(UINT, CPoint pt)
{
    if (!IsEnabled() || IsPressedInside()) {
        return false;
    }
    bool inside = GetRect().PtInRect(pt);
    lumo::SetCursor(inside ? IDC_HAND : IDC_ARROW);
    SetState(inside ? 1 : 0);
    return inside;
}

bool DemoButton::OnControlLButtonDown(UINT, CPoint pt)
{
    if (!IsEnabled() || !GetRect().PtInRect(pt)) {
        return false;
    }
    SetState(2);
    SendMessageW(NOTIFY_PRESS, 0, 0);
    return true;
}

bool DemoButton::OnControlLButtonUp(UINT, CPoint pt)
{
    if (!IsEnabled()) {
        return false;
    }
    bool wasPressed = m_state == 2;
    bool inside = GetRect().PtInRect(pt);
    SetState(inside ? 1 : 0);
    if (inside && wasPressed) {
        SendMessageW(NOTIFY_CLICK, 0, 0);
    }
    return true;
}

void DemoButton::DrawControl(HDC& hdc, CRect)
{
    CRect r = GetRect();
    int w = r.Width();
    int h = r.Height();
    if (!GetUpdate() || !GetMemDC().IsValid()) {
        UpdateMemDC(hdc, w * 4, h);
        for (int i = 0; i < 4; ++i) {
            CopyBackground(hdc, GetMemDC(), i * w, 0);
            CRect slot(i * w, 0, (i + 1) * w, h);
            DrawSlice(GetMemDC().GetDC(), i, slot, 10);
            CRect text = slot;
            if (i == 2) {
                text.OffsetRect(1, 1);
            }
            DrawTitle(GetMemDC().GetDC(), text, i == 3 ? 0xFF808080 : m_textColor);
        }
    }
    MRender::BitBlt(hdc, r.left, r.top, w, h, GetMemDC().GetSurface(), m_state * w, 0);
}

DemoLabel::DemoLabel(MObject* parent, UINT id, CRect rect, const char* title, int visible)
    : MControlFont(parent, id, rect, visible != 0, false)
{
    m_title = title;
    SetRresponse(false);
}

void DemoLabel::DrawControl(HDC& hdc, CRect)
{
    UINT flags = m_multiLine ? StringFormatFlagsNoClip : StringFormatFlagsNoWrap;
    MRender::DrawTextW(hdc, m_title, GetFont(), GetRect(), m_textColor, StringFormat::FromDT(m_hAlign, m_vAlign, flags));
}

DemoPicture::DemoPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
    SetRresponse(false);
}

void DemoPicture::DrawControl(HDC& hdc, CRect)
{
    if (!m_image) {
        return;
    }
    if (m_edge > 0) {
        MRender::DrawImageFrame(hdc, m_image.get(), GetRect(), 0, 0, m_image->GetWidth(), m_image->GetHeight(), m_edge);
    } else {
        MRender::DrawImage(hdc, m_image.get(), GetRect(), 0, 0, m_image->GetWidth(), m_image->GetHeight());
    }
}

} // namespace demo

LUMO_REGISTER_CONTROL_AS(demo::DemoButton, "DemoButton", lumo::kWindowFactory)
LUMO_REGISTER_CONTROL_AS(demo::DemoLabel, "DemoLabel", lumo::kWindowFactory)
LUMO_REGISTER_CONTROL_AS(demo::DemoPicture, "DemoPicture", lumo::kWindowFactory)
