#include "keys/KeyFunctions.h"
#include "store/KeyAssignment.h"

#include <gtest/gtest.h>

namespace clavora::test {

TEST(KeyFunctionsTest, MacroTipsTakeTheCurrentWordOnlyWhereTheLanguageSaysSo)
{
    struct Case {
        const char* stored;
        int language;
        const char* shown;
    } cases[] = {
        // English: the Chinese prefix, or the English word standing alone.
        { "宏 3", 1033, "W 3" },
        { "Macro", 1033, "W" },
        { "Macro 2", 1033, "Macro 2" },
        // Chinese: the English prefix only.
        { "Macro 2", 2052, "W 2" },
        { "Macros", 2052, "Ws" },
        { "宏 2", 2052, "宏 2" },
        // Russian: either prefix, the Chinese one first.
        { "宏Macro", 1049, "WMacro" },
        { "Macro 7", 1049, "W 7" },
        // Other languages and other names: as stored.
        { "Macro 2", 1046, "Macro 2" },
        { "My macro", 2052, "My macro" },
        { "", 1033, "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(MacroTipText(c.stored, c.language, "W"), c.shown) << c.stored << " under " << c.language;
}

TEST(KeyFunctionsTest, TypeLabelsShortcutNamesAndChooserTypes)
{
    const std::pair<int, int> labels[] { { 1, 202 }, { 2, 205 }, { 12, 205 }, { 3, 206 }, { 5, 207 }, { 6, 208 },
        { 7, 209 }, { 8, 210 }, { 9, 211 }, { 10, 212 }, { 0, 0 }, { 4, 0 }, { 11, 0 } };
    for (const auto& [type, text] : labels)
        EXPECT_EQ(TypeLabelText(type), text) << type;

    EXPECT_EQ(ShortcutNameText(1), 701);
    EXPECT_EQ(ShortcutNameText(15), 715);
    EXPECT_EQ(ShortcutNameText(0), 0);
    EXPECT_EQ(ShortcutNameText(16), 0);

    EXPECT_EQ(ChooserFunctionType(4), kKeyFunctionKey);
    EXPECT_EQ(ChooserFunctionType(499), kKeyFunctionKey);
    EXPECT_EQ(ChooserFunctionType(500), kKeyFunctionKeyHigh);
}

} // namespace clavora::test
