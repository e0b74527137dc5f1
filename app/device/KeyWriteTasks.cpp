#include "device/KeyWriteTasks.h"

#include "device/CommandSender.h"
#include "device/DeviceTaskHost.h"
#include "device/KeyboardHid.h"
#include "device/StoredMacro.h"
#include "device/protocol/FeatureCommands.h"
#include "device/protocol/ReportCommands.h"
#include "store/DataStore.h"

namespace clavora {

namespace {

bool IsSlotMacroType(int type)
{
    return type == protocol::kAssignMacro || type == protocol::kAssignShortcut;
}

std::vector<protocol::KeyTableEntry> TableEntries(const std::vector<KeyAssignment>& assignments)
{
    std::vector<protocol::KeyTableEntry> entries;
    entries.reserve(assignments.size());
    for (const KeyAssignment& assignment : assignments)
        entries.push_back({ assignment.key_code, assignment.macro_type, assignment.macro_value });
    return entries;
}

// Uploads the macros into the slots from `slot` on; false when a frame failed, which ends
// the run.
bool UploadReportMacros(KeyboardHid& hid, DataStore& store, const std::vector<KeyAssignment>& assignments,
    int& slot, protocol::KeySlotMap& slots)
{
    CommandSender sender(hid);
    for (const KeyAssignment& assignment : assignments) {
        if (assignment.macro_type != protocol::kAssignMacro)
            continue;
        hid.Pause(kMacroSlotPauseMs);
        if (!sender.Send(protocol::UploadMacro(slot, LoadStoredMacro(store, assignment.macro_value).data)))
            return false;
        slots[assignment.key_code] = slot++;
    }
    return true;
}

void UploadReportShortcuts(KeyboardHid& hid, const std::vector<KeyAssignment>& assignments, int& slot,
    protocol::KeySlotMap& slots)
{
    for (const KeyAssignment& assignment : assignments) {
        if (assignment.macro_type != protocol::kAssignShortcut)
            continue;
        hid.Pause(kMacroSlotPauseMs);
        hid.WriteReport(protocol::UploadMacroShortcut(slot, assignment.macro_value));
        slots[assignment.key_code] = slot++;
    }
}

// Empties every macro slot (but the last) and every remap slot the keyboard says it uses.
void ClearUsedSlots(KeyboardHid& hid, const protocol::SlotTable& table)
{
    CommandSender sender(hid);
    for (int i = 0; i < kClearedMacroSlots; ++i) {
        if (table.macro_keys[i] == 0)
            continue;
        hid.Pause(kFeatureFramePauseMs);
        sender.Send(protocol::UploadSlotMacro(table.macro_keys[i], i + 1, protocol::kAssignNone, 0, nullptr));
    }
    for (int i = 0; i < protocol::kRemapSlots; ++i) {
        if (table.remap_keys[i] == 0)
            continue;
        hid.Pause(kFeatureFramePauseMs);
        if (const auto frame = RemapSlotFrame(i + 1, 0, nullptr))
            hid.SendFeature(*frame);
    }
}

} // namespace

std::optional<protocol::FeatureFrame> RemapSlotFrame(int slot, int key, const KeyAssignment* stored)
{
    if (stored && stored->macro_value > 0) {
        if (stored->macro_type == protocol::kAssignNone || IsSlotMacroType(stored->macro_type))
            return std::nullopt;
        return protocol::SetRemapSlot(slot, key, stored->macro_value);
    }
    return protocol::SetRemapSlot(slot, 0, 0);
}

void WriteKeysReportProtocol(KeyboardHid& hid, DataStore& store, const DeviceTaskContext& context,
    protocol::KeySlotMap& slots)
{
    slots.clear();
    std::vector<KeyAssignment> assignments;
    store.ListKeyAssignments(context.profile, context.layer, assignments);
    int slot = 0;
    if (UploadReportMacros(hid, store, assignments, slot, slots))
        UploadReportShortcuts(hid, assignments, slot, slots);
    // The key table goes out even after a failed macro run: keys whose macro got no slot
    // are left out of it.
    hid.Pause(kKeyTableDelayMs);
    const protocol::KeyTable table = protocol::BuildKeyTable(context.keyIndexMap, TableEntries(assignments), slots);
    CommandSender(hid).Send(protocol::UploadKeyTable(table));
}

void WriteKeysFeatureProtocol(KeyboardHid& hid, DataStore& store, const DeviceTaskContext& context)
{
    protocol::SlotTableBytes answer {};
    hid.QuerySlotTable(protocol::QuerySlotTable(), answer);
    ClearUsedSlots(hid, protocol::ParseSlotTable(answer));

    std::vector<KeyAssignment> assignments;
    store.ListKeyAssignments(context.profile, context.layer, assignments);
    CommandSender sender(hid);
    int macroSlot = 1;
    int remapSlot = 1;
    for (const KeyAssignment& assignment : assignments) {
        const int type = assignment.macro_type;
        if (type == protocol::kAssignNone)
            continue;
        hid.Pause(kFeatureFramePauseMs);
        if (IsSlotMacroType(type)) {
            StoredMacro macro;
            if (type == protocol::kAssignMacro)
                macro = LoadStoredMacro(store, assignment.macro_value);
            sender.Send(protocol::UploadSlotMacro(assignment.key_code, macroSlot++, type, assignment.macro_value,
                macro.found ? &macro.data : nullptr));
            continue;
        }
        KeyAssignment stored;
        const bool found = store.GetKeyAssignment(context.profile, context.layer, assignment.key_code, stored);
        if (const auto frame = RemapSlotFrame(remapSlot++, assignment.key_code, found ? &stored : nullptr))
            hid.SendFeature(*frame);
    }
}

} // namespace clavora
