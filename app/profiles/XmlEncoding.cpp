#include "profiles/XmlEncoding.h"

#include "platform/TextCodec.h"

#include <algorithm>

namespace clavora {

namespace {

// How far into a document the encoding declarations are looked for.
constexpr size_t kDeclarationWindow = 1024;
constexpr size_t kMetaWindow = 8192;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string ToLower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), Lower);
    return out;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

size_t SkipSpace(std::string_view s, size_t pos)
{
    while (pos < s.size() && IsSpace(s[pos]))
        ++pos;
    return pos;
}

// The value after "<key> = " at pos: quoted, or up to a space, quote, ';' or '>'.
std::string ValueAfterKey(std::string_view s, size_t pos)
{
    pos = SkipSpace(s, pos);
    if (pos >= s.size() || s[pos] != '=')
        return {};
    pos = SkipSpace(s, pos + 1);
    if (pos < s.size() && (s[pos] == '"' || s[pos] == '\''))
        ++pos;
    size_t end = pos;
    while (end < s.size() && !IsSpace(s[end]) && s[end] != '"' && s[end] != '\'' && s[end] != ';'
        && s[end] != '>' && s[end] != '/')
        ++end;
    return std::string(s.substr(pos, end - pos));
}

std::string RemoveNuls(std::string_view bytes, size_t& removed)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        if (c != '\0')
            out += c;
    }
    removed = bytes.size() - out.size();
    return out;
}

std::string DecodeUtf16(std::string_view bytes, bool bigEndian, XmlResult& result)
{
    bool oddByte = false;
    std::string text = Utf16ToUtf8(bytes, bigEndian, &oddByte);
    if (bigEndian)
        result.Add("endian_swap");
    if (oddByte)
        result.Add("truncation_error", { { "offset", std::to_string(bytes.size() - 1) } });
    return text;
}

// Converts 8-bit text in a named charset; false when iconv cannot open it.
bool DecodeNamed(std::string_view bytes, const XmlCharsetName& entry, std::string& text, XmlResult& notes)
{
    if (entry.charset == XmlCharset::Utf8) {
        text = SanitizeUtf8(bytes);
        return true;
    }
    if (entry.charset == XmlCharset::Windows1252) {
        text = Windows1252ToUtf8(bytes);
        notes.Add("converted_from", { { "encoding", "windows-1252" } });
        return true;
    }
    CharsetConversion conversion;
    if (entry.charset != XmlCharset::Iconv || !ConvertCharset(bytes, entry.iconvName, "UTF-8", conversion))
        return false;
    text = std::move(conversion.text);
    notes.Add("converted_from", { { "encoding", entry.iconvName } });
    if (conversion.lost > 0)
        notes.Add("conversion_loss", { { "count", std::to_string(conversion.lost) } });
    if (conversion.truncated)
        notes.Add("truncation_error", { { "offset", std::to_string(bytes.size()) } });
    return true;
}

std::string Decode8Bit(std::string_view raw, XmlResult& result)
{
    std::string encoding;
    const bool bom = raw.substr(0, 3) == "\xEF\xBB\xBF";
    size_t nuls = 0;
    const std::string bytes = RemoveNuls(bom ? raw.substr(3) : raw, nuls);
    XmlResult notes;
    if (nuls > 0)
        notes.Add("nulls_removed", { { "count", std::to_string(nuls) } });

    std::string name = bom ? "UTF-8" : DeclaredEncoding(bytes);
    if (name.empty())
        name = MetaCharset(bytes);
    std::string text;
    if (const XmlCharsetName* entry = FindXmlCharset(name); entry && DecodeNamed(bytes, *entry, text, notes)) {
        encoding = name;
    } else if (IsValidUtf8(bytes)) {
        text = bytes;
        encoding = "UTF-8";
        if (HasNonAscii(bytes))
            notes.Add("utf8_detection");
    } else {
        text = Windows1252ToUtf8(bytes);
        encoding = "ANSI";
        notes.Add("converted_from", { { "encoding", "windows-1252" } });
    }
    // "read" comes first in the record, so the notes gathered on the way follow it.
    result.Add("read", { { "encoding", encoding }, { "length", std::to_string(raw.size()) } });
    result.Append(notes);
    return text;
}

} // namespace

const std::vector<XmlCharsetName>& XmlCharsetTable()
{
    static const std::vector<XmlCharsetName> table = [] {
        std::vector<XmlCharsetName> t = {
            { "utf-8", XmlCharset::Utf8, nullptr },
            { "utf8", XmlCharset::Utf8, nullptr },
            { "utf-16", XmlCharset::Utf16LE, nullptr },
            { "utf-16le", XmlCharset::Utf16LE, nullptr },
            { "ucs-2", XmlCharset::Utf16LE, nullptr },
            { "unicode", XmlCharset::Utf16LE, nullptr },
            { "utf-16be", XmlCharset::Utf16BE, nullptr },
            { "unicodefffe", XmlCharset::Utf16BE, nullptr },
            { "windows-1252", XmlCharset::Windows1252, nullptr },
            { "cp1252", XmlCharset::Windows1252, nullptr },
            { "x-cp1252", XmlCharset::Windows1252, nullptr },
            { "iso-8859-1", XmlCharset::Windows1252, nullptr },
            { "iso8859-1", XmlCharset::Windows1252, nullptr },
            { "latin1", XmlCharset::Windows1252, nullptr },
            { "us-ascii", XmlCharset::Windows1252, nullptr },
            { "ascii", XmlCharset::Windows1252, nullptr },
            { "ansi", XmlCharset::Windows1252, nullptr },
            { "gb2312", XmlCharset::Iconv, "CP936" },
            { "gbk", XmlCharset::Iconv, "CP936" },
            { "cp936", XmlCharset::Iconv, "CP936" },
            { "x-gbk", XmlCharset::Iconv, "CP936" },
            { "euc-cn", XmlCharset::Iconv, "CP936" },
            { "gb18030", XmlCharset::Iconv, "GB18030" },
            { "big5", XmlCharset::Iconv, "CP950" },
            { "cp950", XmlCharset::Iconv, "CP950" },
            { "big5-hkscs", XmlCharset::Iconv, "BIG5-HKSCS" },
            { "shift_jis", XmlCharset::Iconv, "CP932" },
            { "shift-jis", XmlCharset::Iconv, "CP932" },
            { "sjis", XmlCharset::Iconv, "CP932" },
            { "x-sjis", XmlCharset::Iconv, "CP932" },
            { "cp932", XmlCharset::Iconv, "CP932" },
            { "windows-31j", XmlCharset::Iconv, "CP932" },
            { "euc-jp", XmlCharset::Iconv, "EUC-JP" },
            { "iso-2022-jp", XmlCharset::Iconv, "ISO-2022-JP" },
            { "euc-kr", XmlCharset::Iconv, "CP949" },
            { "ks_c_5601-1987", XmlCharset::Iconv, "CP949" },
            { "cp949", XmlCharset::Iconv, "CP949" },
            { "koi8-r", XmlCharset::Iconv, "KOI8-R" },
            { "koi8-u", XmlCharset::Iconv, "KOI8-U" },
            { "tis-620", XmlCharset::Iconv, "TIS-620" },
            { "windows-874", XmlCharset::Iconv, "CP874" },
        };
        static const char* const kWindows[] = { "CP1250", "CP1251", "CP1253", "CP1254", "CP1255", "CP1256",
            "CP1257", "CP1258" };
        static const char* const kWindowsNames[] = { "windows-1250", "windows-1251", "windows-1253",
            "windows-1254", "windows-1255", "windows-1256", "windows-1257", "windows-1258" };
        for (size_t i = 0; i < std::size(kWindows); ++i)
            t.push_back({ kWindowsNames[i], XmlCharset::Iconv, kWindows[i] });
        static const char* const kIso[] = { "iso-8859-2", "iso-8859-3", "iso-8859-4", "iso-8859-5",
            "iso-8859-6", "iso-8859-7", "iso-8859-8", "iso-8859-9", "iso-8859-10", "iso-8859-13",
            "iso-8859-14", "iso-8859-15", "iso-8859-16" };
        static const char* const kIsoIconv[] = { "ISO-8859-2", "ISO-8859-3", "ISO-8859-4", "ISO-8859-5",
            "ISO-8859-6", "ISO-8859-7", "ISO-8859-8", "ISO-8859-9", "ISO-8859-10", "ISO-8859-13",
            "ISO-8859-14", "ISO-8859-15", "ISO-8859-16" };
        for (size_t i = 0; i < std::size(kIso); ++i)
            t.push_back({ kIso[i], XmlCharset::Iconv, kIsoIconv[i] });
        return t;
    }();
    return table;
}

const XmlCharsetName* FindXmlCharset(std::string_view name)
{
    if (name.empty())
        return nullptr;
    const std::string lower = ToLower(name);
    for (const XmlCharsetName& entry : XmlCharsetTable()) {
        if (entry.name == lower)
            return &entry;
    }
    return nullptr;
}

std::string DeclaredEncoding(std::string_view text)
{
    const size_t start = SkipSpace(text, 0);
    if (text.compare(start, 5, "<?xml") != 0 || start + 5 >= text.size() || !IsSpace(text[start + 5]))
        return {};
    const std::string_view window = text.substr(start, kDeclarationWindow);
    const size_t end = window.find("?>");
    const std::string_view declaration = window.substr(0, end);
    const size_t key = declaration.find("encoding");
    if (key == std::string_view::npos)
        return {};
    return ValueAfterKey(declaration, key + 8);
}

std::string MetaCharset(std::string_view text)
{
    const std::string head = ToLower(text.substr(0, kMetaWindow));
    for (size_t meta = head.find("<meta"); meta != std::string::npos; meta = head.find("<meta", meta + 5)) {
        const size_t close = head.find('>', meta);
        const std::string_view tag = std::string_view(head).substr(meta, close - meta);
        const size_t key = tag.find("charset");
        if (key == std::string_view::npos)
            continue;
        // Take the original spelling, though names are matched without case anyway.
        return ValueAfterKey(text.substr(meta, tag.size()), key + 7);
    }
    return {};
}

std::string DecodeXmlFile(std::string_view bytes, XmlResult& result)
{
    const auto starts = [&](std::string_view prefix) { return bytes.substr(0, prefix.size()) == prefix; };
    const auto read = [&](const char* encoding) {
        result.Add("read", { { "encoding", encoding }, { "length", std::to_string(bytes.size()) } });
    };
    using namespace std::string_view_literals;
    if (starts("\xFF\xFE"sv)) {
        read("UTF-16LE");
        return DecodeUtf16(bytes.substr(2), false, result);
    }
    if (starts("\xFE\xFF"sv)) {
        read("UTF-16BE");
        return DecodeUtf16(bytes.substr(2), true, result);
    }
    // UTF-16 without a byte-order mark still shows itself by the zero byte beside the first '<'.
    if (starts("<\0"sv)) {
        read("UTF-16LE");
        return DecodeUtf16(bytes, false, result);
    }
    if (starts("\0<"sv)) {
        read("UTF-16BE");
        return DecodeUtf16(bytes, true, result);
    }
    return Decode8Bit(bytes, result);
}

XmlEncoded EncodeXmlFile(std::string_view text)
{
    XmlEncoded out;
    const XmlCharsetName* entry = FindXmlCharset(DeclaredEncoding(text));
    const XmlCharset charset = entry ? entry->charset : XmlCharset::Utf8;
    switch (charset) {
    case XmlCharset::Utf16LE:
        out.bytes = "\xFF\xFE" + Utf8ToUtf16(text, false);
        out.encoding = "UTF-16LE";
        return out;
    case XmlCharset::Utf16BE:
        out.bytes = "\xFE\xFF" + Utf8ToUtf16(text, true);
        out.encoding = "UTF-16BE";
        return out;
    case XmlCharset::Windows1252:
        out.bytes = Utf8ToWindows1252(text, out.lost);
        out.encoding = "windows-1252";
        return out;
    case XmlCharset::Iconv: {
        CharsetConversion conversion;
        if (ConvertCharset(text, "UTF-8", entry->iconvName, conversion)) {
            out.bytes = std::move(conversion.text);
            out.lost = conversion.lost;
            out.encoding = entry->iconvName;
            return out;
        }
        break;
    }
    case XmlCharset::Utf8:
        break;
    }
    out.bytes = std::string(text);
    out.encoding = "UTF-8";
    return out;
}

} // namespace clavora
