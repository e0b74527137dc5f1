#pragma once

// Small building blocks shared by the store's operations: bind a row of values, run one
// statement, read rows into records, and make a group of writes all-or-nothing. Callers
// hold the store's lock.

#include "store/SQLiteAutoTransaction.h"
#include "store/SQLiteDB.h"
#include "store/SQLiteStatement.h"

#include <string>
#include <vector>

namespace clavora::storequery {

// Step results that count as success for a write.
inline bool IsOk(int rc)
{
    return rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE;
}

inline int BindOne(SQLiteStatement& statement, int index, int value)
{
    return statement.BindInt(index, value);
}

inline int BindOne(SQLiteStatement& statement, int index, const std::string& value)
{
    return statement.BindText(index, value);
}

// Binds the values to parameters 1, 2, ...; returns the first failing code or 0. Texts are
// not copied and must outlive the step.
template <typename... Args> int BindAll(SQLiteStatement& statement, const Args&... args)
{
    int index = 0;
    int rc = SQLITE_OK;
    ((rc = rc == SQLITE_OK ? BindOne(statement, ++index, args) : rc), ...);
    return rc;
}

// Prepares, binds and steps once; returns the step's code, or the prepare's when that failed.
template <typename... Args> int Run(SQLiteDB& db, const char* sql, const Args&... args)
{
    SQLiteStatement statement;
    int rc = db.Prepare(statement, sql);
    if (rc != SQLITE_OK)
        return rc;
    BindAll(statement, args...);
    return statement.Step();
}

template <typename... Args> bool RunOk(SQLiteDB& db, const char* sql, const Args&... args)
{
    return IsOk(Run(db, sql, args...));
}

// The new row id, or 0 when the insert failed.
template <typename... Args> int Insert(SQLiteDB& db, const char* sql, const Args&... args)
{
    return RunOk(db, sql, args...) ? db.LastInsertRowId() : 0;
}

// Runs a query and calls onRow for each row; returns the number of rows.
template <typename OnRow, typename... Args>
int ForEachRow(SQLiteDB& db, OnRow onRow, const char* sql, const Args&... args)
{
    SQLiteStatement statement;
    if (db.Prepare(statement, sql) != SQLITE_OK)
        return 0;
    BindAll(statement, args...);
    int rows = 0;
    while (statement.Step() == SQLITE_ROW) {
        onRow(statement);
        ++rows;
    }
    return rows;
}

// Empties out, then fills it with one record per row in the order the query gives.
template <typename Record, typename Read, typename... Args>
int ReadRows(SQLiteDB& db, std::vector<Record>& out, Read read, const char* sql, const Args&... args)
{
    out.clear();
    ForEachRow(
        db, [&](const SQLiteStatement& row) { out.push_back(read(row)); }, sql, args...);
    return static_cast<int>(out.size());
}

// Reads the first row into a record; false when no row came back.
template <typename Record, typename Read, typename... Args>
bool ReadFirst(SQLiteDB& db, Record& out, Read read, const char* sql, const Args&... args)
{
    SQLiteStatement statement;
    if (db.Prepare(statement, sql) != SQLITE_OK)
        return false;
    BindAll(statement, args...);
    if (statement.Step() != SQLITE_ROW)
        return false;
    out = read(statement);
    return true;
}

// The first column of the first row, or fallback when no row came back.
template <typename... Args> int ReadInt(SQLiteDB& db, int fallback, const char* sql, const Args&... args)
{
    int value = fallback;
    ReadFirst(
        db, value, [](const SQLiteStatement& row) { return row.ColumnInt(0); }, sql, args...);
    return value;
}

inline std::string ColumnString(const SQLiteStatement& row, int column)
{
    const char* text = row.ColumnText(column);
    return text ? std::string(text) : std::string();
}

// Runs one prepared insert per item, binding each with bind(statement, item). Stops at the
// first failure and reports it, so the caller can roll the whole group back.
template <typename Item, typename Bind>
bool InsertEach(SQLiteDB& db, const char* sql, const std::vector<Item>& items, Bind bind)
{
    if (items.empty())
        return true;
    SQLiteStatement statement;
    if (db.Prepare(statement, sql) != SQLITE_OK)
        return false;
    for (const Item& item : items) {
        bind(statement, item);
        if (!IsOk(statement.Step()))
            return false;
        statement.Reset();
    }
    return true;
}

// Runs body inside one transaction: commits when it returns true, otherwise rolls back so
// the rows from before stay as they were.
template <typename Body> bool Atomically(SQLiteDB& db, Body body)
{
    SQLiteAutoTransaction transaction(&db);
    if (!transaction.Began())
        return false;
    if (!body()) {
        transaction.Rollback();
        return false;
    }
    return transaction.End();
}

} // namespace clavora::storequery
