#pragma once

// The text of a drawn editor with its caret, selection and input rules, free of any drawing.
// The text is UTF-8. Positions are byte offsets into it and always sit on caret stops: code
// point boundaries that do not split a character from the combining marks, variation
// selectors or joined emoji that follow it. The public index form (GetSel, SetSel, Length)
// counts code points, as a limit does.
//
// Rules: a limit (code points, 0 = none), digits only, read-only and single- or multi-line.
// Rules apply to what the user types or pastes (Insert); SetText takes a text as it is.

#include <cstddef>
#include <cstdint>
#include <string>

namespace lumo {

class TextEditModel {
public:
    enum class Move {
        Left, // one caret stop
        Right,
        WordLeft, // to the start of the word before the caret
        WordRight, // past the end of the word after the caret
        Start, // start of the text
        End, // end of the text
    };

    // Rules ----------------------------------------------------------------------------------
    // Maximum length in code points; 0 or less means none.
    void SetLimit(int limit) { m_limit = limit > 0 ? limit : 0; }
    int GetLimit() const { return m_limit; }
    void SetNumberOnly(bool on) { m_numberOnly = on; }
    bool IsNumberOnly() const { return m_numberOnly; }
    void SetReadOnly(bool on) { m_readOnly = on; }
    bool IsReadOnly() const { return m_readOnly; }
    void SetMultiLine(bool on) { m_multiLine = on; }
    bool IsMultiLine() const { return m_multiLine; }

    // Text -----------------------------------------------------------------------------------
    // Replaces the text (invalid UTF-8 becomes U+FFFD); the caret goes to the end, nothing is
    // selected.
    void SetText(const std::string& text);
    const std::string& GetText() const { return m_text; }
    bool IsEmpty() const { return m_text.empty(); }
    // Number of code points.
    int Length() const;

    // Caret and selection ----------------------------------------------------------------------
    // The caret is the moving end of the selection, the anchor the fixed one.
    size_t GetCaret() const { return m_caret; }
    size_t GetAnchor() const { return m_anchor; }
    bool HasSelection() const { return m_caret != m_anchor; }
    size_t SelStart() const { return m_caret < m_anchor ? m_caret : m_anchor; }
    size_t SelEnd() const { return m_caret < m_anchor ? m_anchor : m_caret; }
    std::string GetSelectedText() const { return m_text.substr(SelStart(), SelEnd() - SelStart()); }
    // Code point indexes: start is the anchor, end the caret; -1 (or beyond the text) means
    // the end of the text.
    void SetSel(int start, int end);
    void GetSel(int& start, int& end) const;
    void SelectAll();
    // Puts the caret at the caret stop at or before `offset`; with `extend` the anchor stays.
    void SetCaret(size_t offset, bool extend);
    void MoveCaret(Move move, bool extend);
    // The caret stop before / after a byte offset (0 and the text size at the ends).
    size_t PrevStop(size_t offset) const;
    size_t NextStop(size_t offset) const;
    // Code points before a byte offset, and the byte offset of a code point index.
    int IndexOf(size_t offset) const;
    size_t OffsetOf(int index) const;

    // Editing (each returns true when the text changed) ------------------------------------------
    // Replaces the selection by what the rules let through of `utf8`: single-line text stops at
    // the first line break; control characters are dropped; digits-only text refuses anything
    // else as a whole; the limit cuts what does not fit. Nothing happens when nothing remains.
    bool Insert(const std::string& utf8);
    // Delete the selection, or else the stop (word) before / after the caret.
    bool Backspace(bool word = false);
    bool Delete(bool word = false);
    bool DeleteSelection();
    // What Insert would let through of `utf8` before the limit is applied.
    std::string Filter(const std::string& utf8) const;

private:
    size_t WordLeftOf(size_t offset) const;
    size_t WordRightOf(size_t offset) const;
    bool Erase(size_t from, size_t to);

    std::string m_text;
    size_t m_caret = 0;
    size_t m_anchor = 0;
    int m_limit = 0;
    bool m_numberOnly = false;
    bool m_readOnly = false;
    bool m_multiLine = false;
};

// UTF-8 helpers shared by the editors.
namespace utf8 {
// The code point starting at `offset` (U+FFFD for a broken sequence) and its length.
uint32_t Decode(const std::string& text, size_t offset, size_t* length = nullptr);
void Append(std::string& out, uint32_t cp);
// Number of code points.
int Count(const std::string& text);
// `count` copies of a code point.
std::string Repeat(uint32_t cp, int count);
} // namespace utf8

} // namespace lumo
