#pragma once

// The result record of XmlDocument: a small XML fragment with one empty element per event
// of the last load, save or parse, e.g.
//   <read encoding="UTF-8" length="812"/><utf8_detection/><lone_end_tag offset="40" name="b"/>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace clavora {

class XmlResult {
public:
    using Attribute = std::pair<std::string_view, std::string>;

    void Clear() { m_text.clear(); }
    const std::string& Text() const { return m_text; }
    bool Has(std::string_view element) const;
    void Append(const XmlResult& other) { m_text += other.m_text; }

    // Adds an element with attributes and optional character data (both escaped).
    void Add(std::string_view element, std::initializer_list<Attribute> attributes = {},
        std::string_view data = {});

private:
    std::string m_text;
};

} // namespace clavora
