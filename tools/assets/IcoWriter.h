#pragma once

// Wraps PNG pictures of several sizes into one .ico file (PNG-compressed icon entries).

#include <cstdint>
#include <vector>

namespace clavora::assets {

struct IcoImage {
    int size;                  // width and height, 1 to 256
    std::vector<uint8_t> png;  // the PNG file of that size
};

// Empty when an image has no data or a size outside 1..256.
std::vector<uint8_t> MakeIco(const std::vector<IcoImage>& images);

} // namespace clavora::assets
