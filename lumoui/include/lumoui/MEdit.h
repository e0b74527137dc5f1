#pragma once

// A text field: the control draws its frame (an image strip: normal, hover, editing,
// disabled) and its text; a press or Space while focused opens the drawn inline editor over
// the text rect with all text selected.
//   notifications: NOTIFY_PRESS (press or Space), NOTIFY_CLICK (release inside after a press
//   that opened nothing else), NOTIFY_EDITBEGIN, NOTIFY_TEXTCHANGED (every change while
//   editing), NOTIFY_EDITEND (once per edit: Enter, Escape, focus loss, HideEdit),
//   NOTIFY_EDITBUTTON (release on the icon)
//   rules: limit, digits only, read-only (never edits), password, multi-line
// Escape gives the text back as it was when the edit began.

#include "lumoui/ControlFactory.h"
#include "lumoui/EditHostControl.h"

#include <memory>
#include <string>

namespace lumo {

struct IconStrip;

class MEdit : public EditHostControl {
public:
    // Edit background colour meaning "none": the frame shows through.
    static constexpr COLORREF kNoColor = 0xFFFFFFFF;

    MEdit(MObject* parent, UINT id, CRect rect, const char* title, int visible, int enabled);
    ~MEdit() override;

    // Text ------------------------------------------------------------------------------------
    // SetTitle does nothing for an unchanged text; otherwise the text also goes into an open
    // editor. GetControlTitle first ends any edit (GetTitle only reads the stored text, which
    // follows every change while editing).
    void SetControlTitle(const std::string& title) override;
    std::string GetControlTitle() override;
    // The editor's text while editing, otherwise the stored text.
    std::string GetEditText() const;
    // Replaces the stored text when it differs; no repaint, an open editor is left alone.
    void SetEditText(const std::string& text);

    // Rules and look ----------------------------------------------------------------------------
    // Maximum length in characters (0 = none).
    void SetLimitText(int limit);
    int GetLimitText() const { return m_editor.Model().GetLimit(); }
    void SetNumberOnly(bool on);
    void SetReadOnly(bool on);
    bool IsReadOnly() const { return m_readOnly; }
    void EnablePassWord(bool on);
    void SetPassWordChar(uint32_t ch);
    void EnableMultLine(bool on);
    // COLORREF filled behind the text while editing; kNoColor (-1) for none.
    void SetEditBKColor(COLORREF color);
    // Shown in grey while the text is empty and nobody edits.
    void SetTipInfo(const std::string& tip);
    // An icon strip (normal, hover, pressed, disabled) at the right edge, its right side
    // 9 pixels inside the control. False when the file cannot be loaded.
    bool SetIconImage(const std::string& fileName, int count);
    // The text rect relative to the control's top-left corner; an empty rect restores the
    // default (6 pixels in from the sides, left of the icon).
    void SetTextRect(CRect rect);
    CRect GetTextRect() const;
    // Rect of the icon in window coordinates (empty without one).
    CRect GetIconRect() const;

    // Editing ---------------------------------------------------------------------------------
    // Opens the editor (not for read-only, disabled, hidden or unattached edits) and takes
    // the focus; NOTIFY_EDITBEGIN.
    void ShowEdit();
    // Ends an open edit: NOTIFY_EDITEND.
    void HideEdit();
    // 0 normal, 1 hover, 2 editing, 3 disabled.
    int GetState() const;

    // Control hooks
    void DrawControl(HDC& hdc, CRect clip) override;
    void SetControlEnabled(bool enabled) override;
    bool OnControlMouseMove(UINT flags, CPoint pt) override;
    bool OnControlSetCursor(UINT flags, CPoint pt) override;
    bool OnControlLButtonDown(UINT flags, CPoint pt) override;
    bool OnControlLButtonUp(UINT flags, CPoint pt) override;
    bool OnControlScroll(bool vertical, UINT down, CPoint pt) override;
    bool OnControlKeyDown(UINT vk, UINT repeat, UINT flags) override;

    // InlineEditorListener
    void OnEditorChanged(InlineEditor& editor) override;
    void OnEditorEnded(InlineEditor& editor, EditEnd how) override;

protected:
    // Draws the frame of `state` into `dest` of the cache (the window background is there
    // already). The default draws slice `state` of the image as a nine-grid (edge 6), or a
    // plain box without an image.
    virtual void DrawFrame(HDC hdc, int state, const CRect& dest);
    // The text rect when none was set (window coordinates).
    virtual CRect DefaultTextRect() const;
    CRect EditorRect() const override { return GetTextRect(); }
    void DrawText(HDC hdc);
    void SyncEditor();

    bool m_readOnly = false;
    bool m_password = false;
    uint32_t m_passwordChar = '*';
    COLORREF m_editBack = kNoColor;
    std::string m_tip;
    CRect m_textRect; // relative; empty = default

private:
    int IconState() const;
    void SetHover(bool hover, bool iconHover);

    std::unique_ptr<IconStrip> m_icon;
    bool m_hover = false;
    bool m_iconHover = false;
    bool m_pressed = false;
    bool m_iconPressed = false;
    int m_cachedState = -1;
};

} // namespace lumo
