#include "store/DataStore.h"

#include "store/StoreQuery.h"

namespace clavora {

using namespace storequery;

namespace {

MacroRecord ReadMacro(const SQLiteStatement& row)
{
    MacroRecord record;
    record.macro_id = row.ColumnInt(0);
    record.play_times = row.ColumnInt(1);
    record.delay_type = row.ColumnInt(2);
    record.delay_time = row.ColumnInt(3);
    record.link_count = row.ColumnInt(4);
    record.name = ColumnString(row, 5);
    return record;
}

MacroEvent ReadMacroEvent(const SQLiteStatement& row)
{
    MacroEvent record;
    record.record_id = row.ColumnInt(0);
    record.macro_id = row.ColumnInt(1);
    record.type = row.ColumnInt(2);
    record.record_index = row.ColumnInt(3);
    record.desc = ColumnString(row, 4);
    record.value = row.ColumnInt(5);
    record.delay_time = row.ColumnInt(6);
    return record;
}

constexpr const char* kInsertMacro = "INSERT INTO t_macro_data(play_times, delay_type, delay_time, "
                                     "link_count, name) VALUES (?, ?, ?, ?, ?);";
constexpr const char* kListMacroEvents
    = "SELECT * FROM t_macrorecord WHERE macro_id = ? ORDER BY record_index ASC";
constexpr const char* kDeleteMacroEvents = "DELETE FROM t_macrorecord WHERE macro_id = ?";
constexpr const char* kInsertMacroEvent
    = "INSERT INTO t_macrorecord(macro_id, type, record_index, desc, value, "
      "delay_time) VALUES (?, ?, ?, ?, ?, ?);";

} // namespace

int DataStore::CreateMacro(const std::string& name)
{
    std::lock_guard lock(m_lock);
    return Insert(m_db, kInsertMacro, 1, 1, 0, 0, name);
}

int DataStore::InsertMacro(const MacroRecord& m)
{
    std::lock_guard lock(m_lock);
    return Insert(m_db, kInsertMacro, m.play_times, m.delay_type, m.delay_time, m.link_count, m.name);
}

bool DataStore::RenameMacro(int macro_id, const std::string& name)
{
    std::lock_guard lock(m_lock);
    return RunOk(m_db, "UPDATE t_macro_data SET name = ? WHERE macro_id = ?", name, macro_id);
}

bool DataStore::UpdateMacroPlayback(int macro_id, int play_times, int delay_type, int delay_time)
{
    std::lock_guard lock(m_lock);
    return RunOk(m_db,
        "UPDATE t_macro_data SET play_times = ?, delay_type = ?, delay_time = ? WHERE macro_id = ?",
        play_times, delay_type, delay_time, macro_id);
}

bool DataStore::DeleteMacro(int macro_id)
{
    std::lock_guard lock(m_lock);
    // One step: no events without their macro and no key left pointing at a missing macro.
    return Atomically(m_db, [&] {
        return RunOk(m_db, "DELETE FROM t_macro_data WHERE macro_id = ?", macro_id)
            && RunOk(m_db, kDeleteMacroEvents, macro_id)
            && RunOk(m_db, "DELETE FROM t_key_macro_data WHERE macro_type = ? and macro_value = ?",
                static_cast<int>(kKeyFunctionMacro), macro_id);
    });
}

bool DataStore::GetMacroPlayTimes(int macro_id, int& play_times)
{
    std::lock_guard lock(m_lock);
    return ReadFirst(
        m_db, play_times, [](const SQLiteStatement& row) { return row.ColumnInt(0); },
        "SELECT play_times FROM t_macro_data WHERE macro_id = ?", macro_id);
}

bool DataStore::GetMacro(int macro_id, MacroRecord& out)
{
    std::lock_guard lock(m_lock);
    return ReadFirst(m_db, out, ReadMacro, "SELECT * FROM t_macro_data WHERE macro_id = ?", macro_id);
}

int DataStore::ListMacros(std::vector<MacroRecord>& out)
{
    std::lock_guard lock(m_lock);
    return ReadRows(m_db, out, ReadMacro, "SELECT * FROM t_macro_data");
}

int DataStore::InsertMacroEvent(const MacroEvent& e)
{
    std::lock_guard lock(m_lock);
    return Insert(m_db, kInsertMacroEvent, e.macro_id, e.type, e.record_index, e.desc, e.value, e.delay_time);
}

bool DataStore::InsertMacroEventsLocked(const std::vector<MacroEvent>& events, std::optional<int> macro_id)
{
    return InsertEach(m_db, kInsertMacroEvent, events, [&](SQLiteStatement& s, const MacroEvent& e) {
        BindAll(s, macro_id.value_or(e.macro_id), e.type, e.record_index, e.desc, e.value, e.delay_time);
    });
}

bool DataStore::InsertMacroEvents(const std::vector<MacroEvent>& events)
{
    std::lock_guard lock(m_lock);
    // All or nothing: a macro that plays half its events would leave keys held down.
    return Atomically(m_db, [&] { return InsertMacroEventsLocked(events, std::nullopt); });
}

int DataStore::ListMacroEvents(int macro_id, std::vector<MacroEvent>& out)
{
    std::lock_guard lock(m_lock);
    return ReadRows(m_db, out, ReadMacroEvent, kListMacroEvents, macro_id);
}

bool DataStore::DeleteMacroEvents(int macro_id)
{
    std::lock_guard lock(m_lock);
    return RunOk(m_db, kDeleteMacroEvents, macro_id);
}

int DataStore::CountMacroEvents(int macro_id)
{
    std::lock_guard lock(m_lock);
    int count = 0;
    ForEachRow(
        m_db, [&](const SQLiteStatement& row) { count += row.ColumnInt(2) != 1 ? 1 : 0; }, kListMacroEvents,
        macro_id);
    return count;
}

bool DataStore::ReplaceMacroEvents(int macro_id, const std::vector<MacroEvent>& events)
{
    std::lock_guard lock(m_lock);
    return Atomically(m_db, [&] {
        return RunOk(m_db, kDeleteMacroEvents, macro_id) && InsertMacroEventsLocked(events, macro_id);
    });
}

} // namespace clavora
