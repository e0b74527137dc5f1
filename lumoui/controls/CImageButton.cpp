#include "lumoui/CImageButton.h"

#include "lumoui/MAirBladder.h"
#include "lumoui/MDialog.h"
#include "lumoui/PaintManager.h"

namespace lumo {

namespace {

constexpr int kDialogBalloonMode = 3;

MDialog* DialogOf(const MControl& control)
{
    PaintManager* pm = control.GetManager();
    return pm ? dynamic_cast<MDialog*>(pm->GetDialog()) : nullptr;
}

} // namespace

CImageButton::CImageButton(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MButton(parent, id, rect, title, visible, enabled)
{
}

CImageButton::~CImageButton() { HideBalloon(); }

void CImageButton::SetAirBladderInfo(const std::string& text, UINT type)
{
    m_balloonText = text;
    m_balloonType = type;
    if (m_balloonShown) {
        HideBalloon();
        if (IsHot()) {
            ShowBalloon();
        }
    }
}

void CImageButton::OnHoverChanged(bool hot)
{
    if (hot) {
        ShowBalloon();
    } else {
        HideBalloon();
    }
}

void CImageButton::ShowBalloon()
{
    MDialog* dlg = DialogOf(*this);
    if (m_balloonText.empty() || !dlg) {
        return;
    }
    auto type = static_cast<AIRBLADDER_TYPE>(m_balloonType);
    CPoint anchor = dlg->GetAirBladderPoint(this, m_balloonType);
    if (!dlg->SetAirBladderMsg(m_balloonText, anchor, type)) {
        return;
    }
    if (m_balloonMode != kDialogBalloonMode) {
        if (MAirBladder* balloon = dlg->GetAirBladder()) {
            balloon->SetAirBladderMsg(m_balloonText, anchor.x, anchor.y, m_balloonType, m_balloonMode);
        }
    }
    m_balloonShown = true;
}

void CImageButton::HideBalloon()
{
    if (!m_balloonShown) {
        return;
    }
    m_balloonShown = false;
    MDialog* dlg = DialogOf(*this);
    MAirBladder* balloon = dlg ? dlg->GetAirBladder() : nullptr;
    // Another control may have taken the balloon over since.
    if (balloon && balloon->GetText() == m_balloonText) {
        balloon->ShowWindow(SW_HIDE);
    }
}

LUMO_REGISTER_CONTROL(CImageButton, kWindowFactory | kContainerFactory)

} // namespace lumo
