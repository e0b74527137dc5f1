#pragma once

// A drawn text editor that a control shows over part of itself: the edit field of MEdit, the
// delay cell of a macro event list, the name cell of a list. It edits a TextEditModel (caret,
// selection, limit, digits only, read-only, multi-line), draws text and selection into the
// window bitmap, uses the paint manager's caret and takes the window's text input, so typed
// text and input-method composition arrive here. Keys: arrows (Ctrl: by word), Home/End,
// Up/Down/PageUp/PageDown (multi-line), Shift to select, Backspace/Delete (Ctrl: by word),
// Ctrl+A/C/X/V/Z, Shift+Insert, Ctrl+Insert, Shift+Delete; Enter (single-line) and Escape end
// the edit, as do the loss of the window's keyboard focus and End().
//
// Usage in a host control (window coordinates throughout):
//
//   class CNameList : public MControlFont, public InlineEditorListener {
//       InlineEditor m_editor { this, this };
//       void Rename(int row) {
//           m_editor.SetFont(GetFont());
//           m_editor.SetBackColor(0xFF061835);       // hides what the row draws below
//           m_editor.Model().SetLimit(32);
//           m_editor.Begin(TextRectOf(row), NameOf(row), true);
//       }
//       // Route input: the editor takes text messages and presses inside its rect.
//       LRESULT OnWindowMessage(UINT m, WPARAM w, LPARAM l) override
//           { return m_editor.OnWindowMessage(m, w, l) ? 1 : MControlFont::OnWindowMessage(m, w, l); }
//       bool OnControlLButtonDown(UINT f, CPoint p) override
//           { if (m_editor.OnLButtonDown(f, p)) return true; m_editor.End(); ... }
//       bool OnControlMouseMove(UINT f, CPoint p) override { return m_editor.OnMouseMove(f, p) || ...; }
//       bool OnControlLButtonUp(UINT f, CPoint p) override { return m_editor.OnLButtonUp(f, p) || ...; }
//       bool SetControlFocus(bool focus) override
//           { if (!focus) m_editor.End(EditEnd::FocusLost); return MControlFont::SetControlFocus(focus); }
//       void DrawControl(HDC& hdc, CRect clip) override { ...rows...; m_editor.Draw(hdc); }
//       void OnEditorEnded(InlineEditor& e, EditEnd how) override
//           { if (how != EditEnd::Escape) SetName(e.GetText()); }
//   };
//
// The host also ends the edit when it is hidden, disabled or deleted (the destructor gives the
// caret and text input back without notifying) and calls SetRect when the field moves or
// scrolls. Begin(rect, text, false) puts the caret after the text. Controls that derive from
// MControlFont can take EditHostControl as their base, which does the focus, visibility and
// text-input routing above.

#include "lumoui/Graphics.h"
#include "lumoui/TextEditModel.h"

#include <memory>
#include <string>

namespace lumo {

class EditLayout;
class InlineEditor;
class MControl;

enum class EditEnd {
    Enter, // Enter in a single-line editor
    Escape, // the user backed out; the host decides whether to keep the text
    FocusLost, // the host or the window lost the keyboard focus
    Closed, // End() by the program
};

class InlineEditorListener {
public:
    virtual ~InlineEditorListener() = default;
    // The user changed the text (typing, deleting, pasting, a committed composition, undo).
    virtual void OnEditorChanged(InlineEditor&) { }
    // The edit is over and the editor no longer takes input; called once per Begin.
    virtual void OnEditorEnded(InlineEditor&, EditEnd) { }
};

class InlineEditor {
public:
    // `host` draws the editor and receives its input; `listener` may be null.
    InlineEditor(MControl* host, InlineEditorListener* listener);
    ~InlineEditor();
    InlineEditor(const InlineEditor&) = delete;
    InlineEditor& operator=(const InlineEditor&) = delete;

    // Look -------------------------------------------------------------------------------------
    void SetFont(const MFont& font);
    void SetTextColor(ARGB color);
    // Filled behind the text while editing; 0 (the default) draws no background.
    void SetBackColor(ARGB color);
    void SetSelectionColor(ARGB color);
    // DT_LEFT, DT_CENTER or DT_RIGHT for single-line text narrower than the field.
    void SetAlignment(UINT h);
    // Shows every character as `mask` (0 = off). Copy and cut are refused while it is on.
    void SetPassword(uint32_t mask);
    uint32_t GetPassword() const { return m_mask; }

    // Rules and text ------------------------------------------------------------------------------
    // Limit, digits only, read-only, multi-line: change them through the model.
    TextEditModel& Model() { return m_model; }
    const TextEditModel& Model() const { return m_model; }
    const std::string& GetText() const { return m_model.GetText(); }
    // Replaces the text without notifying; the caret goes to the end.
    void SetText(const std::string& text);
    // Selection by code point indexes (-1 = the end), and a replacement of it under the
    // editor's rules; neither notifies the listener.
    void SetSel(int start, int end);
    bool ReplaceSel(const std::string& text);
    // The text the current (or last) edit began with.
    const std::string& GetInitialText() const { return m_initial; }
    // The input method's text not yet committed (empty when none).
    const std::string& GetComposition() const { return m_composition; }

    // Editing ----------------------------------------------------------------------------------------
    // Shows the editor over `rect` with `text`, all selected or the caret at the end, and takes
    // the focus, the caret and the window's text input (ending another control's edit). While active,
    // a second Begin only moves the field and replaces text and selection. False without a
    // paint manager.
    bool Begin(const CRect& rect, const std::string& text, bool selectAll);
    // The next typed character, when it is `cp` and no other key comes first, is dropped: it
    // belongs to the key that opened the editor.
    void SwallowChar(uint32_t cp) { m_swallow = cp; }
    // Ends the edit, gives back caret and text input, repaints, then tells the listener.
    void End(EditEnd how = EditEnd::Closed);
    bool IsActive() const { return m_active; }
    void SetRect(const CRect& rect);
    CRect GetRect() const { return m_rect; }
    bool HitTest(CPoint pt) const { return m_rect.PtInRect(pt); }

    // Routing from the host (true = consumed) ---------------------------------------------------------
    // Text, keys and composition while active; WM_KILLFOCUS ends the edit (never consumed).
    bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // Presses inside the field place the caret (Shift extends); moves while pressed select.
    bool OnLButtonDown(UINT flags, CPoint pt);
    bool OnMouseMove(UINT flags, CPoint pt);
    bool OnLButtonUp(UINT flags, CPoint pt);
    // Multi-line text scrolls by three lines a notch.
    bool OnScroll(bool down);

    // Draws background (while active), selection and text, clipped to the field. Inactive, it
    // shows the text from its start (single-line) - hosts may use it for their display too.
    void Draw(HDC hdc);

private:
    bool OnKey(UINT vk);
    bool OnMoveKey(UINT vk, bool ctrl, bool shift);
    bool OnShortcut(UINT vk);
    void Copy();
    void Cut();
    void Paste();
    void Undo();
    enum class UndoRun { None, Typing, Deleting };
    void Remember(UndoRun run);
    // Remembers the undo step, runs `change` and reports a change when it returns true.
    template <class F> void Edit(UndoRun run, F&& change);
    void Changed();
    void CaretMoved();
    void Refresh();
    void Repaint();
    void KeepCaretVisible();
    void UpdateCaret();
    void MoveLine(int dir, bool extend, int times);
    size_t ToDisplay(size_t offset) const;
    size_t FromDisplay(size_t index) const;
    size_t CaretDisplayIndex() const;
    CPoint Origin() const;

    MControl* m_host = nullptr;
    InlineEditorListener* m_listener = nullptr;
    TextEditModel m_model;
    std::unique_ptr<EditLayout> m_layout;
    CRect m_rect;
    MFont m_font;
    ARGB m_textColor = 0xFFFFFFFF;
    ARGB m_backColor = 0;
    ARGB m_selColor = 0xFF285055;
    UINT m_align = 0;
    uint32_t m_mask = 0;
    bool m_active = false;
    bool m_dragging = false;
    uint32_t m_swallow = 0;
    std::string m_initial;
    std::string m_composition;
    int m_compCursor = 0;
    size_t m_compAt = 0; // display index the composition is shown at
    CPoint m_scroll;
    int m_stickyX = -1; // the column Up/Down keep to
    CRect m_imeRect;
    // One step of undo, as the classic edit field has: Ctrl+Z swaps the text with this.
    std::string m_undoText;
    size_t m_undoCaret = 0;
    size_t m_undoAnchor = 0;
    UndoRun m_undoRun = UndoRun::None;
    bool m_hasUndo = false;
};

} // namespace lumo
