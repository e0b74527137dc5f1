#include "lumoui/Manager.h"

#include <atomic>

namespace lumo {

namespace {
void* g_instance = nullptr;
std::string g_deviceName = "Clavora";
std::string g_fontName = "Arial";
int g_fontSize = 14;
std::atomic<bool> g_altF4Down { false };
constexpr ARGB kSelectColor = 0xFF285055;
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

bool Manager::PreTranslateMessage() { return g_altF4Down.load(); }
void Manager::SetAltF4Down(bool down) { g_altF4Down.store(down); }

} // namespace lumo
