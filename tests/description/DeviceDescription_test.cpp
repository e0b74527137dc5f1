#include "description/DeviceDescription.h"

#include "RecordingObserver.h"
#include "platform/Paths.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace clavora {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A config.xml naming one model of device type 201 whose description is layouts/kb.xml.
constexpr const char* kOneModelConfig = R"(<?xml version="1.0" encoding="UTF-8"?>
<config><device.info>
  <keyboard name="Model A" device_type="201" device_info="kb">
    <mode value="0" desc="USB" vid="C1A0" pid="0101" product_name="A wired" hid_interface="VID_C1A0&amp;PID_0101&amp;MI_02"/>
  </keyboard>
</device.info></config>)";

class DeviceDescriptionTest : public ::testing::Test {
protected:
    DeviceDescriptionTest() { SetAppFolderOverride(m_dir.Path().string()); }
    ~DeviceDescriptionTest() override { SetAppFolderOverride(""); }

    void WriteConfig(const std::string& text) { m_dir.Write("config.xml", text); }
    // A description file with the given children of the root element.
    void WriteLayout(const std::string& name, const std::string& body)
    {
        m_dir.Write("layouts/" + name + ".xml", "<device.info>" + body + "</device.info>");
    }
    // Loads config.xml and kb.xml, then forgets what the device-list load logged.
    void LoadWithLayout(const std::string& body)
    {
        WriteConfig(kOneModelConfig);
        WriteLayout("kb", body);
        m_description.LoadDeviceList();
    }

    test::TempDir m_dir;
    test::RecordingObserver m_observer;
    DeviceDescription m_description { &m_observer };
};

TEST_F(DeviceDescriptionTest, DeviceListKeepsFileOrderAndHandsEachEntryOn)
{
    WriteConfig(R"(<?xml version="1.0"?>
<config>
  <device.info>
    <keyboard name="Model A" device_type="201" device_info="kb">
      <mode value="0" desc="USB" vid="C1A0" pid="0101" product_name="A wired" hid_interface="VID_C1A0&amp;PID_0101"/>
      <mode value="2" desc="BT" vid="c1a0" pid="10F" product_name="A bt" hid_interface="PID_010F"/>
    </keyboard>
    <keyboard name="Model B" device_type="105" device_info="other">
      <mode value="1" vid="zz" pid="" product_name="B air"/>
    </keyboard>
  </device.info>
  <software name="Clavora" version="2.3.4">
    <website url="http://w/"/><store url="http://s/"/><upgrade url="http://u/"/>
    <copyright info="(c) us"/>
  </software>
</config>)");
    m_description.LoadDeviceList();

    const auto& devices = m_description.GetDeviceList();
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].name, "Model A");
    EXPECT_EQ(devices[0].device_type, 201);
    EXPECT_EQ(devices[0].device_info, "kb");
    EXPECT_EQ(devices[0].mode, 0);
    EXPECT_EQ(devices[0].vid, 0);
    EXPECT_THAT(devices[0].hid_interface, IsEmpty());
    EXPECT_EQ(devices[1].name, "Model B");

    const auto& modes = m_description.GetModeList();
    ASSERT_EQ(modes.size(), 3u);
    EXPECT_EQ(modes[1].name, "A bt");
    EXPECT_EQ(modes[1].device_type, 201);
    EXPECT_EQ(modes[1].device_info, "kb");
    EXPECT_EQ(modes[1].mode, 2);
    EXPECT_EQ(modes[1].desc, "BT");
    EXPECT_EQ(modes[1].vid, 0xC1A0);
    EXPECT_EQ(modes[1].pid, 0x10F);
    EXPECT_EQ(modes[1].hid_interface, "PID_010F");
    EXPECT_EQ(modes[1].present, 0);
    EXPECT_EQ(modes[2].vid, 0);
    EXPECT_EQ(modes[2].pid, 0);
    EXPECT_EQ(modes[2].device_type, 105);

    const SoftwareInfo& software = m_description.GetSoftwareInfo();
    EXPECT_EQ(software.version, "2.3.4");
    EXPECT_EQ(software.websiteUrl, "http://w/");
    EXPECT_EQ(software.storeUrl, "http://s/");
    EXPECT_EQ(software.upgradeUrl, "http://u/");
    EXPECT_EQ(software.copyright, "(c) us");

    EXPECT_THAT(m_observer.log,
        ElementsAre("device 'Model A' 201", "mode C1A0:101 'A wired' type 201 mode 0 VID_C1A0&PID_0101",
            "mode C1A0:10F 'A bt' type 201 mode 2 PID_010F", "device 'Model B' 105",
            "mode 0:0 'B air' type 105 mode 1 ", "version 'Ver: 2.3.4'", "copyright '(c) us'",
            "store 'Model A' 201", "notifications"));
}

TEST_F(DeviceDescriptionTest, ElementsBeforeTheOnesReadEarlierAreNotSeen)
{
    WriteConfig(R"(<config>
  <software version="9"><upgrade url="u"/><website url="w"/><copyright info="c"/></software>
  <device.info><keyboard name="late" device_type="201"/></device.info>
</config>)");
    m_description.LoadDeviceList();
    // software precedes device.info, so it is not found after it.
    EXPECT_EQ(m_description.GetDeviceList().size(), 1u);
    EXPECT_THAT(m_description.GetSoftwareInfo().version, IsEmpty());

    WriteConfig(R"(<config><device.info/>
  <software version="9"><upgrade url="u"/><website url="w"/><copyright info="c"/></software></config>)");
    m_description.LoadDeviceList();
    const SoftwareInfo& software = m_description.GetSoftwareInfo();
    EXPECT_EQ(software.version, "9");
    EXPECT_EQ(software.websiteUrl, "w");
    EXPECT_THAT(software.upgradeUrl, IsEmpty());
    EXPECT_EQ(software.copyright, "c");
}

TEST_F(DeviceDescriptionTest, MissingOrBrokenConfigGivesNoModels)
{
    const char* configs[] = { nullptr, "", "<config><device.info>", "<other><device.info>"
        "<keyboard name=\"x\" device_type=\"201\" device_info=\"kb\"/></device.info></other>", "not xml at all" };
    WriteLayout("kb", R"(<menu macro="0" light_mode="0"/>)");
    for (const char* config : configs) {
        if (config)
            WriteConfig(config);
        m_observer.log.clear();
        DeviceDescription description(&m_observer);
        description.LoadDeviceList();
        EXPECT_THAT(description.GetDeviceList(), IsEmpty()) << (config ? config : "(no file)");
        EXPECT_THAT(description.GetModeList(), IsEmpty());
        EXPECT_THAT(description.GetSoftwareInfo().version, IsEmpty());
        EXPECT_EQ(description.GetModel().menuFlags, 0x7F);
        EXPECT_THAT(m_observer.log, ElementsAre("store '' 201", "notifications"));
    }
}

TEST_F(DeviceDescriptionTest, MenuFlagsChooseTabsAndPictures)
{
    struct Case {
        const char* menu;
        int flags;
        std::vector<std::string> handedOver; // tab and picture-clearing calls
    };
    const Case cases[] = {
        { "", 0x7F, { "keys clear", "light clear", "settings clear" } },
        { R"(<menu macro="0" light_mode="1"/>)", 0x45, { "tabs 45", "keys clear", "light clear", "settings clear" } },
        { R"(<menu macro="1" light_mode="0"/>)", 0x43, { "tabs 43", "keys clear", "settings clear" } },
        { R"(<menu macro="1" light_mode="1"/>)", 0x47, { "tabs 47", "keys clear", "light clear", "settings clear" } },
        { R"(<menu macro="2" light_mode="yes"/>)", 0x41, { "tabs 41", "keys clear", "settings clear" } },
        { R"(<menu/>)", 0x41, { "tabs 41", "keys clear", "settings clear" } },
    };
    for (const Case& c : cases) {
        test::RecordingObserver observer;
        DeviceDescription description(&observer);
        WriteConfig(kOneModelConfig);
        WriteLayout("kb", c.menu);
        description.LoadDeviceList();
        EXPECT_EQ(description.GetModel().menuFlags, c.flags) << c.menu;
        std::vector<std::string> handedOver;
        for (const std::string& line : observer.log) {
            if (line.rfind("tabs", 0) == 0 || line.find(" clear") != std::string::npos)
                handedOver.push_back(line);
        }
        EXPECT_EQ(handedOver, c.handedOver) << c.menu;
    }
}

TEST_F(DeviceDescriptionTest, KeysFillTheGridMapsAndPictures)
{
    LoadWithLayout(R"(<menu macro="1" light_mode="0"/>
<Keyboard xpos="340" ypos="110" width="920" height="280" image="kb.png" row_count="6" col_count="23">
  <key code="99" name="outside KeyItems" key_index="1" row_col="0,0" rect="1#1#1#1"/>
  <KeyItems>
    <key code="E0" name="Ctrl" desc="Left Ctrl" key_index="3" light_index="77" row_col="2,5" rect="10#20#30#40"/>
    <key code="04" name="A" desc="A" key_index="4" row_col="2,15" rect="0#0#36#36" icon="icon_a.png"/>
    <key code="04" name="A2" desc="second A" key_index="9" row_col="12,3" rect=""/>
    <key code="" name="none" key_index="5" row_col="9,40" rect="5#5#5#5"/>
    <key code="FF" name="Fn" key_index="6" rect="1#2#3#4"/>
  </KeyItems>
</Keyboard>)");
    const KeyboardModel& model = m_description.GetModel();

    EXPECT_EQ(model.rowCount, 6);
    EXPECT_EQ(model.columnCount, 23);
    EXPECT_EQ(model.pictureRect, lumo::CRect(340, 110, 1260, 390));
    EXPECT_EQ(model.GridAt(2, 5), 0xE0);
    EXPECT_EQ(model.GridAt(2, 15), 0x04);
    EXPECT_EQ(model.GridAt(1, 0), 0x04); // "12,3" reads as row 1, column ",3" = 0
    EXPECT_EQ(model.GridAt(0, 0), kNoKeyInCell);
    int filled = 0;
    for (uint8_t cell : model.keyGrid)
        filled += cell != kNoKeyInCell;
    EXPECT_EQ(filled, 3);

    // The later of two keys with one code wins the maps; both are on the picture.
    EXPECT_EQ(model.KeyIndexOf(0x04), 9);
    EXPECT_EQ(model.lightIndexMap, model.keyIndexMap);
    EXPECT_EQ(model.KeyIndexOf(0), 5);
    EXPECT_EQ(model.KeyIndexOf(0xE0), 3);
    EXPECT_EQ(model.KeyIndexOf(0x99), -1);
    ASSERT_EQ(model.keys.size(), 5u);
    EXPECT_EQ(model.keys[3].row, -1);

    EXPECT_THAT(m_observer.Lines("keys"),
        ElementsAre("keys clear", "keys rect 340,110,1260,390", "keys image keyboard/kb.png", "keys size 920x280",
            "keys key 'Ctrl' 'Left Ctrl' E0 10,20,40,60", "keys key 'A' 'A' 4 0,0,36,36 icon_a.png",
            "keys key 'A2' 'second A' 4 0,0,0,0", "keys key 'none' '' 0 5,5,10,10", "keys key 'Fn' '' FF 1,2,4,6"));
    EXPECT_EQ(m_observer.Lines("settings"), [&] {
        std::vector<std::string> lines = m_observer.Lines("keys");
        for (std::string& line : lines)
            line.replace(0, 4, "settings");
        return lines;
    }());
    EXPECT_THAT(m_observer.Lines("light"), IsEmpty());
}

TEST_F(DeviceDescriptionTest, KeyItemsOutsideKeyboardAreNotRead)
{
    LoadWithLayout(R"(<KeyItems><key code="04" key_index="1" row_col="0,0"/></KeyItems>
<Keyboard width="10" height="10"/>)");
    EXPECT_THAT(m_description.GetModel().keys, IsEmpty());
    EXPECT_THAT(m_description.GetModel().keyIndexMap, IsEmpty());
    EXPECT_EQ(m_description.GetModel().GridAt(0, 0), kNoKeyInCell);
}

TEST_F(DeviceDescriptionTest, RowAndColumnCountsStayInsideTheGrid)
{
    LoadWithLayout(R"(<Keyboard row_count="12" col_count="40"/>)");
    EXPECT_EQ(m_description.GetModel().rowCount, 8);
    EXPECT_EQ(m_description.GetModel().columnCount, 32);
    LoadWithLayout(R"(<Keyboard row_count="-3" col_count="x"/>)");
    EXPECT_EQ(m_description.GetModel().rowCount, 0);
    EXPECT_EQ(m_description.GetModel().columnCount, 0);
}

TEST_F(DeviceDescriptionTest, FirmwareButtonNeedsVersionAndFile)
{
    struct Case {
        const char* firmware;
        const char* shown;
    };
    const Case cases[] = {
        { R"(<firmware version="105" file="tool.exe" url="http://f/"/>)", "firmware shown" },
        { R"(<firmware version="105" file="" url="http://f/"/>)", "firmware hidden" },
        { R"(<firmware file="tool.exe"/>)", "firmware hidden" },
        { "", "firmware hidden" },
    };
    for (const Case& c : cases) {
        test::RecordingObserver observer;
        DeviceDescription description(&observer);
        WriteConfig(kOneModelConfig);
        WriteLayout("kb", c.firmware);
        description.LoadDeviceList();
        EXPECT_THAT(observer.Lines("firmware"), ElementsAre(c.shown)) << c.firmware;
    }
}

TEST_F(DeviceDescriptionTest, ReloadKeepsFirmwareAndLightButResetsUrl)
{
    LoadWithLayout(R"(<function sleep_time="1"/>
<firmware version="105" file="tool.exe" url="http://f/"/>
<light rgb_keyboard="1" default_mode="3" default_brightness="4" default_speed="2" brightness_max="5" speed_max="6">
  <info name="401" mode="1" attribute="71"/><info name="402" mode="3" attribute="512"/>
</light>)");
    const KeyboardModel& model = m_description.GetModel();
    EXPECT_TRUE(model.sleepTimerSupported);
    EXPECT_EQ(model.firmwareUrl, "http://f/");
    EXPECT_TRUE(model.rgbKeyboard);
    EXPECT_EQ(model.defaultMode, 3);
    EXPECT_EQ(model.defaultBrightness, 4);
    EXPECT_EQ(model.defaultSpeed, 2);
    ASSERT_EQ(model.lightModes.size(), 2u);
    EXPECT_EQ(model.lightModes[1].name, "402");
    EXPECT_EQ(model.lightModes[1].mode, 3);
    EXPECT_EQ(model.lightModes[1].attribute, 512);
    EXPECT_THAT(m_observer.Lines("sliders"), ElementsAre("sliders 5 6"));
    EXPECT_EQ(m_observer.Lines("visualizer reset").size(), 2u);

    m_observer.log.clear();
    WriteLayout("kb", R"(<function sleep_time="0"/>)");
    EXPECT_TRUE(m_description.LoadDeviceDescription(201));
    EXPECT_FALSE(model.sleepTimerSupported);
    EXPECT_THAT(model.firmwareUrl, IsEmpty());
    EXPECT_EQ(model.firmwareVersion, "105");
    EXPECT_EQ(model.lightModes.size(), 2u);
    EXPECT_THAT(m_observer.Lines("firmware"), ElementsAre("firmware shown"));
    EXPECT_THAT(m_observer.Lines("sliders"), IsEmpty());
}

TEST_F(DeviceDescriptionTest, MissingDescriptionKeepsTheModelButSwitchesTheStore)
{
    LoadWithLayout(R"(<menu macro="0" light_mode="1"/><firmware version="1" file="f" url="u"/>
<Keyboard><KeyItems><key code="04" key_index="2" row_col="0,1"/></KeyItems></Keyboard>)");
    ASSERT_EQ(m_description.GetModel().keys.size(), 1u);

    struct Case {
        int deviceType;
        const char* layout; // written as layouts/kb.xml before the load; null removes it
        const char* store;
    };
    const Case cases[] = {
        { 201, nullptr, "store 'Model A' 201" },
        { 201, "<other/>", "store 'Model A' 201" },
        { 201, "<device.info><menu", "store 'Model A' 201" },
        { 150, "<device.info/>", "store '' 150" },
    };
    for (const Case& c : cases) {
        if (c.layout)
            m_dir.Write("layouts/kb.xml", c.layout);
        else
            std::filesystem::remove(m_dir.Path() / "layouts/kb.xml");
        m_observer.log.clear();
        EXPECT_FALSE(m_description.LoadDeviceDescription(c.deviceType));
        EXPECT_THAT(m_observer.log, ElementsAre(c.store));
        const KeyboardModel& model = m_description.GetModel();
        EXPECT_EQ(model.deviceType, c.deviceType);
        EXPECT_EQ(model.menuFlags, 0x45);
        EXPECT_EQ(model.keys.size(), 1u);
        EXPECT_EQ(model.KeyIndexOf(0x04), 2);
        EXPECT_EQ(model.GridAt(0, 1), 0x04);
        EXPECT_EQ(model.firmwareVersion, "1");
        EXPECT_THAT(model.firmwareUrl, IsEmpty());
    }
}

} // namespace
} // namespace clavora
