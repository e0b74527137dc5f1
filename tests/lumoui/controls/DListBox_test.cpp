#include "ListTest.h"

#include "lumoui/DListBox.h"
#include "lumoui/Manager.h"

using namespace lumo;

namespace {

constexpr UINT kId = 66;
// Five 32-pixel rows fit exactly.
constexpr CRect kRect(10, 10, 250, 170);

int RowY(int row)
{
    return 10 + row * DListBox::kRowHeight + 16;
}

class DListBoxTest : public lumotest::ListTest {
protected:
    DListBox* MakeList(int rows)
    {
        auto* list = CreateInPage<DListBox>("DListBox", kId, kRect);
        EXPECT_NE(list, nullptr);
        for (int i = 0; i < rows; ++i) {
            list->AddString("Item " + std::to_string(i), 100L + i, 0);
        }
        return list;
    }
    // A list with names editing enabled and row `row` being edited.
    DListBox* EditingList(int rows, int row)
    {
        DListBox* list = MakeList(rows);
        list->EnableShowEdit(true);
        list->SetCurSel(row);
        EXPECT_TRUE(list->ShowEdit());
        return list;
    }
};

TEST_F(DListBoxTest, LivesOnlyInContainers)
{
    EXPECT_EQ(m_dlg->CreateControl("DListBox", kId, kRect, "", 1, 1), nullptr);
    EXPECT_NE(MakeList(0), nullptr);
}

TEST_F(DListBoxTest, InsertFindAndDataRules)
{
    DListBox* list = MakeList(0);
    EXPECT_EQ(list->GetCurData(), 0) << "no selection";
    EXPECT_EQ(list->InsertString(0, "x", 0, 1), -1) << "an empty list has no row 0 to insert before";
    EXPECT_EQ(list->InsertString(-2, "x", 0, 1), -1);
    EXPECT_EQ(list->AddString("a", 0), 0);
    EXPECT_EQ(list->AddString("b", 7L, 0), 1);
    EXPECT_EQ(list->InsertString(2, "x", 0, 1), -1);
    EXPECT_EQ(list->GetItemData(0), 0);
    EXPECT_EQ(list->GetItemData(5), 0);
    EXPECT_EQ(list->GetItemText(5), "");

    ASSERT_TRUE(list->SetCurSel(1));
    EXPECT_EQ(list->InsertString(0, "first", 0, 9), 0);
    EXPECT_EQ(list->GetCurSel(), 2) << "the selection stays on its row";
    EXPECT_EQ(list->GetCurData(), 7);
    EXPECT_EQ(list->FindString("b"), 2);
    EXPECT_EQ(list->FindString("B"), -1);
    EXPECT_EQ(list->FindItemData(9), 0);
    EXPECT_EQ(list->SetCurData(9), 0);
    EXPECT_EQ(list->GetCurSel(), 0);
    EXPECT_EQ(list->SetCurData(12345), -1);
    EXPECT_EQ(list->GetCurSel(), 0) << "an unknown data leaves the selection";
    EXPECT_TRUE(list->SetItemData(0, 42));
    EXPECT_FALSE(list->SetItemData(3, 42));
    EXPECT_EQ(list->GetCurData(), 42);
    EXPECT_TRUE(list->ModifyItemString(1, "renamed"));
    EXPECT_FALSE(list->ModifyItemString(-1, "x"));
    EXPECT_EQ(list->GetItemText(1), "renamed");
    EXPECT_FALSE(list->SetCurSel(3));
    EXPECT_TRUE(list->SetCurSel(-1));
    EXPECT_EQ(list->GetCurData(), 0);

    list->SwapItem(0, 2);
    list->SwapItem(1, 1);
    list->SwapItem(0, 3);
    EXPECT_EQ(list->GetItemText(0), "b");
    EXPECT_EQ(list->GetItemText(2), "first");

    ASSERT_TRUE(list->SetCurSel(1));
    EXPECT_FALSE(list->DeleteItem(-1));
    EXPECT_FALSE(list->DeleteItem(3));
    EXPECT_TRUE(list->DeleteItem(2));
    EXPECT_EQ(list->GetCurSel(), -1) << "deleting clears the selection";
    EXPECT_EQ(list->GetItemCount(), 2);
    EXPECT_TRUE(Notes(kId).empty()) << "programmatic changes notify nothing";
}

TEST_F(DListBoxTest, MouseNotifications)
{
    DListBox* list = MakeList(3);
    Press(50, RowY(1));
    EXPECT_EQ(list->GetCurSel(), 1);
    Release(50, RowY(1));
    Click(50, RowY(4)); // empty space below the rows: nothing changes
    EXPECT_EQ(list->GetCurSel(), 1);
    RightClick(50, RowY(2));
    EXPECT_EQ(list->GetCurSel(), 2);
    RightClick(50, RowY(4));
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_EQ(Notes(kId),
        (std::vector<Note> { { NOTIFY_PRESS, 1, 0 }, { NOTIFY_CLICK, 1, 0 }, { NOTIFY_RCLICK, 2, 0 },
            { NOTIFY_RCLICK, static_cast<WPARAM>(-1), 0 } }));

    list->SetEnabled(false);
    ClearNotes();
    Click(50, RowY(0));
    RightClick(50, RowY(0));
    EXPECT_TRUE(Notes(kId).empty());
    EXPECT_EQ(list->GetCurSel(), -1);
}

TEST_F(DListBoxTest, ShowEditNeedsEditingASelectionAndAnEnabledList)
{
    DListBox* list = MakeList(2);
    list->SetCurSel(0);
    EXPECT_FALSE(list->ShowEdit()) << "editing is off by default";
    list->EnableShowEdit(true);
    list->SetCurSel(-1);
    EXPECT_FALSE(list->ShowEdit());
    list->SetCurSel(1);
    list->SetEnabled(false);
    EXPECT_FALSE(list->ShowEdit());
    list->SetEnabled(true);
    EXPECT_TRUE(list->ShowEdit());
    EXPECT_EQ(list->GetEditItem(), 1);
    EXPECT_EQ(list->GetEditor().GetText(), "Item 1");
    EXPECT_EQ(list->GetEditor().Model().GetCaret(), 6u) << "the caret follows the text";
    EXPECT_EQ(Notes(kId), (std::vector<Note> { { NOTIFY_EDITBEGIN, 0, 1 } }));
}

TEST_F(DListBoxTest, EditEndReportsTheEditedRowOnlyWhenTheTextChanged)
{
    DListBox* list = EditingList(3, 2);
    Type("x");
    Key(VK_RETURN);
    EXPECT_EQ(list->GetItemText(2), "Item 2x");
    EXPECT_EQ(Notes(kId), (std::vector<Note> { { NOTIFY_EDITBEGIN, 0, 2 }, { NOTIFY_EDITEND, 0, 2 } }));

    ClearNotes();
    list->ShowEdit();
    Key(VK_RETURN);
    EXPECT_EQ(Codes(kId), (std::vector<UINT> { NOTIFY_EDITBEGIN })) << "an unchanged name sends no end";

    ClearNotes();
    list->ShowEdit();
    Type("y");
    Key(VK_ESCAPE);
    EXPECT_EQ(list->GetItemText(2), "Item 2x") << "escape gives the old name back";
    EXPECT_EQ(Codes(kId), (std::vector<UINT> { NOTIFY_EDITBEGIN }));
}

TEST_F(DListBoxTest, PressingAnotherRowEndsTheEditPressingTheEditedRowDoesNot)
{
    DListBox* list = EditingList(3, 0);
    Type("!");
    Click(20, RowY(0)); // the image column of the edited row
    EXPECT_EQ(list->GetEditItem(), 0);
    ClearNotes();
    Press(50, RowY(2));
    EXPECT_FALSE(list->IsEditing());
    EXPECT_EQ(list->GetItemText(0), "Item 0!");
    EXPECT_EQ(Notes(kId), (std::vector<Note> { { NOTIFY_EDITEND, 0, 0 }, { NOTIFY_PRESS, 2, 0 } }));
    Release(50, RowY(2));
}

TEST_F(DListBoxTest, EditorMovesWithTheRowsAndDiesWithItsRow)
{
    DListBox* list = EditingList(7, 6); // two rows do not fit: the last row scrolls into view
    EXPECT_EQ(list->GetContentOffset(), 2 * DListBox::kRowHeight);
    CRect before = list->GetEditor().GetRect();
    EXPECT_EQ(before.bottom, list->GetItemRect(6).bottom - 4);
    list->GetScrollVertical()->SetScrollCurrentPos(0);
    list->OnBaseMessage(1, NOTIFY_POSITION, 0, 0);
    EXPECT_EQ(list->GetEditor().GetRect().top, before.top + 2 * DListBox::kRowHeight);

    list->InsertString(0, "new", 0, 0);
    EXPECT_EQ(list->GetEditItem(), 7) << "the edit follows its row";
    ClearNotes();
    EXPECT_TRUE(list->DeleteItem(7));
    EXPECT_FALSE(list->IsEditing());
    EXPECT_TRUE(Notes(kId).empty());
}

TEST_F(DListBoxTest, RowsDrawSelectionImageAndEditFrame)
{
    const ARGB unselected = 0xFF00FF00;
    const ARGB selected = 0xFFFF00FF;
    WriteSkinPng("rows.png", 32, 16, [&](int x, int) { return x < 16 ? unselected : selected; });
    WriteSkinPng("edit.png", 160, 32, [](int x, int) { return x < 40 ? 0xFF0000FFu : 0xFF808080u; });
    DListBox* list = MakeList(3);
    ASSERT_TRUE(list->SetImage("rows.png", 2));
    ASSERT_TRUE(list->SetEditImage("edit.png"));
    list->SetCurSel(1);
    Flush();
    const ARGB fill = Manager::GetSelectColor();
    const int y1 = 10 + 32;

    EXPECT_TRUE(lumotest::ColorNear(Pixel(10 + 1, y1 + 2), fill));
    EXPECT_TRUE(lumotest::ColorNear(Pixel(kRect.right - 2, y1 + 2), fill));
    EXPECT_FALSE(lumotest::ColorNear(Pixel(10, y1 + 2), fill)) << "the fill leaves the first column";
    EXPECT_FALSE(lumotest::ColorNear(Pixel(kRect.right - 1, y1 + 2), fill)) << "and the last";
    EXPECT_FALSE(lumotest::ColorNear(Pixel(100, 10 + 2), fill)) << "row 0 is not filled";
    // The image is centred in the 50-pixel column: 16 wide from x 17 to 33.
    EXPECT_EQ(Pixel(10 + 25, y1 + 16), selected);
    EXPECT_EQ(Pixel(10 + 25, 10 + 16), unselected);
    EXPECT_NE(Pixel(10 + 16, 10 + 16), unselected);

    list->EnableShowEdit(true);
    ASSERT_TRUE(list->ShowEdit());
    Flush();
    // The frame reaches 3 pixels left of the text rect and stops 6 short of the right edge.
    EXPECT_EQ(Pixel(10 + 47, y1), 0xFF0000FF);
    EXPECT_NE(Pixel(10 + 46, y1), 0xFF0000FF);
    EXPECT_EQ(Pixel(kRect.right - 7, y1 + 10), 0xFF0000FF);
    EXPECT_NE(Pixel(kRect.right - 6, y1 + 10), 0xFF0000FF);
    // Inside its border the frame holds the edit background, also left of the text.
    EXPECT_EQ(Pixel(10 + 48, y1 + 16), ColorRefToARGB(DListBox::kEditBackColor));
    CRect field = list->GetEditor().GetRect();
    EXPECT_EQ(field.left, 10 + DListBox::kImageColumn) << "the edited text starts where the row text starts";
    EXPECT_EQ(
        Pixel(field.right - 3, field.top + field.Height() / 2), ColorRefToARGB(DListBox::kEditBackColor));
}

} // namespace
