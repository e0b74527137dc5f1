#pragma once

// Small lexical pieces of XML shared by the document class: attributes inside a start tag
// and character references.

#include <cstddef>
#include <string_view>

namespace clavora {

// Offsets into a start tag of one attribute: its name, its value (without quotes), and the
// end of the whole name="value" text.
struct XmlAttributeSpan {
    size_t nameStart = 0;
    size_t valueStart = 0;
    size_t valueEnd = 0;
    size_t end = 0;
};

// Finds the first attribute called name in a start tag whose element name is nameLength
// characters long. Values may be double-quoted, single-quoted or bare; an attribute with no
// value reads as empty.
bool FindXmlAttribute(std::string_view tag, size_t nameLength, std::string_view name, XmlAttributeSpan& found);

// Decodes the entity or character reference at the start of text ("&amp;", "&#65;",
// "&#x41;"). Returns the code point and sets length to the characters used; length is 0 when
// the text starts with no reference this program decodes.
char32_t DecodeXmlReference(std::string_view text, size_t& length);

} // namespace clavora
