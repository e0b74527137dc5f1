// PaintManager: repaint requests, painting, the in-window message box and the caret.

#include "core/Present.h"
#include "lumoui/MControl.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/PaintManager.h"
#include "lumoui/WindowApi.h"

namespace lumo {

namespace {

// Background fills are not fully opaque, so that what controls draw at full alpha stays
// distinguishable from the window's own background.
constexpr uint8_t kBackgroundAlpha = 0xFE;

constexpr UINT kTimerCaret = 6553;
constexpr UINT kTimerMessageShown = 66;
constexpr UINT kTimerFade = 88;
constexpr UINT kTimerProgress = 99;
constexpr UINT kMessageShowMs = 3000;
constexpr UINT kFadeStepMs = 50;
constexpr UINT kProgressStepMs = 10;
constexpr UINT kCaretBlinkMs = 530;

ARGB WithAlpha(int alpha, uint32_t rgb) { return (static_cast<uint32_t>(alpha & 0xFF) << 24) | (rgb & 0xFFFFFF); }

} // namespace

// Repaint requests ---------------------------------------------------------------------------------

MControl* PaintManager::TopLevelOwner(MControl* control) const
{
    MControl* top = control;
    while (top) {
        auto* parent = dynamic_cast<MControl*>(top->GetParantObject());
        if (!parent) {
            break;
        }
        top = parent;
    }
    return top;
}

CRect PaintManager::ShownRect(const MControl* control, CRect rect) const
{
    // Done here, on the window's thread, for requests queued by ticks as well: the owners'
    // scroll state belongs to this thread.
    const MControl* child = control;
    for (auto* owner = dynamic_cast<const MControl*>(child->GetParantObject()); owner;
         owner = dynamic_cast<const MControl*>(owner->GetParantObject())) {
        rect = owner->MapChildRect(child, rect);
        child = owner;
    }
    return rect;
}

LRESULT PaintManager::OnControlUpdate(CRect rect, bool full, MControl* control)
{
    if (!control) {
        return 0;
    }
    if (!OnWindowThread()) {
        bool first = false;
        {
            std::lock_guard lock(m_pendingLock);
            first = m_pending.empty();
            m_pending.push_back(PendingUpdate { rect, full, control });
        }
        if (first) {
            ::lumo::PostMessageW(m_hwnd.load(), WM_LUMO_UPDATES, 0, 0);
        }
        return 0;
    }
    if (full) {
        control->SetUpdate(false, m_backColor);
    }
    rect = ShownRect(control, rect);
    CRect region = rect;
    if (m_initialized) {
        // A nested control counts as met at its top-level owner: everything drawn after that
        // owner may have copied the old picture into its own cache.
        MControl* owner = TopLevelOwner(control);
        bool met = false;
        for (MControl* c : TopLevel()) {
            if (c == control || c == owner) {
                met = true;
                continue;
            }
            if (met && c->IsVisible() && c->GetRect().Intersects(rect)) {
                c->SetUpdate(false, m_backColor);
                region.UnionRect(region, c->GetRect());
            }
        }
    }
    InvalidateRect(region, false);
    return 0;
}

void PaintManager::RunPendingUpdates()
{
    std::vector<PendingUpdate> batch;
    {
        std::lock_guard lock(m_pendingLock);
        batch.swap(m_pending);
    }
    for (auto& p : batch) {
        OnControlUpdate(p.rect, p.full, p.control);
    }
}

void PaintManager::Invalidate()
{
    HWND hwnd = m_hwnd.load();
    ::lumo::InvalidateRect(hwnd, nullptr, m_layered);
}

void PaintManager::InvalidateRect(CRect rect, bool erase)
{
    HWND hwnd = m_hwnd.load();
    if (m_layered) {
        ::lumo::InvalidateRect(hwnd, nullptr, true);
    } else {
        ::lumo::InvalidateRect(hwnd, &rect, erase);
    }
}

// Painting ----------------------------------------------------------------------------------------

bool PaintManager::EnsureBackBuffer(const CRect& client)
{
    if (m_back.IsValid() && m_back.Width() == client.Width() && m_back.Height() == client.Height()) {
        return false;
    }
    m_back.Create(client.Width(), client.Height());
    return true;
}

LRESULT PaintManager::OnPaint()
{
    HWND hwnd = m_hwnd.load();
    CRect update;
    if (IsIconic(hwnd) || !GetUpdateRect(hwnd, &update)) {
        return 0;
    }
    CRect client;
    GetClientRect(hwnd, &client);
    if (EnsureBackBuffer(client)) {
        // A new bitmap holds nothing yet.
        update = client;
    }
    if (!m_back.IsValid()) {
        return 0;
    }
    PaintInto(update, client);
    Present(m_layered ? client : update);
    return 1;
}

void PaintManager::PaintRect(CRect rect)
{
    HWND hwnd = m_hwnd.load();
    CRect client;
    if (!GetClientRect(hwnd, &client)) {
        return;
    }
    if (EnsureBackBuffer(client)) {
        rect = client;
    }
    CRect update;
    if (!m_back.IsValid() || !update.IntersectRect(rect, client)) {
        return;
    }
    PaintInto(update, client);
    Present(m_layered ? client : update);
}

void PaintManager::PaintInto(const CRect& update, const CRect& client)
{
    HDC hdc = m_back.GetDC();
    cairo_save(hdc);
    cairo_reset_clip(hdc);
    if (m_layered) {
        MRender::FillSolidRect(hdc, update, 0);
    }
    CRect clip = m_layered ? client : update;
    cairo_rectangle(hdc, clip.left, clip.top, clip.Width(), clip.Height());
    cairo_clip(hdc);
    DrawBackground(hdc, client);
    for (MControl* c : GetAreaControls()) {
        c->Draw(hdc, clip);
    }
    for (MControl* c : GetControls()) {
        c->Draw(hdc, clip);
    }
    DrawCaret(hdc);
    cairo_restore(hdc);
    if (m_layered) {
        FixLayeredAlpha(update);
    }
    cairo_save(hdc);
    cairo_rectangle(hdc, clip.left, clip.top, clip.Width(), clip.Height());
    cairo_clip(hdc);
    DrawMessageBox(hdc);
    cairo_restore(hdc);
}

void PaintManager::DrawBackground(HDC hdc, const CRect& client)
{
    if (m_bkImage) {
        if (m_backMode == BACKMODE_FRAME) {
            MRender::DrawImageFrame(
                hdc, m_bkImage.get(), client, 0, 0, m_bkImage->GetWidth(), m_bkImage->GetHeight(), m_backEdge);
        } else {
            MRender::DrawImage(hdc, m_bkImage.get(), 0, 0);
        }
        return;
    }
    CRect inner = client;
    inner.DeflateRect(1, 1);
    MRender::FillSolidRect(hdc, client, ColorRefToARGB(m_borderColor, kBackgroundAlpha));
    MRender::FillSolidRect(hdc, inner, ColorRefToARGB(m_backColor, kBackgroundAlpha));
}

void PaintManager::FixLayeredAlpha(const CRect& rect)
{
    // Pixels written without alpha (a colour over alpha 0) are meant to be opaque.
    m_back.Flush();
    uint32_t* bits = m_back.Bits();
    int words = m_back.Stride() / 4;
    CRect r;
    if (!r.IntersectRect(rect, CRect(0, 0, m_back.Width(), m_back.Height()))) {
        return;
    }
    for (int y = r.top; y < r.bottom; ++y) {
        uint32_t* row = bits + static_cast<size_t>(y) * words;
        for (int x = r.left; x < r.right; ++x) {
            if ((row[x] >> 24) == 0 && (row[x] & 0xFFFFFF) != 0) {
                row[x] |= 0xFF000000u;
            }
        }
    }
    m_back.MarkDirty();
}

void PaintManager::DrawMessageBox(HDC hdc)
{
    if (m_msgAlpha <= 10 || m_msgText.empty()) {
        return;
    }
    const CRect& b = m_msgBox;
    CRect inner = b;
    inner.DeflateRect(2, 2);
    MRender::FillSolidRect(hdc, b, WithAlpha(m_msgAlpha, 0xE6E6E6));
    MRender::FillSolidRect(hdc, inner, WithAlpha(m_msgAlpha, 0xFEFEFE));
    MFont font { Manager::GetFontName(), 12, FontStyleRegular };
    ARGB textColor = WithAlpha(m_msgAlpha, 0x050505);
    if (!m_msgHasProgress) {
        MRender::DrawTextW(hdc, m_msgText, font, CRect(b.left + 5, b.top + 5, b.left + 195, b.top + 55), textColor,
            StringFormat::FromDT(DT_LEFT, DT_VCENTER, 0));
        return;
    }
    MRender::DrawTextW(hdc, m_msgText, font, CRect(b.left + 5, b.top + 5, b.right - 5, b.top + 35), textColor,
        StringFormat::FromDT(DT_CENTER, DT_VCENTER, 0));
    MRender::FillSolidRect(hdc, CRect(b.left + 10, b.bottom - 15, b.right - 20, b.bottom - 14), 0xC8C8C8C8);
    int barWidth = m_progress * (b.Width() - 20) / 100;
    MRender::FillSolidRect(hdc, CRect(b.left + 10, b.bottom - 16, b.left + 10 + barWidth, b.bottom - 13), 0xFEFFE100);
}

void PaintManager::Present(const CRect& rect)
{
    PresentToWindow(m_hwnd.load(), m_back, rect, m_layered, m_backColor);
}

std::unique_ptr<MemDC> PaintManager::GenerateBitmap(MControl* control, CRect rect, DWORD colour)
{
    if (!control || rect.IsRectEmpty()) {
        return nullptr;
    }
    auto dc = std::make_unique<MemDC>();
    if (!dc->Create(rect.Width(), rect.Height())) {
        return nullptr;
    }
    // The control draws in window coordinates; the offset maps them onto the small bitmap.
    cairo_surface_set_device_offset(dc->GetSurface(), -rect.left, -rect.top);
    HDC hdc = dc->GetDC();
    control->Draw(hdc, rect);
    if (colour > 0xFFFFFF) {
        MRender::DrawColor(hdc, rect, colour);
    }
    cairo_surface_flush(dc->GetSurface());
    cairo_surface_set_device_offset(dc->GetSurface(), 0, 0);
    return dc;
}

// Message box and progress -------------------------------------------------------------------------

void PaintManager::SetMessage(const std::string& text, CRect box, MsgLevel)
{
    HWND hwnd = m_hwnd.load();
    ::lumo::KillTimer(hwnd, kTimerFade);
    ::lumo::KillTimer(hwnd, kTimerProgress);
    m_msgAlpha = 255;
    m_progress = 0;
    m_progressTarget = 0;
    m_msgHasProgress = false;
    m_msgText = text;
    m_msgBox = box;
    InvalidateRect(box, false);
    ::lumo::SetTimer(hwnd, kTimerMessageShown, kMessageShowMs);
}

void PaintManager::SetProgress(int progress, const std::string& text, CRect box)
{
    if (m_msgHasProgress && progress == m_progressTarget) {
        return;
    }
    HWND hwnd = m_hwnd.load();
    if (progress < 5) {
        ::lumo::KillTimer(hwnd, kTimerFade);
    }
    m_msgAlpha = 255;
    m_msgText = text;
    m_msgHasProgress = true;
    if (box.IsRectEmpty()) {
        CRect client;
        GetClientRect(hwnd, &client);
        box = CRect(client.left, client.bottom - 60, client.right, client.bottom - 2);
    }
    m_msgBox = box;
    m_progressTarget = progress;
    if (progress - m_progress < 6) {
        m_progress = progress;
        ::lumo::KillTimer(hwnd, kTimerProgress);
        if (progress >= 100) {
            ::lumo::SetTimer(hwnd, kTimerFade, kFadeStepMs);
        }
    } else {
        ::lumo::SetTimer(hwnd, kTimerProgress, kProgressStepMs);
    }
    InvalidateRect(box, false);
}

void PaintManager::OnTimer(UINT id)
{
    HWND hwnd = m_hwnd.load();
    switch (id) {
    case kTimerCaret:
        m_caretBlink = !m_caretBlink;
        InvalidateRect(m_caretRect, false);
        return;
    case kTimerMessageShown:
        ::lumo::KillTimer(hwnd, kTimerMessageShown);
        ::lumo::SetTimer(hwnd, kTimerFade, kFadeStepMs);
        return;
    case kTimerProgress:
        m_progress = std::min(m_progress + 2, m_progressTarget);
        if (m_progress >= m_progressTarget) {
            ::lumo::KillTimer(hwnd, kTimerProgress);
        }
        if (m_progress >= 100) {
            ::lumo::SetTimer(hwnd, kTimerFade, kFadeStepMs);
        }
        InvalidateRect(m_msgBox, false);
        return;
    case kTimerFade:
        m_msgAlpha -= 10;
        if (m_msgAlpha < 20) {
            m_msgText.clear();
            m_progress = 0;
            m_progressTarget = 0;
            m_msgHasProgress = false;
            ::lumo::KillTimer(hwnd, kTimerFade);
            Invalidate();
        } else {
            InvalidateRect(m_msgBox, false);
        }
        return;
    default:
        break;
    }
    std::vector<std::pair<MControl*, UINT>> due;
    {
        std::lock_guard lock(m_timerLock);
        for (auto& t : m_timers) {
            if (t.nativeId == id && !t.killed) {
                due.emplace_back(t.control, t.key);
            }
        }
    }
    for (auto& [control, key] : due) {
        // A handler may remove controls; only those still registered get their tick.
        bool alive = false;
        {
            std::lock_guard lock(m_timerLock);
            for (auto& t : m_timers) {
                alive = alive || (t.control == control && t.key == key && !t.killed);
            }
        }
        if (alive) {
            control->OnNativeTimer(key);
        }
    }
}

// Caret ------------------------------------------------------------------------------------------

void PaintManager::CreateCaret(MControl* owner, int width, int height, ARGB color)
{
    if (m_caretOwner && m_caretOwner != owner) {
        DestroyCaret(m_caretOwner);
    }
    m_caretOwner = owner;
    m_caretColor = color;
    m_caretRect = CRect(m_caretRect.left, m_caretRect.top, m_caretRect.left + width, m_caretRect.top + height);
}

void PaintManager::SetCaretPos(CPoint pt)
{
    InvalidateRect(m_caretRect, false);
    m_caretRect.MoveToXY(pt.x, pt.y);
    m_caretBlink = true;
    InvalidateRect(m_caretRect, false);
}

void PaintManager::ShowCaret(bool show)
{
    HWND hwnd = m_hwnd.load();
    m_caretShown = show && m_caretOwner;
    m_caretBlink = m_caretShown;
    if (m_caretShown) {
        ::lumo::SetTimer(hwnd, kTimerCaret, kCaretBlinkMs);
    } else {
        ::lumo::KillTimer(hwnd, kTimerCaret);
    }
    InvalidateRect(m_caretRect, false);
}

void PaintManager::DestroyCaret(MControl* owner)
{
    if (owner != m_caretOwner) {
        return;
    }
    ShowCaret(false);
    m_caretOwner = nullptr;
}

void PaintManager::DrawCaret(HDC& hdc)
{
    if (m_caretOwner && m_caretShown && m_caretBlink) {
        MRender::FillSolidRect(hdc, m_caretRect, m_caretColor);
    }
}

} // namespace lumo
