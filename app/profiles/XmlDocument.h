#pragma once

// XmlDocument - the program's one XML reader and writer (config.xml, layout files,
// profile and macro exchange files).
//
//   Loading and saving   Load, LoadFromBytes, Save, SetDoc, GetDoc, IsWellFormed, GetResult
//   Navigation           ResetPos, FindElem, IntoElem, OutOfElem, GetTagName, GetData
//   Attributes           GetAttrib, SetAttrib
//   Building             AddElem
//   Escaping             EscapeText, UnescapeText, MakeCData
//
// Text in memory is UTF-8. Files may be UTF-16 (either byte order, with a byte-order mark),
// any encoding named in the XML declaration or an HTML meta charset, detected UTF-8, or
// Windows-1252. No DTD or entity expansion is ever performed.
//
// The position is a parent element and a current element below it. FindElem searches
// forward among the parent's children from the element after the current one (from the
// first child when nothing is current yet); an empty name matches any element.

#include <memory>
#include <string>
#include <string_view>

namespace clavora {

class XmlDocument {
public:
    XmlDocument();
    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // How AddElem writes an element's character data.
    enum class DataForm { Escaped, CData };

    // Replaces the document with UTF-8 text and parses it; true when it holds exactly one
    // root element. An empty text is allowed and gives an empty, buildable document.
    // A text without elements (empty, or just a declaration to start a new file) also gives
    // true, as long as it has no syntax errors: elements are then added with AddElem.
    bool SetDoc(std::string_view utf8Text);
    // The document text as UTF-8.
    std::string GetDoc() const;
    // True when the text parsed without errors and holds exactly one root element.
    bool IsWellFormed() const;

    // Reads the whole file, converts it to UTF-8 and parses it. False when the file cannot
    // be read or is not well formed; the reason is in GetResult().
    bool Load(const std::string& path);
    // Load from bytes already in memory (file contents in any supported encoding).
    bool LoadFromBytes(std::string_view bytes);
    // Writes the document in the encoding its declaration names (UTF-8 when none). False
    // when the file cannot be written; characters the encoding cannot hold are reported as
    // "conversion_loss" in GetResult() without failing.
    bool Save(const std::string& path);
    // A small XML fragment describing the last load, save or parse (elements such as
    // "read", "file_error", "utf8_detection", "unended_start_tag", ...).
    const std::string& GetResult() const;

    // Back to the document level with no current element.
    void ResetPos();
    bool FindElem(std::string_view name = {});
    // Makes the current element the parent; false when there is no current element.
    bool IntoElem();
    // Makes the parent the current element again; false at the document level.
    bool OutOfElem();
    std::string GetTagName() const;
    // The character data of the current element (entities decoded, CDATA unwrapped).
    std::string GetData() const;

    // Attribute of the current element with entities decoded; empty when missing.
    std::string GetAttrib(std::string_view name) const;
    // Sets or replaces an attribute of the current element; false without a current element.
    bool SetAttrib(std::string_view name, std::string_view value);
    bool SetAttrib(std::string_view name, int value);

    // Adds an element after the current one (as the parent's last child when nothing is
    // current), with optional character data, and makes it current.
    bool AddElem(std::string_view name, std::string_view data = {});
    // The same, with the data written as a CDATA section when asked (split around "]]>").
    // False when the name is not a valid element name or a second root element would result.
    bool AddElem(std::string_view name, std::string_view data, DataForm form);

    // Escapes the five XML special characters as predefined entities.
    static std::string EscapeText(std::string_view text);
    // Decodes the predefined entities and numeric character references; anything else
    // that starts with '&' is kept as it stands.
    static std::string UnescapeText(std::string_view text);
    // A CDATA section holding text; "]]>" inside it is split over two sections.
    static std::string MakeCData(std::string_view text);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace clavora
