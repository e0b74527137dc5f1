#pragma once

// KeyFilter - arms and disarms the key filter with the current profile's key assignments.
//
// Owns the filter channel (the grabbed keyboard) and its monitor thread. Arming stops the
// monitor before anything changes, so the key handler never sees a half-built key map, and
// releases whatever the virtual device holds once no handler can set anything any more.

#include "device/FilterChannel.h"
#include "device/FilterMonitor.h"
#include "store/KeyAssignment.h"

#include <memory>
#include <vector>

namespace clavora {

class DataStore;
class KeyHandler;
class VHidev;

class KeyFilter {
public:
    KeyFilter(VHidev& device, std::shared_ptr<IKeySource> source);
    ~KeyFilter();
    KeyFilter(const KeyFilter&) = delete;
    KeyFilter& operator=(const KeyFilter&) = delete;

    FilterChannel& Channel() { return m_channel; }
    FilterMonitor& Monitor() { return m_monitor; }

    // Arms the filter with the assignments (store order): the first 256 key codes are
    // watched, and the handler's key map is rebuilt from them.
    void ArmKeyFilter(KeyHandler& handler, const std::vector<KeyAssignment>& assignments);
    // The same with the assignments of a profile and layer read from the store.
    void ArmKeyFilter(KeyHandler& handler, DataStore& store, int profile, int layer);
    // Stops the monitor and clears the watched keys; every key passes through again.
    void DisarmKeyFilter();

    // The program's own exit: nothing stays held, the keyboard goes back to the system and the
    // virtual device is removed.
    void Quit();

private:
    VHidev& m_device;
    FilterChannel m_channel;
    FilterMonitor m_monitor;
};

} // namespace clavora
