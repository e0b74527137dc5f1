#include "device/emulator/Emulator.h"

#include "device/emulator/EmulatorDump.h"

namespace clavora {

namespace {
// Enough for minutes of streaming; older reports are dropped (and counted) beyond it.
constexpr size_t kKeptReports = 100000;
constexpr int kFirstModelType = 201;
} // namespace

Emulator::Emulator()
    : m_start(std::chrono::steady_clock::now())
{
}

Emulator::Emulator(EmulatorSetting setting)
    : m_start(std::chrono::steady_clock::now())
    , m_setting(std::move(setting))
{
}

double Emulator::Now() const
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start).count();
}

// --- Model -------------------------------------------------------------------------------------

void Emulator::AddConnection(const EmulatedConnection& connection)
{
    std::lock_guard lock(m_lock);
    m_connections[connection.mode] = Connection { connection, false, 0 };
}

bool Emulator::BelongsLocked(const SupportedMode& mode)
{
    if (m_setting->model.empty()) {
        // The first model of device type 201, told apart from later ones by its name.
        if (mode.device_type != kFirstModelType)
            return false;
        if (!m_modelName)
            m_modelName = mode.model_name;
        return mode.model_name == *m_modelName;
    }
    // Without model names only the connection with that product string can be matched.
    const bool named = mode.model_name == m_setting->model
        || (mode.model_name.empty() && mode.product_name == m_setting->model);
    if (named && !m_modelName)
        m_modelName = m_setting->model;
    return named;
}

void Emulator::NoteSupportedMode(const SupportedMode& mode)
{
    bool attach = false;
    {
        std::lock_guard lock(m_lock);
        if (!m_setting || m_connections.count(mode.mode) || !BelongsLocked(mode))
            return;
        m_connections[mode.mode] = Connection { EmulatedConnection::FromMode(mode), false, 0 };
        for (int wanted : m_setting->modes)
            attach = attach || wanted == mode.mode;
    }
    if (attach)
        Attach(mode.mode);
}

std::string Emulator::ModelName() const
{
    std::lock_guard lock(m_lock);
    return m_modelName.value_or("");
}

// --- Hot-plug ----------------------------------------------------------------------------------

bool Emulator::Attach(int mode) { return SetAttached(mode, true); }

bool Emulator::Detach(int mode) { return SetAttached(mode, false); }

bool Emulator::SetAttached(int mode, bool attached)
{
    std::vector<HotplugEvent> events;
    {
        std::lock_guard lock(m_lock);
        const auto it = m_connections.find(mode);
        if (it == m_connections.end() || it->second.attached == attached)
            return false;
        Connection& connection = it->second;
        connection.attached = attached;
        ++connection.generation;
        for (const EmulatedInterface& iface : connection.spec.interfaces)
            events.push_back({ attached, connection.spec.PathOf(iface.number) });
    }
    Notify(events);
    return true;
}

bool Emulator::IsAttached(int mode) const
{
    std::lock_guard lock(m_lock);
    const auto it = m_connections.find(mode);
    return it != m_connections.end() && it->second.attached;
}

int Emulator::SubscribeHotplug(HotplugCallback callback)
{
    std::lock_guard lock(m_hotplugLock);
    m_hotplug[m_nextSubscription] = std::move(callback);
    return m_nextSubscription++;
}

void Emulator::UnsubscribeHotplug(int id)
{
    std::lock_guard lock(m_hotplugLock);
    m_hotplug.erase(id);
}

void Emulator::Notify(const std::vector<HotplugEvent>& events)
{
    std::vector<HotplugCallback> callbacks;
    {
        std::lock_guard lock(m_hotplugLock);
        for (const auto& [id, callback] : m_hotplug)
            callbacks.push_back(callback);
    }
    for (const HotplugEvent& event : events) {
        for (const HotplugCallback& callback : callbacks)
            callback(event);
    }
}

// --- HID side ----------------------------------------------------------------------------------

std::vector<HidDeviceInfo> Emulator::Enumerate() const
{
    std::lock_guard lock(m_lock);
    std::vector<HidDeviceInfo> found;
    for (const auto& [mode, connection] : m_connections) {
        if (!connection.attached)
            continue;
        const EmulatedConnection& spec = connection.spec;
        for (const EmulatedInterface& iface : spec.interfaces) {
            found.push_back({ spec.PathOf(iface.number), spec.vid, spec.pid, spec.product, spec.release,
                iface.usage_page, iface.usage, iface.number });
        }
    }
    return found;
}

std::optional<Emulator::Endpoint> Emulator::Open(const std::string& path)
{
    std::lock_guard lock(m_lock);
    for (const auto& [mode, connection] : m_connections) {
        if (!connection.attached)
            continue;
        for (const EmulatedInterface& iface : connection.spec.interfaces) {
            if (connection.spec.PathOf(iface.number) == path) {
                ++m_openCounts[{ mode, iface.number }];
                return Endpoint { mode, iface.number, connection.generation };
            }
        }
    }
    return std::nullopt;
}

void Emulator::Close(const Endpoint& endpoint)
{
    std::lock_guard lock(m_lock);
    const auto it = m_openCounts.find({ endpoint.mode, endpoint.interface_number });
    if (it != m_openCounts.end() && --it->second <= 0)
        m_openCounts.erase(it);
}

Emulator::Connection* Emulator::ReachLocked(const Endpoint& endpoint, std::string& error)
{
    const auto it = m_connections.find(endpoint.mode);
    if (it == m_connections.end() || !it->second.attached || it->second.generation != endpoint.generation) {
        error = "the device is not connected";
        return nullptr;
    }
    return &it->second;
}

template<typename T>
void Emulator::Log(std::deque<T>& log, T entry)
{
    if (log.size() >= kKeptReports) {
        log.pop_front();
        ++m_droppedReports;
    }
    log.push_back(std::move(entry));
}

int Emulator::Deliver(const Endpoint& endpoint, std::span<const uint8_t> report, std::string& error, bool feature)
{
    std::lock_guard lock(m_lock);
    if (!ReachLocked(endpoint, error))
        return -1;
    if (m_failWrites > 0) {
        --m_failWrites;
        error = feature ? "the feature report was refused" : "the write was refused";
        return -1;
    }
    const double t = Now();
    Log(feature ? m_featureReports : m_outputReports,
        LoggedReport { t, endpoint.mode, endpoint.interface_number, { report.begin(), report.end() } });
    if (feature)
        m_keyboard.HandleFeature(t, endpoint.mode, endpoint.interface_number, report);
    else
        m_keyboard.HandleOutput(t, endpoint.mode, endpoint.interface_number, report);
    return static_cast<int>(report.size());
}

int Emulator::Write(const Endpoint& endpoint, std::span<const uint8_t> report, std::string& error)
{
    return Deliver(endpoint, report, error, false);
}

int Emulator::SendFeature(const Endpoint& endpoint, std::span<const uint8_t> report, std::string& error)
{
    return Deliver(endpoint, report, error, true);
}

int Emulator::GetFeature(const Endpoint& endpoint, std::span<uint8_t> report, std::string& error)
{
    std::lock_guard lock(m_lock);
    if (!ReachLocked(endpoint, error))
        return -1;
    if (m_failReads > 0) {
        --m_failReads;
        error = "the keyboard did not answer";
        return -1;
    }
    if (!m_keyboard.AnswerFeature(report)) {
        error = "the keyboard has nothing to answer";
        return -1;
    }
    return static_cast<int>(report.size());
}

// --- Faults ------------------------------------------------------------------------------------

void Emulator::FailNextWrites(int count)
{
    std::lock_guard lock(m_lock);
    m_failWrites = count;
}

void Emulator::FailNextReads(int count)
{
    std::lock_guard lock(m_lock);
    m_failReads = count;
}

void Emulator::SetFirmwareVersion(int version)
{
    std::lock_guard lock(m_lock);
    m_keyboard.SetFirmwareVersion(version);
}

int Emulator::OpenCount(int mode, int interface_number) const
{
    std::lock_guard lock(m_lock);
    const auto it = m_openCounts.find({ mode, interface_number });
    return it == m_openCounts.end() ? 0 : it->second;
}

// --- Reading -----------------------------------------------------------------------------------

KeyboardState Emulator::State() const
{
    std::lock_guard lock(m_lock);
    return m_keyboard.State();
}

std::vector<LoggedReport> Emulator::FeatureReports() const
{
    std::lock_guard lock(m_lock);
    return { m_featureReports.begin(), m_featureReports.end() };
}

std::vector<LoggedReport> Emulator::OutputReports() const
{
    std::lock_guard lock(m_lock);
    return { m_outputReports.begin(), m_outputReports.end() };
}

std::vector<VirtualReport> Emulator::VirtualReports() const
{
    std::lock_guard lock(m_lock);
    return { m_virtualReports.begin(), m_virtualReports.end() };
}

std::string Emulator::Dump() const
{
    std::lock_guard lock(m_lock);
    const std::string model = m_modelName.value_or("");
    EmulatorDumpView view { model, 0, m_keyboard.State(), m_featureReports, m_outputReports, m_virtualReports,
        m_droppedReports, {} };
    for (const auto& [mode, connection] : m_connections) {
        if (connection.attached)
            view.attached.push_back(mode);
        view.device_type = connection.spec.device_type;
    }
    return FormatEmulatorDump(view);
}

void Emulator::Clear()
{
    std::lock_guard lock(m_lock);
    m_featureReports.clear();
    m_outputReports.clear();
    m_virtualReports.clear();
    m_droppedReports = 0;
}

// --- Extension points --------------------------------------------------------------------------

void Emulator::RecordVirtualReport(int id, std::span<const uint8_t> data)
{
    std::lock_guard lock(m_lock);
    Log(m_virtualReports, VirtualReport { Now(), id, { data.begin(), data.end() } });
}

void Emulator::SetKeyInput(KeyInput input)
{
    std::lock_guard lock(m_lock);
    m_keyInput = std::move(input);
}

bool Emulator::PressKey(int usage, bool pressed)
{
    KeyInput input;
    {
        std::lock_guard lock(m_lock);
        input = m_keyInput;
    }
    return input && input(usage, pressed);
}

} // namespace clavora
