#include "store/DataStore.h"

#include "store/StoreQuery.h"

namespace clavora {

using namespace storequery;

namespace {

ProfileRecord ReadProfile(const SQLiteStatement& row)
{
    ProfileRecord record;
    record.profile = row.ColumnInt(0);
    record.name = ColumnString(row, 1);
    record.status = row.ColumnInt(2);
    record.app = ColumnString(row, 3);
    record.type = row.ColumnInt(4);
    return record;
}

} // namespace

int DataStore::InsertProfile(const std::string& name, const std::string& app)
{
    std::lock_guard lock(m_lock);
    return Insert(
        m_db, "INSERT INTO t_profile_data(name, status, app, type) VALUES (?, ?, ?, ?);", name, 0, app, 0);
}

bool DataStore::DeleteProfile(int profile)
{
    std::lock_guard lock(m_lock);
    return RunOk(m_db, "DELETE FROM t_profile_data WHERE profile = ?", profile);
}

bool DataStore::RenameProfile(int profile, const std::string& name)
{
    std::lock_guard lock(m_lock);
    return RunOk(m_db, "UPDATE t_profile_data SET name = ? WHERE profile = ?", name, profile);
}

bool DataStore::GetProfileName(int profile, std::string& name)
{
    std::lock_guard lock(m_lock);
    name.clear();
    return ReadFirst(
        m_db, name, [](const SQLiteStatement& row) { return ColumnString(row, 0); },
        "SELECT name FROM t_profile_data WHERE profile = ?", profile);
}

int DataStore::ListProfiles(std::vector<ProfileRecord>& out)
{
    std::lock_guard lock(m_lock);
    return ReadRows(m_db, out, ReadProfile, "SELECT * FROM t_profile_data");
}

bool DataStore::SetActiveProfile(int profile)
{
    std::lock_guard lock(m_lock);
    return Atomically(m_db, [&] {
        Run(m_db, "UPDATE t_profile_data SET status = ?", 0);
        return RunOk(m_db, "UPDATE t_profile_data SET status = ? WHERE profile = ?", 1, profile);
    });
}

int DataStore::GetActiveProfile()
{
    std::lock_guard lock(m_lock);
    return ReadInt(m_db, 0, "SELECT profile FROM t_profile_data WHERE status = ?", 1);
}

} // namespace clavora
