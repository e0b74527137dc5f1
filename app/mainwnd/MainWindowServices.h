#pragma once

// MainWindowServices - what the main window takes from the system: the keyboard's HID layer,
// the store, the virtual device and the key filter's key source, the tray, the desktop's web
// opener, hot-plug reports and the end of the process. The program runs on SystemServices;
// tests hand in their own, so a window can run against the stand-in keyboard and an ending
// process becomes a recorded call.

#include "device/HidBackend.h"
#include "device/IKeySource.h"
#include "platform/TrayEvent.h"

#include <memory>
#include <string>
#include <vector>

namespace clavora {

class DataStore;
class DeviceClock;
class KeyboardHid;
class TrayIcon;
class VHidev;

class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;

    virtual KeyboardHid& Hid() = 0;
    virtual DataStore& Store() = 0;
    virtual VHidev& VirtualDevice() = 0;
    virtual DeviceClock& Clock() = 0;

    // Brings the virtual device up, installing what it needs when it is missing; `keyboards`
    // are the configured models the installation covers. True when it is usable.
    virtual bool StartVirtualDevice(const std::vector<KeyboardId>& keyboards) = 0;
    virtual std::shared_ptr<IKeySource> CreateKeySource() = 0;

    // Null when the program shows no tray icon.
    virtual std::unique_ptr<TrayIcon> CreateTrayIcon(TrayEventHandler handler) = 0;

    // Starts reporting HID arrivals and removals to the callback (on another thread); false
    // when nothing can report them.
    virtual bool StartHotplug(HotplugCallback callback) = 0;
    virtual void StopHotplug() = 0;

    virtual bool OpenUrl(const std::string& url) = 0;

    // Whether the window starts the device worker's thread. Tests that step the worker
    // themselves (KeyboardDlg::RunWorkerCycle) say no.
    virtual bool RunsDeviceWorker() { return true; }

    // Ends the process at once with the exit code. Does not return in the program; callers
    // still leave everything in order for replacements that do.
    virtual void EndProcess(int code) = 0;
};

} // namespace clavora
