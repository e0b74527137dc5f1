#include "platform/TextCodec.h"

#include <array>
#include <cerrno>
#include <glib.h>
#include <strings.h>

namespace clavora {

namespace {

// Code points of Windows-1252 bytes 0x80-0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsSurrogate(char32_t cp) { return cp >= 0xD800 && cp <= 0xDFFF; }

bool IsUtf8Name(const char* name)
{
    return strcasecmp(name, "UTF-8") == 0 || strcasecmp(name, "UTF8") == 0;
}

// Owns a GLib iconv descriptor.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : m_cd(g_iconv_open(to, from)) { }
    ~IconvHandle()
    {
        if (IsOpen())
            g_iconv_close(m_cd);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool IsOpen() const { return m_cd != reinterpret_cast<GIConv>(-1); }
    GIConv Get() const { return m_cd; }

private:
    GIConv m_cd;
};

} // namespace

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp > 0x10FFFF || IsSurrogate(cp))
        cp = kReplacementChar;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t DecodeUtf8(std::string_view text, size_t& pos)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    size_t count;
    char32_t cp;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 1, cp = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 2, cp = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 3, cp = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return kReplacementChar;
    }
    if (text.size() - pos <= count) {
        ++pos;
        return kReplacementChar;
    }
    for (size_t i = 1; i <= count; ++i) {
        const unsigned char c = byte(pos + i);
        if ((c & 0xC0) != 0x80) {
            ++pos;
            return kReplacementChar;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || IsSurrogate(cp)) {
        ++pos;
        return kReplacementChar;
    }
    pos += count + 1;
    return cp;
}

bool IsValidUtf8(std::string_view text)
{
    for (size_t pos = 0; pos < text.size();) {
        const size_t start = pos;
        if (DecodeUtf8(text, pos) == kReplacementChar && text.substr(start, 3) != "\xEF\xBF\xBD")
            return false;
    }
    return true;
}

bool HasNonAscii(std::string_view text)
{
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

std::string SanitizeUtf8(std::string_view text)
{
    if (IsValidUtf8(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();)
        AppendUtf8(out, DecodeUtf8(text, pos));
    return out;
}

size_t Utf8Length(std::string_view text)
{
    size_t count = 0;
    for (size_t pos = 0; pos < text.size(); ++count)
        DecodeUtf8(text, pos);
    return count;
}

std::string_view TruncateUtf8(std::string_view text, size_t maxChars)
{
    size_t pos = 0;
    for (size_t count = 0; count < maxChars && pos < text.size(); ++count)
        DecodeUtf8(text, pos);
    return text.substr(0, pos);
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian, bool* oddByte)
{
    if (oddByte)
        *oddByte = bytes.size() % 2 != 0;
    const size_t units = bytes.size() / 2;
    const auto unit = [&](size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[2 * i]);
        const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    std::string out;
    out.reserve(units * 3 / 2);
    for (size_t i = 0; i < units; ++i) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units) {
            const char32_t low = unit(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        AppendUtf8(out, cp);
    }
    return out;
}

std::string Utf8ToUtf16(std::string_view text, bool bigEndian)
{
    std::string out;
    out.reserve(text.size() * 2);
    const auto put = [&](char32_t unit) {
        const char hi = static_cast<char>(unit >> 8);
        const char lo = static_cast<char>(unit & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    for (size_t pos = 0; pos < text.size();) {
        const char32_t cp = DecodeUtf8(text, pos);
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

std::string Windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b);
    }
    return out;
}

std::string Utf8ToWindows1252(std::string_view text, size_t& lost)
{
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const char32_t cp = DecodeUtf8(text, pos);
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = 0;
        for (size_t i = 0; i < kCp1252High.size(); ++i) {
            if (kCp1252High[i] == cp)
                mapped = static_cast<char>(0x80 + i);
        }
        if (!mapped)
            ++lost;
        out += mapped ? mapped : '?';
    }
    return out;
}

bool ConvertCharset(std::string_view input, const char* from, const char* to, CharsetConversion& result)
{
    IconvHandle cd(to, from);
    if (!cd.IsOpen())
        return false;
    const bool fromUtf8 = IsUtf8Name(from);
    const std::string_view substitute = IsUtf8Name(to) ? "\xEF\xBF\xBD" : "?";
    result = {};
    std::string& out = result.text;
    out.resize(input.size() * 2 + 16);
    size_t written = 0;
    auto* in = const_cast<gchar*>(input.data());
    gsize inLeft = input.size();
    while (inLeft > 0) {
        gchar* outPtr = out.data() + written;
        gsize outLeft = out.size() - written;
        const gsize rc = g_iconv(cd.Get(), &in, &inLeft, &outPtr, &outLeft);
        written = out.size() - outLeft;
        if (rc != static_cast<gsize>(-1))
            break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
        } else if (errno == EILSEQ) {
            // Skip the offending character (a whole one when it is UTF-8 we are reading).
            size_t skip = 1;
            if (fromUtf8) {
                skip = 0;
                DecodeUtf8(std::string_view(in, inLeft), skip);
            }
            in += skip;
            inLeft -= skip;
            ++result.lost;
            if (out.size() - written < substitute.size())
                out.resize(out.size() * 2);
            out.replace(written, substitute.size(), substitute);
            written += substitute.size();
        } else {
            result.truncated = errno == EINVAL;
            break;
        }
    }
    // Stateful charsets may owe a closing shift sequence.
    for (;;) {
        gchar* outPtr = out.data() + written;
        gsize outLeft = out.size() - written;
        const gsize rc = g_iconv(cd.Get(), nullptr, nullptr, &outPtr, &outLeft);
        written = out.size() - outLeft;
        if (rc != static_cast<gsize>(-1) || errno != E2BIG)
            break;
        out.resize(out.size() * 2);
    }
    out.resize(written);
    return true;
}

} // namespace clavora
