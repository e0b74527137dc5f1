#pragma once

// The laid-out text of a drawn editor: where the caret of a byte index is, which index a
// point hits, where the lines are and what a range covers. Positions are relative to the
// layout's top-left corner; indexes are byte offsets into the laid-out text. The layout is
// rebuilt only when text, font, width or the underlined range change.

#include "lumoui/Graphics.h"

#include <string>
#include <vector>

typedef struct _PangoLayout PangoLayout;

namespace lumo {

class EditLayout {
public:
    EditLayout() = default;
    ~EditLayout();
    EditLayout(const EditLayout&) = delete;
    EditLayout& operator=(const EditLayout&) = delete;

    // wrapWidth > 0 wraps at that width (words first); singleLine shows line breaks as
    // characters. [underlineFrom, underlineTo) is drawn underlined (an input method's
    // composition).
    void Set(const std::string& text, const MFont& font, int wrapWidth, bool singleLine,
        size_t underlineFrom = 0, size_t underlineTo = 0);
    const std::string& GetText() const { return m_text; }

    // Width and height of the text; the height is at least one line.
    CSize Size() const;
    int LineHeight() const;
    // The caret before byte `index`: x, top and height, 1 pixel wide.
    CRect CaretRect(size_t index) const;
    // The caret index nearest to the point.
    size_t IndexAt(CPoint pt) const;
    // Start and end of the line holding `index`.
    size_t LineStart(size_t index) const;
    size_t LineEnd(size_t index) const;
    // The index on the line above (dir < 0) or below nearest to x; false on the first / last line.
    bool LineMove(size_t index, int dir, int x, size_t* out) const;
    // The boxes covering [from, to), one per line.
    std::vector<CRect> RangeRects(size_t from, size_t to) const;
    void Draw(HDC hdc, int x, int y, ARGB color) const;

private:
    size_t Advance(size_t index, int chars) const;

    PangoLayout* m_layout = nullptr;
    std::string m_text;
    MFont m_font;
    int m_wrap = -2;
    bool m_singleLine = true;
    size_t m_underlineFrom = 0;
    size_t m_underlineTo = 0;
};

} // namespace lumo
