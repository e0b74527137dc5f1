#include "LumoTest.h"
#include "TestControl.h"

#include "lumoui/CKeyboardTips.h"
#include "lumoui/LoadingWnd.h"
#include "lumoui/MAirBladder.h"
#include "lumoui/MShadow.h"
#include "lumoui/MenuItem.h"
#include "lumoui/MenuWnd.h"

#include <filesystem>
#include <memory>

using namespace lumo;
using lumotest::TestDialog;

namespace {

constexpr UINT kMenuMessage = WM_APP + 25;

class PopupsTest : public lumotest::LumoTest {
protected:
    void SetUp() override
    {
        LumoTest::SetUp();
        m_owner = std::make_unique<TestDialog>();
        m_owner->Open(CRect(100, 100, 700, 500));
        Flush();
    }
    void TearDown() override
    {
        m_owner.reset();
        LumoTest::TearDown();
    }
    std::unique_ptr<TestDialog> m_owner;
};

TEST_F(PopupsTest, BalloonNeedsANonZeroAnchor)
{
    EXPECT_FALSE(m_owner->SetAirBladderMsg("text", CPoint(0, 250), AIRBLADDER_CENTER));
    EXPECT_FALSE(m_owner->SetAirBladderMsg("text", CPoint(250, 0), AIRBLADDER_CENTER));
    EXPECT_EQ(m_owner->GetAirBladder(), nullptr) << "nothing was created";
    EXPECT_TRUE(m_owner->SetAirBladderMsg("text", CPoint(250, 250), AIRBLADDER_CENTER));
    ASSERT_NE(m_owner->GetAirBladder(), nullptr);
    EXPECT_TRUE(m_owner->GetAirBladder()->IsWindowVisible());
    EXPECT_EQ(m_owner->GetAirBladder()->GetMode(), 3);
}

TEST_F(PopupsTest, RepeatingTheSameBalloonDoesNotRestartItsHideTimer)
{
    ASSERT_TRUE(m_owner->SetAirBladderMsg("same", CPoint(200, 200), AIRBLADDER_CENTER));
    MAirBladder* b = m_owner->GetAirBladder();
    headless::AdvanceTime(3000);
    headless::PumpMessages();
    m_owner->SetAirBladderMsg("same", CPoint(200, 200), AIRBLADDER_CENTER);
    headless::AdvanceTime(2000);
    headless::PumpMessages();
    EXPECT_FALSE(b->IsWindowVisible()) << "hidden 5 s after the first call";

    m_owner->SetAirBladderMsg("first", CPoint(200, 200), AIRBLADDER_CENTER);
    headless::AdvanceTime(3000);
    headless::PumpMessages();
    m_owner->SetAirBladderMsg("second", CPoint(200, 200), AIRBLADDER_CENTER);
    headless::AdvanceTime(3000);
    headless::PumpMessages();
    EXPECT_TRUE(b->IsWindowVisible()) << "a new text restarts the timer";
    headless::AdvanceTime(2000);
    headless::PumpMessages();
    EXPECT_FALSE(b->IsWindowVisible());
}

TEST_F(PopupsTest, BalloonOfType4StaysUntilHidden)
{
    ASSERT_TRUE(m_owner->SetAirBladderMsg("stay", CPoint(200, 200), AIRBLADDER_STAY));
    headless::AdvanceTime(60000);
    headless::PumpMessages();
    EXPECT_TRUE(m_owner->GetAirBladder()->IsWindowVisible());
    m_owner->GetAirBladder()->ShowWindow(SW_HIDE);
    EXPECT_FALSE(m_owner->GetAirBladder()->IsWindowVisible());
}

TEST_F(PopupsTest, BalloonPlacementModes)
{
    CPoint a(500, 400);
    CSize t(100, 20);
    EXPECT_EQ(MAirBladder::FitRect(1, a, t), CRect(500, 380, 640, 420));
    EXPECT_EQ(MAirBladder::FitRect(2, a, t), CRect(360, 373, 500, 413));
    EXPECT_EQ(MAirBladder::FitRect(3, a, t), CRect(475, 400, 615, 450));
    EXPECT_EQ(MAirBladder::FitRect(4, a, t), CRect(435, 360, 565, 400));
    EXPECT_EQ(MAirBladder::FitRect(5, a, t), CRect(500, 390, 640, 375));
    EXPECT_TRUE(MAirBladder::FitRect(6, a, t).IsRectEmpty());

    ASSERT_TRUE(m_owner->SetAirBladderMsg("one\ntwo", CPoint(300, 300), AIRBLADDER_LEFT));
    MAirBladder* b = m_owner->GetAirBladder();
    EXPECT_EQ(b->GetLineCount(), 2);
    CRect r;
    b->GetWindowRect(&r);
    EXPECT_EQ(r.TopLeft(), CPoint(275, 300)) << "below the anchor";
}

class MenuTest : public PopupsTest {
protected:
    MenuWnd* OpenMenu()
    {
        auto* menu = new MenuWnd();
        m_menus.emplace_back(menu);
        EXPECT_TRUE(menu->Create(m_owner->GetSafeHwnd(), CPoint(150, 150), kMenuMessage, 100));
        menu->AddMenu("Restore", 606);
        menu->AddSeparator(700);
        menu->AddCheckMenu("Checkable", 607, false, "");
        return menu;
    }
    // Clicks an item in the middle of its row while the menu's modal loop runs.
    UINT ClickDuringModal(MenuWnd* menu, UINT id)
    {
        CRect r = menu->GetItem(id)->GetRect();
        menu->ShowWindow(SW_SHOW);
        headless::Click(menu->GetSafeHwnd(), r.CenterPoint().x, r.CenterPoint().y);
        headless::PumpMessages();
        return 0;
    }
    std::vector<MSG> OwnerMessages()
    {
        headless::PumpMessages();
        std::vector<MSG> out;
        out.swap(m_owner->m_appMessages);
        return out;
    }
    std::vector<std::unique_ptr<MenuWnd>> m_menus;
};

TEST_F(MenuTest, PlainItemPostsItsIdAndClosesTheMenu)
{
    MenuWnd* menu = OpenMenu();
    CRect r = menu->GetItem(606)->GetRect();
    PostMessageW(nullptr, WM_NULL, 0, 0);
    menu->ShowWindow(SW_SHOW);
    headless::Click(menu->GetSafeHwnd(), r.CenterPoint().x, r.CenterPoint().y);
    menu->ShowModal();
    EXPECT_FALSE(menu->GetSafeHwnd()) << "closed";
    std::vector<MSG> posted = OwnerMessages();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].hwnd, m_owner->GetSafeHwnd());
    EXPECT_EQ(posted[0].wParam, 0u);
    EXPECT_EQ(posted[0].lParam, 606);
    EXPECT_TRUE(m_owner->IsWindowEnabled());
}

TEST_F(MenuTest, CheckableItemPostsItsStateAndKeepsTheMenuOpen)
{
    MenuWnd* menu = OpenMenu();
    ClickDuringModal(menu, 607);
    EXPECT_TRUE(menu->GetSafeHwnd()) << "still open";
    EXPECT_TRUE(menu->GetItem(607)->GetCheck()) << "toggled on release";
    std::vector<MSG> posted = OwnerMessages();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].wParam, 0u) << "the state before the toggle";
    EXPECT_EQ(posted[0].lParam, 607);
    ClickDuringModal(menu, 607);
    posted = OwnerMessages();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].wParam, 1u);
    EXPECT_FALSE(menu->GetItem(607)->GetCheck());
    menu->DestroyWindow();
}

TEST_F(MenuTest, GroupedCheckItemsActLikeRadioButtons)
{
    MenuWnd* menu = OpenMenu();
    menu->AddCheckMenu("A", 801, true, "g");
    menu->AddCheckMenu("B", 802, false, "g");
    ClickDuringModal(menu, 802);
    EXPECT_TRUE(menu->GetItem(802)->GetCheck());
    EXPECT_FALSE(menu->GetItem(801)->GetCheck());
    ClickDuringModal(menu, 802);
    EXPECT_TRUE(menu->GetItem(802)->GetCheck()) << "a group item stays checked";
    menu->DestroyWindow();
}

TEST_F(MenuTest, LosingActivationOrAClickOutsideClosesTheMenu)
{
    MenuWnd* menu = OpenMenu();
    menu->ShowWindow(SW_SHOW);
    headless::Click(m_owner->GetSafeHwnd(), 5, 5);
    headless::PumpMessages();
    EXPECT_FALSE(menu->GetSafeHwnd());

    MenuWnd* second = OpenMenu();
    second->ShowWindow(SW_SHOW);
    headless::Focus(m_owner->GetSafeHwnd(), false);
    headless::PumpMessages();
    EXPECT_FALSE(second->GetSafeHwnd());
}

TEST_F(MenuTest, LayoutStacksRowsAndWidensForLongTexts)
{
    MenuWnd* menu = OpenMenu();
    EXPECT_EQ(menu->GetItem(606)->GetRect(), CRect(2, 6, 98, 41));
    EXPECT_EQ(menu->GetItem(700)->GetRect(), CRect(6, 42, 99, 43)) << "separator line";
    EXPECT_EQ(menu->GetItem(607)->GetRect().top, 45);
    CRect r;
    menu->GetWindowRect(&r);
    EXPECT_EQ(r, CRect(150, 150, 250, 150 + 6 + 35 + 4 + 35 + 6));
    menu->AddMenu("A much longer menu entry text than before", 608);
    EXPECT_GT(menu->GetMenuWidth(), 100);
    menu->SetItemVisible(606, false);
    EXPECT_TRUE(menu->GetItem(606)->GetRect().IsRectEmpty());
    EXPECT_EQ(menu->GetItem(700)->GetRect().top, 7);
    menu->DestroyWindow();
}

TEST_F(MenuTest, ItemsAreDrawnWithTheHoverColour)
{
    MenuWnd* menu = OpenMenu();
    menu->ShowWindow(SW_SHOW);
    HWND h = menu->GetSafeHwnd();
    Flush();
    CRect r = menu->GetItem(606)->GetRect();
    EXPECT_NE(headless::GetPixel(h, r.right - 3, r.top + 3), 0xFF285055u);
    headless::MouseMove(h, r.right - 3, r.top + 3);
    Flush();
    EXPECT_EQ(headless::GetPixel(h, r.right - 3, r.top + 3), 0xFF285055u);
    menu->DestroyWindow();
}

TEST_F(PopupsTest, KeyTipMovesOnlyForNewTextWithATitle)
{
    CKeyboardTips tips;
    ASSERT_TRUE(tips.CreateTips(m_owner->GetSafeHwnd()));
    tips.SetAirBladderMsg("Esc", "Escape", "", CPoint(400, 300));
    CRect r;
    tips.GetWindowRect(&r);
    EXPECT_EQ(r, CRect(305, 200, 495, 300));
    tips.SetAirBladderMsg("", "x", "y", CPoint(10, 500));
    tips.GetWindowRect(&r);
    EXPECT_EQ(r.TopLeft(), CPoint(305, 200)) << "no title: stored but not moved";
}

TEST_F(PopupsTest, LoadingWindowAnimatesItsGif)
{
    std::filesystem::create_directories(SkinFolder() + "loading");
    std::filesystem::copy_file(std::string(CLAVORA_TEST_DATA_DIR) + "/lumoui/three_frames.gif",
        SkinFolder() + "loading/loading.gif");
    LoadingWnd loading;
    ASSERT_TRUE(loading.CreateDlg(m_owner->GetSafeHwnd(), CRect(200, 200, 400, 350)));
    EXPECT_TRUE(loading.IsWindowVisible());
    for (int i = 0; i < 5; ++i) {
        headless::AdvanceTime(18);
        headless::PumpMessages();
    }
    EXPECT_GE(loading.GetFrame(), 1);
}

TEST_F(PopupsTest, ShadowFollowsItsParent)
{
    ASSERT_TRUE(m_owner->CreateShadow());
    m_owner->SetSize(10);
    HWND shadow = m_owner->GetShadow()->GetHWND();
    CRect r;
    GetWindowRect(shadow, &r);
    EXPECT_EQ(r, CRect(90, 90, 710, 510));
    EXPECT_TRUE(IsWindowVisible(shadow));
    m_owner->MoveWindow(0, 0, 600, 400);
    GetWindowRect(shadow, &r);
    EXPECT_EQ(r, CRect(-10, -10, 610, 410));
    m_owner->ShowWindow(SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(shadow));
}

} // namespace
