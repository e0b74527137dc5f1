#pragma once

// MacroPage - the macro page: the macro list with its buttons on the left; the event list with
// its buttons and the save button in the middle; on the right the event editor (event kind,
// key capture, mouse button, number, insert), the play settings (play count, delay mode, fixed
// delay) and the recording buttons.
//
// The notifications the main window routes here are the macro editor's, recording's and the
// exchange files' entry points; those features fill them. Until then they do nothing and
// return 0. The delay radio buttons' hold on the fixed-delay field is done here already.

#include "lumoui/Types.h"

namespace lumo {
class MTabLayout;
} // namespace lumo

namespace clavora {

class KeyboardDlg;
struct MacroPageControls;

class MacroPage {
public:
    MacroPage(KeyboardDlg& dlg, MacroPageControls& controls);

    void Build(lumo::MTabLayout* page);
    void Layout(const lumo::CRect& client);
    void RefreshTexts();

    // --- Feature entry points ----------------------------------------------------------------
    void Reload();
    lumo::LRESULT OnMacroList(lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam);
    lumo::LRESULT OnKeyCapture(lumo::UINT code, lumo::WPARAM wParam, lumo::LPARAM lParam);
    lumo::LRESULT OnPlayCountEditEnd();
    // The event list's delay edit ended (the routing checks there is a selection first).
    lumo::LRESULT OnEventListEditEnd();
    bool HasEventSelection() const;
    lumo::LRESULT OnEventKind(lumo::UINT id);
    lumo::LRESULT OnListButton(lumo::UINT id); // 217 new ... 222 rename
    lumo::LRESULT OnRecordStart();
    lumo::LRESULT OnRecordStop();
    lumo::LRESULT OnEventButton(lumo::UINT id); // 235 up, 236 down, 237 delete
    lumo::LRESULT OnSave();
    lumo::LRESULT OnMenuCommand(lumo::LPARAM item);
    lumo::LRESULT OnRecorderKey(lumo::WPARAM wParam, lumo::LPARAM lParam);

    // 225 and 226 disable the fixed-delay field, 227 enables it.
    lumo::LRESULT OnDelayKind(lumo::UINT id);

private:
    void BuildList(lumo::MTabLayout* page);
    void BuildEventEditor(lumo::MTabLayout* page);
    void BuildPlaySettings(lumo::MTabLayout* page);
    void BuildEventList(lumo::MTabLayout* page);
    void FillLists();

    KeyboardDlg& m_dlg;
    MacroPageControls& m_c;
};

} // namespace clavora
