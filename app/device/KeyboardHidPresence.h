#pragma once

// The HID layer as presence sees it: KeyboardHid behind IPresenceHid.

#include "device/DevicePresence.h"

namespace clavora {

class KeyboardHid;

class KeyboardHidPresence : public IPresenceHid {
public:
    explicit KeyboardHidPresence(KeyboardHid& hid);

    void CloseAll() override;
    void Scan() override;
    void SetWantedDeviceType(int deviceType) override;
    int FindInterface(std::uint16_t vid, std::uint16_t pid, const std::string& productName, int mode) override;
    bool AnyInterfaceOpen() override;
    int ConnectionMode() override;

private:
    KeyboardHid& m_hid;
};

} // namespace clavora
