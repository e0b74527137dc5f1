#include "device/FilterChannel.h"

#include "device/VHidev.h"

namespace clavora {

namespace {

// Generic desktop system control usages (power down ... the last defined one).
constexpr std::uint16_t kFirstSystemControlUsage = 0x81;
constexpr std::uint16_t kLastSystemControlUsage = 0xB7;

bool IsKeyboardUsage(std::uint32_t usage)
{
    return UsagePage(usage) == kKeyboardPage && UsageId(usage) < 256;
}

} // namespace

FilterChannel::FilterChannel(VHidev& device, std::shared_ptr<IKeySource> source)
    : m_device(device)
    , m_source(std::move(source))
{
}

FilterChannel::~FilterChannel()
{
    Close();
}

bool FilterChannel::Open()
{
    {
        std::lock_guard lock(m_mutex);
        if (m_open)
            return true;
        m_open = true;
    }
    if (m_source && m_source->Start([this](const PhysicalKeyEvent& event) { OnPhysicalKey(event); }))
        return true;
    std::lock_guard lock(m_mutex);
    m_open = false;
    return false;
}

void FilterChannel::Close()
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_open)
            return;
    }
    // After Stop no key event runs any more, so nothing below races with the source.
    m_source->Stop();
    std::bitset<256> passed;
    {
        std::lock_guard lock(m_mutex);
        m_open = false;
        m_events.clear();
        passed = m_passedDown;
        m_passedDown.reset();
    }
    m_eventReady.notify_all();
    // The keyboard is no longer ours, so its releases will never come through here.
    for (int usage = 0; usage < 256; ++usage) {
        if (passed.test(static_cast<std::size_t>(usage)))
            m_device.Key(usage, false);
    }
}

bool FilterChannel::IsOpen() const
{
    std::lock_guard lock(m_mutex);
    return m_open;
}

void FilterChannel::SetKeyboards(const std::vector<KeyboardId>& keyboards)
{
    if (m_source)
        m_source->SetKeyboards(keyboards);
}

bool FilterChannel::LoadKeyTable(std::span<const std::uint8_t> table)
{
    if (table.size() != kKeyTableSize && table.size() != kClearTableSize)
        return false;
    std::unordered_map<std::uint16_t, std::uint8_t> watched;
    for (const WatchedKey& key : ParseKeyTable(table))
        watched.emplace(key.keyCode, key.kind); // the first entry of a code wins
    std::lock_guard lock(m_mutex);
    if (!m_open)
        return false;
    m_watched.swap(watched);
    return true;
}

bool FilterChannel::StartReporting()
{
    std::lock_guard lock(m_mutex);
    m_events.clear();
    return m_open;
}

bool FilterChannel::WaitKeyEvent(FilterKeyEvent& event, std::stop_token stop)
{
    std::unique_lock lock(m_mutex);
    if (!m_eventReady.wait(lock, stop, [&] { return !m_events.empty() || !m_open; }))
        return false;
    if (m_events.empty())
        return false; // closed
    event = m_events.front();
    m_events.pop_front();
    ++m_reported;
    return true;
}

std::size_t FilterChannel::PendingEvents() const
{
    std::lock_guard lock(m_mutex);
    return m_events.size();
}

std::uint64_t FilterChannel::ReportedEvents() const
{
    std::lock_guard lock(m_mutex);
    return m_reported;
}

void FilterChannel::SetRecorder(Recorder recorder)
{
    std::lock_guard recorderLock(m_recorderMutex);
    const bool recording = static_cast<bool>(recorder);
    m_recorder = std::move(recorder);
    std::lock_guard lock(m_mutex);
    m_recording = recording;
}

FilterChannel::Route FilterChannel::RouteLocked(const PhysicalKeyEvent& event)
{
    if (m_recording)
        return Route::Recorded;
    if (!IsKeyboardUsage(event.usage))
        return Route::PassThrough;
    const std::uint16_t code = UsageId(event.usage);
    const auto watched = m_watched.find(code);
    if (watched == m_watched.end()) {
        if (event.pressed)
            m_passedDown.set(code);
        return Route::PassThrough;
    }
    m_events.push_back({code, watched->second, static_cast<std::uint8_t>(event.pressed ? 1 : 0)});
    return Route::Watched;
}

void FilterChannel::OnPhysicalKey(const PhysicalKeyEvent& event)
{
    Route route;
    bool releasePassedKey = false;
    {
        std::lock_guard lock(m_mutex);
        if (!m_open)
            return;
        if (!event.pressed && IsKeyboardUsage(event.usage) && m_passedDown.test(UsageId(event.usage))) {
            // The press went to the system, so the release must too.
            m_passedDown.reset(UsageId(event.usage));
            releasePassedKey = true;
        }
        route = releasePassedKey && !m_recording ? Route::PassThrough : RouteLocked(event);
    }
    if (route == Route::Watched)
        m_eventReady.notify_all();
    if (route == Route::PassThrough || releasePassedKey)
        PassThrough(event);
    if (route == Route::Recorded) {
        std::lock_guard recorderLock(m_recorderMutex);
        if (m_recorder)
            m_recorder(event);
    }
}

void FilterChannel::PassThrough(const PhysicalKeyEvent& event)
{
    const std::uint16_t id = UsageId(event.usage);
    switch (UsagePage(event.usage)) {
    case kKeyboardPage:
        m_device.Key(id, event.pressed);
        break;
    case kConsumerPage:
        m_device.Consumer(id, event.pressed);
        break;
    case kGenericDesktopPage:
        if (id >= kFirstSystemControlUsage && id <= kLastSystemControlUsage)
            m_device.SystemControl(id, event.pressed);
        break;
    default:
        break; // nothing the virtual device can say
    }
}

} // namespace clavora
