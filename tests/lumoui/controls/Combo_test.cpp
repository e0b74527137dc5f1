#include "ControlTest.h"

#include "lumoui/CColorCombo.h"
#include "lumoui/CComboBoxWnd.h"
#include "lumoui/MComboBox.h"
#include "lumoui/PaintManager.h"

#include <memory>

using namespace lumo;

namespace {

class ComboTest : public lumotest::ControlTest {
protected:
    MComboBox* OpenWithCombo(CRect dialog, CRect combo, int items)
    {
        OpenDialog(dialog);
        auto* box = Add<MComboBox>("MComboBox", 5, combo);
        for (int i = 0; i < items; ++i) {
            box->AddItem("item " + std::to_string(i), 100 + i);
        }
        Flush();
        return box;
    }
    static CRect WindowRectOf(HWND hwnd)
    {
        CRect r;
        GetWindowRect(hwnd, &r);
        return r;
    }
    static HWND DropDownOf(MComboBox* box)
    {
        return box->GetDropDown() ? box->GetDropDown()->GetSafeHwnd() : nullptr;
    }
};

TEST_F(ComboTest, ItemsAndSelection)
{
    MComboBox* box = OpenWithCombo(CRect(0, 0, 300, 200), CRect(10, 10, 210, 40), 0);
    EXPECT_EQ(box->AddItem("a", 10), 0);
    EXPECT_EQ(box->AddItem("b", 20, "second", 0xFFFF0000), 1);
    EXPECT_EQ(box->AddItem("c", 30), 2);
    EXPECT_EQ(box->InsertItem(-2, "x"), -1);
    EXPECT_EQ(box->InsertItem(3, "x"), -1);
    ASSERT_TRUE(box->SetCurSel(1));
    EXPECT_EQ(box->GetTitle(), "b");
    // Inserting before the selection keeps the same item selected.
    EXPECT_EQ(box->InsertItem(0, "first", 5), 0);
    EXPECT_EQ(box->GetCurSel(), 2);
    EXPECT_EQ(box->GetCurData(), 20);
    EXPECT_FALSE(box->SetCurSel(4));
    EXPECT_FALSE(box->SetCurSel(-2));
    EXPECT_EQ(box->GetCurSel(), 2);
    EXPECT_TRUE(box->SetItemText(2, "bee"));
    EXPECT_EQ(box->GetTitle(), "bee");
    EXPECT_FALSE(box->SetItemText(4, "none"));
    EXPECT_EQ(box->FindData(30), 3);
    EXPECT_EQ(box->FindData(99), -1);
    EXPECT_EQ(box->GetItemData(9), 0);
    EXPECT_TRUE(box->SelectData(30));
    EXPECT_EQ(box->GetTitle(), "c");
    EXPECT_FALSE(box->SelectData(99));
    EXPECT_EQ(box->GetCurSel(), 3);
    // No selection: empty text, data 0.
    EXPECT_TRUE(box->SetCurSel(-1));
    EXPECT_EQ(box->GetTitle(), "");
    EXPECT_EQ(box->GetCurData(), 0);
    box->SetCurSel(1);
    EXPECT_TRUE(box->DeleteItem(1));
    EXPECT_EQ(box->GetCurSel(), -1);
    EXPECT_EQ(box->GetTitle(), "");
    EXPECT_FALSE(box->DeleteItem(3));
    box->SetCurSel(2);
    box->DelAllItems();
    EXPECT_EQ(box->GetItemCount(), 0);
    EXPECT_EQ(box->GetCurSel(), -1);
    EXPECT_EQ(box->GetTitle(), "");
    // Programmatic changes tell the owner nothing.
    EXPECT_TRUE(m_dlg->m_notes.empty());
}

TEST_F(ComboTest, DropDownHeightFollowsTheRowCountUpToFive)
{
    for (auto [items, height] : { std::pair { 1, 42 }, { 3, 102 }, { 5, 162 }, { 12, 162 } }) {
        EXPECT_EQ(CComboBoxWnd::DropDownHeight(items), height) << items;
    }
    MComboBox* box = OpenWithCombo(CRect(100, 100, 500, 400), CRect(10, 10, 210, 40), 12);
    Click(m_hwnd, 50, 25);
    ASSERT_TRUE(box->IsOpen());
    HWND drop = DropDownOf(box);
    ASSERT_NE(drop, nullptr);
    // 2 pixels below the combo, 4 in on the left and 6 on the right, 5 rows high.
    EXPECT_EQ(WindowRectOf(drop), CRect(114, 142, 304, 304));
    EXPECT_EQ(GetWindowTextW(drop), "ComboWnd");
    CComboBoxList* list = box->GetDropDown()->GetList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetControlID(), 88u);
    EXPECT_EQ(list->GetRect(), CRect(3, 6, 187, 156));
    EXPECT_EQ(list->VisibleRows(), 5);
    EXPECT_EQ(list->GetItemCount(), 12);
    EXPECT_EQ(box->GetState(), 2);
}

TEST_F(ComboTest, DropDownGoesAboveWhenBelowWouldLeaveTheWorkArea)
{
    // The headless work area ends at y 1040; the combo's bottom is at 1030.
    MComboBox* box = OpenWithCombo(CRect(100, 900, 500, 1040), CRect(10, 100, 210, 130), 3);
    Click(m_hwnd, 50, 115);
    ASSERT_TRUE(box->IsOpen());
    EXPECT_EQ(WindowRectOf(DropDownOf(box)), CRect(110, 1000 - 2 - 102, 310, 998));
    EXPECT_EQ(
        CComboBoxWnd::PlaceDropDown(CRect(0, 0, 100, 30), 5, CRect(0, 0, 800, 194)), CRect(4, 32, 94, 194));
    EXPECT_EQ(
        CComboBoxWnd::PlaceDropDown(CRect(0, 0, 100, 30), 5, CRect(0, 0, 800, 193)), CRect(0, -164, 100, -2));
}

TEST_F(ComboTest, ClickingARowSelectsItNotifiesOnceAndCloses)
{
    MComboBox* box = OpenWithCombo(CRect(100, 100, 500, 400), CRect(10, 10, 210, 40), 4);
    Click(m_hwnd, 50, 25);
    // Press and release on the combo itself tell the owner nothing.
    EXPECT_TRUE(m_dlg->m_notes.empty());
    HWND drop = DropDownOf(box);
    ASSERT_NE(drop, nullptr);
    headless::MouseMove(drop, 40, 6 + 2 * 30 + 15);
    Flush();
    EXPECT_EQ(box->GetDropDown()->GetList()->GetHotItem(), 2);
    Click(drop, 40, 6 + 2 * 30 + 15);
    EXPECT_FALSE(box->IsOpen());
    EXPECT_FALSE(IsWindow(drop));
    EXPECT_EQ(box->GetCurSel(), 2);
    EXPECT_EQ(box->GetTitle(), "item 2");
    ASSERT_EQ(m_dlg->m_notes.size(), 1u);
    EXPECT_EQ(m_dlg->m_notes[0].id, 5u);
    EXPECT_EQ(m_dlg->m_notes[0].code, NOTIFY_CLICK);
    EXPECT_EQ(m_dlg->m_notes[0].wParam, 2u);
    EXPECT_EQ(m_dlg->m_notes[0].lParam, 0);
}

TEST_F(ComboTest, KeysMoveTheHighlightAndEnterChooses)
{
    MComboBox* box = OpenWithCombo(CRect(100, 100, 500, 400), CRect(10, 10, 210, 40), 12);
    box->SetCurSel(1);
    Click(m_hwnd, 50, 25);
    CComboBoxList* list = box->GetDropDown()->GetList();
    EXPECT_EQ(list->GetHotItem(), 1);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(list->GetHotItem(), 3);
    Key(VK_END);
    EXPECT_EQ(list->GetHotItem(), 11);
    EXPECT_EQ(list->GetTopIndex(), 7);
    Key(VK_PRIOR);
    EXPECT_EQ(list->GetHotItem(), 6);
    Key(VK_RETURN);
    EXPECT_FALSE(box->IsOpen());
    EXPECT_EQ(box->GetCurSel(), 6);
    EXPECT_EQ(m_dlg->Count(NOTIFY_CLICK), 1);
    // Escape closes without a choice.
    Click(m_hwnd, 50, 25);
    ASSERT_TRUE(box->IsOpen());
    Key(VK_ESCAPE);
    EXPECT_FALSE(box->IsOpen());
    EXPECT_EQ(box->GetCurSel(), 6);
    EXPECT_EQ(m_dlg->Count(NOTIFY_CLICK), 1);
    // The focused combo opens from the keyboard as well.
    Key(VK_SPACE);
    EXPECT_TRUE(box->IsOpen());
}

TEST_F(ComboTest, TheListScrollsByWheelAndThumb)
{
    MComboBox* box = OpenWithCombo(CRect(100, 100, 500, 400), CRect(10, 10, 210, 40), 12);
    Click(m_hwnd, 50, 25);
    HWND drop = DropDownOf(box);
    CComboBoxList* list = box->GetDropDown()->GetList();
    headless::Wheel(drop, 40, 50, -2 * WHEEL_DELTA);
    Flush();
    EXPECT_EQ(list->GetTopIndex(), 2);
    // A click on row 0 of the view now picks item 2.
    headless::MouseMove(drop, 40, 6 + 15);
    Flush();
    EXPECT_EQ(list->GetHotItem(), 2);
    // Dragging the thumb to the bottom shows the last page.
    CRect thumb = list->GetThumbRect();
    ASSERT_FALSE(thumb.IsRectEmpty());
    headless::MouseDown(drop, thumb.CenterPoint().x, thumb.CenterPoint().y);
    headless::MouseMove(drop, thumb.CenterPoint().x, 400);
    headless::MouseUp(drop, thumb.CenterPoint().x, 400);
    Flush();
    EXPECT_EQ(list->GetTopIndex(), 7);
    EXPECT_TRUE(box->IsOpen());
}

TEST_F(ComboTest, PressOutsideOrOnTheComboClosesWithoutReopening)
{
    MComboBox* box = OpenWithCombo(CRect(100, 100, 500, 400), CRect(10, 10, 210, 40), 3);
    m_dlg->Add(7, CRect(250, 200, 350, 280));
    Click(m_hwnd, 50, 25);
    ASSERT_TRUE(box->IsOpen());
    // The press that closes the drop-down goes no further.
    Click(m_hwnd, 300, 250);
    EXPECT_FALSE(box->IsOpen());
    EXPECT_TRUE(m_dlg->m_notes.empty());
    Click(m_hwnd, 50, 25);
    ASSERT_TRUE(box->IsOpen());
    Click(m_hwnd, 50, 25);
    EXPECT_FALSE(box->IsOpen());
    EXPECT_TRUE(m_dlg->m_notes.empty());
    // The next click opens it again.
    Click(m_hwnd, 50, 25);
    EXPECT_TRUE(box->IsOpen());
    // Disabling closes it.
    box->SetEnabled(false);
    Flush();
    EXPECT_FALSE(box->IsOpen());
}

TEST_F(ComboTest, RemovingAnOpenComboTakesItsDropDownAlong)
{
    MComboBox* box = OpenWithCombo(CRect(100, 100, 500, 400), CRect(10, 10, 210, 40), 3);
    Click(m_hwnd, 50, 25);
    HWND drop = DropDownOf(box);
    ASSERT_TRUE(IsWindow(drop));
    EXPECT_TRUE(m_dlg->GetPaintManager().RemoveControl(box));
    Flush();
    EXPECT_FALSE(IsWindow(drop));
    EXPECT_EQ(GetThreadWindowCount(), 1);
}

TEST_F(ComboTest, DisabledOrEmptyCombosDoNotOpen)
{
    MComboBox* box = OpenWithCombo(CRect(100, 100, 500, 400), CRect(10, 10, 210, 40), 0);
    Click(m_hwnd, 50, 25);
    EXPECT_FALSE(box->IsOpen());
    box->AddItem("one");
    box->SetEnabled(false);
    Click(m_hwnd, 50, 25);
    EXPECT_FALSE(box->IsOpen());
    EXPECT_EQ(box->GetState(), 3);
}

TEST_F(ComboTest, FaceSlicesFollowTheStateAndStayPressedWhileOpen)
{
    WriteSkinPng("combo.png", 480, 30, [](int x, int) -> uint32_t {
        static const uint32_t kColors[] = { 0xFF101010, 0xFF202020, 0xFF303030, 0xFF404040 };
        return kColors[x / 120];
    });
    MComboBox* box = OpenWithCombo(CRect(100, 100, 500, 400), CRect(10, 10, 210, 40), 2);
    ASSERT_TRUE(box->SetImage("combo.png", 4));
    Flush();
    EXPECT_EQ(headless::GetPixel(m_hwnd, 100, 12), 0xFF101010u);
    headless::MouseMove(m_hwnd, 100, 12);
    Flush();
    EXPECT_EQ(headless::GetPixel(m_hwnd, 100, 12), 0xFF202020u);
    Click(m_hwnd, 100, 12);
    EXPECT_EQ(headless::GetPixel(m_hwnd, 100, 12), 0xFF303030u);
    Key(VK_ESCAPE);
    box->SetEnabled(false);
    Flush();
    EXPECT_EQ(headless::GetPixel(m_hwnd, 100, 12), 0xFF404040u);
}

TEST_F(ComboTest, ColorComboIsAButtonShowingItsColour)
{
    OpenDialog(CRect(0, 0, 300, 200));
    auto* combo = new CColorCombo(m_dlg.get(), 6, CRect(10, 10, 110, 40), 1, 1);
    Attach(combo);
    combo->SetAreaColor(RGB(0, 0, 255));
    Flush();
    EXPECT_EQ(headless::GetPixel(m_hwnd, 40, 25), 0xFF0000FFu);
    // Press, then release outside: PRESS only.
    headless::MouseDown(m_hwnd, 40, 25);
    headless::MouseUp(m_hwnd, 200, 150);
    Flush();
    Click(m_hwnd, 40, 25);
    EXPECT_EQ(Codes(), (std::vector<UINT> { NOTIFY_PRESS, NOTIFY_PRESS, NOTIFY_CLICK }));
    combo->SetIsOpen(true);
    EXPECT_EQ(combo->GetState(), 2);
    combo->SetEnabled(false);
    EXPECT_EQ(combo->GetState(), 3);
}

} // namespace
