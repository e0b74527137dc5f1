#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace clavora::test {

// Writes a PNG of the given size; pixels are R, G, B (and A when alpha) bytes, row by row.
// Returns the path, or an empty text when writing failed.
std::string WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& pixels, bool alpha);

} // namespace clavora::test
