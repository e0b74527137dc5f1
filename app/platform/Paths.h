#pragma once

// Folders the program reads from and writes to. Paths use '/' and folder paths end with '/'.

#include <string>

namespace clavora {

// The folder of the running executable, with a trailing '/'. config.xml, layouts/,
// language/, skins/, keyboard/, icon/, logo/, driver/, firmware/ and temp/ live there.
std::string GetAppFolder();

// Tests point the program at a folder of their own making; an empty path restores the
// executable's folder.
void SetAppFolderOverride(const std::string& folder);

// The per-user data folder: $XDG_DATA_HOME (default ~/.local/share) + "/<device name> Files/".
std::string GetDataFolder();

// Creates a folder and every missing folder above it. True when the folder exists afterwards.
bool CreateFolderTree(const std::string& path);

} // namespace clavora
