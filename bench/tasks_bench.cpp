// What the device worker's cycle costs the CPU, with a clock that does not sleep: an idle cycle
// (nothing queued, the light page not shown), which runs 62.5 times a second for the whole
// life of the program, and a streaming cycle (104 painted keys sent as one frame).

#include "device/DevicePresence.h"
#include "device/DeviceTaskHost.h"
#include "device/DeviceWorker.h"
#include "device/KeyboardHid.h"
#include "device/KeyboardHidPresence.h"
#include "device/MacroPlayQueue.h"
#include "device/MacroPlayer.h"
#include "device/TaskCodes.h"
#include "device/TaskQueue.h"
#include "device/VHidev.h"
#include "device/emulator/EmulatedConnection.h"
#include "device/emulator/Emulator.h"
#include "device/emulator/EmulatorBackend.h"
#include "device/emulator/VirtualHidRecorder.h"
#include "store/DataStore.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace clavora;

constexpr int kKeys = 104;
constexpr int kReportType = 101;

class NoPauses final : public DeviceClock {
public:
    void Pause(int) override { }
};

// A window on the light page with every call doing nothing.
class QuietHost final : public IDeviceTaskHost {
public:
    DeviceTaskContext GetTaskContext() override { return context; }
    bool IsMainWindowVisible() override { return true; }
    int GetCurrentPage() override { return page; }
    void EnableMainWindow(bool) override { }
    void CloseWaitBox() override { }
    void ApplyPresencePage(PresencePage, int) override { }
    void ReloadMacroPage() override { }
    void ReloadProfileList() override { }
    void ArmKeyFilter() override { }
    void ReloadLightPage() override { }
    void StartAudioCapture() override { }
    void ResetAllState() override { }
    void SetDeviceState(int, int) override { }

    DeviceTaskContext context;
    int page = 1;
};

class SteadyColours final : public IStreamingSource {
public:
    bool IsEffectActive() override { return true; }
    std::vector<protocol::KeyColour> PaintFrame() override { return colours; }
    std::vector<protocol::KeyColour> colours;
};

DeviceEntry WiredEntry()
{
    DeviceEntry entry;
    entry.name = "Bench Keyboard";
    entry.device_type = kReportType;
    entry.vid = 0xC1A0;
    entry.pid = 0x0101;
    entry.hid_interface = "VID_C1A0&PID_0101&MI_02";
    return entry;
}

// A worker connected to a wired report-protocol stand-in.
struct Rig {
    Rig()
        : hid(std::make_unique<EmulatorBackend>(emulator), clock)
        , presence({ WiredEntry() }, [this](int code) { tasks.Append(code); })
        , device(std::make_unique<VirtualHidRecorder>([](int, std::span<const uint8_t>) { }))
    {
        const DeviceEntry entry = WiredEntry();
        const SupportedMode mode { 0xC1A0, 0x0101, entry.name, kReportType, 0, entry.hid_interface, "Bench" };
        hid.AddSupportedMode(mode.vid, mode.pid, mode.product_name, mode.device_type, mode.mode, mode.hid_interface);
        emulator->AddConnection(EmulatedConnection::FromMode(mode));
        emulator->Attach(0);
        tasks.Append(task::kRescanArrival);
        worker.RunCycle();
        // Skip the firmware check and the profile task the connection check queued.
        while (!tasks.IsEmpty())
            tasks.RemoveFirst();
        hid.SetWantedDeviceType(0);
        host.context.deviceType = kReportType;
        for (int key = 0; key < kKeys; ++key) {
            host.context.lightIndexMap[key + 4] = key;
            source.colours.push_back({ key + 4, 0x00FF00u + static_cast<uint32_t>(key) });
        }
        worker.SetStreamingSource(&source);
    }

    std::shared_ptr<Emulator> emulator = std::make_shared<Emulator>();
    NoPauses clock;
    KeyboardHid hid;
    TaskQueue tasks;
    MacroPlayQueue macros;
    DevicePresence presence;
    KeyboardHidPresence presenceHid { hid };
    QuietHost host;
    VHidev device;
    MacroPlayer player { device, DataStore::GetInstance(), clock };
    DeviceWorker worker { { tasks, macros, hid, DataStore::GetInstance(), presence, presenceHid, host, player } };
    SteadyColours source;
};

void BM_IdleCycle(benchmark::State& state)
{
    Rig rig;
    for (auto _ : state)
        rig.worker.RunCycle();
}
BENCHMARK(BM_IdleCycle);

void BM_StreamingCycle(benchmark::State& state)
{
    Rig rig;
    rig.host.page = DeviceWorker::kLightPage;
    for (auto _ : state) {
        rig.worker.RunCycle();
        state.PauseTiming();
        rig.emulator->Clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StreamingCycle);

} // namespace
