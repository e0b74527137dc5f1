#include "lumoui/CColorButton.h"

#include "controls/ButtonGroup.h"
#include "lumoui/MRender.h"
#include "lumoui/Messages.h"

namespace lumo {

namespace {

// Laid over a disabled swatch so it reads as unavailable.
constexpr ARGB kDisabledVeil = 0xA0130D09;

} // namespace

CColorButton::CColorButton(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MButton(parent, id, rect, "", visible, enabled)
{
    m_sliceCount = 1;
}

void CColorButton::SetColor(COLORREF color)
{
    if (color == m_color) {
        return;
    }
    m_color = color;
    UpdateControl(true);
}

void CColorButton::SetShowBorder(bool show)
{
    if (show != m_border) {
        m_border = show;
        UpdateControl(true);
    }
}

bool CColorButton::SetCheck(bool check)
{
    if (IsEnabled()) {
        ApplyCheck(check);
    }
    return m_check;
}

void CColorButton::ApplyCheck(bool check)
{
    if (check) {
        for (CColorButton* other : GroupSiblings(*this)) {
            if (other->IsVisible() && other->IsEnabled()) {
                other->SetCheckFlag(false);
            }
        }
    }
    SetCheckFlag(check);
}

void CColorButton::SetCheckFlag(bool check)
{
    if (check != m_check) {
        m_check = check;
        UpdateControl(false);
    }
}

void CColorButton::OnPress()
{
    ApplyCheck(true);
    SendMessageW(NOTIFY_PRESS, 0, 0);
}

int CColorButton::GetShownSlot() const
{
    if (m_state == BUTTON_DISABLED) {
        return BUTTON_DISABLED;
    }
    return m_check ? BUTTON_PRESSED : m_state;
}

void CColorButton::DrawSlot(HDC dc, int slot, const CRect& rect)
{
    const ARGB color = ColorRefToARGB(m_color);
    if (m_border) {
        MRender::FillSolidRect(dc, rect, kOuterFrame);
        CRect inner = rect;
        inner.DeflateRect(1, 1);
        MRender::FillSolidRect(dc, inner, kInnerFill);
        inner.DeflateRect(2, 2);
        MRender::FillSolidRect(dc, inner, color);
    } else if (GetImage()) {
        MRender::DrawImage(dc, GetImage().get(), rect, 0, 0, m_sliceWidth, m_sliceHeight);
    } else {
        CRect inner = rect;
        inner.DeflateRect(2, 2);
        MRender::FillSolidRect(dc, inner, color);
    }
    if (slot == BUTTON_HOVER || slot == BUTTON_PRESSED) {
        MRender::DrawRectangle(dc, rect, slot == BUTTON_PRESSED ? kCheckFrame : kHoverFrame, 2.0);
    } else if (slot == BUTTON_DISABLED) {
        MRender::DrawColor(dc, rect, kDisabledVeil);
    }
}

LUMO_REGISTER_CONTROL(CColorButton, kWindowFactory | kContainerFactory)

} // namespace lumo
