#pragma once

// One SQLite connection. Every access to a store file goes through this class, a
// SQLiteStatement and, for batches, a SQLiteAutoTransaction.
//
// Results are SQLite's own codes: 0 ok, 21 (SQLITE_MISUSE) when the connection is closed or
// no SQL was given, 100/101 for a row or the end of a step.

#include <sqlite3.h>

#include <string>

namespace clavora {

class SQLiteStatement;

class SQLiteDB {
public:
    SQLiteDB() = default;
    virtual ~SQLiteDB();
    SQLiteDB(const SQLiteDB&) = delete;
    SQLiteDB& operator=(const SQLiteDB&) = delete;

    // Opens path (UTF-8) with sqlite3_open_v2 flags, closing a connection that is still open
    // first. A null path or a failed open gives false and leaves the object closed. A key
    // cannot be applied (the files are plain SQLite databases), so a non-empty key fails too.
    bool Open(const char* path, const std::string& key, int flags);
    // False when SQLite refuses (statements still pending); the connection then stays open.
    // True when nothing was open.
    bool Close();
    bool IsOpen() const { return m_handle != nullptr; }

    // Finalises what the statement held, then prepares sql into it. A negative length means
    // "up to the terminating zero".
    int Prepare(SQLiteStatement& statement, const char* sql, int length = -1);
    int Exec(const char* sql, sqlite3_callback callback = nullptr, void* argument = nullptr);
    // The row id of the last insert, cut to 32 bits as every caller keeps it; -1 when closed.
    int LastInsertRowId() const;
    // True while a transaction is open on the connection.
    bool InTransaction() const;

    sqlite3* Handle() const { return m_handle; }

private:
    void InterruptAndClose();

    sqlite3* m_handle = nullptr;
};

} // namespace clavora
