#pragma once

// The node index behind XmlDocument. Only elements are nodes; everything between them
// (text, comments, CDATA, processing instructions, stray markup) is kept verbatim as the
// "lead" before an element or the "tail" after an element's last child, so a document is
// written back exactly as it was read apart from what was changed.
//
// Spans point into one append-only text store: a changed start tag or a new element is
// appended and its span moved, which keeps every edit cheap however large the document is.
// Offsets are 32-bit, which bounds a document to kMaxTextBytes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace clavora {

struct XmlSpan {
    uint32_t offset = 0;
    uint32_t length = 0;
};

struct XmlNode {
    XmlSpan lead; // text between the previous sibling (or the parent's start tag) and this element
    XmlSpan tag;  // the start tag as written: "<name ...>" or "<name .../>"
    XmlSpan tail; // content after the last child, up to the end tag
    XmlSpan end;  // the end tag; empty for an empty-element tag or an element never ended
    uint32_t nameLength = 0; // the name starts right after the tag's '<'
    int32_t parent = -1;
    int32_t firstChild = -1;
    int32_t lastChild = -1;
    int32_t next = -1;
};

class XmlTree {
public:
    static constexpr int32_t kDocument = 0;
    static constexpr uint32_t kMaxTextBytes = 256u << 20;

    XmlTree() { Reset({}); }

    // Starts over with this text as the store and the document node alone.
    void Reset(std::string text);

    const std::string& Text() const { return m_text; }
    std::string_view View(XmlSpan span) const { return std::string_view(m_text).substr(span.offset, span.length); }
    // Appends text to the store; false when the store would pass kMaxTextBytes.
    bool Append(std::string_view text, XmlSpan& span);
    // Points a span at new text, counting the old text as garbage.
    bool Replace(XmlSpan& span, std::string_view text);

    size_t Count() const { return m_nodes.size(); }
    XmlNode& Node(int32_t index) { return m_nodes[static_cast<size_t>(index)]; }
    const XmlNode& Node(int32_t index) const { return m_nodes[static_cast<size_t>(index)]; }
    std::string_view Name(int32_t index) const;

    // Creates an unlinked node and returns its index.
    int32_t NewNode();
    void AppendChild(int32_t parent, int32_t child);
    void InsertAfter(int32_t sibling, int32_t child);
    // Number of elements above this one (0 for a root element).
    int Depth(int32_t index) const;

    // The whole document, with every span in document order.
    std::string Serialize() const;

    // Rewrites the store without replaced text once that is most of it; spans held outside
    // the nodes are invalid afterwards.
    void CompactIfWasteful();

private:
    std::string m_text;
    std::vector<XmlNode> m_nodes;
    size_t m_garbage = 0;
};

} // namespace clavora
