#pragma once

// The program's icon in the desktop's tray: a status notifier item with a two-entry menu,
// served over the session D-Bus on a thread of its own.
//
// When a status notifier watcher (the tray host's registry) runs, the item registers with it;
// when none runs, the item waits for one and registers as soon as it appears, and again after a
// host restarts. Without a session bus there is no icon and no thread; the program works on.
//
// Add, Remove, SetToolTip, SetMenu and IsAdded are called from one thread (the window thread).
// Events reach the handler on the tray thread (see TrayEventHandler).

#include "platform/DBusMenu.h"
#include "platform/StatusNotifierItem.h"
#include "platform/TrayEvent.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace clavora {

class BusLoop;

struct TrayIconData {
    // Numbers the item on the bus (its name ends with "-<pid>-<id>").
    int id = kTrayIconId;
    // The program's name: the item's Id and Title, and its tooltip (cut to 127 characters).
    std::string toolTip;
    // Picture file; when it is missing or unreadable the icon is added without a picture.
    std::string iconPath;
    std::vector<TrayMenuItem> menu;
};

class TrayIcon {
public:
    // busAddress empty: the user's session bus. Tests pass the address of a private bus.
    explicit TrayIcon(TrayEventHandler handler, std::string busAddress = {});
    // Removes the icon and joins the tray thread.
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Shows the icon, replacing one this object already shows. True when a watcher took the
    // registration; false without a bus (nothing keeps running then) or without a watcher (the
    // item then waits on its thread, without polling, for one to appear).
    bool Add(const TrayIconData& data);
    // Takes the icon away: the item leaves the bus and the thread ends. Safe when nothing is shown.
    void Remove();
    // True while a watcher holds the item's registration.
    bool IsAdded() const;

    void SetToolTip(const std::string& text);
    // New menu texts (after a language change); hosts re-read the layout.
    void SetMenu(const std::vector<TrayMenuItem>& items);

private:
    static int OnRegisterReply(sd_bus_message* reply, void* userdata, sd_bus_error*);
    static int OnWatcherOwnerChanged(sd_bus_message* signal, void* userdata, sd_bus_error*);
    bool SendRegistration(sd_bus* bus);
    bool WaitForFirstReply();

    const std::string m_busAddress;
    StatusNotifierItem m_item;
    DBusMenu m_menu;
    // Set before the tray thread starts; only read while it runs.
    std::string m_serviceName;
    std::atomic<bool> m_registered { false };

    std::mutex m_replyLock;
    std::condition_variable m_replyCv;
    bool m_replied = false; // guarded by m_replyLock

    // Last member: it goes first, so the thread is gone before the objects it serves.
    std::unique_ptr<BusLoop> m_loop;
};

} // namespace clavora
