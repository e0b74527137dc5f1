#pragma once

// Windows as bitmaps in memory. Input comes from lumo::headless (Headless.h) calls, which
// reach the window system through the same event sink a real backend uses.

#include "platform/WindowBackend.h"

#include <condition_variable>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace lumo {

class HeadlessBackend final : public WindowBackend {
public:
    struct Window {
        CRect rect;
        bool shown = false;
        bool layered = false;
        std::vector<uint32_t> pixels; // premultiplied ARGB32, as presented
        CSize size;
        int presents = 0;
        CRect presented;
        int drags = 0;
    };

    static HeadlessBackend* Instance(); // null when another backend runs

    const char* Name() const override { return "headless"; }
    bool CreateNativeWindow(HWND hwnd, const NativeWindowDesc& desc) override;
    void DestroyNativeWindow(HWND hwnd) override;
    void ShowNativeWindow(HWND hwnd, bool show, bool activate) override;
    void SetNativeRect(HWND hwnd, const CRect& screenRect) override;
    void SetNativeTitle(HWND, const std::string&) override { }
    void SetNativeTopmost(HWND, bool) override { }
    void MinimizeNativeWindow(HWND) override { }
    void RestoreNativeWindow(HWND) override { }
    void RaiseNativeWindow(HWND) override { }
    void BeginNativeDrag(HWND hwnd) override;
    void Present(HWND hwnd, const uint32_t* pixels, int stride, CSize size, const CRect& rect, bool layered,
        COLORREF back) override;
    void SetMouseCapture(bool) override { }
    void SetNativeCursor(HCURSOR cursor) override;
    CPoint GetGlobalCursorPos() override { return { }; }
    void StartTextInput(HWND, const CRect&) override;
    void StopTextInput() override;
    bool SetClipboardText(const std::string& utf8) override;
    std::string GetClipboardText() override;
    CRect GetWorkAreaNear(const CRect&) override { return CRect(0, 0, 1920, 1040); }
    CSize GetScreenSize() override { return CSize(1920, 1080); }
    void PollEvents(BackendEventSink&) override { }
    void WaitEvents(BackendEventSink& sink, int timeoutMs) override;
    void Wake() override;

    // Read-back for tests (any thread).
    bool Snapshot(HWND hwnd, Window* out);
    // Premultiplied pixel as shown; false outside the window.
    bool PixelAt(HWND hwnd, int x, int y, uint32_t* out);
    void ResetPresented(HWND hwnd);
    HCURSOR Cursor();
    bool TextInputOn();

private:
    std::mutex m_lock;
    std::condition_variable m_cv;
    bool m_woken = false;
    std::unordered_map<HWND, Window> m_windows;
    std::string m_clipboard;
    HCURSOR m_cursor = IDC_ARROW;
    bool m_textInput = false;
};

} // namespace lumo
