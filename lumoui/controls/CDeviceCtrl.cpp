#include "lumoui/CDeviceCtrl.h"
#include "lumoui/ControlFactory.h"
#include "lumoui/MRender.h"
#include "lumoui/Messages.h"
#include "lumoui/WindowApi.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr int kFrameEdge = 12;
constexpr ARGB kListedText = 0xFF808080;

} // namespace

CDeviceCtrl::CDeviceCtrl(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
}

CDeviceCtrl::~CDeviceCtrl() = default;

void CDeviceCtrl::AddDevice(const std::string& name, int value1, int value2, int deviceType, bool flag)
{
    std::lock_guard lock(m_lock);
    m_items.push_back(DeviceItem { name, value1, value2, deviceType, flag ? 2 : 0, flag, CRect() });
    LayoutRows();
}

void CDeviceCtrl::SetDeviceState(int deviceType, int state)
{
    bool found = false;
    {
        std::lock_guard lock(m_lock);
        auto it = std::find_if(
            m_items.begin(), m_items.end(), [&](const DeviceItem& d) { return d.deviceType == deviceType; });
        if (it != m_items.end()) {
            found = true;
            it->state = state;
            if (state != 0) {
                m_current = static_cast<int>(it - m_items.begin());
            }
        }
        m_connected = static_cast<int>(
            std::count_if(m_items.begin(), m_items.end(), [](const DeviceItem& d) { return d.state == 1; }));
        LayoutRows();
    }
    if (found) {
        UpdateControl(true);
    }
}

void CDeviceCtrl::ResetAllState()
{
    {
        std::lock_guard lock(m_lock);
        for (auto& d : m_items) {
            d.state = 0;
        }
        LayoutRows();
    }
    UpdateControl(true);
}

int CDeviceCtrl::GetCurDeviceType() const
{
    std::lock_guard lock(m_lock);
    if (m_current < 0 || m_current >= static_cast<int>(m_items.size()) || m_connected == 0) {
        return 0;
    }
    return m_items[m_current].deviceType;
}

int CDeviceCtrl::GetConnectCount() const
{
    std::lock_guard lock(m_lock);
    return m_connected;
}

int CDeviceCtrl::GetCurIndex() const
{
    std::lock_guard lock(m_lock);
    return m_current;
}

int CDeviceCtrl::GetHoverIndex() const
{
    std::lock_guard lock(m_lock);
    return m_hover;
}

int CDeviceCtrl::GetDeviceCount() const
{
    std::lock_guard lock(m_lock);
    return static_cast<int>(m_items.size());
}

bool CDeviceCtrl::GetDevice(int index, DeviceItem& item) const
{
    std::lock_guard lock(m_lock);
    if (index < 0 || index >= static_cast<int>(m_items.size())) {
        return false;
    }
    item = m_items[index];
    return true;
}

void CDeviceCtrl::ClearList()
{
    {
        std::lock_guard lock(m_lock);
        m_items.clear();
        m_hover = -1;
        m_current = -1;
        m_connected = 0;
    }
    UpdateControl(true);
}

// Layout and drawing ------------------------------------------------------------------------------

void CDeviceCtrl::LayoutRows()
{
    int row = 0;
    for (auto& d : m_items) {
        d.rect = CRect();
    }
    if (m_connected == 0) {
        return;
    }
    for (int state : { 1, 2 }) {
        for (auto& d : m_items) {
            if (d.state == state) {
                int top = m_rect.top + row * kRowPitch;
                d.rect = CRect(m_rect.left, top, m_rect.right, top + kRowHeight);
                ++row;
            }
        }
    }
}

void CDeviceCtrl::SetControlRect(CRect rect)
{
    MControlFont::SetControlRect(rect);
    std::lock_guard lock(m_lock);
    LayoutRows();
}

void CDeviceCtrl::DrawControl(HDC& hdc, CRect)
{
    std::lock_guard lock(m_lock);
    StringFormat format = StringFormat::FromDT(DT_CENTER, DT_VCENTER, StringFormatFlagsNoWrap);
    for (const auto& d : m_items) {
        if (d.rect.IsRectEmpty()) {
            continue;
        }
        bool connected = d.state == 1;
        DrawSlice(hdc, connected ? 1 : 0, d.rect, kFrameEdge);
        MRender::DrawTextW(hdc, d.name, GetFont(), d.rect, connected ? m_textColor : kListedText, format);
    }
}

// Input -------------------------------------------------------------------------------------------

int CDeviceCtrl::RowAt(CPoint pt) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].state != 0 && m_items[i].rect.PtInRect(pt)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool CDeviceCtrl::OnControlMouseMove(UINT, CPoint pt)
{
    if (!IsEnabled()) {
        return false;
    }
    bool inside = m_rect.PtInRect(pt);
    bool changed = false;
    {
        std::lock_guard lock(m_lock);
        int hover = -1;
        if (inside) {
            bool stays = m_hover >= 0 && m_hover < static_cast<int>(m_items.size())
                && m_items[m_hover].rect.PtInRect(pt);
            hover = stays ? m_hover : RowAt(pt);
        }
        changed = hover != m_hover;
        m_hover = hover;
        ::lumo::SetCursor(m_hover >= 0 ? IDC_HAND : IDC_ARROW);
    }
    if (changed) {
        UpdateControl(false);
    }
    return inside;
}

bool CDeviceCtrl::OnControlLButtonDown(UINT, CPoint pt)
{
    if (!IsEnabled()) {
        return false;
    }
    int index = -1;
    {
        // The press decides by its own point: it may come without a move before it.
        std::lock_guard lock(m_lock);
        index = RowAt(pt);
        if (index < 0) {
            return false;
        }
        m_hover = index;
        m_current = index;
    }
    UpdateControl(false);
    SendMessageW(NOTIFY_PRESS, static_cast<WPARAM>(index), 0);
    return true;
}

} // namespace lumo

LUMO_REGISTER_CONTROL_AS(lumo::CDeviceCtrl, "CDeviceCtrl", lumo::kWindowFactory | lumo::kContainerFactory)
