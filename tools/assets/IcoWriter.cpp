#include "IcoWriter.h"

namespace clavora::assets {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

} // namespace

std::vector<uint8_t> MakeIco(const std::vector<IcoImage>& images)
{
    constexpr uint32_t kHeaderSize = 6;
    constexpr uint32_t kEntrySize = 16;
    std::vector<uint8_t> out;
    if (images.empty() || images.size() > 0xFFFF)
        return out;
    for (const IcoImage& image : images)
        if (image.png.empty() || image.size < 1 || image.size > 256)
            return out;

    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon
    Put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = kHeaderSize + kEntrySize * static_cast<uint32_t>(images.size());
    for (const IcoImage& image : images) {
        const uint8_t dimension = image.size == 256 ? 0 : static_cast<uint8_t>(image.size);
        out.push_back(dimension);
        out.push_back(dimension);
        out.push_back(0);  // no palette
        out.push_back(0);
        Put16(out, 1);   // planes
        Put16(out, 32);  // bits per pixel
        Put32(out, static_cast<uint32_t>(image.png.size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(image.png.size());
    }
    for (const IcoImage& image : images)
        out.insert(out.end(), image.png.begin(), image.png.end());
    return out;
}

} // namespace clavora::assets
