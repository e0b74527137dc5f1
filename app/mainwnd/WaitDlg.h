#pragma once

// WaitDlg - the small box with the loading animation shown while the device worker talks to
// the keyboard. It has no button: the worker's DoOK, CloseToolkitPopups or a newer wait box
// ends it.

#include "lumoui/MDialog.h"

namespace clavora {

class WaitDlg : public lumo::MDialog {
public:
    static constexpr int kSize = 102;
    static constexpr const char* kWindowTitle = "WaitDlg";

    // Creates the window centred over the parent's window rectangle. False when it cannot be
    // made.
    bool CreateOver(lumo::HWND parent);

    void InitUI(lumo::CRect client) override;
    void UISize(lumo::CRect client) override;
    bool OnInitDialog() override;
    lumo::LRESULT OnMessage(lumo::UINT controlID, lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam) override;
};

} // namespace clavora
