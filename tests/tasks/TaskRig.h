#pragma once

// The device worker over the stand-in keyboard: a feature-protocol model with its three
// connections and a wired report-protocol model, a store in a temporary data folder, the
// virtual device recording into the stand-in, and a window that records what it is told.

#include "device/DevicePresence.h"
#include "device/DeviceTaskHost.h"
#include "device/DeviceWorker.h"
#include "device/KeyboardHid.h"
#include "device/KeyboardHidPresence.h"
#include "device/MacroPlayQueue.h"
#include "device/MacroPlayer.h"
#include "device/TaskQueue.h"
#include "device/VHidev.h"
#include "device/emulator/Emulator.h"
#include "device/emulator/VirtualHidRecorder.h"
#include "store/DataStore.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace clavora::test {

inline constexpr int kFeatureType = 201;
inline constexpr int kReportType = 101;
inline constexpr int kReportMode = 3; // the stand-in's connection slot of the report model
// The feature model's connections.
inline constexpr int kWired = 0;
inline constexpr int kReceiver = 1;
inline constexpr int kLink = 2;
inline constexpr int kVkA = 0x41;

// Pauses are recorded instead of slept; the time moves on by each pause and deadline.
class TestClock final : public DeviceClock {
public:
    void Pause(int ms) override;
    TimePoint Now() override;
    void PauseUntil(TimePoint deadline) override;

    // The pauses so far; forgets them.
    std::vector<int> Take();
    // Runs before each pause is recorded, with its length.
    void OnPause(std::function<void(int)> hook);
    void Advance(std::chrono::milliseconds by);
    std::vector<TimePoint> Deadlines() const;

private:
    mutable std::mutex m_lock;
    std::vector<int> m_pauses;
    std::vector<TimePoint> m_deadlines;
    TimePoint m_now {};
    std::function<void(int)> m_hook;
};

class RecordingHost final : public IDeviceTaskHost {
public:
    DeviceTaskContext GetTaskContext() override;
    bool IsMainWindowVisible() override;
    int GetCurrentPage() override;
    void EnableMainWindow(bool enable) override;
    void CloseWaitBox() override;
    void ApplyPresencePage(PresencePage page, int connectionMode) override;
    void ReloadMacroPage() override;
    void ReloadProfileList() override;
    void ArmKeyFilter() override;
    void ReloadLightPage() override;
    void StartAudioCapture() override;
    void ResetAllState() override;
    void SetDeviceState(int deviceType, int state) override;

    // The calls so far ("Enable 0", "CloseWaitBox", "Presence 2 0", ...); forgets them.
    std::vector<std::string> Take();
    void SetContext(const DeviceTaskContext& context);
    void SetPage(bool visible, int page);

private:
    void Record(std::string call);

    mutable std::mutex m_lock;
    std::vector<std::string> m_calls;
    DeviceTaskContext m_context;
    bool m_visible = true;
    int m_page = 1;
};

// "07 fa 01" -> { 0x07, 0xFA, 0x01 }.
std::vector<uint8_t> Hex(const std::string& text);

// The first `count` bytes (all when fewer) as "07 fa 01".
std::string HexOf(const std::vector<uint8_t>& bytes, size_t count);

template<typename Container>
std::vector<uint8_t> AsVector(const Container& bytes)
{
    return { std::begin(bytes), std::end(bytes) };
}

// Key code -> position: codes 4 (A) to 60 at positions 0 to 56.
protocol::KeyIndexMap TestKeyIndex();

KeyAssignment Assign(int keyCode, int type, int value);

struct MacroStepSpec {
    int type;
    int virtualKey;
    int delay;
};

class TaskRig {
public:
    TaskRig();
    ~TaskRig();

    // Attaches connections and runs the rescan task until the queue is empty.
    void Connect(std::initializer_list<int> modes);
    void Disconnect(int mode);
    // The tasks queued by the connection check (13, 5) are run too.
    void RunUntilEmpty(int maxCycles = 50);
    // Selects the model the tasks write for.
    void UseModel(int deviceType, int menuFlags = 0x07);

    void Save(const std::vector<KeyAssignment>& assignments);
    int AddMacro(const std::string& name, int playTimes, const std::vector<MacroStepSpec>& steps);
    void ClearReports();

private:
    std::unique_ptr<VirtualHidRecorder> MakeRecorder();

public:

    TempDir dir;
    ScopedEnv dataHome { "XDG_DATA_HOME", dir.Path().string() };
    std::shared_ptr<Emulator> emulator = std::make_shared<Emulator>();
    TestClock clock;
    KeyboardHid hid;
    TaskQueue tasks;
    MacroPlayQueue macros;
    DevicePresence presence;
    KeyboardHidPresence presenceHid { hid };
    RecordingHost host;
    VirtualHidRecorder* recorder = nullptr; // owned by the device
    VHidev device;
    DataStore& store = DataStore::GetInstance();
    MacroPlayer player { device, store, clock };
    DeviceWorker worker;
};

} // namespace clavora::test
