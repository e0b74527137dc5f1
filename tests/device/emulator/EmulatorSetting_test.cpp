#include "device/emulator/EmulatorSetting.h"

#include <gtest/gtest.h>

namespace clavora {
namespace {

TEST(EmulatorSetting, ValueForms)
{
    struct Case {
        const char* value;
        bool selected;
        std::string model;
        std::vector<int> modes;
    };
    const Case cases[] {
        { nullptr, false, "", {} },
        { "", false, "", {} },
        { "0", false, "", {} },
        { "1", true, "", { 0 } },
        { "1:1,2", true, "", { 1, 2 } },
        { "K201", true, "K201", { 0 } },
        { "K201:0,1", true, "K201", { 0, 1 } },
        { "1:", true, "", {} },
        { "K201:", true, "K201", {} },
        { "Pro: Edition:2", true, "Pro: Edition", { 2 } },
        { "K201:3", true, "K201:3", { 0 } },  // not a mode list: part of the name
        { "K201:0,,1", true, "K201:0,,1", { 0 } },
    };
    for (const Case& c : cases) {
        const auto setting = ParseEmulatorSetting(c.value);
        ASSERT_EQ(setting.has_value(), c.selected) << (c.value ? c.value : "(unset)");
        if (!setting)
            continue;
        EXPECT_EQ(setting->model, c.model) << c.value;
        EXPECT_EQ(setting->modes, c.modes) << c.value;
    }
}

} // namespace
} // namespace clavora
