#include "profiles/XmlDocument.h"

#include "platform/FileIo.h"
#include "platform/TextCodec.h"
#include "profiles/XmlSyntax.h"
#include "profiles/XmlEncoding.h"
#include "profiles/XmlParser.h"
#include "profiles/XmlResult.h"
#include "profiles/XmlTree.h"

#include <cerrno>
#include <cstring>

namespace clavora {

namespace {

// Larger files are refused: none of the program's files comes near, and decoding may
// triple the size in memory.
constexpr size_t kMaxFileBytes = 64u << 20;
constexpr int32_t kNone = -1;

bool IsValidName(std::string_view name)
{
    if (name.empty())
        return false;
    for (char c : name) {
        if (XmlParser::IsNameEnd(c) || c == '&' || c == '\0')
            return false;
    }
    return true;
}

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

bool EndsWithLineBreak(std::string_view text)
{
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

// The character data of element content: text unescaped, CDATA unwrapped, comments and
// processing instructions left out.
std::string ContentData(std::string_view content)
{
    std::string data;
    size_t pos = 0;
    while (pos < content.size()) {
        const size_t lt = content.find('<', pos);
        data += XmlDocument::UnescapeText(content.substr(pos, lt - pos));
        if (lt == std::string_view::npos)
            break;
        const std::string_view rest = content.substr(lt);
        size_t skipTo;
        if (rest.starts_with("<![CDATA[")) {
            const size_t end = content.find("]]>", lt + 9);
            data += content.substr(lt + 9, end - (lt + 9));
            skipTo = end == std::string_view::npos ? end : end + 3;
        } else if (rest.starts_with("<!--")) {
            const size_t end = content.find("-->", lt + 4);
            skipTo = end == std::string_view::npos ? end : end + 3;
        } else if (rest.starts_with("<?")) {
            const size_t end = content.find("?>", lt + 2);
            skipTo = end == std::string_view::npos ? end : end + 2;
        } else {
            data += '<';
            skipTo = lt + 1;
        }
        if (skipTo == std::string_view::npos)
            break;
        pos = skipTo;
    }
    return data;
}

} // namespace

struct XmlDocument::Impl {
    XmlTree tree;
    XmlResult result;
    int rootCount = 0;
    size_t syntaxErrors = 0;
    std::string lineBreak = "\n";
    int32_t parent = XmlTree::kDocument;
    int32_t current = kNone;

    void Parse(std::string text)
    {
        parent = XmlTree::kDocument;
        current = kNone;
        lineBreak = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
        if (text.size() > XmlTree::kMaxTextBytes) {
            tree.Reset({});
            rootCount = 0;
            syntaxErrors = 1;
            result.Add("file_error", {}, std::strerror(EFBIG));
            return;
        }
        tree.Reset(std::move(text));
        const XmlParseReport report = XmlParser::Parse(tree);
        for (const XmlIssue& issue : report.issues) {
            if (issue.name.empty())
                result.Add(issue.kind, { { "type", issue.type }, { "offset", std::to_string(issue.offset) } });
            else
                result.Add(issue.kind, { { "type", issue.type }, { "offset", std::to_string(issue.offset) },
                                           { "name", issue.name } });
        }
        if (report.issueCount > report.issues.size())
            result.Add("more_errors", { { "count", std::to_string(report.issueCount - report.issues.size()) } });
        rootCount = report.rootCount;
        syntaxErrors = report.issueCount - (rootCount == 0 ? 1 : 0);
    }

    XmlNode& Current() { return tree.Node(current); }
    const XmlNode& Current() const { return tree.Node(current); }

    // Makes an empty-element tag "<p .../>" a start tag with an end tag, so it can hold children.
    bool OpenUp(int32_t index)
    {
        if (index == XmlTree::kDocument)
            return true;
        const std::string_view tag = tree.View(tree.Node(index).tag);
        if (!tag.ends_with("/>"))
            return true;
        std::string_view head = tag.substr(0, tag.size() - 2);
        while (head.size() > 1 && IsBlank(head.substr(head.size() - 1)))
            head.remove_suffix(1);
        const std::string end = std::string("</").append(tree.Name(index)).append(">");
        const std::string start = std::string(head) + ">";
        return tree.Replace(tree.Node(index).tag, start) && tree.Replace(tree.Node(index).end, end);
    }
};

XmlDocument::XmlDocument() : m_impl(std::make_unique<Impl>()) { }
XmlDocument::~XmlDocument() = default;

bool XmlDocument::SetDoc(std::string_view utf8Text)
{
    m_impl->result.Clear();
    m_impl->Parse(std::string(utf8Text));
    return m_impl->syntaxErrors == 0 && m_impl->rootCount <= 1;
}

std::string XmlDocument::GetDoc() const { return m_impl->tree.Serialize(); }

bool XmlDocument::IsWellFormed() const { return m_impl->syntaxErrors == 0 && m_impl->rootCount == 1; }

bool XmlDocument::Load(const std::string& path)
{
    m_impl->result.Clear();
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(path, kMaxFileBytes, bytes, error)) {
        m_impl->Parse({});
        m_impl->result.Clear();
        m_impl->result.Add("file_error", {}, error);
        return false;
    }
    return LoadFromBytes(bytes);
}

bool XmlDocument::LoadFromBytes(std::string_view bytes)
{
    m_impl->result.Clear();
    if (bytes.size() > kMaxFileBytes) {
        m_impl->Parse({});
        m_impl->result.Clear();
        m_impl->result.Add("file_error", {}, std::strerror(EFBIG));
        return false;
    }
    m_impl->Parse(DecodeXmlFile(bytes, m_impl->result));
    return IsWellFormed();
}

bool XmlDocument::Save(const std::string& path)
{
    XmlResult& result = m_impl->result;
    result.Clear();
    const XmlEncoded encoded = EncodeXmlFile(GetDoc());
    std::string error;
    if (!WriteFileAtomically(path, encoded.bytes, error)) {
        result.Add("file_error", {}, error);
        return false;
    }
    result.Add("write", { { "encoding", encoded.encoding }, { "length", std::to_string(encoded.bytes.size()) } });
    if (encoded.encoding != "UTF-8")
        result.Add("converted_to", { { "encoding", encoded.encoding } });
    if (encoded.lost > 0)
        result.Add("conversion_loss", { { "count", std::to_string(encoded.lost) } });
    return true;
}

const std::string& XmlDocument::GetResult() const { return m_impl->result.Text(); }

void XmlDocument::ResetPos()
{
    m_impl->parent = XmlTree::kDocument;
    m_impl->current = kNone;
}

bool XmlDocument::FindElem(std::string_view name)
{
    const XmlTree& tree = m_impl->tree;
    int32_t n = m_impl->current == kNone ? tree.Node(m_impl->parent).firstChild : tree.Node(m_impl->current).next;
    for (; n != kNone; n = tree.Node(n).next) {
        if (name.empty() || tree.Name(n) == name) {
            m_impl->current = n;
            return true;
        }
    }
    return false;
}

bool XmlDocument::IntoElem()
{
    if (m_impl->current == kNone)
        return false;
    m_impl->parent = m_impl->current;
    m_impl->current = kNone;
    return true;
}

bool XmlDocument::OutOfElem()
{
    if (m_impl->parent == XmlTree::kDocument)
        return false;
    m_impl->current = m_impl->parent;
    m_impl->parent = m_impl->tree.Node(m_impl->parent).parent;
    return true;
}

std::string XmlDocument::GetTagName() const
{
    if (m_impl->current == kNone)
        return {};
    return std::string(m_impl->tree.Name(m_impl->current));
}

std::string XmlDocument::GetData() const
{
    // Only a leaf element has data; text around child elements is layout.
    if (m_impl->current == kNone || m_impl->Current().firstChild != kNone)
        return {};
    return ContentData(m_impl->tree.View(m_impl->Current().tail));
}

std::string XmlDocument::GetAttrib(std::string_view name) const
{
    if (m_impl->current == kNone)
        return {};
    const std::string_view tag = m_impl->tree.View(m_impl->Current().tag);
    XmlAttributeSpan found;
    if (!FindXmlAttribute(tag, m_impl->Current().nameLength, name, found))
        return {};
    return UnescapeText(tag.substr(found.valueStart, found.valueEnd - found.valueStart));
}

bool XmlDocument::SetAttrib(std::string_view name, std::string_view value)
{
    if (m_impl->current == kNone || !IsValidName(name))
        return false;
    XmlTree& tree = m_impl->tree;
    const std::string_view tag = tree.View(m_impl->Current().tag);
    const std::string attribute = std::string(name) + "=\"" + EscapeText(value) + "\"";
    std::string changed;
    XmlAttributeSpan found;
    if (FindXmlAttribute(tag, m_impl->Current().nameLength, name, found)) {
        changed.append(tag.substr(0, found.nameStart)).append(attribute).append(tag.substr(found.end));
    } else {
        size_t at = tag.size() - (tag.ends_with("/>") ? 2 : 1);
        while (at > 1 + m_impl->Current().nameLength && IsBlank(tag.substr(at - 1, 1)))
            --at;
        changed.append(tag.substr(0, at)).append(" ").append(attribute).append(tag.substr(at));
    }
    if (!tree.Replace(m_impl->Current().tag, changed))
        return false;
    tree.CompactIfWasteful();
    return true;
}

bool XmlDocument::SetAttrib(std::string_view name, int value) { return SetAttrib(name, std::to_string(value)); }

bool XmlDocument::AddElem(std::string_view name, std::string_view data)
{
    return AddElem(name, data, DataForm::Escaped);
}

bool XmlDocument::AddElem(std::string_view name, std::string_view data, DataForm form)
{
    Impl& d = *m_impl;
    XmlTree& tree = d.tree;
    const int32_t parent = d.parent;
    const bool atTop = parent == XmlTree::kDocument;
    if (!IsValidName(name) || (atTop && d.rootCount > 0))
        return false;
    const int depth = atTop ? 0 : tree.Depth(parent) + 1;
    if (static_cast<size_t>(depth) >= XmlParser::kMaxDepth)
        return false;

    XmlNode node;
    node.nameLength = static_cast<uint32_t>(name.size());
    const std::string indent(2 * static_cast<size_t>(depth), ' ');
    std::string lead = d.lineBreak + indent;
    std::string parentTail;
    if (d.current == kNone) {
        // Appending after the last child: the parent's trailing text moves before the new element.
        const std::string_view old = tree.View(tree.Node(parent).tail);
        if (atTop) {
            lead = old.empty() || EndsWithLineBreak(old) ? std::string(old) : std::string(old) + d.lineBreak;
            parentTail = d.lineBreak;
        } else {
            lead = (IsBlank(old) ? std::string() : std::string(old)) + lead;
            parentTail = d.lineBreak + std::string(indent.size() - 2, ' ');
        }
    }
    const std::string content = form == DataForm::CData ? MakeCData(data) : EscapeText(data);
    const std::string startTag = std::string("<").append(name).append(data.empty() ? "/>" : ">");
    const std::string endTag = data.empty() ? std::string() : std::string("</").append(name).append(">");
    if (!d.OpenUp(parent) || !tree.Append(lead, node.lead) || !tree.Append(startTag, node.tag)
        || !tree.Append(content, node.tail) || !tree.Append(endTag, node.end))
        return false;
    if (d.current == kNone && !tree.Replace(tree.Node(parent).tail, parentTail))
        return false;

    const int32_t index = tree.NewNode();
    tree.Node(index) = node;
    if (d.current == kNone)
        tree.AppendChild(parent, index);
    else
        tree.InsertAfter(d.current, index);
    d.current = index;
    if (atTop)
        ++d.rootCount;
    tree.CompactIfWasteful();
    return true;
}

std::string XmlDocument::EscapeText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '&': out += "&amp;"; break;
        case '>': out += "&gt;"; break;
        case '\'': out += "&apos;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string XmlDocument::UnescapeText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t amp = text.find('&', pos);
        out.append(text.substr(pos, amp - pos));
        if (amp == std::string_view::npos)
            break;
        size_t length = 0;
        const char32_t cp = DecodeXmlReference(text.substr(amp), length);
        if (length == 0) {
            out += '&';
            pos = amp + 1;
        } else {
            AppendUtf8(out, cp);
            pos = amp + length;
        }
    }
    return out;
}

std::string XmlDocument::MakeCData(std::string_view text)
{
    std::string out = "<![CDATA[";
    size_t pos = 0;
    for (size_t split = text.find("]]>"); split != std::string_view::npos; split = text.find("]]>", pos)) {
        out.append(text.substr(pos, split + 2 - pos)).append("]]><![CDATA[");
        pos = split + 2;
    }
    out.append(text.substr(pos)).append("]]>");
    return out;
}

} // namespace clavora
