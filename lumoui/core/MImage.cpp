#include "lumoui/MImage.h"
#include "platform/PixelOps.h"
#include "platform/render/ImageDecoder.h"

namespace lumo {

MImage::~MImage()
{
    for (auto& f : m_frames) {
        cairo_surface_destroy(f.surface);
    }
}

std::shared_ptr<MImage> MImage::FromFile(const std::string& path)
{
    if (path.empty()) {
        return nullptr;
    }
    std::vector<DecodedFrame> frames = DecodeImageFile(path);
    if (frames.empty()) {
        return nullptr;
    }
    std::shared_ptr<MImage> img(new MImage());
    img->m_cx = cairo_image_surface_get_width(frames[0].surface);
    img->m_cy = cairo_image_surface_get_height(frames[0].surface);
    for (auto& f : frames) {
        img->m_frames.push_back(Frame { f.surface, f.delay });
    }
    return img;
}

std::shared_ptr<MImage> MImage::FromSurface(cairo_surface_t* surface)
{
    if (!surface || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE
        || cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32) {
        return nullptr;
    }
    std::shared_ptr<MImage> img(new MImage());
    img->m_cx = cairo_image_surface_get_width(surface);
    img->m_cy = cairo_image_surface_get_height(surface);
    img->m_frames.push_back(Frame { cairo_surface_reference(surface), 0 });
    return img;
}

std::shared_ptr<MImage> MImage::Create(int cx, int cy)
{
    if (cx <= 0 || cy <= 0) {
        return nullptr;
    }
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cx, cy);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    auto img = FromSurface(s);
    cairo_surface_destroy(s);
    return img;
}

int MImage::GetFrameDelay(int frame) const
{
    return frame >= 0 && frame < GetFrameCount() ? m_frames[static_cast<size_t>(frame)].delay : 0;
}

cairo_surface_t* MImage::GetSurface(int frame) const
{
    return frame >= 0 && frame < GetFrameCount() ? m_frames[static_cast<size_t>(frame)].surface : nullptr;
}

ARGB MImage::GetPixel(int x, int y, int frame) const
{
    cairo_surface_t* s = GetSurface(frame);
    if (!s || x < 0 || y < 0 || x >= m_cx || y >= m_cy) {
        return 0;
    }
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    uint32_t p = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride)[x];
    return Unpremultiply(p);
}

} // namespace lumo
