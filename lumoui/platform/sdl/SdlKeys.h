#pragma once

// SDL key codes to the virtual-key codes of key messages.

#include "lumoui/Types.h"

#include <SDL.h>

namespace lumo {

// 0 when the key has no virtual-key code.
UINT SdlKeyToVk(SDL_Keycode key, SDL_Scancode scancode);

} // namespace lumo
