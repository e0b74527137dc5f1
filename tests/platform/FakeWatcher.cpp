#include "FakeWatcher.h"

#include <algorithm>
#include <chrono>

namespace clavora::test {

namespace {

constexpr const char* kName = "org.kde.StatusNotifierWatcher";
constexpr const char* kPath = "/StatusNotifierWatcher";
constexpr auto kPatience = std::chrono::seconds(5);

} // namespace

const sd_bus_vtable FakeWatcher::kVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("RegisterStatusNotifierItem", "s", "", &FakeWatcher::OnRegister, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_PROPERTY("RegisteredStatusNotifierItems", "as", &FakeWatcher::GetItems, 0, 0),
    SD_BUS_PROPERTY("IsStatusNotifierHostRegistered", "b", &FakeWatcher::GetTrue, 0, 0),
    SD_BUS_PROPERTY("ProtocolVersion", "i", &FakeWatcher::GetVersion, 0, 0),
    SD_BUS_SIGNAL("StatusNotifierItemRegistered", "s", 0),
    SD_BUS_SIGNAL("StatusNotifierItemUnregistered", "s", 0),
    SD_BUS_VTABLE_END,
};

FakeWatcher::FakeWatcher(const std::string& address)
{
    BusPtr bus = ConnectBus(address);
    if (!bus)
        return;
    sd_bus* b = bus.get();
    if (sd_bus_add_object_vtable(b, nullptr, kPath, kName, kVtable, this) < 0
        || sd_bus_match_signal(b, nullptr, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
               "NameOwnerChanged", &FakeWatcher::OnNameOwnerChanged, this)
            < 0
        || sd_bus_request_name(b, kName, 0) < 0)
        return;
    auto loop = std::make_unique<BusLoop>(std::move(bus));
    if (loop->Start())
        m_loop = std::move(loop);
}

FakeWatcher::~FakeWatcher()
{
    m_loop.reset();
}

std::vector<std::string> FakeWatcher::WaitForRegistrations(size_t count) const
{
    std::unique_lock lock(m_lock);
    m_changed.wait_for(lock, kPatience, [&] { return m_registrations.size() >= count; });
    return m_registrations;
}

bool FakeWatcher::WaitForItemGone(const std::string& service) const
{
    std::unique_lock lock(m_lock);
    return m_changed.wait_for(lock, kPatience,
        [&] { return std::find(m_items.begin(), m_items.end(), service) == m_items.end(); });
}

std::vector<std::string> FakeWatcher::Items() const
{
    std::lock_guard lock(m_lock);
    return m_items;
}

int FakeWatcher::OnRegister(sd_bus_message* call, void* userdata, sd_bus_error*)
{
    auto* self = static_cast<FakeWatcher*>(userdata);
    const char* service = nullptr;
    int r = sd_bus_message_read(call, "s", &service);
    if (r < 0)
        return r;
    {
        std::lock_guard lock(self->m_lock);
        self->m_registrations.push_back(service);
        if (std::find(self->m_items.begin(), self->m_items.end(), service) == self->m_items.end())
            self->m_items.push_back(service);
    }
    self->m_changed.notify_all();
    return sd_bus_reply_method_return(call, "");
}

int FakeWatcher::OnNameOwnerChanged(sd_bus_message* signal, void* userdata, sd_bus_error*)
{
    auto* self = static_cast<FakeWatcher*>(userdata);
    const char* name = nullptr;
    const char* oldOwner = nullptr;
    const char* newOwner = nullptr;
    if (sd_bus_message_read(signal, "sss", &name, &oldOwner, &newOwner) < 0 || *newOwner)
        return 0;
    {
        std::lock_guard lock(self->m_lock);
        std::erase(self->m_items, std::string(name));
    }
    self->m_changed.notify_all();
    return 0;
}

int FakeWatcher::GetItems(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void* userdata,
    sd_bus_error*)
{
    auto* self = static_cast<FakeWatcher*>(userdata);
    std::lock_guard lock(self->m_lock);
    int r = sd_bus_message_open_container(reply, 'a', "s");
    for (size_t i = 0; r >= 0 && i < self->m_items.size(); ++i)
        r = sd_bus_message_append(reply, "s", self->m_items[i].c_str());
    return r < 0 ? r : sd_bus_message_close_container(reply);
}

int FakeWatcher::GetTrue(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*,
    sd_bus_error*)
{
    return sd_bus_message_append(reply, "b", 1);
}

int FakeWatcher::GetVersion(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*,
    sd_bus_error*)
{
    return sd_bus_message_append(reply, "i", 0);
}

} // namespace clavora::test
