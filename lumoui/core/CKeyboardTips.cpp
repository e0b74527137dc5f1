#include "lumoui/CKeyboardTips.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"

namespace lumo {

namespace {
constexpr int kWidth = 190;
constexpr int kHeight = 100;
constexpr ARGB kTitleColor = 0xFFC8C8C8;
constexpr ARGB kFallbackFill = 0xF0202428;
} // namespace

CKeyboardTips::CKeyboardTips(MObject* parent) : MPopupWnd(parent) { }

CKeyboardTips::~CKeyboardTips() = default;

bool CKeyboardTips::CreateTips(HWND owner, const std::string& backgroundImage)
{
    m_backImage = backgroundImage;
    SetLayeredWindow(true);
    return Create(owner, "KeyboardTip Window", 0x96000080 & ~WS_VISIBLE,
               WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LUMO_TOOLTIP, CRect(0, 0, kWidth, kHeight))
        != nullptr;
}

void CKeyboardTips::InitUI(CRect)
{
    EnableWndDrag(false);
    AddPainter([this](HDC& hdc, CRect rect) { DrawTips(hdc, rect); });
}

void CKeyboardTips::SetAirBladderMsg(
    const std::string& title, const std::string& line1, const std::string& line2, CPoint pt)
{
    if (title == m_title && line1 == m_line1 && line2 == m_line2 && pt == m_anchor) {
        return;
    }
    m_title = title;
    m_line1 = line1;
    m_line2 = line2;
    m_anchor = pt;
    if (title.empty()) {
        return;
    }
    SetWindowPos(HWND_TOPMOST, pt.x - kWidth / 2, pt.y - kHeight, kWidth, kHeight, SWP_NOACTIVATE);
    if (GetPainter()) {
        GetPainter()->UpdateControl(true, true);
    }
}

LRESULT CKeyboardTips::OnNcActivate(bool active)
{
    if (!active) {
        ShowWindow(SW_HIDE);
    }
    return 0;
}

void CKeyboardTips::DrawTips(HDC& hdc, CRect rect)
{
    if (ImgResInfo* bk = m_pm.AddImgResInfo(m_backImage, 1)) {
        MRender::DrawImageFrame(hdc, bk->image.get(), rect, 0, 0, bk->sliceWidth, bk->sliceHeight, 6);
    } else {
        MRender::DrawRoundRectange(hdc, rect.left, rect.top, rect.Width(), rect.Height(), 8, kFallbackFill, 1.0f, true,
            kFallbackFill);
    }
    std::string family = Manager::GetFontName();
    StringFormat left = StringFormat::FromDT(DT_LEFT, DT_VCENTER, StringFormatFlagsNoWrap);
    MRender::DrawTextW(hdc, m_title, MFont { family, 14, 0 },
        CRect(rect.left + 10, rect.top + 8, rect.right - 10, rect.top + 28), kTitleColor, left);
    MRender::DrawTextW(hdc, m_line1, MFont { family, 18, 0 },
        CRect(rect.left + 10, rect.top + 35, rect.right - 10, rect.top + 60), 0xFFFFFFFF, left);
    MRender::DrawTextW(hdc, m_line2, MFont { family, 18, 0 },
        CRect(rect.left + 10, rect.top + 63, rect.right - 10, rect.top + 88), 0xFFFFFFFF, left);
}

} // namespace lumo
