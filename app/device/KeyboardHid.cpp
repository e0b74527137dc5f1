#include "device/KeyboardHid.h"

#include "device/HidBackendChoice.h"

#include <algorithm>

namespace clavora {

namespace {

constexpr uint16_t kConfigUsagePage = 0xFF02;
constexpr uint16_t kConfigUsage = 2;
constexpr uint16_t kLightingUsagePage = 0xFF01;
constexpr uint16_t kLightingUsage = 1;
constexpr int kLightingInterfaceNumber = 3;

constexpr int kWriteRetryMs = 10;
constexpr int kPayloadRetryMs = 32;
constexpr int kFeaturePauseMs = 16;
constexpr int kSlotTableParts = 4;
constexpr size_t kSlotTablePartSize = 7;

bool IsVendorInterface(const HidDeviceInfo& info)
{
    return (info.usage_page == kConfigUsagePage && info.usage == kConfigUsage)
        || (info.usage_page == kLightingUsagePage && info.usage == kLightingUsage);
}

} // namespace

// One opened interface. `io` is held for the whole of each primitive on it.
struct KeyboardHid::Interface {
    HidInterfaceInfo info;
    std::unique_ptr<HidDevice> device;
    mutable std::mutex io;
    std::string lastError; // guarded by io
};

KeyboardHid& KeyboardHid::GetInstance()
{
    static KeyboardHid instance(CreateHidBackend(), DeviceClock::System());
    return instance;
}

KeyboardHid::KeyboardHid(std::unique_ptr<HidBackend> backend, DeviceClock& clock)
    : m_backend(std::move(backend))
    , m_clock(clock)
{
}

KeyboardHid::~KeyboardHid() { CloseAll(); }

void KeyboardHid::AddSupportedMode(int vid, int pid, const std::string& product_name, int device_type, int mode,
    const std::string& hid_interface, const std::string& model_name)
{
    SupportedMode entry { static_cast<uint16_t>(vid), static_cast<uint16_t>(pid), product_name, device_type, mode,
        hid_interface, model_name };
    {
        std::unique_lock lock(m_listLock);
        m_modes.push_back(entry);
    }
    // Outside the lock: the stand-in may attach interfaces and report them right away.
    m_backend->NoteSupportedMode(entry);
}

std::vector<SupportedMode> KeyboardHid::GetSupportedModes() const
{
    std::shared_lock lock(m_listLock);
    return m_modes;
}

const SupportedMode* KeyboardHid::FirstModeLocked(uint16_t vid, uint16_t pid) const
{
    for (const SupportedMode& mode : m_modes) {
        if (mode.vid == vid && mode.pid == pid)
            return &mode;
    }
    return nullptr;
}

bool KeyboardHid::QualifiesLocked(const HidDeviceInfo& info) const
{
    return std::any_of(m_modes.begin(), m_modes.end(), [&](const SupportedMode& mode) {
        return mode.vid == info.vid && mode.pid == info.pid
            && (mode.product_name.empty() || mode.product_name == info.product);
    });
}

int KeyboardHid::Scan()
{
    std::unique_lock lock(m_listLock);
    CloseAllLocked();
    for (const HidDeviceInfo& found : m_backend->Enumerate()) {
        if (!QualifiesLocked(found))
            continue;
        std::unique_ptr<HidDevice> device = m_backend->Open(found.path);
        if (!device || !IsVendorInterface(found))
            continue; // an opened interface of another kind is closed again here
        auto entry = std::make_unique<Interface>();
        entry->device = std::move(device);
        HidInterfaceInfo& info = entry->info;
        info.vid = found.vid;
        info.pid = found.pid;
        info.path = found.path;
        info.product = found.product;
        info.release = found.release;
        info.interface_number = found.interface_number;
        if (found.interface_number == kLightingInterfaceNumber) {
            m_lighting = std::move(entry); // a later one replaces an earlier one
            continue;
        }
        if (const SupportedMode* mode = FirstModeLocked(found.vid, found.pid)) {
            info.device_type = mode->device_type;
            info.mode = mode->mode;
        }
        info.wired = info.mode == kModeWired;
        info.index = static_cast<int>(m_interfaces.size());
        m_interfaces.push_back(std::move(entry));
    }
    m_open = true;
    std::lock_guard choice(m_choiceLock);
    m_wantedType = 0;
    m_chosen = nullptr;
    return static_cast<int>(m_interfaces.size());
}

void KeyboardHid::CloseAll()
{
    std::unique_lock lock(m_listLock);
    CloseAllLocked();
}

void KeyboardHid::CloseAllLocked()
{
    {
        std::lock_guard choice(m_choiceLock);
        m_chosen = nullptr;
    }
    m_open = false;
    m_interfaces.clear();
    m_lighting.reset();
}

bool KeyboardHid::IsOpen() const
{
    std::shared_lock lock(m_listLock);
    return m_open;
}

bool KeyboardHid::HasLightingInterface() const
{
    std::shared_lock lock(m_listLock);
    return m_lighting != nullptr;
}

bool KeyboardHid::Matches(const HidInterfaceInfo& info) const
{
    std::lock_guard choice(m_choiceLock);
    return m_wantedType == 0 || info.device_type == m_wantedType;
}

bool KeyboardHid::ListInterfaces(std::vector<HidInterfaceInfo>& out) const
{
    std::shared_lock lock(m_listLock);
    if (m_interfaces.empty())
        return false;
    out.clear();
    for (const auto& entry : m_interfaces) {
        if (Matches(entry->info))
            out.push_back(entry->info);
    }
    return true;
}

int KeyboardHid::FindInterface(int vid, int pid, const std::string& product, int mode) const
{
    std::shared_lock lock(m_listLock);
    for (const auto& entry : m_interfaces) {
        const HidInterfaceInfo& info = entry->info;
        if (info.vid != vid || info.pid != pid || info.mode != mode)
            continue;
        if (!product.empty() && product != info.product)
            return -1;
        return info.index;
    }
    return -1;
}

KeyboardHid::Interface* KeyboardHid::ChooseLocked()
{
    std::lock_guard choice(m_choiceLock);
    if (m_chosen)
        return m_chosen;
    for (int mode : { 0, 1, 2 }) {
        for (const auto& entry : m_interfaces) {
            const HidInterfaceInfo& info = entry->info;
            if ((m_wantedType == 0 || info.device_type == m_wantedType) && info.mode == mode) {
                m_chosen = entry.get();
                return m_chosen;
            }
        }
    }
    return nullptr;
}

int KeyboardHid::SelectInterface()
{
    std::shared_lock lock(m_listLock);
    Interface* chosen = ChooseLocked();
    return chosen ? chosen->info.index : -1;
}

int KeyboardHid::ConnectionMode() const
{
    std::shared_lock lock(m_listLock);
    bool present[3] = { false, false, false };
    for (const auto& entry : m_interfaces) {
        const int mode = entry->info.mode;
        if (mode >= 0 && mode <= 2 && Matches(entry->info))
            present[mode] = true;
    }
    for (int mode : { 0, 2, 1 }) {
        if (present[mode])
            return mode;
    }
    return -1;
}

void KeyboardHid::SetWantedDeviceType(int device_type)
{
    std::lock_guard choice(m_choiceLock);
    m_wantedType = device_type;
    m_chosen = nullptr;
}

int KeyboardHid::GetWantedDeviceType() const
{
    std::lock_guard choice(m_choiceLock);
    return m_wantedType;
}

int KeyboardHid::WriteWithRetry(Interface& target, std::span<const uint8_t> report, int retry_ms)
{
    int written = target.device->Write(report);
    if (written >= 1)
        return written;
    target.lastError = target.device->ErrorText();
    m_clock.Pause(retry_ms);
    written = target.device->Write(report);
    if (written < 1)
        target.lastError = target.device->ErrorText();
    return written;
}

template<typename Action>
bool KeyboardHid::WithChosen(Action&& action)
{
    std::shared_lock lock(m_listLock);
    Interface* target = m_open ? ChooseLocked() : nullptr;
    if (!target)
        return false;
    std::lock_guard io(target->io);
    return action(*target);
}

bool KeyboardHid::WriteReport(const protocol::ReportFrame& report)
{
    return WithChosen([&](Interface& target) { return WriteWithRetry(target, report, kWriteRetryMs) >= 1; });
}

bool KeyboardHid::WriteFastReport(const protocol::ReportFrame& report)
{
    std::shared_lock lock(m_listLock);
    if (!m_open || !m_lighting)
        return false;
    std::lock_guard io(m_lighting->io);
    return WriteWithRetry(*m_lighting, report, kWriteRetryMs) >= 1;
}

bool KeyboardHid::WritePayload(const protocol::PayloadFrame& payload)
{
    protocol::ReportFrame report {};
    report[0] = protocol::kOutputReportId;
    std::copy(payload.begin(), payload.end(), report.begin() + 1);
    return WithChosen([&](Interface& target) { return WriteWithRetry(target, report, kPayloadRetryMs) >= 1; });
}

bool KeyboardHid::SendFeatureOn(Interface& target, const protocol::FeatureFrame& report)
{
    if (target.device->SendFeatureReport(report) >= 0)
        return true;
    target.lastError = target.device->ErrorText();
    return false;
}

bool KeyboardHid::SendFeature(const protocol::FeatureFrame& report)
{
    return WithChosen([&](Interface& target) {
        m_clock.Pause(kFeaturePauseMs);
        return SendFeatureOn(target, report);
    });
}

bool KeyboardHid::SendFeatureImmediate(const protocol::FeatureFrame& report)
{
    return WithChosen([&](Interface& target) { return SendFeatureOn(target, report); });
}

// Reads a feature report into `buffer` (its byte 0 names the report). Bytes read, or -1.
int KeyboardHid::ReadFeature(Interface& target, protocol::FeatureFrame& buffer)
{
    const int read = target.device->GetFeatureReport(buffer);
    if (read < 1)
        target.lastError = target.device->ErrorText();
    return read;
}

bool KeyboardHid::QuerySlotTable(const protocol::FeatureFrame& request, protocol::SlotTableBytes& out)
{
    return WithChosen([&](Interface& target) {
        SendFeatureOn(target, request);
        for (int part = 0; part < kSlotTableParts; ++part) {
            protocol::FeatureFrame answer { protocol::kFeatureReportId, protocol::cmd::kQuerySlotTable, 0x01 };
            m_clock.Pause(kFeaturePauseMs);
            const int read = ReadFeature(target, answer);
            if (read < 1)
                continue;
            const size_t count = std::min(static_cast<size_t>(read) - 1, kSlotTablePartSize);
            std::copy_n(answer.begin() + 1, count, out.begin() + part * kSlotTablePartSize);
        }
        return true;
    });
}

bool KeyboardHid::QueryFirmwareVersion(int& version)
{
    return WithChosen([&](Interface& target) {
        protocol::FeatureFrame answer { protocol::kFeatureReportId, protocol::cmd::kQueryFirmwareVersion };
        m_clock.Pause(kFeaturePauseMs);
        if (!SendFeatureOn(target, answer))
            return false;
        m_clock.Pause(kFeaturePauseMs);
        bool answered = ReadFeature(target, answer) >= 1;
        if (!answered || answer[0] != protocol::kFeatureReportId) {
            m_clock.Pause(kFeaturePauseMs);
            answered = ReadFeature(target, answer) >= 1 || answered;
        }
        // Without any answer the buffer still holds the request, which is no version.
        if (!answered)
            return false;
        version = answer[1] * 256 + answer[2];
        return true;
    });
}

void KeyboardHid::Pause(int ms) { m_clock.Pause(ms); }

std::string KeyboardHid::GetLastErrorText(int index) const
{
    std::shared_lock lock(m_listLock);
    if (index < 0 || index >= static_cast<int>(m_interfaces.size()))
        return {};
    std::lock_guard io(m_interfaces[index]->io);
    return m_interfaces[index]->lastError;
}

std::string KeyboardHid::GetLightingLastErrorText() const
{
    std::shared_lock lock(m_listLock);
    if (!m_lighting)
        return {};
    std::lock_guard io(m_lighting->io);
    return m_lighting->lastError;
}

int KeyboardHid::SubscribeHotplug(HotplugCallback callback) { return m_backend->SubscribeHotplug(std::move(callback)); }

void KeyboardHid::UnsubscribeHotplug(int id) { m_backend->UnsubscribeHotplug(id); }

Emulator* KeyboardHid::StandIn() { return m_backend->StandIn(); }

} // namespace clavora
