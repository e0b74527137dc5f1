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
    m_udev.reset(udev_new());
    if (!m_thread.IsUsable() || !m_udev)
        return false;
    m_monitor = OpenUdevMonitor(m_udev.get(), "hidraw");
    if (!m_monitor)
        return false;
    m_callback = std::move(callback);
    m_thread.Start([this](std::stop_token stop) { Run(stop); });
    return true;
}

void HidrawMonitor::Stop()
{
    m_thread.Stop();
    m_monitor.reset();
}

void HidrawMonitor::Run(std::stop_token stop)
{
    pollfd fds[2] = {{udev_monitor_get_fd(m_monitor.get()), POLLIN, 0}, {m_thread.WakeFd(), POLLIN, 0}};
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
