#pragma once

// Image files to premultiplied ARGB32 cairo surfaces, through gdk-pixbuf.

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lumo {

struct DecodedFrame {
    cairo_surface_t* surface = nullptr; // owned by the caller
    int delay = 0;                       // ms; 0 for still images
};

// Every frame of an animated GIF, the picture of any other format (ICO: the largest icon);
// empty when the file cannot be read or decoded.
std::vector<DecodedFrame> DecodeImageFile(const std::string& path);

// Number of images in a GIF data stream; 0 when the data is not a well-formed GIF.
int CountGifFrames(const std::vector<uint8_t>& data);

} // namespace lumo
