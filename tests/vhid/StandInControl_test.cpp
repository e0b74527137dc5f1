// The stand-in keyboard's control socket drives the key filter and shows the virtual reports.

#include "device/InputBackends.h"
#include "device/KeyFilter.h"
#include "device/VHidev.h"
#include "device/emulator/Emulator.h"
#include "device/emulator/EmulatorControlSocket.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace clavora {
namespace {

TEST(StandInControl, PressAndReleaseReachTheFilterAndDumpShowsTheReports)
{
    Emulator emulator;
    EmulatorControlSocket control(emulator);
    EXPECT_EQ(control.Execute("press 4"), "error: no key input stand-in");

    VHidev device(CreateVirtualHidBackend(&emulator));
    ASSERT_TRUE(device.FindVirtualDevice());
    {
        KeyFilter filter(device, CreateKeySource(&emulator));
        ASSERT_TRUE(filter.Channel().Open());
        EXPECT_EQ(control.Execute("press 4"), "ok");
        EXPECT_EQ(control.Execute("release 4"), "ok");
        const std::string dump = control.Execute("dump");
        const std::string down = "\"id\":1,\"hex\":\"0010" + std::string(62, '0') + "\"";
        const std::string up = "\"id\":1,\"hex\":\"" + std::string(66, '0') + "\"";
        EXPECT_THAT(dump, testing::HasSubstr(down));
        EXPECT_THAT(dump, testing::HasSubstr(up));
        filter.Channel().Close();
        EXPECT_EQ(control.Execute("press 4"), "error: no key input stand-in");
    }
    EXPECT_EQ(control.Execute("clear"), "ok");
    EXPECT_TRUE(emulator.VirtualReports().empty());
}

} // namespace
} // namespace clavora
