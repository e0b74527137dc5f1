#include "core/WindowSystem.h"
#include "lumoui/Manager.h"

#include <cstdlib>

namespace lumo {

namespace {

constexpr UINT kDoubleClickMs = 500;
constexpr int kDoubleClickDistance = 4;

UINT ButtonVk(MouseButton b)
{
    switch (b) {
    case MouseButton::Left:
        return VK_LBUTTON;
    case MouseButton::Right:
        return VK_RBUTTON;
    default:
        return VK_MBUTTON;
    }
}

UINT ButtonMessage(MouseButton b, bool down, bool dbl)
{
    UINT base = b == MouseButton::Left ? WM_LBUTTONDOWN : b == MouseButton::Right ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
    return down ? (dbl ? base + 2 : base) : base + 1;
}

// Decodes UTF-8 into code points; malformed bytes become U+FFFD.
std::vector<uint32_t> CodePoints(const std::string& s)
{
    std::vector<uint32_t> out;
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (len == 0 || i + len > s.size()) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        uint32_t cp = len == 1 ? c : c & (0x7F >> len);
        bool ok = true;
        for (int k = 1; k < len; ++k) {
            unsigned char cc = static_cast<unsigned char>(s[i + k]);
            ok = ok && (cc & 0xC0) == 0x80;
            cp = (cp << 6) | (cc & 0x3F);
        }
        out.push_back(ok ? cp : 0xFFFD);
        i += ok ? len : 1;
    }
    return out;
}

} // namespace

UINT GetDoubleClickTime() { return kDoubleClickMs; }

UINT WindowSystem::MouseKeyFlags()
{
    UINT f = 0;
    f |= m_keys[VK_LBUTTON] ? MK_LBUTTON : 0;
    f |= m_keys[VK_RBUTTON] ? MK_RBUTTON : 0;
    f |= m_keys[VK_MBUTTON] ? MK_MBUTTON : 0;
    f |= m_keys[VK_SHIFT] ? MK_SHIFT : 0;
    f |= m_keys[VK_CONTROL] ? MK_CONTROL : 0;
    return f;
}

void WindowSystem::SetKeyDown(UINT vk, bool down)
{
    m_keys[vk & 0xFF] = down;
    Manager::SetAltF4Down(m_keys[VK_MENU] && m_keys[VK_F4]);
}

int16_t WindowSystem::GetKeyState(int vk)
{
    return m_keys[static_cast<unsigned>(vk) & 0xFF] ? static_cast<int16_t>(0x8000) : 0;
}

void WindowSystem::PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { Post(hwnd, msg, wParam, lParam); }

void WindowSystem::PostLeaveIfTracked(HWND hwnd)
{
    bool post = false;
    {
        std::lock_guard lock(m_lock);
        if (WindowRecord* rec = Find(hwnd); rec && rec->trackLeave) {
            rec->trackLeave = false;
            post = true;
        }
    }
    if (post) {
        PostInput(hwnd, WM_MOUSELEAVE, 0, 0);
    }
}

void WindowSystem::MouseEnters(HWND hwnd)
{
    if (m_mouseWindow == hwnd) {
        return;
    }
    HWND old = m_mouseWindow;
    m_mouseWindow = hwnd;
    if (old && old != m_capture) {
        PostLeaveIfTracked(old);
    }
}

bool WindowSystem::MouseTarget(HWND& hwnd, CPoint& pt, CPoint* screenOut)
{
    CRect rect;
    if (!GetRect(hwnd, &rect)) {
        return false;
    }
    CPoint screen(pt.x + rect.left, pt.y + rect.top);
    m_cursorX = screen.x;
    m_cursorY = screen.y;
    *screenOut = screen;
    CRect capRect;
    if (m_capture && m_capture != hwnd && GetRect(m_capture, &capRect)) {
        // Captured: every mouse message goes to the capturing window, in its coordinates.
        hwnd = m_capture;
        pt = CPoint(screen.x - capRect.left, screen.y - capRect.top);
    }
    return true;
}

void WindowSystem::OnNativeMouseMove(HWND hwnd, CPoint pt)
{
    HWND target = hwnd;
    CPoint screen;
    if (!MouseTarget(target, pt, &screen)) {
        return;
    }
    MouseEnters(hwnd);
    if (IsEnabled(target)) {
        PostInput(target, WM_MOUSEMOVE, MouseKeyFlags(), MAKELPARAM(pt.x, pt.y));
    }
}

void WindowSystem::OnNativeMouseButton(HWND hwnd, CPoint pt, MouseButton button, bool down)
{
    HWND target = hwnd;
    CPoint screen;
    if (!MouseTarget(target, pt, &screen)) {
        return;
    }
    SetKeyDown(ButtonVk(button), down);
    if (!IsEnabled(target)) {
        return;
    }
    bool dbl = false;
    if (down) {
        if (target != m_active && !IsNoActivate(target)) {
            SetActive(target);
        }
        uint64_t now = Now();
        UINT classStyle = 0;
        {
            std::lock_guard lock(m_lock);
            if (WindowRecord* rec = Find(target)) {
                classStyle = rec->classStyle;
            }
        }
        dbl = (classStyle & CS_DBLCLKS) && m_lastPress.hwnd == target && m_lastPress.button == button
            && !m_lastPress.wasDouble && now - m_lastPress.time <= kDoubleClickMs
            && std::abs(screen.x - m_lastPress.pt.x) <= kDoubleClickDistance
            && std::abs(screen.y - m_lastPress.pt.y) <= kDoubleClickDistance;
        m_lastPress = LastPress { target, button, now, screen, dbl };
    }
    PostInput(target, ButtonMessage(button, down, dbl), MouseKeyFlags(), MAKELPARAM(pt.x, pt.y));
}

void WindowSystem::OnNativeMouseWheel(HWND hwnd, CPoint pt, int delta)
{
    CRect rect;
    if (!GetRect(hwnd, &rect)) {
        return;
    }
    CPoint screen(pt.x + rect.left, pt.y + rect.top);
    HWND target = (m_capture && IsWindow(m_capture)) ? m_capture : hwnd;
    if (IsEnabled(target)) {
        PostInput(target, WM_MOUSEWHEEL, MAKEWPARAM(static_cast<int>(MouseKeyFlags()), delta),
            MAKELPARAM(screen.x, screen.y));
    }
}

void WindowSystem::OnNativeMouseLeave(HWND hwnd)
{
    if (m_mouseWindow == hwnd) {
        MouseEnters(nullptr);
    }
}

void WindowSystem::OnNativeKey(UINT vk, UINT usage, bool down, bool repeat)
{
    SetKeyDown(vk, down);
    HWND target = m_focus ? m_focus : m_active;
    if (!IsWindow(target) || !IsEnabled(target)) {
        return;
    }
    bool alt = m_keys[VK_MENU];
    UINT msg;
    if (down) {
        msg = (alt || vk == VK_F10) ? WM_SYSKEYDOWN : WM_KEYDOWN;
    } else {
        msg = (alt || vk == VK_MENU || vk == VK_F10) ? WM_SYSKEYUP : WM_KEYUP;
    }
    uint32_t lp = 1u | ((usage & 0xFFu) << KEY_LPARAM_USAGE_SHIFT);
    lp |= alt ? (1u << 29) : 0;
    lp |= (repeat || !down) ? (1u << 30) : 0;
    lp |= down ? 0 : (1u << 31);
    PostInput(target, msg, vk, static_cast<LPARAM>(static_cast<int32_t>(lp)));
}

void WindowSystem::OnNativeText(const std::string& utf8)
{
    HWND target = m_focus ? m_focus : m_active;
    if (!IsWindow(target)) {
        return;
    }
    if (m_composing) {
        OnNativeComposition(std::string(), 0);
    }
    for (uint32_t cp : CodePoints(utf8)) {
        PostInput(target, WM_CHAR, cp, 1);
    }
}

void WindowSystem::OnNativeComposition(const std::string& utf8, int cursor)
{
    HWND target = m_focus ? m_focus : m_active;
    if (!IsWindow(target)) {
        m_composing = false;
        return;
    }
    {
        std::lock_guard lock(m_lock);
        if (WindowRecord* rec = Find(target)) {
            rec->composition = utf8;
            rec->compositionCursor = cursor;
        }
    }
    if (!utf8.empty()) {
        if (!m_composing) {
            m_composing = true;
            PostInput(target, WM_IME_STARTCOMPOSITION, 0, 0);
        }
        PostInput(target, WM_IME_COMPOSITION, 0, 0);
    } else if (m_composing) {
        m_composing = false;
        PostInput(target, WM_IME_ENDCOMPOSITION, 0, 0);
    }
}

void WindowSystem::OnNativeCloseRequest(HWND hwnd)
{
    if (IsWindow(hwnd) && IsEnabled(hwnd)) {
        Post(hwnd, WM_CLOSE, 0, 0);
    }
}

void WindowSystem::OnNativeFocus(HWND hwnd, bool gained)
{
    if (!IsWindow(hwnd)) {
        return;
    }
    if (gained) {
        m_focusLossPending = false;
        if (m_active != hwnd && !IsNoActivate(hwnd)) {
            SetActive(hwnd);
        }
        return;
    }
    // Menus and drop-downs never hold the native focus themselves, so the loss of focus of
    // any of our windows while one of them is active means the user went elsewhere.
    bool activeIsMenu = (GetLong(m_active, GWL_EXSTYLE) & WS_EX_LUMO_POPUPMENU) != 0;
    if (m_active == hwnd || activeIsMenu) {
        m_focusLossPending = true;
    }
}

void WindowSystem::SettleFocus()
{
    if (m_focusLossPending) {
        m_focusLossPending = false;
        SetActive(nullptr);
    }
}

void WindowSystem::OnNativeMoved(HWND hwnd, CPoint topLeft)
{
    CRect rect;
    if (GetRect(hwnd, &rect)) {
        rect.MoveToXY(topLeft.x, topLeft.y);
        ApplyRect(hwnd, rect, true);
    }
}

void WindowSystem::OnNativeResized(HWND hwnd, CSize size)
{
    CRect rect;
    if (GetRect(hwnd, &rect)) {
        ApplyRect(hwnd, CRect(rect.TopLeft(), size), true);
    }
}

void WindowSystem::OnNativeMinimized(HWND hwnd, bool minimized)
{
    CRect rect;
    {
        std::lock_guard lock(m_lock);
        WindowRecord* rec = Find(hwnd);
        if (!rec || ((rec->style & WS_MINIMIZE) != 0) == minimized) {
            return;
        }
        rec->style = minimized ? (rec->style | WS_MINIMIZE) : (rec->style & ~WS_MINIMIZE);
        rect = rec->rect;
    }
    Send(hwnd, WM_SIZE, minimized ? SIZE_MINIMIZED : SIZE_RESTORED,
        minimized ? 0 : MAKELPARAM(rect.Width(), rect.Height()));
    if (!minimized) {
        Invalidate(hwnd, nullptr);
    }
}

void WindowSystem::OnNativeExposed(HWND hwnd) { Invalidate(hwnd, nullptr); }

void WindowSystem::OnNativeQuit() { PostQuit(0); }

bool WindowSystem::IsNativeDragPoint(HWND hwnd, CPoint pt)
{
    if (!IsWindow(hwnd) || !IsEnabled(hwnd)) {
        return false;
    }
    return Send(hwnd, WM_LUMO_DRAGTEST, 0, MAKELPARAM(pt.x, pt.y)) != 0;
}

HWND WindowSystem::SetCapture(HWND hwnd)
{
    HWND old = m_capture;
    if (hwnd && !IsWindow(hwnd)) {
        return old;
    }
    m_capture = hwnd;
    m_backend->SetMouseCapture(hwnd != nullptr);
    if (old && old != hwnd) {
        Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    }
    return old;
}

bool WindowSystem::ReleaseCapture()
{
    HWND old = m_capture;
    if (!old) {
        return true;
    }
    m_capture = nullptr;
    m_backend->SetMouseCapture(false);
    Send(old, WM_CAPTURECHANGED, 0, 0);
    if (m_mouseWindow != old) {
        PostLeaveIfTracked(old);
    }
    return true;
}

HWND WindowSystem::GetCapture() { return IsWindow(m_capture) ? m_capture : nullptr; }

HWND WindowSystem::SetActive(HWND hwnd)
{
    if (hwnd == m_active) {
        return hwnd;
    }
    if (hwnd && (!IsWindow(hwnd) || IsNoActivate(hwnd))) {
        return m_active;
    }
    HWND old = m_active;
    m_active = hwnd;
    m_focus = hwnd;
    if (IsWindow(old)) {
        Send(old, WM_NCACTIVATE, 0, 0);
        Send(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(hwnd));
        Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    }
    if (hwnd && m_active == hwnd) {
        Send(hwnd, WM_NCACTIVATE, 1, 0);
        Send(hwnd, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(old));
        Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    }
    return IsWindow(old) ? old : nullptr;
}

HWND WindowSystem::GetActive() { return IsWindow(m_active) ? m_active : nullptr; }

HWND WindowSystem::SetFocus(HWND hwnd)
{
    HWND old = GetFocus();
    if (hwnd && hwnd != m_active) {
        SetActive(hwnd);
    }
    return old;
}

HWND WindowSystem::GetFocus() { return IsWindow(m_focus) ? m_focus : nullptr; }

bool WindowSystem::SetForeground(HWND hwnd)
{
    if (!IsWindow(hwnd)) {
        return false;
    }
    m_backend->RaiseNativeWindow(hwnd);
    SetActive(hwnd);
    return true;
}

void WindowSystem::AfterHideOrDestroy(HWND hwnd, HWND owner)
{
    if (m_capture == hwnd) {
        ReleaseCapture();
    }
    if (m_active == hwnd) {
        // Activation goes back to the owner, as closing a popup returns to its window.
        HWND next = (IsVisible(owner) && IsEnabled(owner)) ? owner : nullptr;
        SetActive(next);
    }
    if (m_focus == hwnd) {
        m_focus = m_active;
    }
}

HCURSOR WindowSystem::SetCursor(HCURSOR cursor)
{
    HCURSOR old = m_cursor;
    if (cursor != 0 && cursor != m_cursor) {
        m_cursor = cursor;
        m_backend->SetNativeCursor(cursor);
    }
    return old;
}

CPoint WindowSystem::GetCursorPos()
{
    if (!m_headless && IsUiThread()) {
        CPoint p = m_backend->GetGlobalCursorPos();
        m_cursorX = p.x;
        m_cursorY = p.y;
    }
    return CursorPoint();
}

bool WindowSystem::TrackMouse(TRACKMOUSEEVENT* tme)
{
    if (!tme || !IsWindow(tme->hwndTrack)) {
        return false;
    }
    bool leaveNow = false;
    {
        std::lock_guard lock(m_lock);
        WindowRecord* rec = Find(tme->hwndTrack);
        if (tme->dwFlags & TME_CANCEL) {
            rec->trackLeave = rec->trackLeave && !(tme->dwFlags & TME_LEAVE);
            return true;
        }
        if (tme->dwFlags & TME_LEAVE) {
            rec->trackLeave = true;
            if (m_mouseWindow != tme->hwndTrack && m_capture != tme->hwndTrack) {
                rec->trackLeave = false;
                leaveNow = true;
            }
        }
    }
    // FIXME: TME_HOVER is accepted but WM_MOUSEHOVER is never generated; nothing uses it.
    if (leaveNow) {
        PostInput(tme->hwndTrack, WM_MOUSELEAVE, 0, 0);
    }
    return true;
}

void WindowSystem::StartTextInput(HWND hwnd, const CRect& caret)
{
    if (!IsWindow(hwnd)) {
        return;
    }
    m_textInputWindow = hwnd;
    m_backend->StartTextInput(hwnd, caret);
}

void WindowSystem::StopTextInput()
{
    if (m_composing) {
        OnNativeComposition(std::string(), 0);
    }
    m_textInputWindow = nullptr;
    m_backend->StopTextInput();
}

std::string WindowSystem::GetComposition(HWND hwnd, int* cursor)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    if (!rec) {
        return std::string();
    }
    if (cursor) {
        *cursor = rec->compositionCursor;
    }
    return rec->composition;
}

} // namespace lumo
