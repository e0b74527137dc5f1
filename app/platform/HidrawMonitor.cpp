#include "platform/HidrawMonitor.h"

#include "platform/InterfacePath.h"

#include <poll.h>

#include <cstring>

namespace clavora {

HidrawMonitor::HidrawMonitor() = default;

HidrawMonitor::~HidrawMonitor()
{
    Stop();
}

bool HidrawMonitor::Start(HotplugCallback callback)
{
    Stop();
    if (!m_wake.IsValid())
        return false;
    m_udev.reset(udev_new());
    if (!m_udev)
        return false;
    m_monitor.reset(udev_monitor_new_from_netlink(m_udev.get(), "udev"));
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor.get(), "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(m_monitor.get()) < 0) {
        m_monitor.reset();
        return false;
    }
    m_callback = std::move(callback);
    m_thread = std::jthread([this](std::stop_token stop) { Run(stop); });
    return true;
}

void HidrawMonitor::Stop()
{
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_wake.Signal();
        m_thread.join();
        m_thread = std::jthread();
        m_wake.Consume();
    }
    m_monitor.reset();
}

void HidrawMonitor::Run(std::stop_token stop)
{
    pollfd fds[2] = {{udev_monitor_get_fd(m_monitor.get()), POLLIN, 0}, {m_wake.Fd(), POLLIN, 0}};
    while (!stop.stop_requested()) {
        if (::poll(fds, 2, -1) < 0)
            continue; // interrupted
        if (fds[0].revents & POLLIN)
            ReceiveOne();
    }
}

void HidrawMonitor::ReceiveOne()
{
    UdevDevicePtr device(udev_monitor_receive_device(m_monitor.get()));
    if (!device)
        return;
    const char* action = udev_device_get_action(device.get());
    const char* devpath = udev_device_get_devpath(device.get());
    if (action == nullptr || devpath == nullptr)
        return;
    HotplugEvent change;
    if (std::strcmp(action, "add") == 0)
        change.arrival = true;
    else if (std::strcmp(action, "remove") == 0)
        change.arrival = false;
    else
        return;
    const auto identity = IdentityFromDevpath(devpath);
    if (!identity)
        return;
    change.path = InterfacePathFor(*identity);
    m_callback(change);
}

} // namespace clavora
