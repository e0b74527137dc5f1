#include "mainwnd/DisplayNames.h"

#include <gtest/gtest.h>

namespace clavora {

TEST(DisplayNamesTest, ProfileNamesByLanguage)
{
    struct Case {
        const char* stored;
        int language;
        const char* shown;
    } cases[] = {
        { "Profile 2", 2052, "<P> 2" },
        { "Profile 2", 1033, "Profile 2" },
        { "Perfil 3", 2052, "<P> 3" },
        { "Perfil 3", 1033, "<P> 3" },
        { "配置方案 1", 1033, "<P> 1" },
        { "配置方案 1", 1046, "<P> 1" },
        { "配置方案 1", 2052, "配置方案 1" },
        { "Profile 4", 1046, "<P> 4" },
        { "Perfil 4", 1046, "Perfil 4" },
        { "Profile 5", 1031, "Profile 5" },
        { "My Profile", 2052, "My Profile" },
        { "Profiles", 2052, "<P>s" },
        { "", 2052, "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProfileDisplayName(c.stored, c.language, "<P>"), c.shown) << c.stored << " in " << c.language;
}

TEST(DisplayNamesTest, MacroNamesByLanguage)
{
    struct Case {
        const char* stored;
        int language;
        const char* shown;
    } cases[] = {
        { "Macro 1", 2052, "<M> 1" },
        { "宏 1", 2052, "宏 1" },
        { "宏 1", 1033, "<M> 1" },
        { "Macro 2", 1033, "<M> 2" },
        { "宏 3", 1046, "<M> 3" },
        { "Macro 3", 1046, "<M> 3" },
        { "Macro 1", 1031, "Macro 1" },
        { "A Macro", 1033, "A Macro" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(MacroDisplayName(c.stored, c.language, "<M>"), c.shown) << c.stored << " in " << c.language;
}

} // namespace clavora
