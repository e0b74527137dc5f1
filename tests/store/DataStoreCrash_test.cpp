#include "StoreTestSupport.h"

#include <chrono>
#include <csignal>
#include <random>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace clavora::test {
namespace {

constexpr const char* kCrashModel = "Crash";
constexpr int kRuns = 50;
constexpr int kKeysPerBatch = 104;
constexpr int kEventsPerBatch = 50;
// Even runs kill at a random moment after the fork (often during the start or the very
// first creation of the file), odd runs at a random moment after the first committed batch,
// so half the kills land among the writes however slow the build is.
constexpr int kMaxKillDelayAfterForkUs = 15000;
constexpr int kMaxKillDelayAfterFirstBatchUs = 8000;

// The child: writes numbered batches (a colour set named after the batch, then the macro's
// event list rewritten with the batch number) and reports each one once both are committed.
[[noreturn]] void WriteBatches(int reportFd, int firstBatch)
{
    DataStore& store = DataStore::GetInstance();
    if (!store.OpenForDevice(kCrashModel))
        _exit(2);
    std::vector<MacroRecord> macros;
    const int macro = store.ListMacros(macros) > 0 ? macros[0].macro_id : store.CreateMacro("crash");
    for (int batch = firstBatch;; ++batch) {
        std::vector<KeyLight> lights;
        for (int code = 1; code <= kKeysPerBatch; ++code)
            lights.push_back(KeyLight { 0, 1, batch, code, batch });
        std::vector<MacroEvent> events;
        for (int i = 0; i < kEventsPerBatch; ++i)
            events.push_back(MacroEvent { 0, macro, 2 + i % 2, i, "K", batch, 5 });
        if (store.InsertKeyLights(lights) != kKeysPerBatch || !store.ReplaceMacroEvents(macro, events))
            _exit(3);
        if (write(reportFd, &batch, sizeof batch) != sizeof batch)
            _exit(4);
    }
}

// Every reported batch is in the file, no batch is partly there, and the event list is one
// whole generation no older than the last reported batch. The colour sets are then cleared
// so the file stays small and each check quick.
void ExpectCompleteBatches(const std::set<int>& reported, int lastReported)
{
    RawDb db(DataStore::GetInstance().GetPath());
    ASSERT_EQ(db.Rows("PRAGMA integrity_check"), (std::vector<std::vector<std::string>> { { "ok" } }));
    std::set<int> stored;
    for (const auto& row :
        db.Rows("SELECT light_id, count(*), count(DISTINCT key_code), min(key_rgb = light_id) "
                "FROM t_key_light_data GROUP BY light_id")) {
        stored.insert(std::stoi(row[0]));
        EXPECT_EQ(row[1], std::to_string(kKeysPerBatch)) << "batch " << row[0];
        EXPECT_EQ(row[2], std::to_string(kKeysPerBatch)) << "batch " << row[0];
        EXPECT_EQ(row[3], "1") << "batch " << row[0];
    }
    for (int batch : reported)
        EXPECT_TRUE(stored.count(batch)) << "committed batch " << batch << " is missing";
    auto events = db.Rows("SELECT count(*), count(DISTINCT value), ifnull(min(value), 0) FROM t_macrorecord");
    ASSERT_EQ(events.size(), 1u);
    if (events[0][0] != "0") {
        EXPECT_EQ(events[0][0], std::to_string(kEventsPerBatch));
        EXPECT_EQ(events[0][1], "1");
        EXPECT_GE(std::stoi(events[0][2]), lastReported);
    }
    EXPECT_EQ(db.Exec("DELETE FROM t_key_light_data"), SQLITE_OK);
}

TEST_F(StoreFolderTest, AWriterKilledAtAnyMomentLeavesASoundFileWithWholeBatches)
{
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> delayAfterFork(0, kMaxKillDelayAfterForkUs);
    std::uniform_int_distribution<int> delayAfterFirstBatch(0, kMaxKillDelayAfterFirstBatchUs);
    int lastReported = 0;
    for (int run = 0; run < kRuns; ++run) {
        ASSERT_TRUE(Store().Close());
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(fds[0]);
            WriteBatches(fds[1], 1000 + run * 100000);
        }
        close(fds[1]);
        std::set<int> reported;
        int batch = 0;
        auto readReport = [&] {
            if (read(fds[0], &batch, sizeof batch) != sizeof batch)
                return false;
            reported.insert(batch);
            lastReported = batch;
            return true;
        };
        if (run % 2 == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(delayAfterFork(random)));
        } else if (readReport()) {
            // Without a report the child failed to start; the exit check below says so.
            std::this_thread::sleep_for(std::chrono::microseconds(delayAfterFirstBatch(random)));
        }
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself with " << WEXITSTATUS(status);
        while (readReport()) { }
        close(fds[0]);

        ASSERT_TRUE(Store().OpenForDevice(kCrashModel)) << "run " << run;
        ExpectCompleteBatches(reported, lastReported);
        if (HasFatalFailure() || HasNonfatalFailure())
            FAIL() << "after run " << run;
    }
}

} // namespace
} // namespace clavora::test
