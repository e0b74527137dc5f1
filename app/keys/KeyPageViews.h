#pragma once

// What the key page's operations need from the controls and the window around them, as small
// interfaces: the keyboard picture's marks, tips and selection, the key chooser's tick, and the
// window's messages, key filter and custom key dialog. The main window binds them to the real
// controls; tests bind them to recorders.

#include <string>

namespace clavora {

class IKeyPictureView {
public:
    virtual ~IKeyPictureView() = default;
    // Marks a key as doing something other than its own job, or takes the mark away.
    virtual void SetKeyMark(int key, bool marked) = 0;
    // The key's tip: the function's label and its description; both empty clear it.
    virtual void SetKeyTip(int key, const std::string& label, const std::string& text) = 0;
    // No key selected.
    virtual void ClearSelection() = 0;
    // No marks, no tips, no key selected.
    virtual void ClearMarksAndTips() = 0;
    virtual void Redraw() = 0;
};

class IKeyChooserView {
public:
    virtual ~IKeyChooserView() = default;
    // Ticks the item with these values; code 0 (or values no item has) ticks none.
    virtual void CheckItem(int code, int value2, int value3) = 0;
};

class IKeyPageHost {
public:
    virtual ~IKeyPageHost() = default;
    virtual int CurrentProfile() const = 0;
    // A message box with one OK button; both are language text numbers.
    virtual void ShowMessage(int text, int title) = 0;
    // Hands the current profile's assignments to the key filter.
    virtual void ArmKeyFilter() = 0;
    // Runs the custom key dialog (mode 3 macro, 7 shortcut) for a key of a profile; true when
    // it ended with OK, which means it stored the key's new function.
    virtual bool RunCustomKeyDialog(int mode, int profile, int key) = 0;
};

} // namespace clavora
