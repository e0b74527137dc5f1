#pragma once

// The process's window system behind WindowApi.h: window records, per-thread message
// queues, window timers, paint scheduling, input translation and activation.
//   - WindowSystem.cpp       records, creation, destruction, state and geometry
//   - WindowSystemLoop.cpp   queues, send/post, GetMessage, timers, painting
//   - WindowSystemInput.cpp  backend events -> messages, capture, focus, activation
//
// Locks: m_lock guards m_windows, m_classes and every WindowRecord field; a ThreadQueue's
// own lock guards its posted/sent lists, quit state and timers. m_lock is never held while a
// window procedure runs, and a queue lock is never taken while holding m_lock's callers'
// procedures either: both are held only for short copies.

#include "lumoui/WindowApi.h"
#include "platform/WindowBackend.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

namespace lumo {

struct SentMessage {
    MSG msg;
    LRESULT result = 0;
    bool done = false; // under the target queue's lock
    std::function<void()> call; // when set, run this instead of a window procedure
};

struct WindowTimer {
    HWND hwnd = nullptr;
    UINT id = 0;
    UINT period = 1;
    uint64_t due = 0;
};

struct ThreadQueue {
    std::mutex lock;
    std::condition_variable cv;
    std::deque<MSG> posted;
    std::deque<std::shared_ptr<SentMessage>> sent;
    std::vector<WindowTimer> timers;
    bool quitPosted = false;
    int quitCode = 0;
    bool wakePending = false;
    std::thread::id thread;
    bool isUiThread = false;
};

struct WindowRecord {
    HWND hwnd = nullptr;
    std::string className;
    WNDPROC proc = nullptr;
    UINT classStyle = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string title;
    CRect rect; // screen coordinates
    CRect restoreRect;
    HWND owner = nullptr;
    intptr_t userData = 0;
    std::shared_ptr<ThreadQueue> queue;
    bool sizeSent = false;
    bool zoomed = false;
    bool destroying = false;
    CRect invalid;
    CRect paintRect;
    uint64_t lastPaint = 0;
    bool painted = false;
    bool trackLeave = false;
    std::string composition;
    int compositionCursor = 0;
};

class WindowSystem final : public BackendEventSink {
public:
    // The process's window system, created on first use with the backend that fits.
    static WindowSystem& Get();
    // Asks for the headless backend; only has an effect before the first Get().
    static void RequestHeadless();

    WindowBackend& Backend() { return *m_backend; }
    bool IsHeadless() const { return m_headless; }
    bool IsUiThread() const { return std::this_thread::get_id() == m_uiThread; }

    // Clock: monotonic ms; tests may switch to a manual clock that only moves when told
    // (blocking waits then jump straight to the next deadline).
    uint64_t Now() const;
    void SetManualClock(bool manual);
    void AdvanceClock(uint64_t ms);

    // Classes and windows (WindowSystem.cpp)
    bool RegisterClass(const WNDCLASS& wc);
    bool IsClassRegistered(const std::string& name);
    HWND Create(DWORD exStyle, const std::string& className, const std::string& title, DWORD style,
        const CRect& rect, HWND owner, void* createParam);
    bool Destroy(HWND hwnd);
    bool IsWindow(HWND hwnd);
    bool Show(HWND hwnd, int cmd);
    bool IsVisible(HWND hwnd);
    bool Enable(HWND hwnd, bool enable);
    bool IsEnabled(HWND hwnd);
    bool IsIconic(HWND hwnd);
    bool IsZoomed(HWND hwnd);
    bool SetPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    bool GetRect(HWND hwnd, CRect* rect);
    bool SetText(HWND hwnd, const std::string& text);
    std::string GetText(HWND hwnd);
    intptr_t GetLong(HWND hwnd, int index);
    intptr_t SetLong(HWND hwnd, int index, intptr_t value);
    HWND GetOwner(HWND hwnd);
    std::string GetClassName(HWND hwnd);
    int ThreadWindowCount();
    bool IsNoActivate(HWND hwnd);

    // Queues and the loop (WindowSystemLoop.cpp)
    LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void PostQuit(int code);
    bool GetMessage(MSG* msg, bool wait, bool remove);
    LRESULT Dispatch(const MSG* msg);
    UINT SetTimer(HWND hwnd, UINT id, UINT elapse);
    bool KillTimer(HWND hwnd, UINT id);
    bool Invalidate(HWND hwnd, const CRect* rect);
    bool Validate(HWND hwnd, const CRect* rect);
    bool UpdateNow(HWND hwnd);
    bool GetUpdateRect(HWND hwnd, CRect* rect);
    // Runs fn on the window's thread and waits for it; runs it at once on that thread.
    void RunOnWindowThread(HWND hwnd, const std::function<void()>& fn);

    // Input state (WindowSystemInput.cpp)
    HWND SetCapture(HWND hwnd);
    bool ReleaseCapture();
    HWND GetCapture();
    HWND SetFocus(HWND hwnd);
    HWND GetFocus();
    HWND SetActive(HWND hwnd);
    HWND GetActive();
    bool SetForeground(HWND hwnd);
    HCURSOR SetCursor(HCURSOR cursor);
    CPoint GetCursorPos();
    int16_t GetKeyState(int vk);
    bool TrackMouse(TRACKMOUSEEVENT* tme);
    void StartTextInput(HWND hwnd, const CRect& caret);
    void StopTextInput();
    std::string GetComposition(HWND hwnd, int* cursor);

    // BackendEventSink
    void OnNativeMouseMove(HWND hwnd, CPoint pt) override;
    void OnNativeMouseButton(HWND hwnd, CPoint pt, MouseButton button, bool down) override;
    void OnNativeMouseWheel(HWND hwnd, CPoint pt, int delta) override;
    void OnNativeMouseLeave(HWND hwnd) override;
    void OnNativeKey(UINT vk, UINT usage, bool down, bool repeat) override;
    void OnNativeText(const std::string& utf8) override;
    void OnNativeComposition(const std::string& utf8, int cursor) override;
    void OnNativeCloseRequest(HWND hwnd) override;
    void OnNativeFocus(HWND hwnd, bool gained) override;
    void OnNativeMoved(HWND hwnd, CPoint topLeft) override;
    void OnNativeResized(HWND hwnd, CSize size) override;
    void OnNativeMinimized(HWND hwnd, bool minimized) override;
    void OnNativeExposed(HWND hwnd) override;
    void OnNativeQuit() override;
    bool IsNativeDragPoint(HWND hwnd, CPoint pt) override;

    // Called by the loop after a batch of native events: a focus loss that no other of our
    // windows picked up deactivates the active window.
    void SettleFocus();

private:
    WindowSystem();

    std::shared_ptr<ThreadQueue> CurrentQueue();
    std::shared_ptr<ThreadQueue> QueueOf(HWND hwnd);
    // True when the window belongs to another thread than the caller.
    bool IsForeign(HWND hwnd);
    WindowRecord* Find(HWND hwnd); // m_lock held by caller
    void Wake(ThreadQueue& q);
    void WaitOn(ThreadQueue& q, int timeoutMs);
    bool RunSent(ThreadQueue& q);
    bool TakeDuePaint(ThreadQueue& q, uint64_t now, MSG* msg, bool remove);
    bool TakeDueTimer(ThreadQueue& q, uint64_t now, MSG* msg, bool remove);
    int64_t NextDeadline(ThreadQueue& q, uint64_t now);
    WNDPROC ProcOf(HWND hwnd);
    void PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    UINT MouseKeyFlags();
    void SetKeyDown(UINT vk, bool down);
    void FirstShow(HWND hwnd);
    void Hide(HWND hwnd);
    void Minimize(HWND hwnd, bool wasVisible);
    void Maximize(HWND hwnd);
    void ShowNormal(HWND hwnd, int cmd, bool wasVisible);
    void ApplyRect(HWND hwnd, const CRect& rect, bool native);
    void AfterHideOrDestroy(HWND hwnd, HWND owner);
    void MouseEnters(HWND hwnd);
    // Screen point of a mouse event and the window it goes to (the capture, if any), with pt
    // turned into that window's coordinates. False for a dead window.
    bool MouseTarget(HWND& hwnd, CPoint& pt, CPoint* screen);
    void PostLeaveIfTracked(HWND hwnd);

    std::unique_ptr<WindowBackend> m_backend;
    bool m_headless = false;
    std::thread::id m_uiThread;

    std::mutex m_lock;
    std::unordered_map<HWND, std::unique_ptr<WindowRecord>> m_windows;
    std::vector<HWND> m_order; // creation order, under m_lock
    std::unordered_map<std::string, WNDCLASS> m_classes;
    uintptr_t m_nextHandle = 0x1000;

    std::atomic<bool> m_manualClock { false };
    std::atomic<uint64_t> m_manualNow { 0 };

    // Input state: window-thread only, except the key table which other threads may read.
    HWND m_capture = nullptr;
    HWND m_active = nullptr;
    HWND m_focus = nullptr;
    HWND m_mouseWindow = nullptr;
    HCURSOR m_cursor = IDC_ARROW;
    bool m_focusLossPending = false;
    bool m_composing = false;
    HWND m_textInputWindow = nullptr;
    struct LastPress {
        HWND hwnd = nullptr;
        MouseButton button = MouseButton::Left;
        uint64_t time = 0;
        CPoint pt;
        bool wasDouble = false;
    } m_lastPress;
    std::array<std::atomic<bool>, 256> m_keys {};
    // The last known pointer position in screen coordinates; stamped on posted messages from
    // any thread.
    std::atomic<int> m_cursorX { 0 };
    std::atomic<int> m_cursorY { 0 };
    CPoint CursorPoint() const { return CPoint(m_cursorX.load(), m_cursorY.load()); }
};

} // namespace lumo
