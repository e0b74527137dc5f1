#pragma once

// The base of every drawn control. A control is a rect inside one native window, painted into
// that window's bitmap by its paint manager; it owns two layers of children.
//   1. construction, class name, the upward channels (MObject)
//   2. per-class hooks - override these in a control (OnControl..., DrawControl, ...)
//   3. routing - called by the paint manager or a container; not overridden
//   4. geometry and state
//   5. redraw requests and cached renderings
//   6. children, notifications, tooltips, timers
//   7. FS_POSITION_ITEM
//
// Coordinates: every rect and point is in the native window's client coordinates, also for
// children of containers. A scrolling container shifts points in OnMousePointChange; children
// with IDs 1 and 2 (a container's own scroll bars) always receive unshifted points.
//
// Threads: the window thread draws and routes input. Animation ticks (OnTimer, and through it
// OnControlTimer) arrive on the animation timer's thread: a tick handler only changes state
// and asks for a redraw. The flags a tick reads are atomic and each child list has its own
// lock; no lock is held across a call into the owner.

#include "lumoui/Graphics.h"
#include "lumoui/MImage.h"
#include "lumoui/MObject.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace lumo {

class MControl : public MObject {
public:
    // 1. Construction ---------------------------------------------------------------------
    MControl(MObject* parent, UINT id, CRect rect, bool visible = true, bool enabled = true, bool response = true);
    // Deletes every child (both layers) after taking them out of the window's bookkeeping.
    ~MControl() override;
    MControl(const MControl&) = delete;
    MControl& operator=(const MControl&) = delete;

    const char* GetClassNameW() const override { return "FSControl"; }
    // A control passes its children's notifications and repaint requests on to its own owner
    // unchanged; containers that want to react override these and call the base.
    LRESULT OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnControlUpdate(CRect rect, bool full, MControl* control) override;

    // 2. Per-class hooks ---------------------------------------------------------------------
    // Called once the paint manager is known: load images, create children, register timers.
    virtual void InitControl(PaintManager* manager);
    // False when invisible, else whether the point is inside the rect.
    virtual bool PtInRect(CPoint pt) const;
    // Draws the control itself into the window bitmap (children are drawn by the base).
    virtual void DrawControl(HDC& hdc, CRect clip) = 0;
    // Draws the visible children of the control layer.
    virtual bool DrawSubControls(HDC& hdc, CRect clip);
    virtual bool IsDraw(CPoint pt);
    // update = false marks the cached rendering stale (here and in intersecting children).
    virtual void SetUpdate(bool update, DWORD backColour = 0);
    // Sets the focused flag; losing focus also takes it from every child. Returns false.
    virtual bool SetControlFocus(bool focus);
    virtual void InitUI(CRect rect);
    // A scrolling container shifts the point by its scroll offset here.
    virtual bool OnMousePointChange(CPoint& pt);
    // Returns true to decline a point inside the rect: the point then belongs to whatever is
    // below (for example window dragging). The default accepts every point.
    virtual bool OnCheckMouseResponse(UINT flags, CPoint pt);
    // Every raw window message is offered here first (top-level controls of the control
    // layer); non-zero ends the paint manager's handling.
    virtual LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam);
    // The virtual setters every geometry and state change passes through.
    virtual void SetControlRect(CRect rect);
    virtual void SetControlVisible(bool visible);
    virtual void SetControlWndVisible(bool visible);
    virtual void SetControlEnabled(bool enabled);
    // Animation tick (timer thread) and native timer ticks (window thread).
    virtual bool OnControlTimer();
    // A native timer registered with PaintManager::SetTimer(this, key, ...) fired. The default
    // runs the tick routing (OnTimer); controls with several keys override this.
    virtual bool OnNativeTimer(UINT key);
    virtual MImagePtr GetControlDropBitmap();
    virtual bool OnControlMouseMove(UINT flags, CPoint pt);
    // Shows the control's cursor while the point is inside; true when it did.
    virtual bool OnControlSetCursor(UINT flags, CPoint pt);
    virtual bool OnControlLButtonDown(UINT flags, CPoint pt);
    virtual bool OnControlLButtonUp(UINT flags, CPoint pt);
    virtual bool OnControlLButtonDblClk(UINT flags, CPoint pt);
    // down: non-zero for a downward (towards the user) notch.
    virtual bool OnControlScroll(bool vertical, UINT down, CPoint pt);
    virtual bool OnControlRButtonDown(UINT flags, CPoint pt);
    virtual bool OnControlRButtonUp(UINT flags, CPoint pt);
    virtual bool OnControlRButtonDblClk(UINT flags, CPoint pt);
    // flags: the modifier virtual keys OR-ed (16 Shift, 17 Ctrl, 18 Alt). True when a hot key
    // is set and matches.
    virtual bool OnControlKeyDown(UINT vk, UINT repeat, UINT flags);
    virtual void OnPositionChange();
    // Invalidates the control's rect in its window (the whole window when layered).
    virtual void InvalidateRect(const CRect* rect, bool erase);
    // Where a rect of a child (window coordinates as the child knows them) shows in the
    // window: a scrolling container shifts it by its offset and clips it to its view. The
    // paint manager maps every repaint request through the requester's owners.
    virtual CRect MapChildRect(const MControl* child, CRect rect) const;

    // 3. Routing -------------------------------------------------------------------------------
    bool Draw(HDC& hdc, CRect clip);
    bool OnMouseMove(UINT flags, CPoint pt);
    bool OnLButtonDown(UINT flags, CPoint pt);
    bool OnLButtonUp(UINT flags, CPoint pt);
    bool OnLButtonDblClk(UINT flags, CPoint pt);
    bool OnRButtonDown(UINT flags, CPoint pt);
    bool OnRButtonUp(UINT flags, CPoint pt);
    bool OnRButtonDblClk(UINT flags, CPoint pt);
    bool OnScroll(bool vertical, UINT down, CPoint pt);
    bool OnKeyDown(UINT vk, UINT repeat, UINT flags);
    bool OnTimer();
    // Inside the rect and not declined (the "accepts the point" test of the routing).
    bool AcceptsPoint(UINT flags, CPoint pt);

    // 4. Geometry and state --------------------------------------------------------------------
    UINT GetControlID() const { return m_id; }
    CRect GetRect() const { return m_rect; }
    // Both repaint the union of the old and new rect when visible.
    void SetRect(CRect rect);
    void SetRect(int x, int y, int width, int height);
    bool IsVisible() const { return m_visible.load(); }
    // No-op when unchanged; otherwise also a repaint of the rect (also when hiding).
    void SetVisible(bool visible);
    void SetVisible(bool visible, bool notify);
    bool IsEnabled() const { return m_enabled.load(); }
    void SetEnabled(bool enabled);
    // True up to a dialog owner when every owner in between is visible.
    bool IsParentVisible() const;
    bool IsDragDrop() const { return m_dragDrop; }
    void SetDragDrop(bool dragDrop) { m_dragDrop = dragDrop; }
    bool GetRresponse() const { return m_response; }
    void SetRresponse(bool response) { m_response = response; }
    bool IsTabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop) { m_tabStop = tabStop; }
    // When false (the default) a double click arrives as a second button down.
    bool GetDblClk() const { return m_dblClk; }
    void SetDblClk(bool dblClk) { m_dblClk = dblClk; }
    bool IsFocused() const { return m_focused; }
    bool IsPressedInside() const { return m_pressedInside; }
    bool IsRunTimer() const { return m_runTimer.load(); }
    void SetRunTimer(bool run) { m_runTimer = run; }
    bool IsAnimationRunning() const { return m_animationRunning.load(); }
    void SetAnimationRunning(bool running) { m_animationRunning = running; }
    bool IsAnimating() const { return m_animating.load(); }
    // Key that triggers OnControlKeyDown's default (0 = none) and the flags it needs.
    void SetHotKey(UINT vk, UINT flags);
    void SetDblClkNotify(bool on) { m_dblClkNotify = on; }
    void SetKeyNotify(bool on) { m_keyNotify = on; }
    // With leave tracking on, IsMouseOutside follows the mouse on every move.
    void SetTrackLeave(bool on) { m_trackLeave = on; }
    bool IsMouseOutside() const { return m_mouseOutside; }
    void SetCursor(HCURSOR cursor) { m_cursor = cursor; }
    HCURSOR GetCursor() const { return m_cursor; }

    // 5. Redraw -----------------------------------------------------------------------------
    // Asks the owner to repaint the rect (when visible or forced); full = rebuild the cache.
    void UpdateControl(bool full = true, bool force = false);
    void UpdateControl(CRect rect, bool force, bool full);
    // Sets the animating flag to !keepAnimating and asks for a non-full repaint.
    void UpdateAControl(bool keepAnimating, bool force);
    // False means the cached rendering must be rebuilt on the next draw.
    bool GetUpdate() const { return m_update.load(); }
    // Marks the cache up to date; (re)creates the cache surface only when the size changed.
    // False when the surface cannot be made.
    bool UpdateMemDC(HDC& hdc, int cx, int cy);
    // Always recreates the second cache surface and sets the animating flag.
    bool UpdateAnimateDC(HDC& hdc, int cx, int cy);
    MemDC& GetMemDC() { return m_memDC; }
    MemDC& GetAnimateDC() { return m_animateDC; }
    // Copies the window bitmap under this control (what is drawn before it) into the cache
    // at (x, y); a helper for the usual "background, then slice, then text" cache build.
    void CopyBackground(HDC& hdc, MemDC& cache, int x, int y);

    // 6. Children, notifications, tooltips, timers -------------------------------------------
    // Copies of the layers (the control layer is drawn after the control, the area layer
    // before it).
    std::vector<MControl*> GetControls() const;
    std::vector<MControl*> GetAreaControls() const;
    // Depth first: the control layer (each child before its descendants), then the area layer.
    MControl* GetControl(UINT id) const;
    // Deletes the child (control layer) and repaints where it was; focus is taken from it
    // first. False if not a child.
    bool RemoveControl(MControl* control);
    // Deletes every child of both layers except the control's own parts (AddPart), which the
    // control keeps pointers to and needs for as long as it lives; repaints the control.
    void RemoveAllControl();
    // Appends an existing child to a layer (kind 0 area, 1 control); the control owns it then.
    void AddChild(MControl* child, int kind);
    // The container factory: builds a registered class (container list) with this control as
    // owner of the new child and `parent` as its parent, initialises it when this control
    // already has a manager, and appends it to layer `kind` (0 area, 1 control; other kinds
    // leave it unattached for the caller to own), asking for its first paint. Null for an
    // empty or unknown name.
    MControl* CreateChildControl(int kind, MObject* parent, const char* className, UINT id, CRect rect,
        const char* title, int a, int b);

    // The parent's OnBaseMessage(GetControlID(), code, wParam, lParam).
    LRESULT SendMessageW(UINT code, WPARAM wParam, LPARAM lParam);
    // Stores the manager, then runs InitControl.
    void SetManager(PaintManager* manager);
    PaintManager* GetManager() const { return m_manager; }
    void SetParent(MObject* parent) { m_parent = parent; }
    MObject* GetParantObject() const { return m_parent; }
    // Shown by the window's tooltip while the mouse rests on the control.
    void SetTooltip(const std::string& text);
    // Shows `text` at once as the window's tooltip over `rect`, owned by this control.
    void SetTooltip(const std::string& text, CRect rect);
    const std::string& GetTooltip() const { return m_tooltip; }
    void ClearTooltip();
    // Registers with the window's animation timer (ticks need SetRunTimer(true) as well).
    void AddMTimer();
    // Takes this control and its descendants out of the window's bookkeeping (hover, focus,
    // animation list, native timers, pending repaints); done before a control is deleted.
    void DetachFromManager();
    // Expires when the control is deleted. Handlers may delete the control they run for (a
    // dialog closing from its button, a list dropping the clicked row): whoever calls into one
    // and still has work to do afterwards holds a token across the call.
    std::weak_ptr<void> GetLifeToken() const { return m_life; }

protected:
    // Appends a child the control is built from (a container's scroll bars, a composite
    // control's pieces) to the control layer; it stays until the control itself goes.
    void AddPart(MControl* child);
    bool IsKeyDown() const { return m_keyDown; }
    bool UseImageECM() const { return m_imageECM; }
    void SetKeyDownState(bool down) { m_keyDown = down; }
    void SetImageECM(bool on) { m_imageECM = on; }
    MControl* GetChildUnderMouse() const { return m_childUnderMouse; }

    MObject* m_parent = nullptr;
    PaintManager* m_manager = nullptr;
    UINT m_id = 0;
    CRect m_rect;

private:
    struct LiveChild {
        MControl* control;
        std::weak_ptr<void> life;
    };
    CPoint ChildPoint(const MControl* child, CPoint outer, CPoint inner) const;
    // The control layer as it is now, each child with its life token: routing walks this copy
    // without holding the lock, so handlers may change the list or delete children.
    std::vector<LiveChild> LiveChildren() const;
    MControl* FocusedChild() const;
    // Deletes the children of both layers; with keepParts the control's own parts stay.
    // True when something was deleted.
    bool DeleteChildren(bool keepParts);

    std::atomic<bool> m_visible { true };
    std::atomic<bool> m_enabled { true };
    bool m_dragDrop = false;
    bool m_response = true;
    bool m_tabStop = false;
    bool m_dblClk = false;
    bool m_pressedInside = false;
    bool m_keyDown = false;
    bool m_focused = false;
    UINT m_hotKey = 0;
    UINT m_hotKeyFlags = 0;
    std::atomic<bool> m_update { false };
    std::atomic<bool> m_animating { false };
    std::atomic<bool> m_runTimer { false };
    std::atomic<bool> m_animationRunning { false };
    bool m_imageECM = false;
    bool m_part = false; // one of its owner's own parts (AddPart)

    std::vector<MControl*> m_areaLayer;    // guarded by m_areaLock
    std::vector<MControl*> m_controlLayer; // guarded by m_controlLock
    mutable std::recursive_mutex m_areaLock;
    mutable std::recursive_mutex m_controlLock;
    MControl* m_childUnderMouse = nullptr;

    MemDC m_memDC;
    MemDC m_animateDC;
    std::string m_tooltip;
    HCURSOR m_cursor = 0;
    bool m_trackLeave = false;
    bool m_dblClkNotify = false;
    bool m_keyNotify = false;
    bool m_mouseOutside = true;
    std::shared_ptr<void> m_life = std::make_shared<int>(0);
};

// 7. Relative positions ------------------------------------------------------------------------

struct FS_POSITION_ITEM {
    int kind = 0;      // 0 offset from an edge, 1 offset from the centre, 2 percentage
    bool fromEnd = false;
    float value = 0.0f;
};

// kind 0: end - value when fromEnd, else start + value; kind 1: the middle of start..end
// minus (fromEnd) or plus value; kind 2: start + (end - start) * value / 100, at most end;
// any other kind: 0. Values are truncated to int.
int PositionItem2Value(const FS_POSITION_ITEM& item, int start, int end);

} // namespace lumo
