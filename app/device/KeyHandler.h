#pragma once

// KeyHandler - what an assigned key does when the key filter reports it: the assignment of the
// key code, by its function type, becomes virtual keyboard, consumer or mouse input, a
// shortcut's key sequence, or a macro queued for the device worker. Every other type swallows
// the key.
//
// The key map is replaced only while the filter monitor is stopped (the monitor thread is the
// only reader), so the handler never sees a half-built map.

#include "store/KeyAssignment.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <unordered_map>

namespace clavora {

class VHidev;
class MacroPlayQueue;

using KeyMap = std::unordered_map<std::uint16_t, KeyAssignment>;

class KeyHandler {
public:
    using Sleep = std::function<void(std::chrono::milliseconds)>;

    static constexpr std::chrono::milliseconds kShortcutStepPause{10};

    // The sleep paces shortcut sequences; empty means the real clock.
    KeyHandler(VHidev& device, MacroPlayQueue& macros, Sleep sleep = {});

    // Only while the filter monitor is stopped.
    void SetKeyMap(KeyMap map);
    const KeyMap& GetKeyMap() const { return m_keyMap; }

    // The filter monitor's callback (through a MonitorProxy). Always 0, so later proxies see
    // the event too.
    int OnFilterKey(std::uint8_t kind, std::uint16_t keyCode, std::uint8_t pressed);

    // The mouse button bit of a mouse function value, -1 for values without one.
    static int MouseButtonBit(int value);

private:
    void PlayShortcut(int number);

    VHidev& m_device;
    MacroPlayQueue& m_macros;
    Sleep m_sleep;
    KeyMap m_keyMap; // read by the monitor thread; replaced only while it is stopped
};

} // namespace clavora
