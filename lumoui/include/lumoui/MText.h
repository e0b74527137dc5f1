#pragma once

// A text label. Options: an icon at the left edge (SetImage), a filled background, a
// shadow under every piece of text, several wrapped lines (vertically centred only with
// EnableVCenter), and a "mark": one part of a single-line title drawn in its own colour.
// A child with control ID 1 is taken as the label's own vertical scroll bar: while it is
// visible the text leaves its width free, and its notifications only repaint the label.
// Labels take no mouse presses: a press on one belongs to what lies below (such as dragging
// the window by its caption).

#include "lumoui/ControlFactory.h"
#include "lumoui/MControlFont.h"

#include <string>

namespace lumo {

class MText : public MControlFont {
public:
    // Labels are created disabled: they take no part in focus or keys.
    MText(MObject* parent, UINT id, CRect rect, const char* title, int visible);

    // The first occurrence of `mark` in the title at or after character `start` is drawn in
    // `color`.
    void SetMarkText(const std::string& mark, ARGB color = kDefaultMarkColor, int start = 0);
    // Title and mark together, with one repaint.
    void SetTitleMarkText(const std::string& title, const std::string& mark, ARGB color = kDefaultMarkColor,
        int start = 0);
    const std::string& GetMarkText() const { return m_mark; }
    void EnableMultiLine(bool enable);
    void EnableVCenter(bool enable);
    void EnableShadow(bool enable, ARGB color = kDefaultShadowColor);
    void EnableTextBack(bool enable, ARGB color = kDefaultBackColor);
    bool IsMultiLine() const { return m_multiLine; }

    // The pieces of the title drawn one after another on a single line: the text before the
    // mark, the mark, the text after it (before holds the whole title when there is no mark).
    struct Pieces {
        std::string before;
        std::string mark;
        std::string after;
    };
    Pieces SplitTitle() const;

    void DrawControl(HDC& hdc, CRect clip) override;
    LRESULT OnBaseMessage(UINT controlID, UINT code, WPARAM wParam, LPARAM lParam) override;
    bool OnCheckMouseResponse(UINT flags, CPoint pt) override;

    static constexpr ARGB kDefaultMarkColor = 0xFFED801B;
    static constexpr ARGB kDefaultShadowColor = 0xFF505050;
    static constexpr ARGB kDefaultBackColor = 0xFF008000;
    static constexpr int kScrollBarWidth = 8;
    static constexpr int kIconGap = 5;

private:
    void SetOption(bool& option, bool value);
    CRect TextRect(const CRect& rect) const;
    void DrawText(HDC dc, const CRect& rect) const;
    void DrawPiece(HDC dc, const std::string& text, const CRect& rect, ARGB color, const StringFormat& format) const;

    std::string m_mark;
    ARGB m_markColor = kDefaultMarkColor;
    int m_markStart = 0;
    bool m_multiLine = false;
    bool m_vCenter = false;
    bool m_shadow = false;
    ARGB m_shadowColor = kDefaultShadowColor;
    bool m_textBack = false;
    ARGB m_backColor = kDefaultBackColor;
};

} // namespace lumo
