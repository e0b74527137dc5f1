#pragma once

// The skinned window that application dialogs derive from. It owns the paint manager that
// draws and routes its controls, turns window messages into overridable hooks, offers the
// control factory, the dialog end codes, the animation timer, the in-window message box,
// balloons and a drop shadow.
//   1. hooks (override in dialogs)
//   2. controls and focus
//   3. ending the dialog
//   4. look: layered window, background, dragging, shadow
//   5. timers, tooltips, balloons, messages

#include "lumoui/MControl.h"
#include "lumoui/MObject.h"
#include "lumoui/MWindow.h"
#include "lumoui/PaintManager.h"

#include <memory>
#include <string>

namespace lumo {

// Where a balloon sits relative to its anchor; type 4 stays until hidden explicitly.
enum AIRBLADDER_TYPE { AIRBLADDER_LEFT = 0, AIRBLADDER_CENTER = 1, AIRBLADDER_RIGHT = 2, AIRBLADDER_3 = 3,
    AIRBLADDER_STAY = 4 };

class MDialog : public MWindow, public MObject {
public:
    MDialog();
    ~MDialog() override;

    // MObject: "MDialog"; notifications go to OnMessage, repaint requests to the manager.
    const char* GetClassNameW() const override { return "MDialog"; }
    LRESULT OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnControlUpdate(CRect rect, bool full, MControl* control) override;

    // MWindow
    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Tab focus cycling of the paint manager.
    bool PreTranslateMessage(MSG* msg) override;
    // Initialises the paint manager, reads the client rect and calls InitUI.
    bool OnInitDialog() override;
    // Releases the paint manager's resources, then PostNcDestroy.
    void OnDestroyMessage(HWND hwnd) override;

    // 1. Hooks ------------------------------------------------------------------------------
    // Balloon anchor below a control in screen coordinates: x = left (type 0), centre (1) or
    // right (2); (0, 0) for a null control.
    virtual CPoint GetAirBladderPoint(MControl* control, UINT type);
    virtual void OnMinimize();
    virtual void OnMaximize();
    // Build the dialog's controls here.
    virtual void InitUI(CRect client);
    // Lay the controls out here; not called for a client of 1 x 1 pixels or smaller.
    virtual void UISize(CRect client);
    // Every control notification (code NOTIFY_*).
    virtual LRESULT OnMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam);
    // Posts WM_CLOSE with the same parameters; returns 1.
    virtual LRESULT OnUserCloseWindow(WPARAM wParam, LPARAM lParam);
    // Removes caption and sizing frame from the style.
    virtual bool OnCreate(CREATESTRUCT* cs);
    virtual bool OnSize(UINT type, int cx, int cy);
    virtual LRESULT OnMouseMove(UINT flags, int x, int y);
    virtual LRESULT OnMouseLeave();
    virtual LRESULT OnMouseHover(UINT flags, int x, int y);
    virtual LRESULT OnMouseWheel(UINT flags, int delta, int x, int y);
    virtual LRESULT OnLButtonDown(UINT flags, int x, int y);
    virtual LRESULT OnLButtonUp(UINT flags, int x, int y);
    virtual LRESULT OnLButtonDblClk(UINT flags, int x, int y);
    virtual LRESULT OnRButtonDown(UINT flags, int x, int y);
    virtual LRESULT OnRButtonUp(UINT flags, int x, int y);
    virtual LRESULT OnRButtonDblClk(UINT flags, int x, int y);
    virtual LRESULT OnKeyDown(UINT vk, UINT repeat, UINT flags);
    virtual LRESULT OnNcHitTest(CPoint pt);
    virtual LRESULT OnGetMinMaxInfo(MINMAXINFO* info);
    virtual LRESULT OnNcCalcSize(bool calcValidRects, void* params);
    virtual LRESULT OnNcActivate(bool active);
    virtual LRESULT OnWindowPosChanging(WINDOWPOS* pos);
    virtual LRESULT OnWindowPosChanged(WINDOWPOS* pos);
    virtual LRESULT OnPaint();
    virtual void OnTimer(UINT id);
    virtual LRESULT OnNcPaint();
    virtual LRESULT OnClose();
    virtual LRESULT OnDestroy();
    virtual LRESULT PostNcDestroy();

    // 2. Controls and focus ---------------------------------------------------------------------
    MControl* CreateControl(const char* className, UINT id, CRect rect, const char* title = nullptr, int a = 1,
        int b = 1);
    MControl* CreateArea(const char* className, UINT id, CRect rect, const char* title = nullptr, int a = 1,
        int b = 1);
    MControl* GetControl(UINT id) const { return m_pm.GetControl(id); }
    std::vector<MControl*> GetControls() const { return m_pm.GetControls(); }
    void SetFocusControl(MControl* control) { m_pm.SetFocusControl(control); }
    PaintManager& GetPaintManager() { return m_pm; }
    CRect GetClientArea() const { return m_client; }

    // 3. Ending ---------------------------------------------------------------------------------
    // Post WM_USER_CLOSE with IDOK, IDCANCEL, IDCANCEL, IDYES, IDNO when the window exists.
    void DoOK();
    void DoCancel();
    void DoClose();
    void DoYes();
    void DoNo();

    // 4. Look -----------------------------------------------------------------------------------
    void SetLayeredWindow(bool layered) { m_pm.SetLayeredWindow(layered); }
    void SetBackMode(enumBackMode mode, int edge) { m_pm.SetBackMode(mode, edge); }
    bool LoadBKImage(const std::string& fileName) { return m_pm.LoadBKImage(fileName); }
    bool LoadBKImage(UINT resourceID, const std::string& type) { return m_pm.LoadBKImage(resourceID, type); }
    void EnableWndDrag(bool enable) { m_pm.EnableWndDrag(enable); }
    // Whole-window translucency, applied on the next size change (shown by compositors only).
    void SetWindowAlpha(int alpha) { m_windowAlpha = alpha; }
    void SetTransparentColor(COLORREF key) { m_transparentKey = key; }
    // Shifts the default in-window message box down by this many pixels.
    void SetMessageOffset(int offset) { m_messageOffset = offset; }
    bool CreateShadow();
    void SetSize(int size);
    void SetSharpness(int sharpness);
    void SetDarkness(int darkness);
    void SetPosition(int x, int y);
    void SetShadowColor(COLORREF color);
    bool SetShadowImage(const std::string& fileName, int edge);
    void SetShadowShow(bool show);
    MShadow* GetShadow() const { return m_shadow.get(); }

    // 5. Timers, tooltips, balloons, messages -------------------------------------------------------
    UINT SetMTimer(UINT periodMs);
    void KillMTimer(UINT id) { m_pm.KillMTimer(id); }
    UINT GetMTimerID() const { return m_mTimerId; }
    void SetTooltip(const std::string& text, CRect rect) { m_pm.SetTooltip(text, rect); }
    void ClearTooltip() { m_pm.ClearTooltip(); }
    void SetTooltipCtrlID(UINT id) { m_pm.SetTooltipCtrlID(id); }
    UINT GetTooltipCtrlID() const { return m_pm.GetTooltipCtrlID(); }
    // False for a zero x or y; otherwise shows the balloon (created on first use) below the
    // anchor (placement 3).
    bool SetAirBladderMsg(const std::string& text, CPoint anchor, AIRBLADDER_TYPE type);
    MAirBladder* GetAirBladder() const { return m_balloon.get(); }
    // An empty box becomes a 200 x 58 box centred at the bottom of the client area.
    void SetMessage(const std::string& text, CRect box = CRect(), MsgLevel level = MSGLEVEL_INFO);
    void SetProgress(int progress, const std::string& text, CRect box = CRect());

protected:
    PaintManager m_pm;
    CRect m_client;
    COLORREF m_transparentKey = 0xFFFFFF;
    int m_windowAlpha = 255;
    int m_messageOffset = 0;
    UINT m_mTimerId = 0;
    std::unique_ptr<MAirBladder> m_balloon;
    std::unique_ptr<MShadow> m_shadow;

private:
    void DispatchHooks(UINT msg, WPARAM wParam, LPARAM lParam);
    void DispatchMouseHooks(UINT msg, WPARAM wParam, LPARAM lParam);
};

} // namespace lumo
