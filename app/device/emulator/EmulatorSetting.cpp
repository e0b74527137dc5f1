#include "device/emulator/EmulatorSetting.h"

#include <charconv>

namespace clavora {

namespace {

constexpr int kHighestMode = 2;

// "0,1,2" → modes, "" → none; null when the text is not such a list.
std::optional<std::vector<int>> ParseModes(const std::string& text)
{
    std::vector<int> modes;
    if (text.empty())
        return modes;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find(',', start), text.size());
        int mode = -1;
        const char* first = text.data() + start;
        const char* last = text.data() + end;
        auto [ptr, ec] = std::from_chars(first, last, mode);
        if (first == last || ec != std::errc() || ptr != last || mode < 0 || mode > kHighestMode)
            return std::nullopt;
        modes.push_back(mode);
        start = end + 1;
    }
    return modes;
}

} // namespace

std::optional<EmulatorSetting> ParseEmulatorSetting(const char* value)
{
    if (!value)
        return std::nullopt;
    const std::string text(value);
    if (text.empty() || text == "0")
        return std::nullopt;
    EmulatorSetting setting;
    std::string model = text;
    // A model name may itself hold ':'; only a valid mode list after the last one counts.
    if (const size_t colon = text.rfind(':'); colon != std::string::npos) {
        if (auto modes = ParseModes(text.substr(colon + 1))) {
            setting.modes = *modes;
            model = text.substr(0, colon);
        }
    }
    if (model != "1")
        setting.model = model;
    return setting;
}

} // namespace clavora
