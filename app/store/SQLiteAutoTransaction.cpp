#include "store/SQLiteAutoTransaction.h"

#include "store/SQLiteDB.h"

namespace clavora {

SQLiteAutoTransaction::SQLiteAutoTransaction(SQLiteDB* db)
    : m_db(db)
{
    if (!m_db)
        return;
    m_active = true;
    if (m_db->IsOpen())
        m_began = m_db->Exec("BEGIN") == SQLITE_OK;
}

SQLiteAutoTransaction::~SQLiteAutoTransaction()
{
    if (m_active)
        End();
}

bool SQLiteAutoTransaction::Begin()
{
    if (!m_db || m_active)
        return false;
    m_active = true;
    if (!m_db->IsOpen())
        return false;
    m_began = m_db->Exec("BEGIN") == SQLITE_OK;
    return m_began;
}

bool SQLiteAutoTransaction::Finish()
{
    if (!m_db || !m_active)
        return false;
    m_active = false;
    // Without our own "BEGIN" an "END" would commit somebody else's transaction.
    bool own = m_began && m_db->IsOpen();
    m_began = false;
    return own;
}

bool SQLiteAutoTransaction::End()
{
    if (!Finish())
        return false;
    if (m_db->Exec("END") == SQLITE_OK)
        return true;
    if (m_db->InTransaction())
        m_db->Exec("ROLLBACK");
    return false;
}

bool SQLiteAutoTransaction::Rollback()
{
    return Finish() && m_db->Exec("ROLLBACK") == SQLITE_OK;
}

} // namespace clavora
