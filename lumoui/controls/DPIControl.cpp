#include "lumoui/DPIControl.h"

#include "controls/ButtonGroup.h"
#include "controls/ChildManager.h"
#include "lumoui/CColorButton.h"
#include "lumoui/ControlFactory.h"
#include "lumoui/MEdit.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/Messages.h"

#include <cstdlib>

namespace lumo {

namespace {

constexpr int kInset = 4;
constexpr int kValueDigits = 5;
constexpr ARGB kFrame = 0xFF505050;
constexpr ARGB kUnchecked = 0x20FFFFFF;

} // namespace

DPIControl::DPIControl(MObject* parent, UINT id, CRect rect, int visible)
    : MControlFont(parent, id, rect, visible != 0, true)
{
    m_swatch = new CColorButton(this, kColorId, CRect(), 1, 1);
    m_edit = new MEdit(this, kValueId, CRect(), "0", 1, 1);
    AddPart(m_swatch);
    AddPart(m_edit);
    m_swatch->SetColor(m_color);
    m_edit->SetNumberOnly(true);
    m_edit->SetLimitText(kValueDigits);
    LayoutChildren();
}

DPIControl::~DPIControl() = default;

void DPIControl::InitControl(PaintManager* manager)
{
    GiveManagerToChildren(*this, manager);
}

void DPIControl::LayoutChildren()
{
    CRect r = m_rect;
    r.DeflateRect(kInset, kInset);
    int side = std::max(0, r.Height());
    m_swatch->SetControlRect(CRect(r.left, r.top, r.left + side, r.bottom));
    m_edit->SetControlRect(CRect(r.left + side + kInset, r.top, r.right, r.bottom));
}

void DPIControl::SetControlRect(CRect rect)
{
    MControlFont::SetControlRect(rect);
    LayoutChildren();
}

void DPIControl::SetColor(COLORREF color)
{
    m_color = color & 0xFFFFFF;
    m_swatch->SetColor(m_color);
}

void DPIControl::SetDPIValue(int value)
{
    m_value = value;
    m_edit->SetTitle(std::to_string(value));
}

void DPIControl::ApplyCheck(bool check)
{
    if (check == m_check) {
        return;
    }
    m_check = check;
    UpdateControl(true);
}

void DPIControl::SetCheck(bool check)
{
    ApplyCheck(check);
    if (check) {
        for (DPIControl* other : GroupSiblings(*this)) {
            other->ApplyCheck(false);
        }
    }
}

bool DPIControl::OnControlLButtonDown(UINT, CPoint pt)
{
    if (!IsEnabled() || !m_rect.PtInRect(pt)) {
        return false;
    }
    SetCheck(true);
    SendMessageW(NOTIFY_CLICK, 0, 0);
    return true;
}

LRESULT DPIControl::OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam)
{
    if (controlID == kValueId && code == NOTIFY_EDITEND) {
        m_value = std::atoi(m_edit->GetEditText().c_str());
    }
    if (m_parent && (controlID == kColorId || controlID == kValueId)) {
        m_parent->OnBaseMessage(m_id, code, 0, controlID == kColorId ? 1 : 2);
    }
    return MControlFont::OnBaseMessage(controlID, code, wParam, lParam);
}

void DPIControl::DrawControl(HDC& hdc, CRect)
{
    if (m_check) {
        MRender::FillSolidRect(hdc, m_rect, Manager::GetSelectColor());
    } else {
        MRender::DrawColor(hdc, m_rect, kUnchecked);
    }
    MRender::DrawRectangle(hdc, m_rect, kFrame);
}

} // namespace lumo

LUMO_REGISTER_CONTROL_AS(lumo::DPIControl, "DPIControl", lumo::kContainerFactory)
