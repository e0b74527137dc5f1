#include "lumoui/MControl.h"
#include "lumoui/ControlFactory.h"
#include "lumoui/MRender.h"
#include "lumoui/Messages.h"
#include "lumoui/PaintManager.h"
#include "lumoui/WindowApi.h"

#include <algorithm>
#include <cstring>

namespace lumo {

MControl::MControl(MObject* parent, UINT id, CRect rect, bool visible, bool enabled, bool response)
    : m_parent(parent)
    , m_id(id)
    , m_rect(rect)
    , m_visible(visible)
    , m_enabled(enabled)
    , m_response(response)
{
}

MControl::~MControl()
{
    // Routing that is still on the stack for this control sees it gone from here on.
    m_life.reset();
    DeleteChildren(false);
    if (m_manager) {
        m_manager->ForgetControl(this, false);
    }
}

LRESULT MControl::OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam)
{
    return m_parent ? m_parent->OnBaseMessage(controlID, code, wParam, lParam) : 0;
}

LRESULT MControl::OnControlUpdate(CRect rect, bool full, MControl* control)
{
    return m_parent ? m_parent->OnControlUpdate(rect, full, control) : 0;
}

// Hooks -----------------------------------------------------------------------------------------

void MControl::InitControl(PaintManager*) { }

bool MControl::PtInRect(CPoint pt) const { return IsVisible() && m_rect.PtInRect(pt); }

bool MControl::DrawSubControls(HDC& hdc, CRect clip)
{
    std::lock_guard lock(m_controlLock);
    for (size_t i = 0; i < m_controlLayer.size(); ++i) {
        MControl* child = m_controlLayer[i];
        if (child->IsVisible()) {
            child->Draw(hdc, clip);
        }
    }
    return true;
}

bool MControl::IsDraw(CPoint) { return false; }

void MControl::SetUpdate(bool update, DWORD backColour)
{
    m_update = update;
    std::lock_guard lock(m_controlLock);
    for (MControl* child : m_controlLayer) {
        if (child->GetRect().Intersects(m_rect)) {
            child->SetUpdate(update, backColour);
        }
    }
}

bool MControl::SetControlFocus(bool focus)
{
    m_focused = focus;
    if (!focus) {
        std::lock_guard lock(m_controlLock);
        for (MControl* child : m_controlLayer) {
            child->SetControlFocus(false);
        }
    }
    return false;
}

void MControl::InitUI(CRect) { }
bool MControl::OnMousePointChange(CPoint&) { return false; }
bool MControl::OnCheckMouseResponse(UINT, CPoint) { return false; }
LRESULT MControl::OnWindowMessage(UINT, WPARAM, LPARAM) { return 0; }
LRESULT MControl::OnMessage(UINT, UINT, WPARAM, LPARAM) { return 0; }
void MControl::SetControlRect(CRect rect) { m_rect = rect; }
void MControl::SetControlVisible(bool visible) { m_visible = visible; }
void MControl::SetControlWndVisible(bool) { }
void MControl::SetControlEnabled(bool enabled) { m_enabled = enabled; }
bool MControl::OnControlTimer() { return false; }
bool MControl::OnNativeTimer(UINT) { return OnTimer(); }
MImagePtr MControl::GetControlDropBitmap() { return nullptr; }
bool MControl::OnControlMouseMove(UINT, CPoint) { return false; }

bool MControl::OnControlSetCursor(UINT, CPoint pt)
{
    if (m_cursor && m_rect.PtInRect(pt)) {
        ::lumo::SetCursor(m_cursor);
        return true;
    }
    return false;
}

bool MControl::OnControlLButtonDown(UINT, CPoint) { return false; }
bool MControl::OnControlLButtonUp(UINT, CPoint) { return false; }
bool MControl::OnControlLButtonDblClk(UINT, CPoint) { return false; }
bool MControl::OnControlScroll(bool, UINT, CPoint) { return false; }
bool MControl::OnControlRButtonDown(UINT, CPoint) { return false; }
bool MControl::OnControlRButtonUp(UINT, CPoint) { return false; }
bool MControl::OnControlRButtonDblClk(UINT, CPoint) { return false; }

bool MControl::OnControlKeyDown(UINT vk, UINT, UINT flags)
{
    return m_hotKey != 0 && vk == m_hotKey && flags == m_hotKeyFlags;
}

void MControl::OnPositionChange() { }

void MControl::InvalidateRect(const CRect*, bool erase)
{
    if (m_manager) {
        m_manager->InvalidateRect(m_rect, erase);
    }
}

CRect MControl::MapChildRect(const MControl*, CRect rect) const { return rect; }

// Routing ---------------------------------------------------------------------------------------

CPoint MControl::ChildPoint(const MControl* child, CPoint outer, CPoint inner) const
{
    // A container's own scroll bars (IDs 1 and 2) live outside its scrolled content.
    UINT id = child->GetControlID();
    return (id == 1 || id == 2) ? outer : inner;
}

bool MControl::AcceptsPoint(UINT flags, CPoint pt) { return PtInRect(pt) && !OnCheckMouseResponse(flags, pt); }

std::vector<MControl::LiveChild> MControl::LiveChildren() const
{
    std::lock_guard lock(m_controlLock);
    std::vector<LiveChild> children;
    children.reserve(m_controlLayer.size());
    for (MControl* child : m_controlLayer) {
        children.push_back(LiveChild { child, child->GetLifeToken() });
    }
    return children;
}

bool MControl::Draw(HDC& hdc, CRect clip)
{
    CRect both;
    if (!IsVisible() || !both.IntersectRect(m_rect, clip)) {
        return false;
    }
    {
        std::lock_guard lock(m_areaLock);
        for (size_t i = 0; i < m_areaLayer.size(); ++i) {
            MControl* child = m_areaLayer[i];
            if (child->GetRect().Intersects(m_rect)) {
                child->Draw(hdc, clip);
            }
        }
    }
    DrawControl(hdc, clip);
    DrawSubControls(hdc, clip);
    return true;
}

bool MControl::OnMouseMove(UINT flags, CPoint pt)
{
    if (!IsVisible() || !m_response) {
        return false;
    }
    CPoint inner = pt;
    OnMousePointChange(inner);
    MControl* under = m_childUnderMouse;
    if (under) {
        CPoint cp = ChildPoint(under, pt, inner);
        if (m_pressedInside || under->AcceptsPoint(flags, cp)) {
            under->OnMouseMove(flags, cp);
            return true;
        }
    }
    m_childUnderMouse = nullptr;
    bool inside = AcceptsPoint(flags, pt);
    if (inside && !m_tooltip.empty() && m_manager && m_manager->GetTooltipCtrlID() != m_id) {
        m_manager->SetTooltip(m_tooltip, m_rect);
        m_manager->SetTooltipCtrlID(m_id);
    }
    std::weak_ptr<void> alive = m_life;
    OnControlSetCursor(flags, pt);
    bool handled = OnControlMouseMove(flags, pt);
    if (alive.expired()) {
        return true;
    }
    if (m_trackLeave) {
        m_mouseOutside = !m_rect.PtInRect(pt);
    }
    if (!m_pressedInside) {
        for (const LiveChild& child : LiveChildren()) {
            if (child.life.expired()) {
                continue;
            }
            CPoint cp = ChildPoint(child.control, pt, inner);
            bool took = child.control->OnMouseMove(flags, cp);
            if (alive.expired()) {
                return true;
            }
            if (took && !child.life.expired() && child.control->PtInRect(cp)) {
                m_childUnderMouse = child.control;
            }
        }
    }
    return handled || under != nullptr || m_childUnderMouse != nullptr;
}

bool MControl::OnLButtonDown(UINT flags, CPoint pt)
{
    if (!IsVisible() || !m_response) {
        return false;
    }
    CPoint inner = pt;
    OnMousePointChange(inner);
    m_pressedInside = m_rect.PtInRect(pt);
    MControl* hit = nullptr;
    {
        std::lock_guard lock(m_controlLock);
        for (MControl* child : m_controlLayer) {
            CPoint cp = ChildPoint(child, pt, inner);
            if (child->PtInRect(cp) && child->IsVisible() && child->IsEnabled() && child->GetRresponse()) {
                hit = child;
            }
        }
    }
    m_childUnderMouse = hit;
    if (hit) {
        return hit->OnLButtonDown(flags, ChildPoint(hit, pt, inner));
    }
    std::weak_ptr<void> alive = m_life;
    if (m_manager) {
        // The control losing the focus may end an edit, whose handler can delete this one.
        m_manager->SetFocusControl(this);
    }
    return !alive.expired() && OnControlLButtonDown(flags, pt);
}

bool MControl::OnLButtonUp(UINT flags, CPoint pt)
{
    if (!IsVisible() || !m_response) {
        return false;
    }
    CPoint inner = pt;
    OnMousePointChange(inner);
    // Everything is read and cleared before the handler runs: a click handler may delete
    // this control or its owner, and nothing of either is touched after it.
    MControl* child = m_childUnderMouse;
    m_pressedInside = false;
    return child ? child->OnLButtonUp(flags, ChildPoint(child, pt, inner)) : OnControlLButtonUp(flags, pt);
}

bool MControl::OnLButtonDblClk(UINT flags, CPoint pt)
{
    if (!IsVisible() || !m_response) {
        return false;
    }
    CPoint inner = pt;
    OnMousePointChange(inner);
    if (MControl* child = m_childUnderMouse) {
        // A child without double clicks sees exactly one more press, never two.
        CPoint cp = ChildPoint(child, pt, inner);
        return child->GetDblClk() ? child->OnLButtonDblClk(flags, cp) : child->OnLButtonDown(flags, cp);
    }
    if (!m_dblClk) {
        return OnLButtonDown(flags, pt);
    }
    if (m_dblClkNotify && m_rect.PtInRect(pt)) {
        std::weak_ptr<void> alive = m_life;
        CPoint click = pt;
        SendMessageW(NOTIFY_DBLCLK, flags, reinterpret_cast<LPARAM>(&click));
        if (alive.expired()) {
            return true;
        }
    }
    return OnControlLButtonDblClk(flags, pt);
}

bool MControl::OnRButtonDown(UINT flags, CPoint pt)
{
    if (!IsVisible() || !m_response) {
        return false;
    }
    CPoint inner = pt;
    OnMousePointChange(inner);
    return m_childUnderMouse
        ? m_childUnderMouse->OnRButtonDown(flags, ChildPoint(m_childUnderMouse, pt, inner))
        : OnControlRButtonDown(flags, pt);
}

bool MControl::OnRButtonUp(UINT flags, CPoint pt)
{
    if (!IsVisible() || !m_response) {
        return false;
    }
    CPoint inner = pt;
    OnMousePointChange(inner);
    return m_childUnderMouse ? m_childUnderMouse->OnRButtonUp(flags, ChildPoint(m_childUnderMouse, pt, inner))
                             : OnControlRButtonUp(flags, pt);
}

bool MControl::OnRButtonDblClk(UINT flags, CPoint pt)
{
    if (!IsVisible() || !m_response) {
        return false;
    }
    CPoint inner = pt;
    OnMousePointChange(inner);
    return m_childUnderMouse
        ? m_childUnderMouse->OnRButtonDblClk(flags, ChildPoint(m_childUnderMouse, pt, inner))
        : OnControlRButtonDblClk(flags, pt);
}

bool MControl::OnScroll(bool vertical, UINT down, CPoint pt)
{
    if (!IsVisible() || !m_response || !IsEnabled()) {
        return false;
    }
    CPoint inner = pt;
    OnMousePointChange(inner);
    std::weak_ptr<void> alive = m_life;
    if (MControl* under = m_childUnderMouse) {
        CPoint cp = ChildPoint(under, pt, inner);
        if (under->AcceptsPoint(0, cp) && under->OnScroll(vertical, down, cp)) {
            return true;
        }
        if (alive.expired()) {
            return false;
        }
    }
    if (m_rect.PtInRect(pt) && OnControlScroll(vertical, down, pt)) {
        return true;
    }
    for (const LiveChild& child : LiveChildren()) {
        if (alive.expired()) {
            return true;
        }
        if (child.life.expired()) {
            continue;
        }
        CPoint cp = ChildPoint(child.control, pt, inner);
        if (child.control->PtInRect(cp) && child.control->OnScroll(vertical, down, cp)) {
            return true;
        }
    }
    return false;
}

MControl* MControl::FocusedChild() const
{
    std::lock_guard lock(m_controlLock);
    for (MControl* child : m_controlLayer) {
        if (child->IsFocused()) {
            return child;
        }
    }
    return nullptr;
}

bool MControl::OnKeyDown(UINT vk, UINT repeat, UINT flags)
{
    if (!IsVisible() || !m_response) {
        return false;
    }
    // A key may close the dialog (Enter, Escape) and so delete this control on the way.
    std::weak_ptr<void> alive = m_life;
    bool handled = false;
    if (MControl* focused = FocusedChild()) {
        handled = focused->OnKeyDown(vk, repeat, flags);
    } else {
        if (m_childUnderMouse) {
            handled = m_childUnderMouse->OnKeyDown(vk, repeat, flags);
        }
        if (!handled && !alive.expired()) {
            handled = OnControlKeyDown(vk, repeat, flags);
        }
        if (!handled && !alive.expired()) {
            for (const LiveChild& child : LiveChildren()) {
                if (alive.expired() || handled) {
                    break;
                }
                if (!child.life.expired()) {
                    handled = child.control->OnKeyDown(vk, repeat, flags);
                }
            }
        }
    }
    if (!alive.expired() && m_keyNotify) {
        SendMessageW(NOTIFY_KEYDOWN, vk, static_cast<LPARAM>(flags));
    }
    return handled;
}

bool MControl::OnTimer()
{
    bool result = OnControlTimer();
    std::lock_guard lock(m_controlLock);
    for (size_t i = 0; i < m_controlLayer.size(); ++i) {
        MControl* child = m_controlLayer[i];
        if (child->IsRunTimer() && child->IsVisible()) {
            result = child->OnTimer() || result;
        }
    }
    return result;
}

// Geometry and state ------------------------------------------------------------------------------

void MControl::SetRect(CRect rect)
{
    CRect both;
    both.UnionRect(m_rect, rect);
    SetControlRect(rect);
    if (IsVisible() && m_parent) {
        m_parent->OnControlUpdate(both, true, this);
    }
}

void MControl::SetRect(int x, int y, int width, int height) { SetRect(CRect(x, y, x + width, y + height)); }

void MControl::SetVisible(bool visible) { SetVisible(visible, true); }

void MControl::SetVisible(bool visible, bool notify)
{
    if (visible == IsVisible()) {
        return;
    }
    SetControlVisible(visible);
    if (notify && m_parent) {
        m_parent->OnControlUpdate(m_rect, true, this);
    }
}

void MControl::SetEnabled(bool enabled)
{
    if (enabled == IsEnabled()) {
        return;
    }
    SetControlEnabled(enabled);
    if (IsVisible() && m_parent) {
        m_parent->OnControlUpdate(m_rect, true, this);
    }
}

bool MControl::IsParentVisible() const
{
    const MObject* owner = m_parent;
    while (owner) {
        if (owner->IsClass("MDialog")) {
            return true;
        }
        auto* control = dynamic_cast<const MControl*>(owner);
        if (!control) {
            return true;
        }
        if (!control->IsVisible()) {
            return false;
        }
        owner = control->GetParantObject();
    }
    return false;
}

void MControl::SetHotKey(UINT vk, UINT flags)
{
    m_hotKey = vk;
    m_hotKeyFlags = flags;
}

// Redraw ------------------------------------------------------------------------------------------

void MControl::UpdateControl(bool full, bool force) { UpdateControl(m_rect, force, full); }

void MControl::UpdateControl(CRect rect, bool force, bool full)
{
    if ((IsVisible() || force) && m_parent) {
        m_parent->OnControlUpdate(rect, full, this);
    }
}

void MControl::UpdateAControl(bool keepAnimating, bool force)
{
    m_animating = !keepAnimating;
    UpdateControl(false, force);
}

bool MControl::UpdateMemDC(HDC&, int cx, int cy)
{
    m_update = true;
    if (m_memDC.IsValid() && m_memDC.Width() == cx && m_memDC.Height() == cy) {
        return true;
    }
    return m_memDC.Create(cx, cy);
}

bool MControl::UpdateAnimateDC(HDC&, int cx, int cy)
{
    m_animating = true;
    return m_animateDC.Create(cx, cy);
}

void MControl::CopyBackground(HDC& hdc, MemDC& cache, int x, int y)
{
    if (hdc && cache.IsValid()) {
        MRender::BitBlt(cache.GetDC(), x, y, m_rect.Width(), m_rect.Height(), MRender::GetTarget(hdc), m_rect.left,
            m_rect.top);
    }
}

// Children ----------------------------------------------------------------------------------------

std::vector<MControl*> MControl::GetControls() const
{
    std::lock_guard lock(m_controlLock);
    return m_controlLayer;
}

std::vector<MControl*> MControl::GetAreaControls() const
{
    std::lock_guard lock(m_areaLock);
    return m_areaLayer;
}

MControl* MControl::GetControl(UINT id) const
{
    for (MControl* child : GetControls()) {
        if (child->GetControlID() == id) {
            return child;
        }
        if (MControl* found = child->GetControl(id)) {
            return found;
        }
    }
    for (MControl* child : GetAreaControls()) {
        if (child->GetControlID() == id) {
            return child;
        }
        if (MControl* found = child->GetControl(id)) {
            return found;
        }
    }
    return nullptr;
}

bool MControl::RemoveControl(MControl* control)
{
    {
        std::lock_guard lock(m_controlLock);
        auto it = std::find(m_controlLayer.begin(), m_controlLayer.end(), control);
        if (it == m_controlLayer.end()) {
            return false;
        }
        m_controlLayer.erase(it);
        if (m_childUnderMouse == control) {
            m_childUnderMouse = nullptr;
        }
    }
    // Deleted outside the lock: a tick may be walking this list right now.
    CRect vacated = control->IsVisible() ? control->GetRect() : CRect();
    control->DetachFromManager();
    delete control;
    if (!vacated.IsRectEmpty()) {
        UpdateControl(vacated, false, true);
    }
    return true;
}

void MControl::RemoveAllControl()
{
    if (DeleteChildren(true)) {
        UpdateControl(true);
    }
}

bool MControl::DeleteChildren(bool keepParts)
{
    std::vector<MControl*> doomed;
    auto take = [&](std::vector<MControl*>& layer) {
        auto kept = std::stable_partition(
            layer.begin(), layer.end(), [&](const MControl* c) { return keepParts && c->m_part; });
        doomed.insert(doomed.end(), kept, layer.end());
        layer.erase(kept, layer.end());
    };
    {
        std::lock_guard lock(m_controlLock);
        take(m_controlLayer);
        if (std::find(m_controlLayer.begin(), m_controlLayer.end(), m_childUnderMouse) == m_controlLayer.end()) {
            m_childUnderMouse = nullptr;
        }
    }
    {
        std::lock_guard lock(m_areaLock);
        take(m_areaLayer);
    }
    for (MControl* child : doomed) {
        child->DetachFromManager();
        delete child;
    }
    return !doomed.empty();
}

void MControl::AddChild(MControl* child, int kind)
{
    if (!child) {
        return;
    }
    if (kind == 0) {
        std::lock_guard lock(m_areaLock);
        m_areaLayer.push_back(child);
    } else if (kind == 1) {
        std::lock_guard lock(m_controlLock);
        m_controlLayer.push_back(child);
    }
}

void MControl::AddPart(MControl* child)
{
    if (child) {
        child->m_part = true;
        AddChild(child, 1);
    }
}

MControl* MControl::CreateChildControl(
    int kind, MObject* parent, const char* className, UINT id, CRect rect, const char* title, int a, int b)
{
    MControl* child = ControlFactory::Construct(kContainerFactory, className, parent, id, rect, title, a, b);
    if (!child) {
        return nullptr;
    }
    if (m_manager) {
        child->SetManager(m_manager);
    }
    AddChild(child, kind);
    // A child made while the window is shown must appear without waiting for another paint.
    if (m_manager && (kind == 0 || kind == 1)) {
        child->UpdateControl(true);
    }
    return child;
}

LRESULT MControl::SendMessageW(UINT code, WPARAM wParam, LPARAM lParam)
{
    return m_parent ? m_parent->OnBaseMessage(m_id, code, wParam, lParam) : 0;
}

void MControl::SetManager(PaintManager* manager)
{
    m_manager = manager;
    InitControl(manager);
}

void MControl::SetTooltip(const std::string& text) { m_tooltip = text; }

void MControl::SetTooltip(const std::string& text, CRect rect)
{
    m_tooltip = text;
    if (m_manager) {
        m_manager->SetTooltip(text, rect);
        m_manager->SetTooltipCtrlID(m_id);
    }
}

void MControl::ClearTooltip()
{
    m_tooltip.clear();
    if (m_manager && m_manager->GetTooltipCtrlID() == m_id) {
        m_manager->ClearTooltip();
    }
}

void MControl::AddMTimer()
{
    if (m_manager) {
        m_manager->AddMTimer(this);
    }
}

void MControl::DetachFromManager()
{
    for (MControl* child : GetControls()) {
        child->DetachFromManager();
    }
    for (MControl* child : GetAreaControls()) {
        child->DetachFromManager();
    }
    if (m_manager) {
        m_manager->ForgetControl(this, true);
    }
}

// Positions ---------------------------------------------------------------------------------------

int PositionItem2Value(const FS_POSITION_ITEM& item, int start, int end)
{
    switch (item.kind) {
    case 0:
        return item.fromEnd ? end - static_cast<int>(item.value) : start + static_cast<int>(item.value);
    case 1: {
        int mid = start + (end - start) / 2;
        return item.fromEnd ? mid - static_cast<int>(item.value) : mid + static_cast<int>(item.value);
    }
    case 2:
        return std::min(end, start + static_cast<int>((end - start) * item.value / 100.0f));
    default:
        return 0;
    }
}

} // namespace lumo
