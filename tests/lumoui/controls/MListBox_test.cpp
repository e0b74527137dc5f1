#include "WidgetTest.h"

#include "lumoui/MImageList.h"
#include "lumoui/MListBox.h"

using namespace lumo;

namespace {

class MListBoxTest : public lumotest::WidgetTest {
protected:
    // A 200 x 100 list at (0, 0) with 30-pixel rows "a", "b", "c".
    MListBox* List()
    {
        Open();
        m_list = Create<MListBox>("MListBox", 70, CRect(0, 0, 200, 100));
        for (const char* name : { "a", "b", "c" }) {
            m_list->AddString(name);
        }
        Flush();
        return m_list;
    }
    const lumotest::TestDialog::Note* Last(UINT code) const
    {
        for (auto it = m_dlg->m_notes.rbegin(); it != m_dlg->m_notes.rend(); ++it) {
            if (it->id == 70 && it->code == code) {
                return &*it;
            }
        }
        return nullptr;
    }
    void Click(int x, int y, bool right = false)
    {
        headless::MouseMove(m_hwnd, x, y);
        headless::Click(m_hwnd, x, y, right);
        Flush();
    }

    MListBox* m_list = nullptr;
};

TEST_F(MListBoxTest, PressDoubleClickAndRightClickNameTheRow)
{
    MListBox* list = List();
    ASSERT_NE(list, nullptr);
    Click(50, 40);
    ASSERT_NE(Last(NOTIFY_PRESS), nullptr);
    EXPECT_EQ(Last(NOTIFY_PRESS)->wParam, 1u);
    EXPECT_EQ(list->GetCurSel(), 1);

    headless::MouseDown(m_hwnd, 50, 70);
    headless::MouseUp(m_hwnd, 50, 70);
    headless::MouseDown(m_hwnd, 50, 70); // within the double-click time: a double click
    headless::MouseUp(m_hwnd, 50, 70);
    Flush();
    ASSERT_NE(Last(NOTIFY_DBLCLK), nullptr);
    EXPECT_EQ(Last(NOTIFY_DBLCLK)->wParam, 2u);
    EXPECT_EQ(Last(NOTIFY_DBLCLK)->lParam, 0);

    Click(50, 10, true);
    ASSERT_NE(Last(NOTIFY_RCLICK), nullptr);
    EXPECT_EQ(Last(NOTIFY_RCLICK)->wParam, 0u);
    EXPECT_EQ(list->GetCurSel(), 0);

    size_t before = m_dlg->m_notes.size();
    Click(50, 95, true); // below the last row
    EXPECT_EQ(list->GetCurSel(), -1) << "a right click off the rows clears the selection";
    Click(50, 95);
    EXPECT_EQ(m_dlg->m_notes.size(), before) << "nothing is sent for empty space";
}

TEST_F(MListBoxTest, RowsThatDoNotFitScrollWithTheWheel)
{
    MListBox* list = List();
    EXPECT_FALSE(list->GetScrollVertical()->IsVisible());
    list->AddString("d");
    EXPECT_TRUE(list->GetScrollVertical()->IsVisible()) << "four rows of 30 in 100 pixels";
    EXPECT_EQ(list->GetScrollVertical()->GetRange(), 120);
    list->GetScrollVertical()->SetScrollStep(120);
    headless::MouseMove(m_hwnd, 50, 50);
    headless::Wheel(m_hwnd, 50, 50, -120);
    Flush();
    EXPECT_EQ(list->GetScrollOffset(), CPoint(0, 20));
    EXPECT_EQ(list->ItemFromPoint(CPoint(50, 5)), 0);
    EXPECT_EQ(list->ItemFromPoint(CPoint(50, 15)), 1) << "content y 35";
    EXPECT_EQ(list->GetItemRect(3), CRect(0, 70, 193, 100)) << "the bar's width is not part of a row";
    EXPECT_EQ(list->ItemFromPoint(CPoint(196, 80)), -1) << "over the bar";
}

TEST_F(MListBoxTest, RowOperationsKeepDataAndSelectionInStep)
{
    MListBox* list = List();
    EXPECT_TRUE(list->SetItemData(1, 42));
    EXPECT_EQ(list->GetItemData(1), 42);
    EXPECT_EQ(list->GetItemData(9), 0);
    EXPECT_EQ(list->FindString("c"), 2);
    EXPECT_EQ(list->FindString("C"), -1);
    EXPECT_EQ(list->InsertString(7, "x"), -1);
    EXPECT_EQ(list->InsertString(0, "first"), 0);
    EXPECT_EQ(list->GetItemData(2), 42) << "rows after the insertion moved down";

    EXPECT_TRUE(list->SetCurSel(3));
    EXPECT_FALSE(list->SetCurSel(4));
    EXPECT_EQ(list->GetCurSel(), 3);
    EXPECT_TRUE(list->DeleteItem(1));
    EXPECT_EQ(list->GetCurSel(), 2) << "the selected row moved up with its text";
    EXPECT_EQ(list->GetItemText(2), "c");
    EXPECT_TRUE(list->DeleteItem(2));
    EXPECT_EQ(list->GetCurSel(), -1);

    EXPECT_TRUE(list->SwapItem(0, 1));
    EXPECT_EQ(list->GetItemText(0), "b");
    EXPECT_FALSE(list->SwapItem(1, 1));
    EXPECT_FALSE(list->SwapItem(0, 5));
    EXPECT_TRUE(list->ModifyItemString(0, "bee"));
    EXPECT_FALSE(list->ModifyItemString(5, "x"));
    EXPECT_TRUE(list->SetCurSel(-1));
    list->DeleteAllItems();
    EXPECT_EQ(list->GetItemCount(), 0);
    EXPECT_TRUE(m_dlg->m_notes.empty()) << "programmatic changes send nothing";
}

TEST_F(MListBoxTest, InlineRenameEndsWithEditEndOnlyWhenTheTextChanged)
{
    MListBox* list = List();
    list->SetCurSel(1);
    EXPECT_FALSE(list->ShowEdit()) << "editing is off by default";
    list->EnableShowEdit(true);
    ASSERT_TRUE(list->ShowEdit());
    headless::Text("bee");
    headless::KeyDown(VK_RETURN);
    headless::KeyUp(VK_RETURN);
    Flush();
    EXPECT_FALSE(list->IsEditing());
    EXPECT_EQ(list->GetItemText(1), "bee");
    ASSERT_NE(Last(NOTIFY_EDITEND), nullptr);
    EXPECT_EQ(Last(NOTIFY_EDITEND)->wParam, 0u);
    EXPECT_EQ(Last(NOTIFY_EDITEND)->lParam, 1);

    m_dlg->m_notes.clear();
    ASSERT_TRUE(list->ShowEdit());
    Click(50, 10); // another row ends the edit unchanged
    EXPECT_FALSE(list->IsEditing());
    EXPECT_EQ(Last(NOTIFY_EDITEND), nullptr);
    EXPECT_EQ(list->GetItemText(1), "bee");
}

TEST_F(MListBoxTest, RowsShowTheirIconFromTheImageList)
{
    Open();
    std::string path
        = WriteSkinPng("icons.png", 32, 16, [](int x, int) { return x < 16 ? 0xFFFF0000u : 0xFF0000FFu; });
    MImageList images;
    ASSERT_EQ(images.AddImage(path, 7, 2), 0);
    auto* list = Create<MListBox>("MListBox", 70, CRect(0, 0, 200, 100));
    list->SetImageList(&images);
    list->AddString("red", 0);
    EXPECT_EQ(Pixel(12, 15), 0xFFFF0000u) << "the first slice scaled into the row's icon box";
    list->SetImageList(nullptr);
    Flush();
}

} // namespace
