#pragma once

#include "platform/BusLoop.h"
#include "platform/TrayPixmap.h"

#include <string>
#include <utility>
#include <vector>

namespace clavora::test {

// What a tray host does with an item, done synchronously from the test thread over a
// connection of its own: read properties, click, open the menu and choose entries.
class TrayClient {
public:
    TrayClient(const std::string& address, std::string service);

    bool IsConnected() const { return m_bus != nullptr; }

    std::string ItemString(const char* property) const;
    bool ItemIsMenu() const;
    std::string MenuPath() const;
    // ToolTip's title text.
    std::string ToolTipTitle() const;
    // The first picture of IconPixmap; empty when there is none.
    TrayPixmap IconPixmap() const;
    // Calls a click method of the item (Activate, ContextMenu, SecondaryActivate) at (x, y).
    bool Click(const char* method, int x, int y) const;

    // The menu's revision and its entries (id, label) as GetLayout returns them.
    std::pair<unsigned, std::vector<std::pair<int, std::string>>> MenuLayout() const;
    // Sends a menu event; false when the item refused it.
    bool MenuEvent(int id, const char* eventId) const;
    // Sends several "clicked" events in one EventGroup call; returns the ids the item reported
    // unknown, or {-1} when it refused the whole call.
    std::vector<int> MenuClickGroup(const std::vector<int>& ids) const;

    // Subscribes to a signal of the item or its menu; call before causing it.
    void Watch(const char* path, const char* interface, const char* member);
    // Serves the connection until the watched signal arrived (up to a few seconds).
    bool WaitForSignal();

private:
    static int OnSignal(sd_bus_message*, void* userdata, sd_bus_error*);

    BusPtr m_bus;
    std::string m_service;
    bool m_signalled = false;
};

} // namespace clavora::test
