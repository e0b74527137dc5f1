// Added time of a remapped key: the key page stores the assignment and the key filter is armed
// from the store, as in the program; then a physical key goes in through the stand-in keyboard
// and the time until its virtual report comes out of the stand-in virtual device is measured.
//   PassThrough       an unassigned key (the baseline: the filter only passes it on)
//   RemappedKey       A typing B (keyboard report)
//   RemappedConsumer  A typing volume up (consumer report)
// ChooseAndRearm is what a click in the key chooser costs until the key does its new job:
// the store write and the re-arming from the store.

#include "device/HidUsbFilter.h"
#include "device/KeyFilter.h"
#include "device/KeyHandler.h"
#include "device/MacroPlayQueue.h"
#include "device/VHidev.h"
#include "device/emulator/KeySourceStandIn.h"
#include "device/emulator/VirtualHidRecorder.h"
#include "keys/KeyPageModel.h"
#include "store/DataStore.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace clavora {
namespace {

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;
constexpr int kKeyC = 6;
constexpr int kVolumeUp = 234;
constexpr int kProfile = 1;

// Views that show nothing; the key filter is armed by the benchmark itself.
struct NoViews : IKeyPictureView, IKeyChooserView, IKeyPageHost {
    void SetKeyMark(int, bool) override { }
    void SetKeyTip(int, const std::string&, const std::string&) override { }
    void ClearSelection() override { }
    void ClearMarksAndTips() override { }
    void Redraw() override { }
    void CheckItem(int, int, int) override { }
    int CurrentProfile() const override { return kProfile; }
    void ShowMessage(int, int) override { }
    void ArmKeyFilter() override { }
    bool RunCustomKeyDialog(int, int, int) override { return false; }
};

class Rig {
public:
    Rig()
        : m_device(std::make_unique<VirtualHidRecorder>(
              [this](int, std::span<const std::uint8_t>) { m_reports.fetch_add(1, std::memory_order_release); }))
        , m_filter(m_device, m_keys)
        , m_handler(m_device, m_macros)
    {
        std::string folder = (std::filesystem::temp_directory_path() / "clavora-keys-bench-XXXXXX").string();
        if (!mkdtemp(folder.data()))
            std::abort();
        m_folder = folder;
        setenv("XDG_DATA_HOME", m_folder.c_str(), 1);
        DataStore::GetInstance().OpenForDevice("bench");
        m_device.FindVirtualDevice();
        m_filter.Channel().Open();
        m_filter.Monitor().AddProxy(&m_proxy);
    }
    ~Rig()
    {
        m_filter.Monitor().Stop();
        DataStore::GetInstance().Close();
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }

    // The key page gives A this chooser function; the filter is armed from the store.
    void Assign(int code)
    {
        m_page.SelectKey(kKeyA);
        m_page.Choose({ code, 0, 0, "bench" });
        Arm();
    }
    void Arm() { m_filter.ArmKeyFilter(m_handler, DataStore::GetInstance(), kProfile, 0); }

    // Feeds one key event and waits for the report it causes.
    void Feed(int usage, bool pressed)
    {
        const std::uint64_t before = m_reports.load(std::memory_order_acquire);
        pressed ? m_keys->Press(static_cast<std::uint32_t>(usage)) : m_keys->Release(static_cast<std::uint32_t>(usage));
        while (m_reports.load(std::memory_order_acquire) == before)
            std::this_thread::yield();
    }

    KeyPageModel& Page() { return m_page; }

private:
    std::string m_folder;
    std::atomic<std::uint64_t> m_reports { 0 };
    VHidev m_device;
    std::shared_ptr<KeySourceStandIn> m_keys = std::make_shared<KeySourceStandIn>();
    KeyFilter m_filter;
    MacroPlayQueue m_macros;
    KeyHandler m_handler;
    HidUsbFilter::MonitorProxy<KeyHandler> m_proxy { &m_handler, &KeyHandler::OnFilterKey };
    NoViews m_views;
    KeyPageModel m_page { DataStore::GetInstance(), m_views, m_views, m_views };
};

// Alternating presses and releases, each waited for until its report is out.
void BM_KeyEvent(benchmark::State& state, int key, int assigned)
{
    Rig rig;
    rig.Assign(assigned);
    bool pressed = true;
    for (auto _ : state) {
        rig.Feed(key, pressed);
        pressed = !pressed;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_KeyEvent, PassThrough, kKeyC, kKeyB)->UseRealTime();
BENCHMARK_CAPTURE(BM_KeyEvent, RemappedKey, kKeyA, kKeyB)->UseRealTime();
BENCHMARK_CAPTURE(BM_KeyEvent, RemappedConsumer, kKeyA, kVolumeUp)->UseRealTime();

void BM_ChooseAndRearm(benchmark::State& state)
{
    Rig rig;
    int code = kKeyB;
    for (auto _ : state) {
        rig.Assign(code);
        code = code == kKeyB ? kKeyC : kKeyB;
    }
}
BENCHMARK(BM_ChooseAndRearm)->UseRealTime();

} // namespace
} // namespace clavora
