#include "TrayClient.h"

#include "platform/DBusMenu.h"
#include "platform/StatusNotifierItem.h"

#include <chrono>
#include <cstdlib>

namespace clavora::test {

namespace {

struct BusErrorFree {
    sd_bus_error error = SD_BUS_ERROR_NULL;
    ~BusErrorFree() { sd_bus_error_free(&error); }
};

constexpr const char* kItemPath = StatusNotifierItem::kObjectPath;
constexpr const char* kItemInterface = StatusNotifierItem::kInterface;

BusMessagePtr GetProperty(sd_bus* bus, const std::string& service, const char* property, const char* type)
{
    BusErrorFree error;
    sd_bus_message* reply = nullptr;
    if (!bus
        || sd_bus_get_property(bus, service.c_str(), kItemPath, kItemInterface, property, &error.error, &reply, type)
            < 0)
        return nullptr;
    return BusMessagePtr(reply);
}

// Reads one menu node (ia{sv}av) of a layout: its id, label and, for the root, the children.
void ReadNode(sd_bus_message* m, std::vector<std::pair<int, std::string>>& out, bool isRoot)
{
    int id = 0;
    std::string label;
    sd_bus_message_enter_container(m, 'r', "ia{sv}av");
    sd_bus_message_read(m, "i", &id);
    sd_bus_message_enter_container(m, 'a', "{sv}");
    while (sd_bus_message_enter_container(m, 'e', "sv") > 0) {
        const char* key = nullptr;
        sd_bus_message_read(m, "s", &key);
        const char* text = nullptr;
        if (std::string(key) == "label" && sd_bus_message_read(m, "v", "s", &text) >= 0)
            label = text;
        else
            sd_bus_message_skip(m, "v");
        sd_bus_message_exit_container(m);
    }
    sd_bus_message_exit_container(m);
    sd_bus_message_enter_container(m, 'a', "v");
    while (sd_bus_message_enter_container(m, 'v', "(ia{sv}av)") > 0) {
        ReadNode(m, out, false);
        sd_bus_message_exit_container(m);
    }
    sd_bus_message_exit_container(m);
    sd_bus_message_exit_container(m);
    if (!isRoot)
        out.emplace_back(id, label);
}

} // namespace

TrayClient::TrayClient(const std::string& address, std::string service)
    : m_bus(ConnectBus(address))
    , m_service(std::move(service))
{
}

std::string TrayClient::ItemString(const char* property) const
{
    char* value = nullptr;
    BusErrorFree error;
    if (!m_bus
        || sd_bus_get_property_string(m_bus.get(), m_service.c_str(), kItemPath, kItemInterface, property, &error.error,
               &value)
            < 0)
        return "<error>";
    std::string out = value;
    free(value);
    return out;
}

bool TrayClient::ItemIsMenu() const
{
    BusMessagePtr reply = GetProperty(m_bus.get(), m_service, "ItemIsMenu", "b");
    int value = -1;
    return reply && sd_bus_message_read(reply.get(), "b", &value) >= 0 && value;
}

std::string TrayClient::MenuPath() const
{
    BusMessagePtr reply = GetProperty(m_bus.get(), m_service, "Menu", "o");
    const char* path = nullptr;
    return reply && sd_bus_message_read(reply.get(), "o", &path) >= 0 ? path : "<error>";
}

std::string TrayClient::ToolTipTitle() const
{
    BusMessagePtr reply = GetProperty(m_bus.get(), m_service, "ToolTip", "(sa(iiay)ss)");
    const char* title = nullptr;
    if (!reply || sd_bus_message_enter_container(reply.get(), 'r', "sa(iiay)ss") < 0
        || sd_bus_message_skip(reply.get(), "sa(iiay)") < 0 || sd_bus_message_read(reply.get(), "s", &title) < 0)
        return "<error>";
    return title;
}

TrayPixmap TrayClient::IconPixmap() const
{
    TrayPixmap out;
    BusMessagePtr reply = GetProperty(m_bus.get(), m_service, "IconPixmap", "a(iiay)");
    const void* data = nullptr;
    size_t size = 0;
    if (reply && sd_bus_message_enter_container(reply.get(), 'a', "(iiay)") > 0
        && sd_bus_message_enter_container(reply.get(), 'r', "iiay") > 0
        && sd_bus_message_read(reply.get(), "ii", &out.width, &out.height) >= 0
        && sd_bus_message_read_array(reply.get(), 'y', &data, &size) >= 0) {
        const auto* bytes = static_cast<const uint8_t*>(data);
        out.argb.assign(bytes, bytes + size);
    }
    return out;
}

bool TrayClient::Click(const char* method, int x, int y) const
{
    BusErrorFree error;
    return m_bus
        && sd_bus_call_method(m_bus.get(), m_service.c_str(), kItemPath, kItemInterface, method, &error.error, nullptr,
               "ii", x, y)
        >= 0;
}

std::pair<unsigned, std::vector<std::pair<int, std::string>>> TrayClient::MenuLayout() const
{
    std::pair<unsigned, std::vector<std::pair<int, std::string>>> out { 0, {} };
    BusErrorFree error;
    sd_bus_message* raw = nullptr;
    if (!m_bus
        || sd_bus_call_method(m_bus.get(), m_service.c_str(), DBusMenu::kObjectPath, DBusMenu::kInterface, "GetLayout",
               &error.error, &raw, "iias", 0, -1, 0)
            < 0)
        return out;
    BusMessagePtr reply(raw);
    sd_bus_message_read(raw, "u", &out.first);
    ReadNode(raw, out.second, true);
    return out;
}

bool TrayClient::MenuEvent(int id, const char* eventId) const
{
    BusErrorFree error;
    return m_bus
        && sd_bus_call_method(m_bus.get(), m_service.c_str(), DBusMenu::kObjectPath, DBusMenu::kInterface, "Event",
               &error.error, nullptr, "isvu", id, eventId, "s", "", 0u)
        >= 0;
}

std::vector<int> TrayClient::MenuClickGroup(const std::vector<int>& ids) const
{
    sd_bus_message* raw = nullptr;
    if (!m_bus
        || sd_bus_message_new_method_call(m_bus.get(), &raw, m_service.c_str(), DBusMenu::kObjectPath,
               DBusMenu::kInterface, "EventGroup")
            < 0)
        return { -1 };
    BusMessagePtr call(raw);
    sd_bus_message_open_container(raw, 'a', "(isvu)");
    for (int id : ids)
        sd_bus_message_append(raw, "(isvu)", id, "clicked", "s", "", 0u);
    sd_bus_message_close_container(raw);
    BusErrorFree error;
    sd_bus_message* replyRaw = nullptr;
    if (sd_bus_call(m_bus.get(), raw, 0, &error.error, &replyRaw) < 0)
        return { -1 };
    BusMessagePtr reply(replyRaw);
    const void* data = nullptr;
    size_t size = 0;
    sd_bus_message_read_array(replyRaw, 'i', &data, &size);
    const int* unknown = static_cast<const int*>(data);
    return std::vector<int>(unknown, unknown + size / sizeof(int));
}

void TrayClient::Watch(const char* path, const char* interface, const char* member)
{
    m_signalled = false;
    if (m_bus)
        sd_bus_match_signal(m_bus.get(), nullptr, nullptr, path, interface, member, &TrayClient::OnSignal,
            this);
}

bool TrayClient::WaitForSignal()
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (m_bus && !m_signalled && std::chrono::steady_clock::now() < deadline) {
        int r = sd_bus_process(m_bus.get(), nullptr);
        if (r < 0)
            return false;
        if (r == 0)
            sd_bus_wait(m_bus.get(), 100'000);
    }
    return m_signalled;
}

int TrayClient::OnSignal(sd_bus_message*, void* userdata, sd_bus_error*)
{
    static_cast<TrayClient*>(userdata)->m_signalled = true;
    return 0;
}

} // namespace clavora::test
