#include "LumoTest.h"
#include "TestControl.h"

#include "lumoui/MRender.h"
#include "lumoui/PaintManager.h"

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

using namespace lumo;
using lumotest::TestControl;
using lumotest::TestDialog;

namespace {

class PaintManagerTest : public lumotest::LumoTest {
protected:
    void SetUp() override
    {
        LumoTest::SetUp();
        m_dlg = std::make_unique<TestDialog>();
    }
    void TearDown() override
    {
        m_dlg.reset();
        LumoTest::TearDown();
    }
    HWND Open(CRect rect = CRect(0, 0, 400, 300))
    {
        HWND h = m_dlg->Open(rect);
        Flush();
        return h;
    }
    PaintManager& Pm() { return m_dlg->GetPaintManager(); }

    std::unique_ptr<TestDialog> m_dlg;
};

TEST_F(PaintManagerTest, PlainBackgroundIsABorderAndBackColourAtAlpha254)
{
    Pm().SetLayeredWindow(true);
    HWND h = Open(CRect(0, 0, 40, 30));
    for (auto [x, y] : { std::pair { 0, 0 }, { 39, 29 }, { 20, 0 }, { 0, 15 } }) {
        EXPECT_TRUE(lumotest::ColorNear(headless::GetPixel(h, x, y), ColorRefToARGB(0x555028, 0xFE))) << x << "," << y;
    }
    EXPECT_TRUE(lumotest::ColorNear(headless::GetPixel(h, 1, 1), ColorRefToARGB(0x130D09, 0xFE)));
    EXPECT_TRUE(lumotest::ColorNear(headless::GetPixel(h, 20, 15), ColorRefToARGB(0x130D09, 0xFE)));
    EXPECT_EQ(headless::GetPixel(h, 20, 15) >> 24, 0xFEu);
}

TEST_F(PaintManagerTest, ControlsArePaintedAtTheirRect)
{
    HWND h = Open();
    TestControl* c = m_dlg->Add(1, CRect(10, 20, 60, 40));
    c->m_fill = 0xFF00FF00;
    c->UpdateControl(true);
    Flush();
    EXPECT_EQ(headless::GetPixel(h, 10, 20), 0xFF00FF00u);
    EXPECT_EQ(headless::GetPixel(h, 59, 39), 0xFF00FF00u);
    EXPECT_EQ(headless::GetPixel(h, 60, 40), ColorRefToARGB(0x130D09));
}

TEST_F(PaintManagerTest, ControlsMadeOrRemovedWhileShownAppearAndGoAtOnce)
{
    HWND h = Open();
    const ARGB back = ColorRefToARGB(0x130D09);
    TestControl* panel = m_dlg->Add(1, CRect(0, 0, 200, 100));
    panel->m_fill = 0xFFFF0000;
    TestControl* cover = m_dlg->Add(2, CRect(150, 50, 250, 150));
    cover->m_fill = 0xFF0000FF;
    Flush();
    EXPECT_EQ(headless::GetPixel(h, 20, 20), 0xFFFF0000u) << "made by the window's factory";
    auto* child = static_cast<TestControl*>(panel->CreateChild("CTestControl", 3, CRect(10, 10, 50, 50)));
    child->m_fill = 0xFF00FF00;
    Flush();
    EXPECT_EQ(headless::GetPixel(h, 20, 20), 0xFF00FF00u) << "made by a container's factory";

    EXPECT_TRUE(panel->RemoveControl(child));
    Flush();
    EXPECT_EQ(headless::GetPixel(h, 20, 20), 0xFFFF0000u) << "the container shows where the child was";
    EXPECT_TRUE(Pm().RemoveControl(cover));
    Flush();
    EXPECT_EQ(headless::GetPixel(h, 220, 120), back);
    EXPECT_EQ(headless::GetPixel(h, 170, 70), 0xFFFF0000u) << "what the removed control covered";
    panel->CreateChild("CTestControl", 4, CRect(10, 10, 50, 50));
    Flush();
    panel->RemoveAllControl();
    Flush();
    EXPECT_EQ(headless::GetPixel(h, 20, 20), 0xFFFF0000u);
    Pm().ClearAllControls();
    Flush();
    EXPECT_EQ(headless::GetPixel(h, 20, 20), back);
}

TEST_F(PaintManagerTest, NineGridBackgroundImage)
{
    WriteSkinPng("bk.png", 30, 30, [](int x, int y) -> uint32_t {
        bool corner = (x < 10 || x >= 20) && (y < 10 || y >= 20);
        return corner ? 0xFFFF0000u : 0xFF0000FFu;
    });
    ASSERT_TRUE(m_dlg->LoadBKImage("bk.png"));
    m_dlg->SetBackMode(BACKMODE_FRAME, 10);
    HWND h = Open(CRect(0, 0, 200, 100));
    EXPECT_EQ(headless::GetPixel(h, 5, 5), 0xFFFF0000u);
    EXPECT_EQ(headless::GetPixel(h, 195, 95), 0xFFFF0000u);
    EXPECT_EQ(headless::GetPixel(h, 100, 50), 0xFF0000FFu);
    EXPECT_FALSE(m_dlg->LoadBKImage("missing.png"));
}

TEST_F(PaintManagerTest, SameImageFileSharesTheFirstSlicing)
{
    WriteSkinPng("strip.png", 80, 10, [](int, int) -> uint32_t { return 0xFFFFFFFFu; });
    Open();
    TestControl* a = m_dlg->Add(1, CRect(0, 0, 10, 10));
    TestControl* b = m_dlg->Add(2, CRect(0, 0, 10, 10));
    EXPECT_TRUE(a->SetImage("strip.png", 4));
    EXPECT_TRUE(b->SetImage("strip.png", 8));
    EXPECT_EQ(a->GetImageSize(), CSize(20, 10));
    EXPECT_EQ(b->GetImageSize(), CSize(20, 10)) << "the cache entry keeps the first slice count";
    EXPECT_EQ(b->GetImageCount(), 8);
    EXPECT_EQ(a->GetImage(), b->GetImage());
    EXPECT_FALSE(a->SetImage("missing.png", 4));
    TestControl unmanaged(nullptr, 3, CRect(), "", 1, 1);
    EXPECT_FALSE(unmanaged.SetImage("strip.png", 4)) << "no manager yet";
}

TEST_F(PaintManagerTest, UpdatingACoveredControlRepaintsTheControlOnTopOfIt)
{
    HWND h = Open();
    TestControl* below = m_dlg->Add(1, CRect(10, 10, 50, 50));
    TestControl* above = m_dlg->Add(2, CRect(0, 0, 100, 100));
    TestControl* elsewhere = m_dlg->Add(3, CRect(200, 200, 250, 250));
    Flush();
    int aboveBefore = above->m_rebuilds;
    int elsewhereBefore = elsewhere->m_rebuilds;
    headless::ResetPresented(h);
    below->UpdateControl(true);
    Flush();
    EXPECT_EQ(above->m_rebuilds, aboveBefore + 1);
    EXPECT_EQ(elsewhere->m_rebuilds, elsewhereBefore);
    EXPECT_EQ(headless::GetPresentedRect(h), CRect(0, 0, 100, 100));
    EXPECT_EQ(headless::GetPixel(h, 20, 20), above->m_fill | 0xFF000000u);
}

TEST_F(PaintManagerTest, ClicksNotifyAndEmptySpaceDragsTheWindow)
{
    HWND h = Open();
    m_dlg->Add(5, CRect(10, 10, 60, 40));
    headless::Click(h, 20, 20);
    headless::PumpMessages();
    ASSERT_EQ(m_dlg->m_notes.size(), 2u);
    EXPECT_EQ(m_dlg->m_notes[0].code, NOTIFY_PRESS);
    EXPECT_EQ(m_dlg->m_notes[1].code, NOTIFY_CLICK);
    EXPECT_EQ(headless::GetDragCount(h), 0);

    headless::Click(h, 200, 200);
    headless::PumpMessages();
    EXPECT_EQ(headless::GetDragCount(h), 1);
    EXPECT_EQ(SendMessageW(h, WM_LUMO_DRAGTEST, 0, MAKELPARAM(200, 200)), 1);
    EXPECT_EQ(SendMessageW(h, WM_LUMO_DRAGTEST, 0, MAKELPARAM(20, 20)), 0);
    m_dlg->EnableWndDrag(false);
    EXPECT_EQ(SendMessageW(h, WM_LUMO_DRAGTEST, 0, MAKELPARAM(200, 200)), 0);
}

TEST_F(PaintManagerTest, PressedControlKeepsGettingMovesOutsideItsRect)
{
    HWND h = Open();
    TestControl* c = m_dlg->Add(5, CRect(10, 10, 60, 40));
    headless::MouseDown(h, 20, 20);
    headless::MouseMove(h, 300, 250);
    headless::MouseUp(h, 300, 250);
    headless::PumpMessages();
    EXPECT_EQ(c->m_lastPoint, CPoint(300, 250));
    EXPECT_EQ(m_dlg->Count(NOTIFY_PRESS), 1);
    EXPECT_EQ(m_dlg->Count(NOTIFY_CLICK), 0) << "released outside";
    EXPECT_EQ(Pm().GetHoverControl(), nullptr);
}

TEST_F(PaintManagerTest, WheelDeltaCountsWholeNotches)
{
    HWND h = Open();
    TestControl* c = m_dlg->Add(5, CRect(10, 10, 60, 40));
    struct Case {
        int delta;
        int notches;
    } cases[] = { { 240, 2 }, { -120, 1 }, { 119, 0 }, { -359, 2 } };
    for (const auto& k : cases) {
        c->m_scrolls = 0;
        headless::MouseMove(h, 20, 20);
        headless::Wheel(h, 20, 20, k.delta);
        headless::PumpMessages();
        EXPECT_EQ(c->m_scrolls, k.notches) << k.delta;
    }
}

TEST_F(PaintManagerTest, TabCyclesFocusThroughTabStopsAndWraps)
{
    HWND h = Open();
    TestControl* a = m_dlg->Add(1, CRect(0, 0, 10, 10));
    TestControl* skipped = m_dlg->Add(2, CRect(0, 0, 10, 10));
    TestControl* b = m_dlg->Add(3, CRect(0, 0, 10, 10));
    TestControl* c = m_dlg->Add(4, CRect(0, 0, 10, 10));
    for (TestControl* t : { a, b, c }) {
        t->SetTabStop(true);
    }
    b->SetEnabled(false);
    (void)skipped;
    m_dlg->SetFocusControl(c);
    MSG tab { h, WM_KEYDOWN, VK_TAB, 0, 0, {} };
    EXPECT_TRUE(m_dlg->PreTranslateMessage(&tab));
    EXPECT_EQ(Pm().GetFocusControl(), a) << "wraps to the first";
    EXPECT_TRUE(m_dlg->PreTranslateMessage(&tab));
    EXPECT_EQ(Pm().GetFocusControl(), c) << "disabled and non-tab-stop controls are skipped";
    headless::KeyDown(VK_SHIFT);
    EXPECT_TRUE(m_dlg->PreTranslateMessage(&tab));
    EXPECT_EQ(Pm().GetFocusControl(), a);
    headless::KeyUp(VK_SHIFT);
    a->SetTabStop(false);
    m_dlg->SetFocusControl(c);
    EXPECT_FALSE(m_dlg->PreTranslateMessage(&tab)) << "focus did not change: not consumed";
}

TEST_F(PaintManagerTest, PressesInsideAContainerKeepTheFocusedChildFocused)
{
    HWND h = Open();
    TestControl* box = m_dlg->Add(1, CRect(0, 0, 200, 200));
    auto* child = static_cast<TestControl*>(box->CreateChild("CTestControl", 5, CRect(10, 10, 60, 60)));
    headless::Click(h, 20, 20);
    Flush();
    ASSERT_EQ(Pm().GetFocusControl(), child);
    headless::Click(h, 30, 30);
    Flush();
    EXPECT_EQ(child->m_focusGained, 1) << "the focus never left the child (an open editor would have ended)";
    EXPECT_TRUE(child->IsFocused());
    headless::Click(h, 150, 150);
    Flush();
    EXPECT_EQ(Pm().GetFocusControl(), box);
    EXPECT_FALSE(child->IsFocused());
}

TEST_F(PaintManagerTest, ControlTimersRestartOnlyWhenKilled)
{
    HWND h = Open();
    TestControl* c = m_dlg->Add(1, CRect());
    EXPECT_TRUE(Pm().SetTimer(c, 7, 100));
    EXPECT_FALSE(Pm().SetTimer(c, 7, 100)) << "already running";
    headless::AdvanceTime(100);
    headless::PumpMessages();
    EXPECT_EQ(c->m_nativeTimerKeys, std::vector<UINT> { 7 });
    EXPECT_TRUE(Pm().KillTimer(c, 7));
    headless::AdvanceTime(500);
    headless::PumpMessages();
    EXPECT_EQ(c->m_nativeTimerKeys.size(), 1u);
    EXPECT_TRUE(Pm().SetTimer(c, 7, 100)) << "a killed timer restarts";
    headless::AdvanceTime(100);
    headless::PumpMessages();
    EXPECT_EQ(c->m_nativeTimerKeys.size(), 2u);
    (void)h;
}

TEST_F(PaintManagerTest, ControlTimerIdsNeverTakeTheWindowsOwnTimerNumbers)
{
    Open();
    TestControl* c = m_dlg->Add(1, CRect());
    // Walk the ID cycle once; the message box timers (66, 88, 99) must keep their meaning.
    for (UINT key = 0; key < 240; ++key) {
        ASSERT_TRUE(Pm().SetTimer(c, key, 1000000));
    }
    for (UINT id : { 66u, 88u, 99u }) {
        SendMessageW(m_dlg->GetSafeHwnd(), WM_TIMER, id, 0);
    }
    EXPECT_TRUE(c->m_nativeTimerKeys.empty());
    Pm().KillTimer(c);
}

TEST_F(PaintManagerTest, MessageBoxShowsThenFadesAway)
{
    HWND h = Open(CRect(0, 0, 400, 300));
    m_dlg->SetMessage("Saved");
    Flush();
    EXPECT_EQ(Pm().GetMessageAlpha(), 255);
    EXPECT_EQ(headless::GetPixel(h, 200, 260), 0xFFFEFEFEu) << "inner box of the 200 x 58 default box";
    headless::AdvanceTime(3000);
    headless::PumpMessages();
    for (int i = 0; i < 30 && !Pm().GetMessageText().empty(); ++i) {
        headless::AdvanceTime(50);
        headless::PumpMessages();
    }
    EXPECT_TRUE(Pm().GetMessageText().empty());
    Flush();
    EXPECT_EQ(headless::GetPixel(h, 200, 260), ColorRefToARGB(0x130D09));
}

TEST_F(PaintManagerTest, ProgressAnimatesTowardsLargeJumps)
{
    Open();
    m_dlg->SetProgress(3, "Working");
    EXPECT_EQ(Pm().GetProgressValue(), 3) << "small steps show at once";
    m_dlg->SetProgress(50, "Working");
    EXPECT_EQ(Pm().GetProgressValue(), 3);
    headless::AdvanceTime(10);
    headless::PumpMessages();
    EXPECT_EQ(Pm().GetProgressValue(), 5);
    for (int i = 0; i < 40; ++i) {
        headless::AdvanceTime(10);
        headless::PumpMessages();
    }
    EXPECT_EQ(Pm().GetProgressValue(), 50);
}

TEST_F(PaintManagerTest, AnimationTicksArriveOnTheTimerThreadAndRepaint)
{
    headless::UseManualClock(false);
    HWND h = Open();
    TestControl* c = m_dlg->Add(1, CRect(0, 0, 20, 20));
    c->AddMTimer();
    c->SetRunTimer(true);
    c->m_requestRedrawOnTick = true;
    int rebuilds = c->m_rebuilds;
    m_dlg->SetMTimer(2);
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (c->m_rebuilds < rebuilds + 2 && std::chrono::steady_clock::now() < until) {
        MSG msg;
        if (GetMessageW(&msg)) {
            DispatchMessageW(&msg);
        }
    }
    EXPECT_GE(c->m_ticks.load(), 2);
    EXPECT_GE(c->m_rebuilds, rebuilds + 2) << "tick repaint requests reach the window thread";
    m_dlg->KillMTimer(m_dlg->GetMTimerID());
    (void)h;
}

TEST_F(PaintManagerTest, HiddenAnimatedControlsGetNoTicks)
{
    Open();
    TestControl* c = m_dlg->Add(1, CRect(0, 0, 20, 20));
    c->AddMTimer();
    c->SetRunTimer(true);
    c->SetVisible(false);
    UINT id = m_dlg->SetMTimer(1000000);
    Pm().OnMTimer(id);
    EXPECT_EQ(c->m_ticks.load(), 0);
    c->SetVisible(true);
    Pm().OnMTimer(id);
    Pm().OnMTimer(id + 1000);
    EXPECT_EQ(c->m_ticks.load(), 1) << "ticks of other timers are ignored";
}

TEST_F(PaintManagerTest, GenerateBitmapRendersOneControl)
{
    Open();
    TestControl* c = m_dlg->Add(1, CRect(30, 30, 40, 40));
    c->m_fill = 0xFF102030;
    auto bmp = Pm().GenerateBitmap(c, c->GetRect(), 0);
    ASSERT_TRUE(bmp);
    bmp->Flush();
    EXPECT_EQ(bmp->GetSize(), CSize(10, 10));
    EXPECT_EQ(bmp->Bits()[0], 0xFF102030u);
    EXPECT_EQ(Pm().GenerateBitmap(nullptr, CRect(0, 0, 5, 5), 0), nullptr);
}

TEST_F(PaintManagerTest, DestroyingTheWindowDeletesItsControls)
{
    Open();
    int alive = TestControl::s_alive;
    TestControl* parent = m_dlg->Add(1, CRect(0, 0, 10, 10));
    parent->CreateChild("CTestControl", 2, CRect());
    m_dlg->Add(3, CRect(), 0);
    EXPECT_EQ(TestControl::s_alive, alive + 3);
    m_dlg->DestroyWindow();
    EXPECT_EQ(TestControl::s_alive, alive);
    EXPECT_FALSE(Pm().IsInitialized());
}

TEST_F(PaintManagerTest, KeyDownsNeverReachTheDefaultProcedure)
{
    HWND h = Open();
    headless::KeyDown(VK_MENU);
    headless::KeyDown(VK_F4);
    headless::KeyUp(VK_F4);
    headless::KeyUp(VK_MENU);
    headless::PumpMessages();
    EXPECT_TRUE(IsWindow(h)) << "Alt+F4 does not close a toolkit window";
}

TEST_F(PaintManagerTest, TooltipShowsAfterTheMouseRestsUnderEitherLoop)
{
    // The modal loop offers every message to PreTranslateMessage first; the plain loop
    // (Manager::MessageLoop, PumpMessages) only dispatches.
    auto modal = [&] {
        MSG msg;
        while (PeekMessageW(&msg, PM_REMOVE)) {
            if (!m_dlg->PreTranslateMessage(&msg)) {
                DispatchMessageW(&msg);
            }
        }
    };
    auto plain = [] { headless::PumpMessages(); };
    for (const std::function<void()>& pump : { std::function<void()>(modal), std::function<void()>(plain) }) {
        m_dlg = std::make_unique<TestDialog>();
        HWND h = Open();
        TestControl* c = m_dlg->Add(1, CRect(10, 10, 100, 40));
        c->SetTooltip("Tip text");
        headless::MouseMove(h, 20, 20);
        pump();
        headless::MouseMove(h, 21, 20);
        pump();
        EXPECT_EQ(Pm().GetTooltipCtrlID(), 1u);
        HWND tip = Pm().GetTooltipWindow();
        ASSERT_NE(tip, nullptr);
        EXPECT_FALSE(IsWindowVisible(tip));
        headless::AdvanceTime(400);
        pump();
        EXPECT_TRUE(IsWindowVisible(tip));
        headless::Click(h, 21, 20);
        pump();
        EXPECT_FALSE(IsWindowVisible(tip)) << "a press hides it";
        m_dlg->DestroyWindow();
        Flush();
    }
}

} // namespace

namespace {

// An inline editor's stand-in: records the text input messages it is offered.
class TextTarget : public TestControl {
public:
    using TestControl::TestControl;
    LRESULT OnWindowMessage(UINT msg, WPARAM wParam, LPARAM) override
    {
        if (msg == WM_CHAR) {
            text.push_back(static_cast<char>(wParam));
            return 1;
        }
        if (msg == WM_IME_COMPOSITION) {
            ++compositions;
            return 1;
        }
        return 0;
    }
    std::string text;
    int compositions = 0;
};

TEST_F(PaintManagerTest, TextInputGoesToTheEditorEvenInsideAContainer)
{
    HWND h = Open();
    TestControl* panel = m_dlg->Add(1, CRect(0, 0, 200, 100));
    auto* editor = new TextTarget(panel, 2, CRect(10, 10, 100, 30), "", 1, 1);
    panel->AddChild(editor, 1);
    editor->SetManager(&Pm());
    Pm().SetTextInputControl(editor, CRect(12, 12, 13, 28));
    EXPECT_TRUE(headless::IsTextInputOn());
    headless::Text("ok");
    headless::Composition("ni", 2);
    headless::PumpMessages();
    EXPECT_EQ(editor->text, "ok");
    EXPECT_EQ(editor->compositions, 1);
    int cursor = 0;
    EXPECT_EQ(GetImeComposition(h, &cursor), "ni");
    EXPECT_EQ(cursor, 2);
    panel->RemoveControl(editor);
    EXPECT_EQ(Pm().GetTextInputControl(), nullptr) << "removing the editor ends text input";
    EXPECT_FALSE(headless::IsTextInputOn());
}

TEST_F(PaintManagerTest, CaretBlinksAtItsPlace)
{
    HWND h = Open();
    TestControl* owner = m_dlg->Add(1, CRect(0, 0, 200, 100));
    owner->m_fill = 0xFF000000;
    Flush();
    Pm().CreateCaret(owner, 2, 16, 0xFFFFFFFF);
    Pm().SetCaretPos(CPoint(50, 20));
    Pm().ShowCaret(true);
    Flush();
    EXPECT_EQ(headless::GetPixel(h, 51, 30), 0xFFFFFFFFu);
    EXPECT_EQ(Pm().GetCurrentCaretObject(), owner);
    headless::AdvanceTime(530);
    headless::PumpMessages();
    Flush();
    EXPECT_EQ(headless::GetPixel(h, 51, 30), 0xFF000000u) << "blinked off";
    Pm().DestroyCaret(owner);
    EXPECT_EQ(Pm().GetCurrentCaretObject(), nullptr);
}

} // namespace
