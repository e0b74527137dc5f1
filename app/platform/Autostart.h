#pragma once

// Starting the program with the desktop session: a desktop entry in the user's autostart
// folder, $XDG_CONFIG_HOME/autostart/<device name>.desktop (XDG_CONFIG_HOME defaulting to
// ~/.config), whose Exec starts the executable "clavora" in the application folder.

#include <string>

namespace clavora {

class Autostart {
public:
    // For the running program: the device name and the application folder.
    Autostart();
    // appFolder ends with '/'.
    Autostart(std::string deviceName, std::string appFolder);

    std::string GetFilePath() const;
    // True when the entry exists, can be read and is not switched off inside (Hidden=true, or
    // the GNOME enabled key set to false). The command it holds is not compared with ours.
    bool IsEnabled() const;
    // Writes the entry in one step (a temporary file renamed over the old one), so a crash
    // never leaves half an entry. False when the folder or the file cannot be written.
    bool Enable() const;
    // Deletes the entry; true also when there was none.
    bool Disable() const;

    // The Exec value for a program path, quoted as desktop entries require (before the key
    // file's own escaping of backslashes).
    static std::string QuoteExecArgument(const std::string& path);

private:
    std::string m_deviceName;
    std::string m_appFolder;
};

} // namespace clavora
