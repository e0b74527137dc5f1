#include "device/KeyHandler.h"

#include "device/ConsumerUsage.h"
#include "device/MacroPlayQueue.h"
#include "device/VHidev.h"
#include "device/protocol/MacroEncoding.h"

#include <thread>

namespace clavora {

namespace {

// Key values below this are keyboard usages; 232-249 are the media and browser codes.
constexpr int kFirstMediaCode = 232;

} // namespace

KeyHandler::KeyHandler(VHidev& device, MacroPlayQueue& macros, Sleep sleep)
    : m_device(device)
    , m_macros(macros)
    , m_sleep(std::move(sleep))
{
    if (!m_sleep)
        m_sleep = [](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); };
}

void KeyHandler::SetKeyMap(KeyMap map)
{
    m_keyMap = std::move(map);
}

int KeyHandler::MouseButtonBit(int value)
{
    switch (value) {
    case 1: return 0; // left
    case 2: return 2; // middle
    case 3: return 1; // right
    case 7: return 4; // fifth button
    case 8: return 3; // fourth button
    default: return -1;
    }
}

int KeyHandler::OnFilterKey(std::uint8_t, std::uint16_t keyCode, std::uint8_t pressed)
{
    const auto found = m_keyMap.find(keyCode);
    if (found == m_keyMap.end())
        return 0;
    const KeyAssignment& assignment = found->second;
    const bool down = (pressed & 1) != 0;
    const int value = assignment.macro_value;
    switch (assignment.macro_type) {
    case kKeyFunctionKey:
        if (value >= 0 && value < kFirstMediaCode)
            m_device.Key(value, down);
        else if (const int usage = ConsumerUsageOfKeyCode(value))
            m_device.Consumer(usage, down);
        break;
    case kKeyFunctionMouse:
        if (const int bit = MouseButtonBit(value); bit >= 0)
            m_device.MouseButton(bit, down);
        break;
    case kKeyFunctionShortcut:
        if (down)
            PlayShortcut(value);
        break;
    case kKeyFunctionMacro:
        if (down)
            m_macros.Append(value);
        break;
    default:
        break; // disabled, or a function without an action: the key is swallowed
    }
    return 0;
}

void KeyHandler::PlayShortcut(int number)
{
    if (!m_device.FindVirtualDevice())
        return;
    for (const protocol::ShortcutKey& stroke : protocol::ShortcutSequence(number)) {
        m_device.Key(stroke.usage, stroke.press);
        m_sleep(kShortcutStepPause);
    }
    m_device.ResetReports();
}

} // namespace clavora
