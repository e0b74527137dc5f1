#include "StoreTestSupport.h"

namespace clavora::test {
namespace {

using MacrosTest = StoreTest;

std::vector<MacroEvent> Events(int macro_id, std::vector<int> types)
{
    std::vector<MacroEvent> events;
    for (int i = 0; i < static_cast<int>(types.size()); ++i)
        events.push_back(MacroEvent { 0, macro_id, types[i], i, "K" + std::to_string(i), 0x41 + i, 10 * i });
    return events;
}

TEST_F(MacrosTest, CreateInsertRenameAndPlayback)
{
    const int created = Store().CreateMacro("Macro 1");
    ASSERT_GT(created, 0);
    MacroRecord macro;
    ASSERT_TRUE(Store().GetMacro(created, macro));
    EXPECT_EQ(macro, (MacroRecord { created, 1, 1, 0, 0, "Macro 1" }));

    const int inserted = Store().InsertMacro(MacroRecord { 0, 5, 3, 40, 0, "Copied" });
    ASSERT_EQ(inserted, created + 1);
    ASSERT_TRUE(Store().RenameMacro(inserted, "宏 2"));
    ASSERT_TRUE(Store().UpdateMacroPlayback(inserted, 99, 2, 10));
    ASSERT_TRUE(Store().GetMacro(inserted, macro));
    EXPECT_EQ(macro, (MacroRecord { inserted, 99, 2, 10, 0, "宏 2" }));

    std::vector<MacroRecord> macros;
    ASSERT_EQ(Store().ListMacros(macros), 2);
    EXPECT_EQ(macros[0].macro_id, created);

    int playTimes = -5;
    EXPECT_TRUE(Store().GetMacroPlayTimes(inserted, playTimes));
    EXPECT_EQ(playTimes, 99);
    playTimes = -5;
    EXPECT_FALSE(Store().GetMacroPlayTimes(inserted + 1, playTimes));
    EXPECT_EQ(playTimes, -5);
}

TEST_F(MacrosTest, EventsComeBackInRecordIndexOrder)
{
    std::vector<MacroEvent> events = Events(1, { 2, 3, 2, 3 });
    for (int i : { 2, 0, 3, 1 })
        ASSERT_GT(Store().InsertMacroEvent(events[i]), 0);
    ASSERT_TRUE(Store().InsertMacroEvents(Events(2, { 2, 3 })));

    std::vector<MacroEvent> stored;
    ASSERT_EQ(Store().ListMacroEvents(1, stored), 4);
    for (int i = 0; i < 4; ++i) {
        MacroEvent expected = events[i];
        expected.record_id = stored[i].record_id;
        EXPECT_EQ(stored[i], expected);
    }
    EXPECT_EQ(Store().ListMacroEvents(2, stored), 2);
    EXPECT_TRUE(Store().DeleteMacroEvents(1));
    EXPECT_EQ(Store().ListMacroEvents(1, stored), 0);
    EXPECT_EQ(Store().ListMacroEvents(2, stored), 2);
}

TEST_F(MacrosTest, CountingSkipsEventsOfType1)
{
    ASSERT_TRUE(Store().InsertMacroEvents(Events(1, { 2, 1, 3, 1, 1, 4 })));
    EXPECT_EQ(Store().CountMacroEvents(1), 3);
    EXPECT_EQ(Store().CountMacroEvents(2), 0);
}

TEST_F(MacrosTest, ReplacingTheEventsStoresTheNewListUnderTheMacro)
{
    ASSERT_TRUE(Store().InsertMacroEvents(Events(1, { 2, 3, 2, 3 })));
    ASSERT_TRUE(Store().InsertMacroEvents(Events(2, { 2, 3 })));
    ASSERT_TRUE(Store().ReplaceMacroEvents(1, Events(0, { 3, 2 })));
    std::vector<MacroEvent> stored;
    ASSERT_EQ(Store().ListMacroEvents(1, stored), 2);
    EXPECT_EQ(stored[0].type, 3);
    EXPECT_EQ(stored[1].macro_id, 1);
    EXPECT_EQ(Store().ListMacroEvents(2, stored), 2);
    ASSERT_TRUE(Store().ReplaceMacroEvents(1, {}));
    EXPECT_EQ(Store().ListMacroEvents(1, stored), 0);
}

TEST_F(MacrosTest, DeletingAMacroRemovesItsEventsAndTheKeysPlayingItInEveryProfile)
{
    const int doomed = Store().CreateMacro("doomed");
    const int kept = Store().CreateMacro("kept");
    ASSERT_TRUE(Store().InsertMacroEvents(Events(doomed, { 2, 3 })));
    ASSERT_TRUE(Store().InsertMacroEvents(Events(kept, { 2, 3 })));
    auto key = [](int profile, int layer, int code, int type, int value) {
        return KeyAssignment { 0, profile, layer, code, 0, "", type, value, 0, 0, "" };
    };
    ASSERT_GT(Store().SaveKeyAssignment(key(1, 0, 4, kKeyFunctionMacro, doomed)), 0);
    ASSERT_GT(Store().SaveKeyAssignment(key(2, 1, 5, kKeyFunctionMacro, doomed)), 0);
    ASSERT_GT(Store().SaveKeyAssignment(key(1, 0, 6, kKeyFunctionMacro, kept)), 0);
    ASSERT_GT(Store().SaveKeyAssignment(key(1, 0, 7, kKeyFunctionKey, doomed)), 0);

    EXPECT_TRUE(Store().DeleteMacro(doomed));
    MacroRecord macro;
    EXPECT_FALSE(Store().GetMacro(doomed, macro));
    EXPECT_TRUE(Store().GetMacro(kept, macro));
    std::vector<MacroEvent> events;
    EXPECT_EQ(Store().ListMacroEvents(doomed, events), 0);
    EXPECT_EQ(Store().ListMacroEvents(kept, events), 2);
    RawDb db(Store().GetPath());
    EXPECT_EQ(db.Rows("SELECT key_code FROM t_key_macro_data ORDER BY key_code"),
        (std::vector<std::vector<std::string>> { { "6" }, { "7" } }));
}

} // namespace
} // namespace clavora::test
