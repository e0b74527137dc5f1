#include "WidgetTest.h"

#include "lumoui/ControlFactory.h"
#include "lumoui/MPanel.h"
#include "lumoui/MTabLayout.h"

using namespace lumo;
using lumotest::RecordingOwner;
using lumotest::TestControl;

namespace {

// A class that only becomes known to the factory while the program runs, as the classes of
// libraries loaded later do.
class LateControl : public TestControl {
public:
    using TestControl::TestControl;
};

class MPanelTest : public lumotest::WidgetTest {
protected:
    // A 200 x 100 panel at (0, 0) of an open dialog, with content 400 pixels high.
    MPanel* ScrolledPanel()
    {
        Open();
        auto* panel = Attach(new MPanel(m_dlg.get(), 10, CRect(0, 0, 200, 100), 1));
        panel->SetVirtualSize(0, 400);
        return panel;
    }
    TestControl* Child(MPanel* panel, UINT id, CRect rect)
    {
        return static_cast<TestControl*>(panel->CreateControl("CTestControl", id, rect));
    }
};

TEST_F(MPanelTest, FactoryTakesTheContainerListIncludingClassesRegisteredLater)
{
    RecordingOwner owner;
    MPanel panel(&owner, 10, CRect(0, 0, 200, 100), 1);
    EXPECT_NE(panel.CreateControl("CTestContainerOnly", 5, CRect(0, 0, 10, 10)), nullptr);
    EXPECT_EQ(panel.CreateControl("CLateControl", 6, CRect(0, 0, 10, 10)), nullptr);
    EXPECT_EQ(panel.CreateControl("", 6, CRect()), nullptr);
    ControlFactory::Register("CLateControl", kContainerFactory, &MakeControl<LateControl>);
    MControl* late = panel.CreateControl("CLateControl", 6, CRect(0, 0, 10, 10));
    ASSERT_NE(late, nullptr);
    EXPECT_EQ(late->GetParantObject(), &panel);
    EXPECT_EQ(panel.GetControl(6), late);
    MControl* area = panel.CreateArea("CTestControl", 7, CRect(0, 0, 10, 10));
    ASSERT_EQ(panel.GetAreaControls().size(), 1u);
    EXPECT_EQ(panel.GetAreaControls()[0], area);
    // The panel's own two bars come first in its control layer, with the reserved IDs.
    EXPECT_EQ(panel.GetControl(1), panel.GetScrollVertical());
    EXPECT_EQ(panel.GetControl(2), panel.GetScrollHorizontal());
}

TEST_F(MPanelTest, ContainersTabsAndDeviceWidgetsAreInTheirFactoryLists)
{
    struct Case {
        const char* name;
        bool window;
        bool container;
    } cases[] = {
        { "CArea", true, true },
        { "MTabCtrl", true, true },
        { "MTabLayout", true, true },
        { "MListBox", true, true },
        { "CDeviceCtrl", true, true },
        { "BatteryCtrl", true, false },
        { "UpgradeButton", false, true },
        { "DownloadButton", false, true },
        { "MPanel", false, false },
    };
    for (const auto& k : cases) {
        EXPECT_EQ(ControlFactory::IsRegistered(kWindowFactory, k.name), k.window) << k.name;
        EXPECT_EQ(ControlFactory::IsRegistered(kContainerFactory, k.name), k.container) << k.name;
    }
}

TEST_F(MPanelTest, ChildrenMadeBeforeTheWindowAreInitialisedWithThePanel)
{
    Open();
    auto* panel = new MPanel(m_dlg.get(), 10, CRect(0, 0, 200, 100), 1);
    auto* early = Child(panel, 5, CRect(0, 0, 50, 50));
    EXPECT_EQ(early->m_initCalls, 0);
    Attach(panel);
    EXPECT_EQ(early->m_initCalls, 1);
    EXPECT_EQ(early->GetManager(), &Pm());
    EXPECT_EQ(panel->GetScrollVertical()->GetManager(), &Pm());
    EXPECT_EQ(Child(panel, 6, CRect())->m_initCalls, 1) << "later children are initialised at once";
}

TEST_F(MPanelTest, ScrolledContentGetsShiftedPointsAndTheBarsDoNot)
{
    MPanel* panel = ScrolledPanel();
    MScroll* bar = panel->GetScrollVertical();
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetRect(), CRect(193, 0, 200, 100));
    bar->SetScrollCurrentPos(bar->GetRange()); // the end: offset 400 - 100
    EXPECT_EQ(panel->GetScrollOffset(), CPoint(0, 300));

    TestControl* content = Child(panel, 5, CRect(0, 300, 200, 350)); // also lies under the bar
    headless::Click(m_hwnd, 20, 10);
    Flush();
    EXPECT_EQ(content->m_lastPoint, CPoint(20, 310));
    EXPECT_EQ(m_dlg->Count(NOTIFY_CLICK), 1) << "the child's notification reaches the dialog";
    EXPECT_EQ(m_dlg->m_notes.back().id, 5u);

    // The bar's thumb sits at its bottom end; dragging it up scrolls back.
    CRect thumb = bar->GetThumbRect();
    headless::MouseMove(m_hwnd, 196, thumb.top + 2);
    headless::MouseDown(m_hwnd, 196, thumb.top + 2);
    headless::MouseMove(m_hwnd, 196, -200);
    headless::MouseUp(m_hwnd, 196, -200);
    Flush();
    EXPECT_EQ(bar->GetScrollCurrentPos(), 0);
    EXPECT_EQ(panel->GetScrollOffset(), CPoint());
    EXPECT_EQ(m_dlg->Count(NOTIFY_PRESS), 1) << "the bar's press did not reach the content under it";
    EXPECT_GE(m_dlg->Count(NOTIFY_POSITION), 1);
    EXPECT_EQ(m_dlg->m_notes.back().id, 1u) << "bar moves are passed on unchanged";
}

TEST_F(MPanelTest, ContentThatFitsIsNotShifted)
{
    RecordingOwner owner;
    MPanel panel(&owner, 10, CRect(0, 0, 200, 100), 1);
    panel.SetVirtualSize(150, 100);
    panel.GetScrollVertical()->SetScrollCurrentPos(50);
    CPoint pt(20, 30);
    EXPECT_FALSE(panel.OnMousePointChange(pt));
    EXPECT_EQ(pt, CPoint(20, 30));
    EXPECT_FALSE(panel.GetScrollVertical()->IsVisible());
    EXPECT_FALSE(panel.GetScrollHorizontal()->IsVisible());

    panel.SetVirtualSize(150, 300);
    panel.EnableScroll(false);
    EXPECT_EQ(panel.GetScrollOffset(), CPoint()) << "scrolling off";
    EXPECT_FALSE(panel.GetScrollVertical()->IsVisible());
}

TEST_F(MPanelTest, WheelStepsTheVerticalBarAndRepaints)
{
    MPanel* panel = ScrolledPanel();
    MScroll* bar = panel->GetScrollVertical();
    bar->SetScrollStep(40);
    Child(panel, 5, CRect(0, 0, 190, 400))->m_handleScroll = false;
    headless::MouseMove(m_hwnd, 50, 50);
    headless::Wheel(m_hwnd, 50, 50, -240);
    Flush();
    EXPECT_EQ(bar->GetScrollCurrentPos(), 80) << "two notches down";
    EXPECT_EQ(panel->GetScrollOffset(), CPoint(0, 300 * 80 / 400));
    headless::Wheel(m_hwnd, 50, 50, 360);
    Flush();
    EXPECT_EQ(bar->GetScrollCurrentPos(), 0) << "clamped at the top";
    EXPECT_EQ(m_dlg->Count(NOTIFY_POSITION), 0) << "the wheel is not a bar drag";

    panel->SetVirtualSize(0, 0);
    EXPECT_FALSE(panel->OnScroll(true, 1, CPoint(50, 50))) << "nothing to scroll: the wheel goes elsewhere";
}

TEST_F(MPanelTest, RemovingAllChildrenKeepsThePanelsOwnScrollBars)
{
    MPanel* panel = ScrolledPanel();
    int alive = TestControl::s_alive;
    Child(panel, 5, CRect(0, 0, 190, 50));
    panel->CreateArea("CTestControl", 6, CRect(0, 0, 190, 50));
    panel->RemoveAllControl();
    EXPECT_EQ(TestControl::s_alive, alive);
    EXPECT_TRUE(panel->GetAreaControls().empty());
    MScroll* bar = panel->GetScrollVertical();
    EXPECT_EQ(panel->GetControls(), (std::vector<MControl*> { bar, panel->GetScrollHorizontal() }));
    EXPECT_EQ(panel->GetControl(1), bar);

    // The panel still scrolls: the wheel steps the bar and new content gets shifted points.
    bar->SetScrollStep(100);
    TestControl* later = Child(panel, 7, CRect(0, 0, 190, 400));
    later->m_handleScroll = false;
    headless::MouseMove(m_hwnd, 50, 50);
    headless::Wheel(m_hwnd, 50, 50, -120);
    Flush();
    EXPECT_EQ(bar->GetScrollCurrentPos(), 100);
    headless::Click(m_hwnd, 50, 50);
    Flush();
    EXPECT_EQ(later->m_lastPoint, CPoint(50, 50 + 300 * 100 / 400));
}

TEST_F(MPanelTest, CompositeControlsKeepTheirPiecesThroughRemoveAllControl)
{
    Open();
    auto* page = Create<MTabLayout>("MTabLayout", 50, CRect(0, 0, 400, 300));
    UINT id = 60;
    for (const char* cls : { "CColorPalette", "CColorSelect", "DPIControl" }) {
        SCOPED_TRACE(cls);
        MControl* composite = page->CreateControl(cls, id++, CRect(10, 10, 330, 200));
        ASSERT_NE(composite, nullptr);
        std::vector<MControl*> pieces = composite->GetControls();
        composite->RemoveAllControl();
        EXPECT_EQ(composite->GetControls(), pieces);
        composite->UpdateControl(true);
        Flush();
    }
}

TEST_F(MPanelTest, ScrolledChildrenAreDrawnShiftedAndClippedToThePanel)
{
    MPanel* panel = ScrolledPanel();
    TestControl* top = Child(panel, 5, CRect(0, 0, 190, 50));
    top->m_fill = 0xFF0000FF;
    TestControl* bottom = Child(panel, 6, CRect(0, 350, 190, 400));
    bottom->m_fill = 0xFFFF0000;
    Flush();
    EXPECT_EQ(Pixel(10, 10), 0xFF0000FFu);
    panel->GetScrollVertical()->SetScrollCurrentPos(400);
    panel->UpdateControl(true);
    EXPECT_EQ(Pixel(10, 60), 0xFFFF0000u) << "content y 360 shows at y 60";
    EXPECT_NE(Pixel(10, 10), 0xFF0000FFu) << "the top child scrolled out";
    EXPECT_NE(Pixel(10, 110), 0xFFFF0000u) << "nothing is drawn below the panel";
}

TEST_F(MPanelTest, AScrolledChildsRepaintLandsWhereItIsShown)
{
    MPanel* panel = ScrolledPanel();
    TestControl* top = Child(panel, 5, CRect(0, 0, 190, 50));
    TestControl* bottom = Child(panel, 6, CRect(0, 350, 190, 400));
    bottom->m_fill = 0xFFFF0000;
    panel->GetScrollVertical()->SetScrollCurrentPos(400);
    panel->UpdateControl(true);
    Flush();
    EXPECT_EQ(Pixel(10, 60), 0xFFFF0000u);
    bottom->m_fill = 0xFF00FF00;
    bottom->UpdateControl(true); // content y 350-400 shows at y 50-100
    Flush();
    EXPECT_EQ(Pixel(10, 60), 0xFF00FF00u);
    headless::ResetPresented(m_hwnd);
    top->UpdateControl(true); // scrolled out of view: nothing to show
    Flush();
    EXPECT_TRUE(headless::GetPresentedRect(m_hwnd).IsRectEmpty());
}

TEST_F(MPanelTest, HidingAPageKeepsItsChildrensOwnVisibility)
{
    RecordingOwner owner;
    MPanel panel(&owner, 10, CRect(0, 0, 200, 100), 1);
    TestControl* shown = Child(&panel, 5, CRect(0, 0, 10, 10));
    TestControl* hidden = Child(&panel, 6, CRect(0, 0, 10, 10));
    hidden->SetVisible(false);
    panel.SetVisible(false);
    panel.SetVisible(true);
    EXPECT_TRUE(shown->IsVisible());
    EXPECT_FALSE(hidden->IsVisible()) << "a control the page hid stays hidden when the page comes back";
    panel.SetEnabled(false);
    EXPECT_FALSE(shown->IsEnabled());
}

TEST_F(MPanelTest, HidingAPageTakesTheFocusFromTheControlsOnIt)
{
    Open();
    auto* page = Create<MTabLayout>("MTabLayout", 50, CRect(100, 0, 400, 300));
    auto* inner = Create<MTabLayout>("MTabLayout", 60, CRect(100, 0, 400, 300));
    auto* nested = static_cast<MPanel*>(page->CreateControl("MTabLayout", 51, CRect(100, 0, 400, 300)));
    auto* child
        = static_cast<TestControl*>(nested->CreateControl("CTestControl", 5, CRect(150, 50, 250, 100)));
    m_dlg->SetFocusControl(child);
    inner->SetVisible(false);
    EXPECT_TRUE(child->IsFocused()) << "another page";
    page->SetVisible(false);
    EXPECT_FALSE(child->IsFocused());
    EXPECT_EQ(Pm().GetFocusControl(), nullptr);
}

TEST_F(MPanelTest, TabLayoutTakesTheMouseOnlyOverItsChildren)
{
    Open();
    auto* page = Create<MTabLayout>("MTabLayout", 50, CRect(100, 0, 400, 300));
    ASSERT_NE(page, nullptr);
    auto* child = static_cast<TestControl*>(page->CreateControl("CTestControl", 5, CRect(150, 50, 250, 100)));
    headless::Click(m_hwnd, 300, 200);
    Flush();
    EXPECT_EQ(headless::GetDragCount(m_hwnd), 1) << "empty page space drags the window";
    headless::MouseMove(m_hwnd, 200, 70);
    headless::Click(m_hwnd, 200, 70);
    Flush();
    EXPECT_EQ(headless::GetDragCount(m_hwnd), 1);
    EXPECT_EQ(m_dlg->Count(NOTIFY_PRESS), 1);
    EXPECT_EQ(m_dlg->Count(NOTIFY_CLICK), 1);
    EXPECT_EQ(m_dlg->m_notes.back().id, child->GetControlID());
}

} // namespace
