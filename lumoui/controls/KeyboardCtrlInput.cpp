// KeyboardCtrl: hover and tips, clicks, the rubber band and the animation tick.

#include "lumoui/KeyboardCtrl.h"

#include "lumoui/CKeyboardTips.h"
#include "lumoui/Messages.h"
#include "lumoui/PaintManager.h"
#include "lumoui/WindowApi.h"

#include <cstdlib>

namespace lumo {

namespace {

// A band follows the mouse in steps: moves closer than this to its last point on both axes
// are ignored.
constexpr int kFrameStep = 20;
// A band narrower or lower than this selects nothing.
constexpr int kFrameMinimum = 6;
constexpr COLORREF kNoColor = 0;

} // namespace

void KeyboardCtrl::RequestRedraw()
{
    if (m_ticksRunning.load()) {
        m_redrawPending = true;
    } else {
        UpdateControl(true);
    }
}

// Hover and tips ------------------------------------------------------------------------------------

bool KeyboardCtrl::OnControlMouseMove(UINT flags, CPoint pt)
{
    const bool inside = m_rect.PtInRect(pt);
    const bool held = (flags & (MK_LBUTTON | MK_RBUTTON)) != 0;
    if (m_frameActive && !held) {
        // The release happened where this control could not hear it; the band ends there.
        m_frameArmed = false;
        if (ClearFrame()) {
            RequestRedraw();
        }
    }
    if (m_frameSelectEnabled && m_frameArmed && held && inside) {
        CalFrameSelect(pt);
    }
    if (m_frameActive) {
        return inside;
    }
    if (!inside) {
        bool changed = false;
        {
            std::lock_guard lock(m_lock);
            changed = m_hover != -1;
            m_hover = -1;
        }
        HideTips();
        if (changed) {
            RequestRedraw();
        }
        return false;
    }
    UpdateHover(pt);
    return true;
}

void KeyboardCtrl::UpdateHover(CPoint pt)
{
    int hover = -1;
    bool changed = false;
    {
        std::lock_guard lock(m_lock);
        if (IsIndex(m_hover) && WindowRect(*m_items[m_hover]).PtInRect(pt)) {
            hover = m_hover;
        } else {
            changed = m_hover != -1;
            m_hover = -1;
            hover = KeyAt(pt);
            changed = changed || hover != -1;
            m_hover = hover;
        }
    }
    if (changed) {
        HideTips();
        RequestRedraw();
    }
    if (hover >= 0) {
        SetTips(hover, true);
    }
}

void KeyboardCtrl::SetTips(int index, bool show)
{
    if (!m_tipsEnabled || !m_manager) {
        return;
    }
    HWND owner = m_manager->GetHWND();
    if (!owner) {
        return;
    }
    if (!m_tips) {
        m_tips = std::make_unique<CKeyboardTips>();
        if (!m_tips->CreateTips(owner, "img_tip_bk.png")) {
            m_tips.reset();
            return;
        }
    }
    std::string title;
    std::string line1;
    std::string line2;
    CPoint anchor;
    {
        std::lock_guard lock(m_lock);
        if (!IsIndex(index)) {
            return;
        }
        const KEY_INFO& key = *m_items[index];
        if (!key.tip1.empty() || !key.tip2.empty()) {
            title = key.label;
            line1 = key.tip1;
            line2 = key.tip2;
        } else {
            title = key.name;
            line1 = m_title;
            line2 = key.name;
        }
        CRect r = WindowRect(key);
        anchor = CPoint(r.left + r.Width() / 2, r.top);
    }
    if (title.empty()) {
        // A tip without a title is not moved to its key: it would show wherever the last
        // tip was.
        show = false;
    }
    ::lumo::ClientToScreen(owner, &anchor);
    m_tips->SetAirBladderMsg(title, line1, line2, anchor);
    m_tips->ShowWindow(show ? SW_SHOW : SW_HIDE);
    m_tipShown = show ? index : -1;
}

void KeyboardCtrl::HideTips()
{
    if (m_tips && m_tips->IsWindowVisible()) {
        m_tips->ShowWindow(SW_HIDE);
    }
    m_tipShown = -1;
}

// Clicks ----------------------------------------------------------------------------------------------

bool KeyboardCtrl::OnControlLButtonDown(UINT, CPoint pt)
{
    if (ClearFrame()) {
        RequestRedraw();
    }
    if (!m_rect.PtInRect(pt)) {
        m_frameArmed = false;
        return false;
    }
    StartFrame(pt);
    // A press may come without a move before it (after a band, or a window shown under the
    // pointer): the key under the press is the hovered one.
    UpdateHover(pt);
    bool changed = false;
    {
        std::lock_guard lock(m_lock);
        changed = m_select != m_hover;
        m_select = m_hover;
    }
    if (changed) {
        RequestRedraw();
    }
    return true;
}

bool KeyboardCtrl::OnControlLButtonUp(UINT, CPoint pt)
{
    m_frameArmed = false;
    if (ClearFrame()) {
        RequestRedraw();
    }
    if (!m_rect.PtInRect(pt)) {
        return false;
    }
    int index = -1;
    DWORD value = 0;
    bool painted = false;
    {
        std::lock_guard lock(m_lock);
        if (IsIndex(m_select)) {
            KEY_INFO& key = *m_items[m_select];
            if (m_mode.load() == KBMODE_CUSTOM) {
                key.colour = key.colour.load() != kNoColor ? kNoColor : m_customColor;
                painted = true;
            }
            index = m_select;
            value = key.keyValue;
            m_currentKeyValue = value;
        }
    }
    if (painted) {
        RequestRedraw();
    }
    SendMessageW(NOTIFY_CLICK, static_cast<WPARAM>(static_cast<intptr_t>(index)), static_cast<LPARAM>(value));
    return true;
}

bool KeyboardCtrl::OnControlRButtonDown(UINT, CPoint pt)
{
    if (m_rect.PtInRect(pt)) {
        StartFrame(pt);
    }
    return true;
}

bool KeyboardCtrl::OnControlRButtonDblClk(UINT flags, CPoint pt)
{
    // Double clicks count as a second press, as they do for the left button.
    return OnControlRButtonDown(flags, pt);
}

bool KeyboardCtrl::OnControlRButtonUp(UINT, CPoint pt)
{
    m_frameArmed = false;
    if (ClearFrame()) {
        RequestRedraw();
        SendMessageW(NOTIFY_RANGESELECT, 0, 0);
        return true;
    }
    if (!m_rect.PtInRect(pt)) {
        return false;
    }
    UpdateHover(pt);
    int index = -1;
    DWORD value = 0;
    bool changed = false;
    {
        std::lock_guard lock(m_lock);
        changed = m_select != m_hover;
        m_select = m_hover;
        if (IsIndex(m_select)) {
            index = m_select;
            value = m_items[m_select]->keyValue;
        }
    }
    m_currentKeyValue = value;
    if (changed) {
        RequestRedraw();
    }
    SendMessageW(NOTIFY_RCLICK, static_cast<WPARAM>(static_cast<intptr_t>(index)), static_cast<LPARAM>(value));
    return true;
}

// Rubber band -----------------------------------------------------------------------------------------

void KeyboardCtrl::StartFrame(CPoint pt)
{
    m_frameArmed = true;
    m_frameStart = pt;
    m_frameCurrent = pt;
}

bool KeyboardCtrl::ClearFrame()
{
    bool was = m_frameActive;
    m_frameActive = false;
    return was;
}

void KeyboardCtrl::CalFrameSelect(CPoint pt)
{
    if (std::abs(pt.x - m_frameCurrent.x) < kFrameStep && std::abs(pt.y - m_frameCurrent.y) < kFrameStep) {
        return;
    }
    m_frameCurrent = pt;
    m_frameActive = true;
    HideTips();
    const CRect band = GetFrameRect();
    const bool empty = band.Width() < kFrameMinimum || band.Height() < kFrameMinimum;
    {
        std::lock_guard lock(m_lock);
        m_hover = -1;
        for (auto& key : m_items) {
            key->checked = !empty && WindowRect(*key).Intersects(band);
        }
    }
    RequestRedraw();
}

// Animation tick (animation thread) -------------------------------------------------------------------

bool KeyboardCtrl::OnControlTimer()
{
    m_ticksRunning = true;
    bool repaint = m_redrawPending.exchange(false);
    if (IsVisible() && m_mode.load() == KBMODE_LIGHT) {
        std::lock_guard lock(m_lock);
        if (m_frameCount > 0 && ++m_tick >= m_ticksPerFrame) {
            m_frame = (m_frame + 1) % m_frameCount;
            m_tick = 0;
            repaint = true;
        }
    }
    if (repaint) {
        UpdateControl(true);
    }
    return repaint;
}

} // namespace lumo
