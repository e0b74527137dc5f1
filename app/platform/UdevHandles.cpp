#include "platform/UdevHandles.h"

#include <cstdio>

namespace clavora {

UdevMonitorPtr OpenUdevMonitor(udev* context, const char* subsystem)
{
    UdevMonitorPtr monitor(udev_monitor_new_from_netlink(context, "udev"));
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), subsystem, nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor.get()) < 0)
        return nullptr;
    return monitor;
}

void ForEachEventNode(udev* context, const std::function<void(udev_device*)>& visit)
{
    UdevEnumeratePtr enumerate(udev_enumerate_new(context));
    if (!enumerate)
        return;
    udev_enumerate_add_match_subsystem(enumerate.get(), "input");
    udev_enumerate_add_match_sysname(enumerate.get(), "event*");
    udev_enumerate_scan_devices(enumerate.get());
    udev_list_entry* entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get()))
    {
        UdevDevicePtr device(udev_device_new_from_syspath(context, udev_list_entry_get_name(entry)));
        if (device)
            visit(device.get());
    }
}

std::optional<KeyboardId> HidIdOf(udev_device* node)
{
    // HID_ID reads "0003:0000046D:0000C52B": bus, vendor, product.
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(node, "hid", nullptr);
    const char* text = hid ? udev_device_get_property_value(hid, "HID_ID") : nullptr;
    unsigned bus = 0, vid = 0, pid = 0;
    if (text == nullptr || std::sscanf(text, "%x:%x:%x", &bus, &vid, &pid) != 3)
        return std::nullopt;
    return KeyboardId{static_cast<std::uint16_t>(vid), static_cast<std::uint16_t>(pid)};
}

} // namespace clavora
