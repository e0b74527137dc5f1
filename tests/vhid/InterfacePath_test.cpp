// Interface paths synthesised from udev device paths.

#include "platform/InterfacePath.h"

#include <gtest/gtest.h>

namespace clavora {
namespace {

TEST(InterfacePath, DevicePathsBecomeWindowsStylePaths)
{
    const std::pair<const char*, const char*> table[] = {
        {"/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:046D:C52B.0005/hidraw/hidraw3",
         "HID\\VID_046D&PID_C52B&MI_01\\0003:046D:C52B.0005"},
        // Behind a hub, interface 3, lower-case hex in the kernel name.
        {"/devices/pci0000:00/0000:00:14.0/usb3/3-1/3-1.4/3-1.4:1.3/0003:258a:00fa.001C/hidraw/hidraw9",
         "HID\\VID_258A&PID_00FA&MI_03\\0003:258A:00FA.001C"},
        // Interface numbers are written in hex, as Windows does.
        {"/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.10/0003:1234:5678.0001/hidraw/hidraw0",
         "HID\\VID_1234&PID_5678&MI_0A\\0003:1234:5678.0001"},
        {"/devices/virtual/misc/uhid/0005:046D:B023.0007/hidraw/hidraw5",
         "HID\\{00001812-0000-1000-8000-00805F9B34FB}_DEV_VID&02046D_PID&B023\\0005:046D:B023.0007"},
        {"/devices/virtual/misc/uhid/0006:DEED:FEED.000A/hidraw/hidraw6", "HID\\VID_DEED&PID_FEED\\0006:DEED:FEED.000A"},
    };
    for (const auto& [devpath, expected] : table) {
        SCOPED_TRACE(devpath);
        const auto identity = IdentityFromDevpath(devpath);
        ASSERT_TRUE(identity.has_value());
        EXPECT_EQ(InterfacePathFor(*identity), expected);
    }
}

TEST(InterfacePath, PathsWithoutAHidDeviceGiveNothing)
{
    for (const char* devpath : {"", "/devices/virtual/misc/uhid", "/devices/pci0000:00/0003:046D:C52B/hidraw/hidraw1",
                                "/devices/0003:046G:C52B.0005/hidraw/hidraw1"}) {
        SCOPED_TRACE(devpath);
        EXPECT_FALSE(IdentityFromDevpath(devpath).has_value());
    }
}

} // namespace
} // namespace clavora
