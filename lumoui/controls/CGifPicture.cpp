#include "lumoui/CGifPicture.h"

#include "controls/AnimationTicks.h"
#include "controls/SlotCache.h"
#include "lumoui/MRender.h"

#include <algorithm>

namespace lumo {

CGifPicture::CGifPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
    m_sliceCount = 1;
}

bool CGifPicture::SetImage(const std::string& fileName, int)
{
    bool loaded = MControlFont::SetImage(fileName, 1);
    m_frames = m_image ? m_image->GetFrameCount() : 0;
    m_frame = 0;
    m_tick = 0;
    // A running animation goes on with the new picture, unless it has nothing to animate.
    if (m_frames.load() <= 1 && m_running.exchange(false)) {
        SetAnimationRunning(false);
        RunOnAnimationTicks(*this, false);
    }
    return loaded;
}

void CGifPicture::SetRunState(bool run, int frame)
{
    int frames = m_frames.load();
    if (frames <= 1) {
        return;
    }
    m_frame = std::clamp(frame, 0, frames - 1);
    m_tick = 0;
    m_running = run;
    SetAnimationRunning(run);
    RunOnAnimationTicks(*this, run);
    UpdateControl(true);
}

void CGifPicture::SetMouseMoveActive(bool active) { m_mouseActive = active; }

bool CGifPicture::Advancing() const { return m_running && (!m_mouseActive || m_mouseInside); }

bool CGifPicture::OnControlTimer()
{
    if (!Advancing()) {
        return false;
    }
    if (++m_tick % kTicksPerFrame != 0) {
        return true;
    }
    int frames = m_frames.load();
    if (frames > 1) {
        m_frame = (m_frame.load() + 1) % frames;
        UpdateControl(true);
    }
    return true;
}

bool CGifPicture::OnControlMouseMove(UINT, CPoint pt)
{
    bool inside = GetRect().PtInRect(pt);
    if (inside != m_mouseInside.exchange(inside) && inside && m_mouseActive) {
        // Each visit plays the animation from its start.
        m_tick = 0;
        m_frame = 0;
        UpdateControl(true);
    }
    return inside;
}

bool CGifPicture::OnCheckMouseResponse(UINT, CPoint) { return true; }

void CGifPicture::DrawControl(HDC& hdc, CRect)
{
    DrawSlotCache(*this, hdc, 1, 0, [this](HDC dc, int, const CRect& rect) {
        if (m_image) {
            MRender::DrawImage(
                dc, m_image.get(), rect, 0, 0, m_image->GetWidth(), m_image->GetHeight(), m_frame.load());
        }
    });
}

LUMO_REGISTER_CONTROL(CGifPicture, kWindowFactory | kContainerFactory)

} // namespace lumo
