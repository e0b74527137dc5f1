#include "lumoui/CLogonEdit.h"
#include "lumoui/MRender.h"
#include "lumoui/PaintManager.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr int kCornerDivisor = 4;
constexpr int kTextGap = 4;

} // namespace

CLogonEdit::CLogonEdit(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MEditEx(parent, id, rect, title, visible, enabled)
{
    m_editor.SetRect(DefaultTextRect());
}

bool CLogonEdit::SetLogoImage(const std::string& fileName, int count)
{
    ImgResInfo* info = m_manager ? m_manager->AddImgResInfo(fileName, std::max(1, count)) : nullptr;
    if (!info) {
        return false;
    }
    m_logo = info->image;
    m_logoSize = CSize(info->sliceWidth, info->sliceHeight);
    m_logoCount = std::max(1, count);
    m_editor.SetRect(GetTextRect());
    UpdateControl(true);
    return true;
}

CRect CLogonEdit::GetLogoRect() const
{
    // A square as high as the field, the logo centred in it.
    return CRect(m_rect.left, m_rect.top, m_rect.left + m_rect.Height(), m_rect.bottom);
}

CRect CLogonEdit::DefaultTextRect() const
{
    CRect r = MEditEx::DefaultTextRect();
    r.left = std::max(r.left, GetLogoRect().right + kTextGap);
    return r;
}

void CLogonEdit::DrawFrame(HDC hdc, int state, const CRect& dest)
{
    ARGB border = m_border[std::clamp(state, 0, 2)];
    MRender::DrawRoundRectange(hdc, dest.left, dest.top, dest.Width() - 1, dest.Height() - 1, kCornerDivisor, border,
        1.0f, true, m_fill);
}

void CLogonEdit::DrawControl(HDC& hdc, CRect clip)
{
    MEditEx::DrawControl(hdc, clip);
    if (!m_logo || m_logoSize.cx <= 0) {
        return;
    }
    int state = GetState();
    int slice = std::min(state == 3 ? 2 : state == 2 ? 1 : 0, m_logoCount - 1);
    CRect box = GetLogoRect();
    CPoint at = MRender::GetOriginPoint(box, m_logoSize, DT_CENTER, DT_VCENTER);
    MRender::DrawImage(hdc, m_logo.get(), CRect(at, m_logoSize), slice * m_logoSize.cx, 0, m_logoSize.cx,
        m_logoSize.cy);
}

} // namespace lumo
