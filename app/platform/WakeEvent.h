#pragma once

// An eventfd that wakes a thread blocked in poll(): Signal from any thread, then the
// descriptor becomes readable until Consume.

#include "device/emulator/UniqueFd.h"

namespace clavora {

class WakeEvent {
public:
    WakeEvent();
    bool IsValid() const { return m_fd.Valid(); }
    int Fd() const { return m_fd.Get(); }
    void Signal();
    void Consume();

private:
    UniqueFd m_fd;
};

} // namespace clavora
