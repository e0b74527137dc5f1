// clavora-inputcheck - checks the real input paths on a machine that has them.
//   virtual                       the uhid device: reports written come back as input events
//   keyboard VVVV:PPPP [seconds]  grabs the keyboard, remaps A to B, passes everything else
//   hotplug [seconds]             prints HID arrivals and removals with their interface paths
// Exit code 0 when the check passed (or, for the interactive ones, ran).

#include "device/HidUsbFilter.h"
#include "device/KeyFilter.h"
#include "device/KeyHandler.h"
#include "device/MacroPlayQueue.h"
#include "device/VHidev.h"
#include "platform/EvdevKeySource.h"
#include "platform/HidrawMonitor.h"
#include "platform/UdevHandles.h"
#include "platform/UhidBackend.h"
#include "description/PlatformKeyCodes.h"

#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

using namespace clavora;

namespace {

// The event node the kernel made for our virtual device's keyboard, mouse or consumer part.
std::vector<std::string> VirtualDeviceNodes()
{
    std::vector<std::string> nodes;
    UdevPtr udev(udev_new());
    ForEachEventNode(udev.get(), [&](udev_device* device) {
        const auto id = HidIdOf(device);
        const char* node = udev_device_get_devnode(device);
        if (id && *id == KeyboardId{kVirtualDeviceVendor, kVirtualDeviceProduct} && node)
            nodes.push_back(node);
    });
    return nodes;
}

// Waits up to a second for the key event `code` with `value` on any of the nodes.
bool SawKey(const std::vector<int>& fds, int code, int value)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (std::chrono::steady_clock::now() < deadline) {
        std::vector<pollfd> polls;
        for (int fd : fds)
            polls.push_back({fd, POLLIN, 0});
        if (::poll(polls.data(), polls.size(), 100) <= 0)
            continue;
        for (const pollfd& p : polls) {
            input_event event;
            while ((p.revents & POLLIN) && ::read(p.fd, &event, sizeof event) == sizeof event) {
                if (event.type == EV_KEY && event.code == code && event.value == value)
                    return true;
            }
        }
    }
    return false;
}

int CheckVirtual()
{
    VHidev device(std::make_unique<UhidBackend>());
    if (!device.FindVirtualDevice()) {
        std::printf("FAIL: /dev/uhid cannot be opened (run data/driver/install.sh through pkexec)\n");
        return 1;
    }
    std::vector<std::string> nodes;
    for (int i = 0; i < 40 && nodes.size() < 3; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        nodes = VirtualDeviceNodes();
    }
    std::vector<int> fds;
    for (const std::string& node : nodes) {
        const int fd = ::open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            fds.push_back(fd);
    }
    std::printf("virtual device nodes: %zu found, %zu readable\n", nodes.size(), fds.size());
    if (fds.empty()) {
        std::printf("FAIL: the virtual device's event nodes cannot be read (run as root for this check)\n");
        return 1;
    }
    struct Probe {
        const char* name;
        std::function<void(bool)> write;
        int code;
    };
    const Probe probes[] = {
        {"keyboard A", [&](bool down) { device.Key(4, down); }, KEY_A},
        {"left Ctrl", [&](bool down) { device.Key(0xE0, down); }, KEY_LEFTCTRL},
        {"volume up", [&](bool down) { device.Consumer(0xE9, down); }, KEY_VOLUMEUP},
        {"left button", [&](bool down) { device.MouseButton(0, down); }, BTN_LEFT},
        {"right button", [&](bool down) { device.MouseButton(1, down); }, BTN_RIGHT},
        {"system sleep", [&](bool down) { device.SystemControl(0x82, down); }, KEY_SLEEP},
    };
    int failures = 0;
    for (const Probe& probe : probes) {
        probe.write(true);
        const bool down = SawKey(fds, probe.code, 1);
        probe.write(false);
        const bool up = SawKey(fds, probe.code, 0);
        std::printf("%s: %s\n", probe.name, down && up ? "ok" : "FAIL");
        failures += down && up ? 0 : 1;
    }
    device.Key(4, true);
    device.Release(); // removing the device must release the held key
    const bool released = SawKey(fds, KEY_A, 0);
    std::printf("key released when the device goes away: %s\n", released ? "ok" : "FAIL");
    failures += released ? 0 : 1;
    for (int fd : fds)
        ::close(fd);
    return failures == 0 ? 0 : 1;
}

std::uint32_t UsageOfEvdev(std::uint16_t code)
{
    const int usage = EvdevToHidUsage(code);
    return usage > 0 ? MakeUsage(kKeyboardPage, static_cast<std::uint16_t>(usage)) : 0;
}

int CheckKeyboard(const char* ids, int seconds)
{
    unsigned vid = 0, pid = 0;
    if (std::sscanf(ids, "%4x:%4x", &vid, &pid) != 2) {
        std::printf("usage: clavora-inputcheck keyboard VVVV:PPPP [seconds]\n");
        return 2;
    }
    VHidev device(std::make_unique<UhidBackend>());
    if (!device.FindVirtualDevice()) {
        std::printf("FAIL: /dev/uhid cannot be opened\n");
        return 1;
    }
    auto source = std::make_shared<EvdevKeySource>(UsageOfEvdev);
    source->SetKeyboards({{static_cast<std::uint16_t>(vid), static_cast<std::uint16_t>(pid)}});
    KeyFilter filter(device, source);
    MacroPlayQueue macros;
    KeyHandler handler(device, macros);
    HidUsbFilter::MonitorProxy<KeyHandler> proxy(&handler, &KeyHandler::OnFilterKey);
    filter.Monitor().AddProxy(&proxy);
    if (!filter.Channel().Open()) {
        std::printf("FAIL: the key source cannot run\n");
        return 1;
    }
    KeyAssignment remap;
    remap.key_code = 4;
    remap.macro_type = kKeyFunctionKey;
    remap.macro_value = 5;
    filter.ArmKeyFilter(handler, {remap});
    std::printf("For %d s: type on the keyboard %04x:%04x. Every key should work as usual, except A, which "
                "types B.\n",
                seconds, vid, pid);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    filter.Quit();
    std::printf("done: the keyboard is back with the system\n");
    return 0;
}

int CheckHotplug(int seconds)
{
    HidrawMonitor monitor;
    if (!monitor.Start([](const HotplugEvent& event) {
            std::printf("%s %s\n", event.arrival ? "arrival" : "removal", event.path.c_str());
            std::fflush(stdout);
        })) {
        std::printf("FAIL: udev cannot be watched\n");
        return 1;
    }
    std::printf("For %d s: plug and unplug HID devices.\n", seconds);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    monitor.Stop();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "virtual")
        return CheckVirtual();
    if (command == "keyboard" && argc > 2)
        return CheckKeyboard(argv[2], argc > 3 ? std::atoi(argv[3]) : 20);
    if (command == "hotplug")
        return CheckHotplug(argc > 2 ? std::atoi(argv[2]) : 20);
    std::printf("usage: clavora-inputcheck virtual | keyboard VVVV:PPPP [seconds] | hotplug [seconds]\n");
    return 2;
}
