// Real windows through SDL2: borderless windows drawn from our own bitmaps, SDL's event
// queue as the source of input, and SDL's hit test for dragging windows by empty space.

#include "platform/PixelOps.h"
#include "platform/WindowBackend.h"
#include "platform/sdl/SdlKeys.h"
#include "platform/sdl/X11Errors.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <string_view>
#include <unordered_map>

namespace lumo {

namespace {

class SdlBackend final : public WindowBackend {
public:
    SdlBackend(Uint32 wakeEvent) : m_wakeEvent(wakeEvent) { }
    ~SdlBackend() override
    {
        for (auto& [h, w] : m_windows) {
            SDL_DestroyWindow(w);
        }
        for (auto& [k, c] : m_cursors) {
            SDL_FreeCursor(c);
        }
        SDL_Quit();
    }

    const char* Name() const override { return "sdl"; }

    bool CreateNativeWindow(HWND hwnd, const NativeWindowDesc& desc) override
    {
        Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
        switch (desc.kind) {
        case NativeKind::Tooltip:
            flags |= SDL_WINDOW_TOOLTIP;
            break;
        case NativeKind::PopupMenu:
            flags |= SDL_WINDOW_POPUP_MENU;
            break;
        case NativeKind::Tool:
            flags |= SDL_WINDOW_SKIP_TASKBAR;
            break;
        case NativeKind::Normal:
            break;
        }
        if (desc.topmost) {
            flags |= SDL_WINDOW_ALWAYS_ON_TOP;
        }
        SDL_Window* w = SDL_CreateWindow(desc.title.c_str(), desc.rect.left, desc.rect.top,
            std::max(1, desc.rect.Width()), std::max(1, desc.rect.Height()), flags);
        if (!w) {
            return false;
        }
        m_windows[hwnd] = w;
        m_byId[SDL_GetWindowID(w)] = hwnd;
        // "Not supported" on some drivers; such windows simply cannot be dragged.
        SDL_SetWindowHitTest(w, &SdlBackend::HitTest, this);
        if (desc.owner) {
            if (SDL_Window* owner = WindowOf(desc.owner)) {
                // Keeps owned windows above their owner.
                SDL_SetWindowModalFor(w, owner);
            }
        }
        return true;
    }

    void DestroyNativeWindow(HWND hwnd) override
    {
        SDL_Window* w = WindowOf(hwnd);
        if (!w) {
            return;
        }
        m_byId.erase(SDL_GetWindowID(w));
        m_windows.erase(hwnd);
        SDL_DestroyWindow(w);
    }

    void ShowNativeWindow(HWND hwnd, bool show, bool activate) override
    {
        SDL_Window* w = WindowOf(hwnd);
        if (!w) {
            return;
        }
        if (!show) {
            SDL_HideWindow(w);
            return;
        }
        SDL_ShowWindow(w);
        if (activate) {
            SDL_RaiseWindow(w);
        }
    }

    void SetNativeRect(HWND hwnd, const CRect& r) override
    {
        if (SDL_Window* w = WindowOf(hwnd)) {
            SDL_SetWindowPosition(w, r.left, r.top);
            SDL_SetWindowSize(w, std::max(1, r.Width()), std::max(1, r.Height()));
        }
    }

    void SetNativeTitle(HWND hwnd, const std::string& title) override
    {
        if (SDL_Window* w = WindowOf(hwnd)) {
            SDL_SetWindowTitle(w, title.c_str());
        }
    }

    void SetNativeTopmost(HWND hwnd, bool topmost) override
    {
        if (SDL_Window* w = WindowOf(hwnd)) {
            SDL_SetWindowAlwaysOnTop(w, topmost ? SDL_TRUE : SDL_FALSE);
        }
    }

    void MinimizeNativeWindow(HWND hwnd) override
    {
        if (SDL_Window* w = WindowOf(hwnd)) {
            SDL_MinimizeWindow(w);
        }
    }

    void RestoreNativeWindow(HWND hwnd) override
    {
        if (SDL_Window* w = WindowOf(hwnd)) {
            SDL_RestoreWindow(w);
        }
    }

    void RaiseNativeWindow(HWND hwnd) override
    {
        if (SDL_Window* w = WindowOf(hwnd)) {
            SDL_RaiseWindow(w);
        }
    }

    // The hit test has already handed the press to the window manager.
    void BeginNativeDrag(HWND) override { }

    void Present(HWND hwnd, const uint32_t* pixels, int stride, CSize size, const CRect& rect, bool layered,
        COLORREF back) override
    {
        SDL_Window* w = WindowOf(hwnd);
        SDL_Surface* s = w ? SDL_GetWindowSurface(w) : nullptr;
        if (!s) {
            return;
        }
        CRect r;
        if (!r.IntersectRect(rect, CRect(0, 0, std::min(size.cx, s->w), std::min(size.cy, s->h)))) {
            return;
        }
        bool direct = s->format->BytesPerPixel == 4 && s->format->Rmask == 0x00FF0000
            && s->format->Gmask == 0x0000FF00 && s->format->Bmask == 0x000000FF;
        if (SDL_MUSTLOCK(s)) {
            SDL_LockSurface(s);
        }
        int rowWords = stride / 4;
        for (int y = r.top; y < r.bottom; ++y) {
            const uint32_t* src = pixels + static_cast<size_t>(y) * rowWords;
            auto* row = reinterpret_cast<uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch;
            for (int x = r.left; x < r.right; ++x) {
                // Without per-pixel alpha on screen, translucent pixels are shown over the
                // window's back colour; plain windows are opaque apart from rounding.
                uint32_t p = layered ? ComposeOver(src[x], back) : (src[x] | 0xFF000000u);
                if (direct) {
                    reinterpret_cast<uint32_t*>(row)[x] = p;
                } else {
                    Uint32 mapped = SDL_MapRGB(s->format, (p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
                    SDL_memcpy(row + x * s->format->BytesPerPixel, &mapped, s->format->BytesPerPixel);
                }
            }
        }
        if (SDL_MUSTLOCK(s)) {
            SDL_UnlockSurface(s);
        }
        SDL_Rect sr { r.left, r.top, r.Width(), r.Height() };
        SDL_UpdateWindowSurfaceRects(w, &sr, 1);
    }

    void SetMouseCapture(bool capture) override { SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE); }

    void SetNativeCursor(HCURSOR cursor) override
    {
        SDL_SystemCursor id = SDL_SYSTEM_CURSOR_ARROW;
        switch (cursor) {
        case IDC_HAND:
            id = SDL_SYSTEM_CURSOR_HAND;
            break;
        case IDC_IBEAM:
            id = SDL_SYSTEM_CURSOR_IBEAM;
            break;
        case IDC_SIZEALL:
            id = SDL_SYSTEM_CURSOR_SIZEALL;
            break;
        case IDC_WAIT:
            id = SDL_SYSTEM_CURSOR_WAIT;
            break;
        default:
            break;
        }
        SDL_Cursor*& c = m_cursors[id];
        if (!c) {
            c = SDL_CreateSystemCursor(id);
        }
        if (c) {
            SDL_SetCursor(c);
        }
    }

    CPoint GetGlobalCursorPos() override
    {
        int x = 0;
        int y = 0;
        SDL_GetGlobalMouseState(&x, &y);
        return CPoint(x, y);
    }

    void StartTextInput(HWND, const CRect& caret) override
    {
        SDL_Rect r { caret.left, caret.top, caret.Width(), caret.Height() };
        SDL_SetTextInputRect(&r);
        SDL_StartTextInput();
    }

    void StopTextInput() override { SDL_StopTextInput(); }

    bool SetClipboardText(const std::string& utf8) override { return SDL_SetClipboardText(utf8.c_str()) == 0; }

    std::string GetClipboardText() override
    {
        char* text = SDL_GetClipboardText();
        std::string out = text ? text : "";
        SDL_free(text);
        return out;
    }

    CRect GetWorkAreaNear(const CRect& rect) override
    {
        int n = SDL_GetNumVideoDisplays();
        CPoint c = rect.CenterPoint();
        CRect best(0, 0, 1920, 1080);
        long bestDist = -1;
        for (int i = 0; i < n; ++i) {
            SDL_Rect b;
            if (SDL_GetDisplayUsableBounds(i, &b) != 0) {
                continue;
            }
            CRect r(b.x, b.y, b.x + b.w, b.y + b.h);
            long dx = c.x < r.left ? r.left - c.x : c.x >= r.right ? c.x - r.right + 1 : 0;
            long dy = c.y < r.top ? r.top - c.y : c.y >= r.bottom ? c.y - r.bottom + 1 : 0;
            long dist = dx * dx + dy * dy;
            if (bestDist < 0 || dist < bestDist) {
                bestDist = dist;
                best = r;
            }
        }
        return best;
    }

    CSize GetScreenSize() override
    {
        SDL_Rect b;
        if (SDL_GetDisplayBounds(0, &b) != 0) {
            return CSize(1920, 1080);
        }
        return CSize(b.w, b.h);
    }

    void PollEvents(BackendEventSink& sink) override
    {
        m_sink = &sink;
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            Deliver(sink, e);
        }
    }

    void WaitEvents(BackendEventSink& sink, int timeoutMs) override
    {
        m_sink = &sink;
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, timeoutMs)) {
            Deliver(sink, e);
        }
        PollEvents(sink);
    }

    void Wake() override
    {
        // One wake event in flight is enough to end any wait.
        if (m_wakeQueued.exchange(true)) {
            return;
        }
        SDL_Event e {};
        e.type = m_wakeEvent;
        SDL_PushEvent(&e);
    }

private:
    SDL_Window* WindowOf(HWND hwnd)
    {
        auto it = m_windows.find(hwnd);
        return it == m_windows.end() ? nullptr : it->second;
    }

    HWND HwndOf(Uint32 id)
    {
        auto it = m_byId.find(id);
        return it == m_byId.end() ? nullptr : it->second;
    }

    static SDL_HitTestResult HitTest(SDL_Window* win, const SDL_Point* area, void* data)
    {
        auto* self = static_cast<SdlBackend*>(data);
        HWND hwnd = self->HwndOf(SDL_GetWindowID(win));
        if (!hwnd || !self->m_sink) {
            return SDL_HITTEST_NORMAL;
        }
        return self->m_sink->IsNativeDragPoint(hwnd, CPoint(area->x, area->y)) ? SDL_HITTEST_DRAGGABLE
                                                                                  : SDL_HITTEST_NORMAL;
    }

    static MouseButton ButtonOf(Uint8 b)
    {
        return b == SDL_BUTTON_RIGHT ? MouseButton::Right : b == SDL_BUTTON_MIDDLE ? MouseButton::Middle
                                                                                  : MouseButton::Left;
    }

    void DeliverWindowEvent(BackendEventSink& sink, const SDL_WindowEvent& we)
    {
        HWND hwnd = HwndOf(we.windowID);
        if (!hwnd) {
            return;
        }
        switch (we.event) {
        case SDL_WINDOWEVENT_CLOSE:
            sink.OnNativeCloseRequest(hwnd);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            sink.OnNativeFocus(hwnd, true);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            sink.OnNativeFocus(hwnd, false);
            break;
        case SDL_WINDOWEVENT_MOVED:
            sink.OnNativeMoved(hwnd, CPoint(we.data1, we.data2));
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            sink.OnNativeResized(hwnd, CSize(we.data1, we.data2));
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            sink.OnNativeMinimized(hwnd, true);
            break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
            sink.OnNativeMinimized(hwnd, false);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            sink.OnNativeExposed(hwnd);
            break;
        case SDL_WINDOWEVENT_LEAVE:
            sink.OnNativeMouseLeave(hwnd);
            break;
        default:
            break;
        }
    }

    void Deliver(BackendEventSink& sink, const SDL_Event& e)
    {
        if (e.type == m_wakeEvent) {
            m_wakeQueued = false;
            return;
        }
        switch (e.type) {
        case SDL_MOUSEMOTION:
            if (HWND h = HwndOf(e.motion.windowID)) {
                sink.OnNativeMouseMove(h, CPoint(e.motion.x, e.motion.y));
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (HWND h = HwndOf(e.button.windowID)) {
                sink.OnNativeMouseButton(
                    h, CPoint(e.button.x, e.button.y), ButtonOf(e.button.button), e.type == SDL_MOUSEBUTTONDOWN);
            }
            break;
        case SDL_MOUSEWHEEL:
            if (HWND h = HwndOf(e.wheel.windowID)) {
                int y = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
                int mx = 0;
                int my = 0;
                SDL_GetMouseState(&mx, &my);
                sink.OnNativeMouseWheel(h, CPoint(mx, my), y * 120);
            }
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            UINT vk = SdlKeyToVk(e.key.keysym.sym, e.key.keysym.scancode);
            if (vk) {
                sink.OnNativeKey(vk, static_cast<UINT>(e.key.keysym.scancode), e.type == SDL_KEYDOWN,
                    e.key.repeat != 0);
            }
            break;
        }
        case SDL_TEXTINPUT:
            sink.OnNativeText(e.text.text);
            break;
        case SDL_TEXTEDITING:
            sink.OnNativeComposition(e.edit.text, e.edit.start);
            break;
        case SDL_WINDOWEVENT:
            DeliverWindowEvent(sink, e.window);
            break;
        case SDL_QUIT:
            sink.OnNativeQuit();
            break;
        default:
            break;
        }
    }

    Uint32 m_wakeEvent;
    std::atomic<bool> m_wakeQueued { false };
    BackendEventSink* m_sink = nullptr;
    std::unordered_map<HWND, SDL_Window*> m_windows;
    std::unordered_map<Uint32, HWND> m_byId;
    std::unordered_map<int, SDL_Cursor*> m_cursors;
};

} // namespace

std::unique_ptr<WindowBackend> CreateSdlBackend()
{
    const char* x = std::getenv("DISPLAY");
    const char* wl = std::getenv("WAYLAND_DISPLAY");
    if ((!x || !*x) && (!wl || !*wl)) {
        return nullptr;
    }
    // The first click on an inactive window must reach the control under it.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    SDL_SetHint(SDL_HINT_IME_SHOW_UI, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // We draw every pixel ourselves and present small dirty rects: the plain window framebuffer
    // is enough. Left to decide, SDL may put an OpenGL renderer behind the window surface, which
    // destroys and recreates the native window on its first present (the window flashes and
    // its X id changes) and starts GL worker threads on software renderers.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return nullptr;
    }
    if (const char* driver = SDL_GetCurrentVideoDriver(); driver && std::string_view(driver) == "x11") {
        TolerateStaleWakeups();
    }
    SDL_StopTextInput();
    Uint32 wake = SDL_RegisterEvents(1);
    if (wake == static_cast<Uint32>(-1)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    return std::make_unique<SdlBackend>(wake);
}

} // namespace lumo
