#include "description/PlatformKeyCodes.h"

#include "description/KeyCodes.h"

#include <SDL2/SDL_scancode.h>
#include <linux/input-event-codes.h>

#include <array>
#include <cstdint>
#include <utility>

namespace clavora {

namespace {

// HID keyboard usages and the evdev keys the kernel reports for them. Where two usages
// share one evdev key (backslash and the ISO hash key), the first one listed wins the
// way back.
constexpr std::pair<int, int> kListedUsages[] = {
    { 40, KEY_ENTER }, { 41, KEY_ESC }, { 42, KEY_BACKSPACE }, { 43, KEY_TAB }, { 44, KEY_SPACE },
    { 45, KEY_MINUS }, { 46, KEY_EQUAL }, { 47, KEY_LEFTBRACE }, { 48, KEY_RIGHTBRACE },
    { 49, KEY_BACKSLASH }, { 50, KEY_BACKSLASH }, { 51, KEY_SEMICOLON }, { 52, KEY_APOSTROPHE },
    { 53, KEY_GRAVE }, { 54, KEY_COMMA }, { 55, KEY_DOT }, { 56, KEY_SLASH }, { 57, KEY_CAPSLOCK },
    { 58, KEY_F1 }, { 59, KEY_F2 }, { 60, KEY_F3 }, { 61, KEY_F4 }, { 62, KEY_F5 }, { 63, KEY_F6 },
    { 64, KEY_F7 }, { 65, KEY_F8 }, { 66, KEY_F9 }, { 67, KEY_F10 }, { 68, KEY_F11 }, { 69, KEY_F12 },
    { 70, KEY_SYSRQ }, { 71, KEY_SCROLLLOCK }, { 72, KEY_PAUSE }, { 73, KEY_INSERT }, { 74, KEY_HOME },
    { 75, KEY_PAGEUP }, { 76, KEY_DELETE }, { 77, KEY_END }, { 78, KEY_PAGEDOWN }, { 79, KEY_RIGHT },
    { 80, KEY_LEFT }, { 81, KEY_DOWN }, { 82, KEY_UP }, { 83, KEY_NUMLOCK }, { 84, KEY_KPSLASH },
    { 85, KEY_KPASTERISK }, { 86, KEY_KPMINUS }, { 87, KEY_KPPLUS }, { 88, KEY_KPENTER },
    { 89, KEY_KP1 }, { 90, KEY_KP2 }, { 91, KEY_KP3 }, { 92, KEY_KP4 }, { 93, KEY_KP5 },
    { 94, KEY_KP6 }, { 95, KEY_KP7 }, { 96, KEY_KP8 }, { 97, KEY_KP9 }, { 98, KEY_KP0 },
    { 99, KEY_KPDOT }, { 100, KEY_102ND }, { 101, KEY_COMPOSE }, { 102, KEY_POWER }, { 103, KEY_KPEQUAL },
    { 104, KEY_F13 }, { 105, KEY_F14 }, { 106, KEY_F15 }, { 107, KEY_F16 }, { 108, KEY_F17 },
    { 109, KEY_F18 }, { 110, KEY_F19 }, { 111, KEY_F20 }, { 112, KEY_F21 }, { 113, KEY_F22 },
    { 114, KEY_F23 }, { 115, KEY_F24 }, { 116, KEY_OPEN }, { 117, KEY_HELP }, { 118, KEY_PROPS },
    { 119, KEY_FRONT }, { 120, KEY_STOP }, { 121, KEY_AGAIN }, { 122, KEY_UNDO }, { 123, KEY_CUT },
    { 124, KEY_COPY }, { 125, KEY_PASTE }, { 126, KEY_FIND }, { 127, KEY_MUTE }, { 128, KEY_VOLUMEUP },
    { 129, KEY_VOLUMEDOWN }, { 133, KEY_KPCOMMA }, { 135, KEY_RO }, { 136, KEY_KATAKANAHIRAGANA },
    { 137, KEY_YEN }, { 138, KEY_HENKAN }, { 139, KEY_MUHENKAN }, { 140, KEY_KPJPCOMMA },
    { 144, KEY_HANGEUL }, { 145, KEY_HANJA }, { 146, KEY_KATAKANA }, { 147, KEY_HIRAGANA },
    { 148, KEY_ZENKAKUHANKAKU }, { 175, KEY_FN }, { 182, KEY_KPLEFTPAREN }, { 183, KEY_KPRIGHTPAREN },
    { 224, KEY_LEFTCTRL }, { 225, KEY_LEFTSHIFT }, { 226, KEY_LEFTALT }, { 227, KEY_LEFTMETA },
    { 228, KEY_RIGHTCTRL }, { 229, KEY_RIGHTSHIFT }, { 230, KEY_RIGHTALT }, { 231, KEY_RIGHTMETA },
};

constexpr int kEvdevTableSize = KEY_FN + 1;

struct EvdevTables {
    std::array<uint16_t, 256> evdevOfUsage {};
    std::array<uint8_t, kEvdevTableSize> usageOfEvdev {};

    constexpr void Add(int usage, int evdev)
    {
        evdevOfUsage[usage] = static_cast<uint16_t>(evdev);
        if (usageOfEvdev[evdev] == 0)
            usageOfEvdev[evdev] = static_cast<uint8_t>(usage);
    }
};

constexpr EvdevTables BuildEvdevTables()
{
    // The letters and digits of the two numbering schemes follow different orders.
    constexpr int kLetters[26] = { KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H, KEY_I,
        KEY_J, KEY_K, KEY_L, KEY_M, KEY_N, KEY_O, KEY_P, KEY_Q, KEY_R, KEY_S, KEY_T, KEY_U, KEY_V,
        KEY_W, KEY_X, KEY_Y, KEY_Z };
    EvdevTables tables;
    for (int i = 0; i < 26; ++i)
        tables.Add(4 + i, kLetters[i]);
    for (int i = 0; i < 10; ++i)
        tables.Add(30 + i, KEY_1 + i); // 1-9 then 0 in both schemes
    for (const auto& [usage, evdev] : kListedUsages)
        tables.Add(usage, evdev);
    return tables;
}

constexpr EvdevTables kEvdevTables = BuildEvdevTables();

// SDL's media and browser scancodes and the volume usages, as media virtual keys.
constexpr std::pair<int, int> kMediaScancodes[] = {
    { SDL_SCANCODE_MUTE, 173 }, { SDL_SCANCODE_VOLUMEUP, 175 }, { SDL_SCANCODE_VOLUMEDOWN, 174 },
    { SDL_SCANCODE_AUDIONEXT, 176 }, { SDL_SCANCODE_AUDIOPREV, 177 }, { SDL_SCANCODE_AUDIOSTOP, 178 },
    { SDL_SCANCODE_AUDIOPLAY, 179 }, { SDL_SCANCODE_AUDIOMUTE, 173 }, { SDL_SCANCODE_MEDIASELECT, 181 },
    { SDL_SCANCODE_WWW, 172 }, { SDL_SCANCODE_MAIL, 180 }, { SDL_SCANCODE_CALCULATOR, 183 },
    { SDL_SCANCODE_COMPUTER, 182 }, { SDL_SCANCODE_AC_SEARCH, 170 }, { SDL_SCANCODE_AC_HOME, 172 },
    { SDL_SCANCODE_AC_BACK, 166 }, { SDL_SCANCODE_AC_FORWARD, 167 }, { SDL_SCANCODE_AC_STOP, 169 },
    { SDL_SCANCODE_AC_REFRESH, 168 }, { SDL_SCANCODE_AC_BOOKMARKS, 171 },
    // The ISO hash key sits where ANSI boards have the backslash.
    { SDL_SCANCODE_NONUSHASH, 220 },
};

// Keyboard-page scancodes end with the right GUI key; the program's function codes that
// follow are not scancodes.
constexpr int kLastKeyboardScancode = SDL_SCANCODE_RGUI;

} // namespace

int HidUsageToEvdev(int usage)
{
    if (usage < 0 || usage > 255)
        return 0;
    return kEvdevTables.evdevOfUsage[usage];
}

int EvdevToHidUsage(int evdevCode)
{
    if (evdevCode < 0 || evdevCode >= kEvdevTableSize)
        return 0;
    return kEvdevTables.usageOfEvdev[evdevCode];
}

int ScancodeToVirtualKey(int scancode)
{
    for (const auto& [code, virtualKey] : kMediaScancodes) {
        if (code == scancode)
            return virtualKey;
    }
    if (scancode < 0 || scancode > kLastKeyboardScancode)
        return 0;
    return KeyCodeToVirtualKey(scancode);
}

} // namespace clavora
