#pragma once

// IDeviceTaskHost - everything the device worker reads of the main window and does to it.
//
//   State      GetTaskContext, IsMainWindowVisible, GetCurrentPage
//   Window     EnableMainWindow, CloseWaitBox, ApplyPresencePage
//   Pages      ReloadMacroPage, ReloadProfileList, ArmKeyFilter, ReloadLightPage
//   Other      StartAudioCapture; the device control's states (IDeviceStateView)
//
// Every call comes from the worker thread. The window may hand the actions over to its own
// thread (posted messages); it must then keep their order, because the worker relies on it:
// ArmKeyFilter follows ReloadProfileList and arms with the profile that reload made current,
// EnableMainWindow(true) follows CloseWaitBox.

#include "description/KeyboardModel.h"
#include "device/DevicePresence.h"
#include "device/protocol/ProtocolTypes.h"

namespace clavora {

// The window controller's state one task reads, taken when the task starts.
struct DeviceTaskContext {
    int deviceType = 0;                 // of the selected keyboard model
    int menuFlags = kMenuFlagsDefault;  // the model's pages
    int profile = 1;                    // current profile and layer
    int layer = 0;
    int lightProfile = 1;               // light settings are shared by all profiles
    int lightMode = 0;                  // the light page's current mode number
    int lightOption = 0;                // index chosen in the light page's option list
    protocol::KeyIndexMap keyIndexMap;  // key code -> position in the key table
    protocol::KeyIndexMap lightIndexMap; // key code -> LED index in the colour tables
};

class IDeviceTaskHost : public IDeviceStateView {
public:
    // --- State; answered on the worker thread from state that is safe to read there ---
    virtual DeviceTaskContext GetTaskContext() = 0;
    virtual bool IsMainWindowVisible() = 0;
    // Position of the selected tab item: 0 home ... 3 light page, 4 settings.
    virtual int GetCurrentPage() = 0;

    // --- Window ---
    virtual void EnableMainWindow(bool enable) = 0;
    // Closes the wait box when one is open.
    virtual void CloseWaitBox() = 0;
    // The page state after a connection check; `connectionMode` as it found it (-1 none).
    virtual void ApplyPresencePage(PresencePage page, int connectionMode) = 0;

    // --- Pages ---
    virtual void ReloadMacroPage() = 0;
    // The profile list and the current profile's key page; makes a profile current.
    virtual void ReloadProfileList() = 0;
    // Re-arms the key filter with the current profile and layer.
    virtual void ArmKeyFilter() = 0;
    // The light page and its option lists.
    virtual void ReloadLightPage() = 0;

    // --- Other ---
    // Starts the visualizer's audio capture (first connection only).
    virtual void StartAudioCapture() = 0;
};

} // namespace clavora
