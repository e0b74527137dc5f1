#pragma once

#include <string>

namespace clavora {

// The program's start-up sequence; returns the process exit code.
int RunApplication(int argc, char** argv);

// The device name config.xml gives (the name attribute of config/software); empty when the
// file, the element or a usable name is missing, so the built-in name stays.
std::string ReadDeviceName(const std::string& configPath);

// A device name names files and folders: it must be a single, non-empty path component.
bool IsUsableDeviceName(const std::string& name);

} // namespace clavora
