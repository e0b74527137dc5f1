#pragma once

// Canvas - an ARGB32 cairo image surface with its drawing context, owned together.

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace clavora::assets {

class Canvas {
public:
    Canvas(int width, int height);

    cairo_t* Cr() const { return m_cr.get(); }
    cairo_surface_t* Surface() const { return m_surface.get(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsValid() const;

    // PNG bytes of the current picture; empty on failure.
    std::vector<uint8_t> EncodePng() const;

    // Straight (not premultiplied) RGBA, row by row, for encoders that want plain pixels.
    std::vector<uint8_t> StraightRgba() const;

private:
    struct SurfaceDeleter {
        void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    };
    struct ContextDeleter {
        void operator()(cairo_t* c) const { cairo_destroy(c); }
    };

    int m_width;
    int m_height;
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> m_surface;
    std::unique_ptr<cairo_t, ContextDeleter> m_cr;
};

} // namespace clavora::assets
