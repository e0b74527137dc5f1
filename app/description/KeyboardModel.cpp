#include "description/KeyboardModel.h"

#include "platform/Settings.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace clavora {

std::optional<GridCell> ParseRowCol(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    const size_t columnLength = text.size() == 3 ? 1 : 2;
    const std::string_view column = text.size() > columnLength ? text.substr(text.size() - columnLength) : text;
    return GridCell { DecimalToInt(std::string(text.substr(0, 1))), DecimalToInt(std::string(column)) };
}

lumo::CRect ParseKeyRect(std::string_view text)
{
    int64_t part[4] = {};
    for (int i = 0; i < 4 && !text.empty(); ++i) {
        const size_t hash = text.find('#');
        part[i] = DecimalToInt(std::string(text.substr(0, hash)));
        text = hash == std::string_view::npos ? std::string_view() : text.substr(hash + 1);
    }
    // Right and bottom are sums; keep them inside the 32-bit range for absurd inputs.
    auto clamp = [](int64_t v) {
        return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
    };
    return lumo::CRect(clamp(part[0]), clamp(part[1]), clamp(part[0] + part[2]), clamp(part[1] + part[3]));
}

int KeyboardModel::KeyIndexOf(int code) const
{
    auto it = keyIndexMap.find(code);
    return it == keyIndexMap.end() ? -1 : it->second;
}

uint8_t KeyboardModel::GridAt(int row, int column) const
{
    if (row < 0 || row >= kGridRows || column < 0 || column >= kGridColumns)
        return kNoKeyInCell;
    return keyGrid[static_cast<size_t>(row * kGridColumns + column)];
}

} // namespace clavora
