#include "lumoui/MScroll.h"
#include "lumoui/MRender.h"
#include "lumoui/Messages.h"
#include "lumoui/PaintManager.h"

#include <algorithm>
#include <cstdint>

namespace lumo {

namespace {

// A thumb shorter than this is stretched to it, so it stays easy to grab on long content.
constexpr int kMinThumb = 100;
// Tracks shorter than this keep a thumb that leaves this much room to move.
constexpr int kShortTrack = 150;
constexpr int kShortTrackRoom = 50;
constexpr ARGB kTrackColor = 0x18FFFFFF;

int MulDiv(int64_t a, int64_t b, int64_t c)
{
    return c == 0 ? 0 : static_cast<int>(a * b / c);
}

} // namespace

MScroll::MScroll(MObject* parent, UINT id, CRect rect, int visible, bool vertical)
    : MControlFont(parent, id, rect, visible != 0, true)
    , m_vertical(vertical)
{
}

MScroll::~MScroll() = default;

void MScroll::InitControl(PaintManager* manager)
{
    if (!manager) {
        return;
    }
    UINT resource = m_vertical ? manager->GetScrollVID() : manager->GetScrollHID();
    if (resource != 0 && SetImage(resource, "PNG", 4)) {
        return;
    }
    SetImage(m_vertical ? "img_scroll_v.png" : "img_scroll_h.png", 1);
}

// Geometry ----------------------------------------------------------------------------------------

int MScroll::Length() const
{
    return m_vertical ? m_rect.Height() : m_rect.Width();
}

int MScroll::GetThickness() const
{
    return std::max(0, m_vertical ? m_rect.Width() : m_rect.Height());
}

int MScroll::GetTrackLength() const
{
    return std::max(0, Length() - 2 * GetThickness());
}

int MScroll::GetPage() const
{
    if (m_page > 0) {
        return m_page;
    }
    int length = Length();
    return length < m_range / 10 ? m_range / 10 : length;
}

bool MScroll::IsUsable() const
{
    return GetPage() < m_range && GetTrackLength() > 0;
}

int MScroll::GetThumbLength() const
{
    int track = GetTrackLength();
    if (track <= 0) {
        return 0;
    }
    int half = std::max(1, GetThickness() / 2);
    int length = m_range > 0 ? MulDiv(GetPage(), track, m_range) : track;
    length = std::max(length, half);
    if (length < kMinThumb) {
        length = track < kShortTrack ? track - kShortTrackRoom : kMinThumb;
    }
    // A very short track would ask for a thumb of no or negative length: keep it grabbable
    // and inside the track.
    return std::clamp(length, std::min(half, track), track);
}

CRect MScroll::GetThumbRect() const
{
    if (!IsUsable()) {
        return CRect();
    }
    int start = GetThickness() + m_thumbOffset;
    int length = GetThumbLength();
    if (m_vertical) {
        return CRect(m_rect.left, m_rect.top + start, m_rect.right, m_rect.top + start + length);
    }
    return CRect(m_rect.left + start, m_rect.top, m_rect.left + start + length, m_rect.bottom);
}

void MScroll::PlaceThumb()
{
    int travel = Travel();
    m_thumbOffset = travel > 0 && m_range > 0 ? std::clamp(MulDiv(m_pos, travel, m_range), 0, travel) : 0;
}

void MScroll::SetControlRect(CRect rect)
{
    MControlFont::SetControlRect(rect);
    PlaceThumb();
}

// Range and position ------------------------------------------------------------------------------

void MScroll::SetRange(int range)
{
    m_range = std::max(0, range);
    m_pos = std::clamp(m_pos, 0, m_range);
    PlaceThumb();
    UpdateControl(false);
}

void MScroll::SetScrollInfo(int range, int page)
{
    m_page = std::max(0, page);
    SetRange(range);
}

bool MScroll::SetScrollCurrentPos(int pos)
{
    pos = std::clamp(pos, 0, m_range);
    bool changed = pos != m_pos;
    m_pos = pos;
    PlaceThumb();
    if (changed) {
        UpdateControl(false);
    }
    return changed;
}

int MScroll::GetScrollStep() const
{
    return m_step > 0 ? m_step : std::max(1, m_range / 10);
}

bool MScroll::ScrollRow(bool down)
{
    return SetScrollCurrentPos(m_pos + (down ? GetScrollStep() : -GetScrollStep()));
}

bool MScroll::MoveThumb(int offset)
{
    int travel = Travel();
    offset = std::clamp(offset, 0, std::max(0, travel));
    if (offset == m_thumbOffset) {
        return false;
    }
    m_thumbOffset = offset;
    m_pos = travel > 0 ? MulDiv(offset, m_range, travel) : 0;
    UpdateControl(false);
    SendMessageW(NOTIFY_POSITION, static_cast<WPARAM>(m_pos), 0);
    return true;
}

// Input -------------------------------------------------------------------------------------------

bool MScroll::OnControlLButtonDown(UINT, CPoint pt)
{
    if (!IsEnabled() || !IsUsable() || !m_rect.PtInRect(pt)) {
        return false;
    }
    CRect thumb = GetThumbRect();
    if (thumb.PtInRect(pt)) {
        m_dragging = true;
        m_dragStart = Along(pt);
        m_dragOffset = m_thumbOffset;
        UpdateControl(false);
        return true;
    }
    int page = std::max(1, MulDiv(GetPage(), GetTrackLength(), m_range));
    int thumbStart = GetThickness() + m_thumbOffset;
    MoveThumb(Along(pt) < thumbStart ? m_thumbOffset - page : m_thumbOffset + page);
    return true;
}

bool MScroll::OnControlMouseMove(UINT, CPoint pt)
{
    if (m_dragging) {
        MoveThumb(m_dragOffset + Along(pt) - m_dragStart);
        return true;
    }
    bool hot = IsEnabled() && GetThumbRect().PtInRect(pt);
    if (hot != m_hot) {
        m_hot = hot;
        UpdateControl(false);
    }
    return m_rect.PtInRect(pt);
}

bool MScroll::OnControlLButtonUp(UINT, CPoint pt)
{
    if (!m_dragging) {
        return false;
    }
    m_dragging = false;
    m_hot = GetThumbRect().PtInRect(pt);
    UpdateControl(false);
    return true;
}

// Drawing -----------------------------------------------------------------------------------------

int MScroll::ThumbState() const
{
    if (!IsEnabled()) {
        return 3;
    }
    return m_dragging ? 2 : m_hot ? 1 : 0;
}

void MScroll::DrawControl(HDC& hdc, CRect)
{
    if (!IsUsable()) {
        return;
    }
    int t = GetThickness();
    CRect track = m_rect;
    if (m_vertical) {
        track.DeflateRect(0, t);
    } else {
        track.DeflateRect(t, 0);
    }
    MRender::DrawColor(hdc, track, kTrackColor);
    CRect thumb = GetThumbRect();
    int state = m_sliceCount >= 4 ? ThumbState() : 0;
    int edge = std::max(1, std::min(m_vertical ? m_sliceWidth : m_sliceHeight, t) / 2);
    DrawSlice(hdc, state, thumb, edge);
}

CScrollVertical::CScrollVertical(MObject* parent, UINT id, CRect rect, int visible)
    : MScroll(parent, id, rect, visible, true)
{
}

CScrollHorizontal::CScrollHorizontal(MObject* parent, UINT id, CRect rect, int visible)
    : MScroll(parent, id, rect, visible, false)
{
}

} // namespace lumo
