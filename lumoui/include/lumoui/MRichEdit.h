#pragma once

// A multi-line text box drawn by the toolkit: wrapped text, caret, selection, clipboard,
// undo, input-method composition and wheel scrolling through the inline editor. A press
// places the caret (Shift extends the selection) and sends NOTIFY_PRESS; the release inside
// after it sends NOTIFY_CLICK. Enter starts a new line; Escape and the loss of focus end the
// editing (the text stays). Read-only text can still be selected and copied.

#include "lumoui/ControlFactory.h"
#include "lumoui/EditHostControl.h"

#include <string>

namespace lumo {

class MRichEdit : public EditHostControl {
public:
    MRichEdit(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);
    ~MRichEdit() override;

    // The text is the title; line breaks are "\n".
    void SetControlTitle(const std::string& title) override;
    std::string GetControlTitle() override;
    void SetReadOnly(bool on);
    bool IsReadOnly() const { return m_editor.Model().IsReadOnly(); }
    // Maximum length in characters (0 = none).
    void SetLimitText(int limit) { m_editor.Model().SetLimit(limit); }
    void SetBackColor(ARGB back);
    void SetBorderColor(ARGB border);
    // Selection by character indexes (-1 = the end); ReplaceSel follows the rules as typing does.
    void SetSel(int start, int end);
    void GetSel(int& start, int& end) const { m_editor.Model().GetSel(start, end); }
    bool ReplaceSel(const std::string& text);

    void DrawControl(HDC& hdc, CRect clip) override;
    void SetControlEnabled(bool enabled) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlSetCursor(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    bool OnControlScroll(bool vertical, UINT down, CPoint pt) override;

    void OnEditorChanged(InlineEditor& editor) override;
    void OnEditorEnded(InlineEditor& editor, EditEnd how) override;

protected:
    CRect EditorRect() const override { return TextRect(); }

private:
    CRect TextRect() const;
    void SyncEditor();

    ARGB m_back = 0xFF1E1A14;
    ARGB m_border = 0xFF555028;
    bool m_pressed = false;
};

} // namespace lumo
