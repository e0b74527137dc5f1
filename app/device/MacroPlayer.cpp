#include "device/MacroPlayer.h"

#include "description/KeyCodes.h"
#include "device/ConsumerUsage.h"
#include "device/DeviceClock.h"
#include "device/VHidev.h"
#include "store/DataStore.h"

#include <algorithm>

namespace clavora {

namespace {

// The program's media and browser codes, which go out as consumer usages.
constexpr int kFirstMediaCode = 232;
constexpr int kLastMediaCode = 249;

} // namespace

MacroPlayer::MacroPlayer(VHidev& device, DataStore& store, DeviceClock& clock)
    : m_device(device)
    , m_store(store)
    , m_clock(clock)
{
}

void MacroPlayer::PlayMacro(int macroId, const KeepPlaying& keepPlaying)
{
    // Closing and searching the device again, as a Windows driver handle would be, would
    // remove and re-create the uhid device here and lose the first reports; opening it only
    // when it is not open is enough.
    if (!m_device.FindVirtualDevice())
        return;
    m_device.ResetReports();
    MacroRecord macro;
    if (!m_store.GetMacro(macroId, macro))
        return;
    for (int run = 0; run < macro.play_times; ++run) {
        const bool complete = PlayOnce(macroId, keepPlaying);
        m_device.ResetReports();
        if (!complete)
            return;
    }
}

bool MacroPlayer::PlayOnce(int macroId, const KeepPlaying& keepPlaying)
{
    std::vector<MacroEvent> events;
    m_store.ListMacroEvents(macroId, events);
    for (const MacroEvent& event : events) {
        if (keepPlaying && !keepPlaying())
            return false;
        const bool press = event.type == kMacroEventKeyDown;
        const int code = VirtualKeyToKeyCode(event.value);
        if (code >= kFirstMediaCode && code <= kLastMediaCode)
            m_device.Consumer(ConsumerUsageOfKeyCode(code), press);
        else
            m_device.Key(code, press);
        if (!Wait(std::max(event.delay_time, kMinEventDelayMs), keepPlaying))
            return false;
    }
    return true;
}

bool MacroPlayer::Wait(int ms, const KeepPlaying& keepPlaying)
{
    while (ms > 0) {
        const int slice = std::min(ms, kDelaySliceMs);
        m_clock.Pause(slice);
        ms -= slice;
        if (ms > 0 && keepPlaying && !keepPlaying())
            return false;
    }
    return true;
}

} // namespace clavora
