#pragma once

// A transaction that ends itself: "BEGIN" when built on an open connection, "END" when
// destroyed unless ended or rolled back before.

namespace clavora {

class SQLiteDB;

class SQLiteAutoTransaction {
public:
    // Without a connection the object does nothing. With one, the active flag is set even
    // when the connection is closed (then no "BEGIN" runs and Began() is false).
    explicit SQLiteAutoTransaction(SQLiteDB* db = nullptr);
    virtual ~SQLiteAutoTransaction();
    SQLiteAutoTransaction(const SQLiteAutoTransaction&) = delete;
    SQLiteAutoTransaction& operator=(const SQLiteAutoTransaction&) = delete;

    // Starts another transaction after End or Rollback. False with no connection, while
    // active, or when the connection is closed (which still sets the active flag).
    bool Begin();
    // Commits. When the commit fails the transaction is rolled back, so the connection is
    // never left inside a half-done transaction and the previous rows stay.
    bool End();
    // Drops everything written since "BEGIN".
    bool Rollback();

    bool IsActive() const { return m_active; }
    // Whether the last "BEGIN" succeeded; writes that must be all-or-nothing check this.
    bool Began() const { return m_began; }

private:
    // Clears the active flag; true when our own "BEGIN" is still open to be finished.
    bool Finish();

    SQLiteDB* m_db = nullptr;
    bool m_active = false;
    bool m_began = false;
};

} // namespace clavora
