#include "lumoui/KeyFuncControl.h"

#include "controls/KeyFuncTable.h"
#include "lumoui/ControlFactory.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/Messages.h"
#include "lumoui/WindowApi.h"

#include <algorithm>

namespace lumo {

namespace {

enum ItemState { kNormal = 0, kHovered = 1, kChosen = 2, kStateCount = 3 };
// Items up to this width get their slice scaled; wider ones get it as a nine-grid.
constexpr int kScaledMaxWidth = 60;
constexpr int kFrameEdge = 8;
constexpr int kIconSize = 20;
// Items with data above this are the icon row; they show their text as a tooltip.
constexpr int kLastKeyData = 231;
// Labels keep this much room on either side and shrink no further than this size.
constexpr int kLabelPadding = 2;
constexpr int kMinLabelSize = 9;

} // namespace

KeyFuncControl::KeyFuncControl(MObject* parent, UINT id, CRect rect, int visible) : MPanel(parent, id, rect, visible)
{
    BuildItems();
}

KeyFuncControl::~KeyFuncControl() = default;

// Items -------------------------------------------------------------------------------------------

void KeyFuncControl::InitItemInfo()
{
    BuildItems();
    UpdateControl(true);
}

void KeyFuncControl::BuildItems()
{
    ClearItems();
    for (const KeyFuncEntry& e : BuiltInKeyFuncItems()) {
        AddKeyItem(e.text, e.itemData, e.rect, e.iconFile);
    }
}

void KeyFuncControl::ClearItems()
{
    {
        std::lock_guard lock(m_lock);
        m_items.clear();
        m_hover = m_press = m_check = m_tipIndex = -1;
    }
    UpdateContentSize();
}

int KeyFuncControl::AddKeyItem(const std::string& text, int itemData, CRect rect, const std::string& iconFile)
{
    KeyFuncItem item;
    item.text = text;
    item.itemData = itemData;
    item.rect = rect;
    if (!iconFile.empty()) {
        item.icon = MRender::LoadImageFromFile(Manager::GetSkinFolder() + iconFile);
    }
    int index = 0;
    {
        std::lock_guard lock(m_lock);
        m_items.push_back(std::move(item));
        index = static_cast<int>(m_items.size()) - 1;
    }
    UpdateContentSize();
    return index;
}

void KeyFuncControl::UpdateContentSize()
{
    int right = 0;
    int bottom = 0;
    {
        std::lock_guard lock(m_lock);
        for (const KeyFuncItem& item : m_items) {
            right = std::max(right, item.rect.right);
            bottom = std::max(bottom, item.rect.bottom);
        }
    }
    // A chooser smaller than its items scrolls to them. No repaint: this runs while the
    // control is being built, before it has a place in a window.
    m_virtualWidth = right;
    m_virtualHeight = bottom;
    UpdateScrollBars();
}

int KeyFuncControl::GetItemCount() const
{
    std::lock_guard lock(m_lock);
    return static_cast<int>(m_items.size());
}

bool KeyFuncControl::GetItem(int index, KeyFuncItem& item) const
{
    std::lock_guard lock(m_lock);
    if (index < 0 || index >= static_cast<int>(m_items.size())) {
        return false;
    }
    item = m_items[static_cast<size_t>(index)];
    return true;
}

void KeyFuncControl::SetItemDesc(int itemData, const std::string& text)
{
    {
        std::lock_guard lock(m_lock);
        auto it = std::find_if(
            m_items.begin(), m_items.end(), [&](const KeyFuncItem& item) { return item.itemData == itemData; });
        if (it == m_items.end()) {
            return;
        }
        it->text = text;
        if (m_tipIndex == static_cast<int>(it - m_items.begin())) {
            m_tipIndex = -1;
        }
    }
    UpdateControl(true);
}

void KeyFuncControl::SetItemCheckByItemData(int itemData, int extra1, int extra2)
{
    {
        std::lock_guard lock(m_lock);
        m_press = -1;
        m_check = -1;
        if (itemData != 0) {
            for (size_t i = 0; i < m_items.size(); ++i) {
                const KeyFuncItem& item = m_items[i];
                if (item.itemData == itemData && item.extra1 == extra1 && item.extra2 == extra2) {
                    m_check = static_cast<int>(i);
                    break;
                }
            }
        }
    }
    UpdateControl(false);
}

bool KeyFuncControl::GetCurItemData(int&, int& itemData, int& extra1, int& extra2, std::string& text) const
{
    std::lock_guard lock(m_lock);
    // Only the pressed item, while the mouse is still on it: an item merely hovered later
    // was never chosen.
    if (m_press < 0 || m_hover != m_press || m_hover >= static_cast<int>(m_items.size())) {
        return false;
    }
    const KeyFuncItem& item = m_items[static_cast<size_t>(m_hover)];
    itemData = item.itemData;
    extra1 = item.extra1;
    extra2 = item.extra2;
    text = item.text;
    return true;
}

int KeyFuncControl::GetHoverItem() const
{
    std::lock_guard lock(m_lock);
    return m_hover;
}

int KeyFuncControl::GetPressItem() const
{
    std::lock_guard lock(m_lock);
    return m_press;
}

int KeyFuncControl::GetCheckItem() const
{
    std::lock_guard lock(m_lock);
    return m_check;
}

// Mouse -------------------------------------------------------------------------------------------

CPoint KeyFuncControl::Origin() const
{
    CPoint offset = GetScrollOffset();
    return CPoint(m_rect.left - offset.x, m_rect.top - offset.y);
}

int KeyFuncControl::ItemAt(CPoint pt) const
{
    if (!GetViewRect().PtInRect(pt)) {
        return -1;
    }
    const CPoint origin = Origin();
    for (size_t i = 0; i < m_items.size(); ++i) {
        CRect r = m_items[i].rect;
        r.OffsetRect(origin);
        if (r.PtInRect(pt)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void KeyFuncControl::SetHover(int index)
{
    {
        std::lock_guard lock(m_lock);
        if (index == m_hover) {
            return;
        }
        m_hover = index;
    }
    UpdateControl(false);
}

void KeyFuncControl::ShowItemTip(int index)
{
    std::string text;
    CRect rect;
    {
        std::lock_guard lock(m_lock);
        if (index < 0 || index >= static_cast<int>(m_items.size()) || index == m_tipIndex) {
            return;
        }
        const KeyFuncItem& item = m_items[static_cast<size_t>(index)];
        if (item.itemData <= kLastKeyData || item.text.empty()) {
            return;
        }
        text = item.text;
        rect = item.rect;
        rect.OffsetRect(Origin());
        m_tipIndex = index;
    }
    SetTooltip(text, rect);
}

bool KeyFuncControl::OnControlMouseMove(UINT, CPoint pt)
{
    if (!m_rect.PtInRect(pt)) {
        // Only the move that leaves resets the cursor: every control of the window sees the
        // moves outside it and must not undo the cursor of the one under the mouse.
        if (m_mouseInside) {
            ::lumo::SetCursor(IDC_ARROW);
        }
        m_mouseInside = false;
        ClearTooltip();
        m_tipIndex = -1;
        SetHover(-1);
        return false;
    }
    m_mouseInside = true;
    if (!IsEnabled()) {
        return true;
    }
    int hover = -1;
    int hit = -1;
    {
        std::lock_guard lock(m_lock);
        hover = m_hover;
        hit = ItemAt(pt);
    }
    if (hover >= 0 && hit == hover) {
        ::lumo::SetCursor(IDC_HAND);
        ShowItemTip(hover);
        return true;
    }
    if (hover >= 0) {
        ::lumo::SetCursor(IDC_ARROW);
        ClearTooltip();
        m_tipIndex = -1;
    }
    SetHover(hit);
    if (hit >= 0) {
        ::lumo::SetCursor(IDC_HAND);
        ShowItemTip(hit);
    }
    return true;
}

bool KeyFuncControl::OnControlLButtonDown(UINT flags, CPoint pt)
{
    if (!m_rect.PtInRect(pt)) {
        return false;
    }
    // A press may come without a move before it; the item under it is the hovered one.
    OnControlMouseMove(flags, pt);
    int index = -1;
    {
        std::lock_guard lock(m_lock);
        m_press = m_hover;
        index = m_press;
    }
    SendMessageW(NOTIFY_PRESS, static_cast<WPARAM>(static_cast<intptr_t>(index)), 0);
    UpdateControl(false);
    return true;
}

bool KeyFuncControl::OnControlLButtonUp(UINT, CPoint pt) { return m_rect.PtInRect(pt); }

bool KeyFuncControl::OnControlScroll(bool vertical, UINT down, CPoint pt)
{
    // The wheel scrolls a chooser smaller than its items and goes no further in any case.
    MPanel::OnControlScroll(vertical, down, pt);
    return true;
}

void KeyFuncControl::SetControlEnabled(bool enabled)
{
    MPanel::SetControlEnabled(enabled);
    if (!enabled) {
        SetHover(-1);
    }
}

// Drawing -----------------------------------------------------------------------------------------

void KeyFuncControl::DrawControl(HDC& hdc, CRect)
{
    const int w = m_rect.Width();
    const int h = m_rect.Height();
    if (w <= 0 || h <= 0) {
        return;
    }
    const CPoint scroll = GetScrollOffset();
    MemDC& cache = GetMemDC();
    // One rendering of every item per state, side by side; the shown picture is the normal
    // one with the hovered and chosen items copied over it, so hovering needs no rebuild.
    if (!GetUpdate() || !cache.IsValid() || cache.Width() != w * kStateCount || cache.Height() != h) {
        if (!UpdateMemDC(hdc, w * kStateCount, h)) {
            return;
        }
        for (int s = 0; s < kStateCount; ++s) {
            CopyBackground(hdc, cache, s * w, 0);
            HDC dc = cache.GetDC();
            cairo_save(dc);
            cairo_rectangle(dc, s * w, 0, w, h);
            cairo_clip(dc);
            DrawItems(dc, s, CPoint(s * w - scroll.x, -scroll.y));
            cairo_restore(dc);
        }
        cache.Flush();
    }
    MRender::BitBlt(hdc, m_rect.left, m_rect.top, w, h, cache.GetSurface(), 0, 0);
    const CRect view = GetViewRect();
    auto overlay = [&](int index, int state) {
        CRect r;
        if (index < 0 || index >= static_cast<int>(m_items.size())) {
            return;
        }
        CRect item = m_items[static_cast<size_t>(index)].rect;
        item.OffsetRect(m_rect.left - scroll.x, m_rect.top - scroll.y);
        if (!r.IntersectRect(item, view)) {
            return;
        }
        MRender::BitBlt(hdc, r.left, r.top, r.Width(), r.Height(), cache.GetSurface(), r.left - m_rect.left + state * w,
            r.top - m_rect.top);
    };
    std::lock_guard lock(m_lock);
    overlay(m_hover, kHovered);
    overlay(m_check, kChosen);
    overlay(m_press, kChosen);
}

void KeyFuncControl::DrawItems(HDC dc, int state, CPoint origin)
{
    std::lock_guard lock(m_lock);
    for (const KeyFuncItem& item : m_items) {
        CRect r = item.rect;
        r.OffsetRect(origin);
        DrawItem(dc, item, state, r);
    }
}

void KeyFuncControl::DrawItem(HDC dc, const KeyFuncItem& item, int state, const CRect& r)
{
    if (m_image && m_sliceWidth > 0) {
        if (r.Width() <= kScaledMaxWidth) {
            int slices = std::max(1, m_image->GetWidth() / m_sliceWidth);
            int slice = std::clamp(state, 0, slices - 1);
            MRender::DrawImage(dc, m_image.get(), r, slice * m_sliceWidth, 0, m_sliceWidth, m_sliceHeight);
        } else {
            DrawSlice(dc, state, r, kFrameEdge);
        }
    }
    if (item.icon) {
        CPoint c = r.CenterPoint();
        CRect icon(c.x - kIconSize / 2, c.y - kIconSize / 2, c.x + kIconSize / 2, c.y + kIconSize / 2);
        MRender::DrawImage(dc, item.icon.get(), icon, 0, 0, item.icon->GetWidth(), item.icon->GetHeight());
        return;
    }
    DrawLabel(dc, item.text, r);
}

// The control's font when the label fits on one line, or, for a label of several words, on
// lines broken between words; otherwise the largest smaller size that fits, so that labels
// such as "Pause" or "NumLock" stay whole on a 36-pixel key.
void KeyFuncControl::DrawLabel(HDC dc, const std::string& text, const CRect& r)
{
    if (text.empty()) {
        return;
    }
    const int room = r.Width() - 2 * kLabelPadding;
    std::vector<std::string> words;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (end > start) {
            words.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    MFont font { m_fontFamily, m_fontSize, FontStyleRegular };
    UINT flags = StringFormatFlagsNoWrap;
    for (; font.size > kMinLabelSize; --font.size) {
        if (MRender::GetTextBounds(text, font).cx <= room) {
            break;
        }
        bool wordsFit = words.size() > 1 && std::all_of(words.begin(), words.end(), [&](const std::string& w) {
            return MRender::GetTextBounds(w, font).cx <= room;
        });
        if (wordsFit && MRender::GetTextBounds(text, font, room, 0).cy <= r.Height()) {
            flags = 0;
            break;
        }
    }
    MRender::DrawTextW(dc, text, font, r, m_textColor, StringFormat::FromDT(DT_CENTER, DT_VCENTER, flags));
}

LUMO_REGISTER_CONTROL(KeyFuncControl, kContainerFactory)

} // namespace lumo
