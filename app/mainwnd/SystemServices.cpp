#include "mainwnd/SystemServices.h"

#include "device/DeviceClock.h"
#include "device/InputBackends.h"
#include "device/KeyboardHid.h"
#include "device/VHidev.h"
#include "device/VirtualDeviceStartup.h"
#include "platform/DriverInstaller.h"
#include "platform/ExitRelease.h"
#include "platform/Launcher.h"
#include "platform/Paths.h"
#include "platform/TrayIcon.h"
#include "store/DataStore.h"

#include <cstdio>
#include <unistd.h>

namespace clavora {

KeyboardHid& SystemServices::Hid()
{
    return KeyboardHid::GetInstance();
}

DataStore& SystemServices::Store()
{
    return DataStore::GetInstance();
}

VHidev& SystemServices::VirtualDevice()
{
    return VHidev::Get();
}

DeviceClock& SystemServices::Clock()
{
    return DeviceClock::System();
}

bool SystemServices::StartVirtualDevice(const std::vector<KeyboardId>& keyboards)
{
    const bool found = clavora::StartVirtualDevice(VHidev::Get(),
        [&keyboards] { return InstallVirtualDevice(GetAppFolder() + "driver", keyboards); });
    if (found)
        ExitRelease::InstallSignalHandlers();
    return found;
}

std::shared_ptr<IKeySource> SystemServices::CreateKeySource()
{
    return clavora::CreateKeySource(KeyboardHid::GetInstance().StandIn());
}

std::unique_ptr<TrayIcon> SystemServices::CreateTrayIcon(TrayEventHandler handler)
{
    return std::make_unique<TrayIcon>(std::move(handler));
}

bool SystemServices::StartHotplug(HotplugCallback callback)
{
    return m_hotplug.Start(KeyboardHid::GetInstance(), std::move(callback));
}

void SystemServices::StopHotplug()
{
    m_hotplug.Stop();
}

bool SystemServices::OpenUrl(const std::string& url)
{
    return Launcher::OpenUrl(url);
}

void SystemServices::EndProcess(int code)
{
    // No teardown: the store's file and every device handle are closed by the process end.
    std::fflush(nullptr);
    _exit(code);
}

} // namespace clavora
