#pragma once

// The base of controls that show an InlineEditor over part of themselves (MEdit and its
// kin, MRichEdit): text input reaches the editor, the edit ends when the control loses the
// focus, is hidden or disabled, and the editor's field follows the control when it moves.

#include "lumoui/InlineEditor.h"
#include "lumoui/MControlFont.h"

namespace lumo {

class EditHostControl : public MControlFont, public InlineEditorListener {
public:
    EditHostControl(MObject* parent, UINT id, CRect rect, bool visible, bool enabled);
    ~EditHostControl() override;

    bool IsEditing() const { return m_editor.IsActive(); }
    InlineEditor& GetEditor() { return m_editor; }
    const InlineEditor& GetEditor() const { return m_editor; }

    void SetControlRect(CRect rect) override;
    void SetControlVisible(bool visible) override;
    void SetControlEnabled(bool enabled) override;
    bool SetControlFocus(bool focus) override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    // The editor's field in window coordinates.
    virtual CRect EditorRect() const = 0;

    InlineEditor m_editor { this, this };
};

} // namespace lumo
