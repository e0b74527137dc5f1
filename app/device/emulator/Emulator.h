#pragma once

// The stand-in keyboard: the connections of one configured model, attached and detached at run
// time, the keyboard's decoded state, and every report it received. All members are safe to call
// from any thread; hot-plug callbacks run outside the stand-in's lock.
//
// Sections: model · hot-plug · HID side (used by EmulatorBackend) · faults for tests · reading ·
// extension points for the input and virtual-device stand-ins.

#include "device/HidBackend.h"
#include "device/emulator/EmulatedConnection.h"
#include "device/emulator/EmulatedKeyboard.h"
#include "device/emulator/EmulatorSetting.h"

#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace clavora {

// A report as it arrived, `t` in ms since the stand-in started.
struct LoggedReport {
    double t = 0;
    int mode = 0;
    int interface_number = 0;
    std::vector<uint8_t> bytes;
};

// A report written to the virtual device (id 1 keyboard, 2 mouse, 3 consumer, 4 system).
struct VirtualReport {
    double t = 0;
    int id = 0;
    std::vector<uint8_t> bytes;
};

class Emulator {
public:
    // A stand-in without connections; tests add their own.
    Emulator();
    // A stand-in that takes its model from the supported modes as they are registered.
    explicit Emulator(EmulatorSetting setting);

    // --- Model ---
    // Adds a connection (detached), replacing one with the same mode.
    void AddConnection(const EmulatedConnection& connection);
    // A connection config.xml allows: joins the chosen model when it belongs to it and is
    // attached right away when the setting lists its mode.
    void NoteSupportedMode(const SupportedMode& mode);
    std::string ModelName() const;

    // --- Hot-plug ---
    // False when there is no such connection or it already is in that state.
    bool Attach(int mode);
    bool Detach(int mode);
    bool IsAttached(int mode) const;
    int SubscribeHotplug(HotplugCallback callback);
    void UnsubscribeHotplug(int id);

    // --- HID side ---
    struct Endpoint {
        int mode = 0;
        int interface_number = 0;
        uint64_t generation = 0; // a detach makes handles of earlier attachments stale
    };
    std::vector<HidDeviceInfo> Enumerate() const;
    std::optional<Endpoint> Open(const std::string& path);
    void Close(const Endpoint& endpoint);
    int Write(const Endpoint& endpoint, std::span<const uint8_t> report, std::string& error);
    int SendFeature(const Endpoint& endpoint, std::span<const uint8_t> report, std::string& error);
    int GetFeature(const Endpoint& endpoint, std::span<uint8_t> report, std::string& error);

    // --- Faults for tests ---
    // The next `count` writes (output or feature) fail.
    void FailNextWrites(int count);
    // The next `count` feature reads fail, as a keyboard that answers nothing.
    void FailNextReads(int count);
    void SetFirmwareVersion(int version);
    // Handles open on one interface right now.
    int OpenCount(int mode, int interface_number) const;

    // --- Reading ---
    KeyboardState State() const;
    std::vector<LoggedReport> FeatureReports() const;
    std::vector<LoggedReport> OutputReports() const;
    std::vector<VirtualReport> VirtualReports() const;
    // One line of JSON: raw reports, attached connections and the decoded keyboard.
    std::string Dump() const;
    // Forgets the recorded reports (feature, output, virtual).
    void Clear();
    // ms since the stand-in started.
    double Now() const;

    // --- Extension points ---
    void RecordVirtualReport(int id, std::span<const uint8_t> data);
    // The physical keys of the stand-in keyboard: the input stand-in installs the handler that
    // turns a press or release into key events. False when none is installed or it refused.
    using KeyInput = std::function<bool(int usage, bool pressed)>;
    void SetKeyInput(KeyInput input);
    bool PressKey(int usage, bool pressed);

private:
    struct Connection {
        EmulatedConnection spec;
        bool attached = false;
        uint64_t generation = 0;
    };

    bool BelongsLocked(const SupportedMode& mode);
    bool SetAttached(int mode, bool attached);
    void Notify(const std::vector<HotplugEvent>& events);
    // The attached connection an endpoint still reaches, or null with `error` set.
    Connection* ReachLocked(const Endpoint& endpoint, std::string& error);
    int Deliver(const Endpoint& endpoint, std::span<const uint8_t> report, std::string& error, bool feature);
    template<typename T>
    void Log(std::deque<T>& log, T entry);

    const std::chrono::steady_clock::time_point m_start;
    const std::optional<EmulatorSetting> m_setting;

    mutable std::mutex m_lock; // guards everything below up to m_hotplugLock
    std::map<int, Connection> m_connections;
    std::optional<std::string> m_modelName; // set once the first mode of the model arrives
    EmulatedKeyboard m_keyboard;
    std::map<std::pair<int, int>, int> m_openCounts;
    int m_failWrites = 0;
    int m_failReads = 0;
    std::deque<LoggedReport> m_featureReports;
    std::deque<LoggedReport> m_outputReports;
    std::deque<VirtualReport> m_virtualReports;
    uint64_t m_droppedReports = 0;
    KeyInput m_keyInput;

    mutable std::mutex m_hotplugLock;
    std::map<int, HotplugCallback> m_hotplug;
    int m_nextSubscription = 1;
};

} // namespace clavora
