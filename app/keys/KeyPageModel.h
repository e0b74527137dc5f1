#pragma once

// KeyPageModel - the key page's work on key assignments: selecting a key on the picture,
// giving it a function from the key chooser, the key menu's commands (restore, disable, macro,
// shortcut), and showing the current profile's assignments as marks and tips. Every change is
// saved to the store at once and the key filter re-armed, so the key does its new job right
// away. Layer 0 only.
//
// The selected key is the key the picture shows selected: whenever the picture's selection is
// cleared, the page has no selected key either, and the chooser and the menu act on nothing.
// Runs on the window thread.

#include "keys/KeyPageViews.h"
#include "store/KeyAssignment.h"

#include <string>

namespace clavora {

class DataStore;

// A key chooser item as the chooser reports it.
struct ChooserItem {
    int code = 0;
    int value2 = 0;
    int value3 = 0;
    std::string label;
};

class KeyPageModel {
public:
    // Key menu commands, as the menu reports them.
    static constexpr int kMenuRestoreDefault = 606;
    static constexpr int kMenuDisable = 607;
    static constexpr int kMenuAssignMacro = 608;
    static constexpr int kMenuAssignShortcut = 609;

    KeyPageModel(DataStore& store, IKeyPictureView& picture, IKeyChooserView& chooser, IKeyPageHost& host);

    // A click on the picture with the key's value. True when the key is now the selected key;
    // the Fn key is refused with a message, a click beside every key is ignored.
    bool SelectKey(int key);
    int GetSelectedKey() const { return m_selectedKey; }

    // The chooser's item becomes the selected key's function.
    void Choose(const ChooserItem& item);
    // The selected key does its own job again.
    void RestoreDefaultKey();
    // The selected key does nothing.
    void DisableKey();
    // Binds the selected key through the custom key dialog (3 macro, 7 shortcut).
    void AssignCustom(int mode);
    // A key menu command; false for a command the page does not know.
    bool OnMenuCommand(int command);

    // Shows the current profile's assignments: marks, tips, no chooser tick, no selection.
    void Refresh();

private:
    // True when there is a selected key that may be assigned; the Fn key shows the message.
    bool CanAssign();
    void Save(KeyAssignment record);
    void ShowTip(const KeyAssignment& row);
    void TickChooser(const KeyAssignment* row);
    void ClearSelection();

    DataStore& m_store;
    IKeyPictureView& m_picture;
    IKeyChooserView& m_chooser;
    IKeyPageHost& m_host;
    int m_selectedKey = 0;
};

} // namespace clavora
