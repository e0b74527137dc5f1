#pragma once

// The battery indicator: a frame picture (SetImage), a fill picture cut to the level from its
// left edge and drawn over the frame, the level as "N%" centred in the frame; while charging,
// no fill and no text but a charging icon 5 pixels right of the frame.

#include "lumoui/MControlFont.h"

#include <atomic>
#include <string>

namespace lumo {

class BatteryCtrl : public MControlFont {
public:
    BatteryCtrl(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~BatteryCtrl() override;

    // Both pictures from the skin folder; each one that loads replaces the previous one.
    // True when both loaded.
    bool SetBatteryIcon(const std::string& fillImage, const std::string& chargingIcon);
    // Level in percent (clamped to 0..100) and charging (1 = charging). Repaints only when a
    // value changed; the level's text "N%" becomes the title.
    void SetBatteryInfo(int level, int charging);
    int GetLevel() const { return m_level; }
    int GetCharging() const { return m_charging; }

    void DrawControl(HDC& hdc, CRect clip) override;

private:
    MImagePtr LoadSkinImage(const std::string& file) const;

    MImagePtr m_fill;
    MImagePtr m_charge;
    std::atomic<int> m_level { 0 };
    std::atomic<int> m_charging { 0 };
};

} // namespace lumo
