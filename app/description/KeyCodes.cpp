#include "description/KeyCodes.h"

#include <array>
#include <cstdint>
#include <utility>

namespace clavora {

namespace {

struct KeyPair {
    int virtualKey;
    int keyCode;
};

// Every virtual key that has a key code. Letters and digits are filled in by the builder
// below; everything else is listed.
constexpr KeyPair kListedKeys[] = {
    { 13, 40 }, { 27, 41 }, { 8, 42 }, { 9, 43 }, { 32, 44 },               // Enter Esc Back Tab Space
    { 189, 45 }, { 187, 46 }, { 219, 47 }, { 221, 48 }, { 220, 49 },         // - = [ ] backslash
    { 186, 51 }, { 222, 52 }, { 192, 53 }, { 188, 54 }, { 190, 55 }, { 191, 56 }, // ; ' ` , . /
    { 20, 57 },                                                              // Caps Lock
    { 44, 70 }, { 145, 71 }, { 19, 72 },                                     // Print Scroll Pause
    { 45, 73 }, { 36, 74 }, { 33, 75 }, { 46, 76 }, { 35, 77 }, { 34, 78 },  // Ins Home PgUp Del End PgDn
    { 39, 79 }, { 37, 80 }, { 40, 81 }, { 38, 82 },                          // Right Left Down Up
    { 144, 83 }, { 111, 84 }, { 106, 85 }, { 109, 86 }, { 107, 87 }, { 108, 88 }, // keypad
    { 96, 98 }, { 110, 99 },                                                 // keypad 0 and .
    { 162, 224 }, { 160, 225 }, { 164, 226 }, { 91, 227 },                   // left modifiers
    { 163, 228 }, { 161, 229 }, { 165, 230 }, { 92, 231 },                   // right modifiers
    { 93, 101 }, { 226, 100 }, { 193, 135 }, { 254, 175 },
    { 136, 136 }, { 137, 137 }, { 138, 138 }, { 139, 139 },
    // Media: select, volume down, volume up, mute, stop, previous, play/pause, next.
    { 181, 232 }, { 174, 233 }, { 175, 234 }, { 173, 235 }, { 178, 236 }, { 177, 237 }, { 179, 238 }, { 176, 239 },
    // Mail, browser home, launch 2, browser back, forward, stop, refresh, search, favourites, launch 1.
    { 180, 240 }, { 172, 241 }, { 183, 242 }, { 166, 243 }, { 167, 244 }, { 169, 245 }, { 168, 246 },
    { 170, 247 }, { 171, 248 }, { 182, 249 },
};

struct KeyTables {
    std::array<uint8_t, 256> codeOfVirtualKey {};
    std::array<uint8_t, 256> virtualKeyOfCode {};

    constexpr void Add(int virtualKey, int keyCode)
    {
        codeOfVirtualKey[virtualKey] = static_cast<uint8_t>(keyCode);
        virtualKeyOfCode[keyCode] = static_cast<uint8_t>(virtualKey);
    }
};

constexpr KeyTables BuildKeyTables()
{
    KeyTables tables;
    for (int vk = 'A'; vk <= 'Z'; ++vk)
        tables.Add(vk, vk - 61);
    for (int vk = '1'; vk <= '9'; ++vk)
        tables.Add(vk, vk - 19);
    tables.Add('0', 39);
    for (int i = 0; i < 12; ++i) {
        tables.Add(112 + i, 58 + i);  // F1-F12
        tables.Add(124 + i, 104 + i); // F13-F24
    }
    for (int i = 0; i < 9; ++i)
        tables.Add(97 + i, 89 + i); // keypad 1-9
    for (const KeyPair& pair : kListedKeys)
        tables.Add(pair.virtualKey, pair.keyCode);
    return tables;
}

constexpr KeyTables kKeyTables = BuildKeyTables();

bool InByteRange(int value) { return value >= 0 && value < 256; }

// Display names of key codes that are not letters, digits or function keys.
constexpr std::pair<int, const char*> kCodeNames[] = {
    { 40, "ENTER" }, { 41, "ESC" }, { 42, "backspace" }, { 43, "TAB" }, { 44, "SPACE" },
    { 45, "-_" }, { 46, "+=" }, { 47, "[{" }, { 48, "]}" }, { 49, "\\" },
    { 51, ";:" }, { 52, "'" }, { 53, "~`" }, { 54, "<," }, { 55, ">." }, { 56, "/?" }, { 57, "CAPS" },
    { 70, "PRTSC" }, { 71, "SCRLK" }, { 72, "PASE" }, { 73, "INS" }, { 74, "HOME" }, { 75, "PG UP" },
    { 76, "DEL" }, { 77, "END" }, { 78, "PG DN" }, { 79, "RIGHT" }, { 80, "LEFT" }, { 81, "DOWN" },
    { 82, "UP" }, { 83, "NumLock" }, { 84, "/" }, { 85, "*" }, { 86, "-" }, { 87, "+" }, { 88, "Enter" },
    { 99, "." }, { 101, "MENU" }, { 175, "FN" },
    { 224, "CTRL" }, { 225, "SHIFT" }, { 226, "ALT" }, { 227, "WIN" },
    { 228, "RCTRL" }, { 229, "RSHIFT" }, { 230, "RALT" },
};

// Names of captured keys, worded as the desktop names them on a US layout. Keys without an
// entry (media and launch keys among them) have no name.
constexpr std::pair<int, const char*> kCapturedNames[] = {
    { 8, "Backspace" }, { 9, "Tab" }, { 12, "Num 5" }, { 13, "Enter" }, { 20, "Caps Lock" },
    { 27, "Esc" }, { 32, "Space" }, { 33, "Page Up" }, { 34, "Page Down" }, { 35, "End" },
    { 36, "Home" }, { 37, "Left" }, { 38, "Up" }, { 39, "Right" }, { 40, "Down" }, { 45, "Insert" },
    { 46, "Delete" }, { 106, "Num *" }, { 107, "Num +" }, { 108, "Num Enter" }, { 109, "Num -" },
    { 110, "Num Del" }, { 111, "Num /" }, { 145, "Scroll Lock" },
    { 186, ";" }, { 187, "=" }, { 188, "," }, { 189, "-" }, { 190, "." }, { 191, "/" }, { 192, "`" },
    { 219, "[" }, { 220, "\\" }, { 221, "]" }, { 222, "'" }, { 226, "\\" },
    // The program's own wording for these keys, whatever the layout calls them.
    { 16, "Shift" }, { 160, "Shift" }, { 17, "Ctrl" }, { 162, "Ctrl" }, { 18, "Alt" }, { 164, "Alt" },
    { 19, "Pause" }, { 44, "Print Screen" }, { 91, "Windows" }, { 92, "RWindows" }, { 93, "Application" },
    { 144, "Num Lock" }, { 161, "RShift" }, { 163, "RCtrl" }, { 165, "RAlt" },
};

template <size_t N>
const char* FindName(const std::pair<int, const char*> (&table)[N], int key)
{
    for (const auto& [code, name] : table) {
        if (code == key)
            return name;
    }
    return nullptr;
}

} // namespace

int VirtualKeyToKeyCode(int virtualKey)
{
    return InByteRange(virtualKey) ? kKeyTables.codeOfVirtualKey[virtualKey] : 0;
}

int KeyCodeToVirtualKey(int keyCode)
{
    return InByteRange(keyCode) ? kKeyTables.virtualKeyOfCode[keyCode] : 0;
}

std::string GetKeyCodeName(int keyCode)
{
    if (keyCode >= 4 && keyCode <= 29)
        return std::string(1, static_cast<char>('A' + keyCode - 4));
    if (keyCode >= 30 && keyCode <= 38)
        return std::string(1, static_cast<char>('1' + keyCode - 30));
    if (keyCode >= 89 && keyCode <= 97)
        return std::string(1, static_cast<char>('1' + keyCode - 89));
    if (keyCode == 39 || keyCode == 98)
        return "0";
    if (keyCode >= 58 && keyCode <= 69)
        return "F" + std::to_string(keyCode - 57);
    const char* name = FindName(kCodeNames, keyCode);
    return name ? name : std::string();
}

CapturedKey GetCapturedKeyName(int virtualKey)
{
    CapturedKey key;
    key.virtualKey = virtualKey;
    if (virtualKey >= 16 && virtualKey <= 18)
        key.virtualKey = virtualKey == 16 ? 160 : virtualKey == 17 ? 162 : 164;

    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        key.name = std::string(1, static_cast<char>(virtualKey));
    else if (virtualKey >= 96 && virtualKey <= 105)
        key.name = "Num " + std::to_string(virtualKey - 96);
    else if (virtualKey >= 112 && virtualKey <= 135)
        key.name = "F" + std::to_string(virtualKey - 111);
    else if (const char* name = FindName(kCapturedNames, virtualKey))
        key.name = name;
    return key;
}

} // namespace clavora
