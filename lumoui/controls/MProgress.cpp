#include "lumoui/MProgress.h"

#include "controls/AnimationTicks.h"
#include "controls/SlotCache.h"
#include "lumoui/MRender.h"
#include "lumoui/PaintManager.h"

#include <algorithm>
#include <cstdio>

namespace lumo {

MProgress::MProgress(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
    m_hAlign = DT_CENTER;
}

void MProgress::SetProgress(int progress)
{
    progress = std::clamp(progress, 0, m_max);
    if (progress != m_progress) {
        m_progress = progress;
        UpdateControl(true);
    }
}

void MProgress::SetMaxProgress(int max)
{
    m_max = std::max(1, max);
    m_progress = std::min(m_progress, m_max);
    UpdateControl(true);
}

bool MProgress::LoadImage(const std::string& fileName, MImagePtr& image)
{
    ImgResInfo* info = m_manager ? m_manager->AddImgResInfo(fileName, 1) : nullptr;
    if (!info) {
        return false;
    }
    image = info->image;
    UpdateControl(true);
    return true;
}

bool MProgress::SetBackGroundImage(const std::string& fileName) { return LoadImage(fileName, m_back); }
bool MProgress::SetForeGroundImage(const std::string& fileName) { return LoadImage(fileName, m_fore); }

void MProgress::SetRun(bool run)
{
    m_tick = 0;
    m_running = run;
    RunOnAnimationTicks(*this, run);
    UpdateControl(true);
}

void MProgress::EnableShowText(bool show)
{
    if (show != m_showText) {
        m_showText = show;
        UpdateControl(true);
    }
}

int MProgress::GetDoneWidth(int width) const
{
    return static_cast<int>(static_cast<long long>(width) * m_progress / m_max);
}

bool MProgress::OnControlTimer()
{
    if (!m_running) {
        return false;
    }
    m_tick = (m_tick + 1) % kSweepTicks;
    UpdateControl(true);
    return true;
}

void MProgress::DrawBar(HDC dc, const MImage* image, const CRect& rect, ARGB color) const
{
    if (rect.IsRectEmpty()) {
        return;
    }
    if (image) {
        MRender::DrawImageFrame(dc, image, rect, 0, 0, image->GetWidth(), image->GetHeight(), image->GetHeight() / 2);
    } else {
        MRender::FillSolidRect(dc, rect, color);
    }
}

void MProgress::DrawControl(HDC& hdc, CRect)
{
    DrawSlotCache(*this, hdc, 1, 0, [this](HDC dc, int, const CRect& rect) {
        DrawBar(dc, m_back.get(), rect, kBackColor);
        CRect done = rect;
        if (m_running) {
            // A quarter-width segment enters at the left and leaves at the right.
            int segment = std::max(1, rect.Width() / 4);
            int x = rect.left - segment + (rect.Width() + segment) * m_tick / kSweepTicks;
            done = CRect(std::max(x, rect.left), rect.top, std::min(x + segment, rect.right), rect.bottom);
        } else {
            done.right = rect.left + GetDoneWidth(rect.Width());
        }
        cairo_save(dc);
        cairo_rectangle(dc, done.left, done.top, std::max(0, done.Width()), done.Height());
        cairo_clip(dc);
        DrawBar(dc, m_fore.get(), rect, kForeColor);
        cairo_restore(dc);
        if (m_showText && !m_running) {
            char text[16];
            std::snprintf(text, sizeof text, "%d%%", m_progress * 100 / m_max);
            MRender::DrawTextW(dc, text, GetFont(), rect, m_textColor,
                StringFormat::FromDT(m_hAlign, m_vAlign, StringFormatFlagsNoWrap));
        }
    });
}

LUMO_REGISTER_CONTROL(MProgress, kWindowFactory | kContainerFactory)

} // namespace lumo
