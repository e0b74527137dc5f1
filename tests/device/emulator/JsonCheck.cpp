#include "JsonCheck.h"

#include <cctype>
#include <cstring>

namespace clavora::test {

namespace {

class Checker {
public:
    explicit Checker(const std::string& text)
        : m_text(text)
    {
    }

    bool Document()
    {
        return Value(0) && (Skip(), m_at == m_text.size());
    }

private:
    void Skip()
    {
        while (m_at < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_at])))
            ++m_at;
    }
    bool Take(char c)
    {
        Skip();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    bool Word(const char* word)
    {
        const size_t n = std::strlen(word);
        if (m_text.compare(m_at, n, word) != 0)
            return false;
        m_at += n;
        return true;
    }
    bool String()
    {
        if (!Take('"'))
            return false;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c == '"')
                return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c == '\\' && m_at++ >= m_text.size())
                return false;
        }
        return false;
    }
    bool Number()
    {
        const size_t start = m_at;
        if (m_at < m_text.size() && m_text[m_at] == '-')
            ++m_at;
        while (m_at < m_text.size() && (std::isdigit(static_cast<unsigned char>(m_text[m_at])) || m_text[m_at] == '.'))
            ++m_at;
        return m_at > start;
    }
    template<typename Element>
    bool List(char close, Element element)
    {
        if (Take(close))
            return true;
        do {
            if (!element())
                return false;
        } while (Take(','));
        return Take(close);
    }
    bool Value(int depth)
    {
        if (depth > 64)
            return false;
        Skip();
        if (m_at >= m_text.size())
            return false;
        switch (m_text[m_at]) {
        case '{':
            ++m_at;
            return List('}', [&] { return String() && Take(':') && Value(depth + 1); });
        case '[':
            ++m_at;
            return List(']', [&] { return Value(depth + 1); });
        case '"':
            return String();
        case 't':
            return Word("true");
        case 'f':
            return Word("false");
        case 'n':
            return Word("null");
        default:
            return Number();
        }
    }

    const std::string& m_text;
    size_t m_at = 0;
};

} // namespace

bool IsJson(const std::string& text) { return Checker(text).Document(); }

} // namespace clavora::test
