#include "LumoTest.h"
#include "TestControl.h"

#include <memory>

using namespace lumo;
using lumotest::TestControl;
using lumotest::TestDialog;

namespace {

class MDialogTest : public lumotest::LumoTest { };

TEST_F(MDialogTest, ShowModalResults)
{
    struct Case {
        void (MDialog::*end)();
        UINT want;
    } cases[] = {
        { &MDialog::DoOK, IDOK },
        { &MDialog::DoCancel, IDCANCEL },
        { &MDialog::DoClose, IDCANCEL },
        { &MDialog::DoYes, IDYES },
        { &MDialog::DoNo, IDNO },
    };
    for (const auto& c : cases) {
        TestDialog dlg;
        dlg.Create(nullptr, "modal", WS_POPUP, 0, CRect(0, 0, 100, 100));
        (dlg.*c.end)();
        EXPECT_EQ(dlg.ShowModal(), c.want);
        EXPECT_EQ(dlg.GetSafeHwnd(), nullptr) << "the window is gone afterwards";
    }
    TestDialog never;
    EXPECT_EQ(never.ShowModal(), 0xFFFFFFFFu);
    TestDialog destroyed;
    destroyed.Create(nullptr, CRect(0, 0, 10, 10));
    destroyed.DestroyWindow();
    EXPECT_EQ(destroyed.ShowModal(), 0xFFFFFFFFu);
    destroyed.DoOK(); // no window: nothing posted, nothing breaks
}

TEST_F(MDialogTest, QuitDuringAModalLoopEndsItAndIsPostedAgain)
{
    TestDialog owner;
    owner.Open();
    TestDialog dlg;
    dlg.Create(owner.GetSafeHwnd(), "child", WS_POPUP, 0, CRect(0, 0, 100, 100));
    PostQuitMessage(5);
    EXPECT_EQ(dlg.ShowModal(), 0u);
    EXPECT_TRUE(dlg.GetSafeHwnd()) << "the window survives a quit";
    EXPECT_TRUE(owner.IsWindowEnabled()) << "the owner is enabled again";
    MSG msg;
    EXPECT_FALSE(GetMessageW(&msg));
    EXPECT_EQ(msg.wParam, 5u);
    dlg.DestroyWindow();
    owner.DestroyWindow();
}

TEST_F(MDialogTest, OwnerIsDisabledWhileTheModalLoopRuns)
{
    TestDialog owner;
    owner.Open();
    struct Probe : TestDialog {
        HWND owner = nullptr;
        bool ownerEnabledInside = true;
        void InitUI(CRect) override { }
        LRESULT OnPaint() override
        {
            ownerEnabledInside = ::lumo::IsWindowEnabled(owner);
            DoOK();
            return 0;
        }
    } dlg;
    dlg.owner = owner.GetSafeHwnd();
    dlg.Create(owner.GetSafeHwnd(), "child", WS_POPUP, 0, CRect(0, 0, 50, 50));
    EXPECT_EQ(dlg.ShowModal(), IDOK);
    EXPECT_FALSE(dlg.ownerEnabledInside);
    EXPECT_TRUE(owner.IsWindowEnabled());
    owner.DestroyWindow();
}

TEST_F(MDialogTest, CreateOnAnExistingWindowReturnsIt)
{
    TestDialog dlg;
    int before = GetThreadWindowCount();
    HWND first = dlg.Create(nullptr, CRect(0, 0, 10, 10));
    HWND second = dlg.Create(nullptr, CRect(0, 0, 20, 20));
    EXPECT_EQ(first, second);
    EXPECT_EQ(GetThreadWindowCount(), before + 1);
    EXPECT_EQ(dlg.m_initUI, 1);
    EXPECT_EQ(dlg.m_initClient, CRect(0, 0, 10, 10));
    EXPECT_EQ(GetWindowTextW(first), "LumoClient");
    dlg.DestroyWindow();
}

TEST_F(MDialogTest, TinySizesDoNotLayOut)
{
    TestDialog dlg;
    dlg.Open(CRect(0, 0, 100, 80));
    EXPECT_EQ(dlg.m_uiSize, 1) << "the first show tells the size";
    dlg.MoveWindow(0, 0, 1, 1);
    EXPECT_EQ(dlg.m_uiSize, 1);
    dlg.MoveWindow(0, 0, 1, 50);
    EXPECT_EQ(dlg.m_uiSize, 1);
    dlg.MoveWindow(0, 0, 2, 2);
    EXPECT_EQ(dlg.m_uiSize, 2);
    EXPECT_EQ(dlg.m_lastSize, CRect(0, 0, 2, 2));
    dlg.DestroyWindow();
}

TEST_F(MDialogTest, CreationRemovesCaptionAndFrame)
{
    TestDialog dlg;
    dlg.Create(nullptr, "t", WS_POPUP | WS_CAPTION | WS_THICKFRAME, 0, CRect(0, 0, 10, 10));
    DWORD style = dlg.GetStyle();
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), 0u);
    EXPECT_EQ(style & 0x06000008u, 0x06000008u);
    dlg.DestroyWindow();
}

TEST_F(MDialogTest, BalloonAnchorBelowAControl)
{
    TestDialog dlg;
    dlg.Open(CRect(0, 0, 300, 200));
    TestControl* c = dlg.Add(1, CRect(10, 20, 110, 40));
    EXPECT_EQ(dlg.GetAirBladderPoint(c, 0), CPoint(10, 40));
    EXPECT_EQ(dlg.GetAirBladderPoint(c, 1), CPoint(60, 40));
    EXPECT_EQ(dlg.GetAirBladderPoint(c, 2), CPoint(110, 40));
    EXPECT_EQ(dlg.GetAirBladderPoint(nullptr, 1), CPoint(0, 0));
    dlg.MoveWindow(500, 300, 300, 200);
    EXPECT_EQ(dlg.GetAirBladderPoint(c, 1), CPoint(560, 340)) << "in screen coordinates";
    dlg.DestroyWindow();
}

TEST_F(MDialogTest, CenterWindowUsesAVisibleOwnerElseTheWorkArea)
{
    TestDialog owner;
    owner.Open(CRect(100, 100, 500, 400));
    TestDialog dlg;
    dlg.Create(owner.GetSafeHwnd(), CRect(0, 0, 100, 50));
    dlg.CenterWindow();
    CRect r;
    dlg.GetWindowRect(&r);
    EXPECT_EQ(r, CRect(250, 225, 350, 275));
    owner.ShowWindow(SW_HIDE);
    dlg.CenterWindow();
    dlg.GetWindowRect(&r);
    CRect work = GetWorkAreaOf(dlg.GetSafeHwnd());
    EXPECT_EQ(r.CenterPoint().x, work.CenterPoint().x);
    // Kept inside the work area.
    owner.ShowWindow(SW_SHOW);
    owner.MoveWindow(work.right - 50, work.bottom - 20, 400, 300);
    dlg.CenterWindow();
    dlg.GetWindowRect(&r);
    EXPECT_LE(r.right, work.right);
    EXPECT_LE(r.bottom, work.bottom);
    dlg.DestroyWindow();
    owner.DestroyWindow();
}

TEST_F(MDialogTest, NotificationsOfNestedControlsReachOnMessageUnchanged)
{
    TestDialog dlg;
    HWND h = dlg.Open();
    TestControl* panel = dlg.Add(1, CRect(0, 0, 200, 200));
    panel->CreateChild("CTestControl", 42, CRect(10, 10, 50, 50));
    Flush();
    headless::Click(h, 20, 20);
    headless::PumpMessages();
    ASSERT_EQ(dlg.m_notes.size(), 2u);
    EXPECT_EQ(dlg.m_notes[0].id, 42u);
    EXPECT_EQ(dlg.m_notes[0].code, NOTIFY_PRESS);
    dlg.DestroyWindow();
}

TEST_F(MDialogTest, DestroyingTheDialogObjectDestroysItsWindow)
{
    HWND h = nullptr;
    {
        TestDialog dlg;
        h = dlg.Open();
        dlg.Add(1, CRect(0, 0, 10, 10));
    }
    EXPECT_FALSE(IsWindow(h));
}

} // namespace
