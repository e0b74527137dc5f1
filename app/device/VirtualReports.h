#pragma once

// Layout of the virtual HID device's reports, shared by VHidev, its backends and the stand-ins.
//
// VHidev hands each report to its backend as one 64-byte output report:
// byte 0 = kOutputReportMarker, byte 1 = report ID, then the report's data.
// The backend turns that into an input report of the virtual device.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace clavora::vhid {

inline constexpr std::size_t kOutputReportSize = 64;
inline constexpr std::uint8_t kOutputReportMarker = 0x05;

inline constexpr std::uint8_t kKeyboardReportId = 1;
inline constexpr std::uint8_t kMouseReportId = 2;
inline constexpr std::uint8_t kConsumerReportId = 3;
inline constexpr std::uint8_t kSystemReportId = 4;

// Data sizes after the report ID. The keyboard report keeps byte 0 at 0 and holds a bitmap of
// the keyboard usages 0-255 in bytes 1-32 (usage u is bit u & 7 of byte 1 + (u >> 3)).
inline constexpr std::size_t kKeyboardReportSize = 33;
inline constexpr std::size_t kMouseReportSize = 4;    // buttons, then three zero motion bytes
inline constexpr std::size_t kConsumerReportSize = 2; // one 16-bit consumer usage, LSB first
inline constexpr std::size_t kSystemReportSize = 2;   // one 16-bit system control usage

inline constexpr int kKeyboardUsageCount = 256;
inline constexpr int kMouseButtonBits = 8;

using OutputReport = std::array<std::uint8_t, kOutputReportSize>;

// Size of the data that follows the report ID, 0 for an ID the device does not have.
constexpr std::size_t ReportDataSize(std::uint8_t reportId)
{
    switch (reportId) {
    case kKeyboardReportId: return kKeyboardReportSize;
    case kMouseReportId: return kMouseReportSize;
    case kConsumerReportId: return kConsumerReportSize;
    case kSystemReportId: return kSystemReportSize;
    default: return 0;
    }
}

static_assert(2 + kKeyboardReportSize <= kOutputReportSize);

// The report's data as the device reports it (the bytes after the ID); empty when the output
// report names an ID the device does not have.
inline std::span<const std::uint8_t> ReportData(const OutputReport& report)
{
    return std::span<const std::uint8_t>(report).subspan(2, ReportDataSize(report[1]));
}

} // namespace clavora::vhid
