#pragma once

// The HID backend over the stand-in keyboard.

#include "device/HidBackend.h"

#include <memory>

namespace clavora {

class EmulatorControlSocket;

class EmulatorBackend final : public HidBackend {
public:
    explicit EmulatorBackend(std::shared_ptr<Emulator> emulator);
    ~EmulatorBackend() override;

    // Serves the stand-in's control socket at `path` for as long as the backend lives.
    bool ServeControlSocket(const std::string& path);

    std::vector<HidDeviceInfo> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const std::string& path) override;
    void NoteSupportedMode(const SupportedMode& mode) override;
    int SubscribeHotplug(HotplugCallback callback) override;
    void UnsubscribeHotplug(int id) override;
    Emulator* StandIn() override { return m_emulator.get(); }

private:
    std::shared_ptr<Emulator> m_emulator;
    std::unique_ptr<EmulatorControlSocket> m_socket;
};

} // namespace clavora
