#include "Canvas.h"

namespace clavora::assets {

Canvas::Canvas(int width, int height)
    : m_width(width),
      m_height(height),
      m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      m_cr(cairo_create(m_surface.get()))
{
}

bool Canvas::IsValid() const
{
    return cairo_surface_status(m_surface.get()) == CAIRO_STATUS_SUCCESS &&
           cairo_status(m_cr.get()) == CAIRO_STATUS_SUCCESS;
}

namespace {

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

std::vector<uint8_t> Canvas::EncodePng() const
{
    std::vector<uint8_t> bytes;
    cairo_surface_flush(m_surface.get());
    if (cairo_surface_write_to_png_stream(m_surface.get(), AppendBytes, &bytes) != CAIRO_STATUS_SUCCESS)
        bytes.clear();
    return bytes;
}

std::vector<uint8_t> Canvas::StraightRgba() const
{
    cairo_surface_flush(m_surface.get());
    const unsigned char* data = cairo_image_surface_get_data(m_surface.get());
    const int stride = cairo_image_surface_get_stride(m_surface.get());
    std::vector<uint8_t> rgba(static_cast<size_t>(m_width) * m_height * 4);
    if (!data)
        return rgba;
    for (int y = 0; y < m_height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < m_width; ++x) {
            const uint32_t p = row[x];
            const uint32_t a = p >> 24;
            uint8_t* o = &rgba[(static_cast<size_t>(y) * m_width + x) * 4];
            auto unpremultiply = [a](uint32_t c) -> uint8_t {
                return a == 0 ? 0 : static_cast<uint8_t>((c * 255 + a / 2) / a);
            };
            o[0] = unpremultiply((p >> 16) & 0xFF);
            o[1] = unpremultiply((p >> 8) & 0xFF);
            o[2] = unpremultiply(p & 0xFF);
            o[3] = static_cast<uint8_t>(a);
        }
    }
    return rgba;
}

} // namespace clavora::assets
