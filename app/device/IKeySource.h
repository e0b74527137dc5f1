#pragma once

// Where the key filter's physical key events come from: the grabbed event nodes of the
// attached keyboard, or a stand-in whose keys tests press.

#include <cstdint>
#include <functional>
#include <vector>

namespace clavora {

inline constexpr std::uint16_t kGenericDesktopPage = 0x01;
inline constexpr std::uint16_t kKeyboardPage = 0x07;
inline constexpr std::uint16_t kConsumerPage = 0x0C;

// A HID usage with its page in the high 16 bits, as the kernel reports it in MSC_SCAN.
constexpr std::uint32_t MakeUsage(std::uint16_t page, std::uint16_t id)
{
    return (static_cast<std::uint32_t>(page) << 16) | id;
}
constexpr std::uint16_t UsagePage(std::uint32_t usage) { return static_cast<std::uint16_t>(usage >> 16); }
constexpr std::uint16_t UsageId(std::uint32_t usage) { return static_cast<std::uint16_t>(usage & 0xFFFF); }

struct PhysicalKeyEvent {
    std::uint32_t usage = 0; // page-qualified HID usage
    bool pressed = false;
};

// A keyboard whose keys the source takes over, by USB vendor and product ID.
struct KeyboardId {
    std::uint16_t vid = 0;
    std::uint16_t pid = 0;
    bool operator==(const KeyboardId&) const = default;
};

class IKeySource {
public:
    using Sink = std::function<void(const PhysicalKeyEvent&)>;

    virtual ~IKeySource() = default;

    // Starts delivering key events to the sink, one at a time and in order. False when the
    // source cannot run at all.
    virtual bool Start(Sink sink) = 0;
    // Stops delivering and gives every grabbed keyboard back to the system. When it returns,
    // the sink is neither running nor called again.
    virtual void Stop() = 0;
    // The keyboards whose keys the source takes; the others are left alone. Keyboards that
    // appear later are taken when they arrive.
    virtual void SetKeyboards(const std::vector<KeyboardId>& keyboards) = 0;
};

} // namespace clavora
