#include "StoreTestSupport.h"

#include <cstdlib>

namespace clavora::test {

RawDb::RawDb(const std::string& path)
{
    if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        ADD_FAILURE() << "cannot open " << path << ": " << sqlite3_errmsg(m_db);
}

RawDb::~RawDb()
{
    sqlite3_close_v2(m_db);
}

int RawDb::Exec(const std::string& sql)
{
    return sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr);
}

int RawDb::Int(const std::string& sql)
{
    auto rows = Rows(sql);
    return rows.empty() || rows[0].empty() ? -1 : std::atoi(rows[0][0].c_str());
}

std::vector<std::vector<std::string>> RawDb::Rows(const std::string& sql)
{
    std::vector<std::vector<std::string>> rows;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(m_db);
        return rows;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            const unsigned char* text = sqlite3_column_text(statement, c);
            row.emplace_back(text ? reinterpret_cast<const char*>(text) : "NULL");
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    return rows;
}

void StoreFolderTest::SetUp()
{
    setenv("XDG_DATA_HOME", m_dir.Path().c_str(), 1);
    Store().Close();
}

void StoreFolderTest::TearDown()
{
    Store().Close();
}

void StoreTest::SetUp()
{
    StoreFolderTest::SetUp();
    ASSERT_TRUE(Store().OpenForDevice(kModel));
}

} // namespace clavora::test
