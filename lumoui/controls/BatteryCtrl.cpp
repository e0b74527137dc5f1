#include "lumoui/BatteryCtrl.h"
#include "lumoui/ControlFactory.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/PaintManager.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr int kChargeGap = 5;

} // namespace

BatteryCtrl::BatteryCtrl(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
}

BatteryCtrl::~BatteryCtrl() = default;

MImagePtr BatteryCtrl::LoadSkinImage(const std::string& file) const
{
    if (file.empty()) {
        return nullptr;
    }
    if (m_manager) {
        ImgResInfo* info = m_manager->AddImgResInfo(file, 1);
        return info ? info->image : nullptr;
    }
    return MRender::LoadImageFromFile(Manager::GetSkinFolder() + file);
}

bool BatteryCtrl::SetBatteryIcon(const std::string& fillImage, const std::string& chargingIcon)
{
    MImagePtr fill = LoadSkinImage(fillImage);
    MImagePtr charge = LoadSkinImage(chargingIcon);
    if (fill) {
        m_fill = fill;
    }
    if (charge) {
        m_charge = charge;
    }
    UpdateControl(true);
    return fill && charge;
}

void BatteryCtrl::SetBatteryInfo(int level, int charging)
{
    level = std::clamp(level, 0, 100);
    if (level == m_level && charging == m_charging) {
        return;
    }
    m_level = level;
    m_charging = charging;
    SetControlTitle(std::to_string(level) + "%");
    UpdateControl(true);
}

void BatteryCtrl::DrawControl(HDC& hdc, CRect)
{
    DrawSliceAt(hdc, 0, m_rect.TopLeft());
    int frameWidth = m_image ? m_sliceWidth : 0;
    if (m_charging == 1) {
        if (m_charge) {
            int top = m_rect.top + (m_rect.Height() - m_charge->GetHeight()) / 2;
            MRender::DrawImage(hdc, m_charge.get(), m_rect.left + frameWidth + kChargeGap, top);
        }
        return;
    }
    int level = m_level;
    if (m_fill) {
        int width = level * m_fill->GetWidth() / 100;
        if (width > 0) {
            CRect dest(m_rect.left, m_rect.top, m_rect.left + width, m_rect.top + m_fill->GetHeight());
            MRender::DrawImage(hdc, m_fill.get(), dest, 0, 0, width, m_fill->GetHeight());
        }
    }
    if (level != 0) {
        CRect box(m_rect.left, m_rect.top, m_rect.left + frameWidth, m_rect.bottom);
        MRender::DrawTextW(hdc, std::to_string(level) + "%", GetFont(), box, m_textColor,
            StringFormat::FromDT(DT_CENTER, DT_VCENTER, StringFormatFlagsNoWrap));
    }
}

} // namespace lumo

LUMO_REGISTER_CONTROL_AS(lumo::BatteryCtrl, "BatteryCtrl", lumo::kWindowFactory)
