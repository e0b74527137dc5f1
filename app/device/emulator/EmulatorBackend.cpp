#include "device/emulator/EmulatorBackend.h"

#include "device/emulator/Emulator.h"
#include "device/emulator/EmulatorControlSocket.h"

namespace clavora {

namespace {

// An opened interface of the stand-in; it stays tied to the attachment it was opened in.
class EmulatedDevice final : public HidDevice {
public:
    EmulatedDevice(std::shared_ptr<Emulator> emulator, Emulator::Endpoint endpoint)
        : m_emulator(std::move(emulator))
        , m_endpoint(endpoint)
    {
    }
    ~EmulatedDevice() override { m_emulator->Close(m_endpoint); }

    int Write(std::span<const uint8_t> report) override { return m_emulator->Write(m_endpoint, report, m_error); }

    int SendFeatureReport(std::span<const uint8_t> report) override
    {
        return m_emulator->SendFeature(m_endpoint, report, m_error);
    }

    int GetFeatureReport(std::span<uint8_t> report) override
    {
        return m_emulator->GetFeature(m_endpoint, report, m_error);
    }

    std::string ErrorText() override { return m_error; }

private:
    std::shared_ptr<Emulator> m_emulator;
    Emulator::Endpoint m_endpoint;
    std::string m_error; // used under the HID layer's per-interface lock
};

} // namespace

EmulatorBackend::EmulatorBackend(std::shared_ptr<Emulator> emulator)
    : m_emulator(std::move(emulator))
{
}

EmulatorBackend::~EmulatorBackend() = default;

bool EmulatorBackend::ServeControlSocket(const std::string& path)
{
    m_socket = std::make_unique<EmulatorControlSocket>(*m_emulator);
    return m_socket->Start(path);
}

std::vector<HidDeviceInfo> EmulatorBackend::Enumerate() { return m_emulator->Enumerate(); }

std::unique_ptr<HidDevice> EmulatorBackend::Open(const std::string& path)
{
    const auto endpoint = m_emulator->Open(path);
    if (!endpoint)
        return nullptr;
    return std::make_unique<EmulatedDevice>(m_emulator, *endpoint);
}

void EmulatorBackend::NoteSupportedMode(const SupportedMode& mode) { m_emulator->NoteSupportedMode(mode); }

int EmulatorBackend::SubscribeHotplug(HotplugCallback callback)
{
    return m_emulator->SubscribeHotplug(std::move(callback));
}

void EmulatorBackend::UnsubscribeHotplug(int id) { m_emulator->UnsubscribeHotplug(id); }

} // namespace clavora
