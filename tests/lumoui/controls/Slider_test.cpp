#include "ControlTest.h"

#include "lumoui/MLevelCtrl.h"
#include "lumoui/MProgress.h"
#include "lumoui/MSlider.h"
#include "lumoui/PaintManager.h"

using namespace lumo;
using lumotest::kBlue;
using lumotest::kGreen;
using lumotest::kRed;
using lumotest::kYellow;

namespace {

class SliderTest : public lumotest::ControlTest {
protected:
    // A 236-pixel wide slider at (10, 10): the thumb (36 x 36) travels over 200 pixels.
    MSlider* MakeSlider()
    {
        // Track: filled half red above, empty half blue below, 6 pixels each.
        WriteSkinPng("track.png", 100, 12, [](int, int y) -> uint32_t { return y < 6 ? kRed : kBlue; });
        // Thumb: transparent but for a 4 x 4 dot in the middle of each slice.
        const ARGB dots[] = { kGreen, kYellow, kGreen, 0xFF808080 };
        WriteSkinPng("thumb.png", 4 * 36, 36, [&](int x, int y) -> uint32_t {
            int sx = x % 36;
            bool dot = sx >= 16 && sx < 20 && y >= 16 && y < 20;
            return dot ? dots[x / 36] : 0;
        });
        auto* s = Create<MSlider>("MSlider", 75, CRect(10, 10, 246, 66), nullptr, 1, 1);
        EXPECT_NE(s, nullptr);
        if (s) {
            EXPECT_TRUE(s->SetImage("track.png", 1));
            EXPECT_TRUE(s->SetThumbImage("thumb.png"));
            s->SetShowText(false);
        }
        Flush();
        return s;
    }
};

TEST_F(SliderTest, SetProgressClampsToTheMaximumAndIgnoresNegatives)
{
    MSlider* s = MakeSlider();
    EXPECT_EQ(s->GetMinProgress(), 0);
    EXPECT_EQ(s->GetMaxProgress(), 10);
    s->SetProgress(4);
    s->SetProgress(-1);
    EXPECT_EQ(s->GetProgress(), 4);
    s->SetProgress(50);
    EXPECT_EQ(s->GetProgress(), 10);
    s->SetMinProgress(5);
    s->SetProgress(2);
    EXPECT_EQ(s->GetProgress(), 5) << "the value never leaves the range";
    EXPECT_TRUE(m_dlg->m_notes.empty()) << "setting the value sends nothing";
}

TEST_F(SliderTest, ThumbPositionFollowsTheProgress)
{
    MSlider* s = MakeSlider();
    struct Case {
        int min, max, progress, pos;
    };
    const Case cases[] = {
        { 0, 10, 0, 0 },
        { 0, 10, 5, 100 },
        { 0, 10, 10, 200 },
        { 0, 3, 1, 66 },
        { 10, 20, 15, 100 },
        { 5, 5, 5, 0 }, // an empty range keeps the thumb at the start
    };
    for (const auto& c : cases) {
        s->SetMinProgress(c.min);
        s->SetMaxProgress(c.max);
        s->SetProgress(c.progress);
        EXPECT_EQ(s->GetThumbPos(), c.pos) << c.min << ".." << c.max << " at " << c.progress;
    }
    s->SetMinProgress(0);
    s->SetMaxProgress(10);
    s->SetProgress(5);
    Flush();
    EXPECT_EQ(Pixel(10 + 100 + 18, 10 + 18), kGreen) << "the thumb is drawn at the top edge";
    EXPECT_EQ(Pixel(10 + 20, 10 + 16), kRed) << "filled part left of the thumb";
    EXPECT_EQ(Pixel(10 + 200, 10 + 20), kBlue) << "empty track right of the thumb";
}

TEST_F(SliderTest, DraggingSetsTheProgressByTheDragFormula)
{
    MSlider* s = MakeSlider();
    struct Case {
        int min, max, x, progress;
    };
    // progress = min + x * (max - min + 1) / 200, clamped.
    const Case cases[] = {
        { 0, 10, 0, 0 },
        { 0, 10, 100, 5 },
        { 0, 10, 190, 10 },
        { 0, 10, 235, 10 },
        { 5, 15, 20, 6 },
        { 0, 255, 100, 128 },
    };
    for (const auto& c : cases) {
        s->SetMinProgress(c.min);
        s->SetMaxProgress(c.max);
        s->SetProgress(c.max);
        Move(10 + c.x, 20);
        Press(10 + c.x, 20);
        EXPECT_EQ(s->GetProgress(), c.progress) << c.min << ".." << c.max << " at x " << c.x;
        Release(10 + c.x, 20);
    }
}

TEST_F(SliderTest, DragSendsPositionsAndTheReleaseSendsClick)
{
    MSlider* s = MakeSlider();
    Move(10, 20);
    Press(10, 20);
    Move(10 + 100, 20);
    Move(10 + 100, 25); // no change, no notification
    Move(400, 290);     // far outside: clamped to the maximum
    EXPECT_TRUE(s->IsDragging());
    Release(400, 290);
    EXPECT_FALSE(s->IsDragging());
    EXPECT_EQ(Codes(75), (std::vector<UINT> { NOTIFY_POSITION, NOTIFY_POSITION, NOTIFY_CLICK }));
    std::vector<WPARAM> positions;
    for (const auto& n : m_dlg->m_notes) {
        if (n.code == NOTIFY_POSITION) {
            positions.push_back(n.wParam);
        }
    }
    EXPECT_EQ(positions, (std::vector<WPARAM> { 5, 10 }));
    EXPECT_EQ(LastNote(75, NOTIFY_CLICK)->wParam, 0u);
}

TEST_F(SliderTest, WheelStepsByOneAndCommitsEachStep)
{
    MSlider* s = MakeSlider();
    s->SetProgress(9);
    Move(60, 20);
    Wheel(60, 20, 120);
    EXPECT_EQ(s->GetProgress(), 10);
    Wheel(60, 20, 120);
    EXPECT_EQ(s->GetProgress(), 10);
    EXPECT_EQ(Codes(75), std::vector<UINT> { NOTIFY_CLICK }) << "a step against the end commits nothing";
    Wheel(60, 20, -240);
    EXPECT_EQ(s->GetProgress(), 8) << "two notches down";
    EXPECT_EQ(Codes(75).size(), 3u);
}

TEST_F(SliderTest, ThumbLightsUpWhileHovered)
{
    MSlider* s = MakeSlider();
    s->SetProgress(0);
    Move(10 + 18, 28);
    EXPECT_EQ(Pixel(10 + 18, 10 + 18), kYellow);
    Move(200, 200);
    EXPECT_EQ(Pixel(10 + 18, 10 + 18), kGreen);
    s->SetEnabled(false);
    Flush();
    EXPECT_EQ(Pixel(10 + 18, 10 + 18), 0xFF808080u) << "disabled thumb slice";
}

TEST_F(SliderTest, ProgressBarFillsTheDonePartAndSweepsWhileRunning)
{
    auto* p = Create<MProgress>("MProgress", 80, CRect(10, 100, 210, 120), nullptr, 1, 1);
    ASSERT_NE(p, nullptr);
    p->SetProgress(150);
    EXPECT_EQ(p->GetProgress(), 100);
    p->SetProgress(25);
    EXPECT_EQ(p->GetDoneWidth(200), 50);
    p->SetMaxProgress(50);
    EXPECT_EQ(p->GetDoneWidth(200), 100);
    Flush();
    EXPECT_EQ(Pixel(15, 110), MProgress::kForeColor);
    EXPECT_EQ(Pixel(150, 110), MProgress::kBackColor);

    UINT timer = m_dlg->SetMTimer(1000000);
    p->SetRun(true);
    p->SetProgress(0);
    for (int i = 0; i < MProgress::kSweepTicks / 2; ++i) {
        m_dlg->GetPaintManager().OnMTimer(timer);
    }
    Flush();
    EXPECT_EQ(Pixel(110, 110), MProgress::kForeColor) << "half way the segment is in the middle";
    EXPECT_EQ(Pixel(15, 110), MProgress::kBackColor);
    p->SetRun(false);
    m_dlg->KillMTimer(timer);
}

TEST_F(SliderTest, LevelControlSetsTheLevelOfThePressedBlock)
{
    auto* l = Create<MLevelCtrl>("MLevelCtrl", 90, CRect(10, 150, 110, 170), nullptr, 1, 1);
    ASSERT_NE(l, nullptr);
    EXPECT_FALSE(l->SetRangeValue(5, 5));
    ASSERT_TRUE(l->SetRangeValue(0, 10));
    struct Case {
        int x, level;
    };
    const Case cases[] = { { 10, 1 }, { 19, 1 }, { 20, 2 }, { 59, 5 }, { 109, 10 }, { 5, 0 }, { 500, 10 } };
    for (const auto& c : cases) {
        EXPECT_EQ(l->LevelAt(c.x), c.level) << "x " << c.x;
    }
    Move(65, 160);
    Press(65, 160);
    Release(65, 160);
    EXPECT_EQ(l->GetLevelValue(), 6);
    const auto* n = LastNote(90, NOTIFY_CLICK);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->wParam, 6u);
    Press(65, 160);
    Release(65, 160);
    EXPECT_EQ(Codes(90).size(), 1u) << "the same level again sends nothing";
    l->SetLevelValue(42);
    EXPECT_EQ(l->GetLevelValue(), 10);
}

} // namespace
