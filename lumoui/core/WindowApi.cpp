#include "lumoui/WindowApi.h"
#include "core/WindowSystem.h"

namespace lumo {

namespace {
WindowSystem& Sys() { return WindowSystem::Get(); }
} // namespace

bool RegisterClassW(const WNDCLASS& wc) { return Sys().RegisterClass(wc); }
bool IsClassRegistered(const std::string& className) { return Sys().IsClassRegistered(className); }

HWND CreateWindowExW(DWORD exStyle, const std::string& className, const std::string& title, DWORD style, int x,
    int y, int cx, int cy, HWND owner, void* createParam)
{
    return Sys().Create(exStyle, className, title, style, CRect(x, y, x + cx, y + cy), owner, createParam);
}

bool DestroyWindow(HWND hwnd) { return Sys().Destroy(hwnd); }

LRESULT DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_NCCREATE:
        return 1;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_NCLBUTTONDOWN:
        if (static_cast<LRESULT>(wParam) == HTCAPTION && Sys().IsUiThread()) {
            Sys().Backend().BeginNativeDrag(hwnd);
        }
        return 0;
    case WM_NCHITTEST:
        return HTCLIENT;
    default:
        return 0;
    }
}

bool IsWindow(HWND hwnd) { return Sys().IsWindow(hwnd); }
bool ShowWindow(HWND hwnd, int cmd) { return Sys().Show(hwnd, cmd); }
bool IsWindowVisible(HWND hwnd) { return Sys().IsVisible(hwnd); }
bool EnableWindow(HWND hwnd, bool enable) { return Sys().Enable(hwnd, enable); }
bool IsWindowEnabled(HWND hwnd) { return Sys().IsEnabled(hwnd); }
bool IsIconic(HWND hwnd) { return Sys().IsIconic(hwnd); }
bool IsZoomed(HWND hwnd) { return Sys().IsZoomed(hwnd); }

bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return Sys().SetPos(hwnd, insertAfter, x, y, cx, cy, flags);
}

bool MoveWindow(HWND hwnd, int x, int y, int cx, int cy, bool repaint)
{
    bool ok = Sys().SetPos(hwnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    if (ok && repaint) {
        Sys().Invalidate(hwnd, nullptr);
    }
    return ok;
}

bool GetClientRect(HWND hwnd, CRect* rect)
{
    CRect r;
    if (!rect || !Sys().GetRect(hwnd, &r)) {
        return false;
    }
    *rect = CRect(0, 0, r.Width(), r.Height());
    return true;
}

bool GetWindowRect(HWND hwnd, CRect* rect) { return Sys().GetRect(hwnd, rect); }

bool ClientToScreen(HWND hwnd, CPoint* pt)
{
    CRect r;
    if (!pt || !Sys().GetRect(hwnd, &r)) {
        return false;
    }
    pt->Offset(r.left, r.top);
    return true;
}

bool ScreenToClient(HWND hwnd, CPoint* pt)
{
    CRect r;
    if (!pt || !Sys().GetRect(hwnd, &r)) {
        return false;
    }
    pt->Offset(-r.left, -r.top);
    return true;
}

bool SetWindowTextW(HWND hwnd, const std::string& text) { return Sys().SetText(hwnd, text); }
std::string GetWindowTextW(HWND hwnd) { return Sys().GetText(hwnd); }
intptr_t GetWindowLongPtrW(HWND hwnd, int index) { return Sys().GetLong(hwnd, index); }
intptr_t SetWindowLongPtrW(HWND hwnd, int index, intptr_t value) { return Sys().SetLong(hwnd, index, value); }
HWND GetWindow(HWND hwnd, UINT relation) { return relation == GW_OWNER ? Sys().GetOwner(hwnd) : nullptr; }
std::string GetClassNameOf(HWND hwnd) { return Sys().GetClassName(hwnd); }
int GetThreadWindowCount() { return Sys().ThreadWindowCount(); }

LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return Sys().Send(hwnd, msg, wParam, lParam); }
bool PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return Sys().Post(hwnd, msg, wParam, lParam); }
void PostQuitMessage(int exitCode) { Sys().PostQuit(exitCode); }

bool GetMessageW(MSG* msg)
{
    MSG local;
    MSG* m = msg ? msg : &local;
    Sys().GetMessage(m, true, true);
    return m->message != WM_QUIT;
}

bool PeekMessageW(MSG* msg, UINT removeFlags)
{
    MSG local;
    return Sys().GetMessage(msg ? msg : &local, false, (removeFlags & PM_REMOVE) != 0);
}

bool TranslateMessage(const MSG*) { return false; }
LRESULT DispatchMessageW(const MSG* msg) { return Sys().Dispatch(msg); }

UINT SetTimer(HWND hwnd, UINT id, UINT elapseMs) { return Sys().SetTimer(hwnd, id, elapseMs); }
bool KillTimer(HWND hwnd, UINT id) { return Sys().KillTimer(hwnd, id); }
bool InvalidateRect(HWND hwnd, const CRect* rect, bool) { return Sys().Invalidate(hwnd, rect); }
bool ValidateRect(HWND hwnd, const CRect* rect) { return Sys().Validate(hwnd, rect); }
bool UpdateWindow(HWND hwnd) { return Sys().UpdateNow(hwnd); }
bool GetUpdateRect(HWND hwnd, CRect* rect) { return Sys().GetUpdateRect(hwnd, rect); }

HWND SetCapture(HWND hwnd) { return Sys().SetCapture(hwnd); }
bool ReleaseCapture() { return Sys().ReleaseCapture(); }
HWND GetCapture() { return Sys().GetCapture(); }
HWND SetFocus(HWND hwnd) { return Sys().SetFocus(hwnd); }
HWND GetFocus() { return Sys().GetFocus(); }
HWND SetActiveWindow(HWND hwnd) { return Sys().SetActive(hwnd); }
HWND GetActiveWindow() { return Sys().GetActive(); }
bool SetForegroundWindow(HWND hwnd) { return Sys().SetForeground(hwnd); }
HWND GetForegroundWindow() { return Sys().GetActive(); }
HCURSOR LoadCursorW(HCURSOR id) { return id; }
HCURSOR SetCursor(HCURSOR cursor) { return Sys().SetCursor(cursor); }

bool GetCursorPos(CPoint* pt)
{
    if (!pt) {
        return false;
    }
    *pt = Sys().GetCursorPos();
    return true;
}

int16_t GetKeyState(int vk) { return Sys().GetKeyState(vk); }
int16_t GetAsyncKeyState(int vk) { return Sys().GetKeyState(vk); }
bool TrackMouseEvent(TRACKMOUSEEVENT* tme) { return Sys().TrackMouse(tme); }

void StartTextInput(HWND hwnd, const CRect& caret) { Sys().StartTextInput(hwnd, caret); }
void StopTextInput() { Sys().StopTextInput(); }
std::string GetImeComposition(HWND hwnd, int* cursor) { return Sys().GetComposition(hwnd, cursor); }

bool SetClipboardText(const std::string& utf8) { return Sys().Backend().SetClipboardText(utf8); }
std::string GetClipboardText() { return Sys().Backend().GetClipboardText(); }
CRect GetWorkAreaNear(const CRect& rect) { return Sys().Backend().GetWorkAreaNear(rect); }

CRect GetWorkAreaOf(HWND hwnd)
{
    CRect r;
    Sys().GetRect(hwnd, &r);
    return Sys().Backend().GetWorkAreaNear(r);
}

CSize GetScreenSize() { return Sys().Backend().GetScreenSize(); }
uint64_t GetTickCount64() { return Sys().Now(); }
uint32_t GetTickCount() { return static_cast<uint32_t>(Sys().Now()); }

} // namespace lumo
