#pragma once

// A level bar: a row of equal blocks, one per level step of the range, lit up to the
// current level. Pressing (or dragging over) a block sets the level to it and sends
// NOTIFY_CLICK (new level, 0) when the level changed.

#include "lumoui/ControlFactory.h"
#include "lumoui/MControlFont.h"

namespace lumo {

class MLevelCtrl : public MControlFont {
public:
    MLevelCtrl(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    // Clamped to the range; repaints when changed (no notification).
    void SetLevelValue(int level);
    int GetLevelValue() const { return m_level; }
    // min < max; other ranges are refused (false).
    bool SetRangeValue(int min, int max);
    int GetMinValue() const { return m_min; }
    int GetMaxValue() const { return m_max; }
    // The level a press at window x gives: the block under it.
    int LevelAt(int x) const;
    void SetLevelColor(ARGB lit, ARGB unlit);

    void DrawControl(HDC& hdc, CRect clip) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;

    static constexpr int kBlockGap = 2;

private:
    void Choose(int x);

    int m_level = 0;
    int m_min = 0;
    int m_max = 10;
    ARGB m_lit = 0xFF007ACC;
    ARGB m_unlit = 0xFF1B2733;
    bool m_pressed = false;
};

} // namespace lumo
