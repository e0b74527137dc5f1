#pragma once

// The icon's menu as hosts read it: com.canonical.dbusmenu at /MenuBar, one level of items under
// the root (id 0), each item's id being its command number. Items are set from the owner's
// thread and read by the bus thread, so they are held under a lock.

#include "platform/TrayEvent.h"

#include <systemd/sd-bus.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace clavora {

class DBusMenu {
public:
    static constexpr const char* kObjectPath = "/MenuBar";
    static constexpr const char* kInterface = "com.canonical.dbusmenu";

    explicit DBusMenu(TrayEventHandler handler);

    // Replaces the items; those with a command below 1 or a command already listed are left out.
    // Every call raises the layout revision.
    void SetItems(const std::vector<TrayMenuItem>& items);

    // Adds the object to a connection that is not served yet (or on its bus thread).
    bool Export(sd_bus* bus);
    // Bus thread only: tells hosts to read the layout again.
    void EmitLayoutUpdated(sd_bus* bus) const;

private:
    struct State {
        uint32_t revision = 0;
        std::vector<TrayMenuItem> items;
    };
    State Read() const;

    static const sd_bus_vtable kVtable[];
    static int GetVersion(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*,
        sd_bus_error*);
    static int GetText(sd_bus*, const char*, const char*, const char* property, sd_bus_message* reply, void*,
        sd_bus_error*);
    static int GetIconThemePath(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*,
        sd_bus_error*);
    static int OnGetLayout(sd_bus_message* call, void* userdata, sd_bus_error*);
    static int OnGetGroupProperties(sd_bus_message* call, void* userdata, sd_bus_error*);
    static int OnGetProperty(sd_bus_message* call, void* userdata, sd_bus_error*);
    static int OnEvent(sd_bus_message* call, void* userdata, sd_bus_error*);
    static int OnEventGroup(sd_bus_message* call, void* userdata, sd_bus_error*);
    static int OnAboutToShow(sd_bus_message* call, void* userdata, sd_bus_error*);
    static int OnAboutToShowGroup(sd_bus_message* call, void* userdata, sd_bus_error*);

    // Handles one event on an item; false when the item does not exist.
    bool HandleEvent(int id, const char* eventId) const;

    const TrayEventHandler m_handler;
    mutable std::mutex m_lock;
    State m_state; // guarded by m_lock
};

} // namespace clavora
