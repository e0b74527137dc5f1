#include "lumoui/MPopupWnd.h"
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

} // namespace lumo
