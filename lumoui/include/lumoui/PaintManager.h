#pragma once

// One per LumoUI window: holds the window's top-level controls in two layers, paints the whole
// client area into one bitmap, routes mouse, wheel and key messages to controls, runs the
// controls' native timers and the animation timer, shows the tooltip and the in-window
// message box, and keeps the window's caches of skin images and fonts.
//   1. window, background, layers and the control factory
//   2. repaint requests and painting
//   3. caches (images, fonts)
//   4. focus, hover, tooltips, text input, caret
//   5. timers (native per-control timers, animation timer)
//   6. in-window message box and progress
//   7. message handling and teardown
//
// Threads: everything runs on the window's thread except OnMTimer (the animation tick, on
// the timer's thread) and OnControlUpdate calls made from it, which are queued and carried out
// on the window's thread. Locks: each layer, the animation list, the timer list, the image
// cache, the font cache and the queued repaints have their own.

#include "lumoui/Graphics.h"
#include "lumoui/MImage.h"
#include "lumoui/Messages.h"
#include "lumoui/RKTimer.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lumo {

class MControl;
class MObject;
class MWindow;
class ToolTipWnd;

// One cached skin image per distinct file name and window.
struct ImgResInfo {
    MImagePtr image;
    int sliceWidth = 0; // image width / slice count of the first request
    int sliceHeight = 0;
    int sliceCount = 1;
    std::string fileName;
};

enum enumBackMode {
    BACKMODE_NORMAL = 0, // the background image at its natural size at the origin
    BACKMODE_FRAME = 1,  // the background image as a nine-grid over the client area
};

enum MsgLevel { MSGLEVEL_INFO = 0, MSGLEVEL_WARNING = 1, MSGLEVEL_ERROR = 2 };

class PaintManager : public RKTimer {
public:
    PaintManager();
    ~PaintManager() override;
    PaintManager(const PaintManager&) = delete;
    PaintManager& operator=(const PaintManager&) = delete;

    // 1. Window, background, layers ----------------------------------------------------------
    // Binds the manager to its window; registers font/Arial.ttf beside the executable when it
    // exists. Until then the manager is inert.
    void Init(HWND hwnd, MWindow* dialog);
    bool IsInitialized() const { return m_initialized; }
    HWND GetHWND() const { return m_hwnd.load(); }
    MWindow* GetDialog() const { return m_dialog; }
    void SetCaptionRect(CRect rect) { m_captionRect = rect; }
    CRect GetCaptionRect() const { return m_captionRect; }
    void SetWindowMaxSize(CSize size) { m_maxSize = size; }
    void SetWindowMixSize(CSize size) { m_minSize = size; }

    void SetBackColor(COLORREF back, COLORREF border);
    COLORREF GetBackColor() const { return m_backColor; }
    COLORREF GetBorderColor() const { return m_borderColor; }
    void SetBackMode(enumBackMode mode, int edge);
    // From the skin folder; replaces any previous image. False (and no image) on failure.
    bool LoadBKImage(const std::string& fileName);
    bool LoadBKImage(UINT resourceID, const std::string& type);
    void SetLayeredWindow(bool layered);
    bool IsLayered() const { return m_layered; }
    void EnableWndDrag(bool enable) { m_wndDrag = enable; }
    bool IsWndDragEnabled() const { return m_wndDrag; }

    // The factory: kind 0 appends to the area layer, 1 to the control layer, anything else
    // leaves the control unattached (the caller owns it). Null for an empty or unknown name.
    // An attached visible control is repainted at once.
    MControl* CreateControl(int kind, MObject* parent, const char* className, UINT id, CRect rect, const char* title,
        int a, int b);
    MControl* CreateArea(MObject* parent, const char* className, UINT id, CRect rect, const char* title, int a, int b);
    // Attaches an existing control (kind 0 area, 1 control layer); the manager owns it then.
    void AddControl(MControl* control, int kind);
    // Depth-first over the control layer, then the area layer.
    MControl* GetControl(UINT id) const;
    std::vector<MControl*> GetControls() const;
    std::vector<MControl*> GetAreaControls() const;
    // Deletes a top-level control of either layer and repaints where it was. False if it is
    // not one. The Clear... calls delete whole layers and repaint the window.
    bool RemoveControl(MControl* control);
    void ClearControls();
    void ClearAreaControls();
    void ClearAllControls();

    // 2. Repaint requests and painting -----------------------------------------------------
    // The repaint request of a control: full marks its cache stale; every later visible
    // top-level control overlapping the rect is restaled and repainted too.
    LRESULT OnControlUpdate(CRect rect, bool full, MControl* control);
    void Invalidate();
    void InvalidateRect(CRect rect, bool erase);
    // Paints `rect` into the window bitmap and shows it at once (benchmarks and tools).
    void PaintRect(CRect rect);
    // The window bitmap as last painted.
    const MemDC& GetBackBuffer() const { return m_back; }
    // Renders one control into a bitmap of the rect's size; a colour above 0xFFFFFF is laid
    // over it as ARGB. Null for a null control or an empty rect.
    std::unique_ptr<MemDC> GenerateBitmap(MControl* control, CRect rect, DWORD colour);

    // 3. Caches ----------------------------------------------------------------------------
    // The shared entry of a skin file; the slice count of the first request wins. Null (and
    // nothing cached) when the file cannot be loaded.
    ImgResInfo* AddImgResInfo(const std::string& fileName, int count);
    ImgResInfo* AddImgResInfo(UINT resourceID, const std::string& type, int count);
    void ClearImgResInfo();
    // Font families: AddTempFont registers a font file and caches it under `family`;
    // FindTempFont gives the cached family of the default font name (Manager::GetFontName,
    // the argument is not consulted).
    const std::string* AddTempFont(const std::string& family, const std::string& path);
    const std::string* AddGDITempFont(UINT resourceID);
    const std::string* FindTempFont(const std::string& name);
    void ClearTempFont();
    void SetScrollResID(UINT vertical, UINT horizontal);
    UINT GetScrollVID() const { return m_scrollV; }
    UINT GetScrollHID() const { return m_scrollH; }

    // 4. Focus, hover, tooltips, text input, caret --------------------------------------------
    // No-op when unchanged; the old focus gets SetControlFocus(false), the new one true.
    void SetFocusControl(MControl* control);
    MControl* GetFocusControl() const { return m_focus; }
    MControl* GetHoverControl() const { return m_hover; }
    // Visible, enabled tab stops in layer order, wrapping around.
    MControl* GetNextFocusableControl() const;
    MControl* GetPrevFocusableControl() const;
    void SetTooltip(const std::string& text, CRect rect);
    void ClearTooltip();
    void SetTooltipCtrlID(UINT id) { m_tooltipOwner = id; }
    UINT GetTooltipCtrlID() const { return m_tooltipOwner; }
    HWND GetTooltipWindow() const;
    // A drawn editor takes the window's text input: WM_CHAR, WM_IME_* and key-down messages
    // reach its OnWindowMessage first. `caret` places the input method's window. Null ends it.
    void SetTextInputControl(MControl* control, CRect caret);
    MControl* GetTextInputControl() const { return m_textInput; }
    void CreateCaret(MControl* owner, int width, int height, ARGB color = 0xFFFFFFFF);
    void SetCaretPos(CPoint pt);
    void ShowCaret(bool show);
    void DestroyCaret(MControl* owner);
    void DrawCaret(HDC& hdc);
    MControl* GetCurrentCaretObject() const { return m_caretOwner; }
    // Takes a control out of every bookkeeping list (hover, focus, animation list, native
    // timers, queued repaints, caret, text input). With takeFocus the focus is taken away
    // through SetFocusControl(null) first.
    void ForgetControl(MControl* control, bool takeFocus);

    // 5. Timers ----------------------------------------------------------------------------
    // A native timer for (control, key): false when one is running already; a killed one is
    // restarted with its old native ID.
    bool SetTimer(MControl* control, UINT key, UINT elapse);
    bool KillTimer(MControl* control, UINT key);
    void KillTimer(MControl* control);
    void ClearTimers();
    // The animation timer: ticks call OnTimer of registered controls that run their timer and
    // are visible up to the dialog.
    UINT SetMTimer(UINT period);
    void KillMTimer(UINT id);
    void AddMTimer(MControl* control);
    using RKTimer::OnMTimer;
    void OnMTimer(UINT id) override;

    // 6. In-window message box and progress ------------------------------------------------------
    void SetMessage(const std::string& text, CRect box, MsgLevel level);
    void SetProgress(int progress, const std::string& text, CRect box);
    const std::string& GetMessageText() const { return m_msgText; }
    int GetMessageAlpha() const { return m_msgAlpha; }
    int GetProgressValue() const { return m_progress; }

    // 7. Messages and teardown ---------------------------------------------------------------
    // Both deliver synchronously to the window (0 when it is gone).
    LRESULT SendMessageW(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT PostMessageW(UINT msg, WPARAM wParam, LPARAM lParam);
    // Also relays the window's mouse messages to its tooltip.
    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // Tab focus cycling; true when the message was consumed.
    bool PreTranslateMessage(const MSG* msg);
    void OnDestroyMessage(HWND hwnd);
    // Frees everything and returns to the inert state.
    void DestroyData();

private:
    struct NativeTimer {
        HWND hwnd = nullptr;
        MControl* control = nullptr;
        UINT key = 0;
        UINT nativeId = 0;
        bool killed = false;
    };
    struct PendingUpdate {
        CRect rect;
        bool full = false;
        MControl* control = nullptr;
    };

    bool OnWindowThread() const;
    std::vector<MControl*> TopLevel() const; // area layer, then control layer
    MControl* TopLevelOwner(MControl* control) const;
    // Where a control's rect shows in the window, after its owners' scrolling.
    CRect ShownRect(const MControl* control, CRect rect) const;
    void RunPendingUpdates();
    LRESULT OnPaint();
    void PaintInto(const CRect& update, const CRect& client);
    void DrawBackground(HDC hdc, const CRect& client);
    void FixLayeredAlpha(const CRect& rect);
    void DrawMessageBox(HDC hdc);
    void Present(const CRect& rect);
    bool EnsureBackBuffer(const CRect& client);
    UINT NextNativeTimerId();
    void OnTimer(UINT id);
    LRESULT RouteMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void OnMouseMove(UINT flags, CPoint pt);
    void OnMouseLeave();
    void OnButtonDown(UINT msg, UINT flags, CPoint pt);
    void OnLButtonUp(UINT flags, CPoint pt);
    LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);
    void OnKeyDown(UINT vk);
    void OnNcActivate(bool active);
    bool WouldDragAt(CPoint pt) const;
    void ClearLayer(std::vector<MControl*>& layer, std::recursive_mutex& lock);
    // Restales the controls over a rect a removed control left, and repaints it.
    void RepaintVacated(CRect rect);
    void RepaintAll();
    const std::string* CacheFamily(const std::string& family);

    // Window
    std::atomic<HWND> m_hwnd { nullptr };
    MWindow* m_dialog = nullptr;
    std::thread::id m_windowThread;
    bool m_initialized = false;
    CRect m_captionRect;
    CSize m_maxSize;
    CSize m_minSize;
    // Background
    COLORREF m_backColor = 0x130D09;
    COLORREF m_borderColor = 0x555028;
    bool m_layered = false;
    MImagePtr m_bkImage;
    enumBackMode m_backMode = BACKMODE_NORMAL;
    int m_backEdge = 4;
    MemDC m_back;
    // Controls
    std::vector<MControl*> m_areaLayer;    // guarded by m_areaLock
    std::vector<MControl*> m_controlLayer; // guarded by m_controlLock
    mutable std::recursive_mutex m_areaLock;
    mutable std::recursive_mutex m_controlLock;
    std::vector<MControl*> m_animList; // guarded by m_animLock
    std::recursive_mutex m_animLock;
    std::atomic<UINT> m_animTimerId { 0 };
    std::vector<PendingUpdate> m_pending; // guarded by m_pendingLock
    std::mutex m_pendingLock;
    // Input
    MControl* m_hover = nullptr;
    MControl* m_focus = nullptr;
    bool m_tracking = false;
    bool m_captured = false;
    bool m_buttonHeld = false;
    bool m_wndDrag = true;
    bool m_dragPending = false;
    CPoint m_lastMouse;
    MControl* m_textInput = nullptr;
    // Tooltip
    std::unique_ptr<ToolTipWnd> m_tooltip;
    UINT m_tooltipOwner = 0xFFFFFFFF;
    // Native timers
    std::vector<NativeTimer> m_timers; // guarded by m_timerLock
    std::recursive_mutex m_timerLock;
    UINT m_lastTimerId = 0;
    // Message box
    std::string m_msgText;
    std::string m_msgFont;
    int m_msgAlpha = 0;
    int m_progress = 0;
    int m_progressTarget = 0;
    bool m_msgHasProgress = false;
    CRect m_msgBox;
    // Caret
    MControl* m_caretOwner = nullptr;
    CRect m_caretRect;
    ARGB m_caretColor = 0xFFFFFFFF;
    bool m_caretShown = false;
    bool m_caretBlink = false;
    // Caches
    std::map<std::string, std::unique_ptr<ImgResInfo>> m_images; // guarded by m_imageLock
    std::mutex m_imageLock;
    std::map<std::string, std::unique_ptr<std::string>> m_fonts; // guarded by m_fontLock
    std::mutex m_fontLock;
    UINT m_scrollV = 0;
    UINT m_scrollH = 0;
};

} // namespace lumo
