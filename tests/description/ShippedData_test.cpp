// Checks the data set shipped beside the executable: config.xml, every layout it names and
// both language files.

#include "description/DeviceDescription.h"
#include "description/KeyCodes.h"

#include "RecordingObserver.h"
#include "platform/Paths.h"
#include "startup/Language.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace clavora {
namespace {

const std::string kDataFolder = std::string(CLAVORA_SOURCE_DIR) + "/data/";

// Every light parameter flag a mode can carry.
constexpr int kAllLightFlags = 0x1FFF;
// The keyboard's key and LED tables hold 120 positions.
constexpr int kKeyTablePositions = 120;

class ShippedData : public ::testing::Test {
protected:
    ShippedData()
    {
        SetAppFolderOverride(kDataFolder);
        m_description.LoadDeviceList();
    }
    ~ShippedData() override
    {
        SetAppFolderOverride("");
        SetCurrentLanguage(1033);
    }

    test::RecordingObserver m_observer;
    DeviceDescription m_description { &m_observer };
};

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST_F(ShippedData, ConfigNamesTheProgramAndItsModels)
{
    const SoftwareInfo& software = m_description.GetSoftwareInfo();
    EXPECT_FALSE(software.version.empty());
    EXPECT_EQ(software.upgradeUrl.back(), '/');
    for (const std::string& url : { software.websiteUrl, software.storeUrl, software.upgradeUrl })
        EXPECT_EQ(url.rfind("http://127.0.0.1:", 0), 0u) << url;
    EXPECT_FALSE(software.copyright.empty());

    const auto& devices = m_description.GetDeviceList();
    ASSERT_GE(devices.size(), 2u);
    EXPECT_EQ(devices[0].device_type, kStartDeviceType);
    std::set<int> types;
    bool reportProtocol = false;
    for (const DeviceEntry& device : devices) {
        // Each model's description is found by its device type, so they must differ.
        EXPECT_TRUE(types.insert(device.device_type).second) << device.name;
        reportProtocol |= device.device_type <= 200;
    }
    EXPECT_TRUE(reportProtocol);

    std::set<int> modesOfFirst;
    std::set<std::pair<int, int>> ids;
    std::set<std::string> productNames;
    for (const DeviceEntry& mode : m_description.GetModeList()) {
        EXPECT_NE(mode.vid, 0);
        EXPECT_TRUE(ids.insert({ mode.vid, mode.pid }).second) << mode.name;
        EXPECT_TRUE(productNames.insert(mode.name).second) << mode.name;
        char expected[32];
        std::snprintf(expected, sizeof expected, "VID_%04X&PID_%04X", mode.vid, mode.pid);
        EXPECT_NE(mode.hid_interface.find(expected), std::string::npos) << mode.hid_interface;
        EXPECT_EQ(mode.hid_interface, Upper(mode.hid_interface));
        if (mode.device_type == kStartDeviceType)
            modesOfFirst.insert(mode.mode);
    }
    EXPECT_EQ(modesOfFirst, (std::set<int> { 0, 1, 2 }));
}

TEST_F(ShippedData, EveryLayoutFitsItsGridAndPicture)
{
    std::set<std::string> named;
    for (const DeviceEntry& device : m_description.GetDeviceList()) {
        SCOPED_TRACE(device.name);
        named.insert(device.device_info + ".xml");
        ASSERT_TRUE(m_description.LoadDeviceDescription(device.device_type));
        const KeyboardModel& model = m_description.GetModel();
        const lumo::CRect picture(0, 0, model.pictureRect.Width(), model.pictureRect.Height());
        EXPECT_FALSE(picture.IsRectEmpty());
        EXPECT_FALSE(model.pictureImage.empty());
        EXPECT_GT(model.rowCount, 0);
        EXPECT_GT(model.columnCount, 0);

        std::set<int> codes, indexes;
        std::set<std::pair<int, int>> cells;
        int fnKeys = 0;
        for (const KeyItem& key : model.keys) {
            SCOPED_TRACE(key.desc);
            EXPECT_FALSE(key.desc.empty());
            EXPECT_TRUE(codes.insert(key.code).second);
            EXPECT_TRUE(indexes.insert(key.keyIndex).second);
            EXPECT_GE(key.keyIndex, 0);
            EXPECT_LT(key.keyIndex, kKeyTablePositions);
            EXPECT_TRUE(key.row >= 0 && key.row < model.rowCount && key.column >= 0 && key.column < model.columnCount);
            EXPECT_TRUE(cells.insert({ key.row, key.column }).second);
            EXPECT_FALSE(key.rect.IsRectEmpty());
            lumo::CRect inside;
            EXPECT_TRUE(inside.IntersectRect(key.rect, picture) && inside == key.rect);
            if (key.code == kFnKeyCode)
                ++fnKeys;
            else
                EXPECT_NE(KeyCodeToVirtualKey(key.code), 0) << "no virtual key for code " << key.code;
        }
        EXPECT_EQ(fnKeys, 1);
        EXPECT_GE(model.keys.size(), 87u);
        // Keys never overlap on the picture.
        for (size_t i = 0; i < model.keys.size(); ++i) {
            for (size_t j = i + 1; j < model.keys.size(); ++j)
                EXPECT_FALSE(model.keys[i].rect.Intersects(model.keys[j].rect)) << model.keys[i].desc << " / " << model.keys[j].desc;
        }

        EXPECT_FALSE(model.lightModes.empty());
        bool defaultListed = false;
        int flags = 0;
        for (const LightModeInfo& mode : model.lightModes) {
            defaultListed |= mode.mode == model.defaultMode;
            flags |= mode.attribute;
        }
        EXPECT_TRUE(defaultListed);
        EXPECT_LE(model.defaultBrightness, model.brightnessMax);
        EXPECT_LE(model.defaultSpeed, model.speedMax);
        if (device.device_type == kStartDeviceType) {
            EXPECT_EQ(flags, kAllLightFlags);
            EXPECT_EQ(model.keys.size(), 105u);
            EXPECT_FALSE(model.firmwareVersion.empty());
            EXPECT_FALSE(model.firmwareFile.empty());
        }
    }
    std::set<std::string> shipped;
    for (const auto& entry : std::filesystem::directory_iterator(kDataFolder + "layouts"))
        shipped.insert(entry.path().filename().string());
    EXPECT_EQ(shipped, named);
}

// The text numbers the program uses: the list kept beside the tests plus the light mode
// names of every layout.
std::set<int> UsedTextNumbers(DeviceDescription& description)
{
    std::set<int> numbers;
    std::ifstream list(std::string(CLAVORA_TEST_DATA_DIR) + "/text_numbers.txt");
    std::string line;
    while (std::getline(list, line)) {
        if (!line.empty() && line[0] != '#')
            numbers.insert(std::stoi(line));
    }
    for (const DeviceEntry& device : description.GetDeviceList()) {
        description.LoadDeviceDescription(device.device_type);
        for (const LightModeInfo& mode : description.GetModel().lightModes)
            numbers.insert(std::stoi(mode.name));
    }
    return numbers;
}

TEST_F(ShippedData, EveryUsedTextExistsInBothLanguages)
{
    const std::set<int> numbers = UsedTextNumbers(m_description);
    ASSERT_GT(numbers.size(), 150u);
    for (int lcid : { 1033, 2052 }) {
        SetCurrentLanguage(lcid);
        for (int number : numbers)
            EXPECT_FALSE(LoadLangString(kLangSection, number).empty()) << "text " << number << " of " << lcid;
    }
    SetCurrentLanguage(1033);
    EXPECT_EQ(LoadLangString(kLangSection, 151), "Start with the system");
    EXPECT_EQ(LoadLangString(kLangSection, 65), "Profile");
    SetCurrentLanguage(2052);
    EXPECT_EQ(LoadLangString(kLangSection, 65), "配置方案");
    EXPECT_EQ(LoadLangString(kLangSection, 331), "宏");
}

} // namespace
} // namespace clavora
