#include "platform/EvdevKeySource.h"

#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace clavora {

struct EvdevKeySource::Node {
    explicit Node(EvdevKeyDecoder::UsageTable table)
        : decoder(table)
    {
    }
    std::string devnode;
    UniqueFd fd;
    EvdevPtr device;
    EvdevKeyDecoder decoder;
    bool grabbed = false;
};

namespace {

// "0003:0000046D:0000C52B" - bus, vendor and product of a HID device.
bool ParseHidId(const char* text, KeyboardId& id)
{
    unsigned bus = 0, vid = 0, pid = 0;
    if (text == nullptr || std::sscanf(text, "%x:%x:%x", &bus, &vid, &pid) != 3)
        return false;
    id = {static_cast<std::uint16_t>(vid), static_cast<std::uint16_t>(pid)};
    return true;
}

bool AnyKeyDown(libevdev* device)
{
    for (unsigned code = 0; code <= KEY_MAX; ++code) {
        if (libevdev_has_event_code(device, EV_KEY, code) && libevdev_get_event_value(device, EV_KEY, code) != 0)
            return true;
    }
    return false;
}

bool IsAddAction(udev_device* device)
{
    const char* action = udev_device_get_action(device);
    return action != nullptr && std::strcmp(action, "add") == 0;
}

} // namespace

EvdevKeySource::EvdevKeySource(EvdevKeyDecoder::UsageTable table)
    : m_table(table)
{
}

EvdevKeySource::~EvdevKeySource()
{
    Stop();
}

bool EvdevKeySource::Start(Sink sink)
{
    Stop();
    if (!m_wake.IsValid())
        return false;
    m_udev.reset(udev_new());
    if (!m_udev)
        return false;
    // Without a monitor the nodes present now are still taken; later ones are not.
    m_monitor.reset(udev_monitor_new_from_netlink(m_udev.get(), "udev"));
    if (m_monitor && (udev_monitor_filter_add_match_subsystem_devtype(m_monitor.get(), "input", nullptr) < 0 ||
                      udev_monitor_enable_receiving(m_monitor.get()) < 0))
        m_monitor.reset();
    m_sink = std::move(sink);
    m_thread = std::jthread([this](std::stop_token stop) { Run(stop); });
    return true;
}

void EvdevKeySource::Stop()
{
    if (!m_thread.joinable())
        return;
    m_thread.request_stop();
    m_wake.Signal();
    m_thread.join();
    m_thread = std::jthread();
    m_wake.Consume();
    m_nodes.clear(); // closing a node ends its grab
    m_taken.clear();
    m_monitor.reset();
}

void EvdevKeySource::SetKeyboards(const std::vector<KeyboardId>& keyboards)
{
    {
        std::lock_guard lock(m_mutex);
        m_keyboards = keyboards;
    }
    m_wake.Signal();
}

void EvdevKeySource::Run(std::stop_token stop)
{
    Rescan();
    std::vector<pollfd> fds;
    while (!stop.stop_requested()) {
        fds.clear();
        fds.push_back({m_wake.Fd(), POLLIN, 0});
        fds.push_back({m_monitor ? udev_monitor_get_fd(m_monitor.get()) : -1, POLLIN, 0});
        for (const auto& node : m_nodes)
            fds.push_back({node->fd.Get(), POLLIN, 0});
        if (::poll(fds.data(), fds.size(), -1) < 0)
            continue;
        bool rescan = false;
        if (fds[0].revents & POLLIN) {
            m_wake.Consume();
            rescan = true;
        }
        if (fds[1].revents & POLLIN) {
            UdevDevicePtr device(udev_monitor_receive_device(m_monitor.get()));
            rescan = rescan || (device && IsAddAction(device.get()));
        }
        for (std::size_t i = m_nodes.size(); i-- > 0;) {
            const short events = fds[2 + i].revents;
            if ((events & (POLLERR | POLLHUP | POLLNVAL)) || ((events & POLLIN) && !ReadNode(*m_nodes[i])))
                m_nodes.erase(m_nodes.begin() + static_cast<std::ptrdiff_t>(i));
        }
        if (rescan && !stop.stop_requested())
            Rescan();
    }
}

bool EvdevKeySource::IsWanted(udev_device* device) const
{
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
    KeyboardId id;
    if (hid == nullptr || !ParseHidId(udev_device_get_property_value(hid, "HID_ID"), id))
        return false;
    return std::find(m_taken.begin(), m_taken.end(), id) != m_taken.end();
}

void EvdevKeySource::Rescan()
{
    {
        std::lock_guard lock(m_mutex);
        if (m_keyboards != m_taken) {
            m_taken = m_keyboards;
            m_nodes.clear(); // the choice changed: give everything back and choose again
        }
    }
    if (m_taken.empty())
        return;
    UdevEnumeratePtr enumerate(udev_enumerate_new(m_udev.get()));
    if (!enumerate)
        return;
    udev_enumerate_add_match_subsystem(enumerate.get(), "input");
    udev_enumerate_add_match_sysname(enumerate.get(), "event*");
    udev_enumerate_scan_devices(enumerate.get());
    udev_list_entry* entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get()))
    {
        UdevDevicePtr device(udev_device_new_from_syspath(m_udev.get(), udev_list_entry_get_name(entry)));
        if (device && IsWanted(device.get()))
            OpenNode(device.get());
    }
}

void EvdevKeySource::OpenNode(udev_device* device)
{
    const char* devnode = udev_device_get_devnode(device);
    if (devnode == nullptr)
        return;
    for (const auto& node : m_nodes) {
        if (node->devnode == devnode)
            return; // already ours
    }
    auto node = std::make_unique<Node>(m_table);
    node->devnode = devnode;
    node->fd = UniqueFd(::open(devnode, O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    libevdev* raw = nullptr;
    if (!node->fd.Valid() || libevdev_new_from_fd(node->fd.Get(), &raw) < 0) {
        std::fprintf(stdout, "key filter: cannot open %s: %s\n", devnode, std::strerror(errno));
        return;
    }
    node->device.reset(raw);
    // Only key-only nodes: a pointer or touch node of the same device stays with the system.
    if (!libevdev_has_event_type(raw, EV_KEY) || libevdev_has_event_type(raw, EV_REL) ||
        libevdev_has_event_type(raw, EV_ABS))
        return;
    if (!AnyKeyDown(raw))
        node->grabbed = libevdev_grab(raw, LIBEVDEV_GRAB) == 0;
    std::fprintf(stdout, "key filter: %s %s\n", node->grabbed ? "grabbed" : "waiting to grab", devnode);
    m_nodes.push_back(std::move(node));
}

bool EvdevKeySource::ReadNode(Node& node)
{
    input_event event;
    unsigned flags = LIBEVDEV_READ_FLAG_NORMAL;
    for (;;) {
        const int status = libevdev_next_event(node.device.get(), flags, &event);
        if (status == LIBEVDEV_READ_STATUS_SYNC) {
            // Events were lost: the sync events bring the key states up to date.
            flags = LIBEVDEV_READ_FLAG_SYNC;
            HandleEvent(node, event);
            continue;
        }
        if (status == LIBEVDEV_READ_STATUS_SUCCESS) {
            HandleEvent(node, event);
            continue;
        }
        if (status == -EAGAIN && flags == LIBEVDEV_READ_FLAG_SYNC) {
            flags = LIBEVDEV_READ_FLAG_NORMAL;
            continue;
        }
        return status == -EAGAIN;
    }
}

void EvdevKeySource::HandleEvent(Node& node, const input_event& event)
{
    if (!node.grabbed) {
        // The system still has this node; take it once all its keys are up.
        if (event.type == EV_SYN && !AnyKeyDown(node.device.get()))
            node.grabbed = libevdev_grab(node.device.get(), LIBEVDEV_GRAB) == 0;
        return;
    }
    if (const auto key = node.decoder.Feed(event.type, event.code, event.value))
        m_sink(*key);
}

} // namespace clavora
