#include "mainwnd/CUIMessageBox.h"

#include "mainwnd/PageKit.h"

#include <memory>

namespace clavora {

namespace {

constexpr lumo::UINT kTitleId = 31;
constexpr lumo::UINT kMessageId = 32;
constexpr lumo::UINT kOkId = 33;
constexpr lumo::UINT kCancelId = 34;

constexpr int kTextOneButton = 20;
constexpr int kTextOk = 23;
constexpr int kTextCancel = 25;

constexpr int kTextFontWidth = 16;
constexpr int kButtonFontWidth = 14;
constexpr int kBackgroundEdge = 30;
constexpr lumo::DWORD kPopupStyle = 0x96000000;

} // namespace

CUIMessageBox::CUIMessageBox(std::string title, std::string message, int style)
    : m_title(std::move(title))
    , m_message(std::move(message))
    , m_style(style)
{
}

void CUIMessageBox::InitUI(lumo::CRect client)
{
    SetLayeredWindow(true);
    const int w = client.Width();
    const int h = client.Height();

    if (auto* title = MakeControl<lumo::MText>(*this, "MText", kTitleId, m_title)) {
        StyleLabel(title, kTextFontWidth, kTextWhite, lumo::DT_CENTER);
        title->SetRect(lumo::CRect(20, 15, w - 20, 40));
    }
    if (auto* message = MakeControl<lumo::MText>(*this, "MText", kMessageId, m_message)) {
        StyleLabel(message, kTextFontWidth, kTextWhite, lumo::DT_CENTER);
        message->EnableMultiLine(true);
        message->EnableVCenter(true);
        message->SetRect(lumo::CRect(20, h / 2 - 30, w - 20, h / 2 + 30));
    }

    auto button = [this](lumo::UINT id, int text, const lumo::CRect& rect) {
        if (auto* made = MakeApplyButton(*this, id, Text(text))) {
            made->SetFontWidth(kButtonFontWidth);
            made->SetRect(rect);
        }
    };
    if (m_style == kMessageBoxOk) {
        button(kOkId, kTextOneButton, lumo::CRect(60, h - 40, w - 60, h - 10));
    } else if (m_style == kMessageBoxOkCancel) {
        const int c = w / 2;
        button(kOkId, kTextOk, lumo::CRect(c - 120, h - 40, c - 20, h - 10));
        button(kCancelId, kTextCancel, lumo::CRect(c + 20, h - 40, c + 120, h - 10));
    }
}

void CUIMessageBox::UISize(lumo::CRect) { }

bool CUIMessageBox::OnInitDialog()
{
    MDialog::OnInitDialog();
    SetWindowPos(lumo::HWND_TOP, 0, 0, 0, 0, lumo::SWP_NOMOVE | lumo::SWP_NOSIZE);
    return true;
}

lumo::LRESULT CUIMessageBox::OnMessage(lumo::UINT controlID, lumo::UINT code, lumo::WPARAM, lumo::LPARAM)
{
    if (code != lumo::NOTIFY_CLICK)
        return 0;
    if (controlID == kOkId)
        DoOK();
    else if (controlID == kCancelId)
        DoCancel();
    return 0;
}

int ShowMessageBox(const std::string& message, lumo::HWND parent, const std::string& title, int style)
{
    auto box = std::make_unique<CUIMessageBox>(title, message, style);
    box->LoadBKImage("bk_prompt.png");
    box->SetBackMode(lumo::BACKMODE_FRAME, kBackgroundEdge);
    if (!box->Create(parent, CUIMessageBox::kWindowTitle, kPopupStyle, lumo::WS_EX_TOOLWINDOW,
            lumo::CRect(0, 0, CUIMessageBox::kWidth, CUIMessageBox::kHeight)))
        return kMessageBoxResultCancel;
    box->CenterWindow();
    // Only an explicit OK counts as OK; a box closed any other way is a cancel for every caller.
    const lumo::UINT result = box->ShowModal(lumo::SW_SHOWNORMAL);
    return result == static_cast<lumo::UINT>(kMessageBoxResultOk) ? kMessageBoxResultOk : kMessageBoxResultCancel;
}

} // namespace clavora
