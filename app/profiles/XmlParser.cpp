#include "profiles/XmlParser.h"

#include <string_view>
#include <unordered_map>

namespace clavora {

namespace {

constexpr size_t npos = std::string_view::npos;

bool StartsWith(std::string_view s, size_t pos, std::string_view prefix)
{
    return s.compare(pos, prefix.size(), prefix) == 0;
}

bool StartsWithNoCase(std::string_view s, size_t pos, std::string_view prefix)
{
    if (s.size() - pos < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = s[pos + i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != prefix[i])
            return false;
    }
    return true;
}

class Parser {
public:
    explicit Parser(XmlTree& tree) : m_tree(tree), m_s(tree.Text()) { m_open.push_back(XmlTree::kDocument); }

    XmlParseReport Run()
    {
        while ((m_pos = m_s.find('<', m_pos)) != npos) {
            if (!Markup())
                break;
        }
        Finish();
        return std::move(m_report);
    }

private:
    // Handles the markup at m_pos; false when it runs to the end of the text unterminated.
    bool Markup()
    {
        if (StartsWith(m_s, m_pos, "<?"))
            return SkipPast("?>", 2, "unterminated_tag_syntax", "processing_instruction");
        if (StartsWith(m_s, m_pos, "<!--"))
            return SkipPast("-->", 4, "comment_tag_syntax", "comment");
        if (StartsWith(m_s, m_pos, "<![CDATA["))
            return SkipPast("]]>", 9, "cdata_section_syntax", "cdata_section");
        if (StartsWith(m_s, m_pos, "<!-"))
            return Stray("comment_tag_syntax", "comment");
        if (StartsWith(m_s, m_pos, "<!["))
            return Stray("cdata_section_syntax", "cdata_section");
        if (StartsWith(m_s, m_pos, "<!"))
            return Declaration();
        if (StartsWith(m_s, m_pos, "</"))
            return EndTag();
        return StartTag();
    }

    void Issue(const char* kind, const char* type, size_t offset, std::string_view name = {})
    {
        if (m_report.issues.size() < XmlParseReport::kMaxIssues)
            m_report.issues.push_back({ kind, type, static_cast<uint32_t>(offset), std::string(name) });
        ++m_report.issueCount;
    }

    // A '<' that starts nothing valid stays in the text; scanning goes on after it.
    bool Stray(const char* kind, const char* type)
    {
        Issue(kind, type, m_pos);
        ++m_pos;
        return true;
    }

    bool SkipPast(std::string_view terminator, size_t openLength, const char* kind, const char* type)
    {
        const size_t end = m_s.find(terminator, m_pos + openLength);
        if (end == npos) {
            Issue(kind, type, m_pos);
            return false;
        }
        m_pos = end + terminator.size();
        return true;
    }

    // <!DOCTYPE ...> and other declarations: skipped whole, internal subset included, and
    // never interpreted.
    bool Declaration()
    {
        int depth = 0;
        for (size_t i = m_pos + 2; i < m_s.size(); ++i) {
            const char c = m_s[i];
            if (c == '"' || c == '\'') {
                i = m_s.find(c, i + 1);
                if (i == npos)
                    break;
            } else if (c == '<' && StartsWith(m_s, i, "<!--")) {
                i = m_s.find("-->", i + 4);
                if (i == npos)
                    break;
                i += 2;
            } else if (c == '[') {
                ++depth;
            } else if (c == ']' && depth > 0) {
                --depth;
            } else if (c == '>' && depth == 0) {
                m_pos = i + 1;
                return true;
            }
        }
        Issue(StartsWithNoCase(m_s, m_pos, "<!DOCTYPE") ? "doctype_tag_syntax" : "unterminated_tag_syntax",
            "document_type", m_pos);
        return false;
    }

    size_t NameEnd(size_t from) const
    {
        size_t i = from;
        while (i < m_s.size() && !XmlParser::IsNameEnd(m_s[i]))
            ++i;
        return i;
    }

    bool EndTag()
    {
        const size_t nameStart = m_pos + 2;
        const size_t nameEnd = NameEnd(nameStart);
        const size_t close = m_s.find_first_of("<>", nameEnd);
        if (close == npos) {
            Issue("unterminated_tag_syntax", "end_tag", m_pos);
            return false;
        }
        if (m_s[close] == '<') {
            Issue("unterminated_tag_syntax", "end_tag", m_pos);
            m_pos = close;
            return true;
        }
        const std::string_view name = m_s.substr(nameStart, nameEnd - nameStart);
        if (name.empty()) {
            Issue("first_tag_syntax", "end_tag", m_pos);
        } else if (const auto it = m_openNames.find(name); it == m_openNames.end() || it->second == 0) {
            Issue("lone_end_tag", "end_tag", m_pos, name);
        } else {
            // Elements still open inside the one being ended were never ended themselves.
            while (m_tree.Name(m_open.back()) != name) {
                Issue("unended_start_tag", "start_tag", m_tree.Node(m_open.back()).tag.offset,
                    m_tree.Name(m_open.back()));
                Close(m_pos, m_pos);
            }
            Close(m_pos, close + 1);
        }
        m_pos = close + 1;
        return true;
    }

    // Ends the innermost open element: its tail runs up to endStart, its end tag to endStop.
    void Close(size_t endStart, size_t endStop)
    {
        XmlNode& node = m_tree.Node(m_open.back());
        node.tail = Span(m_rawStart, endStart);
        node.end = Span(endStart, endStop);
        m_rawStart = endStop;
        --m_openNames[m_tree.Name(m_open.back())];
        m_open.pop_back();
    }

    bool StartTag()
    {
        const size_t nameStart = m_pos + 1;
        const size_t nameEnd = NameEnd(nameStart);
        if (nameEnd == nameStart) {
            if (nameStart >= m_s.size()) {
                Issue("unterminated_tag_syntax", "start_tag", m_pos);
                return false;
            }
            return Stray("first_tag_syntax", "start_tag");
        }
        size_t close = nameEnd;
        for (;;) {
            close = m_s.find_first_of("<>\"'", close);
            if (close == npos) {
                Issue("unterminated_tag_syntax", "start_tag", m_pos);
                return false;
            }
            if (m_s[close] == '>')
                break;
            if (m_s[close] == '<') {
                // The tag never closed; what follows is read as new markup.
                Issue("unterminated_tag_syntax", "start_tag", m_pos);
                m_pos = close;
                return true;
            }
            close = m_s.find(m_s[close], close + 1);
            if (close == npos) {
                Issue("unterminated_tag_syntax", "start_tag", m_pos);
                return false;
            }
            ++close;
        }
        const std::string_view name = m_s.substr(nameStart, nameEnd - nameStart);
        if (m_open.size() > XmlParser::kMaxDepth) {
            Issue("nesting_too_deep", "start_tag", m_pos, name);
            return false;
        }
        if (m_open.back() == XmlTree::kDocument && m_report.rootCount++ > 0)
            Issue("root_has_sibling", "start_tag", m_pos, name);

        const int32_t index = m_tree.NewNode();
        XmlNode& node = m_tree.Node(index);
        node.lead = Span(m_rawStart, m_pos);
        node.tag = Span(m_pos, close + 1);
        node.nameLength = static_cast<uint32_t>(name.size());
        node.tail = node.end = Span(close + 1, close + 1);
        m_tree.AppendChild(m_open.back(), index);
        m_rawStart = close + 1;
        if (m_s[close - 1] != '/') {
            m_open.push_back(index);
            ++m_openNames[name];
        }
        m_pos = close + 1;
        return true;
    }

    void Finish()
    {
        const size_t size = m_s.size();
        while (m_open.size() > 1) {
            Issue("unended_start_tag", "start_tag", m_tree.Node(m_open.back()).tag.offset,
                m_tree.Name(m_open.back()));
            Close(size, size);
        }
        m_tree.Node(XmlTree::kDocument).tail = Span(m_rawStart, size);
        if (m_report.rootCount == 0)
            Issue("no_root_element", "", size);
    }

    static XmlSpan Span(size_t from, size_t to)
    {
        return { static_cast<uint32_t>(from), static_cast<uint32_t>(to - from) };
    }

    XmlTree& m_tree;
    std::string_view m_s;
    size_t m_pos = 0;
    size_t m_rawStart = 0;
    std::vector<int32_t> m_open;
    std::unordered_map<std::string_view, int> m_openNames;
    XmlParseReport m_report;
};

} // namespace

bool XmlParser::IsNameEnd(char c)
{
    switch (c) {
    case ' ': case '\t': case '\n': case '\r':
    case '<': case '>': case '=': case '\\': case '/':
    case '?': case '!': case '"': case '\'': case ';':
        return true;
    default:
        return false;
    }
}

XmlParseReport XmlParser::Parse(XmlTree& tree)
{
    return Parser(tree).Run();
}

} // namespace clavora
