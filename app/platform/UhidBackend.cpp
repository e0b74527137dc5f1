#include "platform/UhidBackend.h"

#include "platform/ExitRelease.h"

#include <fcntl.h>
#include <linux/input.h>
#include <linux/uhid.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace clavora {

namespace {

// clang-format off
constexpr std::uint8_t kReportDescriptor[] = {
    // Report 1: keyboard - one constant pad byte, then a bitmap of the usages 0-255.
    0x05, 0x01,             // Usage Page (Generic Desktop)
    0x09, 0x06,             // Usage (Keyboard)
    0xA1, 0x01,             // Collection (Application)
    0x85, 0x01,             //   Report ID (1)
    0x75, 0x08, 0x95, 0x01, //   Report Size (8), Report Count (1)
    0x81, 0x03,             //   Input (Constant)
    0x05, 0x07,             //   Usage Page (Keyboard/Keypad)
    0x19, 0x00,             //   Usage Minimum (0)
    0x2A, 0xFF, 0x00,       //   Usage Maximum (255)
    0x15, 0x00, 0x25, 0x01, //   Logical Minimum (0), Logical Maximum (1)
    0x75, 0x01,             //   Report Size (1)
    0x96, 0x00, 0x01,       //   Report Count (256)
    0x81, 0x02,             //   Input (Data, Variable, Absolute)
    0xC0,                   // End Collection

    // Report 2: mouse - eight buttons, then X, Y and wheel, always zero.
    0x05, 0x01, 0x09, 0x02, // Usage Page (Generic Desktop), Usage (Mouse)
    0xA1, 0x01,             // Collection (Application)
    0x85, 0x02,             //   Report ID (2)
    0x09, 0x01, 0xA1, 0x00, //   Usage (Pointer), Collection (Physical)
    0x05, 0x09,             //     Usage Page (Button)
    0x19, 0x01, 0x29, 0x08, //     Usage Minimum (1), Usage Maximum (8)
    0x15, 0x00, 0x25, 0x01, //     Logical Minimum (0), Logical Maximum (1)
    0x75, 0x01, 0x95, 0x08, //     Report Size (1), Report Count (8)
    0x81, 0x02,             //     Input (Data, Variable, Absolute)
    0x05, 0x01,             //     Usage Page (Generic Desktop)
    0x09, 0x30, 0x09, 0x31, 0x09, 0x38, // Usage (X), Usage (Y), Usage (Wheel)
    0x15, 0x81, 0x25, 0x7F, //     Logical Minimum (-127), Logical Maximum (127)
    0x75, 0x08, 0x95, 0x03, //     Report Size (8), Report Count (3)
    0x81, 0x06,             //     Input (Data, Variable, Relative)
    0xC0, 0xC0,             //   End Collection, End Collection

    // Report 3: consumer control - one 16-bit usage.
    0x05, 0x0C, 0x09, 0x01, // Usage Page (Consumer), Usage (Consumer Control)
    0xA1, 0x01,             // Collection (Application)
    0x85, 0x03,             //   Report ID (3)
    0x15, 0x00, 0x26, 0xFF, 0x03, // Logical Minimum (0), Logical Maximum (1023)
    0x19, 0x00, 0x2A, 0xFF, 0x03, // Usage Minimum (0), Usage Maximum (1023)
    0x75, 0x10, 0x95, 0x01, //   Report Size (16), Report Count (1)
    0x81, 0x00,             //   Input (Data, Array, Absolute)
    0xC0,                   // End Collection

    // Report 4: system control - one 16-bit usage.
    0x05, 0x01, 0x09, 0x80, // Usage Page (Generic Desktop), Usage (System Control)
    0xA1, 0x01,             // Collection (Application)
    0x85, 0x04,             //   Report ID (4)
    0x15, 0x00, 0x26, 0xFF, 0x00, // Logical Minimum (0), Logical Maximum (255)
    0x19, 0x00, 0x2A, 0xFF, 0x00, // Usage Minimum (0), Usage Maximum (255)
    0x75, 0x10, 0x95, 0x01, //   Report Size (16), Report Count (1)
    0x81, 0x00,             //   Input (Data, Array, Absolute)
    0xC0,                   // End Collection
};
// clang-format on

static_assert(sizeof kReportDescriptor <= HID_MAX_DESCRIPTOR_SIZE);

bool WriteEvent(int fd, const uhid_event& event)
{
    const ssize_t written = ::write(fd, &event, sizeof event);
    return written == static_cast<ssize_t>(sizeof event);
}

} // namespace

std::span<const std::uint8_t> VirtualDeviceReportDescriptor()
{
    return kReportDescriptor;
}

UhidBackend::UhidBackend(std::string nodePath)
    : m_nodePath(std::move(nodePath))
{
}

UhidBackend::~UhidBackend()
{
    Close();
}

bool UhidBackend::Open()
{
    if (m_fd.IsValid())
        return true;
    UniqueFd fd(::open(m_nodePath.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
    if (!fd.IsValid()) {
        std::fprintf(stdout, "virtual device: cannot open %s: %s\n", m_nodePath.c_str(), std::strerror(errno));
        return false;
    }
    uhid_event event = {};
    event.type = UHID_CREATE2;
    std::snprintf(reinterpret_cast<char*>(event.u.create2.name), sizeof event.u.create2.name, "%s",
                  kVirtualDeviceName);
    event.u.create2.rd_size = sizeof kReportDescriptor;
    event.u.create2.bus = BUS_VIRTUAL;
    event.u.create2.vendor = kVirtualDeviceVendor;
    event.u.create2.product = kVirtualDeviceProduct;
    event.u.create2.version = 1;
    std::memcpy(event.u.create2.rd_data, kReportDescriptor, sizeof kReportDescriptor);
    if (!WriteEvent(fd.Get(), event)) {
        std::fprintf(stdout, "virtual device: cannot create it: %s\n", std::strerror(errno));
        return false;
    }
    std::fprintf(stdout, "virtual device: created \"%s\" %04X:%04X\n", kVirtualDeviceName,
                 kVirtualDeviceVendor, kVirtualDeviceProduct);
    m_fd = std::move(fd);
    ExitRelease::SetDevice(m_fd.Get());
    return true;
}

void UhidBackend::Close()
{
    if (!m_fd.IsValid())
        return;
    ExitRelease::SetDevice(-1);
    uhid_event event = {};
    event.type = UHID_DESTROY;
    WriteEvent(m_fd.Get(), event);
    m_fd.Reset();
}

bool UhidBackend::IsOpen() const
{
    return m_fd.IsValid();
}

bool UhidBackend::Write(const vhid::OutputReport& report)
{
    if (!m_fd.IsValid() || report[0] != vhid::kOutputReportMarker)
        return false;
    const auto data = vhid::ReportData(report);
    if (data.empty())
        return false; // the device has no such report
    uhid_event event = {};
    event.type = UHID_INPUT2;
    event.u.input2.size = static_cast<std::uint16_t>(1 + data.size());
    event.u.input2.data[0] = report[1];
    std::memcpy(event.u.input2.data + 1, data.data(), data.size());
    const bool written = WriteEvent(m_fd.Get(), event);
    DiscardKernelEvents();
    return written;
}

void UhidBackend::DiscardKernelEvents()
{
    // The kernel queues start/open/close/LED notices for us; none of them needs an answer,
    // but an unread queue overflows and fills the kernel log.
    uhid_event event;
    while (::read(m_fd.Get(), &event, sizeof event) > 0) {
    }
}

} // namespace clavora
