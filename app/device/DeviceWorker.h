#pragma once

// DeviceWorker - the device worker's cycle: all configuration traffic with the keyboard runs
// here, one queued task per cycle, then one queued macro. The main window owns it and calls
// RunCycle from its worker thread every 16 ms.
//
//   Cycle      RunCycle: the first task code (1, 2, 3 and 12 need no keyboard; the others are
//              dropped when none is connected and otherwise run with the main window
//              disabled), or a colour streaming step when the queue is empty; then a macro
//   Producers  QueueTask (window thread, and the worker itself through presence), the macro
//              play queue (key handler)
//   State      the light-mode-applied flag the light page clears, the key-to-slot map of the
//              last macro upload, the once-per-run flags of task 1 and streaming
//   Hooks      the update service's tasks and the light page's live effects
//
// Wiring: the window owns both queues (the key handler appends to the macro play queue), a
// DevicePresence over the config.xml mode list whose queue callback appends to the task
// queue, a KeyboardHidPresence, a MacroPlayer over the virtual device, and this worker; its
// CThreadBasic::Run calls RunCycle([this] { return IsRunning(); }), so a stop ends a playing
// macro early.

#include "device/DeviceTaskHooks.h"
#include "device/LightTasks.h"
#include "device/protocol/KeyTables.h"

#include <atomic>
#include <functional>

namespace clavora {

class DataStore;
class DevicePresence;
class IDeviceTaskHost;
class IPresenceHid;
class KeyboardHid;
class MacroPlayQueue;
class MacroPlayer;
class TaskQueue;
struct DeviceTaskContext;

// What the worker works with; all must outlive it.
struct DeviceWorkerParts {
    TaskQueue& tasks;
    MacroPlayQueue& macros;
    KeyboardHid& hid;
    DataStore& store;
    DevicePresence& presence;
    IPresenceHid& presenceHid;
    IDeviceTaskHost& host;
    MacroPlayer& player;
};

class DeviceWorker {
public:
    // Asked during long work (macro playback); false when the worker thread is being stopped.
    using KeepRunning = std::function<bool()>;

    static constexpr int kWaitBoxSettleMs = 100; // after tasks that showed the wait box
    static constexpr int kLightPage = 3;

    explicit DeviceWorker(const DeviceWorkerParts& parts);
    DeviceWorker(const DeviceWorker&) = delete;
    DeviceWorker& operator=(const DeviceWorker&) = delete;

    // Appends a task code; any thread.
    void QueueTask(int code);

    // One cycle of the worker thread.
    void RunCycle(const KeepRunning& keepRunning = {});

    // The light page clears the flag before it queues the light task for a new mode, so the
    // next light write selects the mode. Starts set. Any thread.
    void SetLightModeApplied(bool applied) { m_lightModeApplied.store(applied); }
    bool IsLightModeApplied() const { return m_lightModeApplied.load(); }

    // Installed before the worker thread starts; null puts the default back.
    void SetUpdateHooks(UpdateTaskHooks* hooks);
    void SetStreamingSource(IStreamingSource* source);

    // Key code -> macro slot, as the last report-protocol key write gave them. Worker thread.
    const protocol::KeySlotMap& GetKeySlots() const { return m_keySlots; }

private:
    // False when the cycle ends with the task (it was dropped).
    bool RunTask(int code);
    // Codes 1, 2, 3 and 12; false for any other code.
    bool RunTaskWithoutKeyboard(int code);
    void RunKeyboardTask(int code);
    void RescanAndCheck();
    void ApplyProfile(const DeviceTaskContext& context);
    void FactoryReset(const DeviceTaskContext& context);
    void StreamingStep();
    bool KeyboardConnected() const;

    TaskQueue& m_tasks;
    MacroPlayQueue& m_macros;
    KeyboardHid& m_hid;
    DataStore& m_store;
    DevicePresence& m_presence;
    IPresenceHid& m_presenceHid;
    IDeviceTaskHost& m_host;
    MacroPlayer& m_player;

    UpdateTaskHooks m_noUpdates;
    std::atomic<UpdateTaskHooks*> m_updates;
    std::atomic<IStreamingSource*> m_streaming { nullptr };

    std::atomic<bool> m_lightModeApplied { true };
    // Worker thread only.
    bool m_firstConnectionDone = false;
    protocol::KeySlotMap m_keySlots;
    ColourStreamer m_streamer;
};

} // namespace clavora
