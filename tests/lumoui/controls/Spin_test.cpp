#include "ControlTest.h"

#include "lumoui/CSpinButton.h"
#include "lumoui/Headless.h"

using namespace lumo;

namespace {

class SpinTest : public lumotest::ControlTest {
protected:
    MSpinButton* MakeSpin(const char* cls = "MSpinButton")
    {
        WriteStrip("img_spin_up.png", 16, 12, { lumotest::kRed, lumotest::kGreen, lumotest::kBlue, lumotest::kGrey });
        WriteStrip("img_spin_down.png", 16, 12, { lumotest::kRed, lumotest::kGreen, lumotest::kBlue, lumotest::kGrey });
        auto* s = Create<MSpinButton>(cls, 654, CRect(10, 10, 80, 34), nullptr, 1, 1);
        EXPECT_NE(s, nullptr);
        if (s) {
            s->UpdateControl(true);
        }
        Flush();
        return s;
    }
    void Key(UINT vk)
    {
        headless::KeyDown(vk);
        headless::KeyUp(vk);
        Flush();
    }
};

TEST_F(SpinTest, KeysStepTypeAndWrapAroundTheRange)
{
    struct Case {
        int min, max, limit, start;
        std::vector<UINT> keys;
        int value;
        size_t spins;
    };
    const Case cases[] = {
        { 0, 255, 0, 255, { VK_UP }, 0, 1 },
        { 0, 255, 0, 0, { VK_DOWN }, 255, 1 },
        { 0, 255, 0, 7, { VK_ADD, VK_ADD, VK_SUBTRACT }, 8, 3 },
        { 0, 255, 0, 25, { '5' }, 255, 1 },
        { 0, 255, 0, 25, { '9' }, 0, 1 },            // 259 is past the maximum: the minimum
        { 0, 255, 0, 255, { '1' }, 1, 1 },           // "2551" is longer than 3 digits
        { 0, 9999, 2, 12, { '3' }, 3, 1 },           // an explicit limit
        { 0, 255, 0, 5, { VK_NUMPAD0 + 3 }, 53, 1 }, // keypad digits
        { 0, 255, 0, 7, { VK_BACK }, 0, 1 },         // a single digit leaves 0
        { 0, 255, 0, 0, { VK_BACK }, 0, 0 },         // no change, no notification
        { 0, 255, 0, 123, { VK_BACK, VK_BACK }, 1, 2 },
        { 10, 20, 0, 15, { VK_BACK }, 20, 1 },       // 1 is below the minimum: the maximum
        { 5, 5, 0, 5, { VK_UP, '5' }, 5, 2 },        // steps and digits notify even unchanged
        { -5, 5, 0, -3, { VK_UP, VK_UP }, -1, 2 },
    };
    MSpinButton* s = MakeSpin();
    for (const auto& c : cases) {
        s->SetRange(c.min, c.max);
        if (c.limit > 0) {
            s->SetLimitLength(c.limit);
        }
        s->SetCurValue(c.start);
        ASSERT_EQ(s->GetCurValue(), c.start);
        m_dlg->SetFocusControl(s);
        ClearNotes();
        for (UINT vk : c.keys) {
            Key(vk);
        }
        EXPECT_EQ(s->GetCurValue(), c.value) << c.min << ".." << c.max << " from " << c.start;
        EXPECT_EQ(Codes(654).size(), c.spins) << c.min << ".." << c.max << " from " << c.start;
        for (UINT code : Codes(654)) {
            EXPECT_EQ(code, NOTIFY_SPIN);
        }
    }
}

TEST_F(SpinTest, KeysNeedTheFocus)
{
    MSpinButton* s = MakeSpin();
    s->SetRange(0, 100);
    s->SetCurValue(50);
    m_dlg->SetFocusControl(nullptr);
    Key(VK_UP);
    Key('1');
    EXPECT_EQ(s->GetCurValue(), 50);
    EXPECT_TRUE(Codes(654).empty());
}

TEST_F(SpinTest, ArrowsStepAndRepeatWhileHeld)
{
    MSpinButton* s = MakeSpin("CSpinButton");
    ASSERT_NE(dynamic_cast<CSpinButton*>(s), nullptr);
    s->SetRange(0, 100);
    s->SetCurValue(10);
    CRect up = s->GetUpRect();
    CRect down = s->GetDownRect();
    EXPECT_EQ(up.Width(), 16);
    EXPECT_EQ(up.bottom, down.top);
    Click(up.CenterPoint().x, up.CenterPoint().y);
    EXPECT_EQ(s->GetCurValue(), 11);
    Click(down.CenterPoint().x, down.CenterPoint().y);
    Click(down.CenterPoint().x, down.CenterPoint().y);
    EXPECT_EQ(s->GetCurValue(), 9);
    EXPECT_EQ(Codes(654).size(), 3u);
    EXPECT_TRUE(s->IsFocused()) << "a press gives the spin box the keys";

    Move(up.CenterPoint().x, up.CenterPoint().y);
    Press(up.CenterPoint().x, up.CenterPoint().y);
    for (int i = 0; i < 10; ++i) {
        headless::AdvanceTime(80);
        headless::PumpMessages();
    }
    Release(up.CenterPoint().x, up.CenterPoint().y);
    EXPECT_GT(s->GetCurValue(), 11) << "holding the arrow repeats the step";
    int held = s->GetCurValue();
    headless::AdvanceTime(1000);
    headless::PumpMessages();
    EXPECT_EQ(s->GetCurValue(), held) << "and stops on release";
}

TEST_F(SpinTest, ArrowSlicesShowHoverAndPress)
{
    MSpinButton* s = MakeSpin();
    CRect up = s->GetUpRect();
    CPoint c = up.CenterPoint();
    EXPECT_EQ(Pixel(c.x, c.y), lumotest::kRed);
    Move(c.x, c.y);
    EXPECT_EQ(Pixel(c.x, c.y), lumotest::kGreen);
    Press(c.x, c.y);
    EXPECT_EQ(Pixel(c.x, c.y), lumotest::kBlue);
    Release(c.x, c.y);
    s->SetEnabled(false);
    Flush();
    EXPECT_EQ(Pixel(c.x, c.y), lumotest::kGrey);
}

} // namespace
