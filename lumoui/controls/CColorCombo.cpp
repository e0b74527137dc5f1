#include "lumoui/CColorCombo.h"
#include "controls/ComboFace.h"
#include "lumoui/MRender.h"
#include "lumoui/Messages.h"

namespace lumo {

namespace {

constexpr int kAreaInset = 6;
constexpr ARGB kAreaFrame = 0xFF050505;
constexpr ARGB kDisabledVeil = 0x99000000;

} // namespace

CColorCombo::CColorCombo(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
    m_states.Enable(enabled != 0);
    SetCursor(IDC_HAND);
}

void CColorCombo::SetAreaColor(COLORREF color)
{
    if (color != m_color) {
        m_color = color;
        UpdateControl(false);
    }
}

void CColorCombo::SetIsOpen(bool open)
{
    if (open != m_open) {
        m_open = open;
        UpdateControl(false);
    }
}

int CColorCombo::GetState() const
{
    if (!IsEnabled()) {
        return 3;
    }
    return m_open ? 2 : m_states.State();
}

CRect CColorCombo::GetAreaRect() const
{
    return CRect(m_rect.left + kAreaInset, m_rect.top + kAreaInset, m_rect.right - comboface::kArrowWidth,
        m_rect.bottom - kAreaInset);
}

void CColorCombo::DrawControl(HDC& hdc, CRect)
{
    comboface::DrawCachedFace(*this, hdc, GetState());
    CRect area = GetAreaRect();
    if (area.IsRectEmpty()) {
        return;
    }
    MRender::FillSolidRect(hdc, area, ColorRefToARGB(m_color));
    MRender::DrawRectangle(hdc, area, kAreaFrame);
    if (!IsEnabled()) {
        MRender::DrawColor(hdc, area, kDisabledVeil);
    }
}

void CColorCombo::SetControlEnabled(bool enabled)
{
    m_states.Enable(enabled);
    MControlFont::SetControlEnabled(enabled);
    UpdateControl(false);
}

bool CColorCombo::OnControlMouseMove(UINT, CPoint pt)
{
    bool inside = m_rect.PtInRect(pt);
    if (m_states.Move(IsEnabled(), inside)) {
        UpdateControl(false);
    }
    return inside;
}

bool CColorCombo::OnControlLButtonDown(UINT, CPoint pt)
{
    if (!m_states.Press(IsEnabled(), m_rect.PtInRect(pt))) {
        return false;
    }
    UpdateControl(false);
    SendMessageW(NOTIFY_PRESS, 0, 0);
    return true;
}

bool CColorCombo::OnControlLButtonUp(UINT, CPoint pt)
{
    bool changed = false;
    bool click = m_states.Release(IsEnabled(), m_rect.PtInRect(pt), &changed);
    if (changed) {
        UpdateControl(false);
    }
    if (click) {
        SendMessageW(NOTIFY_CLICK, 0, 0);
    }
    return click;
}

} // namespace lumo
