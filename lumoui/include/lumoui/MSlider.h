#pragma once

// A horizontal slider: a track image (its upper half the filled part, its lower half the
// empty part), a thumb strip (slice 0 normal, 1 hovered or dragged, 3 disabled) and,
// optionally, the title followed by the value centred in the bottom 20 pixels.
//   thumb position = (width - thumb width) * (progress - min) / (max - min)
//   while dragging: progress = min + x * (max - min + 1) / (width - thumb width)
// (x from the control's left edge), clamped to the range; NOTIFY_POSITION (progress) for
// every change while dragging, NOTIFY_CLICK (0, 0) on the release and per wheel step.

#include "lumoui/ControlFactory.h"
#include "lumoui/ImageStrip.h"
#include "lumoui/MControlFont.h"

namespace lumo {

class MSlider : public MControlFont {
public:
    MSlider(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    // Negative values and the current value are ignored; others are clamped to the range.
    void SetProgress(int progress);
    int GetProgress() const { return m_progress; }
    // The range; the progress is kept inside it.
    void SetMinProgress(int min);
    void SetMaxProgress(int max);
    int GetMinProgress() const { return m_min; }
    int GetMaxProgress() const { return m_max; }
    void SetShowText(bool show);
    // Tick marks under the track dividing it into `divisions` parts (0 = none).
    void SetScale(int divisions);
    // A 4-slice thumb strip; the thumb takes the slice size. False when it cannot be loaded.
    bool SetThumbImage(const std::string& fileName);
    // The track image; one slice is half the image high (the count is kept but not used).
    bool SetImage(const std::string& fileName, int count) override;
    using MControlFont::SetImage;

    // The thumb's left edge from the control's left edge.
    int GetThumbPos() const;
    CRect GetThumbRect() const;
    bool IsDragging() const { return m_dragging; }

    void DrawControl(HDC& hdc, CRect clip) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    bool OnControlScroll(bool vertical, UINT down, CPoint pt) override;
    void SetControlRect(CRect rect) override;

    static constexpr int kTextHeight = 20;

private:
    void ChangeProgress(int progress);
    int ProgressAt(int x) const;
    void SetThumbHot(bool hot);
    void DrawTrack(HDC dc, const CRect& rect) const;
    void DrawScale(HDC dc, const CRect& rect) const;

    int m_progress = 0;
    int m_min = 0;
    int m_max = 10;
    CSize m_thumbSize { 36, 36 };
    ImageStrip m_thumb;
    bool m_showText = true;
    int m_scale = 0;
    bool m_thumbHot = false;
    bool m_dragging = false;
};

} // namespace lumo
