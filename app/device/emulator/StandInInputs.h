#pragma once

// The stand-ins for the system's input side, while the stand-in keyboard is selected: the
// virtual device's recorder, the keyboard's key source and the hot-plug source. One set per
// process, so the stand-in keyboard's control socket reaches the same objects the program uses.

#include "device/IDeviceEventSource.h"
#include "device/IKeySource.h"
#include "device/IVirtualHidBackend.h"
#include "device/emulator/HotplugStandIn.h"
#include "device/emulator/KeySourceStandIn.h"
#include "device/emulator/VirtualReportLog.h"

#include <memory>
#include <string>

namespace clavora {

class StandInInputs {
public:
    static StandInInputs& Get();

    // A recorder writing into the shared report log.
    std::unique_ptr<IVirtualHidBackend> NewVirtualDevice() const;
    std::shared_ptr<KeySourceStandIn> KeySource() const { return m_keySource; }
    std::shared_ptr<HotplugStandIn> Hotplug() const { return m_hotplug; }
    std::shared_ptr<VirtualReportLog> Reports() const { return m_reports; }

    // The reports since the last call, as dump's "virtual_reports" array.
    std::string TakeReportsJson();

private:
    StandInInputs();

    const std::shared_ptr<VirtualReportLog> m_reports;
    const std::shared_ptr<KeySourceStandIn> m_keySource;
    const std::shared_ptr<HotplugStandIn> m_hotplug;
};

} // namespace clavora
