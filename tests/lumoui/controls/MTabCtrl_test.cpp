#include "WidgetTest.h"

#include "lumoui/MTabCtrl.h"
#include "lumoui/MTabLayout.h"

using namespace lumo;
using lumotest::TestControl;

namespace {

constexpr ARGB kSlice[4] = { 0xFF102030, 0xFF00FF00, 0xFFFF0000, 0xFF808080 };

class MTabCtrlTest : public lumotest::WidgetTest {
protected:
    // A tab control on an open dialog with three tabs, each with a 4-slice 40 x 40 strip and
    // a page of its own (test controls, so their visibility can be read).
    MTabCtrl* ThreeTabs(CRect rect = CRect(10, 20, 410, 60))
    {
        Open(CRect(0, 0, 500, 400));
        WriteSkinPng("tab.png", 160, 40, [](int x, int) { return kSlice[x / 40]; });
        m_tabs = Create<MTabCtrl>("MTabCtrl", 49, rect);
        for (int i = 0; i < 3; ++i) {
            m_pages[i] = m_dlg->Add(50 + i, CRect(100, 100, 200, 200));
            m_tabs->InsertItem(10 + i, "tab " + std::to_string(i), "tab.png", m_pages[i], 4, 0);
        }
        return m_tabs;
    }
    std::vector<UINT> Clicks() const
    {
        std::vector<UINT> tabs;
        for (const auto& n : m_dlg->m_notes) {
            if (n.id == 49 && n.code == NOTIFY_CLICK) {
                tabs.push_back(static_cast<UINT>(n.wParam));
                EXPECT_EQ(n.lParam, 0);
            }
        }
        return tabs;
    }

    MTabCtrl* m_tabs = nullptr;
    TestControl* m_pages[3] = {};
};

TEST_F(MTabCtrlTest, RowLayoutUsesTheComputedWidthAndSkipsHiddenTabs)
{
    MTabCtrl* tabs = ThreeTabs();
    tabs->SetLeftRightPading(5, 5);
    tabs->SetTopBottomPading(3, 3);
    tabs->RefreshItems();
    // No tab width yet: the first tab's own width (one slice, 40), its slice height.
    EXPECT_EQ(tabs->GetItemInfo(0)->rect, CRect(15, 23, 55, 63));
    EXPECT_EQ(tabs->GetItemInfo(2)->rect, CRect(95, 23, 135, 63));

    tabs->SetItemWidth(100, 0, true);
    tabs->SetTabCtrlHeight(30);
    tabs->RefreshItems();
    EXPECT_EQ(tabs->GetItemInfo(1)->rect, CRect(115, 23, 215, 53));

    tabs->SetItemWidth(200, 50, true); // (400 - 10) / 3 = 130, between 50 and 200
    EXPECT_EQ(tabs->GetTabWidth(), 130);
    tabs->SetItemWidth(120, 50, true);
    EXPECT_EQ(tabs->GetTabWidth(), 120) << "at most the width";
    tabs->SetItemWidth(100, 200, true);
    EXPECT_EQ(tabs->GetTabWidth(), 100) << "the width wins over a larger minimum";

    tabs->SetItemVisible(1, false);
    EXPECT_TRUE(tabs->GetItemInfo(1)->rect.IsRectEmpty());
    EXPECT_EQ(tabs->GetItemInfo(2)->rect.left, 115) << "a hidden tab takes no room";

    tabs->SetSeparator(CSize(2, 30));
    ASSERT_EQ(tabs->GetSeparatorRects().size(), 1u) << "one between the two visible tabs";
    EXPECT_EQ(tabs->GetSeparatorRects()[0], CRect(115, 23, 117, 53));
    EXPECT_EQ(tabs->GetItemInfo(2)->rect.left, 117);
}

TEST_F(MTabCtrlTest, ColumnLayoutStacksTabsWithAOnePixelGap)
{
    MTabCtrl* tabs = ThreeTabs(CRect(1, 60, 79, 390));
    tabs->SetTabCtrlWidth(80);
    tabs->SetTabCtrlHeight(80);
    tabs->SetTabType(1);
    EXPECT_EQ(tabs->GetItemInfo(0)->rect, CRect(1, 60, 81, 140));
    EXPECT_EQ(tabs->GetItemInfo(1)->rect, CRect(1, 141, 81, 221));
    EXPECT_EQ(tabs->GetItemInfo(2)->rect, CRect(1, 222, 81, 302));

    // The application moves a tab by writing the record it gets.
    tabs->GetItemInfo(2)->rect = CRect(1, 300, 81, 380);
    EXPECT_EQ(tabs->GetItemInfo(2)->rect.top, 300);
    EXPECT_EQ(tabs->GetItemID(2), 12u);
    EXPECT_EQ(tabs->GetItemID(3), 0u);
    EXPECT_EQ(tabs->GetItemInfo(3), nullptr);
}

TEST_F(MTabCtrlTest, SelectionNotifiesAndShowsOnlyTheSelectedPage)
{
    MTabCtrl* tabs = ThreeTabs();
    for (TestControl* page : m_pages) {
        EXPECT_FALSE(page->IsVisible()) << "nothing selected yet: no page";
    }
    EXPECT_EQ(tabs->SetSelectItem(1), -1);
    EXPECT_EQ(Clicks(), std::vector<UINT>({ 1 }));
    EXPECT_FALSE(m_pages[0]->IsVisible());
    EXPECT_TRUE(m_pages[1]->IsVisible());

    EXPECT_EQ(tabs->SetSelectItem(1), 1) << "the current tab";
    EXPECT_EQ(tabs->SetSelectItem(5), 1) << "out of range";
    EXPECT_EQ(tabs->SetSelectItem(-1), 1);
    EXPECT_EQ(Clicks().size(), 1u) << "ignored calls send nothing";
    EXPECT_EQ(tabs->SetSelectItem(2), 1);
    EXPECT_TRUE(m_pages[2]->IsVisible());
    EXPECT_FALSE(m_pages[1]->IsVisible());
    EXPECT_EQ(Clicks(), std::vector<UINT>({ 1, 2 }));
}

TEST_F(MTabCtrlTest, HidingTheSelectedTabKeepsItSelectedAndItsPageShown)
{
    MTabCtrl* tabs = ThreeTabs();
    tabs->SetSelectItem(1);
    tabs->SetItemVisible(1, false);
    EXPECT_TRUE(tabs->GetItemInfo(1)->rect.IsRectEmpty());
    EXPECT_EQ(tabs->GetSelectItem(), 1);
    EXPECT_TRUE(m_pages[1]->IsVisible());
    tabs->SetItemVisible(7, false); // ignored
    EXPECT_FALSE(tabs->SetItemText(7, "x"));
    EXPECT_TRUE(tabs->SetItemText(0, "home"));
    EXPECT_EQ(tabs->GetItemInfo(0)->text, "home");

    // A selection beyond the last tab falls back to the last visible tab.
    tabs->SetSelectItem(2);
    tabs->SetItemVisible(1, true);
    tabs->SetItemVisible(2, false);
    tabs->DeleteItem(2);
    EXPECT_EQ(tabs->GetSelectItem(), 1);
    EXPECT_TRUE(m_pages[1]->IsVisible());
    EXPECT_FALSE(m_pages[2]->IsVisible()) << "the removed tab's page went with it";
}

TEST_F(MTabCtrlTest, HoverShowsTheTooltipAndAReleaseOnTheTabSelectsIt)
{
    MTabCtrl* tabs = ThreeTabs();
    CRect second = tabs->GetItemInfo(1)->rect;
    headless::MouseMove(m_hwnd, second.left + 5, second.top + 5);
    Flush();
    EXPECT_EQ(tabs->GetHoverItem(), 1);
    EXPECT_EQ(tabs->GetTooltip(), "tab 1");
    EXPECT_EQ(Pm().GetTooltipCtrlID(), 49u);

    headless::MouseDown(m_hwnd, second.left + 5, second.top + 5);
    Flush();
    EXPECT_TRUE(Clicks().empty()) << "a press sends nothing";
    headless::MouseUp(m_hwnd, second.left + 5, second.top + 5);
    Flush();
    EXPECT_EQ(Clicks(), std::vector<UINT>({ 1 }));

    headless::MouseMove(m_hwnd, 450, 300);
    Flush();
    EXPECT_EQ(tabs->GetHoverItem(), -1);
    EXPECT_TRUE(tabs->GetTooltip().empty());
}

TEST_F(MTabCtrlTest, KeysGoToTheSelectedPage)
{
    MTabCtrl* tabs = ThreeTabs();
    tabs->SetSelectItem(2);
    tabs->OnKeyDown(VK_DOWN, 1, 0);
    EXPECT_EQ(m_pages[2]->m_keys, 1);
    EXPECT_EQ(m_pages[1]->m_keys, 0);
}

TEST_F(MTabCtrlTest, ChangeAnimationRunsOnItsTimer)
{
    MTabCtrl* tabs = ThreeTabs();
    tabs->EnableAnimateChangeTab(true);
    tabs->SetSelectItem(1);
    EXPECT_EQ(tabs->GetAnimateProgress(), 0);
    for (int i = 0; i < 10; ++i) {
        headless::AdvanceTime(30);
        headless::PumpMessages();
    }
    EXPECT_EQ(tabs->GetAnimateProgress(), 100);
}

TEST_F(MTabCtrlTest, ColumnTabsDrawTheSliceOfTheirState)
{
    MTabCtrl* tabs = ThreeTabs(CRect(0, 0, 80, 300));
    tabs->SetTabCtrlWidth(80);
    tabs->SetTabCtrlHeight(80);
    tabs->SetTabType(1);
    for (int i = 0; i < 3; ++i) {
        tabs->SetItemText(i, "");
    }
    tabs->SetSelectItem(2);
    // Picture and the 25 pixels below it are centred: the 40 x 40 picture starts at (20, 7).
    auto iconPixel = [&](int tab) { return Pixel(40, tabs->GetItemInfo(tab)->rect.top + 27); };
    EXPECT_EQ(iconPixel(0), kSlice[0]);
    EXPECT_EQ(iconPixel(2), kSlice[2]) << "selected";
    headless::MouseMove(m_hwnd, 40, 100);
    EXPECT_EQ(iconPixel(1), kSlice[1]) << "hovered";
    EXPECT_EQ(Pixel(40, 6), ColorRefToARGB(0x130D09)) << "above the picture";
}

TEST_F(MTabCtrlTest, CreatePanelMakesTabPagesOnly)
{
    MTabCtrl* tabs = ThreeTabs();
    EXPECT_EQ(tabs->CreatePanel("MPanel", 60, CRect()), nullptr);
    MControl* page = tabs->CreatePanel("MTabLayout", 60, CRect(0, 0, 10, 10));
    ASSERT_NE(dynamic_cast<MTabLayout*>(page), nullptr);
    EXPECT_EQ(page->GetManager(), &Pm());
    EXPECT_EQ(tabs->GetControl(60), page);
}

} // namespace
