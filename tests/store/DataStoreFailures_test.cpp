#include "StoreTestSupport.h"

#include <functional>
#include <ostream>

namespace clavora::test {
namespace {

// With no file open, every operation gives its failure value and touches no output it
// promises to keep.
TEST_F(StoreFolderTest, WithNoFileOpenEveryOperationFails)
{
    ASSERT_FALSE(Store().IsOpened());
    DataStore& s = Store();
    std::string text = "kept";
    int number = 77;
    KeyAssignment key { 0, 1, 0, 4, 0, "", 2, 5, 0, 0, "" };
    std::vector<ProfileRecord> profiles(2);
    std::vector<KeyAssignment> keys(2);
    std::vector<LightRecord> lights(2);
    std::vector<KeyLight> keyLights(2);
    std::vector<MacroRecord> macros(2);
    std::vector<MacroEvent> events(2);
    LightRecord light;
    MacroRecord macro;
    MusicLayer layer;

    EXPECT_EQ(s.InsertProfile("p", ""), 0);
    EXPECT_FALSE(s.DeleteProfile(1));
    EXPECT_FALSE(s.RenameProfile(1, "x"));
    EXPECT_FALSE(s.GetProfileName(1, text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(s.ListProfiles(profiles), 0);
    EXPECT_TRUE(profiles.empty());
    EXPECT_FALSE(s.SetActiveProfile(1));
    EXPECT_EQ(s.GetActiveProfile(), 0);

    EXPECT_EQ(s.SaveKeyAssignment(key), 0);
    EXPECT_FALSE(s.GetKeyAssignment(1, 0, 4, key));
    EXPECT_EQ(s.ListKeyAssignments(1, 0, keys), 0);
    EXPECT_TRUE(keys.empty());
    EXPECT_EQ(s.InsertKeyParam("d", "p", 1), 0);
    text = "kept";
    EXPECT_TRUE(s.GetKeyParam(1, text, text, number));
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(number, 77);

    EXPECT_EQ(s.CountLights(1), 0);
    EXPECT_EQ(s.InsertLight(light), 0);
    EXPECT_FALSE(s.UpdateLight(light));
    EXPECT_FALSE(s.SetActiveLightMode(1, 1));
    EXPECT_EQ(s.GetActiveLightMode(1), 0);
    EXPECT_FALSE(s.GetLight(1, 1, light));
    EXPECT_EQ(s.ListLights(1, lights), 0);
    EXPECT_TRUE(lights.empty());
    EXPECT_EQ(s.InsertKeyLights({ KeyLight {} }), 0);
    EXPECT_FALSE(s.DeleteCustomKeyLights());
    EXPECT_EQ(s.ListKeyLights(128, keyLights), 0);
    EXPECT_TRUE(keyLights.empty());
    EXPECT_FALSE(s.SaveCustomKeyLights({ KeyLight {} }));

    EXPECT_EQ(s.CreateMacro("m"), 0);
    EXPECT_EQ(s.InsertMacro(macro), 0);
    EXPECT_FALSE(s.RenameMacro(1, "x"));
    EXPECT_FALSE(s.UpdateMacroPlayback(1, 1, 1, 0));
    EXPECT_FALSE(s.DeleteMacro(1));
    EXPECT_FALSE(s.GetMacroPlayTimes(1, number));
    EXPECT_EQ(number, 77);
    EXPECT_FALSE(s.GetMacro(1, macro));
    EXPECT_EQ(s.ListMacros(macros), 0);
    EXPECT_TRUE(macros.empty());
    EXPECT_EQ(s.InsertMacroEvent(MacroEvent {}), 0);
    EXPECT_FALSE(s.InsertMacroEvents({ MacroEvent {} }));
    EXPECT_EQ(s.ListMacroEvents(1, events), 0);
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(s.DeleteMacroEvents(1));
    EXPECT_EQ(s.CountMacroEvents(1), 0);
    EXPECT_FALSE(s.ReplaceMacroEvents(1, {}));

    EXPECT_EQ(s.CountMusicLayers(), 0);
    EXPECT_EQ(s.InsertMusicLayer("m", 1), 0);
    EXPECT_FALSE(s.GetMusicLayer(1, layer));
    EXPECT_FALSE(s.UpdateMusicLayer(0, 1, 2, 3, 4));
    EXPECT_FALSE(s.SelectMusicLayer());
    EXPECT_EQ(s.GetSelectedMusicLayer(), 0);
    s.SeedDefaultConfig();
}

// An old file without a table: only that table's operations fail.
TEST_F(StoreTest, AMissingTableFailsOnlyItsOwnOperations)
{
    {
        RawDb db(Store().GetPath());
        ASSERT_EQ(db.Exec("DROP TABLE t_musiclayer_data"), SQLITE_OK);
    }
    MusicLayer layer;
    EXPECT_EQ(Store().CountMusicLayers(), 0);
    EXPECT_EQ(Store().InsertMusicLayer("m", 1), 0);
    EXPECT_FALSE(Store().GetMusicLayer(1, layer));
    EXPECT_FALSE(Store().SelectMusicLayer());
    EXPECT_GT(Store().InsertProfile("p", ""), 0);
}

// Each replacement gets a fault planted between its delete and its inserts: a trigger that
// aborts one insert. The rows from before must survive and the next write must work.
struct AtomicCase {
    const char* name;
    std::function<void(DataStore&)> seed;
    const char* trigger;
    std::function<bool(DataStore&)> replace; // true when the store reported success
    const char* rowsQuery;
};

void PrintTo(const AtomicCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<KeyLight> FullSet(int rgb)
{
    std::vector<KeyLight> set;
    for (int code = 1; code <= 104; ++code)
        set.push_back(KeyLight { 0, 1, 128, code, rgb });
    return set;
}

std::vector<MacroEvent> EventList(int macro_id, int count, int value)
{
    std::vector<MacroEvent> events;
    for (int i = 0; i < count; ++i)
        events.push_back(MacroEvent { 0, macro_id, 2 + i % 2, i, "A", value, 5 });
    return events;
}

const AtomicCase kAtomicCases[] = {
    { "SaveKeyAssignment",
        [](DataStore& s) {
            s.SaveKeyAssignment(KeyAssignment { 0, 1, 0, 4, 0, "", 2, 5, 0, 0, "B" });
        },
        "CREATE TRIGGER fault BEFORE INSERT ON t_key_macro_data BEGIN SELECT RAISE(ABORT, 'fault'); END",
        [](DataStore& s) {
            return s.SaveKeyAssignment(KeyAssignment { 0, 1, 0, 4, 0, "", 2, 6, 0, 0, "C" }) != 0;
        },
        "SELECT * FROM t_key_macro_data ORDER BY key_id" },
    { "ReplaceMacroEvents", [](DataStore& s) { s.InsertMacroEvents(EventList(1, 10, 1)); },
        "CREATE TRIGGER fault BEFORE INSERT ON t_macrorecord WHEN NEW.record_index = 6 "
        "BEGIN SELECT RAISE(ABORT, 'fault'); END",
        [](DataStore& s) { return s.ReplaceMacroEvents(1, EventList(1, 12, 2)); },
        "SELECT * FROM t_macrorecord ORDER BY record_id" },
    { "SaveCustomKeyLights", [](DataStore& s) { s.InsertKeyLights(FullSet(0x0000FF)); },
        "CREATE TRIGGER fault BEFORE INSERT ON t_key_light_data WHEN NEW.key_code = 60 "
        "BEGIN SELECT RAISE(ABORT, 'fault'); END",
        [](DataStore& s) { return s.SaveCustomKeyLights(FullSet(0x00FF00)); },
        "SELECT * FROM t_key_light_data ORDER BY keylight_id" },
    { "InsertKeyLights", [](DataStore&) {},
        "CREATE TRIGGER fault BEFORE INSERT ON t_key_light_data WHEN NEW.key_code = 60 "
        "BEGIN SELECT RAISE(ABORT, 'fault'); END",
        [](DataStore& s) { return s.InsertKeyLights(FullSet(0x00FF00)) != 0; },
        "SELECT * FROM t_key_light_data" },
    { "InsertMacroEvents", [](DataStore&) {},
        "CREATE TRIGGER fault BEFORE INSERT ON t_macrorecord WHEN NEW.record_index = 999 "
        "BEGIN SELECT RAISE(ABORT, 'fault'); END",
        [](DataStore& s) { return s.InsertMacroEvents(EventList(1, 1000, 2)); },
        "SELECT * FROM t_macrorecord" },
    { "DeleteMacro",
        [](DataStore& s) {
            s.CreateMacro("m");
            s.InsertMacroEvents(EventList(1, 3, 1));
            s.SaveKeyAssignment(KeyAssignment { 0, 1, 0, 4, 0, "", 3, 1, 0, 0, "m" });
        },
        "CREATE TRIGGER fault BEFORE DELETE ON t_key_macro_data BEGIN SELECT RAISE(ABORT, 'fault'); END",
        [](DataStore& s) { return s.DeleteMacro(1); },
        "SELECT (SELECT count(*) FROM t_macro_data), (SELECT count(*) FROM t_macrorecord), "
        "(SELECT count(*) FROM t_key_macro_data)" },
    { "SetActiveProfile",
        [](DataStore& s) {
            s.InsertProfile("a", "");
            s.InsertProfile("b", "");
            s.SetActiveProfile(1);
        },
        "CREATE TRIGGER fault BEFORE UPDATE ON t_profile_data WHEN NEW.status = 1 "
        "BEGIN SELECT RAISE(ABORT, 'fault'); END",
        [](DataStore& s) { return s.SetActiveProfile(2); }, "SELECT * FROM t_profile_data" },
    { "SetActiveLightMode",
        [](DataStore& s) {
            s.InsertLight(LightRecord { 0, 1, "a", 1, 0, 0, 0, 0, 0, 0, 0, 0, 1 });
            s.InsertLight(LightRecord { 0, 1, "b", 2, 0, 0, 0, 0, 0, 0, 0, 0, 0 });
        },
        "CREATE TRIGGER fault BEFORE UPDATE ON t_light_data WHEN NEW.status = 1 "
        "BEGIN SELECT RAISE(ABORT, 'fault'); END",
        [](DataStore& s) { return s.SetActiveLightMode(1, 2); }, "SELECT * FROM t_light_data" },
};

class AtomicReplacementTest : public StoreTest, public ::testing::WithParamInterface<AtomicCase> { };

TEST_P(AtomicReplacementTest, AFailureHalfWayKeepsThePreviousRows)
{
    const AtomicCase& c = GetParam();
    c.seed(Store());
    RawDb db(Store().GetPath());
    const auto before = db.Rows(c.rowsQuery);
    ASSERT_EQ(db.Exec(c.trigger), SQLITE_OK);

    EXPECT_FALSE(c.replace(Store()));
    EXPECT_EQ(db.Rows(c.rowsQuery), before);

    // Nothing is left half-open on the store's connection: the same write works once the
    // fault is gone.
    ASSERT_EQ(db.Exec("DROP TRIGGER fault"), SQLITE_OK);
    EXPECT_TRUE(c.replace(Store()));
    EXPECT_NE(db.Rows(c.rowsQuery), before);
}

INSTANTIATE_TEST_SUITE_P(Store, AtomicReplacementTest, ::testing::ValuesIn(kAtomicCases),
    [](const ::testing::TestParamInfo<AtomicCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace clavora::test
