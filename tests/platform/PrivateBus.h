#pragma once

#include <string>
#include <sys/types.h>

namespace clavora::test {

// A session bus of the test's own: a dbus-daemon started for it and ended with it, so tray
// tests neither need nor disturb a desktop session.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Empty when the daemon could not be started.
    const std::string& Address() const { return m_address; }

private:
    pid_t m_pid = -1;
    std::string m_address;
};

} // namespace clavora::test
