#include "mainwnd/StateReport.h"

#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace clavora::test {

TEST(StateReportTest, WritesTheLineWhenTheStateChanges)
{
    TempDir dir;
    const std::string path = dir.File("state");
    StateReport report(path);
    report.Report({ 1, true, true, true });
    EXPECT_EQ(ReadFileBytes(path), "page=1 tabs=1 keyboard=1 visible=1\n");

    // The same state again is not written.
    std::filesystem::remove(path);
    report.Report({ 1, true, true, true });
    EXPECT_FALSE(std::filesystem::exists(path));
    report.Report({ 0, false, false, true });
    EXPECT_EQ(ReadFileBytes(path), "page=0 tabs=0 keyboard=0 visible=1\n");
}

TEST(StateReportTest, NothingWithoutTheVariable)
{
    TempDir dir;
    ScopedEnv unset("CLAVORA_STATE_FILE", std::nullopt);
    StateReport report;
    report.Report({ 2, true, true, false });
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

} // namespace clavora::test
