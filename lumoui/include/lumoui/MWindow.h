#pragma once

// One native top-level window bound to an object: class registration, creation, the static
// window procedure that routes messages to OnWindowMessage, the modal loop and thin wrappers.
// The object outlives its window; destroying the object destroys a window that still exists.

#include "lumoui/Messages.h"
#include "lumoui/WindowApi.h"

#include <string>

namespace lumo {

class MWindow {
public:
    MWindow() = default;
    virtual ~MWindow();
    MWindow(const MWindow&) = delete;
    MWindow& operator=(const MWindow&) = delete;

    virtual const char* GetWindowClassName() const { return "LumoClient"; }
    // Native classes to build on do not exist here; kept for classes that name one.
    virtual const char* GetSuperClassName() const { return nullptr; }
    virtual bool ShowWindow(int cmd);
    // Default: the previous window procedure (DefWindowProcW).
    virtual LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual bool PreTranslateMessage(MSG* msg);
    // Called by Create after the native window was made, also when that failed.
    virtual bool OnInitDialog();
    // Called after the native window is gone.
    virtual void OnDestroyMessage(HWND hwnd);

    // Returns the existing handle when the window exists already.
    HWND Create(HWND parent, const std::string& title, DWORD style, DWORD exStyle, CRect rect);
    // Title "LumoClient", style 0x0000080B, no extended style.
    HWND Create(HWND parent, CRect rect);
    // Shows the window, disables its owner and runs a loop until the window is gone. Returns
    // the wParam of the WM_CLOSE that ended it (0 when destroyed without one), 0xFFFFFFFF when
    // there is no window. A WM_QUIT ends the loop and is posted again for the outer loop.
    UINT ShowModal(int showCommand = SW_SHOW);

    // Centres over `over` (else the owner) when that is visible and not minimised, otherwise
    // over the work area nearest the window; kept inside the work area.
    void CenterWindow(MWindow* over = nullptr);
    void SetIcon(UINT resourceID) { m_iconId = resourceID; }
    // Brings the window to the front and shows it (restored when minimised).
    void BringToTop();

    // Thin wrappers; each does nothing (returns 0) without a live window.
    bool DestroyWindow();
    bool EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    bool IsWindowVisible() const;
    bool IsIconic() const;
    bool SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    bool MoveWindow(int x, int y, int cx, int cy, bool repaint = true);
    bool GetClientRect(CRect* rect) const;
    bool GetWindowRect(CRect* rect) const;
    bool ClientToScreen(CPoint* pt) const;
    bool ScreenToClient(CPoint* pt) const;
    bool SetWindowTextW(const std::string& text);
    std::string GetWindowTextW() const;
    int GetWindowTextLengthW() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    bool ModifyStyle(DWORD remove, DWORD add);
    bool ModifyExStyle(DWORD remove, DWORD add);
    bool InvalidateRect(const CRect* rect, bool erase = false);
    HWND SetCapture();
    bool ReleaseCapture();
    HWND SetFocus();
    UINT SetTimer(UINT id, UINT elapse);
    bool KillTimer(UINT id);
    LRESULT SendMessageW(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    bool PostMessageW(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    HWND GetSafeHwnd() const { return IsWindow(m_hWnd) ? m_hWnd : nullptr; }
    HWND GetParentHwnd() const { return m_hParent; }

    static LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    // Destroys a window that still exists without routing its last messages to this object
    // (used by destructors, when the derived parts are already gone).
    void DestroyDetached();

    HWND m_hParent = nullptr;
    HWND m_hWnd = nullptr;
    WNDPROC m_prevProc = &DefWindowProcW;
    UINT m_iconId = 0;
};

} // namespace lumo
