#include "lumoui/MPopupWnd.h"
#include "core/DrawHookControl.h"
#include "lumoui/MControl.h"

namespace lumo {

void MPopupWnd::CloseWindow()
{
    if (GetSafeHwnd()) {
        PostMessageW(WM_CLOSE, 0, 0);
    }
}

bool MPopupWnd::OnCreate(CREATESTRUCT* cs)
{
    MDialog::OnCreate(cs);
    DWORD kind = GetExStyle() & (WS_EX_LUMO_POPUPMENU | WS_EX_LUMO_TOOLTIP | WS_EX_LAYERED | WS_EX_TOPMOST);
    SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, static_cast<intptr_t>(WS_EX_TOOLWINDOW | kind));
    return true;
}

LRESULT MPopupWnd::SendMessageToParent(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam)
{
    if (!m_parentObject) {
        return 0;
    }
    if (auto* control = dynamic_cast<MControl*>(m_parentObject)) {
        return control->OnMessage(controlID, code, wParam, lParam);
    }
    return m_parentObject->OnBaseMessage(controlID, code, wParam, lParam);
}

MControl* MPopupWnd::AddPainter(std::function<void(HDC& hdc, CRect rect)> paint)
{
    m_painter = new DrawHookControl(this, m_client, std::move(paint));
    m_painter->SetManager(&m_pm);
    m_pm.AddControl(m_painter, 1);
    return m_painter;
}

void MPopupWnd::UISize(CRect client)
{
    if (m_painter) {
        m_painter->SetRect(client);
    }
}

LRESULT MPopupWnd::OnNcActivate(bool active)
{
    if (!active && m_autoClose) {
        CloseWindow();
    }
    return 0;
}

LRESULT MPopupWnd::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (m_autoClose && (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN)) {
        // With the pointer held by the popup, a press anywhere else arrives here too.
        CRect client;
        GetClientRect(&client);
        if (!client.PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))) {
            CloseWindow();
            return 0;
        }
    }
    LRESULT result = MDialog::OnWindowMessage(msg, wParam, lParam);
    bool regrab = (msg == WM_SHOWWINDOW && wParam) || msg == WM_LBUTTONUP || msg == WM_RBUTTONUP;
    if (m_autoClose && regrab && IsWindowVisible() && GetCapture() != m_hWnd) {
        SetCapture();
    }
    return result;
}

} // namespace lumo
