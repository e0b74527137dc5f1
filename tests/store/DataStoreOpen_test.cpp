#include "StoreTestSupport.h"

#include <filesystem>
#include <utility>

namespace clavora::test {
namespace {

namespace fs = std::filesystem;

// The file layout as other builds of the program expect it: tables in creation order, each
// with its columns and the index on its key.
struct TableLayout {
    const char* table;
    const char* index; // on the first column; null for none
    std::vector<std::pair<const char*, const char*>> columns;
};

const std::vector<TableLayout> kLayout = {
    { "t_configdata", nullptr,
        { { "config_id", "INTEGER" }, { "profile", "INTEGER" }, { "key", "TEXT" }, { "value", "TEXT" } } },
    { "t_profile_data", "profileindex",
        { { "profile", "INTEGER" }, { "name", "TEXT" }, { "status", "INTEGER" }, { "app", "TEXT" },
            { "type", "INTEGER" } } },
    { "t_key_macro_data", "keyindex",
        { { "key_id", "INTEGER" }, { "profile", "INTEGER" }, { "fn_layer", "INTEGER" },
            { "key_code", "INTEGER" }, { "layout_value", "INTEGER" }, { "layout_desc", "TEXT" },
            { "macro_type", "INTEGER" }, { "macro_value", "INTEGER" }, { "macro_value2", "INTEGER" },
            { "macro_value3", "INTEGER" }, { "macro_desc", "TEXT" } } },
    { "t_key_otherdata", "otheridindex",
        { { "macro_value", "INTEGER" }, { "macro_desc", "TEXT" }, { "param", "TEXT" },
            { "type", "INTEGER" } } },
    { "t_macro_data", "macroidindex",
        { { "macro_id", "INTEGER" }, { "play_times", "INTEGER" }, { "delay_type", "INTEGER" },
            { "delay_time", "INTEGER" }, { "link_count", "INTEGER" }, { "name", "TEXT" } } },
    { "t_macrorecord", "macrorecordindex",
        { { "record_id", "INTEGER" }, { "macro_id", "INTEGER" }, { "type", "INTEGER" },
            { "record_index", "INTEGER" }, { "desc", "TEXT" }, { "value", "INTEGER" },
            { "delay_time", "INTEGER" } } },
    { "t_light_data", "lightindex",
        { { "light_id", "INTEGER" }, { "profile", "INTEGER" }, { "name", "TEXT" }, { "mode", "INTEGER" },
            { "brightness", "INTEGER" }, { "speed", "INTEGER" }, { "direction", "INTEGER" },
            { "colorful", "INTEGER" }, { "colorindex", "INTEGER" }, { "color_value", "INTEGER" },
            { "config_func", "INTEGER" }, { "reserved", "INTEGER" }, { "status", "INTEGER" } } },
    { "t_key_light_data", "keylightindex",
        { { "keylight_id", "INTEGER" }, { "profile", "INTEGER" }, { "light_id", "INTEGER" },
            { "key_code", "INTEGER" }, { "key_rgb", "INTEGER" } } },
    { "t_musiclayer_data", "musiclayerindex",
        { { "layer_id", "INTEGER" }, { "profile", "INTEGER" }, { "name", "TEXT" },
            { "deviceindex", "INTEGER" }, { "foremode", "INTEGER" }, { "fore_amplitude", "INTEGER" },
            { "backmode", "INTEGER" }, { "backb_right", "INTEGER" }, { "sel", "INTEGER" } } },
};

std::vector<std::vector<std::string>> ExpectedObjects()
{
    std::vector<std::vector<std::string>> objects;
    for (const TableLayout& t : kLayout) {
        objects.push_back({ "table", t.table, t.table });
        if (t.index)
            objects.push_back({ "index", t.index, t.table });
    }
    return objects;
}

void ExpectLayout(RawDb& db)
{
    EXPECT_EQ(
        db.Rows(
            "SELECT type, name, tbl_name FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' ORDER BY rowid"),
        ExpectedObjects());
    EXPECT_EQ(db.Rows("SELECT name FROM sqlite_master WHERE name LIKE 'sqlite_%'"),
        (std::vector<std::vector<std::string>> { { "sqlite_sequence" } }));
    for (const TableLayout& t : kLayout) {
        std::vector<std::vector<std::string>> columns;
        for (size_t i = 0; i < t.columns.size(); ++i)
            columns.push_back({ t.columns[i].first, t.columns[i].second, i == 0 ? "1" : "0" });
        EXPECT_EQ(
            db.Rows(std::string("SELECT name, type, pk FROM pragma_table_info('") + t.table + "')"), columns)
            << t.table;
        EXPECT_EQ(db.Int(std::string("SELECT count(*) FROM sqlite_master WHERE name = '") + t.table
                      + "' AND sql LIKE '%" + t.columns[0].first + " INTEGER PRIMARY KEY AUTOINCREMENT%'"),
            1)
            << t.table;
        if (t.index) {
            EXPECT_EQ(db.Rows(std::string("SELECT name FROM pragma_index_info('") + t.index + "')"),
                (std::vector<std::vector<std::string>> { { t.columns[0].first } }))
                << t.index;
        }
    }
}

int RowCount(RawDb& db)
{
    int rows = 0;
    for (const TableLayout& t : kLayout)
        rows += db.Int(std::string("SELECT count(*) FROM ") + t.table);
    return rows;
}

TEST_F(StoreFolderTest, FirstOpenCreatesTheFolderAndExactlyTheLayoutWithNoRows)
{
    ASSERT_FALSE(fs::exists(DbFolder()));
    ASSERT_TRUE(Store().OpenForDevice("K70", 201));
    EXPECT_TRUE(Store().IsOpened());
    EXPECT_EQ(Store().GetDeviceType(), 201);
    const std::string path = DbFolder() + "/K70_data_v1.db";
    EXPECT_EQ(Store().GetPath(), path);
    EXPECT_EQ(DataStore::GetPathForModel("K70"), path);
    ASSERT_TRUE(fs::exists(path));
    RawDb db(path);
    ExpectLayout(db);
    EXPECT_EQ(RowCount(db), 0);
    EXPECT_EQ(db.Rows("PRAGMA journal_mode"), (std::vector<std::vector<std::string>> { { "wal" } }));
    EXPECT_EQ(db.Rows("PRAGMA integrity_check"), (std::vector<std::vector<std::string>> { { "ok" } }));
}

TEST_F(StoreFolderTest, ReopeningAFileRunsNoSchemaStatementAndWritesNothing)
{
    ASSERT_TRUE(Store().OpenForDevice("K70"));
    ASSERT_TRUE(Store().Close());
    const std::string path = DataStore::GetPathForModel("K70");
    {
        // Were any CREATE run again, the index would come back.
        RawDb db(path);
        ASSERT_EQ(db.Exec("DROP INDEX keyindex"), SQLITE_OK);
    }
    const std::string before = ReadFileBytes(path);
    ASSERT_TRUE(Store().OpenForDevice("K70"));
    ASSERT_TRUE(Store().Close());
    EXPECT_EQ(ReadFileBytes(path), before);
    RawDb db(path);
    EXPECT_EQ(db.Int("SELECT count(*) FROM sqlite_master WHERE name = 'keyindex'"), 0);
}

TEST_F(StoreFolderTest, EachModelKeepsItsOwnFile)
{
    ASSERT_TRUE(Store().OpenForDevice("A"));
    ASSERT_GT(Store().InsertProfile("profile of A", ""), 0);
    ASSERT_TRUE(Store().Close());
    ASSERT_TRUE(Store().OpenForDevice("B"));
    std::vector<ProfileRecord> profiles { ProfileRecord {} };
    EXPECT_EQ(Store().ListProfiles(profiles), 0);
    EXPECT_TRUE(profiles.empty());
    ASSERT_GT(Store().InsertProfile("profile of B", ""), 0);
    ASSERT_TRUE(Store().Close());
    ASSERT_TRUE(Store().OpenForDevice("A"));
    ASSERT_EQ(Store().ListProfiles(profiles), 1);
    EXPECT_EQ(profiles[0].name, "profile of A");

    // Switching without closing first still moves every later write to the new model's file.
    ASSERT_TRUE(Store().OpenForDevice("B"));
    ASSERT_GT(Store().InsertProfile("second of B", ""), 0);
    ASSERT_TRUE(Store().Close());
    RawDb a(DataStore::GetPathForModel("A"));
    RawDb b(DataStore::GetPathForModel("B"));
    EXPECT_EQ(a.Rows("SELECT name FROM t_profile_data"),
        (std::vector<std::vector<std::string>> { { "profile of A" } }));
    EXPECT_EQ(b.Rows("SELECT name FROM t_profile_data"),
        (std::vector<std::vector<std::string>> { { "profile of B" }, { "second of B" } }));
}

TEST_F(StoreFolderTest, RestoringFactoryDataLeavesAFreshEmptyFile)
{
    ASSERT_TRUE(Store().OpenForDevice("K70", 201));
    ASSERT_EQ(Store().InsertProfile("p", ""), 1);
    Store().SeedDefaultConfig();
    ASSERT_GT(Store().CreateMacro("m"), 0);
    ASSERT_EQ(Store().InsertKeyLights({ KeyLight { 0, 1, 128, 4, 0xFF } }), 1);

    ASSERT_TRUE(Store().RestoreFactoryData());
    EXPECT_TRUE(Store().IsOpened());
    EXPECT_EQ(Store().GetDeviceType(), 201);
    {
        RawDb db(Store().GetPath());
        ExpectLayout(db);
        EXPECT_EQ(RowCount(db), 0);
    }
    // A fresh file numbers rows from 1 again.
    EXPECT_EQ(Store().InsertProfile("p", ""), 1);
}

TEST_F(StoreFolderTest, DeletingTheOpenFileClosesItAndRemovesItsLogs)
{
    ASSERT_TRUE(Store().OpenForDevice("K70"));
    ASSERT_GT(Store().InsertProfile("p", ""), 0);
    const std::string path = Store().GetPath();
    ASSERT_TRUE(fs::exists(path + "-wal"));

    Store().DeleteForDevice("K70");
    EXPECT_FALSE(Store().IsOpened());
    EXPECT_EQ(Store().InsertProfile("lost", ""), 0);
    for (const char* suffix : { "", "-wal", "-shm", "-journal" })
        EXPECT_FALSE(fs::exists(path + suffix)) << suffix;

    ASSERT_TRUE(Store().OpenForDevice("K70"));
    std::vector<ProfileRecord> profiles;
    EXPECT_EQ(Store().ListProfiles(profiles), 0);
}

TEST_F(StoreFolderTest, DeletingAnotherModelLeavesTheOpenOneAlone)
{
    ASSERT_TRUE(Store().OpenForDevice("B"));
    ASSERT_TRUE(Store().OpenForDevice("A"));
    Store().DeleteForDevice("B");
    EXPECT_FALSE(fs::exists(DataStore::GetPathForModel("B")));
    EXPECT_TRUE(Store().IsOpened());
    EXPECT_GT(Store().InsertProfile("p", ""), 0);
}

TEST_F(StoreTest, SeedingWritesTheElevenDefaultRowsInOrder)
{
    Store().SeedDefaultConfig();
    RawDb db(Store().GetPath());
    EXPECT_EQ(db.Rows("SELECT profile, key, value FROM t_configdata ORDER BY config_id"),
        (std::vector<std::vector<std::string>> { { "1", "version", "1.0.1" }, { "1", "keyboard_layout", "1" },
            { "1", "fn_layer", "0" }, { "1", "lightmode", "1" }, { "1", "sleep_light", "1" },
            { "1", "userlight", "0" }, { "1", "customlight_run", "0" }, { "1", "gamemode", "0" },
            { "1", "disable_alttab", "0" }, { "1", "disable_altf4", "0" }, { "1", "disable_win", "0" } }));
}

TEST_F(StoreFolderTest, AModelNameThatWouldLeaveTheFolderIsRefused)
{
    EXPECT_FALSE(Store().OpenForDevice("../escape"));
    EXPECT_FALSE(Store().IsOpened());
    EXPECT_EQ(Store().InsertProfile("p", ""), 0);
    EXPECT_FALSE(fs::exists(m_dir.Path() / "Clavora Files" / "escape_data_v1.db"));
    Store().DeleteForDevice("../escape");

    // A missing config.xml gives the empty model name, which still has a file of its own.
    ASSERT_TRUE(Store().OpenForDevice(""));
    EXPECT_TRUE(fs::exists(DbFolder() + "/_data_v1.db"));
}

TEST_F(StoreFolderTest, AFileThatIsNotADatabaseIsReportedAndKept)
{
    const std::string garbage(4096, 'x');
    const std::string path = m_dir.Write("Clavora Files/db/K70_data_v1.db", garbage);
    EXPECT_FALSE(Store().OpenForDevice("K70"));
    EXPECT_FALSE(Store().IsOpened());
    EXPECT_EQ(Store().InsertProfile("p", ""), 0);
    EXPECT_EQ(ReadFileBytes(path), garbage);

    ASSERT_TRUE(Store().RestoreFactoryData());
    RawDb db(path);
    ExpectLayout(db);
}

TEST_F(StoreFolderTest, AnEmptyFileIsCompletedWithTheLayout)
{
    // What a crash during the very first creation leaves behind.
    const std::string path = m_dir.Write("Clavora Files/db/K70_data_v1.db", "");
    ASSERT_TRUE(Store().OpenForDevice("K70"));
    RawDb db(path);
    ExpectLayout(db);
}

TEST_F(StoreFolderTest, AFileWrittenByAnotherBuildOpensAndReads)
{
    // The same layout, typed differently and kept in a rollback journal, as older builds do.
    const std::string path = m_dir.Write("Clavora Files/db/K70_data_v1.db", "");
    {
        RawDb db(path);
        ASSERT_EQ(db.Exec("PRAGMA journal_mode = DELETE"), SQLITE_OK);
        for (const TableLayout& t : kLayout) {
            std::string sql = std::string("CREATE TABLE ") + t.table + " (\n  ";
            for (size_t i = 0; i < t.columns.size(); ++i)
                sql += std::string(i ? ",\n  " : "") + t.columns[i].first + " " + t.columns[i].second
                    + (i ? "" : " PRIMARY KEY AUTOINCREMENT");
            ASSERT_EQ(db.Exec(sql + "\n)"), SQLITE_OK) << sql;
            if (t.index) {
                ASSERT_EQ(db.Exec(std::string("CREATE INDEX ") + t.index + " ON " + t.table + " ("
                              + t.columns[0].first + ")"),
                    SQLITE_OK);
            }
        }
        ASSERT_EQ(db.Exec("INSERT INTO t_profile_data VALUES (7, 'Old', 1, '', 0);"
                          "INSERT INTO t_key_macro_data VALUES (3, 7, 0, 4, 0, '', 3, 9, 0, 0, 'Macro 1');"
                          "INSERT INTO t_macro_data VALUES (9, 2, 3, 15, 0, 'Macro 1');"
                          "INSERT INTO t_macrorecord VALUES (1, 9, 2, 0, 'A', 65, 20);"
                          "INSERT INTO t_light_data VALUES (1, 1, '301', 5, 4, 3, 2, 1, 0, 255, 31, 0, 1);"
                          "INSERT INTO t_key_light_data VALUES (1, 1, 128, 4, 65280);"
                          "INSERT INTO t_musiclayer_data VALUES (1, 1, 'Layer 1', 0, 17, 300, 0, 100, 1);"),
            SQLITE_OK);
    }
    ASSERT_TRUE(Store().OpenForDevice("K70"));
    EXPECT_EQ(Store().GetActiveProfile(), 7);
    KeyAssignment key;
    ASSERT_TRUE(Store().GetKeyAssignment(7, 0, 4, key));
    EXPECT_EQ(key, (KeyAssignment { 3, 7, 0, 4, 0, "", 3, 9, 0, 0, "Macro 1" }));
    MacroRecord macro;
    ASSERT_TRUE(Store().GetMacro(9, macro));
    EXPECT_EQ(macro, (MacroRecord { 9, 2, 3, 15, 0, "Macro 1" }));
    std::vector<MacroEvent> events;
    ASSERT_EQ(Store().ListMacroEvents(9, events), 1);
    EXPECT_EQ(events[0], (MacroEvent { 1, 9, 2, 0, "A", 65, 20 }));
    LightRecord light;
    ASSERT_TRUE(Store().GetLight(1, 5, light));
    EXPECT_EQ(light, (LightRecord { 1, 1, "301", 5, 4, 3, 2, 1, 0, 255, 31, 0, 1 }));
    EXPECT_EQ(Store().GetActiveLightMode(1), 5);
    std::vector<KeyLight> lights;
    ASSERT_EQ(Store().ListKeyLights(128, lights), 1);
    EXPECT_EQ(lights[0], (KeyLight { 1, 1, 128, 4, 65280 }));
    EXPECT_EQ(Store().GetSelectedMusicLayer(), 1);
    // New rows continue after the old ones.
    EXPECT_EQ(Store().InsertProfile("New", ""), 8);
}

} // namespace
} // namespace clavora::test
