#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace clavora {

// An icon picture in the form status notifier hosts take: 32-bit pixels, row by row, each as
// the bytes A, R, G, B (big-endian ARGB32), alpha not premultiplied.
struct TrayPixmap {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> argb;
};

// Pictures larger than this on either side are scaled down; hosts show icons far smaller, and a
// huge picture would swell every property read.
constexpr int kTrayPixmapMaxSide = 256;

// Decodes an image file (PNG, ICO or anything else gdk-pixbuf reads). Empty when the file is
// missing or cannot be decoded.
std::optional<TrayPixmap> LoadTrayPixmap(const std::string& path);

} // namespace clavora
