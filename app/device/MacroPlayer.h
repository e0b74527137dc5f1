#pragma once

// MacroPlayer - plays a stored macro through the virtual keyboard on the device worker: every
// event pressed or released in record order with its delay (at least 5 ms), the whole list
// `play_times` times, and everything released before, between and after the repetitions.

#include <functional>

namespace clavora {

class DataStore;
class DeviceClock;
class VHidev;

class MacroPlayer {
public:
    // Asked between events and during long delays; false ends the playback early (the worker
    // is being stopped), with every key released.
    using KeepPlaying = std::function<bool()>;

    static constexpr int kMinEventDelayMs = 5;
    // Long delays are waited in slices of this size so a stop does not wait them out.
    static constexpr int kDelaySliceMs = 100;

    MacroPlayer(VHidev& device, DataStore& store, DeviceClock& clock);

    // Plays the macro; nothing when the virtual device cannot be opened or the macro does not
    // exist (it may have been deleted after it was queued).
    void PlayMacro(int macroId, const KeepPlaying& keepPlaying = {});

private:
    // False when the playback was cut short.
    bool PlayOnce(int macroId, const KeepPlaying& keepPlaying);
    bool Wait(int ms, const KeepPlaying& keepPlaying);

    VHidev& m_device;
    DataStore& m_store;
    DeviceClock& m_clock;
};

} // namespace clavora
