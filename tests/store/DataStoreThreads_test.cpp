#include "StoreTestSupport.h"

#include <atomic>
#include <set>
#include <thread>

namespace clavora::test {
namespace {

constexpr int kRounds = 300;
constexpr int kEventsPerList = 20;

std::vector<MacroEvent> Generation(int macro_id, int generation)
{
    std::vector<MacroEvent> events;
    for (int i = 0; i < kEventsPerList; ++i)
        events.push_back(MacroEvent { 0, macro_id, 2, i, "G", generation, 1 });
    return events;
}

// The window thread edits keys and rewrites a macro while the device worker reads them and
// writes rows of its own, as they do when a task runs during editing.
TEST_F(StoreTest, TwoThreadsShareTheStoreWithoutLosingOrTearingRows)
{
    const int macro = Store().CreateMacro("shared");
    ASSERT_TRUE(Store().ReplaceMacroEvents(macro, Generation(macro, 0)));
    std::atomic<int> failures { 0 };
    std::atomic<int> tornReads { 0 };
    std::vector<int> paramIds;

    std::thread window([&] {
        for (int i = 0; i < kRounds; ++i) {
            KeyAssignment key { 0, 1, 0, 1 + i, 0, "", kKeyFunctionKey, 4 + i % 100, 0, 0, "k" };
            if (Store().SaveKeyAssignment(key) == 0)
                ++failures;
            if (!Store().ReplaceMacroEvents(macro, Generation(macro, i + 1)))
                ++failures;
        }
    });
    std::thread worker([&] {
        std::vector<KeyAssignment> keys;
        std::vector<MacroEvent> events;
        for (int i = 0; i < kRounds; ++i) {
            paramIds.push_back(Store().InsertKeyParam("p", std::to_string(i), 1));
            Store().ListKeyAssignments(1, 0, keys);
            // A reader sees either the whole old list or the whole new one.
            Store().ListMacroEvents(macro, events);
            std::set<int> generations;
            for (const MacroEvent& e : events)
                generations.insert(e.value);
            if (events.size() != kEventsPerList || generations.size() != 1)
                ++tornReads;
        }
    });
    window.join();
    worker.join();

    EXPECT_EQ(failures, 0);
    EXPECT_EQ(tornReads, 0);
    std::vector<KeyAssignment> keys;
    EXPECT_EQ(Store().ListKeyAssignments(1, 0, keys), kRounds);
    EXPECT_EQ(std::set<int>(paramIds.begin(), paramIds.end()).size(), static_cast<size_t>(kRounds));
    EXPECT_EQ(paramIds.front(), 1);
    for (int i = 0; i < kRounds; ++i) {
        std::string desc, param;
        int type = 0;
        Store().GetKeyParam(paramIds[i], desc, param, type);
        EXPECT_EQ(param, std::to_string(i));
    }
    std::vector<MacroEvent> events;
    ASSERT_EQ(Store().ListMacroEvents(macro, events), kEventsPerList);
    EXPECT_EQ(events[0].value, kRounds);
}

} // namespace
} // namespace clavora::test
