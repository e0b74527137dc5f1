#include "lumoui/MPicture.h"

#include "controls/PictureDraw.h"
#include "controls/SlotCache.h"

namespace lumo {

namespace {

constexpr int kNineGridMode = 3;
constexpr int kFourEdgeMode = 4;

} // namespace

MPicture::MPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, visible != 0, enabled != 0)
{
    m_sliceCount = 1;
}

MPicture::~MPicture() = default;

void MPicture::SetShowMode(int mode, int edge)
{
    if (mode == m_mode && (mode != kNineGridMode || edge == m_edge)) {
        return;
    }
    m_mode = mode;
    m_edge = edge;
    UpdateControl(true);
}

int MPicture::GetShowMode() const { return m_mode; }

void MPicture::SetShowModeMID(int left, int top, int right, int bottom)
{
    m_edges = CRect(left, top, right, bottom);
    m_mode = kFourEdgeMode;
    UpdateControl(true);
}

void MPicture::SetCustomRect(CRect rect)
{
    m_custom = rect;
    UpdateControl(true);
}

bool MPicture::OnCheckMouseResponse(UINT, CPoint) { return true; }

PictureFit MPicture::GetFit() const
{
    PictureFit fit;
    fit.mode = m_mode;
    fit.edge = m_edge;
    fit.left = m_edges.left;
    fit.top = m_edges.top;
    fit.right = m_edges.right;
    fit.bottom = m_edges.bottom;
    fit.custom = m_custom;
    fit.hAlign = m_hAlign;
    fit.vAlign = m_vAlign;
    return fit;
}

void MPicture::DrawPictureInto(HDC dc, const CRect& dest) const
{
    DrawPicture(dc, m_image.get(), CRect(0, 0, m_sliceWidth, m_sliceHeight), dest, GetFit());
}

void MPicture::DrawControl(HDC& hdc, CRect)
{
    DrawSlotCache(*this, hdc, 1, 0, [this](HDC dc, int, const CRect& rect) { DrawPictureInto(dc, rect); });
}

LUMO_REGISTER_CONTROL(MPicture, kWindowFactory | kContainerFactory)

} // namespace lumo
