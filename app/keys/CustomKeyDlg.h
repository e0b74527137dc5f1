#pragma once

// CustomKeyDlg - binds a key to a macro (mode 3) or to a system shortcut (mode 7). It shows the
// key's name, a function type list with the mode's one type and the type's choices; OK stores
// the choice as the key's function in the dialog's profile, the close button stores nothing.
// A macro without events is refused with a message and the dialog stays open.
//
// Controls: 30 background, 31 title, 32 close, 33 frame, 34 key name, 35 type label, 36 type
// list, 37 choices, 38-43 an edit field, four modifier check boxes and a file button (kept
// hidden), 44 OK.

#include "keys/CustomKeyModel.h"
#include "lumoui/MDialog.h"

namespace lumo {
class MComboBox;
} // namespace lumo

namespace clavora {

class CustomKeyDlg : public lumo::MDialog {
public:
    static constexpr int kWidth = 660;
    static constexpr int kHeight = 360;
    static constexpr const char* kWindowTitle = "CustomKeyDlg";

    static constexpr lumo::UINT kTypeListId = 36;
    static constexpr lumo::UINT kChoiceListId = 37;
    static constexpr lumo::UINT kCloseId = 32;
    static constexpr lumo::UINT kOkId = 44;

    CustomKeyDlg(DataStore& store, int key, int profile, int mode);

    // Creates the dialog centred on `owner` and runs it; true when it ended with OK.
    bool Run(lumo::HWND owner);

    bool OnInitDialog() override;
    void InitUI(lumo::CRect client) override;
    void UISize(lumo::CRect client) override;
    lumo::LRESULT OnMessage(lumo::UINT controlID, lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam) override;
    lumo::LRESULT OnWindowMessage(lumo::UINT msg, lumo::WPARAM wParam, lumo::LPARAM lParam) override;

private:
    void BuildFrame(int w, int h);
    void BuildFields(int w);
    void FillChoices(int type);
    void OnOk();

    int m_key;
    int m_profile;
    int m_mode;
    // The program a key would start; no mode of this dialog uses it.
    std::string m_programPath;
    CustomKeyModel m_model;
    lumo::MComboBox* m_types = nullptr;
    lumo::MComboBox* m_choices = nullptr;
};

} // namespace clavora
