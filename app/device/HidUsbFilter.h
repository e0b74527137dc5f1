#pragma once

// The callback through which the filter monitor hands watched key events to their owner.

#include <cstdint>

namespace clavora::HidUsbFilter {

class IMonitorProxy {
public:
    virtual ~IMonitorProxy() = default;
    // One key event: the event's flag byte, the key code and the press bit. Non-zero stops
    // the walk over the remaining proxies.
    virtual int OnKeyEvent(std::uint8_t flags, std::uint16_t keyCode, std::uint8_t pressed) = 0;
};

// Forwards the event unchanged to a member function of its target.
template <class T>
class MonitorProxy : public IMonitorProxy {
public:
    using Handler = int (T::*)(std::uint8_t, std::uint16_t, std::uint8_t);

    MonitorProxy(T* target, Handler handler)
        : m_target(target)
        , m_handler(handler)
    {
    }

    int OnKeyEvent(std::uint8_t flags, std::uint16_t keyCode, std::uint8_t pressed) override
    {
        return (m_target->*m_handler)(flags, keyCode, pressed);
    }

private:
    T* m_target;
    Handler m_handler;
};

} // namespace clavora::HidUsbFilter
