#include "GifEncoder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace clavora::assets {
namespace {

int Channel(uint32_t c, int axis)
{
    return static_cast<int>((c >> (16 - 8 * axis)) & 0xFF);
}

struct ColourCount {
    uint32_t colour;
    uint64_t count;
};

// Median cut: split the box with the widest channel range at its weighted median until
// there are enough boxes; each box becomes the weighted mean of its colours.
std::vector<uint32_t> MedianCut(std::vector<ColourCount> colours, size_t wanted)
{
    struct Box {
        size_t begin;
        size_t end;
    };
    std::vector<Box> boxes{{0, colours.size()}};
    auto range = [&](const Box& b, int& axis) {
        int best = -1;
        for (int a = 0; a < 3; ++a) {
            int lo = 255;
            int hi = 0;
            for (size_t i = b.begin; i < b.end; ++i) {
                lo = std::min(lo, Channel(colours[i].colour, a));
                hi = std::max(hi, Channel(colours[i].colour, a));
            }
            if (hi - lo > best) {
                best = hi - lo;
                axis = a;
            }
        }
        return best;
    };
    while (boxes.size() < wanted) {
        int bestRange = 0;
        int bestAxis = 0;
        size_t bestBox = boxes.size();
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            int axis = 0;
            const int r = range(boxes[i], axis);
            if (r > bestRange) {
                bestRange = r;
                bestAxis = axis;
                bestBox = i;
            }
        }
        if (bestBox == boxes.size())
            break;
        Box& box = boxes[bestBox];
        std::sort(colours.begin() + static_cast<ptrdiff_t>(box.begin), colours.begin() + static_cast<ptrdiff_t>(box.end),
                  [bestAxis](const ColourCount& a, const ColourCount& b) {
                      return Channel(a.colour, bestAxis) < Channel(b.colour, bestAxis);
                  });
        uint64_t total = 0;
        for (size_t i = box.begin; i < box.end; ++i)
            total += colours[i].count;
        uint64_t running = 0;
        size_t split = box.begin + 1;
        for (size_t i = box.begin; i < box.end - 1; ++i) {
            running += colours[i].count;
            split = i + 1;
            if (running * 2 >= total)
                break;
        }
        const Box upper{split, box.end};
        box.end = split;
        boxes.push_back(upper);
    }
    std::vector<uint32_t> palette;
    for (const Box& b : boxes) {
        double sum[3] = {0, 0, 0};
        double weight = 0;
        for (size_t i = b.begin; i < b.end; ++i) {
            for (int a = 0; a < 3; ++a)
                sum[a] += Channel(colours[i].colour, a) * static_cast<double>(colours[i].count);
            weight += static_cast<double>(colours[i].count);
        }
        uint32_t c = 0;
        for (int a = 0; a < 3; ++a)
            c = (c << 8) | static_cast<uint32_t>(std::lround(sum[a] / std::max(1.0, weight)));
        palette.push_back(c);
    }
    return palette;
}

// Variable-width LZW codes packed least significant bit first into 255-byte sub-blocks.
class CodeWriter {
public:
    explicit CodeWriter(std::vector<uint8_t>& out) : m_out(out) {}

    void Write(uint32_t code, int bits)
    {
        m_bits |= code << m_count;
        m_count += bits;
        while (m_count >= 8) {
            Byte(static_cast<uint8_t>(m_bits & 0xFF));
            m_bits >>= 8;
            m_count -= 8;
        }
    }

    void Finish()
    {
        if (m_count > 0)
            Byte(static_cast<uint8_t>(m_bits & 0xFF));
        FlushBlock();
        m_out.push_back(0);
    }

private:
    void Byte(uint8_t b)
    {
        m_block.push_back(b);
        if (m_block.size() == 255)
            FlushBlock();
    }

    void FlushBlock()
    {
        if (m_block.empty())
            return;
        m_out.push_back(static_cast<uint8_t>(m_block.size()));
        m_out.insert(m_out.end(), m_block.begin(), m_block.end());
        m_block.clear();
    }

    std::vector<uint8_t>& m_out;
    std::vector<uint8_t> m_block;
    uint32_t m_bits = 0;
    int m_count = 0;
};

void CompressLzw(const std::vector<uint8_t>& indexes, std::vector<uint8_t>& out)
{
    constexpr int kMinCodeSize = 8;
    constexpr uint32_t kClear = 1u << kMinCodeSize;
    constexpr uint32_t kEnd = kClear + 1;
    out.push_back(kMinCodeSize);
    CodeWriter writer(out);
    std::unordered_map<uint32_t, uint32_t> table;
    int codeSize = kMinCodeSize + 1;
    uint32_t maxCode = kEnd;
    writer.Write(kClear, codeSize);
    if (indexes.empty()) {
        writer.Write(kEnd, codeSize);
        writer.Finish();
        return;
    }
    uint32_t current = indexes[0];
    for (size_t i = 1; i < indexes.size(); ++i) {
        const uint32_t key = (current << 8) | indexes[i];
        const auto found = table.find(key);
        if (found != table.end()) {
            current = found->second;
            continue;
        }
        writer.Write(current, codeSize);
        table.emplace(key, ++maxCode);
        if (maxCode >= (1u << codeSize))
            ++codeSize;
        if (maxCode == 4095) {
            writer.Write(kClear, codeSize);
            table.clear();
            codeSize = kMinCodeSize + 1;
            maxCode = kEnd;
        }
        current = indexes[i];
    }
    writer.Write(current, codeSize);
    writer.Write(kEnd, codeSize);
    writer.Finish();
}

void Put16(std::vector<uint8_t>& out, int v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

} // namespace

GifEncoder::GifEncoder(int width, int height, Rgba matte) : m_width(width), m_height(height), m_matte(matte) {}

bool GifEncoder::AddFrame(const Canvas& frame, int delayCentiseconds)
{
    if (frame.Width() != m_width || frame.Height() != m_height)
        return false;
    const std::vector<uint8_t> rgba = frame.StraightRgba();
    Frame f{std::vector<uint32_t>(static_cast<size_t>(m_width) * m_height), delayCentiseconds};
    const double matte[3] = {m_matte.r * 255, m_matte.g * 255, m_matte.b * 255};
    for (size_t i = 0; i < f.pixels.size(); ++i) {
        const uint8_t* p = &rgba[i * 4];
        if (p[3] == 0) {
            f.pixels[i] = kTransparent;
            continue;
        }
        const double a = p[3] / 255.0;
        uint32_t c = 0;
        for (int k = 0; k < 3; ++k)
            c = (c << 8) | static_cast<uint32_t>(std::lround(p[k] * a + matte[k] * (1 - a)));
        f.pixels[i] = c;
    }
    m_frames.push_back(std::move(f));
    return true;
}

std::vector<uint32_t> GifEncoder::BuildPalette() const
{
    std::unordered_map<uint32_t, uint64_t> histogram;
    for (const Frame& f : m_frames)
        for (uint32_t p : f.pixels)
            if (p != kTransparent)
                ++histogram[p];
    std::vector<ColourCount> colours;
    colours.reserve(histogram.size());
    for (const auto& [colour, count] : histogram)
        colours.push_back({colour, count});
    std::sort(colours.begin(), colours.end(), [](const ColourCount& a, const ColourCount& b) { return a.colour < b.colour; });
    if (colours.size() <= kTransparentIndex) {
        std::vector<uint32_t> exact;
        for (const auto& c : colours)
            exact.push_back(c.colour);
        return exact;
    }
    return MedianCut(std::move(colours), kTransparentIndex);
}

std::vector<uint8_t> GifEncoder::Encode() const
{
    std::vector<uint8_t> out;
    if (m_frames.empty())
        return out;
    std::vector<uint32_t> palette = BuildPalette();
    palette.resize(256, 0);

    const char header[] = "GIF89a";
    out.insert(out.end(), header, header + 6);
    Put16(out, m_width);
    Put16(out, m_height);
    out.push_back(0xF7);  // global colour table of 256 entries
    out.push_back(kTransparentIndex);
    out.push_back(0);
    for (uint32_t c : palette) {
        out.push_back(static_cast<uint8_t>(c >> 16));
        out.push_back(static_cast<uint8_t>(c >> 8));
        out.push_back(static_cast<uint8_t>(c));
    }
    const uint8_t loop[] = {0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 0x03, 0x01, 0x00, 0x00, 0x00};
    out.insert(out.end(), loop, loop + sizeof loop);

    std::unordered_map<uint32_t, uint8_t> nearest;
    auto indexOf = [&](uint32_t c) -> uint8_t {
        if (c == kTransparent)
            return kTransparentIndex;
        const auto hit = nearest.find(c);
        if (hit != nearest.end())
            return hit->second;
        int best = 0;
        long bestDistance = -1;
        for (int i = 0; i < kTransparentIndex; ++i) {
            long d = 0;
            for (int a = 0; a < 3; ++a) {
                const long diff = Channel(c, a) - Channel(palette[i], a);
                d += diff * diff;
            }
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        nearest.emplace(c, static_cast<uint8_t>(best));
        return static_cast<uint8_t>(best);
    };

    for (const Frame& f : m_frames) {
        // Graphic control: restore to background after each frame, so transparent pixels of
        // the next frame do not show the previous one.
        const uint8_t control[] = {0x21, 0xF9, 0x04, (2 << 2) | 1, static_cast<uint8_t>(f.delay & 0xFF),
                                   static_cast<uint8_t>((f.delay >> 8) & 0xFF), kTransparentIndex, 0x00};
        out.insert(out.end(), control, control + sizeof control);
        out.push_back(0x2C);
        Put16(out, 0);
        Put16(out, 0);
        Put16(out, m_width);
        Put16(out, m_height);
        out.push_back(0);
        std::vector<uint8_t> indexes(f.pixels.size());
        for (size_t i = 0; i < f.pixels.size(); ++i)
            indexes[i] = indexOf(f.pixels[i]);
        CompressLzw(indexes, out);
    }
    out.push_back(0x3B);
    return out;
}

} // namespace clavora::assets
