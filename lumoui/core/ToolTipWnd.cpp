#include "core/ToolTipWnd.h"
#include "core/Present.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"
#include "lumoui/WindowApi.h"

#include <algorithm>

namespace lumo {

namespace {

constexpr char kClassName[] = "tooltips_class32";
constexpr UINT kTimerShow = 1;
constexpr UINT kTimerHide = 2;
constexpr UINT kInitialMs = 400;
constexpr UINT kAutoPopMs = 5000;
constexpr int kMaxWidth = 256;
constexpr int kPadX = 4;
constexpr int kPadY = 3;
constexpr int kFontSize = 12;

MFont TipFont() { return MFont { Manager::GetFontName(), kFontSize, FontStyleRegular }; }

} // namespace

ToolTipWnd::~ToolTipWnd()
{
    if (IsWindow(m_hwnd)) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
}

bool ToolTipWnd::Create(HWND owner)
{
    WNDCLASS wc;
    wc.lpfnWndProc = &ToolTipWnd::WindowProc;
    wc.lpszClassName = kClassName;
    RegisterClassW(wc);
    m_owner = owner;
    m_hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LUMO_TOOLTIP, kClassName, "", WS_POPUP, 0, 0,
        1, 1, owner, nullptr);
    if (m_hwnd) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<intptr_t>(this));
    }
    return m_hwnd != nullptr;
}

void ToolTipWnd::SetTool(const std::string& text, CRect rect)
{
    bool changed = text != m_text;
    m_text = text;
    m_tool = rect;
    if (m_text.empty()) {
        Deactivate();
    } else if (m_shown && changed) {
        Show();
    }
}

void ToolTipWnd::Deactivate()
{
    m_text.clear();
    KillTimer(m_hwnd, kTimerShow);
    Hide();
}

void ToolTipWnd::Relay(const MSG& msg)
{
    if (msg.hwnd != m_owner || m_text.empty()) {
        return;
    }
    if (msg.message != WM_MOUSEMOVE) {
        KillTimer(m_hwnd, kTimerShow);
        Hide();
        return;
    }
    CPoint pt(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
    if (!m_tool.PtInRect(pt)) {
        KillTimer(m_hwnd, kTimerShow);
        Hide();
        return;
    }
    if (!m_shown && pt != m_last) {
        SetTimer(m_hwnd, kTimerShow, kInitialMs);
    }
    m_last = pt;
}

void ToolTipWnd::Show()
{
    CSize text = MRender::GetTextBounds(m_text, TipFont(), kMaxWidth - 2 * kPadX, 0);
    int w = text.cx + 2 * kPadX + 2;
    int h = text.cy + 2 * kPadY + 2;
    CPoint at = m_last;
    ClientToScreen(m_owner, &at);
    at.Offset(0, 20);
    CRect work = GetWorkAreaNear(CRect(at, CSize(1, 1)));
    at.x = std::max(work.left, std::min(at.x, work.right - w));
    at.y = std::max(work.top, std::min(at.y, work.bottom - h));
    SetWindowPos(m_hwnd, HWND_TOPMOST, at.x, at.y, w, h, SWP_NOACTIVATE);
    m_shown = true;
    ShowWindow(m_hwnd, SW_SHOWNA);
    InvalidateRect(m_hwnd, nullptr, false);
    SetTimer(m_hwnd, kTimerHide, kAutoPopMs);
}

void ToolTipWnd::Hide()
{
    KillTimer(m_hwnd, kTimerHide);
    if (m_shown) {
        m_shown = false;
        ShowWindow(m_hwnd, SW_HIDE);
    }
}

void ToolTipWnd::Paint()
{
    CRect client;
    GetClientRect(m_hwnd, &client);
    if (client.IsRectEmpty() || !m_dc.Create(client.Width(), client.Height())) {
        return;
    }
    HDC hdc = m_dc.GetDC();
    MRender::FillSolidRect(hdc, client, 0xFFFFFFFF);
    MRender::DrawRectangle(hdc, client, 0xFF767676);
    CRect text = client;
    text.DeflateRect(kPadX + 1, kPadY + 1);
    MRender::DrawTextW(hdc, m_text, TipFont(), text, 0xFF000000, StringFormat::FromDT(DT_LEFT, DT_TOP, 0));
    PresentToWindow(m_hwnd, m_dc, client, false, 0xFFFFFF);
}

LRESULT ToolTipWnd::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<ToolTipWnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self) {
        if (msg == WM_PAINT) {
            self->Paint();
            return 0;
        }
        if (msg == WM_TIMER && wParam == kTimerShow) {
            KillTimer(hwnd, kTimerShow);
            self->Show();
            return 0;
        }
        if (msg == WM_TIMER && wParam == kTimerHide) {
            self->Hide();
            return 0;
        }
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace lumo
