#pragma once

// CloseWindowTipDlg - asks what the close button shall do: hide the window to the tray or quit.
// OK stores the choice as exit_mode (1 hide, 2 quit); closing it any other way stores nothing.

#include "lumoui/MDialog.h"

namespace lumo {
class CRadioButton;
class MText;
class MButton;
} // namespace lumo

namespace clavora {

class CloseWindowTipDlg : public lumo::MDialog {
public:
    static constexpr int kWidth = 360;
    static constexpr int kHeight = 200;
    static constexpr const char* kWindowTitle = "CloseWindowTipDlg";

    // Creates the prompt centred over `parent` and runs it; returns the modal result.
    lumo::UINT Run(lumo::HWND parent);

    void InitUI(lumo::CRect client) override;
    void UISize(lumo::CRect client) override;
    bool OnInitDialog() override;
    lumo::LRESULT OnMessage(lumo::UINT controlID, lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam) override;

private:
    lumo::MText* m_question = nullptr;
    lumo::CRadioButton* m_hide = nullptr;
    lumo::CRadioButton* m_quit = nullptr;
    lumo::MButton* m_ok = nullptr;
};

} // namespace clavora
