#pragma once

// The icon object a status notifier host shows: org.kde.StatusNotifierItem at
// /StatusNotifierItem. Its content is set from the owner's thread and read by the bus thread,
// so it is held under a lock; signals go out only on the bus thread.

#include "platform/TrayEvent.h"
#include "platform/TrayPixmap.h"

#include <systemd/sd-bus.h>

#include <mutex>
#include <string>

namespace clavora {

class StatusNotifierItem {
public:
    static constexpr const char* kObjectPath = "/StatusNotifierItem";
    static constexpr const char* kInterface = "org.kde.StatusNotifierItem";
    // A tooltip carries at most this many characters.
    static constexpr size_t kToolTipMaxChars = 127;

    StatusNotifierItem(TrayEventHandler handler, std::string menuPath);

    // Id and Title name the program; both stay as set while the item is shown.
    void SetName(const std::string& name);
    // The text is cut to kToolTipMaxChars characters.
    void SetToolTip(const std::string& text);
    // An empty pixmap shows no picture.
    void SetPixmap(TrayPixmap pixmap);

    // Adds the object to a connection that is not served yet (or on its bus thread).
    bool Export(sd_bus* bus);
    // Bus thread only.
    static void EmitNewToolTip(sd_bus* bus);

private:
    struct Content {
        std::string name;
        std::string toolTip;
        TrayPixmap pixmap;
    };
    // Tells the handler about a click (before answering, so the caller sees its effect at once).
    static int DeliverClick(sd_bus_message* call, void* userdata, TrayEvent::Kind kind);

    static const sd_bus_vtable kVtable[];
    static int GetString(sd_bus*, const char*, const char*, const char* property, sd_bus_message* reply,
        void* userdata, sd_bus_error*);
    static int GetPixmap(sd_bus*, const char*, const char*, const char* property, sd_bus_message* reply,
        void* userdata, sd_bus_error*);
    static int GetToolTip(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply,
        void* userdata, sd_bus_error*);
    static int GetBool(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*,
        sd_bus_error*);
    static int GetMenu(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply,
        void* userdata, sd_bus_error*);
    static int OnActivate(sd_bus_message* call, void* userdata, sd_bus_error*);
    static int OnContextMenu(sd_bus_message* call, void* userdata, sd_bus_error*);
    static int OnIgnored(sd_bus_message* call, void*, sd_bus_error*);

    const TrayEventHandler m_handler;
    const std::string m_menuPath;
    mutable std::mutex m_lock;
    Content m_content; // guarded by m_lock
};

} // namespace clavora
