#include "mainwnd/CloseWindowTipDlg.h"

#include "lumoui/CRadioButton.h"
#include "mainwnd/PageKit.h"
#include "platform/Settings.h"

namespace clavora {

namespace {

constexpr lumo::UINT kQuestionId = 30;
constexpr lumo::UINT kHideId = 31;
constexpr lumo::UINT kQuitId = 32;
constexpr lumo::UINT kOkId = 33;

constexpr int kTextQuestion = 170;
constexpr int kTextHide = 171;
constexpr int kTextQuit = 172;
constexpr int kTextOk = 22;

constexpr int kExitModeQuit = 2;
constexpr lumo::DWORD kPopupStyle = 0x96000000;
constexpr int kBackgroundEdge = 30;

} // namespace

lumo::UINT CloseWindowTipDlg::Run(lumo::HWND parent)
{
    LoadBKImage("bk_prompt.png");
    SetBackMode(lumo::BACKMODE_FRAME, kBackgroundEdge);
    if (!Create(parent, kWindowTitle, kPopupStyle, 0, lumo::CRect(0, 0, kWidth, kHeight)))
        return 0;
    CenterWindow();
    return ShowModal(lumo::SW_SHOW);
}

void CloseWindowTipDlg::InitUI(lumo::CRect client)
{
    const int w = client.Width();
    const int h = client.Height();
    m_question = MakeControl<lumo::MText>(*this, "MText", kQuestionId, Text(kTextQuestion));
    StyleLabel(m_question, 14, kTextWhite, lumo::DT_CENTER);
    Place(m_question, lumo::CRect(w / 2 - 130, 5, w / 2 + 130, 35));

    m_hide = MakeRadio(*this, kHideId, Text(kTextHide), "exit_mode");
    m_quit = MakeRadio(*this, kQuitId, Text(kTextQuit), "exit_mode");
    Place(m_hide, lumo::CRect(30, 60, 355, 90));
    Place(m_quit, lumo::CRect(30, 95, 355, 125));
    if (m_hide)
        m_hide->SetCheck(true);

    m_ok = MakeApplyButton(*this, kOkId, Text(kTextOk));
    Place(m_ok, lumo::CRect(w - 120, h - 50, w - 20, h - 20));
}

void CloseWindowTipDlg::UISize(lumo::CRect) { }

bool CloseWindowTipDlg::OnInitDialog()
{
    MDialog::OnInitDialog();
    SetWindowPos(lumo::HWND_TOPMOST, 0, 0, 0, 0, lumo::SWP_NOSIZE | lumo::SWP_NOMOVE | lumo::SWP_SHOWWINDOW);
    const bool quit = ReadSetting(kSettingExitMode) == kExitModeQuit;
    if (quit && m_quit)
        m_quit->SetCheck(true);
    else if (m_hide)
        m_hide->SetCheck(true);
    return true;
}

lumo::LRESULT CloseWindowTipDlg::OnMessage(lumo::UINT controlID, lumo::UINT code, lumo::WPARAM, lumo::LPARAM)
{
    if (code != lumo::NOTIFY_CLICK || controlID != kOkId)
        return 0;
    const bool hide = m_hide && m_hide->GetCheck();
    WriteSetting(kSettingExitMode, hide ? "1" : "2");
    DoOK();
    return 0;
}

} // namespace clavora
