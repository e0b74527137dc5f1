#include "lumoui/LoadingWnd.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"

#include <algorithm>

namespace lumo {

namespace {
constexpr UINT kAnimTimer = 100;
constexpr UINT kAnimStepMs = 18;
constexpr int kCloseMargin = 10;
constexpr int kCloseSlices = 4;
} // namespace

LoadingWnd::LoadingWnd(MObject* parent) : MPopupWnd(parent) { }

LoadingWnd::~LoadingWnd() = default;

bool LoadingWnd::CreateDlg(HWND owner, CRect rect)
{
    std::string skin = Manager::GetSkinFolder();
    m_anim = MImage::FromFile(skin + "loading/loading.gif");
    m_logo = MImage::FromFile(skin + "logo/logo_loading.png");
    m_close = MImage::FromFile(skin + "img_sys_close.png");
    if (!Create(owner, "Loading Window", 0x96000000, WS_EX_TOOLWINDOW, rect)) {
        return false;
    }
    SetTimer(kAnimTimer, kAnimStepMs);
    return true;
}

void LoadingWnd::InitUI(CRect)
{
    EnableWndDrag(false);
    AddPainter([this](HDC& hdc, CRect rect) { DrawLoading(hdc, rect); });
}

CRect LoadingWnd::CloseRect() const
{
    if (!m_close) {
        return CRect();
    }
    int w = m_close->GetWidth() / kCloseSlices;
    return CRect(m_client.right - kCloseMargin - w, kCloseMargin, m_client.right - kCloseMargin,
        kCloseMargin + m_close->GetHeight());
}

void LoadingWnd::OnTimer(UINT id)
{
    if (id != kAnimTimer || !m_anim || m_anim->GetFrameCount() < 2 || !IsWindowVisible()) {
        return;
    }
    // Frames advance by their own display times; the timer only samples them.
    m_elapsed += static_cast<int>(kAnimStepMs);
    int delay = std::max(20, m_anim->GetFrameDelay(m_frame));
    if (m_elapsed >= delay) {
        m_elapsed = 0;
        m_frame = (m_frame + 1) % m_anim->GetFrameCount();
        if (GetPainter()) {
            GetPainter()->UpdateControl(false);
        }
    }
}

LRESULT LoadingWnd::OnLButtonUp(UINT, int x, int y)
{
    if (CloseRect().PtInRect(CPoint(x, y))) {
        ShowWindow(SW_HIDE);
    }
    return 0;
}

void LoadingWnd::DrawLoading(HDC& hdc, CRect rect)
{
    int y = rect.top + 20;
    if (m_logo) {
        MRender::DrawImage(hdc, m_logo.get(), rect.left + (rect.Width() - m_logo->GetWidth()) / 2, y);
        y += m_logo->GetHeight() + 10;
    }
    if (m_anim) {
        int x = rect.left + (rect.Width() - m_anim->GetWidth()) / 2;
        int top = std::max(y, rect.top + (rect.Height() - m_anim->GetHeight()) / 2);
        MRender::DrawImage(hdc, m_anim.get(), x, top, m_frame);
    }
    if (m_close) {
        CRect c = CloseRect();
        MRender::DrawImage(hdc, m_close.get(), c, 0, 0, c.Width(), c.Height());
    }
}

} // namespace lumo
