#include "lumoui/CPhotoFrame.h"

#include "controls/PictureDraw.h"
#include "lumoui/MRender.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr ARGB kDisabledVeil = 0xA0130D09;

} // namespace

CPhotoFrame::CPhotoFrame(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MButton(parent, id, rect, "", visible, enabled)
{
    m_sliceCount = 1;
}

bool CPhotoFrame::SetPhotoFrame(const std::string& fileName, int edge, int count)
{
    if (!m_frame.Load(m_manager, fileName, count)) {
        return false;
    }
    m_edge = std::max(0, edge);
    UpdateControl(true);
    return true;
}

void CPhotoFrame::SetShowMode(int mode, int edge)
{
    if (mode == m_mode && edge == m_modeEdge) {
        return;
    }
    m_mode = mode;
    m_modeEdge = edge;
    UpdateControl(true);
}

void CPhotoFrame::DrawSlot(HDC dc, int slot, const CRect& rect)
{
    PictureFit fit;
    fit.mode = m_mode;
    fit.edge = m_modeEdge;
    fit.hAlign = m_hAlign;
    fit.vAlign = m_vAlign;
    // The frame goes first: a frame picture may well have an opaque middle.
    m_frame.DrawFrame(dc, slot, rect, std::max(m_edge, 1));
    CRect photo = rect;
    photo.DeflateRect(m_edge, m_edge);
    DrawPicture(dc, m_image.get(), CRect(0, 0, m_sliceWidth, m_sliceHeight), photo, fit);
    if (slot == BUTTON_DISABLED) {
        MRender::DrawColor(dc, photo, kDisabledVeil);
    }
}

LUMO_REGISTER_CONTROL(CPhotoFrame, kWindowFactory | kContainerFactory)

} // namespace lumo
