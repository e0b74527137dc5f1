#include "startup/Startup.h"

#include "lumoui/Manager.h"
#include "mainwnd/KeyboardDlg.h"
#include "mainwnd/SystemServices.h"
#include "mainwnd/UiProbe.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "platform/SingleInstance.h"
#include "profiles/XmlDocument.h"

namespace clavora {

namespace {

// Longer names would not fit the file names built from them.
constexpr size_t kMaxDeviceNameBytes = 200;

// Runs the main window until its modal run ends through the toolkit. The program's own exits
// (close button, tray menu, quit message) end the process inside it.
int RunMainWindow(SingleInstance& instance)
{
    SystemServices services;
    KeyboardDlg dialog(services, &instance);
    // Whole-program tests read the windows through this; it stays off unless asked for.
    UiProbe probe(dialog);
    probe.StartFromEnvironment();
    dialog.DoModal();
    // Every thread stops before the window's object goes, while what they use still exists.
    dialog.Shutdown();
    return 1;
}

} // namespace

std::string ReadDeviceName(const std::string& configPath)
{
    XmlDocument config;
    if (!config.Load(configPath) || !config.FindElem("config") || !config.IntoElem()
        || !config.FindElem("software"))
        return {};
    std::string name = config.GetAttrib("name");
    return IsUsableDeviceName(name) ? name : std::string();
}

bool IsUsableDeviceName(const std::string& name)
{
    if (name.empty() || name.size() > kMaxDeviceNameBytes || name == "." || name == "..")
        return false;
    for (char c : name) {
        if (c == '/' || static_cast<unsigned char>(c) < 0x20)
            return false;
    }
    return true;
}

int RunApplication(int, char**)
{
    // The device name first: the lock, the settings file and the data folder carry it.
    if (const std::string name = ReadDeviceName(GetAppFolder() + "config.xml"); !name.empty())
        lumo::Manager::SetDeviceName(name);

    // A second start hands over to the first and ends quietly.
    SingleInstance instance(lumo::Manager::GetDeviceName());
    if (instance.Acquire() == SingleInstance::Role::Secondary)
        return 0;

    // First run: remember the user's language once. The current language stays 1033.
    if (ReadLanguageSetting() == 0)
        WriteLanguageSetting(LanguageFromLocale());

    // The store puts its files here; a failure shows when the store opens.
    CreateFolderTree(GetDataFolder() + "db");

    return RunMainWindow(instance);
}

} // namespace clavora
