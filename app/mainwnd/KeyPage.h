#pragma once

// KeyPage - the key page: the profile toolbar and list on the left, the keyboard picture and
// the key chooser on the right. The profile controls' notifications go to ProfileList; the
// picture's, the chooser's and the key menu's come here and go on to KeyPageBinding (keys/).

#include "lumoui/Types.h"

#include <memory>

namespace lumo {
class MTabLayout;
} // namespace lumo

namespace clavora {

class KeyboardDlg;
class KeyPageBinding;
class ProfileListBinding;
struct KeyPageControls;

class KeyPage {
public:
    KeyPage(KeyboardDlg& dlg, KeyPageControls& controls);
    ~KeyPage();

    void Build(lumo::MTabLayout* page);
    void Layout(const lumo::CRect& client);
    void RefreshTexts();

    // The keyboard picture's place as the device description gives it.
    void SetPictureRect(const lumo::CRect& rect) { m_pictureRect = rect; }

    // --- Feature entry points ----------------------------------------------------------------
    // The current profile's assignments on the picture.
    void Reload();
    lumo::LRESULT OnPicture(lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam);
    lumo::LRESULT OnChooser(lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam);
    lumo::LRESULT OnMenuCommand(lumo::LPARAM item);

private:
    void SetChooserDescriptions();

    KeyboardDlg& m_dlg;
    KeyPageControls& m_c;
    lumo::CRect m_pictureRect;
    std::unique_ptr<KeyPageBinding> m_binding;
};

// ProfileList - the profile buttons and list of the key page: add, delete, rename (profiles),
// import, export (exchange files) and the list's own events. Profile management is done by
// ProfileListBinding (profiles/); import and export do nothing yet and return 0.
class ProfileList {
public:
    ProfileList(KeyboardDlg& dlg, KeyPageControls& controls);
    ~ProfileList();

    // Fills the list from the store and makes a profile current.
    void Reload();
    lumo::LRESULT OnList(lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam);
    lumo::LRESULT OnAdd();
    lumo::LRESULT OnDelete();
    lumo::LRESULT OnRename();
    lumo::LRESULT OnImport();
    lumo::LRESULT OnExport();

private:
    KeyboardDlg& m_dlg;
    KeyPageControls& m_c;
    std::unique_ptr<ProfileListBinding> m_binding;
};

} // namespace clavora
