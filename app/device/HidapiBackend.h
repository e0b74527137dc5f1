#pragma once

// Real keyboards through hidapi's hidraw backend.

#include "device/HidBackend.h"

namespace clavora {

class HidapiBackend final : public HidBackend {
public:
    // Loads the HID library; it is unloaded with the backend.
    HidapiBackend();
    ~HidapiBackend() override;
    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    std::vector<HidDeviceInfo> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const std::string& path) override;

private:
    bool m_ready = false;
};

} // namespace clavora
