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
    std::vector<std::uint32_t> held; // usages delivered as pressed and not yet released
};

namespace {

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
    m_udev.reset(udev_new());
    if (!m_thread.IsUsable() || !m_udev)
        return false;
    // Without a monitor the nodes present now are still taken; later ones are not.
    m_monitor = OpenUdevMonitor(m_udev.get(), "input");
    m_sink = std::move(sink);
    m_thread.Start([this](std::stop_token stop) { Run(stop); });
    return true;
}

void EvdevKeySource::Stop()
{
    m_thread.Stop();
    ReleaseNodes();
    m_monitor.reset();
}

void EvdevKeySource::SetKeyboards(const std::vector<KeyboardId>& keyboards)
{
    {
        std::lock_guard lock(m_mutex);
        m_keyboards = keyboards;
    }
    m_thread.Wake();
}

void EvdevKeySource::Run(std::stop_token stop)
{
    Rescan();
    std::vector<pollfd> fds;
    while (!stop.stop_requested()) {
        fds.clear();
        fds.push_back({m_thread.WakeFd(), POLLIN, 0});
        fds.push_back({m_monitor ? udev_monitor_get_fd(m_monitor.get()) : -1, POLLIN, 0});
        for (const auto& node : m_nodes)
            fds.push_back({node->fd.Get(), POLLIN, 0});
        if (::poll(fds.data(), fds.size(), -1) < 0)
            continue;
        bool rescan = false;
        if (fds[0].revents & POLLIN) {
            m_thread.ConsumeWake();
            rescan = true;
        }
        if (fds[1].revents & POLLIN) {
            UdevDevicePtr device(udev_monitor_receive_device(m_monitor.get()));
            rescan = rescan || (device && IsAddAction(device.get()));
        }
        for (std::size_t i = m_nodes.size(); i-- > 0;) {
            const short events = fds[2 + i].revents;
            if ((events & (POLLERR | POLLHUP | POLLNVAL)) || ((events & POLLIN) && !ReadNode(*m_nodes[i])))
                DropNode(i);
        }
        if (rescan && !stop.stop_requested())
            Rescan();
    }
}

bool EvdevKeySource::IsWanted(udev_device* device) const
{
    const std::optional<KeyboardId> id = HidIdOf(device);
    return id && std::find(m_taken.begin(), m_taken.end(), *id) != m_taken.end();
}

void EvdevKeySource::Rescan()
{
    std::vector<KeyboardId> wanted;
    {
        std::lock_guard lock(m_mutex);
        wanted = m_keyboards;
    }
    if (wanted != m_taken) {
        m_taken = wanted;
        // The choice changed: give everything back and choose again.
        while (!m_nodes.empty())
            DropNode(m_nodes.size() - 1);
    }
    if (m_taken.empty())
        return;
    ForEachEventNode(m_udev.get(), [this](udev_device* device) {
        if (IsWanted(device))
            OpenNode(device);
    });
}

void EvdevKeySource::ReleaseNodes()
{
    m_nodes.clear(); // closing a node ends its grab
    m_taken.clear();
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
    if (!node->fd.IsValid() || libevdev_new_from_fd(node->fd.Get(), &raw) < 0) {
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
    const auto key = node.decoder.Feed(event.type, event.code, event.value);
    if (!key)
        return;
    const auto held = std::find(node.held.begin(), node.held.end(), key->usage);
    if (key->pressed && held == node.held.end())
        node.held.push_back(key->usage);
    else if (!key->pressed && held != node.held.end())
        node.held.erase(held);
    m_sink(*key);
}

void EvdevKeySource::DropNode(std::size_t index)
{
    const std::unique_ptr<Node> node = std::move(m_nodes[index]);
    m_nodes.erase(m_nodes.begin() + static_cast<std::ptrdiff_t>(index));
    for (std::uint32_t usage : node->held)
        m_sink(PhysicalKeyEvent{usage, false});
}

} // namespace clavora
