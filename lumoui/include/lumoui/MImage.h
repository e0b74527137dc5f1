#pragma once

// A decoded picture: one frame for still images, every frame (already composed, with its
// delay) for animated GIFs. Frames are premultiplied ARGB32 cairo surfaces owned by the image.
// Images are shared (std::shared_ptr) between the caches and the controls that show them.

#include "lumoui/Graphics.h"

#include <memory>
#include <string>
#include <vector>

namespace lumo {

class MImage {
public:
    ~MImage();
    MImage(const MImage&) = delete;
    MImage& operator=(const MImage&) = delete;

    // PNG, GIF (all frames), ICO (the largest icon) and whatever else the decoder reads;
    // null when the file is missing or cannot be decoded.
    static std::shared_ptr<MImage> FromFile(const std::string& path);
    // Takes a new reference to the surface (an ARGB32 image surface).
    static std::shared_ptr<MImage> FromSurface(cairo_surface_t* surface);
    // A transparent image of the given size; null for an empty size.
    static std::shared_ptr<MImage> Create(int cx, int cy);

    int GetWidth() const { return m_cx; }
    int GetHeight() const { return m_cy; }
    CSize GetSize() const { return CSize(m_cx, m_cy); }
    int GetFrameCount() const { return static_cast<int>(m_frames.size()); }
    // Display time of a frame in ms (0 for still images and bad indexes).
    int GetFrameDelay(int frame) const;
    // Null for a bad index.
    cairo_surface_t* GetSurface(int frame = 0) const;
    // Plain ARGB of one pixel; 0 outside the image.
    ARGB GetPixel(int x, int y, int frame = 0) const;

private:
    MImage() = default;

    struct Frame {
        cairo_surface_t* surface = nullptr;
        int delay = 0;
    };
    std::vector<Frame> m_frames;
    int m_cx = 0;
    int m_cy = 0;
};

using MImagePtr = std::shared_ptr<MImage>;

} // namespace lumo
