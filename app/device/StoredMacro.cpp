#include "device/StoredMacro.h"

#include "description/KeyCodes.h"
#include "store/DataStore.h"

namespace clavora {

StoredMacro LoadStoredMacro(DataStore& store, int macroId)
{
    StoredMacro macro;
    MacroRecord record;
    macro.found = store.GetMacro(macroId, record);
    if (macro.found)
        macro.data.play_times = record.play_times;
    std::vector<MacroEvent> events;
    store.ListMacroEvents(macroId, events);
    macro.data.steps.reserve(events.size());
    for (const MacroEvent& event : events)
        macro.data.steps.push_back({ event.type, VirtualKeyToKeyCode(event.value), event.delay_time });
    return macro;
}

} // namespace clavora
