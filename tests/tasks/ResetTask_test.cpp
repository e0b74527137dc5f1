// The factory reset by protocol family and connection, and the page reloads after it.

#include "TaskRig.h"

#include "device/TaskCodes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace clavora {
namespace {

using test::TaskRig;
using ::testing::ElementsAre;

TEST(FactoryResetTask, ByFamilyAndConnection)
{
    struct Case {
        const char* name;
        int connection;
        int deviceType;
        std::vector<std::string> feature; // hex of each feature report
        std::vector<std::string> output;  // first 11 bytes of each output report
        std::vector<int> pauses;
        int resets;
    };
    const Case cases[] {
        { "report", test::kReportMode, test::kReportType, {}, { "00 ff fe aa ff 00 00 00 00 00 00" }, { 100, 100 }, 1 },
        { "feature wired", 0, test::kFeatureType, { "07 f0 aa 00 00 00 00 00" }, {}, { 16, 100, 100 }, 1 },
        { "feature receiver", 1, test::kFeatureType, {},
            { "00 bb aa 99 88 aa aa aa aa aa aa", "00 bb aa 99 88 00 00 00 00 00 00" }, { 1600, 100 }, 1 },
        { "feature link", 2, test::kFeatureType, {},
            { "00 bb aa 99 88 aa aa aa aa aa aa", "00 bb aa 99 88 00 00 00 00 00 00" }, { 1600, 100 }, 1 },
        { "no protocol", 0, 300, {}, {}, { 100 }, 0 },
    };
    for (const Case& c : cases) {
        TaskRig rig;
        rig.Connect({ c.connection });
        rig.UseModel(c.deviceType);
        rig.hid.SetWantedDeviceType(c.deviceType == test::kReportType ? test::kReportType : test::kFeatureType);
        rig.ClearReports();
        rig.tasks.Append(task::kFactoryReset);
        rig.worker.RunCycle();

        std::vector<std::string> feature;
        for (const LoggedReport& report : rig.emulator->FeatureReports())
            feature.push_back(test::HexOf(report.bytes, 8));
        EXPECT_EQ(feature, c.feature) << c.name;
        std::vector<std::string> output;
        for (const LoggedReport& report : rig.emulator->OutputReports())
            output.push_back(test::HexOf(report.bytes, 11));
        EXPECT_EQ(output, c.output) << c.name;
        EXPECT_EQ(rig.clock.Take(), c.pauses) << c.name;
        EXPECT_EQ(rig.emulator->State().resets, c.resets) << c.name;
        EXPECT_THAT(rig.host.Take(),
            ElementsAre("Enable 0", "ReloadMacroPage", "ReloadProfileList", "ReloadLightPage", "CloseWaitBox", "Enable 1"))
            << c.name;
    }
}

} // namespace
} // namespace clavora
