#include "lumoui/CSwitchButton.h"

#include "controls/SlotCache.h"
#include "lumoui/MRender.h"
#include "lumoui/Messages.h"
#include "lumoui/PaintManager.h"

#include <algorithm>

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

bool CSwitchButton::LoadStrip(const std::string& file, int count, Strip& strip) const
{
    ImgResInfo* info = m_manager->AddImgResInfo(file, count);
    if (!info) {
        return false;
    }
    strip.image = info->image;
    strip.slice = CSize(info->sliceWidth, info->sliceHeight);
    return true;
}

bool CSwitchButton::SetImage(const std::string& onFile, const std::string& offFile, int count)
{
    if (!m_manager || count <= 0) {
        return false;
    }
    Strip on;
    Strip off;
    if (!LoadStrip(onFile, count, on) || !LoadStrip(offFile, count, off)) {
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
        const Strip& strip = i >= kSlicesPerStrip ? m_on : m_off;
        if (!strip.image || strip.slice.cx <= 0) {
            return;
        }
        int slices = std::max(1, strip.image->GetWidth() / strip.slice.cx);
        int index = std::min(i % kSlicesPerStrip, slices - 1);
        CPoint at(rect.left, rect.top + (rect.Height() - strip.slice.cy) / 2);
        MRender::DrawImage(dc, strip.image.get(), CRect(at, strip.slice), index * strip.slice.cx, 0, strip.slice.cx,
            strip.slice.cy);
    });
}

LUMO_REGISTER_CONTROL(CSwitchButton, kWindowFactory | kContainerFactory)

} // namespace lumo
