#include "keys/CustomKeyDlg.h"

#include "description/KeyCodes.h"
#include "lumoui/CCheckButton.h"
#include "lumoui/CImageButton.h"
#include "mainwnd/CUIMessageBox.h"
#include "mainwnd/PageKit.h"

#include <array>

namespace clavora {

namespace {

using lumo::CRect;
using lumo::UINT;

constexpr UINT kBackgroundId = 30;
constexpr UINT kTitleId = 31;
constexpr UINT kFrameId = 33;
constexpr UINT kKeyNameId = 34;
constexpr UINT kTypeLabelId = 35;
constexpr UINT kProgramEditId = 38;
constexpr UINT kFirstModifierId = 39;
constexpr UINT kOpenFileId = 43;

constexpr int kTextClose = 1;
constexpr int kTextOk = 22;
constexpr int kTextFunctionType = 204;
constexpr int kTextNoEvents = 293;
constexpr int kTitleNoEvents = 206;

constexpr std::array<const char*, 4> kModifiers { "Shift", "Ctrl", "Win", "Alt" };

constexpr lumo::DWORD kPopupStyle = 0x96000000;
constexpr int kBackgroundEdge = 30;
constexpr lumo::ARGB kGrey = 0xFFC8C8C8;
constexpr lumo::ARGB kFrameColour = 0xFF555028;

lumo::MComboBox* MakeDialogCombo(lumo::MDialog& dialog, UINT id, const CRect& rect)
{
    auto* combo = MakeControl<lumo::MComboBox>(dialog, "MComboBox", id);
    if (!combo)
        return nullptr;
    combo->SetImage("img_combobox.png", 4);
    combo->SetTextColor(kTextWhite);
    combo->SetRect(rect);
    return combo;
}

} // namespace

CustomKeyDlg::CustomKeyDlg(DataStore& store, int key, int profile, int mode)
    : m_key(key)
    , m_profile(profile)
    , m_mode(mode)
    , m_model(store, key, profile)
{
}

bool CustomKeyDlg::Run(lumo::HWND owner)
{
    LoadBKImage("bk_prompt.png");
    SetBackMode(lumo::BACKMODE_FRAME, kBackgroundEdge);
    if (!Create(owner, kWindowTitle, kPopupStyle, lumo::WS_EX_TOOLWINDOW, CRect(0, 0, kWidth, kHeight)))
        return false;
    CenterWindow();
    return ShowModal(lumo::SW_SHOW) == static_cast<UINT>(lumo::IDOK);
}

void CustomKeyDlg::InitUI(CRect client)
{
    BuildFrame(client.Width(), client.Height());
    BuildFields(client.Width());
}

void CustomKeyDlg::BuildFrame(int w, int h)
{
    Place(MakeArea(*this, kBackgroundId, 20), CRect(0, 0, w, h));
    if (auto* title = MakeControl<lumo::MText>(*this, "MText", kTitleId, Text(CustomKeyModel::ModeText(m_mode)))) {
        StyleLabel(title, 16, kTextWhite, lumo::DT_LEFT, lumo::FontStyleBold);
        title->SetRect(CRect(24, 12, w - 70, 44));
    }
    if (auto* close = MakeControl<lumo::CImageButton>(*this, "CImageButton", kCloseId)) {
        close->SetImage("main_sysbtn_close.png", 4);
        close->SetTooltip(Text(kTextClose));
        close->SetRect(CRect(w - 48, 12, w - 18, 42));
    }
    if (auto* frame = MakeArea(*this, kFrameId, 50)) {
        frame->SetFrame(true, kFrameColour);
        frame->SetRect(CRect(20, 56, w - 20, h - 74));
    }
    Place(MakeApplyButton(*this, kOkId, Text(kTextOk)), CRect(w - 140, h - 56, w - 30, h - 22));
}

void CustomKeyDlg::BuildFields(int w)
{
    if (auto* name = MakeControl<lumo::MText>(*this, "MText", kKeyNameId, GetKeyCodeName(m_key))) {
        StyleLabel(name, 22, kTextWhite, lumo::DT_CENTER, lumo::FontStyleBold);
        name->SetRect(CRect(40, 70, w - 40, 110));
    }
    if (auto* label = MakeControl<lumo::MText>(*this, "MText", kTypeLabelId, Text(kTextFunctionType))) {
        StyleLabel(label, 14, kGrey, lumo::DT_RIGHT);
        label->SetRect(CRect(40, 128, 200, 160));
    }
    m_types = MakeDialogCombo(*this, kTypeListId, CRect(220, 128, w - 80, 160));
    m_choices = MakeDialogCombo(*this, kChoiceListId, CRect(220, 178, w - 80, 210));

    // Kept for functions this dialog does not offer: a program path with its file button and
    // the modifiers of a key combination.
    if (auto* path = MakeControl<lumo::MEdit>(*this, "MEdit", kProgramEditId, {}, false))
        path->SetRect(CRect(220, 228, w - 130, 260));
    for (size_t i = 0; i < kModifiers.size(); ++i) {
        const UINT id = kFirstModifierId + static_cast<UINT>(i);
        if (auto* box = MakeControl<lumo::CCheckButton>(*this, "CCheckButton", id, kModifiers[i], false)) {
            box->SetImage("btn_checkbox.png", 8);
            box->SetTextColor(kTextWhite);
            const int x = 220 + 90 * static_cast<int>(i);
            box->SetRect(CRect(x, 228, x + 85, 260));
        }
    }
    if (auto* open = MakeControl<lumo::CImageButton>(*this, "CImageButton", kOpenFileId, {}, false)) {
        open->SetImage("btn_openfile.png", 4);
        open->SetRect(CRect(w - 120, 228, w - 88, 260));
    }
}

void CustomKeyDlg::UISize(CRect) { }

bool CustomKeyDlg::OnInitDialog()
{
    MDialog::OnInitDialog();
    if (m_types) {
        m_types->DelAllItems();
        m_types->AddItem(Text(CustomKeyModel::ModeText(m_mode)), m_mode);
        m_types->SetCurSel(0);
    }
    FillChoices(m_mode);
    return true;
}

void CustomKeyDlg::FillChoices(int type)
{
    if (!m_choices)
        return;
    m_choices->DelAllItems();
    for (const CustomKeyChoice& choice : m_model.Choices(type))
        m_choices->AddItem(choice.text, choice.data);
    if (m_choices->GetItemCount() > 0)
        m_choices->SetCurSel(0);
}

lumo::LRESULT CustomKeyDlg::OnMessage(UINT controlID, UINT code, lumo::WPARAM, lumo::LPARAM)
{
    if (code != lumo::NOTIFY_CLICK)
        return 0;
    switch (controlID) {
    case kTypeListId:
        FillChoices(m_types ? static_cast<int>(m_types->GetCurData()) : 0);
        return 1;
    case kOkId:
        OnOk();
        return 1;
    case kCloseId:
        DoCancel();
        return 1;
    default:
        return 0;
    }
}

lumo::LRESULT CustomKeyDlg::OnWindowMessage(UINT msg, lumo::WPARAM wParam, lumo::LPARAM lParam)
{
    // Escape leaves the dialog like its close button.
    if (msg == lumo::WM_KEYDOWN && wParam == lumo::VK_ESCAPE) {
        DoCancel();
        return 0;
    }
    return MDialog::OnWindowMessage(msg, wParam, lParam);
}

void CustomKeyDlg::OnOk()
{
    const int type = m_types ? static_cast<int>(m_types->GetCurData()) : 0;
    int value = 0;
    std::string text;
    if (m_choices && m_choices->GetCurSel() >= 0) {
        value = static_cast<int>(m_choices->GetCurData());
        text = m_choices->GetItemText(m_choices->GetCurSel());
    }
    switch (m_model.Ok(type, value, text)) {
    case CustomKeyModel::OkResult::Stored:
        DoOK();
        break;
    case CustomKeyModel::OkResult::NoEvents:
        ShowMessageBox(Text(kTextNoEvents), GetSafeHwnd(), Text(kTitleNoEvents), kMessageBoxOk);
        break;
    case CustomKeyModel::OkResult::NoChoice:
        break;
    }
}

} // namespace clavora
