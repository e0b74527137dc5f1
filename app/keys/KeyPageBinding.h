#pragma once

// KeyPageBinding - the key page's assignment work on the main window's real controls: the
// keyboard picture (67), the key chooser (69), the key menu and the custom key dialog. The
// main window's key page hands its picture, chooser and menu notifications here.

#include "keys/KeyPageModel.h"
#include "lumoui/Types.h"

namespace clavora {

class KeyboardDlg;
struct KeyPageControls;

class KeyPageBinding final : private IKeyPictureView, private IKeyChooserView, private IKeyPageHost {
public:
    KeyPageBinding(KeyboardDlg& dlg, KeyPageControls& controls);

    // Shows the current profile's assignments on the picture.
    void Reload();
    lumo::LRESULT OnPicture(lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam);
    lumo::LRESULT OnChooser(lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam);
    // A command of the key menu (the main window's message 1825).
    lumo::LRESULT OnMenuCommand(lumo::LPARAM item);

    KeyPageModel& Model() { return m_model; }

private:
    // IKeyPictureView
    void SetKeyMark(int key, bool marked) override;
    void SetKeyTip(int key, const std::string& label, const std::string& text) override;
    void ClearSelection() override;
    void ClearMarksAndTips() override;
    void Redraw() override;
    // IKeyChooserView
    void CheckItem(int code, int value2, int value3) override;
    // IKeyPageHost
    int CurrentProfile() const override;
    void ShowMessage(int text, int title) override;
    void ArmKeyFilter() override;
    bool RunCustomKeyDialog(int mode, int profile, int key) override;

    // The key menu at the mouse.
    void ShowKeyMenu();

    KeyboardDlg& m_dlg;
    KeyPageControls& m_c;
    KeyPageModel m_model;
};

} // namespace clavora
