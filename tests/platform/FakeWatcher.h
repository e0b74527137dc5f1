#pragma once

#include "platform/BusLoop.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace clavora::test {

// A stand-in for the tray host's registry (org.kde.StatusNotifierWatcher): it takes the well-known
// name on the given bus, records every registration and forgets an item when its name leaves
// the bus, as real watchers do. It serves on its own thread; the test thread only reads.
class FakeWatcher {
public:
    explicit FakeWatcher(const std::string& address);
    ~FakeWatcher();
    FakeWatcher(const FakeWatcher&) = delete;
    FakeWatcher& operator=(const FakeWatcher&) = delete;

    // True when it owns the watcher name and serves.
    bool IsServing() const { return m_loop && m_loop->IsRunning(); }

    // Every RegisterStatusNotifierItem argument so far, in order; waits (up to a few seconds)
    // until there are at least count of them.
    std::vector<std::string> WaitForRegistrations(size_t count) const;
    // Waits until the item is no longer registered; true when it went.
    bool WaitForItemGone(const std::string& service) const;
    std::vector<std::string> Items() const;

private:
    static int OnRegister(sd_bus_message* call, void* userdata, sd_bus_error*);
    static int OnNameOwnerChanged(sd_bus_message* signal, void* userdata, sd_bus_error*);
    static int GetItems(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void* userdata,
        sd_bus_error*);
    static int GetTrue(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*,
        sd_bus_error*);
    static int GetVersion(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*,
        sd_bus_error*);
    static const sd_bus_vtable kVtable[];

    mutable std::mutex m_lock;
    mutable std::condition_variable m_changed;
    std::vector<std::string> m_registrations; // guarded by m_lock
    std::vector<std::string> m_items; // guarded by m_lock
    std::unique_ptr<BusLoop> m_loop;
};

} // namespace clavora::test
