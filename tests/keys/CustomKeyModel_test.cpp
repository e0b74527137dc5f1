#include "keys/CustomKeyModel.h"
#include "startup/Language.h"
#include "store/MacroEvent.h"
#include "support/StoreWithTexts.h"

namespace clavora::test {

namespace {

constexpr int kKey = 4;
constexpr int kProfile = 2;

} // namespace

class CustomKeyModelTest : public StoreWithTexts {
protected:
    int Macro(const std::string& name, std::initializer_list<int> eventTypes)
    {
        const int id = Store().CreateMacro(name);
        int index = 0;
        for (int type : eventTypes) {
            MacroEvent event;
            event.macro_id = id;
            event.type = type;
            event.record_index = index++;
            event.value = 65;
            Store().InsertMacroEvent(event);
        }
        return id;
    }
    KeyAssignment Row()
    {
        KeyAssignment row;
        Store().GetKeyAssignment(kProfile, 0, kKey, row);
        return row;
    }

    CustomKeyModel model { Store(), kKey, kProfile };
};

TEST_F(CustomKeyModelTest, ChoicesOfEachType)
{
    SetCurrentLanguage(2052);
    const int first = Macro("Macro 1", { 2, 3 });
    const int second = Macro("Mine", {});
    const std::vector<CustomKeyChoice> macros = model.Choices(CustomKeyModel::kModeMacro);
    ASSERT_EQ(macros.size(), 2u);
    EXPECT_EQ(macros[0].text, Text(331) + " 1") << "macros are listed by their shown names";
    EXPECT_EQ(macros[0].data, first);
    EXPECT_EQ(macros[1].text, "Mine");
    EXPECT_EQ(macros[1].data, second);

    const std::vector<CustomKeyChoice> shortcuts = model.Choices(CustomKeyModel::kModeShortcut);
    ASSERT_EQ(shortcuts.size(), 15u);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(shortcuts[i].data, i + 1);
        EXPECT_EQ(shortcuts[i].text, Text(701 + i));
    }
    EXPECT_TRUE(model.Choices(5).empty());
    EXPECT_EQ(CustomKeyModel::ModeText(3), 206);
    EXPECT_EQ(CustomKeyModel::ModeText(7), 209);
}

TEST_F(CustomKeyModelTest, OkStoresTheChoiceForTheDialogsKeyAndProfile)
{
    EXPECT_EQ(model.Ok(CustomKeyModel::kModeShortcut, 4, Text(704)), CustomKeyModel::OkResult::Stored);
    KeyAssignment row = Row();
    EXPECT_EQ(row.macro_type, 7);
    EXPECT_EQ(row.macro_value, 4);
    EXPECT_EQ(row.macro_value2, 0);
    EXPECT_EQ(row.macro_desc, Text(704));

    const int macro = Macro("Macro 1", { 2, 3 });
    EXPECT_EQ(model.Ok(CustomKeyModel::kModeMacro, macro, "Macro 1"), CustomKeyModel::OkResult::Stored);
    row = Row();
    EXPECT_EQ(row.macro_type, 3);
    EXPECT_EQ(row.macro_value, macro);
    EXPECT_EQ(row.macro_desc, "Macro 1");
}

TEST_F(CustomKeyModelTest, MacrosWithoutEventsAreRefusedAndTheKeyKeepsItsFunction)
{
    model.Ok(CustomKeyModel::kModeShortcut, 2, "Copy");
    const int empty = Macro("Empty", {});
    // Events of type 1 do not count as events.
    const int typeOnly = Macro("Odd", { 1, 1 });
    for (int macro : { empty, typeOnly, 0 }) {
        SCOPED_TRACE(macro);
        EXPECT_EQ(model.Ok(CustomKeyModel::kModeMacro, macro, "x"), CustomKeyModel::OkResult::NoEvents);
        EXPECT_EQ(Row().macro_value, 2);
    }
    EXPECT_EQ(model.Ok(CustomKeyModel::kModeShortcut, 0, ""), CustomKeyModel::OkResult::NoChoice);
    EXPECT_EQ(model.Ok(5, 1, "left"), CustomKeyModel::OkResult::NoChoice);
    EXPECT_EQ(Row().macro_value, 2);
}

} // namespace clavora::test
