#include "TaskRig.h"

#include "device/TaskCodes.h"
#include "device/emulator/EmulatedConnection.h"
#include "device/emulator/EmulatorBackend.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace clavora::test {

namespace {

constexpr uint16_t kVendor = 0xC1A0;

struct TestModel {
    int deviceType;
    int mode;
    uint16_t pid;
    const char* product;
};

// The feature model's three connections, then the report model's wired one.
constexpr TestModel kModels[] {
    { kFeatureType, 0, 0x0201, "Clavora K201 Wired" },
    { kFeatureType, 1, 0x0202, "Clavora K201 Receiver" },
    { kFeatureType, 2, 0x0203, "Clavora K201 Link" },
    { kReportType, 0, 0x0101, "Clavora K101" },
};

std::string Fragment(uint16_t pid)
{
    char fragment[40];
    std::snprintf(fragment, sizeof fragment, "VID_%04X&PID_%04X&MI_02", kVendor, pid);
    return fragment;
}

std::vector<DeviceEntry> ModeList()
{
    std::vector<DeviceEntry> modes;
    for (const TestModel& model : kModels) {
        DeviceEntry entry;
        entry.name = model.product;
        entry.device_type = model.deviceType;
        entry.mode = model.mode;
        entry.vid = kVendor;
        entry.pid = model.pid;
        entry.hid_interface = Fragment(model.pid);
        modes.push_back(entry);
    }
    return modes;
}

} // namespace

// --- TestClock ---------------------------------------------------------------------------------

void TestClock::Pause(int ms)
{
    std::function<void(int)> hook;
    {
        std::lock_guard lock(m_lock);
        hook = m_hook;
    }
    if (hook)
        hook(ms);
    std::lock_guard lock(m_lock);
    m_pauses.push_back(ms);
    m_now += std::chrono::milliseconds(std::max(ms, 0));
}

DeviceClock::TimePoint TestClock::Now()
{
    std::lock_guard lock(m_lock);
    return m_now;
}

void TestClock::PauseUntil(TimePoint deadline)
{
    std::lock_guard lock(m_lock);
    m_deadlines.push_back(deadline);
    m_now = std::max(m_now, deadline);
}

std::vector<int> TestClock::Take()
{
    std::lock_guard lock(m_lock);
    return std::exchange(m_pauses, {});
}

void TestClock::OnPause(std::function<void(int)> hook)
{
    std::lock_guard lock(m_lock);
    m_hook = std::move(hook);
}

void TestClock::Advance(std::chrono::milliseconds by)
{
    std::lock_guard lock(m_lock);
    m_now += by;
}

std::vector<DeviceClock::TimePoint> TestClock::Deadlines() const
{
    std::lock_guard lock(m_lock);
    return m_deadlines;
}

// --- RecordingHost -----------------------------------------------------------------------------

DeviceTaskContext RecordingHost::GetTaskContext()
{
    std::lock_guard lock(m_lock);
    return m_context;
}

bool RecordingHost::IsMainWindowVisible()
{
    std::lock_guard lock(m_lock);
    return m_visible;
}

int RecordingHost::GetCurrentPage()
{
    std::lock_guard lock(m_lock);
    return m_page;
}

void RecordingHost::EnableMainWindow(bool enable) { Record(enable ? "Enable 1" : "Enable 0"); }
void RecordingHost::CloseWaitBox() { Record("CloseWaitBox"); }

void RecordingHost::ApplyPresencePage(PresencePage page, int connectionMode)
{
    Record("Presence " + std::to_string(static_cast<int>(page)) + " " + std::to_string(connectionMode));
}

void RecordingHost::ReloadMacroPage() { Record("ReloadMacroPage"); }
void RecordingHost::ReloadProfileList() { Record("ReloadProfileList"); }
void RecordingHost::ArmKeyFilter() { Record("ArmKeyFilter"); }
void RecordingHost::ReloadLightPage() { Record("ReloadLightPage"); }
void RecordingHost::StartAudioCapture() { Record("StartAudioCapture"); }
void RecordingHost::ResetAllState() { Record("ResetAllState"); }

void RecordingHost::SetDeviceState(int deviceType, int state)
{
    Record("DeviceState " + std::to_string(deviceType) + " " + std::to_string(state));
}

std::vector<std::string> RecordingHost::Take()
{
    std::lock_guard lock(m_lock);
    return std::exchange(m_calls, {});
}

void RecordingHost::SetContext(const DeviceTaskContext& context)
{
    std::lock_guard lock(m_lock);
    m_context = context;
}

void RecordingHost::SetPage(bool visible, int page)
{
    std::lock_guard lock(m_lock);
    m_visible = visible;
    m_page = page;
}

void RecordingHost::Record(std::string call)
{
    std::lock_guard lock(m_lock);
    m_calls.push_back(std::move(call));
}

// --- Helpers -----------------------------------------------------------------------------------

std::vector<uint8_t> Hex(const std::string& text)
{
    std::vector<uint8_t> bytes;
    std::istringstream words(text);
    std::string word;
    while (words >> word)
        bytes.push_back(static_cast<uint8_t>(std::stoul(word, nullptr, 16)));
    return bytes;
}

std::string HexOf(const std::vector<uint8_t>& bytes, size_t count)
{
    std::string text;
    for (size_t i = 0; i < std::min(count, bytes.size()); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, i ? " %02x" : "%02x", bytes[i]);
        text += byte;
    }
    return text;
}

protocol::KeyIndexMap TestKeyIndex()
{
    protocol::KeyIndexMap map;
    for (int code = 4; code <= 60; ++code)
        map[code] = code - 4;
    return map;
}

KeyAssignment Assign(int keyCode, int type, int value)
{
    KeyAssignment assignment;
    assignment.profile = 1;
    assignment.key_code = keyCode;
    assignment.macro_type = type;
    assignment.macro_value = value;
    return assignment;
}

// --- TaskRig -----------------------------------------------------------------------------------

TaskRig::TaskRig()
    : hid(std::make_unique<EmulatorBackend>(emulator), clock)
    , presence(ModeList(), [this](int code) { tasks.Append(code); })
    , device(MakeRecorder())
    , worker({ tasks, macros, hid, store, presence, presenceHid, host, player })
{
    for (const DeviceEntry& entry : ModeList()) {
        hid.AddSupportedMode(entry.vid, entry.pid, entry.name, entry.device_type, entry.mode, entry.hid_interface);
        EmulatedConnection connection = EmulatedConnection::FromMode({ static_cast<uint16_t>(entry.vid),
            static_cast<uint16_t>(entry.pid), entry.name, entry.device_type, entry.mode, entry.hid_interface, "" });
        // The stand-in keys its connections by mode; the report model's wired one gets a slot of its own.
        if (entry.device_type == kReportType)
            connection.mode = kReportMode;
        emulator->AddConnection(connection);
    }
    store.Close();
    EXPECT_TRUE(store.OpenForDevice("K201"));
    UseModel(kFeatureType);
}

TaskRig::~TaskRig()
{
    store.Close();
}

std::unique_ptr<VirtualHidRecorder> TaskRig::MakeRecorder()
{
    auto made = std::make_unique<VirtualHidRecorder>(
        [this](int id, std::span<const uint8_t> data) { emulator->RecordVirtualReport(id, data); });
    recorder = made.get();
    return made;
}

void TaskRig::UseModel(int deviceType, int menuFlags)
{
    DeviceTaskContext context;
    context.deviceType = deviceType;
    context.menuFlags = menuFlags;
    context.keyIndexMap = TestKeyIndex();
    context.lightIndexMap = TestKeyIndex();
    host.SetContext(context);
}

void TaskRig::Connect(std::initializer_list<int> modes)
{
    for (int mode : modes)
        emulator->Attach(mode);
    tasks.Append(task::kRescanArrival);
    RunUntilEmpty();
    host.Take();
    clock.Take();
}

void TaskRig::Disconnect(int mode)
{
    emulator->Detach(mode);
    tasks.Append(task::kRescanRemoval);
    RunUntilEmpty();
    host.Take();
}

void TaskRig::RunUntilEmpty(int maxCycles)
{
    for (int i = 0; i < maxCycles && !tasks.IsEmpty(); ++i)
        worker.RunCycle();
    EXPECT_TRUE(tasks.IsEmpty());
}

void TaskRig::Save(const std::vector<KeyAssignment>& assignments)
{
    for (const KeyAssignment& assignment : assignments)
        ASSERT_NE(store.SaveKeyAssignment(assignment), 0);
}

int TaskRig::AddMacro(const std::string& name, int playTimes, const std::vector<MacroStepSpec>& steps)
{
    const int id = store.CreateMacro(name);
    EXPECT_NE(id, 0);
    EXPECT_TRUE(store.UpdateMacroPlayback(id, playTimes, 1, 0));
    std::vector<MacroEvent> events;
    for (size_t i = 0; i < steps.size(); ++i) {
        MacroEvent event;
        event.macro_id = id;
        event.type = steps[i].type;
        event.record_index = static_cast<int>(i);
        event.value = steps[i].virtualKey;
        event.delay_time = steps[i].delay;
        events.push_back(event);
    }
    EXPECT_TRUE(store.InsertMacroEvents(events));
    return id;
}

void TaskRig::ClearReports()
{
    emulator->Clear();
    clock.Take();
    host.Take();
}

} // namespace clavora::test
