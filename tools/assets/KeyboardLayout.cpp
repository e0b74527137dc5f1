#include "KeyboardLayout.h"

#include "profiles/XmlDocument.h"

#include <charconv>

namespace clavora::assets {
namespace {

bool ParseInt(const std::string& text, int& value)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin < end && *begin == ' ')
        ++begin;
    while (end > begin && end[-1] == ' ')
        --end;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end && begin != end;
}

// The picture is written below the keyboard folder; a name that could leave it is refused.
bool IsPlainFileName(const std::string& name)
{
    if (name.empty() || name.front() == '/' || name.front() == '\\')
        return false;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find_first_of("/\\", start);
        if (end == std::string::npos)
            end = name.size();
        const std::string part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == "..")
            return false;
        start = end + 1;
    }
    return true;
}

} // namespace

bool ParseKeyRect(const std::string& text, LayoutKey& key)
{
    int values[4];
    size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const size_t end = i < 3 ? text.find('#', start) : text.size();
        if (end == std::string::npos || !ParseInt(text.substr(start, end - start), values[i]))
            return false;
        start = end + 1;
    }
    if (values[2] <= 0 || values[3] <= 0)
        return false;
    key.x = values[0];
    key.y = values[1];
    key.width = values[2];
    key.height = values[3];
    return true;
}

bool ReadKeyboardLayout(const std::string& path, KeyboardLayout& layout, std::string& error)
{
    layout = KeyboardLayout{};
    clavora::XmlDocument doc;
    if (!doc.Load(path)) {
        error = "cannot read the layout file";
        return false;
    }
    if (!doc.FindElem("device.info") || !doc.IntoElem() || !doc.FindElem("Keyboard")) {
        error = "no device.info/Keyboard element";
        return false;
    }
    std::string image = doc.GetAttrib("image");
    for (char& c : image)
        if (c == '\\')
            c = '/';
    if (!IsPlainFileName(image)) {
        error = "the Keyboard element names no usable picture file: \"" + image + "\"";
        return false;
    }
    if (!ParseInt(doc.GetAttrib("width"), layout.width) || !ParseInt(doc.GetAttrib("height"), layout.height) ||
        layout.width <= 0 || layout.height <= 0 || layout.width > 8192 || layout.height > 8192) {
        error = "the Keyboard element gives no usable picture size";
        return false;
    }
    layout.image = image;
    if (doc.IntoElem() && doc.FindElem("KeyItems") && doc.IntoElem()) {
        while (doc.FindElem("key")) {
            LayoutKey key;
            if (!ParseKeyRect(doc.GetAttrib("rect"), key))
                continue;
            key.name = doc.GetAttrib("name");
            layout.keys.push_back(key);
        }
    }
    return true;
}

} // namespace clavora::assets
