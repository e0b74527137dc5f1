#include "device/HotplugMonitor.h"

#include "device/KeyboardHid.h"
#include "platform/HidrawMonitor.h"

namespace clavora {

HotplugMonitor::HotplugMonitor() = default;

HotplugMonitor::~HotplugMonitor()
{
    Stop();
}

bool HotplugMonitor::Start(KeyboardHid& hid, HotplugCallback callback)
{
    Stop();
    m_subscription = hid.SubscribeHotplug(callback);
    if (m_subscription >= 0) {
        m_hid = &hid;
        return true;
    }
    m_hidraw = std::make_unique<HidrawMonitor>();
    if (m_hidraw->Start(std::move(callback)))
        return true;
    m_hidraw.reset();
    return false;
}

void HotplugMonitor::Stop()
{
    if (m_hid != nullptr)
        m_hid->UnsubscribeHotplug(m_subscription);
    m_hid = nullptr;
    m_subscription = -1;
    m_hidraw.reset();
}

} // namespace clavora
