#pragma once

// Fixtures and a second, raw connection for the store's tests. Every test works in its own
// temporary data folder (XDG_DATA_HOME points at it).

#include "store/DataStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

namespace clavora::test {

// A plain connection to a store file, independent of the DataStore, for looking at the file
// as another program would and for planting faults (triggers, dropped tables).
class RawDb {
public:
    explicit RawDb(const std::string& path);
    ~RawDb();
    RawDb(const RawDb&) = delete;
    RawDb& operator=(const RawDb&) = delete;

    int Exec(const std::string& sql);
    // First column of the first row as an integer; -1 when there is no row.
    int Int(const std::string& sql);
    // Every row, each column as text ("NULL" for NULL).
    std::vector<std::vector<std::string>> Rows(const std::string& sql);

private:
    sqlite3* m_db = nullptr;
};

// Points the data folder at a fresh temporary folder; closes the store afterwards.
class StoreFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static DataStore& Store() { return DataStore::GetInstance(); }
    std::string DbFolder() const { return (m_dir.Path() / "Clavora Files" / "db").string(); }

    TempDir m_dir;
};

// The same, with the file of model kModel opened.
class StoreTest : public StoreFolderTest {
protected:
    static constexpr const char* kModel = "K70";
    void SetUp() override;
};

} // namespace clavora::test
