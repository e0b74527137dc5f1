#include "lumoui/UpgradeButton.h"
#include "lumoui/MRender.h"

#include <numbers>

namespace lumo {

namespace {

constexpr int kBadgeTextSize = 8;

} // namespace

UpgradeButton::UpgradeButton(
    MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MButton(parent, id, rect, title, visible, enabled)
{
}

UpgradeButton::~UpgradeButton() = default;

void UpgradeButton::SetUpgradeStatus(int status)
{
    if (status == m_status.exchange(status)) {
        return;
    }
    UpdateControl(true);
}

void UpgradeButton::DrawSlot(HDC dc, int slot, const CRect& rect)
{
    MButton::DrawSlot(dc, slot, rect);
    if (m_status == 0) {
        return;
    }
    CRect badge(rect.right - kBadgeSize, rect.top, rect.right, rect.top + kBadgeSize);
    cairo_save(dc);
    cairo_set_source_rgba(dc, ((kBadgeColor >> 16) & 0xFF) / 255.0, ((kBadgeColor >> 8) & 0xFF) / 255.0,
        (kBadgeColor & 0xFF) / 255.0, (kBadgeColor >> 24) / 255.0);
    cairo_arc(dc, badge.left + kBadgeSize / 2.0, badge.top + kBadgeSize / 2.0, kBadgeSize / 2.0, 0,
        2 * std::numbers::pi);
    cairo_fill(dc);
    cairo_restore(dc);
    MRender::DrawTextW(dc, "1", MFont { m_fontFamily, kBadgeTextSize, m_fontStyle }, badge, m_textColor,
        StringFormat::FromDT(DT_CENTER, DT_VCENTER, StringFormatFlagsNoWrap | StringFormatFlagsNoClip));
}

} // namespace lumo

LUMO_REGISTER_CONTROL_AS(lumo::UpgradeButton, "UpgradeButton", lumo::kContainerFactory)
