#pragma once

// CUIMessageBox - the program's message box: a title, a message and one or two buttons on the
// prompt background, run modally over its owner. ShowMessageBox is the one way to use it.

#include "lumoui/MDialog.h"

#include <string>

namespace clavora {

// Button styles and results.
inline constexpr int kMessageBoxOk = 0;       // one OK button
inline constexpr int kMessageBoxOkCancel = 4; // OK and cancel
inline constexpr int kMessageBoxResultOk = 1;
inline constexpr int kMessageBoxResultCancel = 2;

class CUIMessageBox : public lumo::MDialog {
public:
    static constexpr int kWidth = 380;
    static constexpr int kHeight = 200;
    static constexpr const char* kWindowTitle = "MessageBox";

    CUIMessageBox(std::string title, std::string message, int style);

    void InitUI(lumo::CRect client) override;
    void UISize(lumo::CRect client) override;
    bool OnInitDialog() override;
    lumo::LRESULT OnMessage(lumo::UINT controlID, lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam) override;

private:
    std::string m_title;
    std::string m_message;
    int m_style;
};

// Shows the box over `parent` (may be null) and waits for it: 1 when OK was pressed, 2 for
// cancel and for every other way the box ended (closed from outside, or not shown at all).
int ShowMessageBox(const std::string& message, lumo::HWND parent, const std::string& title, int style);

} // namespace clavora
