#pragma once

// A short-lived top-level window over a dialog, drawn by its own paint manager (menus,
// drop-downs, balloons, key tips, the loading window). It has no taskbar entry and knows the
// object that opened it.

#include "lumoui/MDialog.h"

namespace lumo {

class MPopupWnd : public MDialog {
public:
    explicit MPopupWnd(MObject* parent = nullptr) : m_parentObject(parent) { }

    virtual MObject* GetParent() const { return m_parentObject; }
    void SetParent(MObject* parent) { m_parentObject = parent; }
    // Posts WM_CLOSE to itself.
    virtual void CloseWindow();
    // The dialog style change, then only WS_EX_TOOLWINDOW (and the window's native kind).
    bool OnCreate(CREATESTRUCT* cs) override;

    // Per-pixel alpha presentation with the default colours.
    void SetupBackTranslucent() { SetLayeredWindow(true); }
    // Hands a notification to the opener: its OnMessage when it is a control, else its
    // OnBaseMessage.
    LRESULT SendMessageToParent(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam);

private:
    MObject* m_parentObject = nullptr;
};

} // namespace lumo
