#include "profiles/XmlTree.h"

namespace clavora {

void XmlTree::Reset(std::string text)
{
    m_text = std::move(text);
    m_nodes.assign(1, XmlNode {});
    m_garbage = 0;
}

bool XmlTree::Append(std::string_view text, XmlSpan& span)
{
    if (text.size() > kMaxTextBytes - m_text.size())
        return false;
    span.offset = static_cast<uint32_t>(m_text.size());
    span.length = static_cast<uint32_t>(text.size());
    m_text.append(text);
    return true;
}

bool XmlTree::Replace(XmlSpan& span, std::string_view text)
{
    const size_t old = span.length;
    if (!Append(text, span))
        return false;
    m_garbage += old;
    return true;
}

std::string_view XmlTree::Name(int32_t index) const
{
    const XmlNode& node = Node(index);
    return std::string_view(m_text).substr(node.tag.offset + 1, node.nameLength);
}

int32_t XmlTree::NewNode()
{
    m_nodes.emplace_back();
    return static_cast<int32_t>(m_nodes.size() - 1);
}

void XmlTree::AppendChild(int32_t parent, int32_t child)
{
    XmlNode& p = Node(parent);
    Node(child).parent = parent;
    if (p.lastChild < 0)
        p.firstChild = child;
    else
        Node(p.lastChild).next = child;
    p.lastChild = child;
}

void XmlTree::InsertAfter(int32_t sibling, int32_t child)
{
    XmlNode& s = Node(sibling);
    XmlNode& c = Node(child);
    c.parent = s.parent;
    c.next = s.next;
    s.next = child;
    if (Node(c.parent).lastChild == sibling)
        Node(c.parent).lastChild = child;
}

int XmlTree::Depth(int32_t index) const
{
    int depth = 0;
    for (int32_t p = Node(index).parent; p > kDocument; p = Node(p).parent)
        ++depth;
    return depth;
}

std::string XmlTree::Serialize() const
{
    std::string out;
    out.reserve(m_text.size() - m_garbage);
    int32_t n = Node(kDocument).firstChild;
    while (n >= 0) {
        out.append(View(Node(n).lead)).append(View(Node(n).tag));
        if (Node(n).firstChild >= 0) {
            n = Node(n).firstChild;
            continue;
        }
        // Close this element and every ancestor whose last child it ends.
        for (;;) {
            out.append(View(Node(n).tail)).append(View(Node(n).end));
            if (Node(n).next >= 0) {
                n = Node(n).next;
                break;
            }
            n = Node(n).parent;
            if (n == kDocument) {
                n = -1;
                break;
            }
        }
    }
    out.append(View(Node(kDocument).tail));
    return out;
}

void XmlTree::CompactIfWasteful()
{
    if (m_garbage < (64u << 10) || m_garbage < m_text.size() / 2)
        return;
    std::string text;
    text.reserve(m_text.size() - m_garbage);
    const auto move = [&](XmlSpan& span) {
        const auto offset = static_cast<uint32_t>(text.size());
        text.append(View(span));
        span.offset = offset;
    };
    for (XmlNode& node : m_nodes) {
        move(node.lead);
        move(node.tag);
        move(node.tail);
        move(node.end);
    }
    m_text = std::move(text);
    m_garbage = 0;
}

} // namespace clavora
