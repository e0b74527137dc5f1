#include "lumoui/MSlider.h"

#include "controls/SlotCache.h"
#include "lumoui/MRender.h"
#include "lumoui/Messages.h"
#include "lumoui/PaintManager.h"

#include <algorithm>
#include <cstdio>

namespace lumo {

namespace {

// Where the track sits inside the control.
constexpr int kTrackTop = 15;
constexpr int kEmptyLeft = 12;
constexpr int kEmptyShrink = 20;
constexpr int kFilledLeft = 10;
constexpr int kThumbSlices = 4;
constexpr int kThumbHotSlice = 1;
constexpr int kThumbDisabledSlice = 3;
constexpr ARGB kSliderText = 0xFF050505;
constexpr ARGB kScaleColor = 0xFF555028;

} // namespace

MSlider::MSlider(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
    m_textColor = kSliderText;
    m_hAlign = DT_CENTER;
}

void MSlider::SetProgress(int progress)
{
    if (progress < 0) {
        return;
    }
    progress = std::clamp(progress, m_min, std::max(m_min, m_max));
    if (progress != m_progress) {
        m_progress = progress;
        UpdateControl(true);
    }
}

void MSlider::SetMinProgress(int min)
{
    m_min = min;
    m_progress = std::clamp(m_progress, m_min, std::max(m_min, m_max));
    UpdateControl(true);
}

void MSlider::SetMaxProgress(int max)
{
    m_max = max;
    m_progress = std::clamp(m_progress, m_min, std::max(m_min, m_max));
    UpdateControl(true);
}

void MSlider::SetShowText(bool show)
{
    if (show != m_showText) {
        m_showText = show;
        UpdateControl(true);
    }
}

void MSlider::SetScale(int divisions)
{
    m_scale = std::max(0, divisions);
    UpdateControl(true);
}

bool MSlider::SetThumbImage(const std::string& fileName)
{
    if (!m_thumb.Load(m_manager, fileName, kThumbSlices)) {
        return false;
    }
    m_thumbSize = m_thumb.GetSliceSize();
    UpdateControl(true);
    return true;
}

bool MSlider::SetImage(const std::string& fileName, int count)
{
    if (!m_manager) {
        return false;
    }
    ImgResInfo* info = m_manager->AddImgResInfo(fileName, 1);
    if (!info) {
        return false;
    }
    m_image = info->image;
    m_sliceWidth = info->image->GetWidth();
    m_sliceHeight = info->image->GetHeight() / 2;
    m_sliceCount = count;
    m_imageFile = fileName;
    UpdateControl(true);
    return true;
}

int MSlider::GetThumbPos() const
{
    int span = GetRect().Width() - m_thumbSize.cx;
    if (span <= 0 || m_max <= m_min) {
        return 0;
    }
    long long pos = static_cast<long long>(span) * (m_progress - m_min) / (m_max - m_min);
    return static_cast<int>(std::clamp<long long>(pos, 0, span));
}

CRect MSlider::GetThumbRect() const
{
    CRect r = GetRect();
    return CRect(CPoint(r.left + GetThumbPos(), r.top), m_thumbSize);
}

int MSlider::ProgressAt(int x) const
{
    int span = GetRect().Width() - m_thumbSize.cx;
    if (span <= 0 || m_max <= m_min) {
        return m_min;
    }
    long long p = m_min + static_cast<long long>(x) * (m_max - m_min + 1) / span;
    return static_cast<int>(std::clamp<long long>(p, m_min, m_max));
}

void MSlider::ChangeProgress(int progress)
{
    if (progress == m_progress) {
        return;
    }
    m_progress = progress;
    UpdateControl(true);
    SendMessageW(NOTIFY_POSITION, static_cast<WPARAM>(m_progress), 0);
}

void MSlider::SetThumbHot(bool hot)
{
    if (hot != m_thumbHot) {
        m_thumbHot = hot;
        UpdateControl(true);
    }
}

bool MSlider::OnControlMouseMove(UINT, CPoint pt)
{
    if (m_dragging) {
        ChangeProgress(ProgressAt(pt.x - GetRect().left));
        return true;
    }
    SetThumbHot(IsEnabled() && GetThumbRect().PtInRect(pt));
    return GetRect().PtInRect(pt);
}

bool MSlider::OnControlLButtonDown(UINT, CPoint pt)
{
    if (!GetRect().PtInRect(pt)) {
        return false;
    }
    if (!IsEnabled() || m_max <= m_min) {
        return true;
    }
    m_dragging = true;
    m_thumbHot = true;
    UpdateControl(true);
    ChangeProgress(ProgressAt(pt.x - GetRect().left));
    return true;
}

bool MSlider::OnControlLButtonUp(UINT, CPoint pt)
{
    if (!m_dragging) {
        return false;
    }
    m_dragging = false;
    m_thumbHot = GetThumbRect().PtInRect(pt);
    UpdateControl(true);
    SendMessageW(NOTIFY_CLICK, 0, 0);
    return true;
}

bool MSlider::OnControlScroll(bool, UINT down, CPoint)
{
    if (m_max <= m_min) {
        return false;
    }
    int progress = std::clamp(m_progress + (down ? -1 : 1), m_min, m_max);
    // A step against the end of the range changes nothing, so nothing is committed.
    if (progress != m_progress) {
        m_progress = progress;
        UpdateControl(true);
        SendMessageW(NOTIFY_CLICK, 0, 0);
    }
    return true;
}

void MSlider::SetControlRect(CRect rect)
{
    MControlFont::SetControlRect(rect);
    m_dragging = false;
}

void MSlider::DrawTrack(HDC dc, const CRect& rect) const
{
    const int half = m_sliceHeight;
    if (!m_image || half <= 0) {
        return;
    }
    const MImage* img = m_image.get();
    MRender::DrawImage(dc, img, CRect(rect.left + kEmptyLeft, rect.top + kTrackTop,
        rect.left + kEmptyLeft + rect.Width() - kEmptyShrink, rect.top + kTrackTop + half), 0, half, img->GetWidth(),
        half);
    if (!m_thumb.IsLoaded() || m_min >= m_max) {
        return;
    }
    // The filled part is cut from the image's left edge; only a fill wider than the image
    // is stretched.
    int width = GetThumbPos() + kFilledLeft;
    int srcWidth = std::min(width, img->GetWidth());
    MRender::DrawImage(dc, img, CRect(CPoint(rect.left + kFilledLeft, rect.top + kTrackTop), CSize(width, half)), 0, 0,
        srcWidth, half);
}

void MSlider::DrawScale(HDC dc, const CRect& rect) const
{
    if (m_scale <= 0) {
        return;
    }
    const int span = rect.Width() - m_thumbSize.cx;
    const int y = rect.top + kTrackTop + std::max(m_sliceHeight, 6) + 4;
    for (int i = 0; i <= m_scale; ++i) {
        int x = rect.left + m_thumbSize.cx / 2 + span * i / m_scale;
        MRender::FillSolidRect(dc, CRect(x, y, x + 1, y + 4), kScaleColor);
    }
}

void MSlider::DrawControl(HDC& hdc, CRect)
{
    DrawSlotCache(*this, hdc, 1, 0, [this](HDC dc, int, const CRect& rect) {
        DrawTrack(dc, rect);
        DrawScale(dc, rect);
        if (m_min < m_max) {
            int slice = !IsEnabled() ? kThumbDisabledSlice : (m_thumbHot || m_dragging) ? kThumbHotSlice : 0;
            m_thumb.DrawAt(dc, slice, CPoint(rect.left + GetThumbPos(), rect.top));
        }
        if (m_showText) {
            char number[16];
            std::snprintf(number, sizeof number, "%d", m_progress);
            CRect text(rect.left, rect.bottom - kTextHeight, rect.right, rect.bottom);
            MRender::DrawTextW(dc, m_title + number, GetFont(), text, m_textColor,
                StringFormat::FromDT(m_hAlign, DT_VCENTER, StringFormatFlagsNoWrap));
        }
    });
}

LUMO_REGISTER_CONTROL(MSlider, kWindowFactory | kContainerFactory)

} // namespace lumo
