#pragma once

#include <functional>
#include <string>

namespace clavora {

// The tray icon's numbers as the main window knows them.
constexpr int kTrayIconId = 109;
constexpr int kTrayCallbackMessage = 1690;
constexpr int kTrayCommandCloseSettings = 200; // menu item with text 10
constexpr int kTrayCommandExit = 100; // menu item with text 11

// What the user did with the icon.
struct TrayEvent {
    enum class Kind {
        Activate, // primary click (left click or double click): show the window
        ContextMenu, // the host asks the program to show its own menu at (x, y)
        Command, // a menu item was chosen; command holds its number
    };
    Kind kind = Kind::Activate;
    int command = 0;
    int x = 0;
    int y = 0;
};

// Runs on the tray's own thread, never on the window thread: hand the event over (post a
// message) and return quickly. Remove may be called from it (the icon goes once it returns);
// Add called from it fails.
using TrayEventHandler = std::function<void(const TrayEvent&)>;

// One entry of the icon's menu; the command is the item's number on the bus as well, so it
// must be positive and unique.
struct TrayMenuItem {
    int command = 0;
    std::string label;
};

} // namespace clavora
