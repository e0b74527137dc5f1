#include "platform/headless/HeadlessBackend.h"
#include "core/WindowSystem.h"

#include <chrono>

namespace lumo {

std::unique_ptr<WindowBackend> CreateHeadlessBackend() { return std::make_unique<HeadlessBackend>(); }

HeadlessBackend* HeadlessBackend::Instance()
{
    return dynamic_cast<HeadlessBackend*>(&WindowSystem::Get().Backend());
}

bool HeadlessBackend::CreateNativeWindow(HWND hwnd, const NativeWindowDesc& desc)
{
    std::lock_guard lock(m_lock);
    Window w;
    w.rect = desc.rect;
    m_windows[hwnd] = w;
    return true;
}

void HeadlessBackend::DestroyNativeWindow(HWND hwnd)
{
    std::lock_guard lock(m_lock);
    m_windows.erase(hwnd);
}

void HeadlessBackend::ShowNativeWindow(HWND hwnd, bool show, bool)
{
    std::lock_guard lock(m_lock);
    auto it = m_windows.find(hwnd);
    if (it != m_windows.end()) {
        it->second.shown = show;
    }
}

void HeadlessBackend::SetNativeRect(HWND hwnd, const CRect& screenRect)
{
    std::lock_guard lock(m_lock);
    auto it = m_windows.find(hwnd);
    if (it != m_windows.end()) {
        it->second.rect = screenRect;
    }
}

void HeadlessBackend::BeginNativeDrag(HWND hwnd)
{
    std::lock_guard lock(m_lock);
    auto it = m_windows.find(hwnd);
    if (it != m_windows.end()) {
        ++it->second.drags;
    }
}

void HeadlessBackend::Present(HWND hwnd, const uint32_t* pixels, int stride, CSize size, const CRect& rect,
    bool layered, COLORREF)
{
    std::lock_guard lock(m_lock);
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end() || size.cx <= 0 || size.cy <= 0) {
        return;
    }
    Window& w = it->second;
    if (w.size != size) {
        w.size = size;
        w.pixels.assign(static_cast<size_t>(size.cx) * size.cy, 0);
    }
    CRect r;
    if (!r.IntersectRect(rect, CRect(0, 0, size.cx, size.cy))) {
        return;
    }
    w.layered = layered;
    int rowWords = stride / 4;
    for (int y = r.top; y < r.bottom; ++y) {
        const uint32_t* src = pixels + static_cast<size_t>(y) * rowWords;
        uint32_t* dst = w.pixels.data() + static_cast<size_t>(y) * size.cx;
        for (int x = r.left; x < r.right; ++x) {
            // As on a real screen: plain windows are opaque, layered ones keep their alpha.
            dst[x] = layered ? src[x] : (src[x] | 0xFF000000u);
        }
    }
    ++w.presents;
    w.presented.UnionRect(w.presented, r);
}

void HeadlessBackend::SetNativeCursor(HCURSOR cursor)
{
    std::lock_guard lock(m_lock);
    m_cursor = cursor;
}

void HeadlessBackend::StartTextInput(HWND, const CRect&)
{
    std::lock_guard lock(m_lock);
    m_textInput = true;
}

void HeadlessBackend::StopTextInput()
{
    std::lock_guard lock(m_lock);
    m_textInput = false;
}

bool HeadlessBackend::SetClipboardText(const std::string& utf8)
{
    std::lock_guard lock(m_lock);
    m_clipboard = utf8;
    return true;
}

std::string HeadlessBackend::GetClipboardText()
{
    std::lock_guard lock(m_lock);
    return m_clipboard;
}

void HeadlessBackend::WaitEvents(BackendEventSink&, int timeoutMs)
{
    std::unique_lock lock(m_lock);
    if (timeoutMs < 0) {
        m_cv.wait(lock, [&] { return m_woken; });
    } else {
        m_cv.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return m_woken; });
    }
    m_woken = false;
}

void HeadlessBackend::Wake()
{
    {
        std::lock_guard lock(m_lock);
        m_woken = true;
    }
    m_cv.notify_all();
}

bool HeadlessBackend::Snapshot(HWND hwnd, Window* out)
{
    std::lock_guard lock(m_lock);
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end()) {
        return false;
    }
    *out = it->second;
    return true;
}

bool HeadlessBackend::PixelAt(HWND hwnd, int x, int y, uint32_t* out)
{
    std::lock_guard lock(m_lock);
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end()) {
        return false;
    }
    const Window& w = it->second;
    if (x < 0 || y < 0 || x >= w.size.cx || y >= w.size.cy) {
        return false;
    }
    *out = w.pixels[static_cast<size_t>(y) * w.size.cx + x];
    return true;
}

void HeadlessBackend::ResetPresented(HWND hwnd)
{
    std::lock_guard lock(m_lock);
    auto it = m_windows.find(hwnd);
    if (it != m_windows.end()) {
        it->second.presented.SetRectEmpty();
        it->second.presents = 0;
    }
}

HCURSOR HeadlessBackend::Cursor()
{
    std::lock_guard lock(m_lock);
    return m_cursor;
}

bool HeadlessBackend::TextInputOn()
{
    std::lock_guard lock(m_lock);
    return m_textInput;
}

} // namespace lumo
