#pragma once

// A store of its own in a temporary data folder and the shipped language files, for the key
// page's and the profile list's operations without a window.

#include "store/DataStore.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace clavora::test {

class StoreWithTexts : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static DataStore& Store() { return DataStore::GetInstance(); }
    // The language text of a number under the current language.
    static std::string Text(int number);

    TempDir m_dir;
    ScopedEnv m_data { "XDG_DATA_HOME", m_dir.Path().string() };
};

} // namespace clavora::test
