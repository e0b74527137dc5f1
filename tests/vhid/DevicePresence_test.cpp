// Hot-plug matching, rescan and connection check.

#include "device/DevicePresence.h"
#include "device/HotplugMonitor.h"
#include "device/KeyboardHid.h"
#include "device/KeyboardHidPresence.h"
#include "device/emulator/Emulator.h"
#include "device/emulator/EmulatorBackend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace clavora {
namespace {

DeviceEntry Mode(int deviceType, int mode, int pid, const std::string& product, const std::string& fragment)
{
    DeviceEntry entry;
    entry.name = product;
    entry.device_type = deviceType;
    entry.mode = mode;
    entry.vid = 0xC1A0;
    entry.pid = pid;
    entry.hid_interface = fragment;
    return entry;
}

// The mode list of a config.xml with a three-connection model and a wired-only one.
std::vector<DeviceEntry> Modes()
{
    return {
        Mode(201, 0, 0x0101, "Halcyon", "VID_C1A0&PID_0101&MI_02"),
        Mode(201, 1, 0x0102, "Halcyon Receiver", "VID_C1A0&PID_0102&MI_02"),
        Mode(201, 2, 0x0103, "Halcyon BT", "VID_C1A0&PID_0103&MI_02"),
        Mode(101, 0, 0x0201, "Tessel", "VID_C1A0&PID_0201&MI_02"),
        Mode(300, 0, 0x0301, "Blank", ""),
    };
}

// Answers FindInterface for the listed (pid, mode) pairs.
class FakeHid : public IPresenceHid {
public:
    void CloseAll() override { calls.push_back("CloseAll"); }
    void Scan() override { calls.push_back("Scan"); }
    void SetWantedDeviceType(int type) override { calls.push_back("Wanted " + std::to_string(type)); }
    int FindInterface(std::uint16_t, std::uint16_t pid, const std::string&, int mode) override
    {
        for (const auto& [p, m] : present)
            if (p == pid && m == mode)
                return 0;
        return -1;
    }
    bool AnyInterfaceOpen() override { return anyOpen; }
    int ConnectionMode() override { return connectionMode; }

    std::vector<std::pair<int, int>> present;
    bool anyOpen = false;
    int connectionMode = -1;
    std::vector<std::string> calls;
};

class FakeView : public IDeviceStateView {
public:
    void ResetAllState() override { calls.push_back("Reset"); }
    void SetDeviceState(int type, int state) override
    {
        calls.push_back("State " + std::to_string(type) + " " + std::to_string(state));
    }
    std::vector<std::string> calls;
};

TEST(DevicePresence, HotplugMatching)
{
    const std::string bluetooth = "HID\\{00001812-0000-1000-8000-00805F9B34FB}_DEV_VID&02C1A0_PID&0101&MI_02\\X";
    struct Step {
        const char* name;
        bool arrival;
        std::string path;
        int task; // 0 = nothing queued
        HotplugNotice notice;
    };
    const Step steps[] = {
        {"wired arrival", true, "HID\\VID_C1A0&PID_0101&MI_02\\7&1&0", 2, {1, 201}},
        {"lower-case path", true, "hid\\vid_c1a0&pid_0201&mi_02\\7&1&0", 2, {1, 101}},
        {"another interface of the keyboard", true, "HID\\VID_C1A0&PID_0101&MI_00\\7&1&0", 0, {1, 101}},
        {"unknown device", true, "HID\\VID_046D&PID_C52B&MI_01\\7&1&0", 0, {1, 101}},
        {"bluetooth arrival", true, bluetooth, 0, {1, 101}},
        {"removal of a mode never connected", false, "HID\\VID_C1A0&PID_0102&MI_02\\7&1&0", 0, {1, 101}},
        {"removal of the connected mode", false, "HID\\VID_C1A0&PID_0101&MI_02\\7&1&0", 3, {2, 0}},
        {"second removal", false, "HID\\VID_C1A0&PID_0101&MI_02\\7&1&0", 0, {2, 0}},
        {"bluetooth removal", false, bluetooth, 0, {2, 0}},
    };
    std::vector<int> queued;
    DevicePresence presence(Modes(), [&](int task) { queued.push_back(task); });
    FakeHid hid;
    hid.present = {{0x0101, 0}, {0x0201, 0}};
    FakeView view;
    presence.Rescan(hid, view); // the wired Halcyon and the Tessel are connected
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        queued.clear();
        EXPECT_EQ(presence.OnDeviceChange({step.arrival, step.path}), step.task != 0);
        EXPECT_EQ(queued, step.task ? std::vector<int>{step.task} : std::vector<int>{});
        EXPECT_EQ(presence.LastNotice().kind, step.notice.kind);
        EXPECT_EQ(presence.LastNotice().number, step.notice.number);
    }
    EXPECT_FALSE(presence.IsModeConnected(0));
    EXPECT_TRUE(presence.IsModeConnected(3));
}

TEST(DevicePresence, RescanMarksTheConnectedModes)
{
    DevicePresence presence(Modes(), [](int) {});
    FakeHid hid;
    hid.present = {{0x0102, 1}};
    hid.anyOpen = true;
    FakeView view;
    presence.Rescan(hid, view);
    EXPECT_THAT(hid.calls, testing::ElementsAre("CloseAll", "Scan", "Wanted 0"));
    EXPECT_THAT(view.calls, testing::ElementsAre("Reset", "State 201 1"));
    EXPECT_TRUE(presence.InterfaceFound());
    EXPECT_TRUE(presence.ModelConnected());
    EXPECT_TRUE(presence.IsModeConnected(1));
    EXPECT_FALSE(presence.IsModeConnected(0));

    hid.present.clear();
    hid.anyOpen = false;
    presence.Rescan(hid, view);
    EXPECT_FALSE(presence.InterfaceFound());
    EXPECT_FALSE(presence.ModelConnected());
}

TEST(DevicePresence, ConnectionCheckDecidesThePageAndQueuesWork)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> present;
        bool anyOpen;
        int connectionMode;
        PresencePage page;
        std::vector<int> tasks;
    };
    const Case cases[] = {
        {"nothing found", {}, false, -1, PresencePage::NoInterface, {}},
        {"wired", {{0x0101, 0}}, true, 0, PresencePage::Connected, {13, 5}},
        {"wireless with its model", {{0x0102, 1}}, true, 1, PresencePage::Connected, {13, 5}},
        // A receiver whose product string matched no configured mode.
        {"wireless without a model", {}, true, 2, PresencePage::WirelessWithoutModel, {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        std::vector<int> queued;
        DevicePresence presence(Modes(), [&](int task) { queued.push_back(task); });
        FakeHid hid;
        hid.present = test.present;
        hid.anyOpen = test.anyOpen;
        hid.connectionMode = test.connectionMode;
        FakeView view;
        presence.Rescan(hid, view);
        hid.calls.clear();
        EXPECT_EQ(presence.CheckConnection(hid), test.page);
        EXPECT_EQ(queued, test.tasks);
        if (test.anyOpen) {
            EXPECT_THAT(hid.calls, testing::ElementsAre("Wanted 201"));
            EXPECT_EQ(presence.GetConnectionMode(), test.connectionMode);
        } else {
            EXPECT_TRUE(hid.calls.empty());
        }
    }
}

TEST(DevicePresence, KeyboardsListsEachVendorAndProductOnce)
{
    std::vector<DeviceEntry> modes = Modes();
    modes.push_back(modes.front());
    DevicePresence presence(modes, [](int) {});
    EXPECT_EQ(presence.Keyboards().size(), 5u);
    EXPECT_EQ(presence.Keyboards().front(), (KeyboardId{0xC1A0, 0x0101}));
}

TEST(DevicePresence, StandInKeyboardPlugAndUnplug)
{
    // The whole path: the stand-in keyboard's attach, the hot-plug events it reports, the
    // matching, and a rescan through the HID layer.
    auto emulator = std::make_shared<Emulator>();
    KeyboardHid hid(std::make_unique<EmulatorBackend>(emulator), DeviceClock::System());
    const std::vector<DeviceEntry> modes = Modes();
    for (const DeviceEntry& entry : modes) {
        const SupportedMode mode{static_cast<std::uint16_t>(entry.vid), static_cast<std::uint16_t>(entry.pid),
                                 entry.name, entry.device_type, entry.mode, entry.hid_interface, "model"};
        hid.AddSupportedMode(mode.vid, mode.pid, mode.product_name, mode.device_type, mode.mode, mode.hid_interface);
        if (entry.device_type == 201) // the stand-in is one model
            emulator->AddConnection(EmulatedConnection::FromMode(mode));
    }
    std::vector<int> queued;
    DevicePresence presence(modes, [&](int task) { queued.push_back(task); });
    HotplugMonitor monitor;
    ASSERT_TRUE(monitor.Start(hid, [&](const HotplugEvent& event) { presence.OnDeviceChange(event); }));
    KeyboardHidPresence hidView(hid);
    FakeView view;

    ASSERT_TRUE(emulator->Attach(0));
    EXPECT_EQ(queued, std::vector<int>{2}); // once, for the interface its fragment names
    queued.clear();
    presence.Rescan(hidView, view);
    EXPECT_TRUE(presence.IsModeConnected(0));
    EXPECT_EQ(presence.CheckConnection(hidView), PresencePage::Connected);
    EXPECT_EQ(queued, (std::vector<int>{13, 5}));
    EXPECT_EQ(presence.GetConnectionMode(), 0);

    queued.clear();
    ASSERT_TRUE(emulator->Detach(0));
    EXPECT_EQ(queued, std::vector<int>{3});
    EXPECT_FALSE(presence.IsModeConnected(0));
    queued.clear();
    presence.Rescan(hidView, view);
    EXPECT_EQ(presence.CheckConnection(hidView), PresencePage::NoInterface);
    EXPECT_TRUE(queued.empty());
    monitor.Stop();
}

} // namespace
} // namespace clavora
