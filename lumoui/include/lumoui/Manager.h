#pragma once

// Process-wide toolkit values. Set on the main thread before the first window exists and
// only read afterwards, so they carry no lock.

#include "lumoui/Types.h"

#include <string>

namespace lumo {

class Manager {
public:
    Manager() = delete;

    static void SetInstance(void* instance);
    static void* GetInstance();

    static void SetDeviceName(const std::string& name);
    // Defaults to "Clavora" until the application sets another name.
    static std::string GetDeviceName();

    static void SetFontName(const std::string& name);
    static void SetFont(const std::string& name, int size);
    static std::string GetFontName();
    static int GetFontWidth();

    static ARGB GetSelectColor();
    // The skin folder below "skins/"; always "theme1/".
    static std::string GetTheme();

    // True while both Alt and F4 are held, so such input never closes a toolkit window.
    // The window backend reports the key state through SetAltF4Down.
    static bool PreTranslateMessage();
    static void SetAltF4Down(bool down);
};

} // namespace lumo
