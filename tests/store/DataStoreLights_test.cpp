#include "StoreTestSupport.h"

namespace clavora::test {
namespace {

using LightsTest = StoreTest;

LightRecord Light(int profile, int mode)
{
    return LightRecord { 0, profile, std::to_string(300 + mode), mode, 4, 3, 1, 0, 2, 0x00FF00, 0x33, 0, 0 };
}

TEST_F(LightsTest, InsertCountGetAndList)
{
    EXPECT_EQ(Store().CountLights(1), 0);
    const int id = Store().InsertLight(Light(1, 5));
    ASSERT_GT(id, 0);
    ASSERT_GT(Store().InsertLight(Light(1, 2)), 0);
    ASSERT_GT(Store().InsertLight(Light(2, 5)), 0);
    EXPECT_EQ(Store().CountLights(1), 2);

    LightRecord stored;
    ASSERT_TRUE(Store().GetLight(1, 5, stored));
    LightRecord expected = Light(1, 5);
    expected.light_id = id;
    EXPECT_EQ(stored, expected);
    EXPECT_FALSE(Store().GetLight(1, 9, stored));

    std::vector<LightRecord> lights;
    ASSERT_EQ(Store().ListLights(1, lights), 2);
    EXPECT_EQ(lights[0].mode, 5);
    EXPECT_EQ(lights[1].mode, 2);
}

TEST_F(LightsTest, UpdateWritesTheEightSettingsOfOneModeOnly)
{
    ASSERT_GT(Store().InsertLight(Light(1, 5)), 0);
    ASSERT_GT(Store().InsertLight(Light(1, 6)), 0);
    LightRecord changed { 0, 1, "other name", 5, 9, 8, 7, 1, 6, 0x123456, 0x101, 3, 1 };
    ASSERT_TRUE(Store().UpdateLight(changed));

    LightRecord stored;
    ASSERT_TRUE(Store().GetLight(1, 5, stored));
    EXPECT_EQ(stored.name, "305");
    EXPECT_EQ(stored.status, 0);
    EXPECT_EQ((std::vector<int> { stored.brightness, stored.speed, stored.direction, stored.colorful,
                  stored.colorindex, stored.color_value, stored.config_func, stored.reserved }),
        (std::vector<int> { 9, 8, 7, 1, 6, 0x123456, 0x101, 3 }));
    ASSERT_TRUE(Store().GetLight(1, 6, stored));
    EXPECT_EQ(stored.brightness, 4);
}

TEST_F(LightsTest, ActivatingAModeClearsEveryOtherRowOfEveryProfile)
{
    for (int mode : { 1, 2 }) {
        ASSERT_GT(Store().InsertLight(Light(1, mode)), 0);
        LightRecord other = Light(2, mode);
        other.status = 1;
        ASSERT_GT(Store().InsertLight(other), 0);
    }
    EXPECT_EQ(Store().GetActiveLightMode(1), 0);
    ASSERT_TRUE(Store().SetActiveLightMode(1, 2));
    EXPECT_EQ(Store().GetActiveLightMode(1), 2);
    EXPECT_EQ(Store().GetActiveLightMode(2), 0);
    RawDb db(Store().GetPath());
    EXPECT_EQ(db.Int("SELECT count(*) FROM t_light_data WHERE status <> 0"), 1);
}

TEST_F(LightsTest, KeyLightSets)
{
    std::vector<KeyLight> set128, set129;
    for (int code = 4; code < 8; ++code) {
        set128.push_back(KeyLight { 0, 1, 128, code, code * 0x10 });
        set129.push_back(KeyLight { 0, 1, 129, code, 0xFF });
    }
    EXPECT_EQ(Store().InsertKeyLights(set128), 4);
    EXPECT_EQ(Store().InsertKeyLights(set129), 4);
    EXPECT_EQ(Store().InsertKeyLights({}), 0);

    std::vector<KeyLight> stored;
    ASSERT_EQ(Store().ListKeyLights(128, stored), 4);
    for (size_t i = 0; i < stored.size(); ++i) {
        KeyLight expected = set128[i];
        expected.keylight_id = stored[i].keylight_id;
        EXPECT_EQ(stored[i], expected);
    }

    EXPECT_TRUE(Store().DeleteCustomKeyLights());
    EXPECT_EQ(Store().ListKeyLights(128, stored), 0);
    EXPECT_EQ(Store().ListKeyLights(129, stored), 4);
}

TEST_F(LightsTest, SavingTheCustomSetReplacesItAndStoresEveryEntryInIt)
{
    ASSERT_EQ(Store().InsertKeyLights({ KeyLight { 0, 1, 128, 4, 1 }, KeyLight { 0, 1, 128, 5, 2 } }), 2);
    ASSERT_EQ(Store().InsertKeyLights({ KeyLight { 0, 1, 130, 4, 3 } }), 1);
    ASSERT_TRUE(Store().SaveCustomKeyLights({ KeyLight { 0, 1, 128, 6, 7 }, KeyLight { 0, 1, 0, 7, 8 } }));

    std::vector<KeyLight> stored;
    ASSERT_EQ(Store().ListKeyLights(128, stored), 2);
    EXPECT_EQ(stored[0].key_code, 6);
    EXPECT_EQ(stored[1].key_code, 7);
    EXPECT_EQ(stored[1].light_id, 128);
    EXPECT_EQ(Store().ListKeyLights(130, stored), 1);
}

TEST_F(LightsTest, MusicLayer)
{
    EXPECT_EQ(Store().CountMusicLayers(), 0);
    EXPECT_EQ(Store().GetSelectedMusicLayer(), 0);
    ASSERT_EQ(Store().InsertMusicLayer("Music 1", 17), 1);
    EXPECT_EQ(Store().CountMusicLayers(), 1);
    MusicLayer layer;
    ASSERT_TRUE(Store().GetMusicLayer(1, layer));
    EXPECT_EQ(layer, (MusicLayer { 1, 1, "Music 1", 0, 17, 300, 0, 100, 0 }));
    EXPECT_FALSE(Store().GetMusicLayer(2, layer));

    ASSERT_TRUE(Store().SelectMusicLayer());
    EXPECT_EQ(Store().GetSelectedMusicLayer(), 1);
    ASSERT_TRUE(Store().UpdateMusicLayer(0, 15, 270, 3, 40));
    ASSERT_TRUE(Store().GetMusicLayer(1, layer));
    EXPECT_EQ(layer, (MusicLayer { 1, 1, "Music 1", 0, 15, 270, 3, 40, 1 }));
}

} // namespace
} // namespace clavora::test
