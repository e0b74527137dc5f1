#include "mainwnd/WaitDlg.h"

#include "lumoui/CGifPicture.h"
#include "mainwnd/PageKit.h"

namespace clavora {

namespace {

constexpr lumo::UINT kAnimationId = 30;
constexpr lumo::COLORREF kBackColour = 0x333333;
constexpr lumo::UINT kAnimationPeriodMs = 10;
constexpr lumo::DWORD kPopupStyle = 0x96000000;

} // namespace

bool WaitDlg::CreateOver(lumo::HWND parent)
{
    lumo::CRect over;
    lumo::GetWindowRect(parent, &over);
    const int left = over.left + (over.Width() - kSize) / 2;
    const int top = over.top + (over.Height() - kSize) / 2;
    return Create(parent, kWindowTitle, kPopupStyle, lumo::WS_EX_TOOLWINDOW,
               lumo::CRect(left, top, left + kSize, top + kSize))
        != nullptr;
}

void WaitDlg::InitUI(lumo::CRect)
{
    SetLayeredWindow(true);
    if (auto* gif = MakeControl<lumo::CGifPicture>(*this, "CGifPicture", kAnimationId)) {
        gif->SetRect(lumo::CRect(1, 1, kSize - 1, kSize - 1));
        gif->SetImage("loading.gif", 1);
        gif->SetRunState(true, 0);
        gif->AddMTimer();
    }
}

void WaitDlg::UISize(lumo::CRect) { }

bool WaitDlg::OnInitDialog()
{
    MDialog::OnInitDialog();
    m_pm.SetBackColor(kBackColour, kBackColour);
    SetWindowPos(lumo::HWND_TOPMOST, 0, 0, 0, 0, lumo::SWP_NOMOVE | lumo::SWP_NOSIZE);
    SetMTimer(kAnimationPeriodMs);
    EnableWndDrag(true);
    return true;
}

lumo::LRESULT WaitDlg::OnMessage(lumo::UINT, lumo::UINT, lumo::WPARAM, lumo::LPARAM)
{
    return 0;
}

} // namespace clavora
