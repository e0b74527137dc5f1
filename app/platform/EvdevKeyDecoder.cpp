#include "platform/EvdevKeyDecoder.h"

#include <linux/input.h>

namespace clavora {

namespace {

bool IsUsableScan(std::uint32_t usage)
{
    switch (UsagePage(usage)) {
    case kKeyboardPage:
    case kConsumerPage:
    case kGenericDesktopPage:
        return UsageId(usage) != 0;
    default:
        return false;
    }
}

} // namespace

EvdevKeyDecoder::EvdevKeyDecoder(UsageTable table)
    : m_table(table)
{
}

std::optional<PhysicalKeyEvent> EvdevKeyDecoder::Feed(std::uint16_t type, std::uint16_t code, std::int32_t value)
{
    if (type == EV_MSC && code == MSC_SCAN) {
        const auto usage = static_cast<std::uint32_t>(value);
        m_scan = IsUsableScan(usage) ? usage : 0;
        return std::nullopt;
    }
    if (type == EV_SYN) {
        m_scan = 0;
        return std::nullopt;
    }
    if (type != EV_KEY)
        return std::nullopt;
    const std::uint32_t scan = m_scan;
    m_scan = 0; // a scan belongs to the one key that follows it
    if (value != 0 && value != 1)
        return std::nullopt; // auto-repeat
    const std::uint32_t usage = scan != 0 ? scan : (m_table ? m_table(code) : 0);
    if (usage == 0)
        return std::nullopt;
    return PhysicalKeyEvent{usage, value == 1};
}

} // namespace clavora
