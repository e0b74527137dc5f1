#include "platform/TrayIcon.h"

#include "platform/BusLoop.h"
#include "platform/TrayPixmap.h"

#include <chrono>
#include <unistd.h>

namespace clavora {

namespace {

constexpr const char* kWatcherName = "org.kde.StatusNotifierWatcher";
constexpr const char* kWatcherPath = "/StatusNotifierWatcher";
constexpr const char* kWatcherOwnerMatch = "type='signal',sender='org.freedesktop.DBus',"
                                           "path='/org/freedesktop/DBus',interface='org.freedesktop.DBus',"
                                           "member='NameOwnerChanged',arg0='org.kde.StatusNotifierWatcher'";
// A watcher answers at once; one that hangs must not hold the window thread for long.
constexpr uint64_t kRegisterTimeoutUsec = 2'000'000;
constexpr auto kFirstReplyWait = std::chrono::seconds(3);

// Hosts look for items under this well-known name; when it is taken (a second icon with the same
// number in this process), the connection's unique name serves as well.
std::string ClaimServiceName(sd_bus* bus, int id)
{
    std::string name = "org.kde.StatusNotifierItem-" + std::to_string(getpid()) + "-" + std::to_string(id);
    if (sd_bus_request_name(bus, name.c_str(), 0) >= 0)
        return name;
    const char* unique = nullptr;
    return sd_bus_get_unique_name(bus, &unique) >= 0 ? unique : std::string();
}

} // namespace

TrayIcon::TrayIcon(TrayEventHandler handler, std::string busAddress)
    : m_busAddress(std::move(busAddress))
    , m_item(handler, DBusMenu::kObjectPath)
    , m_menu(handler)
{
}

TrayIcon::~TrayIcon()
{
    Remove();
}

bool TrayIcon::Add(const TrayIconData& data)
{
    if (m_loop && m_loop->IsLoopThread())
        return false;
    Remove();

    BusPtr bus = ConnectBus(m_busAddress);
    if (!bus)
        return false;
    m_item.SetName(data.toolTip);
    m_item.SetToolTip(data.toolTip);
    m_item.SetPixmap(LoadTrayPixmap(data.iconPath).value_or(TrayPixmap {}));
    m_menu.SetItems(data.menu);

    auto loop = std::make_unique<BusLoop>(std::move(bus));
    sd_bus* b = loop->Bus();
    // The match goes in before the first registration, so a watcher that appears in between is
    // not missed (registering twice does no harm).
    if (!m_item.Export(b) || !m_menu.Export(b)
        || sd_bus_add_match(b, nullptr, kWatcherOwnerMatch, &TrayIcon::OnWatcherOwnerChanged, this) < 0)
        return false;
    m_serviceName = ClaimServiceName(b, data.id);
    if (m_serviceName.empty())
        return false;
    {
        std::lock_guard lock(m_replyLock);
        m_replied = false;
    }
    const bool sent = SendRegistration(b);
    if (!loop->Start())
        return false;
    m_loop = std::move(loop);
    return sent && WaitForFirstReply() && m_registered.load();
}

void TrayIcon::Remove()
{
    m_registered = false;
    if (!m_loop)
        return;
    if (m_loop->IsLoopThread()) {
        // Called from the event handler: the thread cannot join itself. It ends (and leaves the
        // bus) when the handler returns; the next Add or the destructor joins it.
        m_loop->RequestStop();
        return;
    }
    // Closing the connection drops the item's name; watchers forget the item when it vanishes.
    m_loop.reset();
    m_registered = false;
}

bool TrayIcon::IsAdded() const
{
    return m_registered.load() && m_loop && m_loop->IsRunning();
}

void TrayIcon::SetToolTip(const std::string& text)
{
    m_item.SetToolTip(text);
    if (m_loop)
        m_loop->Post([](sd_bus* bus) { StatusNotifierItem::EmitNewToolTip(bus); });
}

void TrayIcon::SetMenu(const std::vector<TrayMenuItem>& items)
{
    m_menu.SetItems(items);
    if (m_loop)
        m_loop->Post([this](sd_bus* bus) { m_menu.EmitLayoutUpdated(bus); });
}

bool TrayIcon::SendRegistration(sd_bus* bus)
{
    sd_bus_message* raw = nullptr;
    if (sd_bus_message_new_method_call(bus, &raw, kWatcherName, kWatcherPath, kWatcherName,
            "RegisterStatusNotifierItem")
        < 0)
        return false;
    BusMessagePtr call(raw);
    // A missing watcher must answer "unknown service" at once rather than be started for us.
    return sd_bus_message_set_auto_start(raw, 0) >= 0
        && sd_bus_message_append(raw, "s", m_serviceName.c_str()) >= 0
        && sd_bus_call_async(bus, nullptr, raw, &TrayIcon::OnRegisterReply, this, kRegisterTimeoutUsec) >= 0;
}

bool TrayIcon::WaitForFirstReply()
{
    std::unique_lock lock(m_replyLock);
    return m_replyCv.wait_for(lock, kFirstReplyWait, [this] { return m_replied; });
}

int TrayIcon::OnRegisterReply(sd_bus_message* reply, void* userdata, sd_bus_error*)
{
    auto* self = static_cast<TrayIcon*>(userdata);
    self->m_registered = !sd_bus_message_is_method_error(reply, nullptr);
    {
        std::lock_guard lock(self->m_replyLock);
        self->m_replied = true;
    }
    self->m_replyCv.notify_all();
    return 0;
}

int TrayIcon::OnWatcherOwnerChanged(sd_bus_message* signal, void* userdata, sd_bus_error*)
{
    auto* self = static_cast<TrayIcon*>(userdata);
    const char* name = nullptr;
    const char* oldOwner = nullptr;
    const char* newOwner = nullptr;
    if (sd_bus_message_read(signal, "sss", &name, &oldOwner, &newOwner) < 0)
        return 0;
    if (newOwner && *newOwner)
        self->SendRegistration(sd_bus_message_get_bus(signal));
    else
        self->m_registered = false;
    return 0;
}

} // namespace clavora
