#include "store/SQLiteDB.h"

#include "store/SQLiteStatement.h"

#include <cstring>

namespace clavora {

SQLiteDB::~SQLiteDB()
{
    InterruptAndClose();
}

void SQLiteDB::InterruptAndClose()
{
    if (!m_handle)
        return;
    sqlite3_interrupt(m_handle);
    // close_v2 never leaves the handle half-alive: pending statements keep a zombie
    // connection that goes away with the last of them.
    sqlite3_close_v2(m_handle);
    m_handle = nullptr;
}

bool SQLiteDB::Open(const char* path, const std::string& key, int flags)
{
    InterruptAndClose();
    if (!path)
        return false;
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(path, &handle, flags, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(handle);
        return false;
    }
    m_handle = handle;
    // A write-ahead log keeps the file whole when the process dies or the power fails in the
    // middle of a write; NORMAL syncs only at checkpoints, so the editor's many small writes
    // stay cheap.
    Exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; ");
    if (!key.empty()) {
        // This build links plain SQLite, which cannot encrypt; opening the file unencrypted
        // while the caller asked for a key would be a silent downgrade.
        InterruptAndClose();
        return false;
    }
    return true;
}

bool SQLiteDB::Close()
{
    if (!m_handle)
        return true;
    if (sqlite3_close(m_handle) != SQLITE_OK)
        return false;
    m_handle = nullptr;
    return true;
}

int SQLiteDB::Prepare(SQLiteStatement& statement, const char* sql, int length)
{
    statement.Finalize();
    if (!m_handle || !sql)
        return SQLITE_MISUSE;
    if (length < 0)
        length = static_cast<int>(std::strlen(sql)) + 1;
    int rc = sqlite3_prepare_v2(m_handle, sql, length, &statement.m_handle, nullptr);
    statement.m_done = statement.m_handle == nullptr;
    return rc;
}

int SQLiteDB::Exec(const char* sql, sqlite3_callback callback, void* argument)
{
    if (!m_handle || !sql)
        return SQLITE_MISUSE;
    return sqlite3_exec(m_handle, sql, callback, argument, nullptr);
}

int SQLiteDB::LastInsertRowId() const
{
    if (!m_handle)
        return -1;
    return static_cast<int>(sqlite3_last_insert_rowid(m_handle));
}

bool SQLiteDB::InTransaction() const
{
    return m_handle && sqlite3_get_autocommit(m_handle) == 0;
}

} // namespace clavora
