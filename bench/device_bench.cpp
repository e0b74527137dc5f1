// Cost of building and sending keyboard traffic to the stand-in keyboard, with a clock that does
// not sleep so only the CPU work counts: one streaming frame (six chunks on the lighting
// interface) and a full feature-protocol key write of 23 slots.

#include "device/CommandSender.h"
#include "device/KeyboardHid.h"
#include "device/emulator/EmulatedConnection.h"
#include "device/emulator/Emulator.h"
#include "device/emulator/EmulatorBackend.h"
#include "device/protocol/FeatureCommands.h"
#include "device/protocol/KeyTables.h"
#include "device/protocol/ReportCommands.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace clavora;

class NoPauses final : public DeviceClock {
public:
    void Pause(int) override { }
};

constexpr uint16_t kVendor = 0xC1A0;
constexpr int kKeys = 104;

// A KeyboardHid talking to a wired stand-in of the given family.
struct Rig {
    explicit Rig(int device_type)
        : emulator(std::make_shared<Emulator>())
        , hid(std::make_unique<EmulatorBackend>(emulator), clock)
    {
        const SupportedMode mode { kVendor, 0x0201, "Bench Keyboard", device_type, 0, "MI_02", "Bench" };
        hid.AddSupportedMode(mode.vid, mode.pid, mode.product_name, mode.device_type, mode.mode, mode.hid_interface);
        emulator->AddConnection(EmulatedConnection::FromMode(mode));
        emulator->Attach(0);
        hid.Scan();
        hid.SetWantedDeviceType(device_type);
    }

    NoPauses clock;
    std::shared_ptr<Emulator> emulator;
    KeyboardHid hid;
};

void BM_StreamFrame(benchmark::State& state)
{
    Rig rig(100);
    CommandSender sender(rig.hid);
    rig.hid.WriteReport(protocol::StartStreaming());
    protocol::KeyIndexMap keyIndex;
    std::vector<protocol::KeyColour> colours;
    for (int key = 0; key < kKeys; ++key) {
        keyIndex[key + 4] = key;
        colours.push_back({ key + 4, 0 });
    }
    uint32_t shade = 0;
    for (auto _ : state) {
        for (protocol::KeyColour& colour : colours)
            colour.colour = ++shade & 0xFFFFFF;
        const bool sent = sender.Send(protocol::StreamFrame(protocol::BuildStreamTable(keyIndex, colours)));
        benchmark::DoNotOptimize(sent);
    }
    state.counters["chunks"] = benchmark::Counter(6.0 * state.iterations(), benchmark::Counter::kIsRate);
    if (rig.emulator->State().streaming.frames != static_cast<int>(state.iterations()))
        state.SkipWithError("the stand-in did not see every frame");
}
BENCHMARK(BM_StreamFrame);

// Query the slot table, then 13 macro slots (a 20-event macro each, 28 frames apiece) and 10
// remap slots, with the pause before each slot command as the worker takes it.
void BM_FeatureKeyWrite23Slots(benchmark::State& state)
{
    Rig rig(201);
    CommandSender sender(rig.hid);
    protocol::MacroData macro;
    macro.play_times = 1;
    for (int i = 0; i < 20; ++i)
        macro.steps.push_back({ i % 2 ? protocol::kEventKeyUp : protocol::kEventKeyDown, 0x04 + i / 2, 30 });
    constexpr int kFrames = 1 + protocol::kMacroSlots * 28 + protocol::kRemapSlots;
    for (auto _ : state) {
        protocol::SlotTableBytes bytes {};
        rig.hid.QuerySlotTable(protocol::QuerySlotTable(), bytes);
        const protocol::SlotTable held = protocol::ParseSlotTable(bytes);
        benchmark::DoNotOptimize(held);
        for (int slot = 1; slot <= protocol::kMacroSlots; ++slot) {
            rig.hid.Pause(16);
            sender.Send(protocol::UploadSlotMacro(0x20 + slot, slot, protocol::kAssignMacro, slot, &macro));
        }
        for (int slot = 1; slot <= protocol::kRemapSlots; ++slot) {
            rig.hid.Pause(16);
            rig.hid.SendFeature(protocol::SetRemapSlot(slot, 0x40 + slot, 0x04));
        }
        rig.emulator->Clear(); // keep the report log from growing across iterations
    }
    state.counters["frames"] = kFrames;
    state.counters["per_frame"] = benchmark::Counter(static_cast<double>(kFrames) * state.iterations(),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    if (!rig.emulator->State().rejected.empty() || rig.emulator->State().macro_slots[12].events.size() != 20)
        state.SkipWithError("the stand-in did not decode the write");
}
BENCHMARK(BM_FeatureKeyWrite23Slots);

} // namespace
