#include "lumoui/DownloadButton.h"
#include "lumoui/MRender.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr int kBarInset = 4;
constexpr int kBarHeight = 2;

} // namespace

DownloadButton::DownloadButton(
    MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MButton(parent, id, rect, title, visible, enabled)
{
}

DownloadButton::~DownloadButton() = default;

void DownloadButton::SetDownloadProcess(int percent)
{
    percent = std::clamp(percent, 0, 100);
    if (percent == m_progress.exchange(percent)) {
        return;
    }
    UpdateControl(true);
}

void DownloadButton::SetFrameSize(int edge)
{
    m_frameEdge = std::max(0, edge);
    UpdateControl(true);
}

void DownloadButton::SetTextRect(CRect rect)
{
    m_textRect = rect;
    UpdateControl(true);
}

std::string DownloadButton::GetDrawnTitle() const
{
    int progress = m_progress;
    return progress > 0 ? std::to_string(progress) + "%" : m_title;
}

void DownloadButton::DrawSlot(HDC dc, int slot, const CRect& rect)
{
    DrawSlice(dc, slot, rect, m_frameEdge);
    CRect text = rect;
    if (!m_textRect.IsRectEmpty()) {
        text = m_textRect;
        text.OffsetRect(rect.left, rect.top);
    }
    if (slot == BUTTON_PRESSED) {
        text.OffsetRect(1, 1);
    }
    DrawIconAndTitle(dc, slot, text, slot == BUTTON_DISABLED ? kDisabledText : m_textColor);
    int progress = m_progress;
    if (progress > 0) {
        int width = (rect.Width() - 2 * kBarInset) * progress / 100;
        MRender::FillSolidRect(dc,
            CRect(rect.left + kBarInset, rect.bottom - kBarInset - kBarHeight, rect.left + kBarInset + width,
                rect.bottom - kBarInset),
            kBarColor);
    }
}

} // namespace lumo

LUMO_REGISTER_CONTROL_AS(lumo::DownloadButton, "DownloadButton", lumo::kContainerFactory)
