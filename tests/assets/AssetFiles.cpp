#include "AssetFiles.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace clavora::test {

std::vector<SkinImageRow> ReadSkinImageTable(const std::string& path)
{
    std::vector<SkinImageRow> rows;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> fields;
        std::stringstream split(line);
        std::string field;
        while (std::getline(split, field, '\t'))
            fields.push_back(field);
        SkinImageRow row;
        row.name = fields.empty() ? line : fields[0];
        if (fields.size() == 5) {
            try {
                row.slices = std::stoi(fields[1]);
                row.sliceWidth = std::stoi(fields[2]);
                row.sliceHeight = std::stoi(fields[3]);
            } catch (...) {
                row.slices = 0;
            }
            if (row.sliceWidth <= 0 || row.sliceHeight <= 0)
                row.slices = 0;
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool DecodeImage(const std::string& path, int& width, int& height)
{
    GError* error = nullptr;
    GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(path.c_str(), &error);
    if (!pixbuf) {
        if (error)
            g_error_free(error);
        return false;
    }
    width = gdk_pixbuf_get_width(pixbuf);
    height = gdk_pixbuf_get_height(pixbuf);
    g_object_unref(pixbuf);
    return true;
}

bool DecodePng(const std::vector<uint8_t>& bytes, int& width, int& height)
{
    GError* error = nullptr;
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type("png", &error);
    if (!loader) {
        if (error)
            g_error_free(error);
        return false;
    }
    bool ok = gdk_pixbuf_loader_write(loader, bytes.data(), bytes.size(), &error) &&
              gdk_pixbuf_loader_close(loader, &error);
    GdkPixbuf* pixbuf = ok ? gdk_pixbuf_loader_get_pixbuf(loader) : nullptr;
    if (pixbuf) {
        width = gdk_pixbuf_get_width(pixbuf);
        height = gdk_pixbuf_get_height(pixbuf);
    }
    if (!ok)
        gdk_pixbuf_loader_close(loader, nullptr);
    if (error)
        g_error_free(error);
    g_object_unref(loader);
    return ok && pixbuf;
}

int CountGifFrames(const std::vector<uint8_t>& bytes)
{
    size_t pos = 13;
    if (bytes.size() < pos || (std::string(bytes.begin(), bytes.begin() + 6) != "GIF89a" &&
                               std::string(bytes.begin(), bytes.begin() + 6) != "GIF87a"))
        return -1;
    auto tableSize = [](uint8_t packed) { return (packed & 0x80) ? 3 * (2 << (packed & 7)) : 0; };
    pos += tableSize(bytes[10]);
    auto skipSubBlocks = [&]() {
        while (pos < bytes.size() && bytes[pos] != 0)
            pos += bytes[pos] + 1;
        ++pos;
        return pos <= bytes.size();
    };
    int frames = 0;
    while (pos < bytes.size()) {
        const uint8_t introducer = bytes[pos++];
        if (introducer == 0x3B)
            return frames;
        if (introducer == 0x21) {
            ++pos;  // label
            if (!skipSubBlocks())
                return -1;
        } else if (introducer == 0x2C) {
            if (pos + 9 > bytes.size())
                return -1;
            pos += 8;
            pos += 1 + tableSize(bytes[pos]);
            ++pos;  // minimum code size
            if (!skipSubBlocks())
                return -1;
            ++frames;
        } else {
            return -1;
        }
    }
    return -1;  // no trailer
}

} // namespace clavora::test
