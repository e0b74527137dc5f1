#include "store/DataStore.h"

#include "store/StoreQuery.h"

namespace clavora {

using namespace storequery;

namespace {

LightRecord ReadLight(const SQLiteStatement& row)
{
    LightRecord record;
    record.light_id = row.ColumnInt(0);
    record.profile = row.ColumnInt(1);
    record.name = ColumnString(row, 2);
    record.mode = row.ColumnInt(3);
    record.brightness = row.ColumnInt(4);
    record.speed = row.ColumnInt(5);
    record.direction = row.ColumnInt(6);
    record.colorful = row.ColumnInt(7);
    record.colorindex = row.ColumnInt(8);
    record.color_value = row.ColumnInt(9);
    record.config_func = row.ColumnInt(10);
    record.reserved = row.ColumnInt(11);
    record.status = row.ColumnInt(12);
    return record;
}

KeyLight ReadKeyLight(const SQLiteStatement& row)
{
    KeyLight record;
    record.keylight_id = row.ColumnInt(0);
    record.profile = row.ColumnInt(1);
    record.light_id = row.ColumnInt(2);
    record.key_code = row.ColumnInt(3);
    record.key_rgb = row.ColumnInt(4);
    return record;
}

constexpr const char* kDeleteKeyLightSet = "DELETE FROM t_key_light_data WHERE light_id = ?";

} // namespace

int DataStore::CountLights(int profile)
{
    std::lock_guard lock(m_lock);
    return ReadInt(m_db, 0, "select count(*) FROM t_light_data WHERE profile = ?", profile);
}

int DataStore::InsertLight(const LightRecord& l)
{
    std::lock_guard lock(m_lock);
    return Insert(m_db,
        "INSERT INTO t_light_data(profile, name, mode, brightness, speed, direction, colorful, colorindex, "
        "color_value, config_func, reserved, status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
        l.profile, l.name, l.mode, l.brightness, l.speed, l.direction, l.colorful, l.colorindex,
        l.color_value, l.config_func, l.reserved, l.status);
}

bool DataStore::UpdateLight(const LightRecord& l)
{
    std::lock_guard lock(m_lock);
    return RunOk(m_db,
        "UPDATE t_light_data SET brightness = ?, speed = ?, direction = ?, colorful = ?, colorindex = ?, "
        "color_value = ?, config_func = ?, reserved = ? WHERE profile = ? AND mode = ?",
        l.brightness, l.speed, l.direction, l.colorful, l.colorindex, l.color_value, l.config_func,
        l.reserved, l.profile, l.mode);
}

bool DataStore::SetActiveLightMode(int profile, int mode)
{
    std::lock_guard lock(m_lock);
    return Atomically(m_db, [&] {
        Run(m_db, "UPDATE t_light_data SET status = ?", 0);
        return RunOk(
            m_db, "UPDATE t_light_data SET status = ? WHERE profile = ? and mode = ?", 1, profile, mode);
    });
}

int DataStore::GetActiveLightMode(int profile)
{
    std::lock_guard lock(m_lock);
    return ReadInt(m_db, 0, "SELECT mode FROM t_light_data WHERE profile = ? and status = ?", profile, 1);
}

bool DataStore::GetLight(int profile, int mode, LightRecord& out)
{
    std::lock_guard lock(m_lock);
    return ReadFirst(
        m_db, out, ReadLight, "SELECT * FROM t_light_data WHERE profile = ? AND mode = ?", profile, mode);
}

int DataStore::ListLights(int profile, std::vector<LightRecord>& out)
{
    std::lock_guard lock(m_lock);
    return ReadRows(m_db, out, ReadLight, "SELECT * FROM t_light_data WHERE profile = ?", profile);
}

bool DataStore::InsertKeyLightsLocked(const std::vector<KeyLight>& lights, std::optional<int> light_id)
{
    return InsertEach(m_db,
        "INSERT INTO t_key_light_data(profile, light_id, key_code, key_rgb) VALUES (?, ?, ?, ?);", lights,
        [&](SQLiteStatement& s, const KeyLight& k) {
            BindAll(s, k.profile, light_id.value_or(k.light_id), k.key_code, k.key_rgb);
        });
}

int DataStore::InsertKeyLights(const std::vector<KeyLight>& lights)
{
    std::lock_guard lock(m_lock);
    // All or nothing: half a colour set would be sent to the keyboard as if it were whole.
    bool ok = Atomically(m_db, [&] { return InsertKeyLightsLocked(lights, std::nullopt); });
    return ok ? static_cast<int>(lights.size()) : 0;
}

bool DataStore::DeleteCustomKeyLights()
{
    std::lock_guard lock(m_lock);
    return RunOk(m_db, kDeleteKeyLightSet, kCustomKeyLightSet);
}

int DataStore::ListKeyLights(int light_id, std::vector<KeyLight>& out)
{
    std::lock_guard lock(m_lock);
    return ReadRows(m_db, out, ReadKeyLight, "SELECT * FROM t_key_light_data WHERE light_id = ?", light_id);
}

bool DataStore::SaveCustomKeyLights(const std::vector<KeyLight>& lights)
{
    std::lock_guard lock(m_lock);
    return Atomically(m_db, [&] {
        return RunOk(m_db, kDeleteKeyLightSet, kCustomKeyLightSet)
            && InsertKeyLightsLocked(lights, kCustomKeyLightSet);
    });
}

} // namespace clavora
