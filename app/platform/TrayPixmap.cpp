#include "platform/TrayPixmap.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <memory>

namespace clavora {

namespace {

struct PixbufUnref {
    void operator()(GdkPixbuf* pixbuf) const { g_object_unref(pixbuf); }
};
using PixbufPtr = std::unique_ptr<GdkPixbuf, PixbufUnref>;

PixbufPtr ScaledToFit(PixbufPtr pixbuf)
{
    int w = gdk_pixbuf_get_width(pixbuf.get());
    int h = gdk_pixbuf_get_height(pixbuf.get());
    int longest = std::max(w, h);
    if (longest <= kTrayPixmapMaxSide)
        return pixbuf;
    int sw = std::max(1, w * kTrayPixmapMaxSide / longest);
    int sh = std::max(1, h * kTrayPixmapMaxSide / longest);
    return PixbufPtr(gdk_pixbuf_scale_simple(pixbuf.get(), sw, sh, GDK_INTERP_BILINEAR));
}

} // namespace

std::optional<TrayPixmap> LoadTrayPixmap(const std::string& path)
{
    if (path.empty())
        return std::nullopt;
    PixbufPtr pixbuf(gdk_pixbuf_new_from_file(path.c_str(), nullptr));
    if (!pixbuf)
        return std::nullopt;
    pixbuf = ScaledToFit(std::move(pixbuf));
    GdkPixbuf* p = pixbuf.get();
    if (!p || gdk_pixbuf_get_bits_per_sample(p) != 8 || gdk_pixbuf_get_colorspace(p) != GDK_COLORSPACE_RGB)
        return std::nullopt;

    TrayPixmap out;
    out.width = gdk_pixbuf_get_width(p);
    out.height = gdk_pixbuf_get_height(p);
    const int channels = gdk_pixbuf_get_n_channels(p);
    const bool alpha = gdk_pixbuf_get_has_alpha(p);
    const int stride = gdk_pixbuf_get_rowstride(p);
    const guint8* pixels = gdk_pixbuf_read_pixels(p);
    out.argb.reserve(static_cast<size_t>(out.width) * static_cast<size_t>(out.height) * 4);
    for (int y = 0; y < out.height; ++y) {
        const guint8* px = pixels + static_cast<ptrdiff_t>(y) * stride;
        for (int x = 0; x < out.width; ++x, px += channels) {
            out.argb.push_back(alpha ? px[3] : 0xFF);
            out.argb.push_back(px[0]);
            out.argb.push_back(px[1]);
            out.argb.push_back(px[2]);
        }
    }
    return out;
}

} // namespace clavora
