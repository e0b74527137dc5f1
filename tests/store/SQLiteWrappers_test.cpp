#include "store/SQLiteAutoTransaction.h"
#include "store/SQLiteDB.h"
#include "store/SQLiteStatement.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace clavora::test {
namespace {

constexpr int kCreate = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;

class SQLiteWrappersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_db.Open(m_dir.File("t.db").c_str(), "", kCreate));
        ASSERT_EQ(m_db.Exec("CREATE TABLE t(id INTEGER PRIMARY KEY, v TEXT)"), SQLITE_OK);
    }

    int Count()
    {
        SQLiteStatement s;
        m_db.Prepare(s, "SELECT count(*) FROM t");
        s.Step();
        return s.ColumnInt(0);
    }

    TempDir m_dir;
    SQLiteDB m_db;
};

int FirstColumn(void* out, int, char** values, char**)
{
    *static_cast<std::string*>(out) = values[0] ? values[0] : "";
    return 0;
}

TEST(SQLiteClosed, EveryCallReportsMisuseOrItsEmptyValue)
{
    SQLiteDB db;
    SQLiteStatement s;
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(db.Prepare(s, "SELECT 1"), SQLITE_MISUSE);
    EXPECT_FALSE(s.IsPrepared());
    EXPECT_EQ(db.Exec("SELECT 1"), SQLITE_MISUSE);
    EXPECT_EQ(db.LastInsertRowId(), -1);
    EXPECT_TRUE(db.Close());
    EXPECT_FALSE(db.Open(nullptr, "", kCreate));

    EXPECT_EQ(s.BindInt(1, 1), SQLITE_MISUSE);
    EXPECT_EQ(s.BindText(1, "x"), SQLITE_MISUSE);
    EXPECT_EQ(s.Step(), SQLITE_MISUSE);
    EXPECT_EQ(s.Reset(), SQLITE_MISUSE);
    EXPECT_EQ(s.ColumnInt(0), 0);
    EXPECT_EQ(s.ColumnText(0), nullptr);
    EXPECT_TRUE(s.IsDone());

    SQLiteAutoTransaction none;
    EXPECT_FALSE(none.Begin());
    EXPECT_FALSE(none.IsActive());
    SQLiteAutoTransaction onClosed(&db);
    EXPECT_TRUE(onClosed.IsActive());
    EXPECT_FALSE(onClosed.Began());
    EXPECT_FALSE(onClosed.Begin());
    EXPECT_FALSE(onClosed.End());
    EXPECT_FALSE(onClosed.IsActive());
}

TEST(SQLiteOpen, AKeyCannotBeAppliedSoTheOpenFails)
{
    TempDir dir;
    SQLiteDB db;
    EXPECT_FALSE(db.Open(dir.File("k.db").c_str(), "secret", kCreate));
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(db.Open(dir.File("missing/x.db").c_str(), "", kCreate));
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(SQLiteWrappersTest, ConnectionsUseAWriteAheadLogWithNormalSync)
{
    std::string value;
    ASSERT_EQ(m_db.Exec("PRAGMA journal_mode", FirstColumn, &value), SQLITE_OK);
    EXPECT_EQ(value, "wal");
    ASSERT_EQ(m_db.Exec("PRAGMA synchronous", FirstColumn, &value), SQLITE_OK);
    EXPECT_EQ(value, "1");
}

TEST_F(SQLiteWrappersTest, StatementsStepBindAndTrackTheDoneFlag)
{
    SQLiteStatement s;
    EXPECT_EQ(m_db.Prepare(s, nullptr), SQLITE_MISUSE);
    EXPECT_NE(m_db.Prepare(s, "SELECT nonsense FROM nowhere"), SQLITE_OK);
    EXPECT_FALSE(s.IsPrepared());

    ASSERT_EQ(m_db.Prepare(s, "INSERT INTO t(id, v) VALUES (?, ?)"), SQLITE_OK);
    EXPECT_FALSE(s.IsDone());
    const std::string text = "héllo";
    EXPECT_EQ(s.BindInt(1, 7), SQLITE_OK);
    EXPECT_EQ(s.BindText(2, text), SQLITE_OK);
    EXPECT_EQ(s.Step(), SQLITE_DONE);
    EXPECT_TRUE(s.IsDone());
    EXPECT_EQ(m_db.LastInsertRowId(), 7);

    // Preparing again releases what the statement held.
    ASSERT_EQ(m_db.Prepare(s, "SELECT id, v, NULL FROM t"), SQLITE_OK);
    EXPECT_EQ(s.Step(), SQLITE_ROW);
    EXPECT_FALSE(s.IsDone());
    EXPECT_EQ(s.ColumnInt(0), 7);
    EXPECT_EQ(std::string(s.ColumnText(1)), text);
    EXPECT_EQ(s.ColumnText(2), nullptr);
    EXPECT_EQ(s.Step(), SQLITE_DONE);
    EXPECT_TRUE(s.IsDone());
}

TEST_F(SQLiteWrappersTest, RowIdsAreCutToTheirLow32Bits)
{
    ASSERT_EQ(m_db.Exec("INSERT INTO t(id) VALUES (4294967301)"), SQLITE_OK);
    EXPECT_EQ(m_db.LastInsertRowId(), 5);
}

TEST_F(SQLiteWrappersTest, CloseFailsWhileAStatementIsPending)
{
    SQLiteStatement s;
    ASSERT_EQ(m_db.Prepare(s, "SELECT 1"), SQLITE_OK);
    EXPECT_FALSE(m_db.Close());
    EXPECT_TRUE(m_db.IsOpen());
    s.Finalize();
    EXPECT_TRUE(m_db.Close());
    EXPECT_FALSE(m_db.IsOpen());
}

TEST_F(SQLiteWrappersTest, TransactionsCommitRollBackAndEndThemselves)
{
    {
        SQLiteAutoTransaction t(&m_db);
        ASSERT_TRUE(t.Began());
        EXPECT_FALSE(t.Begin());
        m_db.Exec("INSERT INTO t(v) VALUES ('a')");
        EXPECT_TRUE(t.End());
        EXPECT_FALSE(t.IsActive());

        EXPECT_TRUE(t.Begin());
        m_db.Exec("INSERT INTO t(v) VALUES ('b')");
        EXPECT_TRUE(t.Rollback());
        EXPECT_FALSE(m_db.InTransaction());

        EXPECT_TRUE(t.Begin());
        m_db.Exec("INSERT INTO t(v) VALUES ('c')");
    }
    EXPECT_FALSE(m_db.InTransaction());
    EXPECT_EQ(Count(), 2);
}

TEST_F(SQLiteWrappersTest, AFailedCommitRollsBackInsteadOfStayingOpen)
{
    // A deferred foreign key makes the commit itself fail and leaves SQLite in the
    // transaction.
    ASSERT_EQ(m_db.Exec("PRAGMA foreign_keys = ON; CREATE TABLE c(p INTEGER REFERENCES t(id) DEFERRABLE "
                        "INITIALLY DEFERRED)"),
        SQLITE_OK);
    SQLiteAutoTransaction t(&m_db);
    ASSERT_TRUE(t.Began());
    ASSERT_EQ(m_db.Exec("INSERT INTO t(v) VALUES ('x'); INSERT INTO c VALUES (999)"), SQLITE_OK);
    EXPECT_FALSE(t.End());
    EXPECT_FALSE(m_db.InTransaction());
    EXPECT_EQ(Count(), 0);
}

TEST_F(SQLiteWrappersTest, EndNeverCommitsATransactionItDidNotBegin)
{
    ASSERT_EQ(m_db.Exec("BEGIN"), SQLITE_OK);
    {
        SQLiteAutoTransaction inner(&m_db);
        EXPECT_FALSE(inner.Began());
        m_db.Exec("INSERT INTO t(v) VALUES ('x')");
        EXPECT_FALSE(inner.End());
    }
    EXPECT_TRUE(m_db.InTransaction());
    ASSERT_EQ(m_db.Exec("ROLLBACK"), SQLITE_OK);
    EXPECT_EQ(Count(), 0);
}

} // namespace
} // namespace clavora::test
