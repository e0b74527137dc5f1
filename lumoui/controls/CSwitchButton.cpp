#include "lumoui/CSwitchButton.h"

#include "controls/SlotCache.h"
#include "lumoui/Messages.h"


namespace lumo {

namespace {

constexpr int kPressedSlice = 1;
constexpr int kDisabledSlice = 3;
constexpr int kSlicesPerStrip = 4;

} // namespace

CSwitchButton::CSwitchButton(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
}

bool CSwitchButton::SetImage(const std::string& onFile, const std::string& offFile, int count)
{
    ImageStrip on;
    ImageStrip off;
    if (!on.Load(m_manager, onFile, count) || !off.Load(m_manager, offFile, count)) {
        return false;
    }
    m_on = on;
    m_off = off;
    m_sliceCount = count;
    UpdateControl(true);
    return true;
}

bool CSwitchButton::SetCheck(bool check)
{
    if (check != m_check) {
        m_check = check;
        m_pressed = false;
        UpdateControl(false);
    }
    return m_check;
}

bool CSwitchButton::OnControlLButtonDown(UINT, CPoint pt)
{
    if (!GetRect().PtInRect(pt)) {
        return false;
    }
    if (IsEnabled() && !m_pressed) {
        m_pressed = true;
        UpdateControl(false);
    }
    return true;
}

bool CSwitchButton::OnControlLButtonUp(UINT, CPoint pt)
{
    if (!m_pressed) {
        return false;
    }
    m_pressed = false;
    if (!GetRect().PtInRect(pt) || !IsEnabled()) {
        UpdateControl(false);
        return true;
    }
    m_check = !m_check;
    UpdateControl(false);
    SendMessageW(NOTIFY_CLICK, 0, m_check ? 1 : 0);
    return true;
}

void CSwitchButton::SetControlEnabled(bool enabled)
{
    MControlFont::SetControlEnabled(enabled);
    m_pressed = false;
}

int CSwitchButton::ShownSlice() const
{
    if (!IsEnabled()) {
        return kDisabledSlice;
    }
    return m_pressed ? kPressedSlice : 0;
}

void CSwitchButton::DrawControl(HDC& hdc, CRect)
{
    // Slots: the off strip's four looks, then the on strip's.
    int slot = (m_check ? kSlicesPerStrip : 0) + ShownSlice();
    DrawSlotCache(*this, hdc, 2 * kSlicesPerStrip, slot, [this](HDC dc, int i, const CRect& rect) {
        const ImageStrip& strip = i >= kSlicesPerStrip ? m_on : m_off;
        strip.DrawAt(dc, i % kSlicesPerStrip, CPoint(rect.left, rect.top + (rect.Height() - strip.GetSliceSize().cy) / 2));
    });
}

LUMO_REGISTER_CONTROL(CSwitchButton, kWindowFactory | kContainerFactory)

} // namespace lumo
