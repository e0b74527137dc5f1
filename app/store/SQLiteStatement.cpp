#include "store/SQLiteStatement.h"

namespace clavora {

SQLiteStatement::~SQLiteStatement()
{
    Finalize();
}

int SQLiteStatement::Finalize()
{
    if (!m_handle)
        return SQLITE_OK;
    int rc = sqlite3_finalize(m_handle);
    m_handle = nullptr;
    m_done = true;
    return rc;
}

int SQLiteStatement::BindInt(int index, int value)
{
    if (!m_handle)
        return SQLITE_MISUSE;
    return sqlite3_bind_int(m_handle, index, value);
}

int SQLiteStatement::BindText(int index, const char* text, int bytes)
{
    if (!m_handle)
        return SQLITE_MISUSE;
    return sqlite3_bind_text(m_handle, index, text, bytes, SQLITE_STATIC);
}

int SQLiteStatement::BindText(int index, std::string_view text)
{
    // An empty view may carry a null pointer, which SQLite would store as NULL; empty text
    // is stored as empty text.
    return BindText(index, text.data() ? text.data() : "", static_cast<int>(text.size()));
}

int SQLiteStatement::Step()
{
    if (!m_handle)
        return SQLITE_MISUSE;
    int rc = sqlite3_step(m_handle);
    m_done = rc != SQLITE_ROW;
    return rc;
}

int SQLiteStatement::Reset()
{
    if (!m_handle)
        return SQLITE_MISUSE;
    int rc = sqlite3_reset(m_handle);
    sqlite3_clear_bindings(m_handle);
    m_done = true;
    return rc;
}

int SQLiteStatement::ColumnInt(int column) const
{
    return m_handle ? sqlite3_column_int(m_handle, column) : 0;
}

const char* SQLiteStatement::ColumnText(int column) const
{
    if (!m_handle)
        return nullptr;
    return reinterpret_cast<const char*>(sqlite3_column_text(m_handle, column));
}

} // namespace clavora
