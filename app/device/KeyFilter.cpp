#include "device/KeyFilter.h"

#include "device/KeyHandler.h"
#include "device/KeyTable.h"
#include "device/VHidev.h"
#include "store/DataStore.h"

#include <array>

namespace clavora {

namespace {

constexpr std::array<std::uint8_t, kClearTableSize> kClearTable = {};

} // namespace

KeyFilter::KeyFilter(VHidev& device, std::shared_ptr<IKeySource> source)
    : m_device(device)
    , m_channel(device, std::move(source))
    , m_monitor(m_channel)
{
}

KeyFilter::~KeyFilter()
{
    m_monitor.Stop();
}

void KeyFilter::ArmKeyFilter(KeyHandler& handler, const std::vector<KeyAssignment>& assignments)
{
    m_device.FindVirtualDevice();

    // Stop the monitor first: a handler still running could otherwise set a key again
    // right after the reset below, with nothing left to release it.
    m_monitor.Stop();
    m_device.ResetReports();
    m_channel.LoadKeyTable(kClearTable);

    std::vector<std::uint16_t> codes;
    KeyMap map;
    for (const KeyAssignment& assignment : assignments) {
        if (codes.size() == kKeyTableEntries)
            break; // the filter watches no more keys; the rest keep their own function
        if (assignment.key_code <= 0 || assignment.key_code > 0xFFFF)
            continue;
        const auto code = static_cast<std::uint16_t>(assignment.key_code);
        codes.push_back(code);
        map[code] = assignment;
    }
    handler.SetKeyMap(std::move(map));

    const KeyTable table = BuildKeyTable(codes);
    m_channel.LoadKeyTable(table);

    m_monitor.Stop();
    m_channel.StartReporting();
    m_monitor.Start();
}

void KeyFilter::ArmKeyFilter(KeyHandler& handler, DataStore& store, int profile, int layer)
{
    std::vector<KeyAssignment> assignments;
    store.ListKeyAssignments(profile, layer, assignments);
    ArmKeyFilter(handler, assignments);
}

void KeyFilter::DisarmKeyFilter()
{
    m_monitor.Stop();
    if (m_channel.IsOpen())
        m_channel.LoadKeyTable(kClearTable);
}

void KeyFilter::Quit()
{
    m_device.ResetReports();
    DisarmKeyFilter();
    m_channel.Close();
    m_device.Release();
}

} // namespace clavora
