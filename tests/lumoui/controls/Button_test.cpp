#include "ControlTest.h"

#include "lumoui/CHelpButton.h"
#include "lumoui/CIconButton.h"
#include "lumoui/CImageButton.h"
#include "lumoui/CTextButton.h"
#include "lumoui/CTimerButton.h"
#include "lumoui/Headless.h"
#include "lumoui/MAirBladder.h"
#include "lumoui/MButton.h"

using namespace lumo;
using lumotest::kBlue;
using lumotest::kGreen;
using lumotest::kGrey;
using lumotest::kRed;

namespace {

class ButtonTest : public lumotest::ControlTest {
protected:
    // A 100 x 30 button at (10, 10) with a red/green/blue/grey strip and no title.
    MButton* MakeButton(const char* cls = "MButton", UINT id = 5)
    {
        WriteStrip("strip4.png", 24, 24, { kRed, kGreen, kBlue, kGrey });
        auto* b = Create<MButton>(cls, id, CRect(10, 10, 110, 40));
        EXPECT_NE(b, nullptr) << cls;
        if (b) {
            EXPECT_TRUE(b->SetImage("strip4.png", 4));
        }
        Flush();
        return b;
    }
};

TEST_F(ButtonTest, StatesFollowTheMouseAndAClickSendsPressThenClick)
{
    MButton* b = MakeButton();
    EXPECT_EQ(Pixel(60, 25), kRed);
    Move(60, 25);
    EXPECT_EQ(b->GetState(), BUTTON_HOVER);
    EXPECT_EQ(Pixel(60, 25), kGreen);
    EXPECT_EQ(headless::GetCurrentCursor(), IDC_HAND);
    Press(60, 25);
    EXPECT_EQ(b->GetState(), BUTTON_PRESSED);
    EXPECT_EQ(Pixel(60, 25), kBlue);
    EXPECT_EQ(Codes(5), std::vector<UINT> { NOTIFY_PRESS });
    Release(60, 25);
    EXPECT_EQ(b->GetState(), BUTTON_HOVER);
    EXPECT_EQ(Codes(5), (std::vector<UINT> { NOTIFY_PRESS, NOTIFY_CLICK }));
    const auto* click = LastNote(5, NOTIFY_CLICK);
    ASSERT_NE(click, nullptr);
    EXPECT_EQ(click->wParam, 0u);
    EXPECT_EQ(click->lParam, 0);
    Move(200, 200);
    EXPECT_EQ(b->GetState(), BUTTON_NORMAL);
    EXPECT_EQ(Pixel(60, 25), kRed);
    EXPECT_EQ(headless::GetCurrentCursor(), IDC_ARROW);
}

TEST_F(ButtonTest, PressThenReleaseOutsideSendsOnlyPress)
{
    MButton* b = MakeButton();
    Move(60, 25);
    Press(60, 25);
    Move(300, 200);
    EXPECT_EQ(b->GetState(), BUTTON_PRESSED) << "a held button keeps its pressed look while dragged off";
    Release(300, 200);
    EXPECT_EQ(b->GetState(), BUTTON_NORMAL);
    EXPECT_EQ(Codes(5), std::vector<UINT> { NOTIFY_PRESS });
}

TEST_F(ButtonTest, ReleaseInsideWithoutAPressHereSendsNoClick)
{
    MButton* b = MakeButton();
    Create<MButton>("MButton", 6, CRect(200, 10, 300, 40));
    Move(250, 25);
    Press(250, 25);
    b->OnLButtonUp(0, CPoint(60, 25)); // a release that reaches the button without its press
    EXPECT_TRUE(Codes(5).empty());
    Release(250, 25);
}

TEST_F(ButtonTest, DisabledButtonShowsItsDisabledSliceAndIgnoresTheMouse)
{
    MButton* b = MakeButton();
    b->SetEnabled(false);
    Flush();
    EXPECT_EQ(b->GetState(), BUTTON_DISABLED);
    EXPECT_EQ(Pixel(60, 25), kGrey);
    Click(60, 25);
    EXPECT_EQ(b->GetState(), BUTTON_DISABLED);
    EXPECT_TRUE(Codes(5).empty());
    EXPECT_EQ(headless::GetDragCount(m_hwnd), 0) << "a disabled button still takes the press";
    b->SetEnabled(true);
    Flush();
    EXPECT_EQ(b->GetState(), BUTTON_NORMAL);
    EXPECT_EQ(Pixel(60, 25), kRed);

    auto* off = Create<MButton>("MButton", 7, CRect(10, 50, 110, 80), "", 1, 0);
    EXPECT_EQ(off->GetState(), BUTTON_DISABLED) << "created disabled";
}

TEST_F(ButtonTest, EveryPushButtonClassNotifiesTheSameWay)
{
    struct Case {
        const char* cls;
        std::vector<UINT> codes;
    };
    const Case cases[] = {
        { "MButton", { NOTIFY_PRESS, NOTIFY_CLICK } },
        { "CImageButton", { NOTIFY_PRESS, NOTIFY_CLICK } },
        { "CTextButton", { NOTIFY_PRESS, NOTIFY_CLICK } },
        { "CIconButton", { NOTIFY_PRESS, NOTIFY_CLICK } },
        { "CTimerButton", { NOTIFY_PRESS, NOTIFY_CLICK } },
        { "CHelpButton", {} },
    };
    UINT id = 20;
    for (const auto& c : cases) {
        ClearNotes();
        auto* b = Create<MButton>(c.cls, id, CRect(10, 10, 110, 40));
        ASSERT_NE(b, nullptr) << c.cls;
        Flush();
        Click(60, 25);
        EXPECT_EQ(Codes(id), c.codes) << c.cls;
        EXPECT_EQ(b->GetState(), BUTTON_HOVER) << c.cls;
        Move(300, 200);
        m_dlg->GetPaintManager().RemoveControl(b);
        ++id;
    }
}

TEST_F(ButtonTest, TitleIsCentredGreyWhenDisabledAndShiftedWhenPressed)
{
    auto* b = Create<MButton>("MButton", 5, CRect(10, 10, 110, 40), "||||||||");
    b->SetTextColor(0xFFFFFFFF);
    b->SetFont("DejaVu Sans", 20, FontStyleBold);
    b->SetTitle("||||||||");
    Flush();
    auto brightest = [&](int y) {
        uint32_t best = 0;
        for (int x = 10; x < 110; ++x) {
            best = std::max(best, Pixel(x, y) & 0xFF);
        }
        return best;
    };
    EXPECT_GT(brightest(25), 0xF0u) << "white text across the middle";
    EXPECT_LT(brightest(12), 0x30u) << "nothing near the top edge";
    b->SetEnabled(false);
    Flush();
    EXPECT_NEAR(static_cast<int>(brightest(25)), 0x80, 2) << "grey 0xFF808080 when disabled";
}

TEST_F(ButtonTest, IconButtonStaysDownWhileCheckedAndGroupsByName)
{
    WriteStrip("strip4.png", 24, 24, { kRed, kGreen, kBlue, kGrey });
    auto* a = Create<CIconButton>("CIconButton", 30, CRect(10, 10, 60, 40));
    auto* b = Create<CIconButton>("CIconButton", 31, CRect(70, 10, 120, 40));
    ASSERT_TRUE(a && b);
    EXPECT_STREQ(a->GetClassNameW(), "IconButton");
    a->SetImage("strip4.png", 4);
    a->SetGroupName("tools");
    b->SetGroupName("tools");
    a->SetCheck(true);
    Flush();
    EXPECT_EQ(Pixel(30, 25), kBlue) << "a checked icon button shows its pressed slice";
    Click(90, 25);
    EXPECT_TRUE(b->GetCheck());
    EXPECT_FALSE(a->GetCheck()) << "a click checks the button and unchecks its group";
    Move(300, 200);
    EXPECT_EQ(Pixel(30, 25), kRed);
    a->SetDownState(true);
    Flush();
    EXPECT_EQ(Pixel(30, 25), kBlue);
    a->SetTips("Tools");
    EXPECT_EQ(a->GetTooltip(), "Tools");
}

TEST_F(ButtonTest, TextButtonDrawsItsTextInTheStateColour)
{
    auto* t = Create<CTextButton>("CTextButton", 40, CRect(10, 10, 110, 40), "||||||||");
    ASSERT_NE(t, nullptr);
    t->SetFont("DejaVu Sans", 20, FontStyleBold);
    t->SetTextButtonColor(kRed, kGreen, kBlue, kGrey);
    Flush();
    auto has = [&](ARGB colour) {
        for (int x = 10; x < 110; ++x) {
            if (Pixel(x, 25) == colour) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(has(kRed));
    Move(60, 25);
    EXPECT_TRUE(has(kGreen));
    EXPECT_FALSE(has(kRed));
}

TEST_F(ButtonTest, TimerButtonCountsDownAndClicksOnceWhenTheTimeIsOver)
{
    auto* t = Create<CTimerButton>("CTimerButton", 50, CRect(10, 10, 110, 40), "Retry");
    ASSERT_NE(t, nullptr);
    t->SetRun(true);
    EXPECT_TRUE(t->IsRun());
    EXPECT_EQ(t->GetRemainSeconds(), 10);
    headless::AdvanceTime(2500);
    headless::PumpMessages();
    EXPECT_EQ(t->GetRemainSeconds(), 8) << "10 - elapsed ms / 1000";
    EXPECT_TRUE(Codes(50).empty());
    for (int i = 0; i < 80; ++i) {
        headless::AdvanceTime(100);
        headless::PumpMessages();
    }
    EXPECT_EQ(Codes(50), std::vector<UINT> { NOTIFY_CLICK });
    EXPECT_FALSE(t->IsRun());
    headless::AdvanceTime(20000);
    headless::PumpMessages();
    EXPECT_EQ(Codes(50).size(), 1u) << "one click per run";

    t->SetEnabled(false);
    t->SetRun(true);
    EXPECT_FALSE(t->IsRun()) << "a disabled timer button does not start";
}

TEST_F(ButtonTest, ImageButtonShowsItsBalloonWhileHovered)
{
    MButton* b = MakeButton("CImageButton");
    auto* ib = dynamic_cast<CImageButton*>(b);
    ASSERT_NE(ib, nullptr);
    ib->SetAirBladderInfo("Close the window", 4);
    Move(60, 25);
    MAirBladder* balloon = m_dlg->GetAirBladder();
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->GetText(), "Close the window");
    EXPECT_TRUE(balloon->IsWindowVisible());
    Move(300, 200);
    EXPECT_FALSE(balloon->IsWindowVisible());
}

TEST_F(ButtonTest, HelpButtonShowsItsTitleAsTooltip)
{
    auto* h = Create<CHelpButton>("CHelpButton", 60, CRect(10, 10, 30, 30), "Some help");
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->GetTooltip(), "Some help");
    h->SetTitle("Other help");
    EXPECT_EQ(h->GetTooltip(), "Other help");
}

TEST_F(ButtonTest, EveryClassIsBuiltByNameInWindowsAndContainers)
{
    struct Case {
        const char* cls;
        const char* className;
    };
    const Case cases[] = {
        { "MText", "FSControl" },
        { "MButton", "FSControl" },
        { "CImageButton", "FSControl" },
        { "CTextButton", "FSControl" },
        { "CCheckButton", "FSControl" },
        { "CRadioButton", "RadioButton" },
        { "CColorButton", "ColorButton" },
        { "CSwitchButton", "FSControl" },
        { "CIconButton", "IconButton" },
        { "CTimerButton", "FSControl" },
        { "CHelpButton", "FSControl" },
        { "MSlider", "FSControl" },
        { "MProgress", "FSControl" },
        { "MLevelCtrl", "FSControl" },
        { "MSpinButton", "FSControl" },
        { "CSpinButton", "FSControl" },
        { "MPicture", "FSControl" },
        { "CPhotoFrame", "FSControl" },
        { "CSliderPicture", "FSControl" },
        { "CGifPicture", "FSControl" },
        { "CTextArea", "FSControl" },
    };
    auto* panel = Create<lumotest::TestControl>("CTestControl", 1, CRect(0, 0, 400, 300));
    UINT id = 100;
    for (const auto& c : cases) {
        MControl* top = m_dlg->CreateControl(c.cls, id, CRect(0, 0, 10, 10), "t", 1, 0);
        ASSERT_NE(top, nullptr) << c.cls;
        EXPECT_STREQ(top->GetClassNameW(), c.className);
        EXPECT_TRUE(top->IsVisible()) << c.cls;
        EXPECT_EQ(top->GetManager(), &m_dlg->GetPaintManager());
        EXPECT_NE(panel->CreateChild(c.cls, id + 1, CRect(0, 0, 10, 10)), nullptr) << c.cls;
        id += 2;
    }
    EXPECT_FALSE(m_dlg->GetControl(100)->IsEnabled()) << "MText is created disabled";
    EXPECT_FALSE(m_dlg->GetControl(102)->IsEnabled()) << "the second int is the enabled flag";
}

} // namespace
