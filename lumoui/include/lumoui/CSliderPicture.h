#pragma once

// A slide show: the slices of one image strip shown one after another, each stretched over
// the control. While running, each picture stays for kHoldTicks animation ticks and then
// slides out to the left as the next one slides in over kSlideTicks ticks (after the last
// picture comes the first again).

#include "lumoui/ControlFactory.h"
#include "lumoui/MControlFont.h"

#include <atomic>

namespace lumo {

class CSliderPicture : public MControlFont {
public:
    CSliderPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    // The strip with one picture per slice; shows the first picture.
    bool SetImage(const std::string& fileName, int count) override;
    using MControlFont::SetImage;
    // Starts or stops the show (on the window's animation timer).
    void SetRun(bool run);
    bool IsRun() const { return m_running.load(); }
    int GetCurIndex() const { return m_index.load(); }
    // Pixels the current picture has moved out to the left.
    int GetSlideOffset() const;

    bool OnControlTimer() override;
    void DrawControl(HDC& hdc, CRect clip) override;
    bool OnCheckMouseResponse(UINT flags, CPoint pt) override;

    static constexpr int kHoldTicks = 300;
    static constexpr int kSlideTicks = 30;

private:
    std::atomic<bool> m_running { false };
    std::atomic<int> m_index { 0 };
    std::atomic<int> m_tick { 0 };
    // Read by ticks on the timer's thread, so it is kept apart from the image.
    std::atomic<int> m_slices { 0 };
};

} // namespace lumo
