#include "GalleryLayout.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace gallery {
namespace {

using Attributes = std::map<std::string, std::string>;

std::string DecodeEntities(const std::string& text)
{
    static const std::pair<const char*, char> kEntities[]
        = { { "&lt;", '<' }, { "&gt;", '>' }, { "&quot;", '"' }, { "&apos;", '\'' }, { "&amp;", '&' } };
    std::string out;
    for (size_t i = 0; i < text.size();) {
        bool decoded = false;
        if (text[i] == '&') {
            for (const auto& [entity, ch] : kEntities) {
                if (text.compare(i, std::char_traits<char>::length(entity), entity) == 0) {
                    out += ch;
                    i += std::char_traits<char>::length(entity);
                    decoded = true;
                    break;
                }
            }
        }
        if (!decoded) {
            out += text[i++];
        }
    }
    return out;
}

Attributes ParseAttributes(const std::string& tag)
{
    static const std::regex kAttribute(R"re(([A-Za-z_][\w.:-]*)\s*=\s*(?:"([^"]*)"|'([^']*)'))re");
    Attributes attributes;
    for (auto it = std::sregex_iterator(tag.begin(), tag.end(), kAttribute); it != std::sregex_iterator();
         ++it) {
        const std::smatch& m = *it;
        attributes[m[1].str()] = DecodeEntities(m[2].matched ? m[2].str() : m[3].str());
    }
    return attributes;
}

// The text of every start tag named `name`, from `from` on, without the angle brackets.
std::vector<std::string> Tags(const std::string& xml, const std::string& name, size_t from = 0)
{
    std::vector<std::string> tags;
    const std::string open = "<" + name;
    for (size_t at = xml.find(open, from); at != std::string::npos; at = xml.find(open, at + 1)) {
        size_t after = at + open.size();
        if (after >= xml.size()
            || !(xml[after] == ' ' || xml[after] == '\t' || xml[after] == '\n' || xml[after] == '\r'
                || xml[after] == '>' || xml[after] == '/')) {
            continue; // a longer name that starts the same way
        }
        size_t end = xml.find('>', after);
        if (end == std::string::npos) {
            break;
        }
        tags.push_back(xml.substr(after, end - after));
    }
    return tags;
}

std::string WithoutComments(std::string xml)
{
    for (size_t at = xml.find("<!--"); at != std::string::npos; at = xml.find("<!--", at)) {
        size_t end = xml.find("-->", at + 4);
        xml.erase(at, end == std::string::npos ? std::string::npos : end + 3 - at);
    }
    return xml;
}

bool ParseRect(const std::string& text, lumo::CRect& rect)
{
    int v[4];
    const char* p = text.c_str();
    for (int i = 0; i < 4; ++i) {
        char* end = nullptr;
        long n = std::strtol(p, &end, 10);
        if (end == p || (i < 3 && *end != '#') || (i == 3 && *end != '\0')) {
            return false;
        }
        v[i] = static_cast<int>(n);
        p = end + (i < 3 ? 1 : 0);
    }
    if (v[2] <= 0 || v[3] <= 0) {
        return false;
    }
    rect = lumo::CRect(v[0], v[1], v[0] + v[2], v[1] + v[3]);
    return true;
}

} // namespace

bool ReadKeyboardLayout(const std::string& path, KeyboardLayout& layout)
{
    layout = KeyboardLayout {};
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    std::stringstream content;
    content << file.rdbuf();
    const std::string xml = WithoutComments(content.str());
    std::vector<std::string> keyboard = Tags(xml, "Keyboard");
    if (keyboard.empty()) {
        return false;
    }
    Attributes board = ParseAttributes(keyboard.front());
    layout.image = board["image"];
    layout.width = std::atoi(board["width"].c_str());
    layout.height = std::atoi(board["height"].c_str());
    if (layout.width <= 0 || layout.height <= 0) {
        return false;
    }
    for (const std::string& tag : Tags(xml, "key", xml.find("<Keyboard"))) {
        Attributes a = ParseAttributes(tag);
        LayoutKey key;
        if (!ParseRect(a["rect"], key.rect)) {
            continue;
        }
        key.code = static_cast<lumo::DWORD>(std::strtoul(a["code"].c_str(), nullptr, 16));
        key.name = a["name"];
        key.desc = a["desc"];
        key.icon = a["icon"];
        layout.keys.push_back(std::move(key));
    }
    return true;
}

} // namespace gallery
