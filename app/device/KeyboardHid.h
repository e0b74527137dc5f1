#pragma once

// The one object through which every report reaches the keyboard.
//
// Sections: set-up (supported modes) · scanning and choosing · report primitives · diagnostics.
//
// Locking: a scan or CloseAll takes the interface list exclusively; every primitive holds it
// shared plus the lock of the one interface it talks to, for the whole primitive including its
// pauses. So the worker, the audio thread and the window thread never overlap on an interface,
// a scan never runs while a primitive is inside the device, and streaming on the lighting
// interface does not wait behind configuration traffic.

#include "device/DeviceClock.h"
#include "device/HidBackend.h"
#include "device/HidRecords.h"
#include "device/protocol/ProtocolTypes.h"

#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <vector>

namespace clavora {

class KeyboardHid {
public:
    // The process's instance, created on first use; the backend is chosen then (the stand-in
    // keyboard when CLAVORA_EMULATOR is set, hidapi otherwise).
    static KeyboardHid& GetInstance();

    // An instance over a given backend and clock, for tests and benchmarks.
    KeyboardHid(std::unique_ptr<HidBackend> backend, DeviceClock& clock);
    ~KeyboardHid();
    KeyboardHid(const KeyboardHid&) = delete;
    KeyboardHid& operator=(const KeyboardHid&) = delete;

    // --- Set-up ---
    void AddSupportedMode(int vid, int pid, const std::string& product_name, int device_type, int mode,
        const std::string& hid_interface, const std::string& model_name = {});
    std::vector<SupportedMode> GetSupportedModes() const;

    // --- Scanning and choosing ---
    // Closes what is open, opens every qualifying interface, sets the open flag and the wanted
    // device type 0 and forgets the cached choice. Returns the number of listed interfaces.
    int Scan();
    void CloseAll();
    bool IsOpen() const;
    bool HasLightingInterface() const;
    // False when the list is empty; otherwise the entries of the wanted device type (all for 0).
    bool ListInterfaces(std::vector<HidInterfaceInfo>& out) const;
    // The first entry with this vid, pid and mode, or -1; also -1 when `product` is not empty
    // and differs from that entry's product string.
    int FindInterface(int vid, int pid, const std::string& product, int mode) const;
    // Index of the interface the primitives talk to (wired, then mode 1, then mode 2; cached),
    // or -1.
    int SelectInterface();
    // 0 if a wired entry of the wanted type exists, else 2, else 1, else -1.
    int ConnectionMode() const;
    // 0 = any. Changing it forgets the cached choice.
    void SetWantedDeviceType(int device_type);
    int GetWantedDeviceType() const;

    // --- Report primitives (all fail while closed or without an interface) ---
    // 65 bytes to the chosen interface; one retry after 10 ms.
    bool WriteReport(const protocol::ReportFrame& report);
    // 65 bytes to the lighting interface; one retry after 10 ms.
    bool WriteFastReport(const protocol::ReportFrame& report);
    // Report ID 0 + 64 bytes to the chosen interface; one retry after 32 ms.
    bool WritePayload(const protocol::PayloadFrame& payload);
    // Feature report after a 16 ms pause; true when the interface accepted it.
    bool SendFeature(const protocol::FeatureFrame& report);
    bool SendFeatureImmediate(const protocol::FeatureFrame& report);
    // Sends the request, then reads four 7-byte parts 16 ms apart into `out`; a part that
    // cannot be read leaves its bytes as they were. True once an interface is chosen.
    bool QuerySlotTable(const protocol::FeatureFrame& request, protocol::SlotTableBytes& out);
    // True with the keyboard's version when it answered.
    bool QueryFirmwareVersion(int& version);

    // Pause between primitives, through the same clock.
    void Pause(int ms);

    // --- Diagnostics and hot-plug ---
    // Text of the last failed call on interface `index` / on the lighting interface.
    std::string GetLastErrorText(int index) const;
    std::string GetLightingLastErrorText() const;
    // See HidBackend::SubscribeHotplug.
    int SubscribeHotplug(HotplugCallback callback);
    void UnsubscribeHotplug(int id);
    // The stand-in keyboard when it was chosen, else null.
    Emulator* StandIn();

private:
    struct Interface;

    void CloseAllLocked();
    bool QualifiesLocked(const HidDeviceInfo& info) const;
    const SupportedMode* FirstModeLocked(uint16_t vid, uint16_t pid) const;
    Interface* ChooseLocked();
    bool Matches(const HidInterfaceInfo& info) const;
    template<typename Action>
    bool WithChosen(Action&& action);
    int WriteWithRetry(Interface& target, std::span<const uint8_t> report, int retry_ms);
    bool SendFeatureOn(Interface& target, const protocol::FeatureFrame& report);
    int ReadFeature(Interface& target, protocol::FeatureFrame& buffer);

    std::unique_ptr<HidBackend> m_backend;
    DeviceClock& m_clock;

    mutable std::shared_mutex m_listLock; // guards everything below up to m_choiceLock
    std::vector<SupportedMode> m_modes;
    bool m_open = false;
    std::vector<std::unique_ptr<Interface>> m_interfaces;
    std::unique_ptr<Interface> m_lighting;

    mutable std::mutex m_choiceLock; // guards the wanted type and the cached choice
    int m_wantedType = 0;
    Interface* m_chosen = nullptr;
};

} // namespace clavora
