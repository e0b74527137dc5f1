#pragma once

// The toolkit's native window system: top-level windows, the per-thread message queue and
// loop, window timers, painting, input state, text input, clipboard and screen geometry.
//   1. classes and window creation
//   2. window state and geometry
//   3. messages: send, post, the loop, quit
//   4. timers and painting
//   5. input: capture, focus, activation, cursor, keys, mouse tracking, text input
//   6. clipboard and screen
//
// Rules: a window belongs to the thread that created it; all calls on it are made on that
// thread, except PostMessageW, SendMessageW (which waits for the window's thread to run the
// message), InvalidateRect and the read-only queries (IsWindow, IsWindowVisible, ...), which
// are safe from any thread. Every call on a null or dead handle does nothing and returns 0.
// Windows have no frame: the client area is the whole window and its origin is the
// window's top-left corner on the screen.

#include "lumoui/Messages.h"
#include "lumoui/Types.h"

#include <string>

namespace lumo {

// 1. Classes and creation ------------------------------------------------------------------

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    std::string lpszClassName;
};

// lParam of WM_NCCREATE and WM_CREATE.
struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    HWND hwndParent = nullptr;
    DWORD style = 0;
    DWORD dwExStyle = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    std::string lpszName;
    std::string lpszClass;
};

// lParam of WM_GETMINMAXINFO.
struct MINMAXINFO {
    CPoint ptMaxSize;
    CPoint ptMaxPosition;
    CPoint ptMinTrackSize;
    CPoint ptMaxTrackSize;
};

// lParam of WM_WINDOWPOSCHANGING / WM_WINDOWPOSCHANGED.
struct WINDOWPOS {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};

// False when the name is empty. Registering a name twice counts as success and keeps the
// first registration.
bool RegisterClassW(const WNDCLASS& wc);
bool IsClassRegistered(const std::string& className);

// Creates a top-level window owned by `owner` (null for none). Sends WM_NCCREATE and
// WM_CREATE (lParam = CREATESTRUCT*); a WM_CREATE result of -1 or a WM_NCCREATE result of 0
// destroys it again and returns null. WS_VISIBLE shows it at once.
HWND CreateWindowExW(DWORD exStyle, const std::string& className, const std::string& title, DWORD style,
    int x, int y, int cx, int cy, HWND owner, void* createParam);
// Destroys owned windows first, then sends WM_DESTROY and WM_NCDESTROY.
bool DestroyWindow(HWND hwnd);
LRESULT DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// 2. State and geometry ---------------------------------------------------------------------

bool IsWindow(HWND hwnd);
bool ShowWindow(HWND hwnd, int cmd); // previous visibility
bool IsWindowVisible(HWND hwnd);
bool EnableWindow(HWND hwnd, bool enable); // true when the window was disabled before
bool IsWindowEnabled(HWND hwnd);
bool IsIconic(HWND hwnd);
bool IsZoomed(HWND hwnd);
bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
bool MoveWindow(HWND hwnd, int x, int y, int cx, int cy, bool repaint);
bool GetClientRect(HWND hwnd, CRect* rect);
bool GetWindowRect(HWND hwnd, CRect* rect);
bool ClientToScreen(HWND hwnd, CPoint* pt);
bool ScreenToClient(HWND hwnd, CPoint* pt);
bool SetWindowTextW(HWND hwnd, const std::string& text);
std::string GetWindowTextW(HWND hwnd);
intptr_t GetWindowLongPtrW(HWND hwnd, int index);
intptr_t SetWindowLongPtrW(HWND hwnd, int index, intptr_t value); // previous value
HWND GetWindow(HWND hwnd, UINT relation);
std::string GetClassNameOf(HWND hwnd);
// Top-level windows of the calling thread, oldest first.
int GetThreadWindowCount();

// 3. Messages -------------------------------------------------------------------------------

LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Queues a message for the window's thread and wakes its loop. False for a dead window.
bool PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Queues WM_QUIT for the calling thread's loop; it is returned once the queue holds nothing
// older.
void PostQuitMessage(int exitCode);
// Waits for the next message of the calling thread. False on WM_QUIT.
// Order: messages sent from other threads are run first; then posted and input messages;
// then a due repaint (at most one per window every 16 ms); then due timers.
bool GetMessageW(MSG* msg);
// Like GetMessageW but never waits; false when nothing is pending.
bool PeekMessageW(MSG* msg, UINT removeFlags);
// Text arrives as WM_CHAR from the text input of the window system, so this does nothing;
// it is kept so message loops read as usual.
bool TranslateMessage(const MSG* msg);
LRESULT DispatchMessageW(const MSG* msg);

// 4. Timers and painting ----------------------------------------------------------------------

// A window timer posts WM_TIMER(id) every `elapseMs` (at least 1). Setting an existing id
// restarts it with the new period. Returns the id, 0 for a dead window.
UINT SetTimer(HWND hwnd, UINT id, UINT elapseMs);
bool KillTimer(HWND hwnd, UINT id);

// Adds a rect (null = the whole client area) to the window's invalid area. Safe from any
// thread; the window's loop paints it with WM_PAINT at most every 16 ms.
bool InvalidateRect(HWND hwnd, const CRect* rect, bool erase);
bool ValidateRect(HWND hwnd, const CRect* rect);
// Paints an invalid window at once, outside the rate bound.
bool UpdateWindow(HWND hwnd);
// The area being painted during WM_PAINT; otherwise the current invalid area.
bool GetUpdateRect(HWND hwnd, CRect* rect);

// 5. Input -----------------------------------------------------------------------------------

HWND SetCapture(HWND hwnd);
bool ReleaseCapture();
HWND GetCapture();
// Keyboard focus window (the active window receives keys).
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
bool SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();
HCURSOR LoadCursorW(HCURSOR id);
HCURSOR SetCursor(HCURSOR cursor);
bool GetCursorPos(CPoint* pt);
// Bit 0x8000 set while the key is down (VK_LBUTTON etc. included).
int16_t GetKeyState(int vk);
int16_t GetAsyncKeyState(int vk);
UINT GetDoubleClickTime();

struct TRACKMOUSEEVENT {
    DWORD dwFlags = 0;
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = 400;
};
bool TrackMouseEvent(TRACKMOUSEEVENT* tme);

// Text input for the drawn editors: while on, typed text arrives as WM_CHAR (one per code
// point) and input-method composition as WM_IME_STARTCOMPOSITION / WM_IME_COMPOSITION /
// WM_IME_ENDCOMPOSITION. `caret` (client coordinates) places the input method's window.
void StartTextInput(HWND hwnd, const CRect& caret);
void StopTextInput();
// The current composition text (UTF-8) and cursor position in code points.
std::string GetImeComposition(HWND hwnd, int* cursor);

// 6. Clipboard and screen ----------------------------------------------------------------------

bool SetClipboardText(const std::string& utf8);
std::string GetClipboardText();
// Usable area (no panels) of the display nearest to the rect / the window.
CRect GetWorkAreaNear(const CRect& rect);
CRect GetWorkAreaOf(HWND hwnd);
CSize GetScreenSize();

// Milliseconds of the window system's clock (monotonic).
uint64_t GetTickCount64();
uint32_t GetTickCount();

} // namespace lumo
