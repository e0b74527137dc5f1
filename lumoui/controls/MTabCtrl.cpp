#include "lumoui/MTabCtrl.h"
#include "lumoui/ControlFactory.h"
#include "lumoui/MRender.h"
#include "lumoui/MTabLayout.h"
#include "lumoui/Manager.h"
#include "lumoui/Messages.h"
#include "lumoui/PaintManager.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr int kDefaultSlices = 3;
constexpr UINT kAnimationTimer = 100;
constexpr UINT kAnimationStepMs = 30;
constexpr int kAnimationStep = 20; // percent per tick
constexpr int kColumnGap = 1;

} // namespace

MTabCtrl::MTabCtrl(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
    m_textColor = 0xE1C8C8C8;
    m_hAlign = DT_CENTER;
}

MTabCtrl::~MTabCtrl() = default;

// Tabs --------------------------------------------------------------------------------------------

int MTabCtrl::InsertItem(
    UINT id, const std::string& text, const std::string& imageFile, MControl* page, int sliceCount, int width)
{
    TabItemInfo info;
    info.sliceCount = sliceCount > 0 ? sliceCount : kDefaultSlices;
    if (!imageFile.empty()) {
        info.image = MRender::LoadImageFromFile(Manager::GetSkinFolder() + imageFile);
    }
    if (info.image) {
        info.sliceWidth = info.image->GetWidth() / info.sliceCount;
        info.sliceHeight = info.image->GetHeight();
    }
    info.width = width > 0 ? width : info.sliceWidth > 0 ? info.sliceWidth : m_itemWidth;
    info.text = text;
    info.tabId = id;
    info.page = page;
    return InsertItem(info);
}

int MTabCtrl::InsertItem(const TabItemInfo& info)
{
    auto item = std::make_unique<TabItemInfo>(info);
    item->visible = true;
    if (item->sliceCount <= 0) {
        item->sliceCount = kDefaultSlices;
    }
    m_items.push_back(std::move(item));
    RefreshItems();
    return GetItemCount() - 1;
}

bool MTabCtrl::DeleteItem(int index)
{
    if (!IsIndex(index)) {
        return false;
    }
    // The page of a removed tab would otherwise stay on screen next to the new selection's.
    if (MControl* page = m_items[index]->page; page && index == m_sel) {
        page->SetVisible(false);
    }
    m_items.erase(m_items.begin() + index);
    if (m_sel > index) {
        --m_sel;
    }
    m_prevSel = -1;
    m_hover = -1;
    m_lastTooltip = -1;
    RefreshItems();
    return true;
}

UINT MTabCtrl::GetItemID(int index) const
{
    return IsIndex(index) ? m_items[index]->tabId : 0;
}

TabItemInfo* MTabCtrl::GetItemInfo(int index)
{
    return IsIndex(index) ? m_items[index].get() : nullptr;
}

bool MTabCtrl::SetItemText(int index, const std::string& text)
{
    if (!IsIndex(index)) {
        return false;
    }
    m_items[index]->text = text;
    return true;
}

void MTabCtrl::SetItemVisible(int index, bool visible)
{
    if (!IsIndex(index)) {
        return;
    }
    m_items[index]->visible = visible;
    RefreshItems();
}

bool MTabCtrl::GetItemVisible(int index) const
{
    return IsIndex(index) && m_items[index]->visible;
}

MControl* MTabCtrl::CreatePanel(const std::string& className, UINT id, CRect rect)
{
    if (className != "MTabLayout") {
        return nullptr;
    }
    auto* page = new MTabLayout(this, id, rect, 1);
    AddChild(page, 1);
    if (m_manager) {
        page->SetManager(m_manager);
    }
    return page;
}

// Selection ---------------------------------------------------------------------------------------

int MTabCtrl::SetSelectItem(int index)
{
    if (!IsIndex(index) || index == m_sel) {
        return m_sel;
    }
    int previous = m_sel;
    m_prevSel = previous;
    m_sel = index;
    SendMessageW(NOTIFY_CLICK, static_cast<WPARAM>(index), 0);
    ShowSelectedPage();
    if (m_animate) {
        StartAnimation();
    }
    UpdateControl(false);
    return previous;
}

void MTabCtrl::ShowSelectedPage()
{
    MControl* shown = IsIndex(m_sel) ? m_items[m_sel]->page : nullptr;
    for (auto& item : m_items) {
        if (item->page && item->page != shown) {
            item->page->SetVisible(false);
        }
    }
    if (shown) {
        shown->SetVisible(true);
    }
}

void MTabCtrl::StartAnimation()
{
    m_animProgress = 0;
    if (m_manager) {
        m_manager->SetTimer(this, kAnimationTimer, kAnimationStepMs);
    } else {
        m_animProgress = 100;
    }
}

bool MTabCtrl::OnNativeTimer(UINT key)
{
    if (key != kAnimationTimer) {
        return MControlFont::OnNativeTimer(key);
    }
    m_animProgress = std::min(100, m_animProgress + kAnimationStep);
    if (m_animProgress >= 100 && m_manager) {
        m_manager->KillTimer(this, kAnimationTimer);
    }
    UpdateControl(false);
    return true;
}

// Sizes and layout --------------------------------------------------------------------------------

// With a positive minimum, the room shared by all tabs, at least the minimum and at most the
// size; else the size.
int MTabCtrl::SharedSize(int room, int size, int minSize) const
{
    if (minSize <= 0) {
        return size;
    }
    return std::min(std::max(room / GetItemCount(), minSize), size);
}

void MTabCtrl::ComputeTabWidth()
{
    if (!m_items.empty()) {
        m_tabWidth = SharedSize(m_rect.Width() - m_padLeft - m_padRight, m_itemWidth, m_minItemWidth);
    }
}

void MTabCtrl::ComputeTabHeight()
{
    if (!m_items.empty()) {
        m_tabHeight = SharedSize(m_rect.Height() - m_padTop - m_padBottom, m_itemHeight, m_minItemHeight);
    }
}

void MTabCtrl::SetItemWidth(int width, int minWidth, bool relayout)
{
    m_itemWidth = width;
    m_minItemWidth = minWidth;
    ComputeTabWidth();
    if (relayout) {
        RefreshItems();
    }
}

void MTabCtrl::SetItemHeight(int height, int minHeight, bool relayout)
{
    m_itemHeight = height;
    m_minItemHeight = minHeight;
    ComputeTabHeight();
    if (relayout) {
        RefreshItems();
    }
}

void MTabCtrl::SetLeftRightPading(int left, int right)
{
    m_padLeft = left;
    m_padRight = right;
}

void MTabCtrl::SetTopBottomPading(int top, int bottom)
{
    m_padTop = top;
    m_padBottom = bottom;
}

void MTabCtrl::SetTabType(int type)
{
    m_type = type == 1 ? 1 : 0;
    RefreshItems();
}

void MTabCtrl::SetControlRect(CRect rect)
{
    MControlFont::SetControlRect(rect);
    if (m_type == 0) {
        ComputeTabWidth();
    } else {
        ComputeTabHeight();
    }
    RefreshItems();
}

int MTabCtrl::LastVisible() const
{
    for (int i = GetItemCount() - 1; i >= 0; --i) {
        if (m_items[i]->visible) {
            return i;
        }
    }
    return -1;
}

void MTabCtrl::RefreshItems()
{
    m_sepRects.clear();
    if (!m_items.empty()) {
        const TabItemInfo& first = *m_items.front();
        int height = m_ctrlHeight > 0 ? m_ctrlHeight : first.sliceHeight;
        int width = m_type == 0 ? (m_tabWidth > 0 ? m_tabWidth : first.width)
                                : (m_ctrlWidth > 0 ? m_ctrlWidth : first.width);
        int last = LastVisible();
        CPoint at(m_rect.left + m_padLeft, m_rect.top + m_padTop);
        for (int i = 0; i < GetItemCount(); ++i) {
            TabItemInfo& tab = *m_items[i];
            if (!tab.visible) {
                tab.rect = CRect();
                continue;
            }
            tab.rect = CRect(at, CSize(width, height));
            if (m_type == 0) {
                at.x += width;
            } else {
                at.y += height + kColumnGap;
            }
            if (m_sepSize.cx > 0 && m_sepSize.cy > 0 && i != last) {
                m_sepRects.emplace_back(at, m_sepSize);
                if (m_type == 0) {
                    at.x += m_sepSize.cx;
                } else {
                    at.y += m_sepSize.cy + kColumnGap;
                }
            }
        }
    }
    if (m_sel >= GetItemCount()) {
        m_sel = LastVisible();
    }
    if (m_hover >= GetItemCount()) {
        m_hover = -1;
    }
    ShowSelectedPage();
    UpdateControl(true);
}

// Look ----------------------------------------------------------------------------------------------

void MTabCtrl::SetTextColors(ARGB normal, ARGB hover, ARGB selected)
{
    m_textColor = normal;
    m_hoverColor = hover;
    m_selectColor = selected;
}

void MTabCtrl::SetSeparator(CSize size, const std::string& imageFile)
{
    m_sepSize = size;
    m_sepImage
        = imageFile.empty() ? nullptr : MRender::LoadImageFromFile(Manager::GetSkinFolder() + imageFile);
    RefreshItems();
}

void MTabCtrl::SetTabTooltip(int index, const std::string& text)
{
    if (!IsIndex(index) || index == m_lastTooltip) {
        return;
    }
    m_lastTooltip = index;
    SetTooltip(text, m_items[index]->rect);
}

// Mouse and keys ----------------------------------------------------------------------------------

int MTabCtrl::TabAt(CPoint pt) const
{
    if (!m_rect.PtInRect(pt)) {
        return -1;
    }
    for (int i = 0; i < GetItemCount(); ++i) {
        if (m_items[i]->rect.PtInRect(pt)) {
            return i;
        }
    }
    return -1;
}

void MTabCtrl::SetHover(int index)
{
    if (index == m_hover) {
        return;
    }
    m_hover = index;
    if (IsIndex(index)) {
        SetTabTooltip(index, m_items[index]->text);
    } else {
        m_lastTooltip = -1;
        ClearTooltip();
    }
    UpdateControl(false);
}

bool MTabCtrl::OnControlMouseMove(UINT, CPoint pt)
{
    SetHover(TabAt(pt));
    return m_rect.PtInRect(pt);
}

bool MTabCtrl::OnControlLButtonDown(UINT, CPoint pt)
{
    // A press can arrive without a move before it; it only marks the tab under it.
    SetHover(TabAt(pt));
    return true;
}

bool MTabCtrl::OnControlLButtonUp(UINT, CPoint pt)
{
    if (IsIndex(m_hover) && m_items[m_hover]->rect.PtInRect(pt)) {
        SetSelectItem(m_hover);
        UpdateControl(false);
    }
    return true;
}

bool MTabCtrl::OnControlScroll(bool vertical, UINT down, CPoint pt)
{
    if (!IsIndex(m_sel) || !m_items[m_sel]->page || !m_items[m_sel]->rect.PtInRect(pt)) {
        return false;
    }
    return m_items[m_sel]->page->OnScroll(vertical, down, pt);
}

bool MTabCtrl::OnControlKeyDown(UINT vk, UINT repeat, UINT flags)
{
    if (IsIndex(m_sel) && m_items[m_sel]->page) {
        return m_items[m_sel]->page->OnKeyDown(vk, repeat, flags);
    }
    return MControlFont::OnControlKeyDown(vk, repeat, flags);
}

// Drawing -----------------------------------------------------------------------------------------

void MTabCtrl::DrawControl(HDC& hdc, CRect)
{
    DrawSeparators(hdc);
    bool enabled = IsEnabled();
    bool animating = m_animProgress < 100;
    for (int i = 0; i < GetItemCount(); ++i) {
        const TabItemInfo& tab = *m_items[i];
        if (!tab.visible || tab.rect.IsRectEmpty()) {
            continue;
        }
        int state = !enabled ? 3 : i == m_sel ? 2 : i == m_hover ? 1 : 0;
        cairo_save(hdc);
        cairo_rectangle(hdc, tab.rect.left, tab.rect.top, tab.rect.Width(), tab.rect.Height());
        cairo_clip(hdc);
        bool fadeIn = animating && state == 2;
        bool fadeOut = animating && enabled && i == m_prevSel && i != m_sel;
        DrawTab(hdc, tab, fadeIn ? 0 : state);
        if (fadeIn || fadeOut) {
            // The selection cross-fades from the previous tab to the new one.
            cairo_push_group(hdc);
            DrawTab(hdc, tab, 2);
            cairo_pop_group_to_source(hdc);
            cairo_paint_with_alpha(hdc, (fadeIn ? m_animProgress : 100 - m_animProgress) / 100.0);
        }
        cairo_restore(hdc);
    }
}

void MTabCtrl::DrawTab(HDC hdc, const TabItemInfo& tab, int state)
{
    if (m_type == 1) {
        DrawColumnTab(hdc, tab, state);
    } else {
        DrawRowTab(hdc, tab, state);
    }
}

void MTabCtrl::DrawRowTab(HDC hdc, const TabItemInfo& tab, int state)
{
    if (tab.image && tab.sliceWidth > 0) {
        int slice = std::min(state, tab.sliceCount - 1);
        MRender::DrawImageFrame(
            hdc, tab.image.get(), tab.rect, slice * tab.sliceWidth, 0, tab.sliceWidth, tab.sliceHeight, 4);
    }
    if (!tab.text.empty()) {
        const ARGB colors[] = { m_textColor, m_hoverColor, m_selectColor, 0xFF808080 };
        MRender::DrawTextW(hdc, tab.text, GetFont(), tab.rect, colors[std::clamp(state, 0, 3)],
            StringFormat::FromDT(m_hAlign, DT_VCENTER, StringFormatFlagsNoWrap));
    }
}

void MTabCtrl::DrawColumnTab(HDC hdc, const TabItemInfo& tab, int state)
{
    // The picture and 25 pixels below it are centred in the tab; the text box starts 3
    // pixels below the picture.
    constexpr int kTextRoom = 25;
    constexpr int kTextGap = 3;
    constexpr int kTextBox = 36;
    constexpr int kTextSize = 13;
    int top = tab.rect.top + (tab.rect.Height() - (tab.sliceHeight + kTextRoom)) / 2;
    if (tab.image && tab.sliceWidth > 0) {
        int slice = std::min(state, tab.sliceCount - 1);
        int left = tab.rect.left + (tab.rect.Width() - tab.sliceWidth) / 2;
        MRender::DrawImage(hdc, tab.image.get(),
            CRect(left, top, left + tab.sliceWidth, top + tab.sliceHeight), slice * tab.sliceWidth, 0,
            tab.sliceWidth, tab.sliceHeight);
    }
    if (!tab.text.empty()) {
        int textTop = top + tab.sliceHeight + kTextGap;
        CRect box(tab.rect.left, textTop, tab.rect.right, textTop + kTextBox);
        MFont font { m_fontFamily, kTextSize, m_fontStyle };
        MRender::DrawTextW(hdc, tab.text, font, box, state == 0 ? 0xFFFFFFFF : 0xFFFF0000,
            StringFormat::FromDT(DT_CENTER, DT_VCENTER, StringFormatFlagsNoWrap));
    }
}

void MTabCtrl::DrawSeparators(HDC hdc)
{
    for (const CRect& r : m_sepRects) {
        if (m_sepImage) {
            MRender::DrawImage(
                hdc, m_sepImage.get(), r, 0, 0, m_sepImage->GetWidth(), m_sepImage->GetHeight());
        } else {
            MRender::DrawColor(hdc, r, 0x30FFFFFF);
        }
    }
}

} // namespace lumo

LUMO_REGISTER_CONTROL_AS(lumo::MTabCtrl, "MTabCtrl", lumo::kWindowFactory | lumo::kContainerFactory)
