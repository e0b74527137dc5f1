#pragma once

// Shared fixture of the toolkit tests: the headless window system on a manual clock, a skin
// folder of the test's own making, and a few helpers to build test images.

#include "lumoui/Graphics.h"
#include "lumoui/Headless.h"
#include "lumoui/Manager.h"
#include "lumoui/WindowApi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace lumotest {

class LumoTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lets the paint interval pass and runs everything pending.
    static void Flush();
    // Writes a PNG of w x h into the skin folder; `pixel(x, y)` gives each pixel's ARGB.
    template <class F> std::string WriteSkinPng(const std::string& name, int w, int h, F pixel);
    std::string SkinFolder() const;

    clavora::test::TempDir m_dir;
};

// Colours that went through premultiplied alpha may be off by one per channel.
::testing::AssertionResult ColorNear(lumo::ARGB actual, lumo::ARGB expected);

// Saves a w x h image whose pixels come from `pixel` as PNG. False on failure.
bool WritePng(const std::string& path, int w, int h, uint32_t (*pixel)(int, int, void*), void* ctx);

template <class F> std::string LumoTest::WriteSkinPng(const std::string& name, int w, int h, F pixel)
{
    std::string path = SkinFolder() + name;
    auto thunk = [](int x, int y, void* ctx) -> uint32_t { return (*static_cast<F*>(ctx))(x, y); };
    EXPECT_TRUE(WritePng(path, w, h, thunk, &pixel));
    return path;
}

} // namespace lumotest
