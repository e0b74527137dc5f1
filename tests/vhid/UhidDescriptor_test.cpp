// The uhid device's report descriptor declares exactly the reports VHidev writes.

#include "device/VirtualReports.h"
#include "platform/UhidBackend.h"

#include <gtest/gtest.h>

#include <map>

namespace clavora {
namespace {

struct DescriptorSummary {
    std::map<int, int> inputBits; // report ID -> bits of input data
    int applicationCollections = 0;
    int depth = 0;
    bool wellFormed = true;
};

// Walks the short items of a report descriptor, adding up the input bits of each report.
DescriptorSummary Summarise(std::span<const std::uint8_t> descriptor)
{
    DescriptorSummary summary;
    int reportSize = 0, reportCount = 0, reportId = 0;
    for (std::size_t i = 0; i < descriptor.size();) {
        const std::uint8_t prefix = descriptor[i];
        const std::size_t length = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (i + 1 + length > descriptor.size()) {
            summary.wellFormed = false;
            break;
        }
        std::uint32_t value = 0;
        for (std::size_t b = 0; b < length; ++b)
            value |= static_cast<std::uint32_t>(descriptor[i + 1 + b]) << (8 * b);
        switch (prefix & 0xFC) {
        case 0x74: reportSize = static_cast<int>(value); break;
        case 0x94: reportCount = static_cast<int>(value); break;
        case 0x84: reportId = static_cast<int>(value); break;
        case 0x80: summary.inputBits[reportId] += reportSize * reportCount; break;
        case 0xA0:
            if (summary.depth++ == 0 && value == 1)
                ++summary.applicationCollections;
            break;
        case 0xC0: summary.wellFormed = summary.wellFormed && summary.depth-- > 0; break;
        default: break;
        }
        i += 1 + length;
    }
    summary.wellFormed = summary.wellFormed && summary.depth == 0;
    return summary;
}

TEST(UhidDescriptor, DeclaresTheFourReportsWithTheirSizes)
{
    const DescriptorSummary summary = Summarise(VirtualDeviceReportDescriptor());
    EXPECT_TRUE(summary.wellFormed);
    EXPECT_EQ(summary.applicationCollections, 4);
    ASSERT_EQ(summary.inputBits.size(), 4u);
    for (const auto& [id, bits] : summary.inputBits) {
        SCOPED_TRACE(id);
        EXPECT_EQ(bits % 8, 0);
        EXPECT_EQ(static_cast<std::size_t>(bits / 8), vhid::ReportDataSize(static_cast<std::uint8_t>(id)));
    }
}

} // namespace
} // namespace clavora
