#pragma once

#include "device/VirtualReports.h"

namespace clavora {

// The device behind VHidev: the kernel's uhid device on a real system, a recorder in tests.
// Calls come serialised by VHidev's mutex.
class IVirtualHidBackend {
public:
    virtual ~IVirtualHidBackend() = default;

    // Creates or opens the device. True when reports can be written afterwards.
    virtual bool Open() = 0;
    // Removes the device; the system then sees every key and button of it released.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Delivers one output report (byte 0 = marker, byte 1 = report ID, then the data).
    // False when the device is not open or refused the report.
    virtual bool Write(const vhid::OutputReport& report) = 0;
};

} // namespace clavora
