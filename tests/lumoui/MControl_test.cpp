#include "LumoTest.h"
#include "TestControl.h"

#include "lumoui/ControlFactory.h"
#include "lumoui/PaintManager.h"

#include <functional>
#include <memory>

using namespace lumo;
using lumotest::TestControl;
using lumotest::TestDialog;

namespace {

// An owner that records what its children send upwards.
class RecordingOwner : public MObject {
public:
    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM, LPARAM) override
    {
        notes.emplace_back(id, code);
        return 0;
    }
    LRESULT OnControlUpdate(CRect rect, bool full, MControl*) override
    {
        updates.emplace_back(rect, full);
        return 0;
    }
    std::vector<std::pair<UINT, UINT>> notes;
    std::vector<std::pair<CRect, bool>> updates;
};

class MControlTest : public lumotest::LumoTest {
protected:
    void TearDown() override
    {
        m_dlg.reset();
        LumoTest::TearDown();
    }
    TestDialog& Dialog()
    {
        if (!m_dlg) {
            m_dlg = std::make_unique<TestDialog>();
            m_dlg->Open();
            Flush();
        }
        return *m_dlg;
    }
    std::unique_ptr<TestDialog> m_dlg;
};

TEST_F(MControlTest, FactoryBuildsRegisteredClassesOnlyAndInitialisesThem)
{
    PaintManager& pm = Dialog().GetPaintManager();
    size_t before = pm.GetControls().size();
    EXPECT_EQ(Dialog().CreateControl("", 1, CRect(0, 0, 10, 10)), nullptr);
    EXPECT_EQ(Dialog().CreateControl(nullptr, 1, CRect(0, 0, 10, 10)), nullptr);
    EXPECT_EQ(Dialog().CreateControl("ctestcontrol", 1, CRect(0, 0, 10, 10)), nullptr) << "case-sensitive";
    EXPECT_EQ(Dialog().CreateControl("CTestContainerOnly", 1, CRect(0, 0, 10, 10)), nullptr)
        << "container-only classes are not built at window level";
    EXPECT_EQ(pm.GetControls().size(), before);

    auto* c = static_cast<TestControl*>(Dialog().CreateControl("CTestControl", 7, CRect(1, 2, 30, 40), "Hi", 0, 1));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->m_ctorTitle, "Hi");
    EXPECT_EQ(c->m_ctorVisible, 0);
    EXPECT_EQ(c->m_ctorEnabled, 1);
    EXPECT_EQ(c->GetManager(), &pm);
    EXPECT_EQ(c->m_initCalls, 1);
    EXPECT_EQ(c->GetParantObject(), &Dialog());
    EXPECT_EQ(pm.GetControls().back(), c);
    EXPECT_STREQ(c->GetClassNameW(), "FSControl");
    EXPECT_TRUE(c->IsClass("FSControl"));
    EXPECT_FALSE(c->IsClass("FSControl "));

    auto* area = Dialog().CreateArea("CTestControl", 8, CRect(0, 0, 5, 5));
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(pm.GetAreaControls().back(), area);
    MControl* loose = pm.CreateControl(5, &Dialog(), "CTestControl", 9, CRect(0, 0, 5, 5), "", 1, 1);
    ASSERT_NE(loose, nullptr) << "other kinds leave the control with the caller";
    EXPECT_EQ(pm.GetControl(9), nullptr);
    delete loose;
}

TEST_F(MControlTest, ContainerFactoryInitialisesOnlyWithAManager)
{
    RecordingOwner owner;
    TestControl container(&owner, 1, CRect(0, 0, 100, 100), "", 1, 1);
    auto* child = static_cast<TestControl*>(container.CreateChild("CTestContainerOnly", 5, CRect(0, 0, 10, 10)));
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->m_initCalls, 0);
    EXPECT_EQ(child->GetManager(), nullptr);
    EXPECT_EQ(container.CreateChild("NoSuchClass", 6, CRect()), nullptr);
    EXPECT_EQ(container.GetControls().size(), 1u);
}

TEST_F(MControlTest, VisibilityChangesAskForRepaintsOnlyWhenSomethingChanged)
{
    RecordingOwner owner;
    TestControl c(&owner, 3, CRect(10, 10, 50, 30), "", 1, 1);
    c.SetVisible(true);
    EXPECT_TRUE(owner.updates.empty());
    c.SetVisible(false);
    ASSERT_EQ(owner.updates.size(), 1u) << "hiding repaints the old rect once";
    EXPECT_EQ(owner.updates[0].first, CRect(10, 10, 50, 30));
    c.SetEnabled(false);
    EXPECT_EQ(owner.updates.size(), 1u) << "no repaint for an invisible control";
    c.SetVisible(true, false);
    EXPECT_EQ(owner.updates.size(), 1u);
    c.SetRect(CRect(100, 100, 110, 110));
    ASSERT_EQ(owner.updates.size(), 2u);
    EXPECT_EQ(owner.updates[1].first, CRect(10, 10, 110, 110)) << "the union of old and new rect";
}

TEST_F(MControlTest, ScrolledContainerShiftsPointsExceptForItsScrollBars)
{
    RecordingOwner owner;
    TestControl panel(&owner, 10, CRect(0, 0, 200, 100), "", 1, 1);
    panel.m_scroll = CPoint(0, 300);
    auto* content = static_cast<TestControl*>(panel.CreateChild("CTestControl", 5, CRect(0, 300, 200, 350)));
    auto* bar = static_cast<TestControl*>(panel.CreateChild("CTestControl", 1, CRect(190, 0, 200, 100)));
    panel.OnLButtonDown(MK_LBUTTON, CPoint(20, 10));
    EXPECT_EQ(content->m_lastPoint, CPoint(20, 310));
    panel.OnLButtonUp(0, CPoint(20, 10));
    panel.OnLButtonDown(MK_LBUTTON, CPoint(195, 50));
    EXPECT_EQ(bar->m_lastPoint, CPoint(195, 50));
    panel.OnLButtonUp(0, CPoint(195, 50));
}

TEST_F(MControlTest, DoubleClickWithoutDoubleClicksIsASecondPress)
{
    RecordingOwner owner;
    TestControl c(&owner, 4, CRect(0, 0, 50, 50), "", 1, 1);
    c.OnLButtonDown(MK_LBUTTON, CPoint(5, 5));
    c.OnLButtonUp(0, CPoint(5, 5));
    c.OnLButtonDblClk(MK_LBUTTON, CPoint(5, 5));
    c.OnLButtonUp(0, CPoint(5, 5));
    int presses = 0;
    for (auto& n : owner.notes) {
        presses += n.second == NOTIFY_PRESS;
    }
    EXPECT_EQ(presses, 2);

    // Inside a container the child still sees exactly one more press.
    TestControl panel(&owner, 9, CRect(0, 0, 100, 100), "", 1, 1);
    panel.CreateChild("CTestControl", 5, CRect(0, 0, 50, 50));
    owner.notes.clear();
    panel.OnLButtonDown(MK_LBUTTON, CPoint(5, 5));
    panel.OnLButtonUp(0, CPoint(5, 5));
    panel.OnLButtonDblClk(MK_LBUTTON, CPoint(5, 5));
    EXPECT_EQ(owner.notes.size(), 3u);
    EXPECT_EQ(owner.notes.back(), std::make_pair(5u, NOTIFY_PRESS));
}

TEST_F(MControlTest, DoubleClickNotificationWhenEnabled)
{
    RecordingOwner owner;
    TestControl c(&owner, 4, CRect(0, 0, 50, 50), "", 1, 1);
    c.SetDblClk(true);
    c.SetDblClkNotify(true);
    c.OnLButtonDblClk(MK_LBUTTON, CPoint(5, 5));
    ASSERT_EQ(owner.notes.size(), 1u);
    EXPECT_EQ(owner.notes[0].second, NOTIFY_DBLCLK);
}

TEST_F(MControlTest, GetControlSearchesDepthFirstControlLayerBeforeAreaLayer)
{
    RecordingOwner owner;
    TestControl root(&owner, 100, CRect(0, 0, 100, 100), "", 1, 1);
    auto* first = static_cast<TestControl*>(root.CreateChild("CTestControl", 1, CRect()));
    auto* nested = static_cast<TestControl*>(first->CreateChild("CTestControl", 7, CRect()));
    root.CreateChild("CTestControl", 7, CRect()); // a later sibling with the same ID
    root.CreateChild("CTestControl", 8, CRect(), 0);
    auto* areaChild = root.GetAreaControls().front();
    auto* deepInArea = static_cast<TestControl*>(areaChild)->CreateChild("CTestControl", 9, CRect());
    root.CreateChild("CTestControl", 9, CRect());
    EXPECT_EQ(root.GetControl(7), nested) << "a child's descendants come before its later siblings";
    EXPECT_EQ(root.GetControl(8), areaChild);
    EXPECT_NE(root.GetControl(9), deepInArea) << "the control layer is searched first";
    EXPECT_EQ(root.GetControl(42), nullptr);
}

TEST_F(MControlTest, RemovingTheFocusedControlClearsTheWindowFocusFirst)
{
    TestControl* a = Dialog().Add(1, CRect(0, 0, 50, 50));
    Dialog().Add(2, CRect(60, 0, 110, 50));
    Dialog().SetFocusControl(a);
    EXPECT_TRUE(a->IsFocused());
    int alive = TestControl::s_alive;
    EXPECT_TRUE(Dialog().GetPaintManager().RemoveControl(a));
    EXPECT_EQ(Dialog().GetPaintManager().GetFocusControl(), nullptr);
    EXPECT_EQ(TestControl::s_alive, alive - 1);
}

TEST_F(MControlTest, KeysGoToTheFocusedChildAndKeyNotificationAlwaysFires)
{
    RecordingOwner owner;
    TestControl panel(&owner, 9, CRect(0, 0, 100, 100), "", 1, 1);
    auto* a = static_cast<TestControl*>(panel.CreateChild("CTestControl", 5, CRect(0, 0, 50, 50)));
    auto* b = static_cast<TestControl*>(panel.CreateChild("CTestControl", 6, CRect(50, 0, 100, 50)));
    b->SetControlFocus(true);
    b->SetKeyNotify(true);
    EXPECT_FALSE(panel.OnKeyDown('A', 1, 0));
    EXPECT_EQ(a->m_keys, 0);
    EXPECT_EQ(b->m_keys, 1);
    ASSERT_EQ(owner.notes.size(), 1u);
    EXPECT_EQ(owner.notes[0], std::make_pair(6u, NOTIFY_KEYDOWN));
    b->SetHotKey('K', 17);
    EXPECT_TRUE(panel.OnKeyDown('K', 1, 17));
    EXPECT_FALSE(panel.OnKeyDown('K', 1, 0)) << "flags must match";
}

// A control that sends its notifications as the very last thing its handlers do, so that the
// owner may delete it right there (a dialog closing from a button, a list dropping a row).
class LastWordControl : public TestControl {
public:
    using TestControl::TestControl;
    bool OnControlLButtonUp(UINT, CPoint) override
    {
        SendMessageW(NOTIFY_CLICK, 0, 0);
        return true;
    }
    bool OnControlKeyDown(UINT vk, UINT, UINT) override
    {
        SendMessageW(NOTIFY_KEYDOWN, vk, 0);
        return true;
    }
};

// Runs its action once, on the first notification with its code.
class ActingDialog : public TestDialog {
public:
    LRESULT OnMessage(UINT id, UINT code, WPARAM wParam, LPARAM lParam) override
    {
        TestDialog::OnMessage(id, code, wParam, lParam);
        if (code == m_code && m_action) {
            std::function<void()> action = std::move(m_action);
            m_action = nullptr;
            action();
        }
        return 0;
    }
    UINT m_code = 0;
    std::function<void()> m_action;
};

// The routing must not touch a control (or its owner) after a handler deleted it. Run under
// the address sanitizer, a write to a deleted control fails the test.
TEST_F(MControlTest, HandlersMayDeleteTheControlTheyRunFor)
{
    struct Parts {
        ActingDialog* dialog;
        TestControl* panel; // top-level container at (0, 0, 200, 100)
        TestControl* row; // its child at (10, 10, 60, 40)
        TestControl* top; // a top-level control at (250, 10, 300, 40)
    };
    struct Case {
        const char* name;
        UINT code;
        CPoint at;
        std::function<void(Parts&)> act;
        bool key = false;
        bool doubleClick = false;
        int deleted = 1;
    };
    const Case cases[] = {
        { "the window removes the clicked control", NOTIFY_CLICK, CPoint(275, 25),
            [](Parts& p) { p.dialog->GetPaintManager().RemoveControl(p.top); } },
        { "a list drops the clicked row", NOTIFY_CLICK, CPoint(30, 25),
            [](Parts& p) { p.panel->RemoveControl(p.row); } },
        { "the dialog closes from a button", NOTIFY_CLICK, CPoint(30, 25),
            [](Parts& p) { p.dialog->DestroyWindow(); }, false, false, 3 },
        { "a double click removes the control", NOTIFY_DBLCLK, CPoint(275, 25),
            [](Parts& p) { p.dialog->GetPaintManager().RemoveControl(p.top); }, false, true },
        { "a key closes the dialog", NOTIFY_KEYDOWN, CPoint(30, 25),
            [](Parts& p) { p.dialog->DestroyWindow(); }, true, false, 3 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ActingDialog dialog;
        HWND h = dialog.Open();
        PaintManager& pm = dialog.GetPaintManager();
        Parts parts { &dialog, dialog.Add(1, CRect(0, 0, 200, 100)), nullptr, nullptr };
        parts.row = new LastWordControl(parts.panel, 5, CRect(10, 10, 60, 40), "", 1, 1);
        parts.panel->AddChild(parts.row, 1);
        parts.row->SetManager(&pm);
        parts.panel->SetKeyNotify(true);
        parts.top = new LastWordControl(&dialog, 6, CRect(250, 10, 300, 40), "", 1, 1);
        pm.AddControl(parts.top, 1);
        parts.top->SetManager(&pm);
        parts.top->SetDblClk(true);
        parts.top->SetDblClkNotify(true);
        Flush();
        int alive = TestControl::s_alive;
        dialog.m_code = c.code;
        dialog.m_action = [&] { c.act(parts); };
        headless::MouseMove(h, c.at.x, c.at.y);
        if (c.key) {
            parts.row->SetControlFocus(true);
            headless::KeyDown(VK_RETURN);
        } else {
            headless::Click(h, c.at.x, c.at.y);
            if (c.doubleClick) {
                headless::Click(h, c.at.x, c.at.y);
            }
        }
        Flush();
        EXPECT_EQ(dialog.m_action, nullptr) << "the handler ran";
        EXPECT_EQ(TestControl::s_alive, alive - c.deleted);
        dialog.DestroyWindow();
        Flush();
    }
}

TEST_F(MControlTest, TicksReachOnlyVisibleChildrenThatRunTheirTimer)
{
    RecordingOwner owner;
    TestControl panel(&owner, 9, CRect(0, 0, 100, 100), "", 1, 1);
    auto* runs = static_cast<TestControl*>(panel.CreateChild("CTestControl", 5, CRect()));
    auto* idle = static_cast<TestControl*>(panel.CreateChild("CTestControl", 6, CRect()));
    auto* hidden = static_cast<TestControl*>(panel.CreateChild("CTestControl", 7, CRect()));
    runs->SetRunTimer(true);
    hidden->SetRunTimer(true);
    hidden->SetVisible(false);
    EXPECT_TRUE(panel.OnTimer());
    EXPECT_EQ(runs->m_ticks.load(), 1);
    EXPECT_EQ(idle->m_ticks.load(), 0);
    EXPECT_EQ(hidden->m_ticks.load(), 0);
}

TEST_F(MControlTest, ParentVisibilityClimbsToTheDialog)
{
    TestControl* outer = Dialog().Add(1, CRect(0, 0, 100, 100));
    auto* inner = static_cast<TestControl*>(outer->CreateChild("CTestControl", 2, CRect()));
    EXPECT_TRUE(inner->IsParentVisible());
    outer->SetVisible(false);
    EXPECT_FALSE(inner->IsParentVisible());
    TestControl orphan(nullptr, 3, CRect(), "", 1, 1);
    EXPECT_FALSE(orphan.IsParentVisible());
}

TEST_F(MControlTest, PositionItemsEvaluate)
{
    struct Case {
        FS_POSITION_ITEM item;
        int want;
    } cases[] = {
        { { 0, false, 10.7f }, 110 },
        { { 0, true, 10.0f }, 290 },
        { { 1, false, 5.0f }, 205 },
        { { 1, true, 5.0f }, 195 },
        { { 2, false, 50.0f }, 200 },
        { { 2, false, 150.0f }, 300 },
        { { 3, false, 1.0f }, 0 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PositionItem2Value(c.item, 100, 300), c.want) << c.item.kind << " " << c.item.value;
    }
}

} // namespace
