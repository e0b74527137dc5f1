#pragma once

// Small readers for checking generated pictures: the list of skin pictures, file bytes,
// decoding through the image library, and the frame structure of GIF files.

#include <cstdint>
#include <string>
#include <vector>

namespace clavora::test {

struct SkinImageRow {
    std::string name;
    int slices = 0;
    int sliceWidth = 0;
    int sliceHeight = 0;
};

// Reads the tab-separated picture list; lines starting with '#' are comments. A line that is
// not five tab-separated fields with positive numbers is returned with slices 0.
std::vector<SkinImageRow> ReadSkinImageTable(const std::string& path);

std::vector<uint8_t> ReadBytes(const std::string& path);

// Decodes a whole picture; false when the file is missing or does not decode.
bool DecodeImage(const std::string& path, int& width, int& height);
bool DecodePng(const std::vector<uint8_t>& bytes, int& width, int& height);

// Walks the blocks of a GIF file: the number of frames, or -1 when the structure is broken.
int CountGifFrames(const std::vector<uint8_t>& bytes);

} // namespace clavora::test
