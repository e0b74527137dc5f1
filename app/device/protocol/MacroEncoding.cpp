#include "device/protocol/MacroEncoding.h"

#include <algorithm>

namespace clavora::protocol {

namespace {

constexpr uint8_t kReleaseBit = 0x80;
constexpr int kMaxDelayMs = 31000;
constexpr uint8_t kCountMask = 0x1F;
constexpr int kScaleShift = 5;
// Step of each scale code, in ms.
constexpr int kScaleStepMs[4] { 10, 50, 100, 1000 };

// Press and release bytes of the fixed 100 ms delay the report protocol gives shortcut events.
constexpr uint8_t kShortcutReportDelay = 0x64;
constexpr uint8_t kShortcutReportPress = 0x80;
constexpr uint8_t kShortcutReportRelease = 0x00;
constexpr uint8_t kShortcutFeaturePress = 0x01;
constexpr uint8_t kShortcutFeatureRelease = 0x81;

constexpr uint8_t kCtrl = 0xE0;
constexpr uint8_t kAlt = 0xE2;
constexpr uint8_t kGui = 0xE3;
constexpr uint8_t kSpace = 0x2C;

// Modifier + key: press both, release in reverse order.
constexpr std::array<ShortcutKey, 4> Chord(uint8_t modifier, uint8_t key)
{
    return { { { modifier, true }, { key, true }, { key, false }, { modifier, false } } };
}

// Alt+Space, then a letter of the window menu.
constexpr std::array<ShortcutKey, 6> WindowMenu(uint8_t key)
{
    return { { { kAlt, true }, { kSpace, true }, { key, true }, { key, false }, { kSpace, false },
        { kAlt, false } } };
}

constexpr std::array<ShortcutKey, 4> kChords[] {
    Chord(kCtrl, 0x04), // 1 Ctrl+A
    Chord(kCtrl, 0x06), // 2 Ctrl+C
    Chord(kCtrl, 0x1B), // 3 Ctrl+X
    Chord(kCtrl, 0x19), // 4 Ctrl+V
    Chord(kCtrl, 0x1D), // 5 Ctrl+Z
    Chord(kCtrl, 0x16), // 6 Ctrl+S
    Chord(kGui, 0x08),  // 7 Gui+E
    Chord(kGui, 0x0F),  // 8 Gui+L
    Chord(kGui, 0x07),  // 9 Gui+D
    Chord(kAlt, 0x2B),  // 10 Alt+Tab
    Chord(kGui, 0x10),  // 11 Gui+M
    Chord(kCtrl, 0x1A), // 12 Ctrl+W
};
constexpr std::array<ShortcutKey, 6> kMaximise = WindowMenu(0x1B); // 13 Alt+Space, X
constexpr std::array<ShortcutKey, 6> kMinimise = WindowMenu(0x11); // 14 Alt+Space, N
constexpr std::array<ShortcutKey, 4> kClose = Chord(kAlt, 0x3D);   // 15 Alt+F4

bool IsKeyEvent(int type) { return type == kEventKeyDown || type == kEventKeyUp; }

} // namespace

uint8_t EncodeDelay(bool release, int delay_ms)
{
    const int delay = std::min(delay_ms, kMaxDelayMs);
    int scale = 0;
    int count = 0;
    if (delay < 0) {
        count = 0;
    } else if (delay <= 10) {
        count = 1;
    } else if (delay <= 310) {
        count = delay / 10;
    } else if (delay <= 1550) {
        scale = 1;
        count = delay / 50;
    } else if (delay <= 3100) {
        // 100-ms steps need their own scale code; the 50-ms code would halve the delay.
        scale = 2;
        count = delay / 100;
    } else {
        scale = 3;
        count = delay / 1000;
    }
    uint8_t code = static_cast<uint8_t>((release ? kReleaseBit : 0) | (scale << kScaleShift) | count);
    return code <= 1 ? 1 : code;
}

int DecodeDelay(uint8_t code)
{
    return (code & kCountMask) * kScaleStepMs[(code >> kScaleShift) & 3];
}

std::vector<uint8_t> EncodeFeatureEvents(std::span<const MacroStep> steps)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(steps.size() * 2);
    for (const MacroStep& step : steps) {
        if (!IsKeyEvent(step.type))
            continue;
        bytes.push_back(static_cast<uint8_t>(step.usage));
        bytes.push_back(EncodeDelay(step.type == kEventKeyUp, step.delay));
    }
    return bytes;
}

std::vector<uint8_t> EncodeReportEvents(std::span<const MacroStep> steps)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(steps.size() * 3);
    for (const MacroStep& step : steps) {
        if (!IsKeyEvent(step.type))
            continue;
        const auto low = static_cast<uint8_t>(step.delay & 0xFF);
        const auto high = static_cast<uint8_t>((step.delay >> 8) & 0xFF);
        bytes.push_back(static_cast<uint8_t>(step.usage));
        if (step.type == kEventKeyDown) {
            bytes.push_back(low);
            bytes.push_back(high | 0x80);
        } else {
            bytes.push_back(low | 0x80);
            bytes.push_back(high & 0x7F);
        }
    }
    return bytes;
}

std::span<const ShortcutKey> ShortcutSequence(int number)
{
    if (number >= 1 && number <= 12)
        return kChords[number - 1];
    switch (number) {
    case 13:
        return kMaximise;
    case 14:
        return kMinimise;
    case 15:
        return kClose;
    default:
        return {};
    }
}

namespace {
// Each key of the shortcut's sequence followed by its press or release bytes.
template<size_t N>
std::vector<uint8_t> EncodeShortcut(int number, const std::array<uint8_t, N>& press, const std::array<uint8_t, N>& release)
{
    std::vector<uint8_t> bytes;
    for (const ShortcutKey& key : ShortcutSequence(number)) {
        bytes.push_back(key.usage);
        const auto& tail = key.press ? press : release;
        bytes.insert(bytes.end(), tail.begin(), tail.end());
    }
    return bytes;
}
} // namespace

std::vector<uint8_t> EncodeShortcutFeature(int number)
{
    return EncodeShortcut<1>(number, { kShortcutFeaturePress }, { kShortcutFeatureRelease });
}

std::vector<uint8_t> EncodeShortcutReport(int number)
{
    return EncodeShortcut<2>(number, { kShortcutReportDelay, kShortcutReportPress },
        { kShortcutReportDelay, kShortcutReportRelease });
}

} // namespace clavora::protocol
