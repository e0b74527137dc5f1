#include "ListTest.h"

#include "lumoui/CRecordList.h"
#include "lumoui/Manager.h"

#include <atomic>
#include <thread>

using namespace lumo;

namespace {

constexpr UINT kId = 242;
// Four 41-pixel rows fit exactly.
constexpr CRect kRect(10, 10, 470, 174);
constexpr int kDelayX = 10 + 360; // inside the delay column (300-420 from the left edge)

int RowY(int row)
{
    return 10 + row * CRecordList::kRowHeight + 20;
}

class RecordListTest : public lumotest::ListTest {
protected:
    CRecordList* MakeList(int rows)
    {
        auto* list = CreateInPage<CRecordList>("CRecordList", kId, kRect);
        EXPECT_NE(list, nullptr);
        for (int i = 0; i < rows; ++i) {
            list->AddString("K" + std::to_string(i), i % 2 ? 3 : 2, 0x41 + i, 100 + i);
        }
        return list;
    }
    static std::vector<std::string> Names(const CRecordList* list)
    {
        std::vector<std::string> names;
        for (RecordItem* item : list->GetRecordItems()) {
            names.push_back(item->text);
        }
        return names;
    }
};

TEST_F(RecordListTest, LivesOnlyInContainers)
{
    EXPECT_EQ(m_dlg->CreateControl("CRecordList", kId, kRect, "", 1, 1), nullptr);
    EXPECT_NE(MakeList(0), nullptr);
}

TEST_F(RecordListTest, EmptyListRefusesRowOperations)
{
    CRecordList* list = MakeList(0);
    EXPECT_FALSE(list->UpdateDelayTime(50));
    EXPECT_FALSE(list->DeleteItem(-1));
    EXPECT_FALSE(list->DeleteItem(0));
    EXPECT_FALSE(list->SetCurSel(0));
    EXPECT_TRUE(list->SetCurSel(-1));
    list->SwapItem(0, 1);
    EXPECT_EQ(list->GetItemCount(), 0);
    EXPECT_EQ(list->GetFirstVisibleRow(), -1);
    Click(100, RowY(0));
    EXPECT_EQ(Notes(kId), (std::vector<Note> { { NOTIFY_PRESS, static_cast<WPARAM>(-1), 0 } }));
}

TEST_F(RecordListTest, RowOperationsKeepTheirBounds)
{
    CRecordList* list = MakeList(3);
    EXPECT_TRUE(list->UpdateDelayTime(777));
    EXPECT_EQ(list->GetRecordItems().back()->delay, 777) << "the last row takes the recorder's delay";
    EXPECT_EQ(list->GetRecordItems().front()->delay, 100);

    list->SwapItem(2, 2);
    list->SwapItem(0, 3);
    list->SwapItem(-1, 0);
    EXPECT_EQ(Names(list), (std::vector<std::string> { "K0", "K1", "K2" }));
    list->SwapItem(0, 2);
    EXPECT_EQ(Names(list), (std::vector<std::string> { "K2", "K1", "K0" }));

    ASSERT_TRUE(list->SetCurSel(1));
    EXPECT_FALSE(list->DeleteItem(3));
    EXPECT_EQ(list->GetCurSel(), 1);
    EXPECT_TRUE(list->DeleteItem(1));
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_EQ(Names(list), (std::vector<std::string> { "K2", "K0" }));
    list->DeleteAllItems();
    EXPECT_EQ(list->GetItemCount(), 0);
    EXPECT_TRUE(Notes(kId).empty()) << "programmatic changes notify nothing";
}

TEST_F(RecordListTest, ScrollBarAppearsWithOneRowTooManyAndScrollsToTheEnd)
{
    CRecordList* list = MakeList(4);
    MScroll* bar = list->GetScrollVertical();
    EXPECT_FALSE(bar->IsVisible());
    EXPECT_EQ(list->GetContentOffset(), 0);
    EXPECT_EQ(list->GetRowWidth(), kRect.Width());

    EXPECT_EQ(list->AddString("K4", 2, 0, 5), 4);
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetRange(), 5 * CRecordList::kRowHeight);
    EXPECT_EQ(bar->GetScrollCurrentPos(), bar->GetRange());
    EXPECT_EQ(list->GetContentOffset(), CRecordList::kRowHeight);
    EXPECT_EQ(list->GetFirstVisibleRow(), 1);
    EXPECT_EQ(list->GetLastVisibleRow(), 4);
    EXPECT_EQ(list->GetRowWidth(), kRect.Width() - list->GetScrollBarSize()) << "rows leave the bar free";

    // Presses follow the scrolled rows: the top row shown is row 1.
    Click(100, RowY(0));
    EXPECT_EQ(list->GetCurSel(), 1);
    EXPECT_EQ(list->GetItemRect(4), CRect(10, 10 + 3 * 41, kRect.right - 7, 10 + 4 * 41));

    // Deleting rows until they fit hides the bar again and shows the top.
    list->DeleteItem(0);
    EXPECT_FALSE(bar->IsVisible());
    EXPECT_EQ(list->GetContentOffset(), 0);
}

TEST_F(RecordListTest, WheelScrollsOneRowANotch)
{
    CRecordList* list = MakeList(10);
    list->GetScrollVertical()->SetScrollCurrentPos(0);
    list->UpdateControl(true);
    Move(100, RowY(1));
    headless::Wheel(m_hwnd, 100, RowY(1), -WHEEL_DELTA);
    Flush();
    EXPECT_EQ(list->GetContentOffset(), CRecordList::kRowHeight);
    EXPECT_EQ(list->GetFirstVisibleRow(), 1);
    EXPECT_EQ(list->GetHotItem(), 2) << "the row under the mouse changed";
}

TEST_F(RecordListTest, RowsMayComeFromARecorderThread)
{
    CRecordList* list = MakeList(0);
    std::atomic<bool> done { false };
    std::thread recorder([&] {
        for (int i = 0; i < 60; ++i) {
            list->UpdateDelayTime(i);
            list->AddString("R", 2, 0, 0);
        }
        done = true;
    });
    while (!done) {
        Flush();
    }
    recorder.join();
    Flush();
    EXPECT_EQ(list->GetItemCount(), 60);
    EXPECT_TRUE(list->GetScrollVertical()->IsVisible());
    EXPECT_EQ(list->GetLastVisibleRow(), 59) << "the view followed the recorder to the end";
    EXPECT_EQ(list->GetRecordItems()[58]->delay, 59);
}

TEST_F(RecordListTest, PressesSelectAndRightReleasesReportRows)
{
    CRecordList* list = MakeList(3);
    Click(100, RowY(1));
    EXPECT_EQ(list->GetCurSel(), 1);
    Click(100, RowY(3)); // below the rows, still inside the list
    EXPECT_EQ(list->GetCurSel(), -1);
    RightClick(100, RowY(2));
    EXPECT_EQ(list->GetCurSel(), 2);
    RightClick(100, RowY(3));
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_EQ(Notes(kId),
        (std::vector<Note> {
            { NOTIFY_PRESS, 1, 0 }, { NOTIFY_PRESS, static_cast<WPARAM>(-1), 0 }, { NOTIFY_RCLICK, 2, 0 } }))
        << "the left release sends nothing; a right release off the rows sends nothing";

    list->SetEnabled(false);
    ClearNotes();
    Click(100, RowY(0));
    EXPECT_TRUE(Notes(kId).empty());
}

TEST_F(RecordListTest, DelayEditorOpensInTheDelayColumnAndReportsTheRow)
{
    CRecordList* list = MakeList(3);
    Click(100, RowY(2));
    EXPECT_FALSE(list->IsEditing()) << "only the delay column opens the editor";
    ClearNotes();

    Click(kDelayX, RowY(1));
    ASSERT_TRUE(list->IsEditing());
    EXPECT_EQ(list->GetEditItem(), 1);
    EXPECT_EQ(list->GetEditor().GetText(), "101");
    EXPECT_EQ(list->GetEditor().Model().GetCaret(), 3u) << "the caret follows the text";
    Type("5");
    Key(VK_RETURN);
    EXPECT_FALSE(list->IsEditing());
    EXPECT_EQ(list->GetRecordItems()[1]->delay, 1015);
    EXPECT_EQ(Notes(kId),
        (std::vector<Note> { { NOTIFY_PRESS, 1, 0 }, { NOTIFY_EDITBEGIN, 0, 1 }, { NOTIFY_EDITEND, 0, 1 } }));
}

TEST_F(RecordListTest, DelayEditEndings)
{
    struct Case {
        const char* name;
        std::vector<UINT> keys; // typed after clearing the field with Backspaces
        std::string text;
        UINT end;
        int delay;
        bool notified;
    };
    const Case cases[] = {
        { "empty counts as 10", {}, "", VK_RETURN, 10, true },
        { "five digits at most", {}, "1234567", VK_RETURN, 12345, true },
        { "unchanged sends nothing", {}, "100", VK_RETURN, 100, false },
        { "escape keeps the delay", {}, "55", VK_ESCAPE, 100, false },
        { "letters are refused", {}, "4x2", VK_RETURN, 42, true },
    };
    CRecordList* list = nullptr;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (list) {
            m_page->RemoveControl(list);
        }
        list = MakeList(1);
        Click(kDelayX, RowY(0));
        ASSERT_TRUE(list->IsEditing());
        for (int i = 0; i < 3; ++i) {
            Key(VK_BACK);
        }
        Type(c.text);
        ClearNotes();
        Key(c.end);
        EXPECT_FALSE(list->IsEditing());
        EXPECT_EQ(list->GetRecordItems()[0]->delay, c.delay);
        EXPECT_EQ(Codes(kId), c.notified ? std::vector<UINT> { NOTIFY_EDITEND } : std::vector<UINT> {});
    }
}

TEST_F(RecordListTest, PressElsewhereOrFocusLossClosesTheEditAndKeepsTheText)
{
    CRecordList* list = MakeList(3);
    Click(kDelayX, RowY(0));
    Type("1");
    ClearNotes();
    Click(kDelayX, RowY(2)); // another row's delay: the first edit ends, a new one begins
    EXPECT_EQ(list->GetRecordItems()[0]->delay, 1001);
    EXPECT_EQ(list->GetEditItem(), 2);
    EXPECT_EQ(Notes(kId),
        (std::vector<Note> { { NOTIFY_EDITEND, 0, 0 }, { NOTIFY_PRESS, 2, 0 }, { NOTIFY_EDITBEGIN, 0, 2 } }));

    Click(kDelayX, RowY(2)); // inside the open field: the caret moves, nothing else
    EXPECT_EQ(list->GetEditItem(), 2);
    EXPECT_EQ(Codes(kId).size(), 3u);
    Key(VK_END);

    auto* other = m_dlg->Add(99, CRect(500, 300, 600, 380));
    Type("9");
    Click(550, 340);
    EXPECT_NE(other, nullptr);
    EXPECT_FALSE(list->IsEditing());
    EXPECT_EQ(list->GetRecordItems()[2]->delay, 1029);
}

TEST_F(RecordListTest, DeletingTheEditedRowDropsTheEdit)
{
    CRecordList* list = MakeList(2);
    Click(kDelayX, RowY(1));
    Type("3");
    ClearNotes();
    EXPECT_TRUE(list->DeleteItem(1));
    EXPECT_FALSE(list->IsEditing());
    EXPECT_TRUE(Notes(kId).empty());
    EXPECT_EQ(list->GetRecordItems()[0]->delay, 100);
}

TEST_F(RecordListTest, SelectedRowIsOutlinedAndTextsSitInTheirColumns)
{
    CRecordList* list = MakeList(2);
    list->SetCurSel(1);
    Flush();
    const ARGB outline = Manager::GetSelectColor();
    const int top = 10 + 41;
    EXPECT_TRUE(lumotest::ColorNear(Pixel(200, top), outline));
    EXPECT_TRUE(lumotest::ColorNear(Pixel(10, top + 20), outline));
    EXPECT_TRUE(lumotest::ColorNear(Pixel(kRect.right - 2, top + 20), outline));
    EXPECT_FALSE(lumotest::ColorNear(Pixel(kRect.right - 1, top + 20), outline))
        << "the last column stays free";
    EXPECT_FALSE(lumotest::ColorNear(Pixel(200, 10), outline)) << "row 0 is not outlined";
    EXPECT_STREQ(CRecordList::TypeText(2), "Key Down");
    EXPECT_STREQ(CRecordList::TypeText(3), "Key Up");
    EXPECT_STREQ(CRecordList::TypeText(7), "");

    // White text somewhere in each column of row 0, and none in the gaps between them.
    auto whiteIn = [&](int from, int to) {
        for (int x = from; x < to; ++x) {
            for (int y = 15; y < 45; ++y) {
                if ((Pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(whiteIn(10 + 60, 10 + 100));
    EXPECT_TRUE(whiteIn(10 + 190, 10 + 270));
    EXPECT_TRUE(whiteIn(10 + 340, 10 + 380));
    EXPECT_FALSE(whiteIn(10 + 162, 10 + 178));
}

} // namespace
