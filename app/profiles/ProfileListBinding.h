#pragma once

// ProfileListBinding - the profile list's work on the main window's real controls: the list
// (66), its add, delete and rename buttons, the keyboard picture it enables, the message boxes
// and the keyboard write that follows a deletion.

#include "lumoui/Types.h"
#include "profiles/ProfileListModel.h"

namespace clavora {

class KeyboardDlg;
struct KeyPageControls;

class ProfileListBinding final : private IProfileListView, private IProfileHost {
public:
    ProfileListBinding(KeyboardDlg& dlg, KeyPageControls& controls);

    void Reload() { m_model.Load(); }
    lumo::LRESULT OnList(lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam);
    lumo::LRESULT OnAdd();
    lumo::LRESULT OnDelete();
    lumo::LRESULT OnRename();

private:
    // IProfileListView
    void Clear() override;
    void Add(const std::string& text, int profile) override;
    void Remove(int row) override;
    int Count() const override;
    std::string RowText(int row) const override;
    void SetRowText(int row, const std::string& text) override;
    int RowProfile(int row) const override;
    int Selection() const override;
    void Select(int row) override;
    void OpenEditor() override;
    // IProfileHost
    int CurrentProfile() const override;
    void SetCurrentProfile(int profile) override;
    void LoadKeyPage() override;
    void ArmKeyFilter() override;
    void EnableKeyPicture(bool enable) override;
    void ShowMessage(int text, int title) override;
    bool Confirm(int text, int title) override;
    void WriteKeysToKeyboard() override;
    const std::vector<std::string>& BlockedWords() const override;

    KeyboardDlg& m_dlg;
    KeyPageControls& m_c;
    ProfileListModel m_model;
};

} // namespace clavora
