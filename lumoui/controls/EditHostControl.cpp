#include "lumoui/EditHostControl.h"

namespace lumo {

EditHostControl::EditHostControl(MObject* parent, UINT id, CRect rect, bool visible, bool enabled)
    : MControlFont(parent, id, rect, visible, enabled)
{
}

EditHostControl::~EditHostControl() = default;

void EditHostControl::SetControlRect(CRect rect)
{
    MControlFont::SetControlRect(rect);
    m_editor.SetRect(EditorRect());
}

void EditHostControl::SetControlVisible(bool visible)
{
    if (!visible) {
        m_editor.End(EditEnd::Closed);
    }
    MControlFont::SetControlVisible(visible);
}

void EditHostControl::SetControlEnabled(bool enabled)
{
    if (!enabled) {
        m_editor.End(EditEnd::Closed);
    }
    MControlFont::SetControlEnabled(enabled);
}

bool EditHostControl::SetControlFocus(bool focus)
{
    if (!focus) {
        m_editor.End(EditEnd::FocusLost);
    }
    return MControlFont::SetControlFocus(focus);
}

LRESULT EditHostControl::OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (m_editor.OnWindowMessage(msg, wParam, lParam)) {
        return 1;
    }
    return MControlFont::OnWindowMessage(msg, wParam, lParam);
}

} // namespace lumo
