#pragma once

// GifEncoder - writes an endlessly looping animated GIF89a from cairo frames.
//
// All frames share one 255-colour table (median cut over every frame), index 255 is
// transparent. Partly transparent pixels are blended onto the matte, the colour the animation
// is shown on, because GIF has no partial transparency.

#include "Canvas.h"
#include "Theme.h"

#include <cstdint>
#include <vector>

namespace clavora::assets {

class GifEncoder {
public:
    GifEncoder(int width, int height, Rgba matte);

    // The frame must have the encoder's size; the delay is in hundredths of a second.
    bool AddFrame(const Canvas& frame, int delayCentiseconds);
    // The whole file; empty when there are no frames.
    std::vector<uint8_t> Encode() const;

private:
    struct Frame {
        std::vector<uint32_t> pixels;  // 0xRRGGBB, or kTransparent
        int delay;
    };
    static constexpr uint32_t kTransparent = 0xFF000000u;
    static constexpr int kTransparentIndex = 255;

    std::vector<uint32_t> BuildPalette() const;

    int m_width;
    int m_height;
    Rgba m_matte;
    std::vector<Frame> m_frames;
};

} // namespace clavora::assets
