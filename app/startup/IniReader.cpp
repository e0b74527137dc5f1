#include "startup/IniReader.h"

#include "platform/TextCodec.h"

namespace clavora {

namespace {

std::string_view Trim(std::string_view s)
{
    const size_t first = s.find_first_not_of(" \t\r\f\v");
    if (first == std::string_view::npos)
        return {};
    const size_t last = s.find_last_not_of(" \t\r\f\v");
    return s.substr(first, last - first + 1);
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

std::string DecodeTextFile(std::string_view bytes)
{
    if (bytes.starts_with("\xFF\xFE"))
        return Utf16ToUtf8(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return Utf16ToUtf8(bytes.substr(2), true);
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return SanitizeUtf8(bytes.substr(3));
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    return Windows1252ToUtf8(bytes);
}

std::optional<std::string> FindIniValue(std::string_view text, std::string_view section, std::string_view key)
{
    bool inSection = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const size_t close = line.find(']');
            inSection = EqualNoCase(Trim(line.substr(1, close == std::string_view::npos ? close : close - 1)), section);
            continue;
        }
        const size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos)
            continue;
        if (EqualNoCase(Trim(line.substr(0, equals)), key))
            return std::string(Unquote(Trim(line.substr(equals + 1))));
    }
    return std::nullopt;
}

} // namespace clavora
