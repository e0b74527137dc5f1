#include "description/KeyCodes.h"
#include "description/PlatformKeyCodes.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <map>
#include <string>
#include <vector>

namespace clavora {
namespace {

// The conversion written out row by row, independently of the program's own tables.
std::map<int, int> ExpectedKeyCodes()
{
    std::map<int, int> expected;
    auto rows = [&](std::vector<int> vks, std::vector<int> codes) {
        ASSERT_EQ(vks.size(), codes.size());
        for (size_t i = 0; i < vks.size(); ++i)
            expected[vks[i]] = codes[i];
    };
    for (int vk = 65; vk <= 90; ++vk)
        expected[vk] = vk - 61;
    for (int vk = 49; vk <= 57; ++vk)
        expected[vk] = vk - 19;
    expected[48] = 39;
    rows({ 13, 27, 8, 9, 32 }, { 40, 41, 42, 43, 44 });
    rows({ 189, 187, 219, 221, 220 }, { 45, 46, 47, 48, 49 });
    rows({ 186, 222, 192, 188, 190, 191 }, { 51, 52, 53, 54, 55, 56 });
    expected[20] = 57;
    for (int i = 0; i < 12; ++i) {
        expected[112 + i] = 58 + i;
        expected[124 + i] = 104 + i;
    }
    rows({ 44, 145, 19 }, { 70, 71, 72 });
    rows({ 45, 36, 33, 46, 35, 34 }, { 73, 74, 75, 76, 77, 78 });
    rows({ 39, 37, 40, 38 }, { 79, 80, 81, 82 });
    rows({ 144, 111, 106, 109, 107, 108 }, { 83, 84, 85, 86, 87, 88 });
    for (int vk = 97; vk <= 105; ++vk)
        expected[vk] = vk - 8;
    rows({ 96, 110 }, { 98, 99 });
    rows({ 162, 160, 164, 91, 163, 161, 165, 92 }, { 224, 225, 226, 227, 228, 229, 230, 231 });
    rows({ 93, 226, 193, 254 }, { 101, 100, 135, 175 });
    rows({ 136, 137, 138, 139 }, { 136, 137, 138, 139 });
    rows({ 181, 174, 175, 173, 178, 177, 179, 176 }, { 232, 233, 234, 235, 236, 237, 238, 239 });
    rows({ 180, 172, 183, 166, 167, 169, 168, 170, 171, 182 },
        { 240, 241, 242, 243, 244, 245, 246, 247, 248, 249 });
    return expected;
}

TEST(KeyCodes, VirtualKeyConversionCoversTheWholeRange)
{
    const std::map<int, int> expected = ExpectedKeyCodes();
    for (int vk = -1; vk <= 256; ++vk) {
        auto it = expected.find(vk);
        const int code = it == expected.end() ? 0 : it->second;
        EXPECT_EQ(VirtualKeyToKeyCode(vk), code) << "virtual key " << vk;
        if (code != 0) {
            EXPECT_EQ(KeyCodeToVirtualKey(code), vk) << "key code " << code;
        }
    }
    EXPECT_EQ(KeyCodeToVirtualKey(0), 0);
    EXPECT_EQ(KeyCodeToVirtualKey(50), 0);
    EXPECT_EQ(KeyCodeToVirtualKey(-5), 0);
    EXPECT_EQ(KeyCodeToVirtualKey(400), 0);
}

TEST(KeyCodes, DisplayNamesOfEveryCode)
{
    std::map<int, std::string> expected = {
        { 40, "ENTER" }, { 41, "ESC" }, { 42, "backspace" }, { 43, "TAB" }, { 44, "SPACE" },
        { 45, "-_" }, { 46, "+=" }, { 47, "[{" }, { 48, "]}" }, { 49, "\\" }, { 51, ";:" },
        { 52, "'" }, { 53, "~`" }, { 54, "<," }, { 55, ">." }, { 56, "/?" }, { 57, "CAPS" },
        { 70, "PRTSC" }, { 71, "SCRLK" }, { 72, "PASE" }, { 73, "INS" }, { 74, "HOME" },
        { 75, "PG UP" }, { 76, "DEL" }, { 77, "END" }, { 78, "PG DN" }, { 79, "RIGHT" },
        { 80, "LEFT" }, { 81, "DOWN" }, { 82, "UP" }, { 83, "NumLock" }, { 84, "/" }, { 85, "*" },
        { 86, "-" }, { 87, "+" }, { 88, "Enter" }, { 99, "." }, { 101, "MENU" }, { 175, "FN" },
        { 224, "CTRL" }, { 225, "SHIFT" }, { 226, "ALT" }, { 227, "WIN" }, { 228, "RCTRL" },
        { 229, "RSHIFT" }, { 230, "RALT" }, { 39, "0" }, { 98, "0" }, { 58, "F1" }, { 69, "F12" },
    };
    for (int code = 4; code <= 29; ++code)
        expected[code] = std::string(1, static_cast<char>('A' + code - 4));
    for (int i = 0; i < 9; ++i) {
        expected[30 + i] = std::to_string(i + 1);
        expected[89 + i] = std::to_string(i + 1);
    }
    for (int i = 0; i < 12; ++i)
        expected[58 + i] = "F" + std::to_string(i + 1);

    for (int code = -1; code <= 256; ++code) {
        auto it = expected.find(code);
        EXPECT_EQ(GetKeyCodeName(code), it == expected.end() ? "" : it->second) << "key code " << code;
    }
}

TEST(KeyCodes, ExamplesThatTravelThroughBothTables)
{
    struct Case {
        int virtualKey;
        int code;
        const char* name;
    };
    const Case cases[] = {
        { 65, 4, "A" }, { 188, 54, "<," }, { 101, 93, "5" }, { 53, 34, "5" },
        { 92, 231, "" }, { 175, 234, "" }, { 255, 0, "" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VirtualKeyToKeyCode(c.virtualKey), c.code) << c.virtualKey;
        EXPECT_EQ(GetKeyCodeName(VirtualKeyToKeyCode(c.virtualKey)), c.name) << c.virtualKey;
    }
}

TEST(KeyCodes, CapturedKeyNames)
{
    struct Case {
        int virtualKey;
        const char* name;
        int storedAs;
    };
    const Case cases[] = {
        { 16, "Shift", 160 }, { 17, "Ctrl", 162 }, { 18, "Alt", 164 },
        { 160, "Shift", 160 }, { 161, "RShift", 161 }, { 162, "Ctrl", 162 }, { 163, "RCtrl", 163 },
        { 164, "Alt", 164 }, { 165, "RAlt", 165 }, { 19, "Pause", 19 }, { 44, "Print Screen", 44 },
        { 91, "Windows", 91 }, { 92, "RWindows", 92 }, { 93, "Application", 93 },
        { 144, "Num Lock", 144 },
        // Navigation keys carry the extended names, not the keypad ones.
        { 33, "Page Up", 33 }, { 34, "Page Down", 34 }, { 35, "End", 35 }, { 36, "Home", 36 },
        { 37, "Left", 37 }, { 38, "Up", 38 }, { 39, "Right", 39 }, { 40, "Down", 40 },
        { 45, "Insert", 45 }, { 46, "Delete", 46 },
        { 65, "A", 65 }, { 48, "0", 48 }, { 103, "Num 7", 103 }, { 110, "Num Del", 110 },
        { 108, "Num Enter", 108 }, { 112, "F1", 112 }, { 135, "F24", 135 }, { 13, "Enter", 13 },
        { 186, ";", 186 }, { 175, "", 175 }, { 0, "", 0 }, { 300, "", 300 },
    };
    for (const Case& c : cases) {
        CapturedKey key = GetCapturedKeyName(c.virtualKey);
        EXPECT_EQ(key.name, c.name) << c.virtualKey;
        EXPECT_EQ(key.virtualKey, c.storedAs) << c.virtualKey;
    }
}

TEST(PlatformKeyCodes, EvdevRoundTripForEveryKeyboardUsage)
{
    int mapped = 0;
    for (int usage = 0; usage <= 255; ++usage) {
        const int evdev = HidUsageToEvdev(usage);
        if (evdev == 0)
            continue;
        ++mapped;
        // The ISO hash key shares the backslash key and comes back as backslash.
        EXPECT_EQ(EvdevToHidUsage(evdev), usage == 50 ? 49 : usage) << "usage " << usage;
    }
    EXPECT_GE(mapped, 4 + 26 + 10 + 96);
    struct Case {
        int usage;
        int evdev;
    };
    const Case cases[] = {
        { 4, KEY_A }, { 29, KEY_Z }, { 30, KEY_1 }, { 39, KEY_0 }, { 40, KEY_ENTER },
        { 53, KEY_GRAVE }, { 57, KEY_CAPSLOCK }, { 69, KEY_F12 }, { 70, KEY_SYSRQ },
        { 83, KEY_NUMLOCK }, { 88, KEY_KPENTER }, { 95, KEY_KP7 }, { 98, KEY_KP0 },
        { 100, KEY_102ND }, { 101, KEY_COMPOSE }, { 104, KEY_F13 }, { 115, KEY_F24 },
        { 224, KEY_LEFTCTRL }, { 227, KEY_LEFTMETA }, { 230, KEY_RIGHTALT }, { 231, KEY_RIGHTMETA },
        { 0, 0 }, { 232, 0 }, { 249, 0 }, { 255, 0 }, { -1, 0 }, { 256, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(HidUsageToEvdev(c.usage), c.evdev) << c.usage;
    EXPECT_EQ(EvdevToHidUsage(KEY_RESERVED), 0);
    EXPECT_EQ(EvdevToHidUsage(KEY_MAX), 0);
    EXPECT_EQ(EvdevToHidUsage(-3), 0);
}

TEST(PlatformKeyCodes, ScancodesBecomeTheVirtualKeysProfilesStore)
{
    struct Case {
        int scancode;
        int virtualKey;
    };
    const Case cases[] = {
        { 4, 65 }, { 30, 49 }, { 39, 48 }, { 40, 13 }, { 88, 108 }, { 95, 103 }, { 99, 110 },
        { 224, 162 }, { 225, 160 }, { 229, 161 }, { 231, 92 }, { 101, 93 }, { 72, 19 },
        { 127, 173 }, { 128, 175 }, { 129, 174 }, { 258, 176 }, { 261, 179 }, { 266, 183 },
        { 267, 182 }, { 270, 166 }, { 50, 220 }, { 0, 0 }, { 232, 0 }, { 249, 0 }, { 600, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScancodeToVirtualKey(c.scancode), c.virtualKey) << c.scancode;
    // Every keyboard key with a key code of its own survives the trip scancode -> virtual
    // key -> key code unchanged.
    for (int usage = 4; usage <= 231; ++usage) {
        if (KeyCodeToVirtualKey(usage) != 0) {
            EXPECT_EQ(VirtualKeyToKeyCode(ScancodeToVirtualKey(usage)), usage) << usage;
        }
    }
}

} // namespace
} // namespace clavora
