// The virtual device's report bytes and how it behaves without a device.

#include "StandInRig.h"

#include "device/VirtualDeviceStartup.h"
#include "device/emulator/VirtualHidRecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace clavora::test {
namespace {

// Keeps every output report as VHidev built it.
class RawBackend : public IVirtualHidBackend {
public:
    bool Open() override { return m_open = available; }
    void Close() override { m_open = false; }
    bool IsOpen() const override { return m_open; }
    bool Write(const vhid::OutputReport& report) override
    {
        written.push_back(report);
        return true;
    }
    bool available = true;
    std::vector<vhid::OutputReport> written;

private:
    bool m_open = false;
};

TEST(VHidev, WritesSixtyFourByteReportsBehindMarkerAndId)
{
    auto backend = std::make_unique<RawBackend>();
    RawBackend& raw = *backend;
    VHidev device(std::move(backend));
    ASSERT_TRUE(device.FindVirtualDevice());

    std::vector<std::uint8_t> data(70);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i + 1);
    device.Write(data.data(), data.size(), 3);
    device.Write(data.data(), data.size(), 0);
    ASSERT_EQ(raw.written.size(), 2u);
    // Report ID 3: marker, ID, then 62 data bytes; the rest of the data does not fit.
    EXPECT_EQ(raw.written[0][0], 0x05);
    EXPECT_EQ(raw.written[0][1], 3);
    EXPECT_EQ(raw.written[0][2], 1);
    EXPECT_EQ(raw.written[0][63], 62);
    // Report ID 0: the data starts right behind the marker, 63 bytes of it.
    EXPECT_EQ(raw.written[1][1], 1);
    EXPECT_EQ(raw.written[1][63], 63);
}

TEST(VHidev, KeyboardBitmapAndMouseButtons)
{
    StandInRig rig;
    rig.TakeReports();
    EXPECT_TRUE(rig.device.Key(0xE0, true)); // byte 1 + 28, bit 0
    EXPECT_TRUE(rig.device.Key(0x04, true)); // byte 1, bit 4
    EXPECT_FALSE(rig.device.Key(256, true));
    EXPECT_FALSE(rig.device.Key(-1, true));
    EXPECT_TRUE(rig.device.MouseButton(7, true));
    EXPECT_FALSE(rig.device.MouseButton(8, true)); // only bits below 8
    const std::vector<VirtualReport> reports = rig.TakeReports();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[1].bytes[1], 0x10);
    EXPECT_EQ(reports[1].bytes[29], 0x01);
    EXPECT_EQ(reports[1].bytes, KeyboardBytes({0xE0, 0x04}));
    EXPECT_EQ(reports[2].bytes, (std::vector<std::uint8_t>{0x80, 0, 0, 0}));
}

TEST(VHidev, ResetWritesFourEmptyReportsInOrder)
{
    StandInRig rig;
    rig.device.Key(10, true);
    rig.device.Consumer(0xE9, true);
    rig.TakeReports();
    rig.device.ResetReports();
    const std::vector<VirtualReport> reports = rig.TakeReports();
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports[0].id, 1);
    EXPECT_EQ(reports[0].bytes, KeyboardBytes({}));
    EXPECT_EQ(reports[1].id, 2);
    EXPECT_EQ(reports[1].bytes, std::vector<std::uint8_t>(4, 0));
    EXPECT_EQ(reports[2].id, 3);
    EXPECT_EQ(reports[2].bytes, Word(0));
    EXPECT_EQ(reports[3].id, 4);
    EXPECT_EQ(reports[3].bytes, Word(0));
}

TEST(VHidev, WritesWithoutDeviceFailSilentlyAndAFreshDeviceHoldsNothing)
{
    StandInRig rig;
    rig.device.Key(10, true);
    rig.device.CloseDevice();
    rig.TakeReports();
    EXPECT_FALSE(rig.device.Key(11, true));
    EXPECT_TRUE(rig.TakeReports().empty());
    ASSERT_TRUE(rig.device.FindVirtualDevice());
    rig.device.Key(12, true);
    EXPECT_EQ(rig.LastReport(1), KeyboardBytes({12})); // 10 went with the old device
}

TEST(VirtualDeviceStartup, InstallsTheDriverOnlyWhenTheDeviceIsMissing)
{
    struct Case {
        bool availableAtFirst;
        bool installMakesItAvailable;
        bool expectInstall;
        bool expectFound;
    };
    const Case cases[] = {
        {true, false, false, true},
        {false, true, true, true},
        {false, false, true, false},
    };
    for (const Case& test : cases) {
        auto backend = std::make_unique<RawBackend>();
        RawBackend& raw = *backend;
        raw.available = test.availableAtFirst;
        VHidev device(std::move(backend));
        bool installed = false;
        const bool found = StartVirtualDevice(device, [&] {
            installed = true;
            raw.available = test.installMakesItAvailable;
            return true;
        });
        EXPECT_EQ(installed, test.expectInstall);
        EXPECT_EQ(found, test.expectFound);
        // A device that came up starts with empty reports.
        EXPECT_EQ(raw.written.size(), found ? 4u : 0u);
    }
}

} // namespace
} // namespace clavora::test
