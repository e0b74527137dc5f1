#include "lumoui/MDialog.h"
#include "lumoui/MAirBladder.h"
#include "lumoui/MControl.h"
#include "lumoui/MShadow.h"

namespace lumo {

namespace {

CPoint PointOf(LPARAM lp) { return CPoint(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); }

// Caption and sizing frame off; clip siblings and children on.
constexpr DWORD kStyleKeepMask = 0xFF3BFFFF;
constexpr DWORD kStyleAdd = 0x06000008;

constexpr int kMessageWidth = 200;

} // namespace

MDialog::MDialog() = default;

MDialog::~MDialog()
{
    // The window goes first, while the paint manager and the popups still exist.
    DestroyDetached();
    m_pm.DestroyData();
}

LRESULT MDialog::OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam)
{
    return OnMessage(controlID, code, wParam, lParam);
}

LRESULT MDialog::OnControlUpdate(CRect rect, bool full, MControl* control)
{
    return m_pm.OnControlUpdate(rect, full, control);
}

void MDialog::DispatchHooks(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg >= WM_MOUSEMOVE && msg <= WM_RBUTTONDBLCLK) {
        DispatchMouseHooks(msg, wParam, lParam);
        return;
    }
    switch (msg) {
    case WM_CREATE:
        OnCreate(reinterpret_cast<CREATESTRUCT*>(lParam));
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<uintptr_t>(lParam)), HIWORD(static_cast<uintptr_t>(lParam)));
        break;
    case WM_PAINT:
        OnPaint();
        break;
    case WM_CLOSE:
        OnClose();
        break;
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case WM_WINDOWPOSCHANGED:
        OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case WM_NCACTIVATE:
        OnNcActivate(wParam != 0);
        break;
    case WM_TIMER:
        OnTimer(static_cast<UINT>(wParam));
        break;
    case WM_MOUSEHOVER:
        OnMouseHover(static_cast<UINT>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        break;
    default:
        break;
    }
}

void MDialog::DispatchMouseHooks(UINT msg, WPARAM wParam, LPARAM lParam)
{
    UINT flags = static_cast<UINT>(wParam);
    CPoint pt = PointOf(lParam);
    switch (msg) {
    case WM_MOUSEMOVE:
        OnMouseMove(flags, pt.x, pt.y);
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown(flags, pt.x, pt.y);
        break;
    case WM_LBUTTONUP:
        OnLButtonUp(flags, pt.x, pt.y);
        break;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(flags, pt.x, pt.y);
        break;
    case WM_RBUTTONDOWN:
        OnRButtonDown(flags, pt.x, pt.y);
        break;
    case WM_RBUTTONUP:
        OnRButtonUp(flags, pt.x, pt.y);
        break;
    case WM_RBUTTONDBLCLK:
        OnRButtonDblClk(flags, pt.x, pt.y);
        break;
    default:
        break;
    }
}

LRESULT MDialog::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    DispatchHooks(msg, wParam, lParam);
    if (m_shadow && (msg == WM_MOVE || msg == WM_SIZE || msg == WM_SHOWWINDOW)) {
        m_shadow->Update();
    }
    if (msg == WM_ERASEBKGND) {
        return 1;
    }
    if (msg == WM_USER_CLOSE) {
        return OnUserCloseWindow(wParam, lParam);
    }
    if (LRESULT result = m_pm.OnWindowMessage(msg, wParam, lParam)) {
        return result;
    }
    return m_prevProc(m_hWnd, msg, wParam, lParam);
}

bool MDialog::PreTranslateMessage(MSG* msg) { return m_pm.PreTranslateMessage(msg); }

bool MDialog::OnInitDialog()
{
    m_pm.Init(m_hWnd, this);
    GetClientRect(&m_client);
    InitUI(m_client);
    return true;
}

void MDialog::OnDestroyMessage(HWND hwnd)
{
    if (hwnd == m_pm.GetHWND()) {
        m_pm.DestroyData();
    }
    PostNcDestroy();
}

CPoint MDialog::GetAirBladderPoint(MControl* control, UINT type)
{
    if (!control) {
        return CPoint(0, 0);
    }
    CRect r = control->GetRect();
    int x = type == 1 ? r.left + r.Width() / 2 : type == 2 ? r.right : r.left;
    CPoint pt(x, r.bottom);
    ClientToScreen(&pt);
    return pt;
}

void MDialog::OnMinimize() { ShowWindow(SW_MINIMIZE); }
void MDialog::OnMaximize() { ShowWindow(::lumo::IsZoomed(m_hWnd) ? SW_RESTORE : SW_MAXIMIZE); }
void MDialog::InitUI(CRect) { }
void MDialog::UISize(CRect) { }
LRESULT MDialog::OnMessage(UINT, UINT, WPARAM, LPARAM) { return 0; }

LRESULT MDialog::OnUserCloseWindow(WPARAM wParam, LPARAM lParam)
{
    PostMessageW(WM_CLOSE, wParam, lParam);
    return 1;
}

bool MDialog::OnCreate(CREATESTRUCT*)
{
    DWORD style = GetStyle();
    SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<intptr_t>((style & kStyleKeepMask) | kStyleAdd));
    return true;
}

bool MDialog::OnSize(UINT type, int, int)
{
    if (type == SIZE_MINIMIZED) {
        return true;
    }
    if (m_windowAlpha != 255 || m_transparentKey != 0xFFFFFF) {
        ModifyExStyle(0, WS_EX_LAYERED);
    }
    GetClientRect(&m_client);
    if (m_client.Width() > 1 && m_client.Height() > 1) {
        UISize(m_client);
    }
    InvalidateRect(nullptr, false);
    return true;
}

LRESULT MDialog::OnMouseMove(UINT, int, int) { return 0; }
LRESULT MDialog::OnMouseLeave() { return 0; }
LRESULT MDialog::OnMouseHover(UINT, int, int) { return 0; }
LRESULT MDialog::OnMouseWheel(UINT, int, int, int) { return 0; }
LRESULT MDialog::OnLButtonDown(UINT, int, int) { return 0; }
LRESULT MDialog::OnLButtonUp(UINT, int, int) { return 0; }
LRESULT MDialog::OnLButtonDblClk(UINT, int, int) { return 0; }
LRESULT MDialog::OnRButtonDown(UINT, int, int) { return 0; }
LRESULT MDialog::OnRButtonUp(UINT, int, int) { return 0; }
LRESULT MDialog::OnRButtonDblClk(UINT, int, int) { return 0; }
LRESULT MDialog::OnKeyDown(UINT, UINT, UINT) { return 0; }
LRESULT MDialog::OnNcHitTest(CPoint) { return 0; }
LRESULT MDialog::OnGetMinMaxInfo(MINMAXINFO*) { return 0; }
LRESULT MDialog::OnNcCalcSize(bool, void*) { return 0; }
LRESULT MDialog::OnNcActivate(bool) { return 0; }
LRESULT MDialog::OnWindowPosChanging(WINDOWPOS*) { return 1; }
LRESULT MDialog::OnWindowPosChanged(WINDOWPOS*) { return 1; }
LRESULT MDialog::OnPaint() { return 0; }
void MDialog::OnTimer(UINT) { }
LRESULT MDialog::OnNcPaint() { return 0; }
LRESULT MDialog::OnClose() { return 1; }
LRESULT MDialog::OnDestroy() { return 0; }
LRESULT MDialog::PostNcDestroy() { return 0; }

MControl* MDialog::CreateControl(const char* className, UINT id, CRect rect, const char* title, int a, int b)
{
    return m_pm.CreateControl(1, this, className, id, rect, title, a, b);
}

MControl* MDialog::CreateArea(const char* className, UINT id, CRect rect, const char* title, int a, int b)
{
    return m_pm.CreateControl(0, this, className, id, rect, title, a, b);
}

void MDialog::DoOK()
{
    if (GetSafeHwnd()) {
        PostMessageW(WM_USER_CLOSE, IDOK, 0);
    }
}

void MDialog::DoCancel()
{
    if (GetSafeHwnd()) {
        PostMessageW(WM_USER_CLOSE, IDCANCEL, 0);
    }
}

void MDialog::DoClose() { DoCancel(); }

void MDialog::DoYes()
{
    if (GetSafeHwnd()) {
        PostMessageW(WM_USER_CLOSE, IDYES, 0);
    }
}

void MDialog::DoNo()
{
    if (GetSafeHwnd()) {
        PostMessageW(WM_USER_CLOSE, IDNO, 0);
    }
}

UINT MDialog::SetMTimer(UINT periodMs)
{
    m_mTimerId = m_pm.SetMTimer(periodMs);
    return m_mTimerId;
}

bool MDialog::SetAirBladderMsg(const std::string& text, CPoint anchor, AIRBLADDER_TYPE type)
{
    if (anchor.x == 0 || anchor.y == 0 || !GetSafeHwnd()) {
        return false;
    }
    if (!m_balloon) {
        m_balloon = std::make_unique<MAirBladder>(this);
        if (!m_balloon->CreateBalloon(m_hWnd)) {
            m_balloon.reset();
            return false;
        }
    }
    m_balloon->SetAirBladderMsg(text, anchor.x, anchor.y, type, 3);
    m_balloon->ShowWindow(SW_SHOWNA);
    return true;
}

void MDialog::SetMessage(const std::string& text, CRect box, MsgLevel level)
{
    if (box.IsRectEmpty()) {
        int left = m_client.left + (m_client.Width() - kMessageWidth) / 2;
        box = CRect(left, m_client.bottom - 60 + m_messageOffset, left + kMessageWidth,
            m_client.bottom - 2 + m_messageOffset);
    }
    m_pm.SetMessage(text, box, level);
}

void MDialog::SetProgress(int progress, const std::string& text, CRect box) { m_pm.SetProgress(progress, text, box); }

bool MDialog::CreateShadow()
{
    if (!GetSafeHwnd()) {
        return false;
    }
    if (!m_shadow) {
        m_shadow = std::make_unique<MShadow>();
    }
    return m_shadow->Create(m_hWnd);
}

void MDialog::SetSize(int size)
{
    if (m_shadow) {
        m_shadow->SetSize(size);
    }
}

void MDialog::SetSharpness(int sharpness)
{
    if (m_shadow) {
        m_shadow->SetSharpness(sharpness);
    }
}

void MDialog::SetDarkness(int darkness)
{
    if (m_shadow) {
        m_shadow->SetDarkness(darkness);
    }
}

void MDialog::SetPosition(int x, int y)
{
    if (m_shadow) {
        m_shadow->SetPosition(x, y);
    }
}

void MDialog::SetShadowColor(COLORREF color)
{
    if (m_shadow) {
        m_shadow->SetColor(color);
    }
}

bool MDialog::SetShadowImage(const std::string& fileName, int edge) { return m_shadow && m_shadow->SetImage(fileName, edge); }

void MDialog::SetShadowShow(bool show)
{
    if (m_shadow) {
        m_shadow->ShowShadow(show);
    }
}

} // namespace lumo
