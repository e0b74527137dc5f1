#pragma once

// Builds the node index of an XmlTree from its text in one forward pass.
//
// The parser is deliberately small: it knows start, end and empty-element tags, and steps
// over comments, CDATA sections, processing instructions and document type declarations
// without interpreting them (no entity declarations are ever read or expanded). Problems are
// recorded and parsing recovers where it can; an unterminated construct ends the parse and
// the rest of the text is kept as it is. Work is linear in the text size whatever it holds.

#include "profiles/XmlTree.h"

#include <cstdint>
#include <string>
#include <vector>

namespace clavora {

struct XmlIssue {
    std::string kind; // "unended_start_tag", "lone_end_tag", ...
    std::string type; // the node kind involved: "start_tag", "comment", ... (may be empty)
    uint32_t offset = 0;
    std::string name; // the element name involved, when there is one
};

struct XmlParseReport {
    static constexpr size_t kMaxIssues = 100;

    std::vector<XmlIssue> issues; // the first kMaxIssues problems
    size_t issueCount = 0;        // all problems
    int rootCount = 0;

    bool IsWellFormed() const { return issueCount == 0 && rootCount == 1; }
};

class XmlParser {
public:
    // Elements may nest this deep; a deeper start tag ends the parse.
    static constexpr size_t kMaxDepth = 256;

    // Indexes tree.Text(), which must hold only the document node.
    static XmlParseReport Parse(XmlTree& tree);

    // True for the characters that end element and attribute names.
    static bool IsNameEnd(char c);
};

} // namespace clavora
