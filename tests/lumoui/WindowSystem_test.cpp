#include "LumoTest.h"

#include "lumoui/Manager.h"
#include "lumoui/WindowApi.h"

#include <atomic>
#include <thread>
#include <vector>

using namespace lumo;

namespace {

struct Log {
    std::vector<MSG> msgs;
    int Count(UINT m) const
    {
        int n = 0;
        for (auto& x : msgs) {
            n += x.message == m;
        }
        return n;
    }
};

Log* g_log = nullptr;

LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (g_log) {
        g_log->msgs.push_back(MSG { hwnd, msg, wp, lp, 0, {} });
    }
    if (msg == WM_USER + 1) {
        return static_cast<LRESULT>(wp) * 2;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

class WindowSystemTest : public lumotest::LumoTest {
protected:
    void SetUp() override
    {
        LumoTest::SetUp();
        WNDCLASS wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &RecordingProc;
        wc.lpszClassName = "TestRecording";
        RegisterClassW(wc);
        g_log = &m_log;
    }
    void TearDown() override
    {
        for (HWND h : m_windows) {
            DestroyWindow(h);
        }
        g_log = nullptr;
        LumoTest::TearDown();
    }
    HWND Make(int x = 100, int y = 100, int w = 200, int h = 100, HWND owner = nullptr)
    {
        HWND hwnd = CreateWindowExW(0, "TestRecording", "t", WS_POPUP, x, y, w, h, owner, nullptr);
        m_windows.push_back(hwnd);
        return hwnd;
    }

    Log m_log;
    std::vector<HWND> m_windows;
};

TEST_F(WindowSystemTest, PostFromAnotherThreadWakesABlockedLoop)
{
    headless::UseManualClock(false);
    HWND h = Make();
    std::thread poster([h] { PostMessageW(h, WM_USER + 5, 7, 8); });
    MSG msg;
    bool got = false;
    while (GetMessageW(&msg)) {
        if (msg.message == WM_USER + 5) {
            got = msg.wParam == 7 && msg.lParam == 8;
            break;
        }
        DispatchMessageW(&msg);
    }
    poster.join();
    EXPECT_TRUE(got);
}

TEST_F(WindowSystemTest, SendFromAnotherThreadRunsOnTheWindowThread)
{
    headless::UseManualClock(false);
    HWND h = Make();
    std::atomic<LRESULT> result { 0 };
    std::atomic<bool> done { false };
    std::thread sender([&] {
        result = SendMessageW(h, WM_USER + 1, 21, 0);
        done = true;
        PostMessageW(h, WM_NULL, 0, 0);
    });
    MSG msg;
    while (!done && GetMessageW(&msg)) {
        DispatchMessageW(&msg);
    }
    sender.join();
    EXPECT_EQ(result.load(), 42);
    EXPECT_EQ(m_log.Count(WM_USER + 1), 1);
}

TEST_F(WindowSystemTest, QuitComesAfterQueuedMessages)
{
    HWND h = Make();
    PostMessageW(h, WM_USER + 2, 0, 0);
    PostQuitMessage(3);
    MSG msg;
    ASSERT_TRUE(GetMessageW(&msg));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
    EXPECT_FALSE(GetMessageW(&msg));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(WindowSystemTest, TimersFireOncePerDueTimeAndStopWhenKilled)
{
    HWND h = Make();
    SetTimer(h, 9, 100);
    MSG msg;
    ASSERT_TRUE(GetMessageW(&msg)); // the manual clock jumps to the deadline
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(msg.wParam, 9u);
    EXPECT_EQ(headless::PumpMessages(), 0);
    // Long overdue: still one tick, not one per missed period.
    headless::AdvanceTime(1000);
    EXPECT_EQ(headless::PumpMessages(), 1);
    EXPECT_EQ(m_log.Count(WM_TIMER), 1);
    KillTimer(h, 9);
    headless::AdvanceTime(1000);
    EXPECT_EQ(headless::PumpMessages(), 0);
}

TEST_F(WindowSystemTest, RepaintsAreCoalescedToOneEvery16Ms)
{
    HWND h = Make();
    ShowWindow(h, SW_SHOW);
    headless::PumpMessages();
    EXPECT_EQ(m_log.Count(WM_PAINT), 1);
    CRect a(0, 0, 10, 10);
    CRect b(50, 50, 60, 70);
    InvalidateRect(h, &a, false);
    InvalidateRect(h, &b, false);
    headless::PumpMessages();
    EXPECT_EQ(m_log.Count(WM_PAINT), 1) << "within 16 ms of the last paint";
    headless::AdvanceTime(16);
    m_log.msgs.clear();
    headless::PumpMessages();
    ASSERT_EQ(m_log.Count(WM_PAINT), 1);
    CRect r;
    EXPECT_FALSE(GetUpdateRect(h, &r)) << "nothing left after the paint";
}

TEST_F(WindowSystemTest, HiddenWindowsAreNotPainted)
{
    HWND h = Make();
    InvalidateRect(h, nullptr, false);
    Flush();
    EXPECT_EQ(m_log.Count(WM_PAINT), 0);
}

TEST_F(WindowSystemTest, SecondQuickPressIsADoubleClickOnlyForDoubleClickClasses)
{
    HWND h = Make();
    ShowWindow(h, SW_SHOW);
    headless::Click(h, 10, 10);
    headless::Click(h, 11, 10);
    headless::Click(h, 11, 10); // a third press starts over
    headless::PumpMessages();
    EXPECT_EQ(m_log.Count(WM_LBUTTONDOWN), 2);
    EXPECT_EQ(m_log.Count(WM_LBUTTONDBLCLK), 1);
    headless::AdvanceTime(GetDoubleClickTime() + 1);
    headless::Click(h, 11, 10);
    headless::PumpMessages();
    EXPECT_EQ(m_log.Count(WM_LBUTTONDOWN), 3) << "too late for a double click";
}

TEST_F(WindowSystemTest, DisabledWindowsGetNoInputAndCaptureRedirectsIt)
{
    HWND a = Make(0, 0, 100, 100);
    HWND b = Make(300, 0, 100, 100);
    ShowWindow(a, SW_SHOW);
    ShowWindow(b, SW_SHOW);
    EnableWindow(b, false);
    headless::Click(b, 5, 5);
    headless::PumpMessages();
    EXPECT_EQ(m_log.Count(WM_LBUTTONDOWN), 0);

    SetCapture(a);
    m_log.msgs.clear();
    headless::MouseMove(b, 5, 6);
    headless::PumpMessages();
    ASSERT_EQ(m_log.Count(WM_MOUSEMOVE), 1);
    EXPECT_EQ(m_log.msgs.back().hwnd, a);
    EXPECT_EQ(GET_X_LPARAM(m_log.msgs.back().lParam), 305) << "in the capturing window's coordinates";
    EXPECT_EQ(GET_Y_LPARAM(m_log.msgs.back().lParam), 6);
    ReleaseCapture();
}

TEST_F(WindowSystemTest, ClickingAnotherWindowDeactivatesTheActiveOne)
{
    HWND a = Make(0, 0, 100, 100);
    HWND b = Make(300, 0, 100, 100);
    ShowWindow(a, SW_SHOW);
    ShowWindow(b, SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), b);
    m_log.msgs.clear();
    headless::Click(a, 5, 5);
    EXPECT_EQ(GetActiveWindow(), a);
    ASSERT_FALSE(m_log.msgs.empty());
    EXPECT_EQ(m_log.msgs.front().hwnd, b);
    EXPECT_EQ(m_log.msgs.front().message, WM_NCACTIVATE);
    EXPECT_EQ(m_log.msgs.front().wParam, 0u);
}

TEST_F(WindowSystemTest, DestroyingAnOwnerDestroysOwnedWindowsFirst)
{
    HWND owner = Make();
    HWND owned = Make(0, 0, 10, 10, owner);
    m_log.msgs.clear();
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(owned));
    EXPECT_FALSE(IsWindow(owner));
    ASSERT_GE(m_log.msgs.size(), 2u);
    EXPECT_EQ(m_log.msgs[0].hwnd, owned);
    EXPECT_EQ(m_log.msgs[0].message, WM_DESTROY);
    // Calls on dead handles do nothing.
    EXPECT_FALSE(ShowWindow(owner, SW_SHOW));
    EXPECT_FALSE(PostMessageW(owner, WM_USER, 0, 0));
    EXPECT_EQ(SendMessageW(owner, WM_USER + 1, 1, 0), 0);
}

TEST_F(WindowSystemTest, KeysCarryTheUsageAndAltMakesSystemKeys)
{
    HWND h = Make();
    ShowWindow(h, SW_SHOW);
    headless::KeyDown('A', 4);
    headless::KeyUp('A', 4);
    headless::KeyDown(VK_MENU, 0xE2);
    headless::KeyDown(VK_F4, 0x3D);
    EXPECT_TRUE(Manager::PreTranslateMessage());
    headless::KeyUp(VK_F4, 0x3D);
    headless::KeyUp(VK_MENU, 0xE2);
    EXPECT_FALSE(Manager::PreTranslateMessage());
    headless::PumpMessages();
    std::vector<MSG> keys;
    for (auto& m : m_log.msgs) {
        if (m.message >= WM_KEYDOWN && m.message <= WM_SYSKEYUP) {
            keys.push_back(m);
        }
    }
    ASSERT_EQ(keys.size(), 6u);
    EXPECT_EQ(keys[0].message, WM_KEYDOWN);
    EXPECT_EQ((static_cast<uint32_t>(keys[0].lParam) >> 16) & 0xFF, 4u);
    EXPECT_EQ(keys[1].message, WM_KEYUP);
    EXPECT_EQ(keys[2].message, WM_SYSKEYDOWN);
    EXPECT_EQ(keys[3].message, WM_SYSKEYDOWN);
    EXPECT_EQ(keys[3].wParam, VK_F4);
}

TEST_F(WindowSystemTest, MessageLoopDropsEverythingWhileAltF4IsHeld)
{
    HWND h = Make();
    ShowWindow(h, SW_SHOW);
    headless::PumpMessages();
    m_log.msgs.clear();
    headless::KeyDown(VK_MENU);
    headless::KeyDown(VK_F4);
    PostMessageW(h, WM_USER + 3, 0, 0);
    PostQuitMessage(0);
    EXPECT_EQ(Manager::MessageLoop(), 0);
    EXPECT_TRUE(m_log.msgs.empty());
    headless::KeyUp(VK_F4);
    headless::KeyUp(VK_MENU);
}

TEST_F(WindowSystemTest, TextArrivesAsOneCharPerCodePoint)
{
    HWND h = Make();
    ShowWindow(h, SW_SHOW);
    headless::Text("a\xE4\xB8\xAD"); // "a" and U+4E2D
    headless::PumpMessages();
    std::vector<WPARAM> chars;
    for (auto& m : m_log.msgs) {
        if (m.message == WM_CHAR) {
            chars.push_back(m.wParam);
        }
    }
    EXPECT_EQ(chars, (std::vector<WPARAM> { 'a', 0x4E2D }));
}

} // namespace
