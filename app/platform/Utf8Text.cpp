#include "platform/Utf8Text.h"

#include <glib.h>

#include <cstring>
#include <memory>

namespace clavora {

std::string ValidUtf8Prefix(const std::string& text, size_t maxChars)
{
    std::unique_ptr<gchar, decltype(&g_free)> valid(g_utf8_make_valid(text.c_str(), -1), &g_free);
    const gchar* begin = valid.get();
    size_t bytes = std::strlen(begin);
    if (static_cast<size_t>(g_utf8_strlen(begin, -1)) > maxChars)
        bytes = static_cast<size_t>(g_utf8_offset_to_pointer(begin, static_cast<glong>(maxChars)) - begin);
    return std::string(begin, bytes);
}

} // namespace clavora
