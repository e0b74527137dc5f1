#pragma once

// A short-lived top-level window over a dialog, drawn by its own paint manager (menus,
// drop-downs, balloons, key tips, the loading window). It has no taskbar entry and knows the
// object that opened it.

#include "lumoui/MDialog.h"

#include <functional>

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
    // Menu behaviour: while shown the popup holds the pointer, and it closes itself on a press
    // outside it or when it loses activation. Create such popups with WS_EX_LUMO_POPUPMENU.
    void EnableAutoClose(bool enable) { m_autoClose = enable; }
    bool IsAutoClose() const { return m_autoClose; }

    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnNcActivate(bool active) override;
    // Keeps the painter control (AddPainter) covering the client area.
    void UISize(CRect client) override;

protected:
    // For popups that draw their whole window themselves: a control covering the client area
    // whose drawing is `paint`. Call from InitUI; returns the control (owned by the manager).
    MControl* AddPainter(std::function<void(HDC& hdc, CRect rect)> paint);
    MControl* GetPainter() const { return m_painter; }
    // Hands a notification to the opener: its OnMessage when it is a control, else its
    // OnBaseMessage.
    LRESULT SendMessageToParent(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam);

private:
    MObject* m_parentObject = nullptr;
    bool m_autoClose = false;
    MControl* m_painter = nullptr;
};

} // namespace lumo
