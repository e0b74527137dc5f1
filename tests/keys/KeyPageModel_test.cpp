#include "KeyPageRecorders.h"

#include "keys/KeyPageModel.h"
#include "startup/Language.h"
#include "support/StoreWithTexts.h"

namespace clavora::test {

namespace {

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;
constexpr int kFn = 255;

} // namespace

class KeyPageModelTest : public StoreWithTexts {
protected:
    // A click on a key: the picture selects it, then the page hears of it.
    bool Click(int key)
    {
        picture.selected = true;
        return page.SelectKey(key);
    }
    KeyAssignment Row(int key, int profile = 1, int layer = 0)
    {
        KeyAssignment row;
        Store().GetKeyAssignment(profile, layer, key, row);
        return row;
    }
    int StoreRow(int key, int type, int value, const std::string& desc, int profile = 1, int layer = 0)
    {
        KeyAssignment row;
        row.profile = profile;
        row.fn_layer = layer;
        row.key_code = key;
        row.macro_type = type;
        row.macro_value = value;
        row.macro_desc = desc;
        return Store().SaveKeyAssignment(row);
    }
    size_t RowCount(int profile = 1)
    {
        std::vector<KeyAssignment> rows;
        return static_cast<size_t>(Store().ListKeyAssignments(profile, 0, rows));
    }

    PictureRecorder picture;
    ChooserRecorder chooser;
    HostRecorder host;
    KeyPageModel page { Store(), picture, chooser, host };
};

TEST_F(KeyPageModelTest, ChoosingStoresTheChooserItemAndShowsIt)
{
    struct Case {
        int key;
        ChooserItem item;
        int type;
    } cases[] = {
        { 30, { 4, 0, 0, "A" }, kKeyFunctionKey },
        { 31, { 234, 0, 0, Text(234) }, kKeyFunctionKey },
        // Codes from 500 on keep a type of their own.
        { 32, { 500, 7, 9, "Far" }, kKeyFunctionKeyHigh },
    };
    int arms = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item.label);
        ASSERT_TRUE(Click(c.key));
        page.Choose(c.item);
        const KeyAssignment row = Row(c.key);
        EXPECT_EQ(row.macro_type, c.type);
        EXPECT_EQ(row.macro_value, c.item.code);
        EXPECT_EQ(row.macro_value2, c.item.value2);
        EXPECT_EQ(row.macro_value3, c.item.value3);
        EXPECT_EQ(row.macro_desc, c.item.label);
        EXPECT_EQ(row.fn_layer, 0);
        EXPECT_TRUE(picture.marks.contains(c.key));
        EXPECT_EQ(picture.tips[c.key], std::make_pair(Text(205), c.item.label));
        EXPECT_EQ(chooser.tick.code, c.item.code);
        EXPECT_EQ(chooser.tick.value2, c.item.value2);
        EXPECT_TRUE(picture.selected);
        EXPECT_EQ(host.arms, ++arms) << "every change re-arms the key filter";
    }
}

TEST_F(KeyPageModelTest, RestoringAndDisabling)
{
    // Restoring a key that has no row changes nothing in the store and clears what it shows.
    picture.marks.insert(kKeyA);
    picture.tips[kKeyA] = { "old", "tip" };
    Click(kKeyA);
    page.RestoreDefaultKey();
    EXPECT_EQ(RowCount(), 0u);
    EXPECT_FALSE(picture.marks.contains(kKeyA));
    EXPECT_FALSE(picture.tips.contains(kKeyA));
    EXPECT_FALSE(picture.selected);
    EXPECT_EQ(page.GetSelectedKey(), 0);
    EXPECT_EQ(chooser.tick.code, 0);
    EXPECT_EQ(host.arms, 1);

    Click(kKeyA);
    page.DisableKey();
    const KeyAssignment disabled = Row(kKeyA);
    EXPECT_EQ(disabled.macro_type, kKeyFunctionDisabled);
    EXPECT_EQ(disabled.macro_value, 1);
    EXPECT_EQ(disabled.macro_desc, "");
    EXPECT_EQ(picture.tips[kKeyA], std::make_pair(Text(202), std::string()));
    EXPECT_EQ(chooser.tick.code, 0) << "a disabled key has no chooser item";

    page.RestoreDefaultKey();
    EXPECT_EQ(RowCount(), 0u);
    EXPECT_EQ(host.arms, 3);
}

TEST_F(KeyPageModelTest, TheFnKeyAndClicksBesideTheKeysAreRefused)
{
    EXPECT_FALSE(Click(0));
    EXPECT_FALSE(Click(-1));
    EXPECT_TRUE(host.messages.empty());

    EXPECT_FALSE(Click(kFn));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], std::make_pair(365, 366));
    EXPECT_FALSE(picture.selected);

    // Nothing acts on the Fn key, nor on the key selected before it.
    Click(kKeyA);
    Click(kFn);
    page.Choose({ 5, 0, 0, "B" });
    page.DisableKey();
    page.RestoreDefaultKey();
    EXPECT_TRUE(page.OnMenuCommand(KeyPageModel::kMenuAssignShortcut));
    EXPECT_EQ(RowCount(), 0u);
    EXPECT_TRUE(host.dialogs.empty());
    EXPECT_EQ(host.arms, 0);
}

TEST_F(KeyPageModelTest, SelectingAKeyTicksItsChooserItemOnly)
{
    StoreRow(kKeyA, kKeyFunctionKey, kKeyB, "B");
    StoreRow(6, kKeyFunctionDisabled, 1, "");
    StoreRow(7, kKeyFunctionKey, 9, "F", 2);
    Click(kKeyA);
    EXPECT_EQ(chooser.tick.code, kKeyB);
    Click(6);
    EXPECT_EQ(chooser.tick.code, 0);
    Click(kKeyA);
    Click(7); // assigned in another profile only
    EXPECT_EQ(chooser.tick.code, 0);
    EXPECT_EQ(page.GetSelectedKey(), 7);
}

TEST_F(KeyPageModelTest, RefreshShowsEveryRowOfTheProfileOnLayerZero)
{
    SetCurrentLanguage(2052);
    StoreRow(10, kKeyFunctionDisabled, 1, "ignored");
    StoreRow(11, kKeyFunctionKey, 5, "B");
    StoreRow(12, kKeyFunctionMacro, 3, "Macro 4");
    StoreRow(13, kKeyFunctionMouse, 1, "Left");
    StoreRow(14, 6, 1, "Run");
    StoreRow(15, kKeyFunctionShortcut, 14, "Min");
    StoreRow(16, kKeyFunctionKeyHigh, 600, "High");
    StoreRow(17, 99, 1, "Odd");
    StoreRow(18, kKeyFunctionKey, 5, "other profile", 2);
    StoreRow(19, kKeyFunctionKey, 5, "other layer", 1, 1);
    picture.marks.insert(40);
    picture.tips[40] = { "stale", "" };
    Click(kKeyA);
    chooser.tick.code = 77;

    page.Refresh();

    EXPECT_EQ(picture.marks, (std::set<int> { 10, 11, 12, 13, 14, 15, 16, 17 }));
    EXPECT_EQ(picture.tips.size(), 7u) << "a type without a label gets no tip";
    EXPECT_EQ(picture.tips[10], std::make_pair(Text(202), std::string()));
    EXPECT_EQ(picture.tips[11], std::make_pair(Text(205), std::string("B")));
    EXPECT_EQ(picture.tips[12], std::make_pair(Text(206), Text(331) + " 4"));
    EXPECT_EQ(picture.tips[13].first, Text(207));
    EXPECT_EQ(picture.tips[14], std::make_pair(Text(208), std::string("Run")));
    EXPECT_EQ(picture.tips[15].first, Text(209));
    EXPECT_EQ(picture.tips[16].first, Text(205));
    EXPECT_EQ(chooser.tick.code, 0);
    EXPECT_FALSE(picture.selected);
    EXPECT_EQ(page.GetSelectedKey(), 0);
    EXPECT_GT(picture.redraws, 0);
    EXPECT_EQ(host.arms, 0) << "showing changes nothing the key filter performs";
}

TEST_F(KeyPageModelTest, MenuCommands)
{
    Click(kKeyA);
    EXPECT_TRUE(page.OnMenuCommand(KeyPageModel::kMenuDisable));
    EXPECT_EQ(Row(kKeyA).macro_type, kKeyFunctionDisabled);
    EXPECT_TRUE(page.OnMenuCommand(KeyPageModel::kMenuRestoreDefault));
    EXPECT_EQ(RowCount(), 0u);
    EXPECT_EQ(host.arms, 2);

    // A cancelled dialog changes nothing on the page.
    host.profile = 3;
    Click(kKeyA);
    EXPECT_TRUE(page.OnMenuCommand(KeyPageModel::kMenuAssignMacro));
    ASSERT_EQ(host.dialogs.size(), 1u);
    EXPECT_EQ(host.dialogs[0].mode, 3);
    EXPECT_EQ(host.dialogs[0].profile, 3);
    EXPECT_EQ(host.dialogs[0].key, kKeyA);
    EXPECT_EQ(host.arms, 2);
    EXPECT_TRUE(picture.selected);

    // One that stored: the page shows the profile again and the key filter takes it.
    StoreRow(kKeyA, kKeyFunctionShortcut, 4, "Paste", 3);
    host.dialogAnswer = true;
    EXPECT_TRUE(page.OnMenuCommand(KeyPageModel::kMenuAssignShortcut));
    EXPECT_EQ(host.dialogs.back().mode, 7);
    EXPECT_EQ(host.arms, 3);
    EXPECT_EQ(picture.tips[kKeyA], std::make_pair(Text(209), std::string("Paste")));

    EXPECT_FALSE(page.OnMenuCommand(610));
}

TEST_F(KeyPageModelTest, ASaveThatStoresNothingShowsTheKeyRestored)
{
    StoreRow(kKeyA, kKeyFunctionKey, kKeyB, "B");
    page.Refresh();
    Click(kKeyA);
    Store().Close();
    page.Choose({ 6, 0, 0, "C" });
    EXPECT_FALSE(picture.marks.contains(kKeyA));
    EXPECT_FALSE(picture.tips.contains(kKeyA));
    EXPECT_EQ(chooser.tick.code, 0);
    EXPECT_EQ(host.arms, 1);
}

} // namespace clavora::test
