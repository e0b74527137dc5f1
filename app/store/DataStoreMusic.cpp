#include "store/DataStore.h"

#include "store/StoreQuery.h"

namespace clavora {

using namespace storequery;

namespace {

// The music page keeps its settings in this one layer of profile 1.
constexpr int kMusicProfile = 1;
constexpr int kMusicLayerId = 1;

MusicLayer ReadMusicLayer(const SQLiteStatement& row)
{
    MusicLayer record;
    record.layer_id = row.ColumnInt(0);
    record.profile = row.ColumnInt(1);
    record.name = ColumnString(row, 2);
    record.deviceindex = row.ColumnInt(3);
    record.foremode = row.ColumnInt(4);
    record.fore_amplitude = row.ColumnInt(5);
    record.backmode = row.ColumnInt(6);
    record.backb_right = row.ColumnInt(7);
    record.sel = row.ColumnInt(8);
    return record;
}

} // namespace

int DataStore::CountMusicLayers()
{
    std::lock_guard lock(m_lock);
    return ReadInt(m_db, 0, "select count(*) FROM t_musiclayer_data WHERE profile = ?", kMusicProfile);
}

int DataStore::InsertMusicLayer(const std::string& name, int foremode)
{
    std::lock_guard lock(m_lock);
    return Insert(m_db,
        "INSERT INTO t_musiclayer_data(profile, name, deviceindex, foremode, fore_amplitude, backmode, "
        "backb_right, sel) VALUES (?, ?, ?, ?, ?, ?, ?, ?);",
        kMusicProfile, name, 0, foremode, 300, 0, 100, 0);
}

bool DataStore::GetMusicLayer(int layer_id, MusicLayer& out)
{
    std::lock_guard lock(m_lock);
    return ReadFirst(
        m_db, out, ReadMusicLayer, "SELECT * FROM t_musiclayer_data WHERE layer_id = ?", layer_id);
}

bool DataStore::UpdateMusicLayer(
    int deviceindex, int foremode, int fore_amplitude, int backmode, int backb_right)
{
    std::lock_guard lock(m_lock);
    return RunOk(m_db,
        "UPDATE t_musiclayer_data SET deviceindex= ?, foremode= ?, fore_amplitude = ?, backmode= ?, "
        "backb_right= ? "
        "WHERE layer_id = ?",
        deviceindex, foremode, fore_amplitude, backmode, backb_right, kMusicLayerId);
}

bool DataStore::SelectMusicLayer()
{
    std::lock_guard lock(m_lock);
    return Atomically(m_db, [&] {
        Run(m_db, "UPDATE t_musiclayer_data SET sel = ? WHERE profile = ?", 0, kMusicProfile);
        return RunOk(m_db, "UPDATE t_musiclayer_data SET sel = ? WHERE profile = ? AND layer_id = ?", 1,
            kMusicProfile, kMusicLayerId);
    });
}

int DataStore::GetSelectedMusicLayer()
{
    std::lock_guard lock(m_lock);
    return ReadInt(
        m_db, 0, "SELECT layer_id FROM t_musiclayer_data WHERE profile = ? AND sel = ?", kMusicProfile, 1);
}

} // namespace clavora
