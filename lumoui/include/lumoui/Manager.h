#pragma once

// Process-wide toolkit values and the plain message loop. The values are set on the main
// thread before the first window exists and only read afterwards, so they carry no lock.

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

    // The folder the toolkit reads its files from (skins/, font/): the executable's folder
    // with a trailing '/', unless a test pointed it elsewhere (an empty path restores it).
    static std::string GetAppFolder();
    static void SetAppFolder(const std::string& folder);
    // GetAppFolder() + "skins/" + GetTheme().
    static std::string GetSkinFolder();

    // Starts the window system on the calling thread (the main thread: windows, input and the
    // message loop belong to the thread that started it). Any first toolkit call does the same;
    // calling this early from main makes the choice explicit. Always succeeds.
    static bool InitGdiplus();
    static void UnInitGdiplus();

    // Runs the calling thread's message loop until WM_QUIT; returns its exit code. Every
    // message retrieved while Alt and F4 are both held is dropped.
    static int MessageLoop();

    // True while both Alt and F4 are held, so such input never closes a toolkit window.
    // The window system reports the key state through SetAltF4Down.
    static bool PreTranslateMessage();
    static void SetAltF4Down(bool down);
};

} // namespace lumo
