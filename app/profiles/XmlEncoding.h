#pragma once

// How XmlDocument turns file bytes into its UTF-8 text and back.
//
// Reading: a UTF-16 byte-order mark (either order) wins; then the encoding named in the XML
// declaration or in an HTML meta charset, when the table below knows it; then text that is
// valid UTF-8; otherwise Windows-1252. NUL bytes in 8-bit text are dropped.
// Writing: the encoding the declaration names, UTF-8 when it names none or an unknown one.

#include "profiles/XmlResult.h"

#include <string>
#include <string_view>
#include <vector>

namespace clavora {

enum class XmlCharset { Utf8, Utf16LE, Utf16BE, Windows1252, Iconv };

struct XmlCharsetName {
    std::string_view name;
    XmlCharset charset;
    const char* iconvName; // for XmlCharset::Iconv
};

// Every encoding name the program understands, lower case.
const std::vector<XmlCharsetName>& XmlCharsetTable();
// Looks a name up, ignoring case; null when the table does not know it.
const XmlCharsetName* FindXmlCharset(std::string_view name);

// The encoding named by the XML declaration at the start of the text; empty when none.
std::string DeclaredEncoding(std::string_view text);
// The charset of an HTML meta element near the start of the text; empty when none.
std::string MetaCharset(std::string_view text);

// File bytes to UTF-8; what was found and done goes into result.
std::string DecodeXmlFile(std::string_view bytes, XmlResult& result);

struct XmlEncoded {
    std::string bytes;
    std::string encoding;
    size_t lost = 0; // characters the encoding could not hold, written as '?'
};
XmlEncoded EncodeXmlFile(std::string_view text);

} // namespace clavora
