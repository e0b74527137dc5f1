#include "platform/render/ImageDecoder.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <fstream>
#include <iterator>

namespace lumo {

namespace {

// Frames of an animation beyond this are dropped; skin animations are short.
constexpr int kMaxFrames = 1024;

std::vector<uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return { };
    }
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// gdk-pixbuf gives plain RGB(A) bytes; cairo wants premultiplied native-endian ARGB words.
cairo_surface_t* SurfaceFromPixbuf(GdkPixbuf* pb)
{
    int w = gdk_pixbuf_get_width(pb);
    int h = gdk_pixbuf_get_height(pb);
    int channels = gdk_pixbuf_get_n_channels(pb);
    int srcStride = gdk_pixbuf_get_rowstride(pb);
    bool alpha = gdk_pixbuf_get_has_alpha(pb);
    if (gdk_pixbuf_get_bits_per_sample(pb) != 8 || channels < 3 || w <= 0 || h <= 0) {
        return nullptr;
    }
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    cairo_surface_flush(s);
    const guchar* src = gdk_pixbuf_read_pixels(pb);
    unsigned char* dst = cairo_image_surface_get_data(s);
    int dstStride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; ++y) {
        const guchar* p = src + static_cast<size_t>(y) * srcStride;
        auto* q = reinterpret_cast<uint32_t*>(dst + static_cast<size_t>(y) * dstStride);
        for (int x = 0; x < w; ++x, p += channels) {
            uint32_t a = alpha ? p[3] : 255;
            auto pm = [&](uint32_t c) { return (c * a + 127) / 255; };
            q[x] = (a << 24) | (pm(p[0]) << 16) | (pm(p[1]) << 8) | pm(p[2]);
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

std::vector<DecodedFrame> DecodeAnimation(GdkPixbufAnimation* anim, int frames)
{
    std::vector<DecodedFrame> out;
    // The animation iterator only takes the deprecated GLib time type.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GTimeVal t = { 0, 0 };
    GdkPixbufAnimationIter* it = gdk_pixbuf_animation_get_iter(anim, &t);
    for (int i = 0; it && i < frames; ++i) {
        GdkPixbuf* pb = gdk_pixbuf_animation_iter_get_pixbuf(it);
        int delay = gdk_pixbuf_animation_iter_get_delay_time(it);
        cairo_surface_t* s = pb ? SurfaceFromPixbuf(pb) : nullptr;
        if (!s) {
            break;
        }
        out.push_back(DecodedFrame { s, delay > 0 ? delay : 0 });
        if (delay < 0) {
            break;
        }
        g_time_val_add(&t, static_cast<glong>(delay) * 1000);
        gdk_pixbuf_animation_iter_advance(it, &t);
    }
#pragma GCC diagnostic pop
    if (it) {
        g_object_unref(it);
    }
    return out;
}

} // namespace

int CountGifFrames(const std::vector<uint8_t>& d)
{
    auto colorTable = [](uint8_t packed) -> size_t { return (packed & 0x80) ? 3u * (2u << (packed & 7)) : 0; };
    if (d.size() < 13 || d[0] != 'G' || d[1] != 'I' || d[2] != 'F') {
        return 0;
    }
    size_t pos = 13 + colorTable(d[10]);
    // Skips a chain of data sub-blocks; false when it runs past the end.
    auto skipSubBlocks = [&]() {
        while (pos < d.size()) {
            uint8_t len = d[pos++];
            if (len == 0) {
                return true;
            }
            pos += len;
        }
        return false;
    };
    int frames = 0;
    while (pos < d.size()) {
        uint8_t tag = d[pos++];
        if (tag == 0x3B) {
            return frames;
        }
        if (tag == 0x21) {
            if (++pos > d.size() || !skipSubBlocks()) {
                return frames;
            }
        } else if (tag == 0x2C) {
            if (pos + 9 > d.size()) {
                return frames;
            }
            pos += 9 + colorTable(d[pos + 8]) + 1;
            if (pos > d.size() || !skipSubBlocks()) {
                return frames;
            }
            ++frames;
        } else {
            return frames;
        }
    }
    return frames;
}

std::vector<DecodedFrame> DecodeImageFile(const std::string& path)
{
    GError* err = nullptr;
    GdkPixbufAnimation* anim = gdk_pixbuf_animation_new_from_file(path.c_str(), &err);
    if (err) {
        g_error_free(err);
    }
    if (!anim) {
        return { };
    }
    std::vector<DecodedFrame> out;
    if (!gdk_pixbuf_animation_is_static_image(anim)) {
        int frames = CountGifFrames(ReadFile(path));
        if (frames > 1) {
            out = DecodeAnimation(anim, std::min(frames, kMaxFrames));
        }
    }
    if (out.empty()) {
        GdkPixbuf* pb = gdk_pixbuf_animation_get_static_image(anim);
        if (cairo_surface_t* s = pb ? SurfaceFromPixbuf(pb) : nullptr) {
            out.push_back(DecodedFrame { s, 0 });
        }
    }
    g_object_unref(anim);
    return out;
}

} // namespace lumo
