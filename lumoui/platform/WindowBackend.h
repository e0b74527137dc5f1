#pragma once

// The narrow interface between the window system and a native window implementation.
// The window system (core/WindowSystem) owns window state, queues and routing; a backend only
// shows pixels, reports input and answers questions about the screen. Two implementations:
// sdl/ (real windows) and headless/ (bitmaps for tests and benchmarks).
//
// Threading: every call except Wake() comes from the thread that created the backend (the
// UI thread). Wake() may come from any thread.

#include "lumoui/Types.h"

#include <cstdint>
#include <memory>
#include <string>

namespace lumo {

enum class NativeKind {
    Normal,    // taskbar window
    Tool,      // no taskbar entry (tool windows, owned dialogs)
    PopupMenu, // menus and drop-downs
    Tooltip,   // tooltips and balloons; never takes activation
};

struct NativeWindowDesc {
    CRect rect; // screen coordinates
    std::string title;
    NativeKind kind = NativeKind::Normal;
    bool topmost = false;
    HWND owner = nullptr;
};

enum class MouseButton { Left, Right, Middle };

// What a backend reports. Coordinates are client coordinates of `hwnd`.
class BackendEventSink {
public:
    virtual ~BackendEventSink() = default;
    virtual void OnNativeMouseMove(HWND hwnd, CPoint pt) = 0;
    virtual void OnNativeMouseButton(HWND hwnd, CPoint pt, MouseButton button, bool down) = 0;
    virtual void OnNativeMouseWheel(HWND hwnd, CPoint pt, int delta) = 0;
    virtual void OnNativeMouseLeave(HWND hwnd) = 0;
    // vk = virtual key, usage = HID usage of the physical key (0 when unknown).
    virtual void OnNativeKey(UINT vk, UINT usage, bool down, bool repeat) = 0;
    virtual void OnNativeText(const std::string& utf8) = 0;
    virtual void OnNativeComposition(const std::string& utf8, int cursor) = 0;
    virtual void OnNativeCloseRequest(HWND hwnd) = 0;
    virtual void OnNativeFocus(HWND hwnd, bool gained) = 0;
    virtual void OnNativeMoved(HWND hwnd, CPoint topLeft) = 0;
    virtual void OnNativeResized(HWND hwnd, CSize size) = 0;
    virtual void OnNativeMinimized(HWND hwnd, bool minimized) = 0;
    virtual void OnNativeExposed(HWND hwnd) = 0;
    virtual void OnNativeQuit() = 0;
    // Asked before a press is delivered: true when the point drags the window.
    virtual bool IsNativeDragPoint(HWND hwnd, CPoint pt) = 0;
};

class WindowBackend {
public:
    virtual ~WindowBackend() = default;

    virtual const char* Name() const = 0;

    virtual bool CreateNativeWindow(HWND hwnd, const NativeWindowDesc& desc) = 0;
    virtual void DestroyNativeWindow(HWND hwnd) = 0;
    virtual void ShowNativeWindow(HWND hwnd, bool show, bool activate) = 0;
    virtual void SetNativeRect(HWND hwnd, const CRect& screenRect) = 0;
    virtual void SetNativeTitle(HWND hwnd, const std::string& title) = 0;
    virtual void SetNativeTopmost(HWND hwnd, bool topmost) = 0;
    virtual void MinimizeNativeWindow(HWND hwnd) = 0;
    virtual void RestoreNativeWindow(HWND hwnd) = 0;
    virtual void RaiseNativeWindow(HWND hwnd) = 0;
    // Starts moving the window with the mouse (the press already happened).
    virtual void BeginNativeDrag(HWND hwnd) = 0;

    // Shows `rect` of a client-sized premultiplied ARGB32 image. A layered window carries
    // per-pixel alpha; where the native side cannot show it, it is composed over `back`.
    virtual void Present(HWND hwnd, const uint32_t* pixels, int stride, CSize size, const CRect& rect,
        bool layered, COLORREF back)
        = 0;

    virtual void SetMouseCapture(bool capture) = 0;
    virtual void SetNativeCursor(HCURSOR cursor) = 0;
    virtual CPoint GetGlobalCursorPos() = 0;

    virtual void StartTextInput(HWND hwnd, const CRect& caretClient) = 0;
    virtual void StopTextInput() = 0;

    virtual bool SetClipboardText(const std::string& utf8) = 0;
    virtual std::string GetClipboardText() = 0;
    virtual CRect GetWorkAreaNear(const CRect& rect) = 0;
    virtual CSize GetScreenSize() = 0;

    // Delivers pending native events to the sink without waiting.
    virtual void PollEvents(BackendEventSink& sink) = 0;
    // Waits until a native event arrives, Wake() is called or the timeout (ms, -1 = none)
    // passes, then delivers what is pending.
    virtual void WaitEvents(BackendEventSink& sink, int timeoutMs) = 0;
    virtual void Wake() = 0;
};

// Picks the backend: headless when LUMOUI_HEADLESS=1, when asked, or when no display can
// be opened; SDL otherwise.
std::unique_ptr<WindowBackend> CreateSdlBackend();
std::unique_ptr<WindowBackend> CreateHeadlessBackend();

} // namespace lumo
