// The animated-GIF writer, checked by decoding its output with the image library the program
// itself uses.

#include "AssetFiles.h"
#include "GifEncoder.h"
#include "IcoWriter.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace clavora::test {
namespace {

using assets::Canvas;
using assets::GifEncoder;

// Writes straight ARGB values into a canvas (premultiplying them).
void Put(Canvas& canvas, int x, int y, uint32_t argb)
{
    cairo_surface_flush(canvas.Surface());
    unsigned char* data = cairo_image_surface_get_data(canvas.Surface());
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    const uint32_t a = argb >> 24;
    auto pre = [a](uint32_t c) { return (c * a + 127) / 255; };
    reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride)[x] =
        (a << 24) | (pre((argb >> 16) & 0xFF) << 16) | (pre((argb >> 8) & 0xFF) << 8) | pre(argb & 0xFF);
    cairo_surface_mark_dirty(canvas.Surface());
}

struct Decoded {
    int width = 0;
    int height = 0;
    bool animated = false;
    std::vector<uint8_t> rgba;  // first frame
};

bool DecodeGif(const std::vector<uint8_t>& bytes, Decoded& out)
{
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type("gif", nullptr);
    if (!loader)
        return false;
    const bool ok = gdk_pixbuf_loader_write(loader, bytes.data(), bytes.size(), nullptr) &&
                    gdk_pixbuf_loader_close(loader, nullptr);
    GdkPixbufAnimation* animation = ok ? gdk_pixbuf_loader_get_animation(loader) : nullptr;
    if (animation) {
        out.animated = !gdk_pixbuf_animation_is_static_image(animation);
        GdkPixbuf* first = gdk_pixbuf_animation_get_static_image(animation);
        out.width = gdk_pixbuf_get_width(first);
        out.height = gdk_pixbuf_get_height(first);
        const int channels = gdk_pixbuf_get_n_channels(first);
        const int stride = gdk_pixbuf_get_rowstride(first);
        const guchar* pixels = gdk_pixbuf_read_pixels(first);
        for (int y = 0; y < out.height; ++y)
            for (int x = 0; x < out.width; ++x) {
                const guchar* p = pixels + y * stride + x * channels;
                out.rgba.insert(out.rgba.end(), {p[0], p[1], p[2], static_cast<uint8_t>(channels == 4 ? p[3] : 255)});
            }
    } else if (!ok) {
        gdk_pixbuf_loader_close(loader, nullptr);
    }
    g_object_unref(loader);
    return animation != nullptr;
}

uint32_t NextRandom(uint32_t& state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

// Noise over 200 colours with scattered transparent pixels: exact colours must come back,
// and the LZW table overflows many times (forcing its reset path).
TEST(GifEncoder, NoisyFramesWithFewColoursDecodeExactly)
{
    const int size = 120;
    std::vector<uint32_t> palette;
    for (uint32_t i = 0; i < 200; ++i)
        palette.push_back(0xFF000000u | (i * 0x010507u * 37u % 0xFFFFFFu));
    GifEncoder gif(size, size, assets::Rgb(0x000000));
    std::vector<uint32_t> first(size * size);
    uint32_t state = 7;
    for (int frame = 0; frame < 3; ++frame) {
        Canvas canvas(size, size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const uint32_t r = NextRandom(state);
                const uint32_t argb = (r % 9 == 0) ? 0u : palette[r % palette.size()];
                Put(canvas, x, y, argb);
                if (frame == 0)
                    first[y * size + x] = argb;
            }
        ASSERT_TRUE(gif.AddFrame(canvas, 5));
    }
    const std::vector<uint8_t> bytes = gif.Encode();
    EXPECT_EQ(CountGifFrames(bytes), 3);
    Decoded decoded;
    ASSERT_TRUE(DecodeGif(bytes, decoded));
    EXPECT_TRUE(decoded.animated);
    ASSERT_EQ(decoded.width, size);
    ASSERT_EQ(decoded.height, size);
    int wrong = 0;
    for (int i = 0; i < size * size; ++i) {
        const uint8_t* p = &decoded.rgba[i * 4];
        const uint32_t want = first[i];
        if ((want >> 24) == 0)
            wrong += p[3] != 0;
        else
            wrong += p[3] != 255 || p[0] != ((want >> 16) & 0xFF) || p[1] != ((want >> 8) & 0xFF) || p[2] != (want & 0xFF);
    }
    EXPECT_EQ(wrong, 0);
}

// More colours than a GIF holds: the palette approximates them closely, and half-transparent
// pixels are blended onto the matte.
TEST(GifEncoder, ManyColoursAreApproximatedAndSoftEdgesBlendOntoTheMatte)
{
    const int size = 64;
    Canvas canvas(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            Put(canvas, x, y, 0xFF000000u | (x * 4u << 16) | (y * 4u << 8) | ((x + y) * 2u));
    Put(canvas, 0, 0, 0x80FFFFFFu);
    GifEncoder gif(size, size, assets::Rgb(0x000000));
    ASSERT_TRUE(gif.AddFrame(canvas, 5));
    ASSERT_TRUE(gif.AddFrame(canvas, 5));
    Decoded decoded;
    ASSERT_TRUE(DecodeGif(gif.Encode(), decoded));
    int worst = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 1; x < size; ++x) {
            const uint8_t* p = &decoded.rgba[(y * size + x) * 4];
            worst = std::max({worst, std::abs(p[0] - x * 4), std::abs(p[1] - y * 4), std::abs(p[2] - (x + y) * 2)});
        }
    EXPECT_LE(worst, 24);
    EXPECT_NEAR(decoded.rgba[0], 128, 12);
    EXPECT_EQ(decoded.rgba[3], 255);
}

TEST(GifEncoder, RefusesFramesOfAnotherSizeAndWritesNothingWithoutFrames)
{
    GifEncoder gif(10, 10, assets::Rgb(0));
    EXPECT_TRUE(gif.Encode().empty());
    EXPECT_FALSE(gif.AddFrame(Canvas(10, 11), 5));
    EXPECT_TRUE(gif.Encode().empty());
}

TEST(IcoWriter, RefusesSizesAnIconCannotHold)
{
    const std::vector<uint8_t> png = Canvas(4, 4).EncodePng();
    EXPECT_FALSE(assets::MakeIco({{4, png}}).empty());
    EXPECT_TRUE(assets::MakeIco({}).empty());
    EXPECT_TRUE(assets::MakeIco({{257, png}}).empty());
    EXPECT_TRUE(assets::MakeIco({{0, png}}).empty());
    EXPECT_TRUE(assets::MakeIco({{16, {}}}).empty());
}

} // namespace
} // namespace clavora::test
