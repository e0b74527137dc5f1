#pragma once

// Scroll bars: MScroll is the bar along either axis, CScrollVertical and CScrollHorizontal fix
// the axis. Containers own them as children with IDs 1 (vertical) and 2 (horizontal).
//
// Model: the range R is the content length, the page P the visible length (when not set: the
// bar's length, or R / 10 when the bar is shorter than a tenth of R), the position runs over
// 0..R as the thumb travels from one end of the track to the other. The bar is usable only
// while P < R. The track is the bar's length minus an end margin of the bar's thickness at
// each end.
//
// Input: dragging the thumb moves it by the mouse delta (clamped to the track), a press on the
// track outside the thumb moves it one page towards the press; both send
// NOTIFY_POSITION (position, 0) for every change. Programmatic moves send nothing.

#include "lumoui/MControlFont.h"

namespace lumo {

class MScroll : public MControlFont {
public:
    MScroll(MObject* parent, UINT id, CRect rect, int visible, bool vertical);
    ~MScroll() override;

    // Loads the toolkit's scroll strip (4 slices: normal, hover, dragged, disabled) named by
    // the paint manager's scroll resource IDs, or the skin's one-slice picture when there is
    // no resource ID or the resource does not load.
    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC& hdc, CRect clip) override;
    void SetControlRect(CRect rect) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;

    bool IsVertical() const { return m_vertical; }
    // Content length; the position is clamped into 0..range.
    void SetRange(int range);
    int GetRange() const { return m_range; }
    // Range and page together; a page of 0 means "not set" (see above).
    void SetScrollInfo(int range, int page);
    // The page in effect.
    int GetPage() const;
    // Clamps to 0..range and moves the thumb; true when the position changed. No notification.
    bool SetScrollCurrentPos(int pos);
    int GetScrollCurrentPos() const { return m_pos; }
    // Moves the position one step down (towards the range) or up; true when it changed.
    bool ScrollRow(bool down);
    // Step of ScrollRow in position units; 0 (the default) means a tenth of the range.
    void SetScrollStep(int step) { m_step = step < 0 ? 0 : step; }
    int GetScrollStep() const;

    bool IsUsable() const;
    bool IsDragging() const { return m_dragging; }
    // Extent across the axis; also the end margin at each end of the track.
    int GetThickness() const;
    int GetTrackLength() const;
    int GetThumbLength() const;
    // In window coordinates; empty while the bar is not usable.
    CRect GetThumbRect() const;

private:
    int Length() const;
    int Along(CPoint pt) const { return m_vertical ? pt.y - m_rect.top : pt.x - m_rect.left; }
    int Travel() const { return GetTrackLength() - GetThumbLength(); }
    void PlaceThumb();
    // Moves the thumb (offset from the start of the track), derives the position, repaints
    // and notifies. False when the thumb did not move.
    bool MoveThumb(int offset);
    int ThumbState() const;

    bool m_vertical;
    int m_range = 0;
    int m_page = 0;
    int m_pos = 0;
    int m_step = 0;
    int m_thumbOffset = 0;
    bool m_dragging = false;
    int m_dragStart = 0;
    int m_dragOffset = 0;
    bool m_hot = false;
};

class CScrollVertical : public MScroll {
public:
    CScrollVertical(MObject* parent, UINT id, CRect rect, int visible);
};

class CScrollHorizontal : public MScroll {
public:
    CScrollHorizontal(MObject* parent, UINT id, CRect rect, int visible);
};

} // namespace lumo
