#pragma once

// A number box with up and down arrows ("img_spin_up.png", "img_spin_down.png") stacked at
// its right edge. The arrows, Up / keypad plus and Down / keypad minus step the value by
// one, wrapping around the range (past the maximum to the minimum and back). While focused,
// digits are appended to the value's decimal text (a text longer than the length limit
// starts again from the digit alone) and Backspace removes the last digit. Every arrow
// press, step key and digit sends NOTIFY_SPIN, also when the value stays the same;
// Backspace only when it changed the value.

#include "lumoui/ControlFactory.h"
#include "lumoui/ImageStrip.h"
#include "lumoui/MControlFont.h"

#include <string>

namespace lumo {

class MSpinButton : public MControlFont {
public:
    MSpinButton(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~MSpinButton() override;

    // min <= max; a reversed range is swapped. The value is kept inside it.
    void SetRange(int min, int max);
    int GetMinValue() const { return m_min; }
    int GetMaxValue() const { return m_max; }
    // Clamped to the range; repaints when changed, sends nothing.
    void SetCurValue(int value);
    int GetCurValue() const { return m_value; }
    // Most digits typed text may have (1-18); by default the digits of the maximum.
    void SetLimitLength(int length);
    int GetLimitLength() const;

    // The arrows' rects (window coordinates).
    CRect GetUpRect() const;
    CRect GetDownRect() const;

    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC& hdc, CRect clip) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    bool OnControlKeyDown(UINT vk, UINT repeat, UINT flags) override;
    bool OnNativeTimer(UINT key) override;
    bool SetControlFocus(bool focus) override;

    static constexpr int kDefaultArrowWidth = 16;

protected:
    enum Arrow { ARROW_NONE = 0, ARROW_UP = 1, ARROW_DOWN = 2 };

    // One step up or down with wrapping, then NOTIFY_SPIN.
    void Step(int delta);
    void TypeDigit(int digit);
    void RemoveDigit();
    int Wrap(long long value) const;
    Arrow ArrowAt(CPoint pt) const;
    void DrawBox(HDC dc, const CRect& rect) const;
    void DrawArrow(HDC dc, const ImageStrip& strip, Arrow which, const CRect& rect) const;

    int m_min = 0;
    int m_max = 100;
    int m_value = 0;
    int m_limit = 0; // 0 = the digits of the maximum
    Arrow m_hot = ARROW_NONE;
    Arrow m_pressed = ARROW_NONE;
    int m_heldTicks = 0;
    ImageStrip m_up;
    ImageStrip m_down;
    // The arrows' column is as wide as their pictures.
    CSize m_arrowSize { kDefaultArrowWidth, 12 };
};

} // namespace lumo
