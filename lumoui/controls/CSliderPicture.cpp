#include "lumoui/CSliderPicture.h"

#include "controls/AnimationTicks.h"
#include "controls/SlotCache.h"
#include "lumoui/MRender.h"

#include <algorithm>

namespace lumo {

CSliderPicture::CSliderPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
    m_sliceCount = 1;
}

bool CSliderPicture::SetImage(const std::string& fileName, int count)
{
    m_index = 0;
    m_tick = 0;
    bool loaded = MControlFont::SetImage(fileName, std::max(1, count));
    m_slices = (m_image && m_sliceWidth > 0) ? std::max(1, m_image->GetWidth() / m_sliceWidth) : 0;
    return loaded;
}

void CSliderPicture::SetRun(bool run)
{
    m_tick = 0;
    m_running = run;
    RunOnAnimationTicks(*this, run);
    UpdateControl(true);
}

int CSliderPicture::GetSlideOffset() const
{
    int into = m_tick.load() - kHoldTicks;
    if (into <= 0) {
        return 0;
    }
    return GetRect().Width() * into / kSlideTicks;
}

bool CSliderPicture::OnControlTimer()
{
    if (!m_running || m_slices.load() < 2) {
        return false;
    }
    int tick = m_tick.load() + 1;
    if (tick >= kHoldTicks + kSlideTicks) {
        tick = 0;
        m_index = (m_index.load() + 1) % m_slices.load();
    }
    m_tick = tick;
    if (tick == 0 || tick > kHoldTicks) {
        UpdateControl(true);
    }
    return true;
}

bool CSliderPicture::OnCheckMouseResponse(UINT, CPoint) { return true; }

void CSliderPicture::DrawControl(HDC& hdc, CRect)
{
    DrawSlotCache(*this, hdc, 1, 0, [this](HDC dc, int, const CRect& rect) {
        int slices = m_slices.load();
        if (slices == 0) {
            return;
        }
        int index = m_index.load() % slices;
        int offset = GetSlideOffset();
        auto draw = [&](int i, int shift) {
            CRect dest = rect;
            dest.OffsetRect(shift, 0);
            MRender::DrawImage(dc, m_image.get(), dest, i * m_sliceWidth, 0, m_sliceWidth, m_sliceHeight);
        };
        draw(index, -offset);
        if (offset > 0) {
            draw((index + 1) % slices, rect.Width() - offset);
        }
    });
}

LUMO_REGISTER_CONTROL(CSliderPicture, kWindowFactory | kContainerFactory)

} // namespace lumo
