#include "StoreTestSupport.h"

namespace clavora::test {
namespace {

using KeysTest = StoreTest;

KeyAssignment Key(int profile, int fn_layer, int key_code, int macro_value, int macro_value2 = 0)
{
    return KeyAssignment { 0, profile, fn_layer, key_code, 7, "layout", kKeyFunctionKey, macro_value,
        macro_value2, 9, "desc" };
}

TEST_F(KeysTest, SavingReplacesTheRowOfTheSameKeyOnly)
{
    const int first = Store().SaveKeyAssignment(Key(1, 0, 4, 5));
    ASSERT_GT(first, 0);
    ASSERT_GT(Store().SaveKeyAssignment(Key(2, 0, 4, 5)), 0);
    ASSERT_GT(Store().SaveKeyAssignment(Key(1, 1, 4, 5)), 0);
    ASSERT_GT(Store().SaveKeyAssignment(Key(1, 0, 5, 5)), 0);

    const int second = Store().SaveKeyAssignment(Key(1, 0, 4, 6));
    EXPECT_GT(second, first);
    KeyAssignment stored;
    ASSERT_TRUE(Store().GetKeyAssignment(1, 0, 4, stored));
    KeyAssignment expected = Key(1, 0, 4, 6);
    expected.key_id = second;
    EXPECT_EQ(stored, expected);

    RawDb db(Store().GetPath());
    EXPECT_EQ(db.Int("SELECT count(*) FROM t_key_macro_data"), 4);
    EXPECT_EQ(
        db.Int("SELECT count(*) FROM t_key_macro_data WHERE profile = 1 AND fn_layer = 0 AND key_code = 4"),
        1);
}

TEST_F(KeysTest, BothValuesZeroRestoresTheKeyAndOneValueIsEnough)
{
    ASSERT_GT(Store().SaveKeyAssignment(Key(1, 0, 4, 5)), 0);
    EXPECT_EQ(Store().SaveKeyAssignment(Key(1, 0, 4, 0, 0)), 0);
    KeyAssignment stored;
    EXPECT_FALSE(Store().GetKeyAssignment(1, 0, 4, stored));

    EXPECT_GT(Store().SaveKeyAssignment(Key(1, 0, 4, 0, 3)), 0);
    ASSERT_TRUE(Store().GetKeyAssignment(1, 0, 4, stored));
    EXPECT_EQ(stored.macro_value2, 3);
}

TEST_F(KeysTest, KeyCodeZeroChangesNothing)
{
    RawDb db(Store().GetPath());
    ASSERT_EQ(
        db.Exec("INSERT INTO t_key_macro_data(profile, fn_layer, key_code, macro_value) VALUES (1, 0, 0, 5)"),
        SQLITE_OK);
    EXPECT_EQ(Store().SaveKeyAssignment(Key(1, 0, 0, 0)), 0);
    EXPECT_EQ(Store().SaveKeyAssignment(Key(1, 0, 0, 8)), 0);
    EXPECT_EQ(db.Rows("SELECT macro_value FROM t_key_macro_data"),
        (std::vector<std::vector<std::string>> { { "5" } }));
}

TEST_F(KeysTest, ListingReturnsOneProfileAndLayerInTableOrder)
{
    for (int code : { 30, 4, 20 })
        ASSERT_GT(Store().SaveKeyAssignment(Key(1, 0, code, 1)), 0);
    ASSERT_GT(Store().SaveKeyAssignment(Key(1, 1, 9, 1)), 0);
    ASSERT_GT(Store().SaveKeyAssignment(Key(2, 0, 9, 1)), 0);

    std::vector<KeyAssignment> keys(3);
    ASSERT_EQ(Store().ListKeyAssignments(1, 0, keys), 3);
    EXPECT_EQ(keys[0].key_code, 30);
    EXPECT_EQ(keys[1].key_code, 4);
    EXPECT_EQ(keys[2].key_code, 20);
    EXPECT_EQ(Store().ListKeyAssignments(3, 0, keys), 0);
    EXPECT_TRUE(keys.empty());
}

TEST_F(KeysTest, KeyParamsAreFoundByTheirIdAndAbsentOnesLeaveTheOutputs)
{
    const int id = Store().InsertKeyParam("Notepad", "/usr/bin/gedit", 1);
    ASSERT_GT(id, 0);
    EXPECT_EQ(Store().InsertKeyParam("Site", "https://example.org", 2), id + 1);

    std::string desc, param;
    int type = 0;
    EXPECT_TRUE(Store().GetKeyParam(id, desc, param, type));
    EXPECT_EQ(desc, "Notepad");
    EXPECT_EQ(param, "/usr/bin/gedit");
    EXPECT_EQ(type, 1);

    desc = "keep", param = "these", type = 77;
    EXPECT_TRUE(Store().GetKeyParam(id + 5, desc, param, type));
    EXPECT_EQ(desc, "keep");
    EXPECT_EQ(param, "these");
    EXPECT_EQ(type, 77);
}

} // namespace
} // namespace clavora::test
