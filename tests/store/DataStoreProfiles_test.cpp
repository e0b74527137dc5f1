#include "StoreTestSupport.h"

namespace clavora::test {
namespace {

using ProfilesTest = StoreTest;

TEST_F(ProfilesTest, InsertListRenameAndDelete)
{
    EXPECT_EQ(Store().InsertProfile("Profile 1", ""), 1);
    EXPECT_EQ(Store().InsertProfile("配置 2", "app.exe"), 2);
    EXPECT_EQ(Store().InsertProfile("Profile 3", ""), 3);
    EXPECT_TRUE(Store().RenameProfile(3, "Renamed"));
    EXPECT_TRUE(Store().DeleteProfile(1));

    std::vector<ProfileRecord> profiles;
    ASSERT_EQ(Store().ListProfiles(profiles), 2);
    EXPECT_EQ(profiles[0], (ProfileRecord { 2, "配置 2", 0, "app.exe", 0 }));
    EXPECT_EQ(profiles[1], (ProfileRecord { 3, "Renamed", 0, "", 0 }));

    // Empty texts are stored as text, never as NULL.
    RawDb db(Store().GetPath());
    EXPECT_EQ(db.Rows("SELECT typeof(app) FROM t_profile_data WHERE profile = 3"),
        (std::vector<std::vector<std::string>> { { "text" } }));
}

TEST_F(ProfilesTest, GetProfileNameEmptiesTheNameWhenAbsent)
{
    ASSERT_EQ(Store().InsertProfile("Game", ""), 1);
    std::string name = "stale";
    EXPECT_TRUE(Store().GetProfileName(1, name));
    EXPECT_EQ(name, "Game");
    EXPECT_FALSE(Store().GetProfileName(2, name));
    EXPECT_EQ(name, "");
}

TEST_F(ProfilesTest, DeletingAProfileKeepsItsKeyAssignments)
{
    ASSERT_EQ(Store().InsertProfile("p", ""), 1);
    ASSERT_GT(Store().SaveKeyAssignment(KeyAssignment { 0, 1, 0, 4, 0, "", 2, 5, 0, 0, "B" }), 0);
    ASSERT_TRUE(Store().DeleteProfile(1));
    std::vector<KeyAssignment> keys;
    EXPECT_EQ(Store().ListKeyAssignments(1, 0, keys), 1);
}

TEST_F(ProfilesTest, ExactlyOneProfileIsActive)
{
    for (const char* name : { "a", "b", "c" })
        ASSERT_GT(Store().InsertProfile(name, ""), 0);
    EXPECT_EQ(Store().GetActiveProfile(), 0);

    EXPECT_TRUE(Store().SetActiveProfile(2));
    EXPECT_EQ(Store().GetActiveProfile(), 2);
    EXPECT_TRUE(Store().SetActiveProfile(3));
    EXPECT_EQ(Store().GetActiveProfile(), 3);
    RawDb db(Store().GetPath());
    EXPECT_EQ(db.Int("SELECT count(*) FROM t_profile_data WHERE status = 1"), 1);

    // Naming a profile that does not exist is not a failure: afterwards none is active.
    EXPECT_TRUE(Store().SetActiveProfile(42));
    EXPECT_EQ(Store().GetActiveProfile(), 0);
}

TEST_F(ProfilesTest, GetActiveProfileTakesTheFirstOfSeveral)
{
    for (const char* name : { "a", "b", "c" })
        ASSERT_GT(Store().InsertProfile(name, ""), 0);
    RawDb db(Store().GetPath());
    ASSERT_EQ(db.Exec("UPDATE t_profile_data SET status = 1 WHERE profile >= 2"), SQLITE_OK);
    EXPECT_EQ(Store().GetActiveProfile(), 2);
}

} // namespace
} // namespace clavora::test
