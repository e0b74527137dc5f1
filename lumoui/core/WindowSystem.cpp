#include "core/WindowSystem.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace lumo {

namespace {

bool g_requestHeadless = false;

NativeKind KindFor(DWORD exStyle, HWND owner)
{
    if (exStyle & WS_EX_LUMO_TOOLTIP) {
        return NativeKind::Tooltip;
    }
    if (exStyle & WS_EX_LUMO_POPUPMENU) {
        return NativeKind::PopupMenu;
    }
    if ((exStyle & WS_EX_TOOLWINDOW) || owner) {
        return NativeKind::Tool;
    }
    return NativeKind::Normal;
}

} // namespace

void WindowSystem::RequestHeadless() { g_requestHeadless = true; }

WindowSystem& WindowSystem::Get()
{
    // Deliberately never destroyed: windows, timers and queues may still be touched by other
    // threads during static destruction at exit.
    static WindowSystem* system = new WindowSystem();
    return *system;
}

WindowSystem::WindowSystem()
{
    m_uiThread = std::this_thread::get_id();
    const char* env = std::getenv("LUMOUI_HEADLESS");
    bool headless = g_requestHeadless || (env && std::strcmp(env, "0") != 0 && env[0] != '\0');
    if (!headless) {
        m_backend = CreateSdlBackend();
    }
    if (!m_backend) {
        m_backend = CreateHeadlessBackend();
        headless = true;
    }
    m_headless = headless;
}

uint64_t WindowSystem::Now() const
{
    if (m_manualClock.load()) {
        return m_manualNow.load();
    }
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void WindowSystem::SetManualClock(bool manual)
{
    if (manual && !m_manualClock.load()) {
        m_manualNow.store(Now());
    }
    m_manualClock.store(manual);
}

void WindowSystem::AdvanceClock(uint64_t ms) { m_manualNow.fetch_add(ms); }

WindowRecord* WindowSystem::Find(HWND hwnd)
{
    auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : it->second.get();
}

bool WindowSystem::RegisterClass(const WNDCLASS& wc)
{
    if (wc.lpszClassName.empty() || !wc.lpfnWndProc) {
        return false;
    }
    std::lock_guard lock(m_lock);
    m_classes.emplace(wc.lpszClassName, wc);
    return true;
}

bool WindowSystem::IsClassRegistered(const std::string& name)
{
    std::lock_guard lock(m_lock);
    return m_classes.count(name) != 0;
}

HWND WindowSystem::Create(DWORD exStyle, const std::string& className, const std::string& title, DWORD style,
    const CRect& rect, HWND owner, void* createParam)
{
    HWND hwnd = nullptr;
    {
        std::lock_guard lock(m_lock);
        auto cls = m_classes.find(className);
        if (cls == m_classes.end()) {
            return nullptr;
        }
        if (owner && !Find(owner)) {
            owner = nullptr;
        }
        auto rec = std::make_unique<WindowRecord>();
        hwnd = reinterpret_cast<HWND>(m_nextHandle++);
        rec->hwnd = hwnd;
        rec->className = className;
        rec->proc = cls->second.lpfnWndProc;
        rec->classStyle = cls->second.style;
        rec->style = style & ~WS_VISIBLE;
        rec->exStyle = exStyle;
        rec->title = title;
        rec->rect = rect;
        rec->restoreRect = rect;
        rec->owner = owner;
        m_windows.emplace(hwnd, std::move(rec));
        m_order.push_back(hwnd);
    }
    {
        auto queue = CurrentQueue();
        std::lock_guard lock(m_lock);
        Find(hwnd)->queue = queue;
    }
    NativeWindowDesc desc;
    desc.rect = rect;
    desc.title = title;
    desc.kind = KindFor(exStyle, owner);
    desc.topmost = (exStyle & WS_EX_TOPMOST) != 0;
    desc.owner = owner;
    if (!m_backend->CreateNativeWindow(hwnd, desc)) {
        std::lock_guard lock(m_lock);
        m_windows.erase(hwnd);
        m_order.erase(std::remove(m_order.begin(), m_order.end(), hwnd), m_order.end());
        return nullptr;
    }

    CREATESTRUCT cs;
    cs.lpCreateParams = createParam;
    cs.hwndParent = owner;
    cs.style = style;
    cs.dwExStyle = exStyle;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.Width();
    cs.cy = rect.Height();
    cs.lpszName = title;
    cs.lpszClass = className;
    LPARAM lp = reinterpret_cast<LPARAM>(&cs);
    if (Send(hwnd, WM_NCCREATE, 0, lp) == 0 || Send(hwnd, WM_CREATE, 0, lp) == -1) {
        Destroy(hwnd);
        return nullptr;
    }
    if ((style & WS_VISIBLE) && IsWindow(hwnd)) {
        Show(hwnd, SW_SHOW);
    }
    return IsWindow(hwnd) ? hwnd : nullptr;
}

bool WindowSystem::Destroy(HWND hwnd)
{
    if (!IsWindow(hwnd)) {
        return false;
    }
    if (IsForeign(hwnd)) {
        bool result = false;
        RunOnWindowThread(hwnd, [&] { result = Destroy(hwnd); });
        return result;
    }
    std::vector<HWND> owned;
    HWND owner = nullptr;
    {
        std::lock_guard lock(m_lock);
        WindowRecord* rec = Find(hwnd);
        if (rec->destroying) {
            return false;
        }
        rec->destroying = true;
        owner = rec->owner;
        for (HWND other : m_order) {
            WindowRecord* r = Find(other);
            if (r && r->owner == hwnd) {
                owned.push_back(other);
            }
        }
    }
    for (HWND child : owned) {
        Destroy(child);
    }
    if (IsVisible(hwnd)) {
        m_backend->ShowNativeWindow(hwnd, false, false);
        std::lock_guard lock(m_lock);
        Find(hwnd)->style &= ~WS_VISIBLE;
    }
    AfterHideOrDestroy(hwnd, owner);
    if (m_textInputWindow == hwnd) {
        StopTextInput();
    }
    Send(hwnd, WM_DESTROY, 0, 0);
    Send(hwnd, WM_NCDESTROY, 0, 0);
    m_backend->DestroyNativeWindow(hwnd);
    std::shared_ptr<ThreadQueue> queue;
    {
        std::lock_guard lock(m_lock);
        queue = Find(hwnd)->queue;
        m_windows.erase(hwnd);
        m_order.erase(std::remove(m_order.begin(), m_order.end(), hwnd), m_order.end());
    }
    if (queue) {
        std::lock_guard lock(queue->lock);
        auto& t = queue->timers;
        t.erase(std::remove_if(t.begin(), t.end(), [&](const WindowTimer& w) { return w.hwnd == hwnd; }), t.end());
    }
    if (m_mouseWindow == hwnd) {
        m_mouseWindow = nullptr;
    }
    if (m_lastPress.hwnd == hwnd) {
        m_lastPress = {};
    }
    return true;
}

bool WindowSystem::IsWindow(HWND hwnd)
{
    if (!hwnd) {
        return false;
    }
    std::lock_guard lock(m_lock);
    return Find(hwnd) != nullptr;
}

bool WindowSystem::IsNoActivate(HWND hwnd)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    return !rec || (rec->exStyle & (WS_EX_NOACTIVATE | WS_EX_LUMO_TOOLTIP)) != 0;
}

void WindowSystem::FirstShow(HWND hwnd)
{
    CRect rect;
    {
        std::lock_guard lock(m_lock);
        WindowRecord* rec = Find(hwnd);
        if (!rec || rec->sizeSent) {
            return;
        }
        rec->sizeSent = true;
        rect = rec->rect;
    }
    // Like a classic window system, the first show tells the window its size and place, so
    // layout code runs after the window's controls were built.
    Send(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rect.Width(), rect.Height()));
    Send(hwnd, WM_MOVE, 0, MAKELPARAM(rect.left, rect.top));
}

bool WindowSystem::Show(HWND hwnd, int cmd)
{
    if (!IsWindow(hwnd)) {
        return false;
    }
    if (IsForeign(hwnd)) {
        bool result = false;
        RunOnWindowThread(hwnd, [&] { result = Show(hwnd, cmd); });
        return result;
    }
    bool wasVisible = IsVisible(hwnd);
    switch (cmd) {
    case SW_HIDE:
        Hide(hwnd);
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
        Minimize(hwnd, wasVisible);
        break;
    case SW_MAXIMIZE:
        Maximize(hwnd);
        break;
    default:
        ShowNormal(hwnd, cmd, wasVisible);
        break;
    }
    return wasVisible;
}

void WindowSystem::Hide(HWND hwnd)
{
    if (!IsVisible(hwnd)) {
        return;
    }
    HWND owner = GetOwner(hwnd);
    {
        std::lock_guard lock(m_lock);
        Find(hwnd)->style &= ~WS_VISIBLE;
    }
    m_backend->ShowNativeWindow(hwnd, false, false);
    Send(hwnd, WM_SHOWWINDOW, 0, 0);
    AfterHideOrDestroy(hwnd, owner);
}

void WindowSystem::Minimize(HWND hwnd, bool wasVisible)
{
    {
        std::lock_guard lock(m_lock);
        Find(hwnd)->style |= WS_MINIMIZE | WS_VISIBLE;
    }
    FirstShow(hwnd);
    if (!wasVisible) {
        m_backend->ShowNativeWindow(hwnd, true, false);
    }
    m_backend->MinimizeNativeWindow(hwnd);
    Send(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
}

void WindowSystem::Maximize(HWND hwnd)
{
    CRect work = GetWorkAreaOf(hwnd);
    {
        std::lock_guard lock(m_lock);
        WindowRecord* rec = Find(hwnd);
        if (!rec->zoomed) {
            rec->restoreRect = rec->rect;
        }
        rec->zoomed = true;
        rec->style |= WS_MAXIMIZE;
    }
    SetPos(hwnd, nullptr, work.left, work.top, work.Width(), work.Height(), SWP_NOZORDER | SWP_SHOWWINDOW);
}

void WindowSystem::ShowNormal(HWND hwnd, int cmd, bool wasVisible)
{
    bool restore = (cmd == SW_RESTORE || cmd == SW_SHOWNORMAL);
    bool wasIconic = IsIconic(hwnd);
    CRect restoreTo;
    bool unzoom = false;
    {
        std::lock_guard lock(m_lock);
        WindowRecord* rec = Find(hwnd);
        rec->style |= WS_VISIBLE;
        if (restore) {
            rec->style &= ~WS_MINIMIZE;
            if (rec->zoomed && !wasIconic) {
                rec->zoomed = false;
                rec->style &= ~WS_MAXIMIZE;
                unzoom = true;
                restoreTo = rec->restoreRect;
            }
        }
    }
    FirstShow(hwnd);
    bool activate = cmd != SW_SHOWNA && cmd != SW_SHOWNOACTIVATE && !IsNoActivate(hwnd) && IsEnabled(hwnd);
    if (!wasVisible || wasIconic) {
        m_backend->ShowNativeWindow(hwnd, true, activate);
        if (wasIconic && restore) {
            m_backend->RestoreNativeWindow(hwnd);
            CRect r;
            GetRect(hwnd, &r);
            Send(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(r.Width(), r.Height()));
        }
        Send(hwnd, WM_SHOWWINDOW, 1, 0);
        Invalidate(hwnd, nullptr);
    }
    if (unzoom) {
        SetPos(hwnd, nullptr, restoreTo.left, restoreTo.top, restoreTo.Width(), restoreTo.Height(), SWP_NOZORDER);
    }
    if (activate) {
        SetActive(hwnd);
    }
}

bool WindowSystem::IsVisible(HWND hwnd)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    return rec && (rec->style & WS_VISIBLE);
}

bool WindowSystem::Enable(HWND hwnd, bool enable)
{
    if (!IsWindow(hwnd)) {
        return false;
    }
    if (IsForeign(hwnd)) {
        bool result = false;
        RunOnWindowThread(hwnd, [&] { result = Enable(hwnd, enable); });
        return result;
    }
    bool wasDisabled = false;
    {
        std::lock_guard lock(m_lock);
        WindowRecord* rec = Find(hwnd);
        wasDisabled = (rec->style & WS_DISABLED) != 0;
        if (enable) {
            rec->style &= ~WS_DISABLED;
        } else {
            rec->style |= WS_DISABLED;
        }
    }
    if (wasDisabled == enable) {
        if (!enable && m_capture == hwnd) {
            ReleaseCapture();
        }
        Send(hwnd, WM_ENABLE, enable ? 1 : 0, 0);
    }
    return wasDisabled;
}

bool WindowSystem::IsEnabled(HWND hwnd)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    return rec && !(rec->style & WS_DISABLED);
}

bool WindowSystem::IsIconic(HWND hwnd)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    return rec && (rec->style & WS_MINIMIZE);
}

bool WindowSystem::IsZoomed(HWND hwnd)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    return rec && rec->zoomed;
}

void WindowSystem::ApplyRect(HWND hwnd, const CRect& rect, bool native)
{
    CRect old;
    {
        std::lock_guard lock(m_lock);
        WindowRecord* rec = Find(hwnd);
        if (!rec) {
            return;
        }
        old = rec->rect;
        rec->rect = rect;
    }
    if (!native && old != rect) {
        m_backend->SetNativeRect(hwnd, rect);
    }
    if (old.TopLeft() != rect.TopLeft()) {
        Send(hwnd, WM_MOVE, 0, MAKELPARAM(rect.left, rect.top));
    }
    if (old.Size() != rect.Size()) {
        Send(hwnd, WM_SIZE, IsZoomed(hwnd) ? SIZE_MAXIMIZED : SIZE_RESTORED, MAKELPARAM(rect.Width(), rect.Height()));
        Invalidate(hwnd, nullptr);
    }
}

bool WindowSystem::SetPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    if (!IsWindow(hwnd)) {
        return false;
    }
    if (IsForeign(hwnd)) {
        bool result = false;
        RunOnWindowThread(hwnd, [&] { result = SetPos(hwnd, insertAfter, x, y, cx, cy, flags); });
        return result;
    }
    CRect cur;
    GetRect(hwnd, &cur);
    WINDOWPOS pos;
    pos.hwnd = hwnd;
    pos.hwndInsertAfter = insertAfter;
    pos.x = (flags & SWP_NOMOVE) ? cur.left : x;
    pos.y = (flags & SWP_NOMOVE) ? cur.top : y;
    pos.cx = (flags & SWP_NOSIZE) ? cur.Width() : std::max(0, cx);
    pos.cy = (flags & SWP_NOSIZE) ? cur.Height() : std::max(0, cy);
    pos.flags = flags;
    Send(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!IsWindow(hwnd)) {
        return false;
    }
    if (!(flags & SWP_NOZORDER)) {
        if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
            bool top = insertAfter == HWND_TOPMOST;
            {
                std::lock_guard lock(m_lock);
                WindowRecord* rec = Find(hwnd);
                rec->exStyle = top ? (rec->exStyle | WS_EX_TOPMOST) : (rec->exStyle & ~WS_EX_TOPMOST);
            }
            m_backend->SetNativeTopmost(hwnd, top);
        } else if (insertAfter == HWND_TOP) {
            m_backend->RaiseNativeWindow(hwnd);
        }
    }
    ApplyRect(hwnd, CRect(pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy), false);
    if (flags & SWP_SHOWWINDOW) {
        Show(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    } else if (flags & SWP_HIDEWINDOW) {
        Show(hwnd, SW_HIDE);
    }
    Send(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    return true;
}

bool WindowSystem::GetRect(HWND hwnd, CRect* rect)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    if (!rec || !rect) {
        return false;
    }
    *rect = rec->rect;
    return true;
}

bool WindowSystem::SetText(HWND hwnd, const std::string& text)
{
    {
        std::lock_guard lock(m_lock);
        WindowRecord* rec = Find(hwnd);
        if (!rec) {
            return false;
        }
        rec->title = text;
    }
    if (IsUiThread()) {
        m_backend->SetNativeTitle(hwnd, text);
    }
    return true;
}

std::string WindowSystem::GetText(HWND hwnd)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    return rec ? rec->title : std::string();
}

intptr_t WindowSystem::GetLong(HWND hwnd, int index)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    if (!rec) {
        return 0;
    }
    switch (index) {
    case GWL_STYLE:
        return static_cast<intptr_t>(rec->style);
    case GWL_EXSTYLE:
        return static_cast<intptr_t>(rec->exStyle);
    case GWLP_USERDATA:
        return rec->userData;
    default:
        return 0;
    }
}

intptr_t WindowSystem::SetLong(HWND hwnd, int index, intptr_t value)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    if (!rec) {
        return 0;
    }
    intptr_t old = 0;
    switch (index) {
    case GWL_STYLE:
        // Visibility, minimised and disabled states are owned by their calls.
        old = static_cast<intptr_t>(rec->style);
        rec->style = (static_cast<DWORD>(value) & ~(WS_VISIBLE | WS_MINIMIZE | WS_DISABLED))
            | (rec->style & (WS_VISIBLE | WS_MINIMIZE | WS_DISABLED));
        break;
    case GWL_EXSTYLE:
        old = static_cast<intptr_t>(rec->exStyle);
        rec->exStyle = static_cast<DWORD>(value);
        break;
    case GWLP_USERDATA:
        old = rec->userData;
        rec->userData = value;
        break;
    default:
        break;
    }
    return old;
}

HWND WindowSystem::GetOwner(HWND hwnd)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    return rec ? rec->owner : nullptr;
}

std::string WindowSystem::GetClassName(HWND hwnd)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    return rec ? rec->className : std::string();
}

int WindowSystem::ThreadWindowCount()
{
    auto me = std::this_thread::get_id();
    std::lock_guard lock(m_lock);
    int n = 0;
    for (auto& [h, rec] : m_windows) {
        if (rec->queue && rec->queue->thread == me) {
            ++n;
        }
    }
    return n;
}

} // namespace lumo
