#include "PngFile.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

namespace clavora::test {

std::string WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& pixels, bool alpha)
{
    const int channels = alpha ? 4 : 3;
    GdkPixbuf* pixbuf = gdk_pixbuf_new_from_data(pixels.data(), GDK_COLORSPACE_RGB, alpha, 8, width, height,
        width * channels, nullptr, nullptr);
    if (!pixbuf)
        return {};
    gboolean saved = gdk_pixbuf_save(pixbuf, path.c_str(), "png", nullptr, nullptr);
    g_object_unref(pixbuf);
    return saved ? path : std::string();
}

} // namespace clavora::test
