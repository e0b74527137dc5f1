#pragma once

// Stand-in for the grabbed keyboard: tests press and release its physical keys. Each key event
// runs through the filter synchronously, on the caller's thread.

#include "device/IKeySource.h"

#include <mutex>
#include <vector>

namespace clavora {

class KeySourceStandIn : public IKeySource {
public:
    bool Start(Sink sink) override;
    void Stop() override;
    void SetKeyboards(const std::vector<KeyboardId>& keyboards) override;

    // A page-qualified usage (MakeUsage), or a plain keyboard usage below 0x10000.
    // False when nothing takes the keys (the filter is not open).
    bool Press(std::uint32_t usage);
    bool Release(std::uint32_t usage);

    std::vector<KeyboardId> Keyboards() const;

private:
    bool Deliver(std::uint32_t usage, bool pressed);

    // Held while a key event runs, so Stop waits for it.
    mutable std::mutex m_mutex;
    Sink m_sink;                         // guarded by m_mutex
    std::vector<KeyboardId> m_keyboards; // guarded by m_mutex
};

} // namespace clavora
