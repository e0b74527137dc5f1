#include "platform/sdl/SdlKeys.h"
#include "lumoui/Messages.h"

#include <unordered_map>

namespace lumo {

namespace {

// Keys whose virtual-key code follows the physical position rather than the layout.
const std::unordered_map<int, UINT>& ScancodeTable()
{
    static const std::unordered_map<int, UINT> table = {
        { SDL_SCANCODE_RETURN, VK_RETURN }, { SDL_SCANCODE_ESCAPE, VK_ESCAPE }, { SDL_SCANCODE_BACKSPACE, VK_BACK },
        { SDL_SCANCODE_TAB, VK_TAB }, { SDL_SCANCODE_SPACE, VK_SPACE }, { SDL_SCANCODE_CAPSLOCK, VK_CAPITAL },
        { SDL_SCANCODE_PRINTSCREEN, VK_SNAPSHOT }, { SDL_SCANCODE_SCROLLLOCK, VK_SCROLL },
        { SDL_SCANCODE_PAUSE, VK_PAUSE }, { SDL_SCANCODE_INSERT, VK_INSERT }, { SDL_SCANCODE_HOME, VK_HOME },
        { SDL_SCANCODE_PAGEUP, VK_PRIOR }, { SDL_SCANCODE_DELETE, VK_DELETE }, { SDL_SCANCODE_END, VK_END },
        { SDL_SCANCODE_PAGEDOWN, VK_NEXT }, { SDL_SCANCODE_RIGHT, VK_RIGHT }, { SDL_SCANCODE_LEFT, VK_LEFT },
        { SDL_SCANCODE_DOWN, VK_DOWN }, { SDL_SCANCODE_UP, VK_UP }, { SDL_SCANCODE_NUMLOCKCLEAR, VK_NUMLOCK },
        { SDL_SCANCODE_KP_DIVIDE, VK_DIVIDE }, { SDL_SCANCODE_KP_MULTIPLY, VK_MULTIPLY },
        { SDL_SCANCODE_KP_MINUS, VK_SUBTRACT }, { SDL_SCANCODE_KP_PLUS, VK_ADD }, { SDL_SCANCODE_KP_ENTER, VK_RETURN },
        { SDL_SCANCODE_KP_PERIOD, VK_DECIMAL }, { SDL_SCANCODE_APPLICATION, VK_APPS },
        { SDL_SCANCODE_LCTRL, VK_CONTROL }, { SDL_SCANCODE_RCTRL, VK_CONTROL }, { SDL_SCANCODE_LSHIFT, VK_SHIFT },
        { SDL_SCANCODE_RSHIFT, VK_SHIFT }, { SDL_SCANCODE_LALT, VK_MENU }, { SDL_SCANCODE_RALT, VK_MENU },
        { SDL_SCANCODE_LGUI, VK_LWIN }, { SDL_SCANCODE_RGUI, VK_RWIN }, { SDL_SCANCODE_MUTE, VK_VOLUME_MUTE },
        { SDL_SCANCODE_AUDIOMUTE, VK_VOLUME_MUTE }, { SDL_SCANCODE_VOLUMEUP, VK_VOLUME_UP },
        { SDL_SCANCODE_VOLUMEDOWN, VK_VOLUME_DOWN }, { SDL_SCANCODE_AUDIONEXT, VK_MEDIA_NEXT_TRACK },
        { SDL_SCANCODE_AUDIOPREV, VK_MEDIA_PREV_TRACK }, { SDL_SCANCODE_AUDIOSTOP, VK_MEDIA_STOP },
        { SDL_SCANCODE_AUDIOPLAY, VK_MEDIA_PLAY_PAUSE }, { SDL_SCANCODE_NONUSBACKSLASH, VK_OEM_102 },
    };
    return table;
}

const std::unordered_map<int, UINT>& KeycodeTable()
{
    static const std::unordered_map<int, UINT> table = {
        { SDLK_SEMICOLON, VK_OEM_1 }, { SDLK_EQUALS, VK_OEM_PLUS }, { SDLK_PLUS, VK_OEM_PLUS },
        { SDLK_COMMA, VK_OEM_COMMA }, { SDLK_MINUS, VK_OEM_MINUS }, { SDLK_PERIOD, VK_OEM_PERIOD },
        { SDLK_SLASH, VK_OEM_2 }, { SDLK_BACKQUOTE, VK_OEM_3 }, { SDLK_LEFTBRACKET, VK_OEM_4 },
        { SDLK_BACKSLASH, VK_OEM_5 }, { SDLK_RIGHTBRACKET, VK_OEM_6 }, { SDLK_QUOTE, VK_OEM_7 },
    };
    return table;
}

} // namespace

UINT SdlKeyToVk(SDL_Keycode key, SDL_Scancode scancode)
{
    auto sc = ScancodeTable().find(scancode);
    if (sc != ScancodeTable().end()) {
        return sc->second;
    }
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) {
        return VK_F1 + (scancode - SDL_SCANCODE_F1);
    }
    if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24) {
        return VK_F1 + 12 + (scancode - SDL_SCANCODE_F13);
    }
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9) {
        return VK_NUMPAD0 + 1 + (scancode - SDL_SCANCODE_KP_1);
    }
    if (scancode == SDL_SCANCODE_KP_0) {
        return VK_NUMPAD0;
    }
    // Letters, digits and punctuation follow the keyboard layout, as their key codes do.
    if (key >= SDLK_a && key <= SDLK_z) {
        return 'A' + (key - SDLK_a);
    }
    if (key >= SDLK_0 && key <= SDLK_9) {
        return '0' + (key - SDLK_0);
    }
    auto kc = KeycodeTable().find(key);
    if (kc != KeycodeTable().end()) {
        return kc->second;
    }
    // Layouts whose letters are not Latin: fall back to the key's position.
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
        return 'A' + (scancode - SDL_SCANCODE_A);
    }
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
        return '1' + (scancode - SDL_SCANCODE_1);
    }
    if (scancode == SDL_SCANCODE_0) {
        return '0';
    }
    return 0;
}

} // namespace lumo
