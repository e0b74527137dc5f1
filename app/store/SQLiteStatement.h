#pragma once

// One prepared statement. Binds and steps return 21 (SQLITE_MISUSE) when nothing is
// prepared; the column reads then give 0 or null.

#include <sqlite3.h>

#include <string_view>

namespace clavora {

class SQLiteStatement {
public:
    SQLiteStatement() = default;
    virtual ~SQLiteStatement();
    SQLiteStatement(const SQLiteStatement&) = delete;
    SQLiteStatement& operator=(const SQLiteStatement&) = delete;

    // Parameters count from 1.
    int BindInt(int index, int value);
    // The text is not copied: the caller keeps it alive until the step.
    int BindText(int index, const char* text, int bytes);
    int BindText(int index, std::string_view text);
    int Step();
    // Makes the statement ready for another run with new bindings.
    int Reset();

    // Columns count from 0.
    int ColumnInt(int column) const;
    // UTF-8 text, or null for a NULL column or no statement.
    const char* ColumnText(int column) const;

    bool IsPrepared() const { return m_handle != nullptr; }
    // Set when a step reported the end of the statement (and while nothing is running).
    bool IsDone() const { return m_done; }

    // Releases the statement. sqlite3_finalize frees it whatever it returns, so the handle is
    // always cleared; the result is that of the last step.
    int Finalize();

private:
    friend class SQLiteDB;

    bool m_done = true;
    sqlite3_stmt* m_handle = nullptr;
};

} // namespace clavora
