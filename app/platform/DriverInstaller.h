#pragma once

// Installs what the virtual device and the key filter need from the system: the driver folder's
// install.sh, run with administrator rights through pkexec, writes udev rules for the
// configured keyboards and /dev/uhid and loads uhid.

#include "device/IKeySource.h"

#include <string>
#include <vector>

namespace clavora {

// The command that runs the script: launcher, script, one "vvvv:pppp" per keyboard. A script
// without its execute bit is run through /bin/sh.
std::vector<std::string> InstallCommandLine(const std::string& driverFolder, const std::vector<KeyboardId>& keyboards,
                                            const std::string& launcher = "pkexec");

// Runs the command and waits for it. True when it ran and succeeded; false when it could not
// be started, was refused (pkexec's authentication dialog cancelled) or failed.
bool InstallVirtualDevice(const std::string& driverFolder, const std::vector<KeyboardId>& keyboards,
                          const std::string& launcher = "pkexec");

} // namespace clavora
