// The key filter's added time per key event: a physical key going in through the stand-in
// keyboard, a virtual report coming out of the stand-in virtual device.
//   PassThrough   an unassigned key, decided and written on the key source's thread
//   WatchedKey    an assigned key, handed to the monitor thread and the key handler

#include "device/HidUsbFilter.h"
#include "device/KeyFilter.h"
#include "device/KeyHandler.h"
#include "device/MacroPlayQueue.h"
#include "device/VHidev.h"
#include "device/emulator/KeySourceStandIn.h"
#include "device/emulator/VirtualHidRecorder.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>

namespace clavora {
namespace {

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;
constexpr int kKeyC = 6;

struct Rig {
    Rig()
        : device(std::make_unique<VirtualHidRecorder>(
              [this](int, std::span<const std::uint8_t>) { reports.fetch_add(1, std::memory_order_release); }))
        , filter(device, keys)
        , handler(device, macros)
    {
        device.FindVirtualDevice();
        filter.Channel().Open();
        filter.Monitor().AddProxy(&proxy);
        KeyAssignment assignment;
        assignment.key_code = kKeyA;
        assignment.macro_type = kKeyFunctionKey;
        assignment.macro_value = kKeyB;
        filter.ArmKeyFilter(handler, {assignment});
    }

    // Feeds one key event and waits for the report it causes.
    void Feed(std::uint32_t usage, bool pressed)
    {
        const std::uint64_t before = reports.load(std::memory_order_acquire);
        pressed ? keys->Press(usage) : keys->Release(usage);
        while (reports.load(std::memory_order_acquire) == before)
            std::this_thread::yield();
    }

    std::atomic<std::uint64_t> reports{0};
    VHidev device;
    std::shared_ptr<KeySourceStandIn> keys = std::make_shared<KeySourceStandIn>();
    KeyFilter filter;
    MacroPlayQueue macros;
    KeyHandler handler;
    HidUsbFilter::MonitorProxy<KeyHandler> proxy{&handler, &KeyHandler::OnFilterKey};
};

// Alternating presses and releases of one key, each waited for until its report is out.
void BM_KeyEvent(benchmark::State& state, int key)
{
    Rig rig;
    bool pressed = true;
    for (auto _ : state) {
        rig.Feed(static_cast<std::uint32_t>(key), pressed);
        pressed = !pressed;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_KeyEvent, PassThrough, kKeyC)->UseRealTime();
BENCHMARK_CAPTURE(BM_KeyEvent, WatchedKey, kKeyA)->UseRealTime();

} // namespace
} // namespace clavora
