#include "core/WindowSystem.h"

#include <algorithm>
#include <chrono>

namespace lumo {

namespace {

// Repaints of one window are at least this far apart; invalidations in between are merged.
constexpr uint64_t kPaintIntervalMs = 16;

// A message sent from another thread waits for the window's thread in slices, running any
// message sent to its own thread meanwhile, so two threads sending to each other never
// deadlock.
constexpr auto kSendWaitSlice = std::chrono::milliseconds(5);

struct SentWaiter {
    std::mutex lock;
    std::condition_variable cv;
};

// One waiter per sent message would be wasteful; all cross-thread senders share this one.
SentWaiter& Waiter()
{
    static SentWaiter waiter;
    return waiter;
}

void Complete(SentMessage& sm, LRESULT result)
{
    {
        std::lock_guard lock(Waiter().lock);
        sm.result = result;
        sm.done = true;
    }
    Waiter().cv.notify_all();
}

// Completes every message still waiting for a thread that ends, so no sender waits forever.
struct QueueHolder {
    std::shared_ptr<ThreadQueue> queue;
    ~QueueHolder()
    {
        if (!queue) {
            return;
        }
        std::deque<std::shared_ptr<SentMessage>> pending;
        {
            std::lock_guard lock(queue->lock);
            pending.swap(queue->sent);
        }
        for (auto& sm : pending) {
            Complete(*sm, 0);
        }
    }
};

thread_local QueueHolder t_queue;

} // namespace

std::shared_ptr<ThreadQueue> WindowSystem::CurrentQueue()
{
    if (!t_queue.queue) {
        t_queue.queue = std::make_shared<ThreadQueue>();
        t_queue.queue->thread = std::this_thread::get_id();
        t_queue.queue->isUiThread = IsUiThread();
    }
    return t_queue.queue;
}

std::shared_ptr<ThreadQueue> WindowSystem::QueueOf(HWND hwnd)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    return rec ? rec->queue : nullptr;
}

bool WindowSystem::IsForeign(HWND hwnd)
{
    auto q = QueueOf(hwnd);
    return q && q->thread != std::this_thread::get_id();
}

WNDPROC WindowSystem::ProcOf(HWND hwnd)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    return rec ? rec->proc : nullptr;
}

void WindowSystem::Wake(ThreadQueue& q)
{
    if (q.isUiThread) {
        m_backend->Wake();
        return;
    }
    {
        std::lock_guard lock(q.lock);
        q.wakePending = true;
    }
    q.cv.notify_all();
}

void WindowSystem::WaitOn(ThreadQueue& q, int timeoutMs)
{
    if (q.isUiThread) {
        m_backend->WaitEvents(*this, timeoutMs);
        SettleFocus();
        return;
    }
    std::unique_lock lock(q.lock);
    auto ready = [&] { return q.wakePending || !q.posted.empty() || !q.sent.empty() || q.quitPosted; };
    if (timeoutMs < 0) {
        q.cv.wait(lock, ready);
    } else {
        q.cv.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
    }
    q.wakePending = false;
}

bool WindowSystem::RunSent(ThreadQueue& q)
{
    std::deque<std::shared_ptr<SentMessage>> batch;
    {
        std::lock_guard lock(q.lock);
        batch.swap(q.sent);
    }
    for (auto& sm : batch) {
        LRESULT result = 0;
        if (sm->call) {
            sm->call();
        } else if (WNDPROC proc = ProcOf(sm->msg.hwnd)) {
            result = proc(sm->msg.hwnd, sm->msg.message, sm->msg.wParam, sm->msg.lParam);
        }
        Complete(*sm, result);
    }
    return !batch.empty();
}

namespace {

LRESULT WaitForSent(WindowSystem& system, const std::shared_ptr<SentMessage>& sm,
    const std::shared_ptr<ThreadQueue>& mine, bool (WindowSystem::*runSent)(ThreadQueue&))
{
    for (;;) {
        {
            std::unique_lock lock(Waiter().lock);
            if (Waiter().cv.wait_for(lock, kSendWaitSlice, [&] { return sm->done; })) {
                return sm->result;
            }
        }
        if (mine) {
            (system.*runSent)(*mine);
        }
    }
}

} // namespace

LRESULT WindowSystem::Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WNDPROC proc = nullptr;
    std::shared_ptr<ThreadQueue> q;
    {
        std::lock_guard lock(m_lock);
        WindowRecord* rec = Find(hwnd);
        if (!rec) {
            return 0;
        }
        proc = rec->proc;
        q = rec->queue;
    }
    if (!q || q->thread == std::this_thread::get_id()) {
        return proc ? proc(hwnd, msg, wParam, lParam) : 0;
    }
    auto sm = std::make_shared<SentMessage>();
    sm->msg = MSG { hwnd, msg, wParam, lParam, static_cast<uint32_t>(Now()), {} };
    {
        std::lock_guard lock(q->lock);
        q->sent.push_back(sm);
    }
    Wake(*q);
    return WaitForSent(*this, sm, t_queue.queue, &WindowSystem::RunSent);
}

void WindowSystem::RunOnWindowThread(HWND hwnd, const std::function<void()>& fn)
{
    auto q = QueueOf(hwnd);
    if (!q || q->thread == std::this_thread::get_id()) {
        fn();
        return;
    }
    auto sm = std::make_shared<SentMessage>();
    sm->call = fn;
    {
        std::lock_guard lock(q->lock);
        q->sent.push_back(sm);
    }
    Wake(*q);
    WaitForSent(*this, sm, t_queue.queue, &WindowSystem::RunSent);
}

bool WindowSystem::Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<ThreadQueue> q;
    if (!hwnd) {
        q = CurrentQueue();
    } else {
        q = QueueOf(hwnd);
        if (!q) {
            return false;
        }
    }
    {
        std::lock_guard lock(q->lock);
        q->posted.push_back(MSG { hwnd, msg, wParam, lParam, static_cast<uint32_t>(Now()), CursorPoint() });
    }
    if (q->thread != std::this_thread::get_id()) {
        Wake(*q);
    }
    return true;
}

void WindowSystem::PostQuit(int code)
{
    auto q = CurrentQueue();
    std::lock_guard lock(q->lock);
    q->quitPosted = true;
    q->quitCode = code;
}

bool WindowSystem::TakeDuePaint(ThreadQueue& q, uint64_t now, MSG* msg, bool remove)
{
    std::lock_guard lock(m_lock);
    for (HWND h : m_order) {
        WindowRecord* rec = Find(h);
        if (!rec || rec->queue.get() != &q || rec->invalid.IsRectEmpty() || !(rec->style & WS_VISIBLE)
            || (rec->style & WS_MINIMIZE)) {
            continue;
        }
        if (rec->painted && now < rec->lastPaint + kPaintIntervalMs) {
            continue;
        }
        *msg = MSG { h, WM_PAINT, 0, 0, static_cast<uint32_t>(now), CursorPoint() };
        if (remove) {
            rec->paintRect = rec->invalid;
            rec->invalid.SetRectEmpty();
            rec->lastPaint = now;
            rec->painted = true;
        }
        return true;
    }
    return false;
}

bool WindowSystem::TakeDueTimer(ThreadQueue& q, uint64_t now, MSG* msg, bool remove)
{
    std::lock_guard lock(q.lock);
    WindowTimer* best = nullptr;
    for (auto& t : q.timers) {
        if (t.due <= now && (!best || t.due < best->due)) {
            best = &t;
        }
    }
    if (!best) {
        return false;
    }
    *msg = MSG { best->hwnd, WM_TIMER, best->id, 0, static_cast<uint32_t>(now), CursorPoint() };
    if (remove) {
        // A late timer fires once, not once per missed period.
        best->due = now + best->period;
    }
    return true;
}

int64_t WindowSystem::NextDeadline(ThreadQueue& q, uint64_t now)
{
    int64_t deadline = -1;
    auto consider = [&](uint64_t t) {
        int64_t v = static_cast<int64_t>(std::max(t, now));
        if (deadline < 0 || v < deadline) {
            deadline = v;
        }
    };
    {
        std::lock_guard lock(q.lock);
        for (auto& t : q.timers) {
            consider(t.due);
        }
    }
    std::lock_guard lock(m_lock);
    for (auto& [h, rec] : m_windows) {
        if (rec->queue.get() == &q && !rec->invalid.IsRectEmpty() && (rec->style & WS_VISIBLE)
            && !(rec->style & WS_MINIMIZE)) {
            consider(rec->painted ? rec->lastPaint + kPaintIntervalMs : now);
        }
    }
    return deadline;
}

bool WindowSystem::GetMessage(MSG* msg, bool wait, bool remove)
{
    auto q = CurrentQueue();
    for (;;) {
        RunSent(*q);
        if (q->isUiThread) {
            m_backend->PollEvents(*this);
            SettleFocus();
        }
        {
            std::lock_guard lock(q->lock);
            if (!q->posted.empty()) {
                *msg = q->posted.front();
                if (remove) {
                    q->posted.pop_front();
                }
                return true;
            }
            if (q->quitPosted) {
                *msg = MSG { nullptr, WM_QUIT, static_cast<WPARAM>(q->quitCode), 0, 0, {} };
                if (remove) {
                    q->quitPosted = false;
                }
                return true;
            }
        }
        uint64_t now = Now();
        if (TakeDuePaint(*q, now, msg, remove) || TakeDueTimer(*q, now, msg, remove)) {
            return true;
        }
        if (!wait) {
            return false;
        }
        int64_t deadline = NextDeadline(*q, now);
        if (m_manualClock.load() && deadline >= 0) {
            // Manual time: nothing else can make the deadline come, so jump to it.
            if (static_cast<uint64_t>(deadline) > now) {
                m_manualNow.store(static_cast<uint64_t>(deadline));
            }
            continue;
        }
        WaitOn(*q, deadline < 0 ? -1 : static_cast<int>(static_cast<uint64_t>(deadline) - now));
    }
}

LRESULT WindowSystem::Dispatch(const MSG* msg)
{
    if (!msg || !msg->hwnd) {
        return 0;
    }
    WNDPROC proc = ProcOf(msg->hwnd);
    if (!proc) {
        return 0;
    }
    LRESULT result = proc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    if (msg->message == WM_PAINT) {
        std::lock_guard lock(m_lock);
        if (WindowRecord* rec = Find(msg->hwnd)) {
            rec->paintRect.SetRectEmpty();
        }
    }
    return result;
}

UINT WindowSystem::SetTimer(HWND hwnd, UINT id, UINT elapse)
{
    auto q = QueueOf(hwnd);
    if (!q) {
        return 0;
    }
    elapse = std::max<UINT>(elapse, 1);
    uint64_t due = Now() + elapse;
    {
        std::lock_guard lock(q->lock);
        auto it = std::find_if(q->timers.begin(), q->timers.end(),
            [&](const WindowTimer& t) { return t.hwnd == hwnd && t.id == id; });
        if (it != q->timers.end()) {
            it->period = elapse;
            it->due = due;
        } else {
            q->timers.push_back(WindowTimer { hwnd, id, elapse, due });
        }
    }
    if (q->thread != std::this_thread::get_id()) {
        Wake(*q);
    }
    return id;
}

bool WindowSystem::KillTimer(HWND hwnd, UINT id)
{
    auto q = QueueOf(hwnd);
    if (!q) {
        return false;
    }
    std::lock_guard lock(q->lock);
    auto it = std::find_if(
        q->timers.begin(), q->timers.end(), [&](const WindowTimer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == q->timers.end()) {
        return false;
    }
    q->timers.erase(it);
    return true;
}

bool WindowSystem::Invalidate(HWND hwnd, const CRect* rect)
{
    std::shared_ptr<ThreadQueue> q;
    {
        std::lock_guard lock(m_lock);
        WindowRecord* rec = Find(hwnd);
        if (!rec) {
            return false;
        }
        CRect client(0, 0, rec->rect.Width(), rec->rect.Height());
        CRect r = client;
        if (rect && !r.IntersectRect(client, *rect)) {
            return true;
        }
        rec->invalid.UnionRect(rec->invalid, r);
        q = rec->queue;
    }
    if (q && q->thread != std::this_thread::get_id()) {
        Wake(*q);
    }
    return true;
}

bool WindowSystem::Validate(HWND hwnd, const CRect* rect)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    if (!rec) {
        return false;
    }
    CRect both;
    if (!rect || (both.IntersectRect(rec->invalid, *rect) && both == rec->invalid)) {
        rec->invalid.SetRectEmpty();
    }
    return true;
}

bool WindowSystem::UpdateNow(HWND hwnd)
{
    if (IsForeign(hwnd)) {
        bool result = false;
        RunOnWindowThread(hwnd, [&] { result = UpdateNow(hwnd); });
        return result;
    }
    {
        std::lock_guard lock(m_lock);
        WindowRecord* rec = Find(hwnd);
        if (!rec) {
            return false;
        }
        if (rec->invalid.IsRectEmpty() || !(rec->style & WS_VISIBLE)) {
            return true;
        }
        rec->paintRect = rec->invalid;
        rec->invalid.SetRectEmpty();
        rec->lastPaint = Now();
        rec->painted = true;
    }
    MSG msg { hwnd, WM_PAINT, 0, 0, static_cast<uint32_t>(Now()), CursorPoint() };
    Dispatch(&msg);
    return true;
}

bool WindowSystem::GetUpdateRect(HWND hwnd, CRect* rect)
{
    std::lock_guard lock(m_lock);
    WindowRecord* rec = Find(hwnd);
    if (!rec || !rect) {
        return false;
    }
    *rect = rec->paintRect.IsRectEmpty() ? rec->invalid : rec->paintRect;
    return !rect->IsRectEmpty();
}

} // namespace lumo
