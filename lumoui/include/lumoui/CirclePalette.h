#pragma once

// A colour wheel: the wheel picture (SetImage, one slice) scaled to the control, from which
// the colour under the mouse is taken.
//   picking: a point counts only when it lies at most 65 pixels (truncated) from the centre;
//   a press picks at once and starts a drag, during which moves of up to 5 pixels in both
//   directions from the last picked point are ignored. Picking moves the 10 x 10 thumb rect
//   to the point and, when it moved, takes the picture's colour there.
//   notifications: NOTIFY_COLOR (0, colour) for every pick that moved the thumb,
//   NOTIFY_CLICK (0, colour) for every left release inside the control
// The colour is read from the picture rather than from the screen: the window's bitmap is
// not readable the way a desktop device context is, and the picture holds the same pixels.

#include "lumoui/ControlFactory.h"
#include "lumoui/MPanel.h"

namespace lumo {

class CirclePalette : public MPanel {
public:
    static constexpr int kPickRadius = 65;
    static constexpr int kDragThreshold = 5;
    static constexpr int kThumbSize = 10;
    static constexpr COLORREF kDefaultColor = 255; // red

    // Drag states.
    static constexpr int kIdle = 0;
    static constexpr int kOverThumb = 1;
    static constexpr int kDragging = 2;

    CirclePalette(MObject* parent, UINT id, CRect rect, int visible, int enabled = 1);
    ~CirclePalette() override;

    COLORREF GetSelectColor() const { return m_color; }
    // Distance of a window point from the control's centre, truncated.
    int GetDistanse(CPoint pt) const;
    CRect GetThumbRect() const { return m_thumb; }
    int GetDragState() const { return m_drag; }

    void DrawControl(HDC& hdc, CRect clip) override;
    void SetControlRect(CRect rect) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;

private:
    // Picks at a point that counts; true when it did.
    bool Pick(CPoint pt);
    // The picture's colour under a window point; false outside the picture.
    bool ColorAt(CPoint pt, COLORREF& color) const;

    COLORREF m_color = kDefaultColor;
    CRect m_thumb;
    int m_drag = kIdle;
    CPoint m_last;
};

} // namespace lumo
