#pragma once

// FilterChannel - the key filter that sits on the attached keyboard's input path.
//
// It takes the keyboard's key events from its key source (the keyboard is grabbed, so the
// system sees nothing of it directly) and routes each one:
//   - while recording: every key goes to the recorder and nothing reaches the system;
//   - a key in the watched table: queued for the filter monitor (WaitKeyEvent);
//   - any other key: passed straight through to the virtual device, so typing never stops.
// A key's release always follows the route its press took out of the filter, whatever
// changed in between, so a table change or recording never leaves a key held.

#include "device/IKeySource.h"
#include "device/KeyTable.h"

#include <bitset>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <stop_token>
#include <unordered_map>

namespace clavora {

class VHidev;

// One watched key event: key code, the kind byte of its table entry, bit 0 of pressed = press.
struct FilterKeyEvent {
    std::uint16_t keyCode = 0;
    std::uint8_t kind = 0;
    std::uint8_t pressed = 0;
};

class FilterChannel {
public:
    using Recorder = std::function<void(const PhysicalKeyEvent&)>;

    FilterChannel(VHidev& device, std::shared_ptr<IKeySource> source);
    ~FilterChannel();
    FilterChannel(const FilterChannel&) = delete;
    FilterChannel& operator=(const FilterChannel&) = delete;

    // Starts taking the keyboard's keys. True when the key source runs.
    bool Open();
    // Gives the keyboard back and wakes a waiting monitor.
    void Close();
    bool IsOpen() const;
    // The keyboards to take over (the configured models' vendor and product IDs).
    void SetKeyboards(const std::vector<KeyboardId>& keyboards);

    // Loads the watched-key table (kKeyTableSize bytes), or clears it (kClearTableSize zero
    // bytes). False when the channel is closed or the size is neither.
    bool LoadKeyTable(std::span<const std::uint8_t> table);
    // Begins a fresh round of reporting: events queued before it are dropped, since the key
    // map they were meant for has been replaced.
    bool StartReporting();
    // Waits for the next watched key event. False when the stop was requested first.
    bool WaitKeyEvent(FilterKeyEvent& event, std::stop_token stop);

    // Watched events waiting for the monitor, and the number handed to it so far.
    std::size_t PendingEvents() const;
    std::uint64_t ReportedEvents() const;

    // Switches recording on (a recorder) or off (empty). The recorder runs on the key source's
    // thread; once this returns, a replaced recorder is no longer called. It must not call
    // SetRecorder itself.
    void SetRecorder(Recorder recorder);

    // Feeds one physical key event through the filter (the key source's sink).
    void OnPhysicalKey(const PhysicalKeyEvent& event);

private:
    enum class Route { PassThrough, Watched, Recorded };
    Route RouteLocked(const PhysicalKeyEvent& event);
    void PassThrough(const PhysicalKeyEvent& event);

    VHidev& m_device;
    std::shared_ptr<IKeySource> m_source;

    mutable std::mutex m_mutex;
    std::condition_variable_any m_eventReady;
    bool m_open = false;                                  // guarded by m_mutex
    bool m_recording = false;                             // guarded by m_mutex
    std::unordered_map<std::uint16_t, std::uint8_t> m_watched; // key code -> kind; guarded by m_mutex
    std::deque<FilterKeyEvent> m_events;                  // guarded by m_mutex
    std::uint64_t m_reported = 0;                         // guarded by m_mutex
    std::bitset<256> m_passedDown;                        // keyboard usages let through; guarded by m_mutex

    // Held while the recorder runs, so switching it off waits for a running call.
    std::mutex m_recorderMutex;
    Recorder m_recorder; // guarded by m_recorderMutex
};

} // namespace clavora
