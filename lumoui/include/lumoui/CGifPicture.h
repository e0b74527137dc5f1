#pragma once

// An animated picture (GIF), the current frame scaled over the control. While running,
// every fifth animation tick shows the next frame (wrapping to the first), so with the
// usual 10 ms ticks a frame lasts 50 ms. With mouse-move activation on, it runs only while
// the mouse is over it and starts again from the first frame each time the mouse enters.

#include "lumoui/ControlFactory.h"
#include "lumoui/MControlFont.h"

#include <atomic>

namespace lumo {

class CGifPicture : public MControlFont {
public:
    CGifPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    // The whole picture through the window's image cache (the count is not used), shown from
    // its first frame. False when it cannot be loaded.
    bool SetImage(const std::string& fileName, int count) override;
    using MControlFont::SetImage;
    // Only for pictures of more than one frame: the frame to show (clamped) and whether ticks
    // advance it. Registers the control with the animation timer.
    void SetRunState(bool run, int frame = 0);
    void SetMouseMoveActive(bool active);
    bool IsAnimate() const { return m_running.load(); }
    int GetFrameCount() const { return m_frames.load(); }
    int GetCurFrame() const { return m_frame.load(); }

    bool OnControlTimer() override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnCheckMouseResponse(UINT flags, CPoint pt) override;
    void DrawControl(HDC& hdc, CRect clip) override;

    static constexpr int kTicksPerFrame = 5;

private:
    bool Advancing() const;

    // Ticks arrive on the timer's thread: everything they touch is atomic.
    std::atomic<int> m_frames { 0 };
    std::atomic<int> m_frame { 0 };
    std::atomic<int> m_tick { 0 };
    std::atomic<bool> m_running { false };
    std::atomic<bool> m_mouseActive { false };
    std::atomic<bool> m_mouseInside { false };
};

} // namespace lumo
