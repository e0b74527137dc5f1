#include "lumoui/TextEditModel.h"

#include <glib.h>

#include <algorithm>

namespace lumo {

namespace utf8 {

namespace {

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

} // namespace

uint32_t Decode(const std::string& text, size_t offset, size_t* length)
{
    size_t size = text.size();
    if (offset >= size) {
        if (length) {
            *length = 0;
        }
        return 0;
    }
    auto c = static_cast<unsigned char>(text[offset]);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    uint32_t cp = n == 1 ? c : n == 2 ? (c & 0x1Fu) : n == 3 ? (c & 0x0Fu) : (c & 0x07u);
    bool ok = n != 0 && offset + n <= size;
    for (size_t i = 1; ok && i < n; ++i) {
        auto cc = static_cast<unsigned char>(text[offset + i]);
        ok = IsContinuation(cc);
        cp = (cp << 6) | (cc & 0x3Fu);
    }
    if (!ok) {
        if (length) {
            *length = 1;
        }
        return 0xFFFD;
    }
    if (length) {
        *length = n;
    }
    return cp;
}

void Append(std::string& out, uint32_t cp)
{
    char buf[8];
    int n = g_unichar_to_utf8(static_cast<gunichar>(cp), buf);
    out.append(buf, static_cast<size_t>(n));
}

int Count(const std::string& text)
{
    int n = 0;
    for (char c : text) {
        n += IsContinuation(static_cast<unsigned char>(c)) ? 0 : 1;
    }
    return n;
}

std::string Repeat(uint32_t cp, int count)
{
    std::string one;
    Append(one, cp);
    std::string out;
    out.reserve(one.size() * static_cast<size_t>(std::max(0, count)));
    for (int i = 0; i < count; ++i) {
        out += one;
    }
    return out;
}

} // namespace utf8

namespace {

constexpr uint32_t kZeroWidthJoiner = 0x200D;

// Code points that belong to the character before them: the caret never stands in front
// of one.
bool ExtendsPrevious(uint32_t cp)
{
    return g_unichar_ismark(static_cast<gunichar>(cp)) || cp == kZeroWidthJoiner
        || (cp >= 0xFE00 && cp <= 0xFE0F) || (cp >= 0x1F3FB && cp <= 0x1F3FF)
        || (cp >= 0xE0020 && cp <= 0xE007F) || (cp >= 0xE0100 && cp <= 0xE01EF);
}

bool IsWordChar(uint32_t cp)
{
    return cp == '_' || g_unichar_isalnum(static_cast<gunichar>(cp));
}

size_t PrevCodePoint(const std::string& text, size_t offset)
{
    if (offset == 0) {
        return 0;
    }
    --offset;
    while (offset > 0 && (static_cast<unsigned char>(text[offset]) & 0xC0) == 0x80) {
        --offset;
    }
    return offset;
}

bool IsStop(const std::string& text, size_t offset)
{
    if (offset == 0 || offset >= text.size()) {
        return true;
    }
    if (ExtendsPrevious(utf8::Decode(text, offset))) {
        return false;
    }
    return utf8::Decode(text, PrevCodePoint(text, offset)) != kZeroWidthJoiner;
}

std::string MakeValid(const std::string& text)
{
    if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
        return text;
    }
    gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
    std::string out = valid ? valid : "";
    g_free(valid);
    return out;
}

} // namespace

void TextEditModel::SetText(const std::string& text)
{
    m_text = MakeValid(text);
    m_caret = m_anchor = m_text.size();
}

int TextEditModel::Length() const
{
    return utf8::Count(m_text);
}

size_t TextEditModel::PrevStop(size_t offset) const
{
    offset = std::min(offset, m_text.size());
    do {
        offset = PrevCodePoint(m_text, offset);
    } while (offset > 0 && !IsStop(m_text, offset));
    return offset;
}

size_t TextEditModel::NextStop(size_t offset) const
{
    size_t size = m_text.size();
    if (offset >= size) {
        return size;
    }
    do {
        size_t n = 1;
        utf8::Decode(m_text, offset, &n);
        offset += n;
    } while (offset < size && !IsStop(m_text, offset));
    return offset;
}

int TextEditModel::IndexOf(size_t offset) const
{
    return utf8::Count(m_text.substr(0, std::min(offset, m_text.size())));
}

size_t TextEditModel::OffsetOf(int index) const
{
    size_t offset = 0;
    for (int i = 0; i < index && offset < m_text.size(); ++i) {
        size_t n = 1;
        utf8::Decode(m_text, offset, &n);
        offset += n;
    }
    return offset;
}

void TextEditModel::SetSel(int start, int end)
{
    int length = Length();
    auto place = [&](int index) {
        size_t offset = (index < 0 || index > length) ? m_text.size() : OffsetOf(index);
        while (!IsStop(m_text, offset)) {
            offset = PrevCodePoint(m_text, offset);
        }
        return offset;
    };
    m_anchor = place(start);
    m_caret = place(end);
}

void TextEditModel::GetSel(int& start, int& end) const
{
    start = IndexOf(m_anchor);
    end = IndexOf(m_caret);
}

void TextEditModel::SelectAll()
{
    m_anchor = 0;
    m_caret = m_text.size();
}

void TextEditModel::SetCaret(size_t offset, bool extend)
{
    offset = std::min(offset, m_text.size());
    while (!IsStop(m_text, offset)) {
        offset = PrevCodePoint(m_text, offset);
    }
    m_caret = offset;
    if (!extend) {
        m_anchor = offset;
    }
}

size_t TextEditModel::WordLeftOf(size_t offset) const
{
    while (offset > 0 && !IsWordChar(utf8::Decode(m_text, PrevStop(offset)))) {
        offset = PrevStop(offset);
    }
    while (offset > 0 && IsWordChar(utf8::Decode(m_text, PrevStop(offset)))) {
        offset = PrevStop(offset);
    }
    return offset;
}

size_t TextEditModel::WordRightOf(size_t offset) const
{
    size_t size = m_text.size();
    while (offset < size && IsWordChar(utf8::Decode(m_text, offset))) {
        offset = NextStop(offset);
    }
    while (offset < size && !IsWordChar(utf8::Decode(m_text, offset))) {
        offset = NextStop(offset);
    }
    return offset;
}

void TextEditModel::MoveCaret(Move move, bool extend)
{
    // Without Shift, Left and Right first collapse a selection to its side.
    if (!extend && HasSelection() && (move == Move::Left || move == Move::Right)) {
        SetCaret(move == Move::Left ? SelStart() : SelEnd(), false);
        return;
    }
    size_t to = m_caret;
    switch (move) {
    case Move::Left:
        to = PrevStop(m_caret);
        break;
    case Move::Right:
        to = NextStop(m_caret);
        break;
    case Move::WordLeft:
        to = WordLeftOf(m_caret);
        break;
    case Move::WordRight:
        to = WordRightOf(m_caret);
        break;
    case Move::Start:
        to = 0;
        break;
    case Move::End:
        to = m_text.size();
        break;
    }
    SetCaret(to, extend);
}

std::string TextEditModel::Filter(const std::string& input) const
{
    std::string text = MakeValid(input);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t n = 1;
        uint32_t cp = utf8::Decode(text, i, &n);
        i += n;
        if (cp == '\r' || cp == '\n') {
            if (!m_multiLine) {
                break;
            }
            if (cp == '\r' && i < text.size() && text[i] == '\n') {
                ++i;
            }
            cp = '\n';
        }
        bool control
            = (cp < 0x20 && !(m_multiLine && (cp == '\n' || cp == '\t'))) || (cp >= 0x7F && cp < 0xA0);
        if (control) {
            continue;
        }
        if (m_numberOnly && (cp < '0' || cp > '9')) {
            return std::string();
        }
        utf8::Append(out, cp);
    }
    return out;
}

bool TextEditModel::Insert(const std::string& input)
{
    if (m_readOnly) {
        return false;
    }
    std::string text = Filter(input);
    if (m_limit > 0) {
        int selected = utf8::Count(GetSelectedText());
        int room = m_limit - (Length() - selected);
        if (room <= 0) {
            return false;
        }
        if (utf8::Count(text) > room) {
            size_t cut = 0;
            for (int i = 0; i < room; ++i) {
                size_t n = 1;
                utf8::Decode(text, cut, &n);
                cut += n;
            }
            text.resize(cut);
        }
    }
    if (text.empty()) {
        return false;
    }
    size_t start = SelStart();
    m_text.replace(start, SelEnd() - start, text);
    size_t caret = start + text.size();
    while (!IsStop(m_text, caret)) {
        caret = NextStop(caret);
    }
    m_caret = m_anchor = caret;
    return true;
}

bool TextEditModel::Erase(size_t from, size_t to)
{
    if (m_readOnly || from >= to) {
        return false;
    }
    m_text.erase(from, to - from);
    m_caret = m_anchor = from;
    return true;
}

bool TextEditModel::DeleteSelection()
{
    return HasSelection() && Erase(SelStart(), SelEnd());
}

bool TextEditModel::Backspace(bool word)
{
    if (HasSelection()) {
        return DeleteSelection();
    }
    return Erase(word ? WordLeftOf(m_caret) : PrevStop(m_caret), m_caret);
}

bool TextEditModel::Delete(bool word)
{
    if (HasSelection()) {
        return DeleteSelection();
    }
    return Erase(m_caret, word ? WordRightOf(m_caret) : NextStop(m_caret));
}

} // namespace lumo
