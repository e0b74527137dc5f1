#include "lumoui/CLogonEdit.h"
#include "controls/IconStrip.h"
#include "lumoui/MRender.h"
#include "lumoui/PaintManager.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr int kCornerDivisor = 4;
constexpr int kTextGap = 4;

} // namespace

CLogonEdit::~CLogonEdit() = default;

CLogonEdit::CLogonEdit(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled)
    : MEditEx(parent, id, rect, title, visible, enabled)
    , m_logo(std::make_unique<IconStrip>())
{
    m_editor.SetRect(DefaultTextRect());
}

bool CLogonEdit::SetLogoImage(const std::string& fileName, int count)
{
    if (!m_logo->Load(m_manager, fileName, count)) {
        return false;
    }
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
    MRender::DrawRoundRectange(hdc, dest.left, dest.top, dest.Width() - 1, dest.Height() - 1, kCornerDivisor,
        border, 1.0f, true, m_fill);
}

void CLogonEdit::DrawControl(HDC& hdc, CRect clip)
{
    MEditEx::DrawControl(hdc, clip);
    int state = GetState();
    CPoint at = MRender::GetOriginPoint(GetLogoRect(), m_logo->size, DT_CENTER, DT_VCENTER);
    m_logo->Draw(hdc, state == 3 ? 2 : state == 2 ? 1 : 0, at);
}

} // namespace lumo
