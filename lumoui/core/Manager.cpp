#include "lumoui/Manager.h"
#include "lumoui/WindowApi.h"

#include <atomic>
#include <climits>
#include <unistd.h>

namespace lumo {

namespace {
void* g_instance = nullptr;
std::string g_deviceName = "Clavora";
std::string g_fontName = "Arial";
int g_fontSize = 14;
std::string g_appFolder;
std::atomic<bool> g_altF4Down { false };
constexpr ARGB kSelectColor = 0xFF285055;

std::string ExecutableFolder()
{
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof(buf) - 1);
    if (n <= 0) {
        return "./";
    }
    std::string path(buf, static_cast<size_t>(n));
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}
} // namespace

void Manager::SetInstance(void* instance) { g_instance = instance; }
void* Manager::GetInstance() { return g_instance; }

void Manager::SetDeviceName(const std::string& name) { g_deviceName = name; }
std::string Manager::GetDeviceName() { return g_deviceName; }

void Manager::SetFontName(const std::string& name) { g_fontName = name; }
void Manager::SetFont(const std::string& name, int size)
{
    g_fontName = name;
    g_fontSize = size;
}
std::string Manager::GetFontName() { return g_fontName; }
int Manager::GetFontWidth() { return g_fontSize; }

ARGB Manager::GetSelectColor() { return kSelectColor; }
std::string Manager::GetTheme() { return "theme1/"; }

std::string Manager::GetAppFolder()
{
    if (!g_appFolder.empty()) {
        return g_appFolder;
    }
    static const std::string exe = ExecutableFolder();
    return exe;
}

void Manager::SetAppFolder(const std::string& folder)
{
    g_appFolder = folder;
    if (!g_appFolder.empty() && g_appFolder.back() != '/') {
        g_appFolder += '/';
    }
}

std::string Manager::GetSkinFolder() { return GetAppFolder() + "skins/" + GetTheme(); }

bool Manager::InitGdiplus()
{
    // Starts the window system on this thread, which makes it the thread of the windows.
    GetTickCount64();
    return true;
}
void Manager::UnInitGdiplus() { }

int Manager::MessageLoop()
{
    MSG msg;
    while (GetMessageW(&msg)) {
        if (PreTranslateMessage()) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

bool Manager::PreTranslateMessage() { return g_altF4Down.load(); }
void Manager::SetAltF4Down(bool down) { g_altF4Down.store(down); }

} // namespace lumo
