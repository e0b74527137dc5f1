// PaintManager: window messages, mouse, wheel and key routing, Tab focus cycling.

#include "core/ToolTipWnd.h"
#include "lumoui/MControl.h"
#include "lumoui/PaintManager.h"
#include "lumoui/WindowApi.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace lumo {

namespace {

constexpr DWORD kHoverTimeMs = 400;
constexpr UINT kModShift = 16;
constexpr UINT kModCtrl = 17;
constexpr UINT kModAlt = 18;

CPoint PointOf(LPARAM lp) { return CPoint(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); }

// The modifier virtual keys combined with a bitwise OR, as key handlers receive them.
UINT Modifiers()
{
    bool alt = GetKeyState(VK_MENU) & 0x8000;
    bool shift = GetKeyState(VK_SHIFT) & 0x8000;
    bool ctrl = GetKeyState(VK_CONTROL) & 0x8000;
    return (alt ? kModAlt : shift ? kModShift : 0) | (ctrl ? kModCtrl : 0);
}

bool IsMouseMessage(UINT msg)
{
    switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL:
        return true;
    default:
        return false;
    }
}

// True when `inner` is `outer` or lies inside it (a child of a child...).
bool IsWithin(const MControl* inner, const MControl* outer)
{
    for (const MControl* c = inner; c;) {
        if (c == outer) {
            return true;
        }
        c = dynamic_cast<const MControl*>(c->GetParantObject());
    }
    return false;
}

struct LiveControl {
    MControl* control;
    std::weak_ptr<void> life;
};

// The controls with their life tokens: a handler called for one of them may delete others
// (or itself) before the walk reaches them.
std::vector<LiveControl> WithLife(const std::vector<MControl*>& controls)
{
    std::vector<LiveControl> live;
    live.reserve(controls.size());
    for (MControl* c : controls) {
        live.push_back(LiveControl { c, c->GetLifeToken() });
    }
    return live;
}

// WM_KILLFOCUS is among them so that an editor inside a container also hears that the
// window lost the keyboard and can end its edit.
bool IsTextInputMessage(UINT msg)
{
    return msg == WM_CHAR || msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN || msg == WM_IME_STARTCOMPOSITION
        || msg == WM_IME_COMPOSITION || msg == WM_IME_ENDCOMPOSITION || msg == WM_KILLFOCUS;
}

} // namespace

LRESULT PaintManager::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!m_initialized) {
        return 0;
    }
    LRESULT result = RouteMessage(msg, wParam, lParam);
    // The tooltip follows the mouse messages the window receives, whichever loop delivers
    // them (the program's modal loop or Manager::MessageLoop). Relayed after the routing, so
    // a move that gives the tooltip its text already starts its timer.
    if (m_tooltip && IsMouseMessage(msg)) {
        m_tooltip->Relay(MSG { m_hwnd.load(), msg, wParam, lParam, 0, {} });
    }
    return result;
}

LRESULT PaintManager::RouteMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (m_textInput && IsTextInputMessage(msg) && m_textInput->OnWindowMessage(msg, wParam, lParam)) {
        return 1;
    }
    {
        std::lock_guard lock(m_controlLock);
        for (size_t i = 0; i < m_controlLayer.size(); ++i) {
            MControl* c = m_controlLayer[i];
            if (c != m_textInput && c->OnWindowMessage(msg, wParam, lParam)) {
                return 0;
            }
        }
    }
    switch (msg) {
    case WM_PAINT:
        return OnPaint();
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        if (info && m_minSize.cx > 0 && m_minSize.cy > 0) {
            info->ptMinTrackSize = CPoint(m_minSize.cx, m_minSize.cy);
        }
        if (info && m_maxSize.cx > 0 && m_maxSize.cy > 0) {
            info->ptMaxTrackSize = CPoint(m_maxSize.cx, m_maxSize.cy);
            info->ptMaxSize = CPoint(m_maxSize.cx, m_maxSize.cy);
        }
        return 1;
    }
    case WM_CREATE:
    case WM_DESTROY:
    case WM_SIZE:
    case WM_CHAR:
    case WM_MOUSEHOVER:
        return 1;
    case WM_NCDESTROY:
        DestroyData();
        return 1;
    case WM_NCACTIVATE:
        OnNcActivate(wParam != 0);
        return 1;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // Key-downs never reach the default procedure, so Alt+F4 cannot close the window.
        OnKeyDown(static_cast<UINT>(wParam));
        return 1;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return 0;
    case WM_TIMER:
        OnTimer(static_cast<UINT>(wParam));
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
    case WM_MOUSELEAVE:
        return OnMouseMessage(msg, wParam, lParam);
    case WM_LUMO_DRAGTEST:
        return WouldDragAt(PointOf(lParam)) ? 1 : 0;
    case WM_LUMO_UPDATES:
        RunPendingUpdates();
        return 1;
    default:
        return 0;
    }
}

LRESULT PaintManager::OnMouseMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    UINT flags = static_cast<UINT>(wParam);
    switch (msg) {
    case WM_MOUSEMOVE:
        OnMouseMove(flags, PointOf(lParam));
        return 1;
    case WM_LBUTTONUP:
        OnLButtonUp(flags, PointOf(lParam));
        return 1;
    case WM_MOUSEWHEEL:
        return OnMouseWheel(wParam, lParam);
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 1;
    default:
        OnButtonDown(msg, flags, PointOf(lParam));
        return 1;
    }
}

bool PaintManager::PreTranslateMessage(const MSG* msg)
{
    if (!msg || !m_initialized) {
        return false;
    }
    if ((msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) && msg->wParam == VK_TAB) {
        UINT mods = Modifiers();
        if (mods != 0 && mods != kModShift) {
            return false;
        }
        MControl* next = mods == 0 ? GetNextFocusableControl() : GetPrevFocusableControl();
        if (next && next != m_focus) {
            SetFocusControl(next);
            return true;
        }
    }
    return false;
}

void PaintManager::OnMouseMove(UINT flags, CPoint pt)
{
    HWND hwnd = m_hwnd.load();
    m_lastMouse = pt;
    if (!m_tracking) {
        TRACKMOUSEEVENT tme;
        tme.dwFlags = TME_LEAVE | TME_HOVER;
        tme.hwndTrack = hwnd;
        tme.dwHoverTime = kHoverTimeMs;
        TrackMouseEvent(&tme);
        m_tracking = true;
    }
    if (m_dragPending && (flags & MK_LBUTTON)) {
        // FIXME: dragging a control's picture out of the window is not supported; nothing
        // in the program starts such a drag.
        m_dragPending = false;
    }
    if (m_hover && m_hover->AcceptsPoint(flags, pt)) {
        m_hover->OnMouseMove(flags, pt);
        return;
    }
    ClearTooltip();
    if (m_buttonHeld) {
        // The pressed control keeps receiving moves outside its rect (dragging a thumb);
        // nothing else changes until the button is released.
        if (m_hover) {
            m_hover->OnMouseMove(flags, pt);
        }
        return;
    }
    const LiveControl* hover = nullptr;
    std::vector<LiveControl> controls = WithLife(TopLevel());
    for (const LiveControl& c : controls) {
        if (c.life.expired()) {
            continue;
        }
        c.control->OnMouseMove(flags, pt);
        if (!c.life.expired() && c.control->PtInRect(pt) && c.control->GetRresponse()) {
            hover = &c;
        }
    }
    // A control deleted later in the walk is no hover control.
    m_hover = hover && !hover->life.expired() ? hover->control : nullptr;
}

void PaintManager::OnMouseLeave()
{
    ClearTooltip();
    m_tracking = false;
    if (!m_buttonHeld && m_hover) {
        MControl* hover = m_hover;
        m_hover = nullptr;
        hover->OnMouseMove(0, CPoint(-1, -1));
    }
}

void PaintManager::OnButtonDown(UINT msg, UINT flags, CPoint pt)
{
    HWND hwnd = m_hwnd.load();
    if (!m_buttonHeld && (!m_hover || !m_hover->PtInRect(pt))) {
        // A press can come without a move before it (a window shown under the pointer).
        OnMouseMove(flags, pt);
    }
    MControl* hover = m_hover;
    bool takes = hover && hover->IsVisible() && hover->GetRresponse() && hover->AcceptsPoint(flags, pt);
    if (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP || msg == WM_RBUTTONDBLCLK) {
        if (takes) {
            if (msg == WM_RBUTTONDOWN) {
                hover->OnRButtonDown(flags, pt);
            } else if (msg == WM_RBUTTONUP) {
                hover->OnRButtonUp(flags, pt);
            } else {
                hover->OnRButtonDblClk(flags, pt);
            }
        }
        return;
    }
    // A press on the container that holds the focused control leaves the focus alone: the
    // container's routing keeps it or moves it to whatever child the press reaches. Taking it
    // away first would end a child's open editor on every press, even one inside the editor.
    bool focusInside = takes && m_focus && IsWithin(m_focus, hover);
    if (m_focus && m_focus != hover && !focusInside) {
        SetFocusControl(nullptr);
    }
    if (takes) {
        m_dragPending = hover->IsDragDrop() && hover->IsEnabled();
        m_buttonHeld = true;
        if (!focusInside) {
            SetFocusControl(hover);
        }
        bool handled = msg == WM_LBUTTONDBLCLK ? hover->OnLButtonDblClk(flags, pt) : hover->OnLButtonDown(flags, pt);
        if (!m_captured) {
            if (m_hover && m_hover->AcceptsPoint(flags, pt)) {
                SetCapture(hwnd);
                m_captured = true;
            }
            return;
        }
        if (handled) {
            return;
        }
    }
    if (m_wndDrag) {
        ReleaseCapture();
        m_captured = false;
        m_buttonHeld = false;
        ::lumo::SendMessageW(hwnd, WM_NCLBUTTONDOWN, static_cast<WPARAM>(HTCAPTION), 0);
    }
}

void PaintManager::OnLButtonUp(UINT flags, CPoint pt)
{
    ReleaseCapture();
    m_captured = false;
    m_buttonHeld = false;
    m_dragPending = false;
    MControl* hover = m_hover;
    if (hover && hover->IsVisible() && hover->GetRresponse()) {
        CRect before = hover->GetRect();
        hover->OnLButtonUp(flags, pt);
        if (m_hover == hover && !before.PtInRect(pt)) {
            m_hover = nullptr;
        }
    }
}

LRESULT PaintManager::OnMouseWheel(WPARAM wParam, LPARAM lParam)
{
    CPoint pt = PointOf(lParam);
    ScreenToClient(m_hwnd.load(), &pt);
    int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    int notches = std::abs(delta / WHEEL_DELTA);
    UINT down = delta < 0 ? 1 : 0;
    bool any = false;
    for (int i = 0; i < notches; ++i) {
        bool handled = m_hover && m_hover->OnScroll(true, down, pt);
        if (!handled) {
            for (const LiveControl& c : WithLife(TopLevel())) {
                if (!c.life.expired() && c.control->OnScroll(true, down, pt)) {
                    handled = true;
                    break;
                }
            }
        }
        any = any || handled;
    }
    return any ? 1 : 0;
}

void PaintManager::OnKeyDown(UINT vk)
{
    UINT mods = Modifiers();
    MControl* hover = m_hover;
    if (hover && hover->OnKeyDown(vk, 1, mods)) {
        return;
    }
    for (const LiveControl& c : WithLife(TopLevel())) {
        if (c.control != hover && !c.life.expired() && c.control->OnKeyDown(vk, 1, mods)) {
            return;
        }
    }
}

void PaintManager::OnNcActivate(bool active)
{
    if (!active) {
        ClearTooltip();
        m_tracking = false;
        if (m_captured) {
            ReleaseCapture();
            m_captured = false;
        }
        bool held = m_buttonHeld;
        m_buttonHeld = false;
        m_dragPending = false;
        if (MControl* hover = m_hover) {
            m_hover = nullptr;
            if (held) {
                hover->OnLButtonUp(0, CPoint(-1, -1));
            } else {
                hover->OnMouseMove(0, CPoint(-1, -1));
            }
        }
    }
    Invalidate();
}

bool PaintManager::WouldDragAt(CPoint pt) const
{
    if (!m_wndDrag) {
        return false;
    }
    MControl* candidate = nullptr;
    for (MControl* c : TopLevel()) {
        if (c->PtInRect(pt) && c->GetRresponse()) {
            candidate = c;
        }
    }
    return !(candidate && candidate->AcceptsPoint(MK_LBUTTON, pt));
}

} // namespace lumo
