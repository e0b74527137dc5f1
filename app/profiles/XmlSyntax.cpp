#include "profiles/XmlSyntax.h"

#include "profiles/XmlParser.h"

#include <array>
#include <utility>

namespace clavora {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// References longer than this cannot be valid ("&#x0010FFFF;" is the longest useful one).
constexpr size_t kMaxReferenceLength = 12;

} // namespace

bool FindXmlAttribute(std::string_view tag, size_t nameLength, std::string_view name, XmlAttributeSpan& found)
{
    const size_t size = tag.size();
    size_t i = 1 + nameLength;
    while (i < size) {
        if (tag[i] == '"' || tag[i] == '\'') {
            // A stray quoted run is one piece, as the parser sees it.
            const size_t close = tag.find(tag[i], i + 1);
            i = close == std::string_view::npos ? size : close + 1;
            continue;
        }
        if (tag[i] == '>')
            return false;
        if (XmlParser::IsNameEnd(tag[i])) {
            ++i;
            continue;
        }
        XmlAttributeSpan span;
        span.nameStart = i;
        while (i < size && !XmlParser::IsNameEnd(tag[i]))
            ++i;
        const std::string_view attributeName = tag.substr(span.nameStart, i - span.nameStart);
        size_t j = i;
        while (j < size && IsSpace(tag[j]))
            ++j;
        span.valueStart = span.valueEnd = span.end = i;
        if (j < size && tag[j] == '=') {
            ++j;
            while (j < size && IsSpace(tag[j]))
                ++j;
            if (j < size && (tag[j] == '"' || tag[j] == '\'')) {
                const size_t close = tag.find(tag[j], j + 1);
                span.valueStart = j + 1;
                span.valueEnd = close == std::string_view::npos ? size : close;
                span.end = close == std::string_view::npos ? size : close + 1;
            } else {
                span.valueStart = j;
                while (j < size && !IsSpace(tag[j]) && tag[j] != '>' && tag[j] != '"' && tag[j] != '\''
                    && tag.substr(j, 2) != "/>")
                    ++j;
                span.valueEnd = span.end = j;
            }
            i = span.end;
        }
        if (attributeName == name) {
            found = span;
            return true;
        }
    }
    return false;
}

char32_t DecodeXmlReference(std::string_view text, size_t& length)
{
    length = 0;
    const size_t semicolon = text.substr(0, kMaxReferenceLength).find(';');
    if (text.empty() || text[0] != '&' || semicolon == std::string_view::npos)
        return 0;
    const std::string_view body = text.substr(1, semicolon - 1);
    static constexpr std::array<std::pair<std::string_view, char32_t>, 5> kEntities = { {
        { "lt", '<' }, { "amp", '&' }, { "gt", '>' }, { "apos", '\'' }, { "quot", '"' } } };
    for (const auto& [entity, cp] : kEntities) {
        if (body == entity) {
            length = semicolon + 1;
            return cp;
        }
    }
    if (body.size() < 2 || body[0] != '#')
        return 0;
    const bool hex = body[1] == 'x' || body[1] == 'X';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty())
        return 0;
    char32_t cp = 0;
    for (char c : digits) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return 0;
        cp = cp * (hex ? 16 : 10) + static_cast<char32_t>(digit);
        if (cp > 0x10FFFF)
            return 0;
    }
    // NUL and surrogate halves are no characters; such references stay as written.
    if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    length = semicolon + 1;
    return cp;
}

} // namespace clavora
