#include "lumoui/MWindow.h"

#include <algorithm>

namespace lumo {

MWindow::~MWindow() { DestroyDetached(); }

void MWindow::DestroyDetached()
{
    if (IsWindow(m_hWnd)) {
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
        ::lumo::DestroyWindow(m_hWnd);
    }
    m_hWnd = nullptr;
}

bool MWindow::ShowWindow(int cmd) { return ::lumo::ShowWindow(m_hWnd, cmd); }

LRESULT MWindow::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return m_prevProc(m_hWnd, msg, wParam, lParam);
}

bool MWindow::PreTranslateMessage(MSG*) { return false; }
bool MWindow::OnInitDialog() { return true; }
void MWindow::OnDestroyMessage(HWND) { }

LRESULT MWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    MWindow* self = nullptr;
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCT*>(lParam);
        self = cs ? static_cast<MWindow*>(cs->lpCreateParams) : nullptr;
        if (self) {
            self->m_hWnd = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<intptr_t>(self));
        }
    } else {
        self = reinterpret_cast<MWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) {
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    if (msg == WM_NCDESTROY) {
        LRESULT result = self->m_prevProc(hwnd, msg, wParam, lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        self->OnDestroyMessage(hwnd);
        return result;
    }
    return self->OnWindowMessage(msg, wParam, lParam);
}

HWND MWindow::Create(HWND parent, const std::string& title, DWORD style, DWORD exStyle, CRect rect)
{
    if (IsWindow(m_hWnd)) {
        return m_hWnd;
    }
    const char* cls = GetWindowClassName();
    if (!IsClassRegistered(cls)) {
        WNDCLASS wc;
        wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        wc.lpfnWndProc = &MWindow::WndProc;
        wc.lpszClassName = cls;
        RegisterClassW(wc);
    }
    m_hParent = parent;
    CreateWindowExW(exStyle, cls, title, style, rect.left, rect.top, rect.Width(), rect.Height(), parent, this);
    OnInitDialog();
    return m_hWnd;
}

HWND MWindow::Create(HWND parent, CRect rect) { return Create(parent, "LumoClient", 0x0000080B, 0, rect); }

UINT MWindow::ShowModal(int showCommand)
{
    HWND me = m_hWnd;
    if (!IsWindow(me)) {
        return 0xFFFFFFFF;
    }
    ShowWindow(showCommand);
    HWND owner = GetWindow(me, GW_OWNER);
    if (owner) {
        ::lumo::EnableWindow(owner, false);
    }
    UINT result = 0;
    bool quit = false;
    int exitCode = 0;
    while (IsWindow(me)) {
        MSG msg;
        if (!GetMessageW(&msg)) {
            quit = true;
            exitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (msg.message == WM_CLOSE && msg.hwnd == me) {
            result = static_cast<UINT>(msg.wParam);
            if (owner) {
                // Re-enabled before the window goes, so activation can return to the owner.
                ::lumo::EnableWindow(owner, true);
            }
        }
        if (!PreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (IsWindow(owner)) {
        ::lumo::EnableWindow(owner, true);
        if (::lumo::IsWindowVisible(owner)) {
            ::lumo::SetFocus(owner);
        }
    }
    if (quit) {
        PostQuitMessage(exitCode);
    }
    return result;
}

void MWindow::CenterWindow(MWindow* over)
{
    if (!IsWindow(m_hWnd)) {
        return;
    }
    HWND ref = over ? over->m_hWnd : GetWindow(m_hWnd, GW_OWNER);
    CRect rect;
    ::lumo::GetWindowRect(m_hWnd, &rect);
    CRect work = GetWorkAreaOf(m_hWnd);
    CRect centre = work;
    if (IsWindow(ref)) {
        DWORD style = static_cast<DWORD>(GetWindowLongPtrW(ref, GWL_STYLE));
        if ((style & WS_VISIBLE) && !(style & WS_MINIMIZE)) {
            ::lumo::GetWindowRect(ref, &centre);
        }
    }
    int x = centre.left + (centre.Width() - rect.Width()) / 2;
    int y = centre.top + (centre.Height() - rect.Height()) / 2;
    x = std::min(x, work.right - rect.Width());
    y = std::min(y, work.bottom - rect.Height());
    x = std::max(x, work.left);
    y = std::max(y, work.top);
    ::lumo::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MWindow::BringToTop()
{
    if (!IsWindow(m_hWnd)) {
        return;
    }
    SetForegroundWindow(m_hWnd);
    ShowWindow(::lumo::IsIconic(m_hWnd) ? SW_RESTORE : SW_SHOW);
}

bool MWindow::DestroyWindow() { return ::lumo::DestroyWindow(m_hWnd); }
bool MWindow::EnableWindow(bool enable) { return ::lumo::EnableWindow(m_hWnd, enable); }
bool MWindow::IsWindowEnabled() const { return ::lumo::IsWindowEnabled(m_hWnd); }
bool MWindow::IsWindowVisible() const { return ::lumo::IsWindowVisible(m_hWnd); }
bool MWindow::IsIconic() const { return ::lumo::IsIconic(m_hWnd); }

bool MWindow::SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return ::lumo::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
}

bool MWindow::MoveWindow(int x, int y, int cx, int cy, bool repaint)
{
    return ::lumo::MoveWindow(m_hWnd, x, y, cx, cy, repaint);
}

bool MWindow::GetClientRect(CRect* rect) const { return ::lumo::GetClientRect(m_hWnd, rect); }
bool MWindow::GetWindowRect(CRect* rect) const { return ::lumo::GetWindowRect(m_hWnd, rect); }
bool MWindow::ClientToScreen(CPoint* pt) const { return ::lumo::ClientToScreen(m_hWnd, pt); }
bool MWindow::ScreenToClient(CPoint* pt) const { return ::lumo::ScreenToClient(m_hWnd, pt); }
bool MWindow::SetWindowTextW(const std::string& text) { return ::lumo::SetWindowTextW(m_hWnd, text); }
std::string MWindow::GetWindowTextW() const { return ::lumo::GetWindowTextW(m_hWnd); }

int MWindow::GetWindowTextLengthW() const
{
    // Characters, not bytes: UTF-8 continuation bytes do not count.
    std::string text = GetWindowTextW();
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

DWORD MWindow::GetStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
DWORD MWindow::GetExStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }

bool MWindow::ModifyStyle(DWORD remove, DWORD add)
{
    if (!IsWindow(m_hWnd)) {
        return false;
    }
    SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<intptr_t>((GetStyle() & ~remove) | add));
    return true;
}

bool MWindow::ModifyExStyle(DWORD remove, DWORD add)
{
    if (!IsWindow(m_hWnd)) {
        return false;
    }
    SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, static_cast<intptr_t>((GetExStyle() & ~remove) | add));
    return true;
}

bool MWindow::InvalidateRect(const CRect* rect, bool erase) { return ::lumo::InvalidateRect(m_hWnd, rect, erase); }
HWND MWindow::SetCapture() { return IsWindow(m_hWnd) ? ::lumo::SetCapture(m_hWnd) : nullptr; }
bool MWindow::ReleaseCapture() { return IsWindow(m_hWnd) && ::lumo::ReleaseCapture(); }
HWND MWindow::SetFocus() { return IsWindow(m_hWnd) ? ::lumo::SetFocus(m_hWnd) : nullptr; }
UINT MWindow::SetTimer(UINT id, UINT elapse) { return ::lumo::SetTimer(m_hWnd, id, elapse); }
bool MWindow::KillTimer(UINT id) { return ::lumo::KillTimer(m_hWnd, id); }

LRESULT MWindow::SendMessageW(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return ::lumo::SendMessageW(m_hWnd, msg, wParam, lParam);
}

bool MWindow::PostMessageW(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return ::lumo::PostMessageW(m_hWnd, msg, wParam, lParam);
}

} // namespace lumo
