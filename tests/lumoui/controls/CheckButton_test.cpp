#include "ControlTest.h"

#include "lumoui/CCheckButton.h"
#include "lumoui/CColorButton.h"
#include "lumoui/CRadioButton.h"
#include "lumoui/CSwitchButton.h"
#include "lumoui/Headless.h"

using namespace lumo;
using lumotest::kBlue;
using lumotest::kCyan;
using lumotest::kGreen;
using lumotest::kGrey;
using lumotest::kMagenta;
using lumotest::kRed;
using lumotest::kWhite;
using lumotest::kYellow;
using lumotest::TestControl;

namespace {

class CheckButtonTest : public lumotest::ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        // Unchecked normal/hover/pressed/disabled, then the checked ones.
        WriteStrip("check8.png", 20, 20, { kRed, kGreen, kBlue, kGrey, kYellow, kCyan, kMagenta, kWhite });
    }
    template <class T> T* MakeCheck(const char* cls, UINT id, CRect rect, const char* group = nullptr)
    {
        auto* c = Create<T>(cls, id, rect, "Option");
        EXPECT_NE(c, nullptr);
        if (c) {
            c->SetImage("check8.png", 8);
            if constexpr (requires { c->SetGroupName(""); }) {
                if (group) {
                    c->SetGroupName(group);
                }
            }
        }
        return c;
    }
};

TEST_F(CheckButtonTest, ClickTogglesAndShowsTheCheckedHoverSlice)
{
    auto* c = MakeCheck<CCheckButton>("CCheckButton", 10, CRect(10, 10, 150, 40));
    Flush();
    EXPECT_EQ(Pixel(15, 25), kRed) << "the slice sits at the left edge, vertically centred";
    Click(15, 25);
    EXPECT_TRUE(c->GetCheck());
    EXPECT_EQ(c->GetCheckState(), 5);
    EXPECT_EQ(Pixel(15, 25), kCyan);
    EXPECT_EQ(Codes(10), std::vector<UINT> { NOTIFY_CLICK }) << "no NOTIFY_PRESS from a check box";
    const auto* n = LastNote(10, NOTIFY_CLICK);
    EXPECT_EQ(n->wParam, 0u);
    EXPECT_EQ(n->lParam, 0);
    Press(15, 25);
    EXPECT_EQ(c->GetCheckState(), 6);
    EXPECT_EQ(Pixel(15, 25), kMagenta);
    Release(15, 25);
    EXPECT_FALSE(c->GetCheck());
    EXPECT_EQ(c->GetCheckState(), 1);

    Press(15, 25);
    Release(300, 200);
    EXPECT_FALSE(c->GetCheck()) << "a release outside changes nothing";
    EXPECT_EQ(Codes(10).size(), 2u);
}

TEST_F(CheckButtonTest, SetCheckOnADisabledButtonDoesNothing)
{
    auto* c = MakeCheck<CCheckButton>("CCheckButton", 10, CRect(10, 10, 150, 40));
    c->SetEnabled(false);
    EXPECT_FALSE(c->SetCheck(true));
    EXPECT_FALSE(c->GetCheck());
    Flush();
    EXPECT_EQ(Pixel(15, 25), kGrey);
    c->SetEnabled(true);
    EXPECT_TRUE(c->SetCheck(true));
    c->SetEnabled(false);
    EXPECT_TRUE(c->SetCheck(false)) << "returns the unchanged check";
    Flush();
    EXPECT_EQ(Pixel(15, 25), kWhite) << "checked and disabled";
    EXPECT_TRUE(Codes(10).empty()) << "SetCheck sends nothing";
}

TEST_F(CheckButtonTest, SpaceOrTheHotKeyTogglesAndSendsCheck)
{
    auto* c = MakeCheck<CCheckButton>("CCheckButton", 10, CRect(10, 10, 150, 40));
    m_dlg->SetFocusControl(c);
    headless::KeyDown(VK_SPACE);
    headless::KeyUp(VK_SPACE);
    Flush();
    EXPECT_TRUE(c->GetCheck());
    const auto* n = LastNote(10, NOTIFY_CHECK);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->wParam, 0u);
    EXPECT_EQ(n->lParam, 1);
    m_dlg->SetFocusControl(nullptr);
    headless::KeyDown(VK_SPACE);
    headless::KeyUp(VK_SPACE);
    Flush();
    EXPECT_TRUE(c->GetCheck()) << "Space without focus does nothing";
    c->SetHotKey('K', 0);
    headless::KeyDown('K');
    headless::KeyUp('K');
    Flush();
    EXPECT_FALSE(c->GetCheck());
    EXPECT_EQ(LastNote(10, NOTIFY_CHECK)->lParam, 0);
}

TEST_F(CheckButtonTest, RadioGroupsAreKeptApartByGroupName)
{
    auto* a1 = MakeCheck<CRadioButton>("CRadioButton", 31, CRect(10, 10, 150, 40), "a");
    auto* a2 = MakeCheck<CRadioButton>("CRadioButton", 32, CRect(10, 50, 150, 80), "a");
    auto* b1 = MakeCheck<CRadioButton>("CRadioButton", 33, CRect(200, 10, 350, 40), "b");
    auto* b2 = MakeCheck<CRadioButton>("CRadioButton", 34, CRect(200, 50, 350, 80), "b");
    EXPECT_STREQ(a1->GetClassNameW(), "RadioButton");
    a1->SetCheck(true);
    b2->SetCheck(true);
    Click(15, 65);
    EXPECT_TRUE(a2->GetCheck());
    EXPECT_FALSE(a1->GetCheck());
    EXPECT_TRUE(b2->GetCheck()) << "group b is untouched";
    EXPECT_FALSE(b1->GetCheck());
    EXPECT_EQ(Codes(32), std::vector<UINT> { NOTIFY_CLICK });
    Click(15, 65);
    EXPECT_TRUE(a2->GetCheck()) << "clicking a checked radio button keeps it checked";

    // Hidden and disabled members are unchecked too.
    a1->SetCheck(true);
    a2->SetCheck(false);
    a1->SetVisible(false);
    b1->SetCheck(true);
    b1->SetEnabled(false);
    a2->SetCheck(true);
    b2->SetCheck(true);
    EXPECT_FALSE(a1->GetCheck());
    EXPECT_FALSE(b1->GetCheck());
}

TEST_F(CheckButtonTest, RadioGroupLivesInTheOwnersLayerAndMatchesTheClassName)
{
    auto* top = MakeCheck<CRadioButton>("CRadioButton", 31, CRect(10, 10, 150, 40), "g");
    auto* panel = Create<TestControl>("CTestControl", 40, CRect(0, 100, 400, 300));
    ASSERT_NE(panel, nullptr);
    auto* inner1 = dynamic_cast<CRadioButton*>(panel->CreateChild("CRadioButton", 41, CRect(10, 110, 150, 140)));
    auto* inner2 = dynamic_cast<CRadioButton*>(panel->CreateChild("CRadioButton", 42, CRect(10, 150, 150, 180)));
    auto* check = dynamic_cast<CCheckButton*>(panel->CreateChild("CCheckButton", 43, CRect(10, 190, 150, 220)));
    ASSERT_TRUE(inner1 && inner2 && check);
    inner1->SetGroupName("g");
    inner2->SetGroupName("g");
    top->SetCheck(true);
    check->SetCheck(true);
    inner1->SetCheck(true);
    EXPECT_TRUE(top->GetCheck()) << "a radio button inside a container groups with its container's children";
    inner2->SetCheck(true);
    EXPECT_FALSE(inner1->GetCheck());
    EXPECT_TRUE(check->GetCheck()) << "check boxes never belong to radio groups";
}

TEST_F(CheckButtonTest, ColourButtonsUncheckOnlyVisibleEnabledGroupMembers)
{
    auto make = [&](UINT id, int x) {
        auto* c = Create<CColorButton>("CColorButton", id, CRect(x, 10, x + 20, 30), nullptr, 1, 1);
        EXPECT_NE(c, nullptr);
        c->SetGroupName("colours");
        return c;
    };
    CColorButton* a = make(60, 10);
    CColorButton* hidden = make(61, 40);
    CColorButton* disabled = make(62, 70);
    CColorButton* plain = make(63, 100);
    EXPECT_STREQ(a->GetClassNameW(), "ColorButton");
    hidden->SetCheck(true);
    hidden->SetVisible(false);
    disabled->SetCheck(true);
    EXPECT_TRUE(hidden->GetCheck());
    disabled->SetEnabled(false);
    plain->SetCheck(true);
    EXPECT_TRUE(disabled->GetCheck());
    Flush();
    Move(20, 20);
    Press(20, 20);
    EXPECT_TRUE(a->GetCheck()) << "the press checks";
    EXPECT_FALSE(plain->GetCheck());
    EXPECT_TRUE(hidden->GetCheck()) << "a hidden member keeps its check";
    EXPECT_TRUE(disabled->GetCheck()) << "a disabled member keeps its check";
    EXPECT_EQ(Codes(60), std::vector<UINT> { NOTIFY_PRESS });
    EXPECT_EQ(headless::GetCurrentCursor(), IDC_HAND);
    Release(20, 20);
    EXPECT_EQ(Codes(60), (std::vector<UINT> { NOTIFY_PRESS, NOTIFY_CLICK }));
    disabled->SetCheck(false);
    EXPECT_TRUE(disabled->GetCheck()) << "SetCheck does nothing on a disabled colour button";
}

TEST_F(CheckButtonTest, ColourButtonDrawings)
{
    auto* c = Create<CColorButton>("CColorButton", 60, CRect(10, 10, 40, 40), nullptr, 1, 1);
    ASSERT_NE(c, nullptr);
    c->SetColor(RGB(0x10, 0x80, 0xF0));
    Flush();
    const ARGB colour = 0xFF1080F0;
    const ARGB back = ColorRefToARGB(0x130D09);
    EXPECT_EQ(Pixel(11, 11), back) << "no border: the colour starts 2 pixels in";
    EXPECT_EQ(Pixel(12, 12), colour);
    EXPECT_EQ(Pixel(37, 37), colour);
    c->SetCheck(true);
    Flush();
    EXPECT_EQ(Pixel(10, 10), CColorButton::kCheckFrame) << "a 2-pixel frame when checked";
    EXPECT_EQ(Pixel(11, 11), CColorButton::kCheckFrame);
    EXPECT_EQ(Pixel(12, 12), colour);

    c->SetCheck(false);
    c->SetShowBorder(true);
    Flush();
    EXPECT_EQ(Pixel(10, 10), CColorButton::kOuterFrame);
    EXPECT_EQ(Pixel(11, 11), CColorButton::kInnerFill);
    EXPECT_EQ(Pixel(12, 12), CColorButton::kInnerFill);
    EXPECT_EQ(Pixel(13, 13), colour);
    EXPECT_EQ(Pixel(25, 25), colour);

    WriteStrip("swatch.png", 10, 10, { kGreen });
    c->SetShowBorder(false);
    ASSERT_TRUE(c->SetImage("swatch.png", 1));
    Flush();
    EXPECT_EQ(Pixel(10, 10), kGreen) << "the image is scaled over the whole control";
    EXPECT_EQ(Pixel(39, 39), kGreen);
}

TEST_F(CheckButtonTest, SwitchFlipsOnAReleaseInsideAfterAPress)
{
    WriteStrip("on.png", 20, 20, { kGreen, kCyan, kWhite, kGrey });
    WriteStrip("off.png", 20, 20, { kRed, kMagenta, kWhite, kBlue });
    auto* s = Create<CSwitchButton>("CSwitchButton", 70, CRect(10, 10, 60, 40), nullptr, 1, 1);
    ASSERT_NE(s, nullptr);
    EXPECT_FALSE(s->SetImage("on.png", "missing.png", 4)) << "both strips or nothing";
    ASSERT_TRUE(s->SetImage("on.png", "off.png", 4));
    Flush();
    EXPECT_EQ(Pixel(15, 25), kRed);
    Move(15, 25);
    Press(15, 25);
    EXPECT_EQ(Pixel(15, 25), kMagenta) << "pressed shows slice 1";
    Release(15, 25);
    EXPECT_TRUE(s->GetCheck());
    EXPECT_EQ(Pixel(15, 25), kGreen);
    const auto* n = LastNote(70, NOTIFY_CLICK);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->lParam, 1) << "lParam carries the new state";
    Press(15, 25);
    Release(300, 200);
    EXPECT_TRUE(s->GetCheck()) << "a release outside leaves it";
    EXPECT_EQ(Codes(70).size(), 1u);
    s->SetCheck(false);
    s->SetEnabled(false);
    Flush();
    EXPECT_EQ(Pixel(15, 25), kBlue);
}

} // namespace
