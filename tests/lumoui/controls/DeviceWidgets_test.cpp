#include "WidgetTest.h"

#include "lumoui/BatteryCtrl.h"
#include "lumoui/CColorButton.h"
#include "lumoui/CDeviceCtrl.h"
#include "lumoui/DPIControl.h"
#include "lumoui/DownloadButton.h"
#include "lumoui/MEdit.h"
#include "lumoui/MTabLayout.h"
#include "lumoui/UpgradeButton.h"

#include <thread>

using namespace lumo;
using lumotest::RecordingOwner;

namespace {

constexpr ARGB kListed = 0xFF203040;
constexpr ARGB kAttached = 0xFF00A000;

class DeviceWidgetsTest : public lumotest::WidgetTest {
protected:
    // Devices "one" (type 201), "two" (type 202, flagged: listed), "three" (203), "four" (204)
    // in a control at (10, 10), 200 wide, with a 2-slice row strip.
    CDeviceCtrl* Devices()
    {
        Open();
        WriteSkinPng("rows.png", 60, 38, [](int x, int) { return x < 30 ? kListed : kAttached; });
        auto* devices = Create<CDeviceCtrl>("CDeviceCtrl", 56, CRect(10, 10, 210, 260));
        devices->SetImage("rows.png", 2);
        devices->AddDevice("one", 0, 0, 201, false);
        devices->AddDevice("two", 0, 0, 202, true);
        devices->AddDevice("three", 0, 0, 203, false);
        devices->AddDevice("four", 0, 0, 204, false);
        return devices;
    }
    static CRect RowOf(const CDeviceCtrl* devices, int index)
    {
        DeviceItem item;
        EXPECT_TRUE(devices->GetDevice(index, item));
        return item.rect;
    }
    // A page to create the container-only classes in.
    MTabLayout* Page()
    {
        auto* page = Create<MTabLayout>("MTabLayout", 54, CRect(0, 0, 400, 300));
        EXPECT_NE(page, nullptr);
        return page;
    }
};

TEST_F(DeviceWidgetsTest, ConnectedDevicesComeFirstThenListedOnesAndOthersAreHidden)
{
    CDeviceCtrl* devices = Devices();
    EXPECT_TRUE(RowOf(devices, 1).IsRectEmpty()) << "nothing is shown while none is connected";
    EXPECT_EQ(Pixel(20, 20), ColorRefToARGB(0x130D09));

    devices->SetDeviceState(203, 1);
    devices->SetDeviceState(201, 1);
    EXPECT_EQ(devices->GetConnectCount(), 2);
    EXPECT_EQ(RowOf(devices, 0), CRect(10, 10, 210, 48));
    EXPECT_EQ(RowOf(devices, 2), CRect(10, 60, 210, 98));
    EXPECT_EQ(RowOf(devices, 1), CRect(10, 110, 210, 148)) << "the listed device after the connected ones";
    EXPECT_TRUE(RowOf(devices, 3).IsRectEmpty());
    EXPECT_EQ(Pixel(13, 12), kAttached);
    EXPECT_EQ(Pixel(13, 112), kListed);
    EXPECT_EQ(Pixel(13, 52), ColorRefToARGB(0x130D09)) << "the gap between rows";
}

TEST_F(DeviceWidgetsTest, CurrentDeviceFollowsStatesAndPresses)
{
    CDeviceCtrl* devices = Devices();
    devices->SetDeviceState(202, 1);
    EXPECT_EQ(devices->GetCurDeviceType(), 202);
    devices->SetDeviceState(202, 0);
    EXPECT_EQ(devices->GetConnectCount(), 0);
    EXPECT_EQ(devices->GetCurDeviceType(), 0) << "the only connected device went away";

    devices->SetDeviceState(201, 1);
    devices->SetDeviceState(203, 1);
    EXPECT_EQ(devices->GetCurDeviceType(), 203) << "the last device given a state";
    devices->ResetAllState();
    EXPECT_EQ(devices->GetConnectCount(), 2) << "the count waits for the next SetDeviceState";
    devices->SetDeviceState(999, 1);
    EXPECT_EQ(devices->GetConnectCount(), 0) << "an unknown type only recomputes the count";

    devices->SetDeviceState(203, 1);
    devices->SetDeviceState(201, 1); // current: one; rows: one, three (the reset unlisted two)
    Flush();
    headless::MouseMove(m_hwnd, 100, 70);
    Flush();
    EXPECT_EQ(devices->GetHoverIndex(), 2);
    EXPECT_EQ(headless::GetCurrentCursor(), IDC_HAND);
    headless::Click(m_hwnd, 100, 70);
    Flush();
    ASSERT_FALSE(m_dlg->m_notes.empty());
    EXPECT_EQ(m_dlg->m_notes.back().id, 56u);
    EXPECT_EQ(m_dlg->m_notes.back().code, NOTIFY_PRESS);
    EXPECT_EQ(m_dlg->m_notes.back().wParam, 2u) << "the device's index in the list";
    EXPECT_EQ(devices->GetCurDeviceType(), 203);

    size_t notes = m_dlg->m_notes.size();
    headless::MouseMove(m_hwnd, 100, 52);
    Flush();
    EXPECT_EQ(devices->GetHoverIndex(), -1);
    EXPECT_EQ(headless::GetCurrentCursor(), IDC_ARROW);
    headless::Click(m_hwnd, 100, 52);
    Flush();
    EXPECT_EQ(m_dlg->m_notes.size(), notes) << "a press between rows sends nothing";
}

TEST_F(DeviceWidgetsTest, StatesMayBeSetFromAWorkerWhileTheWindowPaints)
{
    CDeviceCtrl* devices = Devices();
    auto* badge
        = dynamic_cast<UpgradeButton*>(Page()->CreateControl("UpgradeButton", 250, CRect(250, 10, 350, 40)));
    ASSERT_NE(badge, nullptr);
    std::thread worker([&] {
        for (int i = 0; i < 300; ++i) {
            devices->SetDeviceState(201 + i % 3, i % 2);
            badge->SetUpgradeStatus(i % 2);
        }
    });
    for (int i = 0; i < 30; ++i) {
        Flush();
    }
    worker.join();
    Flush();
    EXPECT_EQ(devices->GetCurDeviceType(), 203) << "the last call, i = 299, connected 201 + 299 % 3";
    EXPECT_EQ(badge->GetUpgradeStatus(), 1);
}

TEST_F(DeviceWidgetsTest, BatteryRepaintsOnlyForChangedValues)
{
    RecordingOwner owner;
    BatteryCtrl battery(&owner, 46, CRect(0, 0, 80, 20), 1, 1);
    battery.SetBatteryInfo(50, 0);
    EXPECT_EQ(owner.updates.size(), 1u);
    EXPECT_EQ(battery.GetTitle(), "50%");
    battery.SetBatteryInfo(50, 0);
    EXPECT_EQ(owner.updates.size(), 1u);
    battery.SetBatteryInfo(50, 1);
    EXPECT_EQ(owner.updates.size(), 2u);
    battery.SetBatteryInfo(180, 1);
    EXPECT_EQ(battery.GetLevel(), 100);
}

TEST_F(DeviceWidgetsTest, BatteryShowsTheLevelOrTheChargingIcon)
{
    Open();
    WriteSkinPng("frame.png", 44, 20, [](int, int) { return 0xFF0000FFu; });
    WriteSkinPng("fill.png", 44, 20, [](int, int) { return 0xFF00FF00u; });
    WriteSkinPng("charge.png", 12, 20, [](int, int) { return 0xFFFF0000u; });
    auto* battery = Create<BatteryCtrl>("BatteryCtrl", 46, CRect(100, 100, 180, 120));
    ASSERT_NE(battery, nullptr);
    battery->SetImage("frame.png", 1);
    EXPECT_FALSE(battery->SetBatteryIcon("fill.png", "nothing.png"));
    EXPECT_TRUE(battery->SetBatteryIcon("fill.png", "charge.png"));
    battery->SetBatteryInfo(50, 0);
    EXPECT_EQ(Pixel(102, 101), 0xFF00FF00u) << "the fill, cut to half its width";
    EXPECT_EQ(Pixel(141, 101), 0xFF0000FFu) << "the frame beyond the level";
    EXPECT_EQ(Pixel(152, 110), ColorRefToARGB(0x130D09));

    battery->SetBatteryInfo(50, 1);
    EXPECT_EQ(Pixel(102, 101), 0xFF0000FFu) << "no fill while charging";
    EXPECT_EQ(Pixel(152, 110), 0xFFFF0000u) << "the charging icon 5 pixels right of the frame";
    EXPECT_EQ(Create<BatteryCtrl>("BatteryCtrl", 47, CRect()) != nullptr, true);
    EXPECT_EQ(Page()->CreateControl("BatteryCtrl", 48, CRect()), nullptr) << "not a container class";
}

TEST_F(DeviceWidgetsTest, UpgradeBadgeFollowsTheStatus)
{
    Open();
    WriteSkinPng("btn.png", 400, 30, [](int, int) { return 0xFF404040u; });
    EXPECT_EQ(Create<UpgradeButton>("UpgradeButton", 250, CRect(10, 10, 110, 40), "Update"), nullptr)
        << "made only inside containers";
    auto* button = dynamic_cast<UpgradeButton*>(
        Page()->CreateControl("UpgradeButton", 250, CRect(10, 10, 110, 40), "Update"));
    ASSERT_NE(button, nullptr);
    button->SetImage("btn.png", 4);
    EXPECT_EQ(Pixel(102, 12), 0xFF404040u);
    button->SetUpgradeStatus(1);
    EXPECT_EQ(Pixel(102, 12), UpgradeButton::kBadgeColor) << "a red badge in the top-right corner";
    EXPECT_EQ(Pixel(90, 12), 0xFF404040u);
    headless::MouseMove(m_hwnd, 50, 30);
    EXPECT_EQ(Pixel(102, 12), UpgradeButton::kBadgeColor) << "in every state";
    button->SetUpgradeStatus(0);
    EXPECT_EQ(Pixel(102, 12), 0xFF404040u) << "status 0 removes the badge";

    RecordingOwner owner;
    UpgradeButton loose(&owner, 251, CRect(0, 0, 100, 30), "", 1, 1);
    loose.SetUpgradeStatus(2);
    loose.SetUpgradeStatus(2);
    EXPECT_EQ(owner.updates.size(), 1u) << "repaints only on a change";
    EXPECT_EQ(loose.GetUpgradeStatus(), 2);
}

TEST_F(DeviceWidgetsTest, DownloadButtonFillsItsBarWithTheProgress)
{
    Open();
    WriteSkinPng("btn.png", 400, 30, [](int, int) { return 0xFF404040u; });
    auto* button = dynamic_cast<DownloadButton*>(
        Page()->CreateControl("DownloadButton", 260, CRect(0, 100, 100, 130), "Get"));
    ASSERT_NE(button, nullptr);
    button->SetImage("btn.png", 4);
    button->SetDownloadProcess(50); // bar from x 4 over half of 92 pixels, rows 124-125
    EXPECT_EQ(Pixel(10, 125), DownloadButton::kBarColor);
    EXPECT_EQ(Pixel(60, 125), 0xFF404040u);
    button->SetDownloadProcess(150);
    EXPECT_EQ(button->GetDownloadProcess(), 100);
    EXPECT_EQ(Pixel(90, 125), DownloadButton::kBarColor);
}

TEST_F(DeviceWidgetsTest, DpiControlResendsItsChildrensNotificationsAsItsOwn)
{
    RecordingOwner owner;
    DPIControl dpi(&owner, 40, CRect(0, 0, 120, 30), 1);
    dpi.OnBaseMessage(DPIControl::kColorId, NOTIFY_CLICK, 0, 0);
    dpi.OnBaseMessage(DPIControl::kValueId, NOTIFY_EDITEND, 0, 0);
    ASSERT_EQ(owner.notes.size(), 4u);
    auto expect = [&](size_t i, UINT id, UINT code, LPARAM lParam) {
        EXPECT_EQ(owner.notes[i].id, id) << i;
        EXPECT_EQ(owner.notes[i].code, code) << i;
        EXPECT_EQ(owner.notes[i].lParam, lParam) << i;
    };
    expect(0, 40, NOTIFY_CLICK, 1);
    expect(1, 30, NOTIFY_CLICK, 0);
    expect(2, 40, NOTIFY_EDITEND, 2);
    expect(3, 31, NOTIFY_EDITEND, 0);
    EXPECT_STREQ(dpi.GetClassNameW(), "DPIControl");
}

TEST_F(DeviceWidgetsTest, DpiControlsOfOneGroupCheckExclusively)
{
    Open();
    MTabLayout* page = Page();
    auto make = [&](UINT id, const char* group) {
        auto* dpi
            = dynamic_cast<DPIControl*>(page->CreateControl("DPIControl", id, CRect(0, id, 120, id + 30)));
        EXPECT_NE(dpi, nullptr);
        dpi->SetGroupName(group);
        return dpi;
    };
    DPIControl* a = make(100, "dpi");
    DPIControl* b = make(140, "dpi");
    DPIControl* other = make(180, "x");
    other->SetCheck(true);
    a->SetCheck(true);
    b->SetCheck(true);
    EXPECT_FALSE(a->GetCheck());
    EXPECT_TRUE(b->GetCheck());
    EXPECT_TRUE(other->GetCheck()) << "another group keeps its check";

    a->SetDPIValue(1600);
    a->SetColor(RGB(255, 0, 0));
    EXPECT_EQ(a->GetDPIValue(), 1600);
    EXPECT_EQ(a->GetValueEdit()->GetTitle(), "1600");
    EXPECT_EQ(a->GetColorButton()->GetColor(), RGB(255, 0, 0));
}

} // namespace
